#pragma once

#include <QComboBox>
#include <QStringList>

// A picker that takes its value only from its own list: an editable combo
// whose keys do almost nothing. Enter moves to the successor, Backspace and
// Delete empty the whole text, Left and Right move the caret, Tab and
// Shift+Tab leave it; every other key (letters, digits, Up, Down, Home, End,
// Escape, Ctrl+V ...) is discarded, so a value is chosen in the drop-down
// list. Leaving the picker hides its yellow focus frame and empties a text
// that is not one of the values (a matching text is kept as it is).
class PickList : public QComboBox
{
    Q_OBJECT
public:
    // How a text is compared with the values: trimmed, case included, or
    // trimmed with its ASCII letters lower-cased (the values then given in
    // lower case).
    enum class Compare { CaseIncluded, LowerCased };

    // `name` is the picker's objectName; its frame is "eff" + the name
    // without its prefix; `successor` the objectName focused by Enter.
    PickList(
        QWidget *parent, const QString &name, const QStringList &values, Compare compare, const QString &successor);

    // Whether `text` is one of `values` under `compare`.
    static bool accepts(const QStringList &values, const QString &text, Compare compare);

    // The two lists of the booking dialogs: "01" .. "31" and "Gennaio" .. "Dicembre".
    static QStringList days();
    static QStringList months();

    QWidget *frame() const { return m_frame; }
    // Tab and Shift+Tab discarded like the other keys (default: they leave).
    void setTabDiscarded(bool discarded) { m_tabDiscarded = discarded; }
    // The list selection dropped each time the picker takes the focus.
    void setDeselectOnFocus(bool deselect) { m_deselectOnFocus = deselect; }
    // Drops the list selection; the text shown stays.
    void deselect();
    // The check run on leaving (also callable by code).
    void validate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool filterKey(QKeyEvent *event);
    void placeFrame();

    QStringList m_compared;
    Compare m_compare;
    QString m_successor;
    QWidget *m_frame;
    bool m_tabDiscarded = false;
    bool m_deselectOnFocus = false;
};
