#pragma once

#include <QWidget>

// One tile of the planner's calendar: the day number on a free (dark blue on
// pale lavender) or booked (white on red) ground, 24 x 33, hand cursor. Every
// day has one of each kind in the same place; the planner shows one of them.
class DayTile : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Free, Booked };

    DayTile(QWidget *parent, int day, int number, Kind kind);

    int day() const { return m_day; }
    Kind kind() const { return m_kind; }

signals:
    void clicked(int day);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_day;
    int m_number;
    Kind m_kind;
    bool m_pressed = false;
};
