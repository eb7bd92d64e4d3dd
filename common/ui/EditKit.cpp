#include "common/ui/EditKit.h"

#include "common/ui/TextFit.h"

#include "common/RecordLayout.h"

#include "common/TextRoutines.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QValidator>

namespace EditKit
{

namespace
{

// ---------------------------------------------------------------------------
// Character sets

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

bool boxNumberRefuses(char16_t u)
{
    switch (u) {
    case 0x22:
    case 0x2A:
    case 0x2F:
    case 0x3A:
    case 0x3C:
    case 0x3E:
    case 0x3F:
    case 0x5C:
    case 0xB0:
    case 0xC7:
    case 0xD1:
    case 0xE7:
    case 0xF1:
        return true;
    default:
        return false;
    }
}

bool quoteDescriptionRefuses(char16_t u)
{
    switch (u) {
    case 0x26:
    case 0x2F:
    case 0x3C:
    case 0x3E:
    case 0x80:
    case 0xA3:
        return true;
    default:
        break;
    }
    // À Á Â Ä Ç È..Ï Ñ Ò Ó Ô Ö Ù..Ü and their lower-case forms (+0x20).
    if (u >= 0xE0 && u <= 0xFC)
        u = char16_t(u - 0x20);
    if (u < 0xC0 || u > 0xDC)
        return false;
    return u <= 0xC2 || u == 0xC4 || (u >= 0xC7 && u <= 0xCF) || (u >= 0xD1 && u <= 0xD4) || u == 0xD6 || u >= 0xD9;
}

int countRefused(Filter filter, const QString &text)
{
    int n = 0;
    for (QChar c : text)
        if (!charAllowed(filter, c))
            ++n;
    return n;
}

QWidget *frameOf(const QWidget *edit);

// ---------------------------------------------------------------------------
// The focus frame: yellow fill, yellow to white stroke, behind its edit.

class FocusFrameWidget : public QWidget
{
public:
    explicit FocusFrameWidget(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient stroke(area.topLeft(), area.bottomLeft());
        stroke.setColorAt(0, QColor::fromRgba(FocusFill));
        stroke.setColorAt(1, QColor::fromRgba(0xFFFFFFFF));
        painter.setPen(QPen(QBrush(stroke), 1));
        painter.setBrush(QColor::fromRgba(FocusFill));
        painter.drawRoundedRect(area, 2, 2);
    }
};

// ---------------------------------------------------------------------------
// Typing limit and character filter for typed, pasted and dropped text.
// A change made by the user (the edit is "modified" while it is validated) may
// not make the text longer than the limit nor bring in a refused character; a
// text set by code (setText clears "modified") always passes, uncut.

class Guard : public QValidator
{
public:
    explicit Guard(QLineEdit *line)
        : QValidator(line)
        , m_line(line)
        , m_previous(line->text())
    {
        connect(line, &QLineEdit::textChanged, this, [this](const QString &text) { m_previous = text; });
    }

    int limit = 0;
    Filter filter = Filter::None;

