#include "common/ui/WindowKit.h"

#include "common/TextRoutines.h"
#include "common/ui/WindowRegistry.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace WindowKit {

namespace {

QPointer<QWidget> g_startMenu;

// Enter on a focused button presses it.
class PressOnEnterFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto mods = key->modifiers() & ~Qt::KeypadModifier;
        if (!enter || mods != Qt::NoModifier || key->isAutoRepeat())
            return false;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button && button->isEnabled())
            button->click();
        return true;
    }
};

// Mouse press / release on a link and its pictures.
class LinkPressFilter : public QObject
{
public:
    explicit LinkPressFilter(QLabel *link) : QObject(link), m_link(link) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            setLinkColour(m_link, LinkPressedColour);
        else if (event->type() == QEvent::MouseButtonRelease)
            setLinkColour(m_link, LinkRestColour);
        return false;
    }

private:
    QLabel *m_link;
};

// A left click (press and release inside) runs an action.
class ClickFilter : public QObject
{
public:
    ClickFilter(QWidget *widget, std::function<void()> action) : QObject(widget), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            auto *widget = static_cast<QWidget *>(watched);
            const bool click = m_pressed && mouse->button() == Qt::LeftButton
                               && widget->rect().contains(mouse->position().toPoint());
            m_pressed = false;
            if (click && m_action)
                m_action();
        }
        return false;
    }

private:
    std::function<void()> m_action;
    bool m_pressed = false;
};

class FocusOnShowFilter : public QObject
{
public:
    FocusOnShowFilter(QWidget *window, QWidget *field) : QObject(window), m_field(field) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            focusField();
            m_pending = true;
            break;
        case QEvent::WindowActivate:
            // The activation that follows the show may restore the old focus.
            if (m_pending)
                focusField();
            m_pending = false;
            break;
        case QEvent::Hide:
            m_pending = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    void focusField()
    {
        if (m_field && m_field->isVisible() && m_field->isEnabled() && m_field->focusPolicy() != Qt::NoFocus)
            m_field->setFocus(Qt::OtherFocusReason);
    }

    QPointer<QWidget> m_field;
    bool m_pending = false;
};

} // namespace

// ---------------------------------------------------------------------------

FixedDialog::FixedDialog(QWidget *owner, const QString &caption) : QDialog(owner)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
}

void FixedDialog::finishLayout(QSize size)
{
    if (!size.isValid()) {
        ensurePolished();
        size = sizeHint().expandedTo(minimumSizeHint());
        if (!size.isValid())
            size = this->size();
    }
    setFixedSize(size);
    prepareButtons(this);
    centreOn(this, parentWidget());
}

void FixedDialog::closeCommand()
{
    reject();
}

void FixedDialog::keyPressEvent(QKeyEvent *event)
{
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Escape:
            event->accept(); // Escape does not close a fixed window
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept(); // no default button: Enter presses nothing here
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::closeEvent(QCloseEvent *event)
{
    if (m_inCloseCommand) {
        // closeCommand() itself closes: end the modal show.
        QDialog::closeEvent(event);
        return;
    }
    m_inCloseCommand = true;
    closeCommand();
    m_inCloseCommand = false;
    if (isVisible())
        event->ignore();
    else
        event->accept();
}

void FixedDialog::showEvent(QShowEvent *event)
{
    // Centred once more when first shown: the owner may have moved since.
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        centreOn(this, parentWidget());
    }
    QDialog::showEvent(event);
}

// ---------------------------------------------------------------------------

MainWindowBase::MainWindowBase(const QString &caption, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
}

void MainWindowBase::showMaximised()
{
    showMaximized();
}

void MainWindowBase::onClosed()
{
    returnToStartMenu(this);
}

void MainWindowBase::closeEvent(QCloseEvent *event)
{
    onClosed();
    event->accept();
}

void centreOn(QWidget *window, QWidget *owner)
{
    if (!window)
        return;
    QRect area;
    if (owner && owner->isVisible()) {
        QWidget *top = owner->window();
        area = top->frameGeometry();
    } else {
        QScreen *screen = owner ? owner->screen() : window->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            area = screen->availableGeometry();
    }
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

// ---------------------------------------------------------------------------

void prepareButtons(QWidget *root)
{
    if (!root)
        return;
    const auto pushButtons = root->findChildren<QPushButton *>();
    for (QPushButton *button : pushButtons) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    const auto buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        pressOnEnter(button);
}

void pressOnEnter(QAbstractButton *button)
{
    if (!button || button->property("kennoraPressOnEnter").toBool())
        return;
    button->setProperty("kennoraPressOnEnter", true);
    button->installEventFilter(new PressOnEnterFilter(button));
}

// ---------------------------------------------------------------------------

void setStartMenu(QWidget *menu)
{
    g_startMenu = menu;
}

QWidget *startMenu()
{
    if (g_startMenu)
        return g_startMenu;
    return WindowRegistry::get(QStringLiteral("frmAvvio"));
}

void switchWindow(QWidget *from, QWidget *to)
{
    if (!to)
        return;
    to->show();
    if (from && from != to)
        from->hide();
}

void returnToStartMenu(QWidget *self)
{
    switchWindow(self, startMenu());
}

void closeOnClick(QAbstractButton *command, QWidget *window)
{
    if (!command || !window)
        return;
    QPointer<QWidget> target = window;
    QObject::connect(command, &QAbstractButton::clicked, window, [target] {
        if (target)
            target->close();
    });
}

void focusFirstField(QWidget *window, QWidget *field)
{
    if (!window || !field)
        return;
    window->installEventFilter(new FocusOnShowFilter(window, field));
}

// ---------------------------------------------------------------------------

QLabel *hiddenLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setVisible(false);
    return label;
}

