#include "planner/DayTile.h"

#include "common/ui/Style.h"

#include <QMouseEvent>
#include <QPainter>

DayTile::DayTile(QWidget *parent, int day, int number, Kind kind)
    : QWidget(parent)
    , m_day(day)
    , m_number(number)
    , m_kind(kind)
{
    setFixedSize(24, 33);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayTile::paintEvent(QPaintEvent *)
{
    static const QFont font = Style::verdana(9, true);
    const bool free = m_kind == Kind::Free;
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(free ? Style::White : Style::BookedTileEdge));
    painter.fillRect(
        rect().adjusted(1, 1, -1, -1), QColor::fromRgba(free ? Style::FreeTileGround : Style::BookedTileGround));
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(free ? Style::DarkBlue : Style::White));
    painter.drawText(rect(), Qt::AlignCenter, QString::number(m_number));
}

void DayTile::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void DayTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked(m_day);
}