    State validate(QString &input, int &) const override
    {
        if (!m_line->isModified())
            return Acceptable; // set by code
        if (limit > 0 && input.size() > limit && input.size() > m_previous.size())
            return Invalid;
        if (filter != Filter::None && countRefused(filter, input) > countRefused(filter, m_previous))
            return Invalid;
        // A file name part never holds "..", whichever key or paste would make it.
        if (filter == Filter::BoxFileName && input.count(u"..") > m_previous.count(u".."))
            return Invalid;
        return Acceptable;
    }

private:
    QLineEdit *m_line;
    QString m_previous;
};

// ---------------------------------------------------------------------------
// Everything a row declares, attached to its edit (or combo).

class Behaviour : public QObject
{
public:
    Behaviour(QWidget *target, QLineEdit *line)
        : QObject(target)
        , m_target(target)
        , m_line(line)
        , m_combo(qobject_cast<QComboBox *>(target))
    {
        setObjectName(QStringLiteral("kennoraEditBehaviour"));
        target->installEventFilter(this);
        if (line != target)
            line->installEventFilter(this);
        connect(line, &QLineEdit::textEdited, this, [this] { afterTyping(); });
        // The focus may also leave while the window is inactive (a command
        // that focuses another field when a message box has just closed):
        // the edit is left when another control of its window takes it.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (m_inside && now && now != m_target && !m_target->isAncestorOf(now)
                && now->window() == m_target->window())
                exit();
        });
    }

    QWidget *m_target;
    QLineEdit *m_line;
    QComboBox *m_combo;
    Guard *m_guard = nullptr;
    std::function<QWidget *()> m_successor;
    Filter m_filter = Filter::None;
    Casing m_casing = Casing::None;
    Look m_look = Look::None;
    int m_decimals = 0;
    bool m_emptyStays = false;
    bool m_comboDeselect = false;
    QPointer<QWidget> m_frame;
    QRgb m_fill = 0;
    QList<std::function<void()>> m_exitSteps;
    bool m_inside = false; // entered and not left yet

    Guard *guard()
    {
        if (!m_guard) {
            m_guard = new Guard(m_line);
            m_line->setValidator(m_guard);
        }
        return m_guard;
    }

    void setFill(QRgb fill)
    {
        if (m_fill == fill)
            return;
        m_fill = fill;
        m_line->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2; "
                                             "padding: 1px 2px; }")
                                  .arg(QColor::fromRgba(fill).name(), QColor::fromRgba(HighlightStroke).name()));
    }

    QRgb restFill() const { return m_look == Look::HighlightWhite ? RestFillWhite : RestFill; }

    void applyLook()
    {
        if (m_frame && m_look != Look::FocusFrame)
            m_frame->hide();
        switch (m_look) {
        case Look::Highlight:
        case Look::HighlightWhite:
        case Look::RestOnly:
            setFill(restFill());
            if (m_look != Look::RestOnly && m_target->hasFocus())
                setFill(FocusFill);
            break;
        case Look::FocusFrame:
            ensureFrame();
            followEdit();
            m_frame->setVisible(m_target->hasFocus());
            [[fallthrough]];
        case Look::None:
            if (m_fill) {
                m_fill = 0;
                m_line->setStyleSheet(QString());
            }
            break;
        }
    }

    void ensureFrame(const QString &name = QString())
    {
        if (!m_frame) {
            auto *frame = new FocusFrameWidget(m_target->parentWidget());
            frame->setObjectName(name.isEmpty() ? frameName(m_target->objectName()) : name);
            frame->hide();
            m_frame = frame;
        } else if (!name.isEmpty()) {
            m_frame->setObjectName(name);
        }
    }

    void followEdit()
    {
        if (!m_frame)
            return;
        if (m_frame->parentWidget() != m_target->parentWidget())
            m_frame->setParent(m_target->parentWidget());
        m_frame->setGeometry(m_target->geometry().adjusted(-4, -4, 4, 4));
        m_frame->stackUnder(m_target);
    }

    void enter()
    {
        m_inside = true;
        if (m_comboDeselect && m_combo) {
            const QString shown = m_combo->currentText();
            m_combo->setCurrentIndex(-1);
            if (m_combo->currentText() != shown)
                m_combo->setEditText(shown);
        }
        if (m_look == Look::FocusFrame && m_frame) {
            followEdit();
            m_frame->show();
        } else if (m_look == Look::Highlight || m_look == Look::HighlightWhite) {
            setFill(FocusFill);
        }
    }

    void exit()
    {
        m_inside = false;
        // The look first, then the normaliser, the upper-casing, the window's own steps.
        if (m_frame)
            m_frame->hide();
        if (m_look == Look::Highlight || m_look == Look::HighlightWhite)
            setFill(restFill());
        if (m_decimals > 0) {
            const QString normal = AmountNormaliser(m_line->text(), m_decimals, m_emptyStays);
            if (normal != m_line->text())
                m_line->setText(normal);
        }
        if (m_casing == Casing::UpperExit || m_casing == Casing::UpperTypingAndExit)
            upperCase(true);
        const auto steps = m_exitSteps;
        for (const auto &step : steps)
            step();
    }

    void upperCase(bool trim)
    {
        const QString text = m_line->text();
        QString upper = AsciiUpper(text);
        int cursor = m_line->cursorPosition();
        if (trim) {
            const QStringView kept = TrimmedView(upper);
            const int lead = int(kept.data() - upper.constData());
            upper = kept.toString();
            cursor = qBound(0, cursor - lead, int(upper.size()));
        }
        if (upper == text)
            return;
        // Keep the edit's "modified" state: the typing limit reads it.
        const bool modified = m_line->isModified();
        m_line->setText(upper);
        m_line->setModified(modified);
        m_line->setCursorPosition(cursor);
    }

    void afterTyping()
    {
        if (m_casing == Casing::UpperTyping || m_casing == Casing::UpperTypingAndExit)
            upperCase(true);
        else if (m_casing == Casing::UpperTypingNoTrim)
            upperCase(false);
    }

    bool moveToSuccessor()
    {
        if (!m_successor)
            return false;
        if (QWidget *next = m_successor())
            next->setFocus(Qt::TabFocusReason); // as Tab does: an edit reached shows its text selected
        return true;
    }

    bool keyRefused(QKeyEvent *key) const
    {
        if (m_filter == Filter::None)
            return false;
        if (m_filter == Filter::BoxNumber || m_filter == Filter::BoxFileName || m_filter == Filter::QuoteDescription) {
            // The text of an editing key (Backspace, Escape, Ctrl+V) is a
            // control character that is never inserted: only what would be
            // typed counts; a paste is checked by the guard.
            for (QChar c : key->text())
                if (!isControl(c) && !charAllowed(m_filter, c))
                    return true;
            return false;
        }
        // Numeric and money: the editing keys, digits (and commas), and the
        // clipboard commands, whose text the guard checks.
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return false;
        default:
            break;
        }
        if (key == QKeySequence::Paste || key == QKeySequence::Copy || key == QKeySequence::Cut
            || key == QKeySequence::SelectAll || key == QKeySequence::Undo || key == QKeySequence::Redo)
            return false;
        const QString text = key->text();
        if (text.size() != 1)
            return true;
        return !charAllowed(m_filter, text.at(0));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            const auto mods = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
                if (moveToSuccessor())
                    return true;
                return false;
            }
            if (keyRefused(key))
                return true;
            return false;
        }
        case QEvent::KeyRelease:
            if (m_casing == Casing::UpperKeyUp)
                upperCase(true);
            else if (m_casing == Casing::UpperKeyUpNoTrim)
                upperCase(false);
            return false;
        case QEvent::FocusIn:
            if (watched == m_target)
                enter();
            return false;
        case QEvent::FocusOut: {
            if (watched != m_target)
                return false;
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            // A context menu or another window does not leave the field.
            if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
                return false;
            // Nor does a window that is closing or being destroyed. An edit
            // that a page, tab or panel hid is left like any other.
            if (!m_target->window()->isVisible()) {
                m_inside = false;
                return false;
            }
            exit();
            return false;
        }
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ParentChange:
        case QEvent::ZOrderChange:
            if (watched == m_target && m_frame)
                followEdit();
            return false;
        case QEvent::Hide:
            if (watched == m_target && m_frame)
                m_frame->hide();
            return false;
        default:
            return false;
        }
    }
};