QString callerMode(const QLabel *lblMemory)
{
    return lblMemory ? TrimText(lblMemory->text()) : QString();
}

bool modeIs(const QLabel *lblMemory, QStringView literal)
{
    return callerMode(lblMemory) == literal;
}

QWidget *menuCloseRouting(const QLabel *lblMemory, const QList<QPair<QString, QString>> &wordToGlobalName)
{
    const QString word = callerMode(lblMemory);
    QWidget *target = nullptr;
    if (word == QLatin1String("avvio")) {
        target = startMenu();
    } else {
        for (const auto &route : wordToGlobalName) {
            if (route.first == word) {
                target = WindowRegistry::get(route.second);
                break;
            }
        }
    }
    if (target)
        target->show();
    return target;
}

// ---------------------------------------------------------------------------

HintLine::HintLine(QLabel *panInfo) : QObject(panInfo), m_panInfo(panInfo) {}

void HintLine::addCommand(QWidget *command, const QString &sentence)
{
    if (!command)
        return;
    command->setMouseTracking(true);
    if (!m_sentences.contains(command) && !m_backgrounds.contains(command)) {
        command->installEventFilter(this);
        connect(command, &QObject::destroyed, this, [this](QObject *gone) { m_sentences.remove(gone); });
    }
    m_sentences.insert(command, sentence);
}

void HintLine::addBackground(QWidget *background)
{
    if (!background || m_backgrounds.contains(background))
        return;
    background->setMouseTracking(true);
    m_backgrounds.append(background);
    if (!m_sentences.contains(background))
        background->installEventFilter(this);
    connect(background, &QObject::destroyed, this, [this](QObject *gone) { m_backgrounds.removeAll(gone); });
}

bool HintLine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto it = m_sentences.constFind(watched);
        if (it != m_sentences.constEnd()) {
            m_panInfo->setText(*it);
        } else if (m_backgrounds.contains(watched)) {
            // A move that a command left unhandled travels on to its parents:
            // the background clears only when the mouse is not over a command.
            auto *background = static_cast<QWidget *>(watched);
            const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
            for (QWidget *w = background->childAt(pos); w && w != background; w = w->parentWidget())
                if (m_sentences.contains(w))
                    return false;
            m_panInfo->setText(QString());
        }
    }
    return false;
}

// ---------------------------------------------------------------------------

void setLinkColour(QLabel *lnkWeb, QRgb colour)
{
    if (!lnkWeb)
        return;
    QPalette palette = lnkWeb->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(colour));
    lnkWeb->setPalette(palette);
}

QRgb linkColour(const QLabel *lnkWeb)
{
    return lnkWeb ? lnkWeb->palette().color(QPalette::WindowText).rgba() : 0;
}

void linkPressColour(QLabel *lnkWeb, const QList<QWidget *> &pictures)
{
    if (!lnkWeb)
        return;
    QFont font = lnkWeb->font();
    font.setUnderline(true);
    lnkWeb->setFont(font);
    lnkWeb->setCursor(Qt::PointingHandCursor);
    setLinkColour(lnkWeb, LinkRestColour);
    auto *filter = new LinkPressFilter(lnkWeb);
    lnkWeb->installEventFilter(filter);
    for (QWidget *picture : pictures) {
        if (picture) {
            picture->installEventFilter(filter);
            picture->setCursor(Qt::PointingHandCursor);
        }
    }
}

void onClick(QWidget *widget, std::function<void()> action)
{
    if (!widget)
        return;
    widget->installEventFilter(new ClickFilter(widget, std::move(action)));
}

void enableWhenFilled(QAbstractButton *button, const QList<QLineEdit *> &edits)
{
    if (!button)
        return;
    QPointer<QAbstractButton> target = button;
    QList<QPointer<QLineEdit>> watched;
    for (QLineEdit *edit : edits)
        watched.append(edit);
    auto evaluate = [target, watched] {
        if (!target)
            return;
        bool filled = true;
        for (const auto &edit : watched)
            filled = filled && edit && !TrimText(edit->text()).isEmpty();
        target->setEnabled(filled);
    };
    for (QLineEdit *edit : edits)
        if (edit)
            QObject::connect(edit, &QLineEdit::textChanged, button, evaluate);
    evaluate();
}

} // namespace WindowKit
