#include "common/ui/WindowKit.h"

#include "common/TextRoutines.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>
#include <xcb/xcb.h>

namespace WindowKit
{

namespace
{

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
    explicit LinkPressFilter(QLabel *link)
        : QObject(link)
        , m_link(link)
    {
    }

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
    ClickFilter(QWidget *widget, std::function<void()> action)
        : QObject(widget)
        , m_action(std::move(action))
    {
    }

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
    FocusOnShowFilter(QWidget *window, QWidget *field)
        : QObject(window)
        , m_field(field)
    {
    }

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

Qt::WindowFlags fixedWindowFlags()
{
    // CustomizeWindowHint: only the hints given here, a title and a border.
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
}

namespace
{

// The X11 calls, taken from the libxcb that the Qt platform plugin has loaded
// (nothing is loaded when the program runs on another platform).
struct XcbCalls {
    decltype(&xcb_intern_atom) internAtom = nullptr;
    decltype(&xcb_intern_atom_reply) internAtomReply = nullptr;
    decltype(&xcb_change_property) changeProperty = nullptr;
    decltype(&xcb_flush) flush = nullptr;
    bool ok = false;
};

const XcbCalls &xcbCalls()
{
    static const XcbCalls calls = [] {
        XcbCalls c;
        void *lib = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
        if (!lib)
            return c;
        c.internAtom = reinterpret_cast<decltype(c.internAtom)>(dlsym(lib, "xcb_intern_atom"));
        c.internAtomReply = reinterpret_cast<decltype(c.internAtomReply)>(dlsym(lib, "xcb_intern_atom_reply"));
        c.changeProperty = reinterpret_cast<decltype(c.changeProperty)>(dlsym(lib, "xcb_change_property"));
        c.flush = reinterpret_cast<decltype(c.flush)>(dlsym(lib, "xcb_flush"));
        c.ok = c.internAtom && c.internAtomReply && c.changeProperty && c.flush;
        return c;
    }();
    return calls;
}

// Under X11, tells the window manager through the Motif hints that the window
// can be moved only: no minimise, maximise or resize, a title and a border.
// Qt keeps these hints when it maps the window; it gives no flag for them
// (with no button hint it leaves the window manager's defaults).
void writeFixedFrameHints(QWidget *window)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    const XcbCalls &xcb = xcbCalls();
    if (!connection || !xcb.ok)
        return;
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        const char name[] = "_MOTIF_WM_HINTS";
        xcb_intern_atom_reply_t *reply
            = xcb.internAtomReply(connection, xcb.internAtom(connection, 0, sizeof(name) - 1, name), nullptr);
        if (!reply)
            return;
        atom = reply->atom;
        free(reply);
    }
    enum : quint32 { Functions = 1, Decorations = 2, FuncMove = 4, DecorBorder = 2, DecorTitle = 8 };
    const quint32 hints[5] = { Functions | Decorations, FuncMove, DecorBorder | DecorTitle, 0, 0 };
    xcb.changeProperty(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom, atom, 32, 5, hints);
    xcb.flush(connection);
}

} // namespace

namespace
{

// While its dialog is shown modally, undoes the minimising of the dialog or of
// a window it belongs to, and brings the dialog back on top.
class ModalInView : public QObject
{
public:
    explicit ModalInView(QWidget *dialog)
        : QObject(dialog)
        , m_dialog(dialog)
    {
        setObjectName(QStringLiteral("kennoraModalInView"));
        dialog->installEventFilter(this);
        if (dialog->isVisible())
            watch(true);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
            // Written before each mapping: Qt builds its own hints when the native window is made.
            if (event->type() == QEvent::Show)
                writeFixedFrameHints(m_dialog);
            watch(event->type() == QEvent::Show);
        }
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            if (window->isWindow() && (window->windowState() & Qt::WindowMinimized) && blocksWith(window))
                QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(window)] { restore(target); });
        }
        return false;
    }

private:
    void watch(bool on)
    {
        if (on == m_watching || !qApp)
            return;
        m_watching = on;
        if (on)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
    }

    // True when `window` is the modal dialog or one of the windows it belongs to.
    bool blocksWith(const QWidget *window) const
    {
        if (!m_dialog->isVisible() || !m_dialog->isModal())
            return false;
        for (const QWidget *w = m_dialog; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
            if (w == window)
                return true;
        }
        return false;
    }

    void restore(const QPointer<QWidget> &window)
    {
        if (!window || !m_dialog->isVisible())
            return;
        // The owners first, then the dialog on top of them.
        QList<QWidget *> chain;
        for (QWidget *w = m_dialog; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
            chain.prepend(w);
        for (QWidget *w : std::as_const(chain)) {
            if (w->windowState() & Qt::WindowMinimized) {
                w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
                w->show();
            }
        }
        m_dialog->raise();
        m_dialog->activateWindow();
    }

    QWidget *m_dialog;
    bool m_watching = false;
};

} // namespace

void prepareFixedWindow(QWidget *window)
{
    window->setWindowFlags(fixedWindowFlags());
    if (!window->findChild<QObject *>(QStringLiteral("kennoraModalInView"), Qt::FindDirectChildrenOnly))
        new ModalInView(window);
}

FixedDialog::FixedDialog(QWidget *owner, const QString &caption)
    : QDialog(owner)
{
    setWindowTitle(caption);
    prepareFixedWindow(this);
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

void FixedDialog::setVisible(bool visible)
{
    const bool showing = visible && !isVisible();
    QDialog::setVisible(visible);
    if (showing && isVisible())
        shown();
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

MainWindowBase::MainWindowBase(const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window)
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
    return WindowRegistry::get(QLatin1String(WindowNames::frmAvvio));
}

void showWindow(QWidget *window)
{
    if (auto *main = qobject_cast<MainWindowBase *>(window))
        main->showMaximised();
    else if (window)
        window->show();
}

void switchWindow(QWidget *from, QWidget *to)
{
    if (!to)
        return;
    showWindow(to);
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

QFrame *menuPanel(QWidget *window, const QString &className)
{
    window->setWindowState(Qt::WindowMaximized);
    window->setStyleSheet(Style::windowBackgroundSheet(className));
    auto *panel = new QFrame(window);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setStyleSheet(
        QStringLiteral("#panContainer { background: white; border: 2px solid %1; border-radius: 14px; }")
            .arg(Style::css(Style::FrameBlue)));
    return panel;
}

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
        showWindow(target);
    return target;
}

// ---------------------------------------------------------------------------

HintLine::HintLine(QLabel *panInfo)
    : QObject(panInfo)
    , m_panInfo(panInfo)
{
}

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
            // A move passed on from a command that lies outside the visible
            // part of the background (a window smaller than its panel) is not
            // a move over the background.
            if (!background->rect().contains(pos))
                return false;
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