Behaviour *behaviourOf(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    return widget->findChild<Behaviour *>(QStringLiteral("kennoraEditBehaviour"), Qt::FindDirectChildrenOnly);
}

// The edit or combo that carries the behaviours of `widget`.
QWidget *targetOf(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        auto *combo = qobject_cast<QComboBox *>(line->parentWidget());
        if (combo && combo->lineEdit() == line)
            return combo;
    }
    return widget;
}

Behaviour *behaviour(QWidget *widget)
{
    QWidget *target = targetOf(widget);
    if (!target)
        return nullptr;
    if (Behaviour *b = behaviourOf(target))
        return b;
    QLineEdit *line = qobject_cast<QLineEdit *>(target);
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        if (!combo->isEditable())
            combo->setEditable(true);
        line = combo->lineEdit();
    }
    if (!line)
        return nullptr;
    return new Behaviour(target, line);
}

QWidget *frameOf(const QWidget *edit)
{
    const Behaviour *b = behaviourOf(edit);
    return b ? b->m_frame.data() : nullptr;
}

void applyRow(QWidget *target, const EditRow &row)
{
    target->setObjectName(QString::fromLatin1(row.name));
    Behaviour *b = behaviour(target);
    if (!b)
        return;
    setTypingLimit(target, row.maxLength);
    if (row.successor)
        setSuccessor(target, QString::fromLatin1(row.successor));
    setFilter(target, row.filter);
    b->m_casing = row.casing;
    b->m_decimals = row.amountDecimals;
    b->m_emptyStays = row.amountEmptyStays;
    if (row.look == Look::FocusFrame)
        b->ensureFrame(row.frame ? QString::fromLatin1(row.frame) : QString());
    b->m_look = row.look;
    b->applyLook();
}

} // namespace

QWidget *makeFocusFrame(QWidget *parent)
{
    return new FocusFrameWidget(parent);
}

// ---------------------------------------------------------------------------

bool charAllowed(Filter filter, QChar c)
{
    const char16_t u = c.unicode();
    switch (filter) {
    case Filter::None:
        return true;
    case Filter::Numeric:
        return isDigit(c);
    case Filter::Amount:
        return isDigit(c) || u == u',';
    case Filter::BoxNumber:
        return !boxNumberRefuses(u);
    case Filter::BoxFileName:
        return !BoxNumberCharRefused(c);
    case Filter::QuoteDescription:
        return !quoteDescriptionRefuses(u);
    }
    return true;
}

