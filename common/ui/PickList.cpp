#include "common/ui/PickList.h"

#include "common/ui/EditKit.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace
{

QString lowerAscii(QString text)
{
    for (QChar &c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return text;
}

QString prepared(const QString &text, PickList::Compare compare)
{
    const QString trimmed = text.trimmed();
    return compare == PickList::Compare::LowerCased ? lowerAscii(trimmed) : trimmed;
}

} // namespace

PickList::PickList(
    QWidget *parent, const QString &name, const QStringList &values, Compare compare, const QString &successor)
    : QComboBox(parent)
    , m_compare(compare)
    , m_successor(successor)
    , m_frame(EditKit::makeFocusFrame(parent))
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(values);
    setCurrentIndex(-1);
    setEditText(QString());
    for (const QString &value : values)
        m_compared.append(prepared(value, compare));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QLineEdit *line = lineEdit();
    line->setAttribute(Qt::WA_InputMethodEnabled, false);
    line->setContextMenuPolicy(Qt::NoContextMenu);
    line->setDragEnabled(false);
    line->setAcceptDrops(false);
    setAcceptDrops(false);
    line->installEventFilter(this);
    installEventFilter(this);
    m_frame->setObjectName(EditKit::frameName(name));
    m_frame->hide();
    placeFrame();
}

bool PickList::accepts(const QStringList &values, const QString &text, Compare compare)
{
    const QString p = prepared(text, compare);
    for (const QString &value : values)
        if (prepared(value, compare) == p)
            return true;
    return false;
}

QStringList PickList::days()
{
    QStringList out;
    for (int d = 1; d <= 31; ++d)
        out.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
    return out;
}

QStringList PickList::months()
{
    return { QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"), QStringLiteral("Aprile"),
        QStringLiteral("Maggio"), QStringLiteral("Giugno"), QStringLiteral("Luglio"), QStringLiteral("Agosto"),
        QStringLiteral("Settembre"), QStringLiteral("Ottobre"), QStringLiteral("Novembre"),
        QStringLiteral("Dicembre") };
}

void PickList::validate()
{
    m_frame->hide();
    const QString p = prepared(currentText(), m_compare);
    if (p.isEmpty() && currentText().isEmpty())
        return;
    if (!m_compared.contains(p) || p.isEmpty()) {
        setCurrentIndex(-1);
        setEditText(QString());
    }
}

bool PickList::filterKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return m_tabDiscarded; // else the window moves the focus
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->type() == QEvent::KeyPress && !m_successor.isEmpty())
            if (QWidget *next = window()->findChild<QWidget *>(m_successor))
                next->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (event->type() == QEvent::KeyPress) {
            setCurrentIndex(-1);
            setEditText(QString());
        }
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return true;
        return false;
    default:
        return true;
    }
}

bool PickList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::ShortcutOverride) {
            // Keep application shortcuts from acting inside the picker, apart
            // from the keys it lets through.
            const bool passes = !m_tabDiscarded && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
            if (!passes)
                event->accept();
            return false;
        }
        return filterKey(key);
    }
    if (event->type() == QEvent::InputMethod || event->type() == QEvent::Wheel)
        return event->type() == QEvent::InputMethod;
    return QComboBox::eventFilter(watched, event);
}

void PickList::deselect()
{
    const QString shown = currentText();
    setCurrentIndex(-1);
    setEditText(shown);
}

void PickList::focusInEvent(QFocusEvent *event)
{
    if (m_deselectOnFocus && event->reason() != Qt::PopupFocusReason)
        deselect();
    QComboBox::focusInEvent(event);
    placeFrame();
    m_frame->show();
}

void PickList::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // The drop-down list takes the focus for a moment; that is no leaving.
    if (event->reason() == Qt::PopupFocusReason && view()->isVisible())
        return;
    validate();
}

void PickList::moveEvent(QMoveEvent *event)
{
    QComboBox::moveEvent(event);
    placeFrame();
}

void PickList::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    placeFrame();
}

void PickList::placeFrame()
{
    if (m_frame->parentWidget() != parentWidget())
        m_frame->setParent(parentWidget());
    m_frame->setGeometry(geometry().adjusted(-4, -4, 4, 4));
    m_frame->stackUnder(this);
}