QString frameName(const QString &editName)
{
    qsizetype i = 0;
    while (i < editName.size() && editName.at(i).isLower())
        ++i;
    return QStringLiteral("eff") + editName.mid(i);
}

QLineEdit *makeEdit(QWidget *parent, const EditRow &row)
{
    auto *edit = new QLineEdit(parent);
    apply(edit, row);
    return edit;
}

QList<QLineEdit *> makeEdits(QWidget *parent, const QList<EditRow> &rows)
{
    QList<QLineEdit *> edits;
    edits.reserve(rows.size());
    for (const EditRow &row : rows)
        edits.append(makeEdit(parent, row));
    return edits;
}

void apply(QLineEdit *edit, const EditRow &row)
{
    if (edit)
        applyRow(edit, row);
}

void applyCombo(QComboBox *combo, const EditRow &row)
{
    if (!combo)
        return;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    EditRow comboRow = row;
    if (comboRow.look != Look::None && comboRow.look != Look::FocusFrame)
        comboRow.look = Look::None;
    applyRow(combo, comboRow);
    if (Behaviour *b = behaviourOf(combo))
        b->m_comboDeselect = true;
}

void setTypingLimit(QWidget *edit, int limit)
{
    if (Behaviour *b = behaviour(edit))
        b->guard()->limit = qMax(0, limit);
    // A narrow field (numbers, dates, codes) always shows what it holds whole.
    if (auto *line = qobject_cast<QLineEdit *>(edit); line && limit > 0 && limit <= kNarrowFieldLimit)
        TextFit::keepWhole(line);
}

void setTypingLimits(QWidget *window, const RecordLayout &layout, const std::function<QString(int)> &controlName)
{
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const QString name = controlName(field);
        if (name.isEmpty())
            continue;
        QWidget *control = window->findChild<QWidget *>(name);
        if (qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control))
            setTypingLimit(control, layout.capacity(field));
    }
}

int typingLimit(const QWidget *edit)
{
    const Behaviour *b = behaviourOf(targetOf(const_cast<QWidget *>(edit)));
    return b && b->m_guard ? b->m_guard->limit : 0;
}

void setSuccessor(QWidget *edit, const QString &successorName)
{
    Behaviour *b = behaviour(edit);
    if (!b)
        return;
    if (successorName.isEmpty()) {
        b->m_successor = nullptr;
        return;
    }
    QPointer<QWidget> self = b->m_target;
    b->m_successor = [self, successorName]() -> QWidget * {
        return self ? self->window()->findChild<QWidget *>(successorName) : nullptr;
    };
}

void setSuccessor(QWidget *edit, std::function<QWidget *()> chooseSuccessor)
{
    if (Behaviour *b = behaviour(edit))
        b->m_successor = std::move(chooseSuccessor);
}

void setFilter(QWidget *edit, Filter filter)
{
    Behaviour *b = behaviour(edit);
    if (!b)
        return;
    b->m_filter = filter;
    b->guard()->filter = filter;
}

void setCasing(QLineEdit *edit, Casing casing)
{
    if (Behaviour *b = behaviour(edit))
        b->m_casing = casing;
}

void setLook(QLineEdit *edit, Look look)
{
    if (Behaviour *b = behaviour(edit)) {
        b->m_look = look;
        b->applyLook();
    }
}

void setAmountNormaliser(QLineEdit *edit, int decimals, bool emptyStaysEmpty)
{
    if (Behaviour *b = behaviour(edit)) {
        b->m_decimals = qMax(0, decimals);
        b->m_emptyStays = emptyStaysEmpty;
    }
}

QString normalisedText(const QLineEdit *edit)
{
    if (!edit)
        return QString();
    const Behaviour *b = behaviourOf(targetOf(const_cast<QLineEdit *>(edit)));
    if (!b || b->m_decimals <= 0)
        return edit->text();
    return AmountNormaliser(edit->text(), b->m_decimals, b->m_emptyStays);
}

void onExit(QLineEdit *edit, std::function<void()> step)
{
    if (Behaviour *b = behaviour(edit); b && step)
        b->m_exitSteps.append(std::move(step));
}

QWidget *focusFrame(const QLineEdit *edit)
{
    return frameOf(targetOf(const_cast<QLineEdit *>(edit)));
}

QRgb highlightFill(const QLineEdit *edit)
{
    const Behaviour *b = behaviourOf(targetOf(const_cast<QLineEdit *>(edit)));
    return b ? b->m_fill : 0;
}

} // namespace EditKit
