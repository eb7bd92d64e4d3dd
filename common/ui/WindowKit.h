#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QCloseEvent;
class QKeyEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QShowEvent;

// The behaviours every window of the program shares: the two kinds of window,
// opening, switching and closing, hidden labels as variables, the caller mode
// of dialogs, the hint line, links and buttons that follow the filled edits.
//
// Process-wide formats: dates ("dd/mm/yyyy") and numbers (decimal comma) never
// go through a locale (see common/TextRoutines.h), so there is nothing to set
// when a window is created; the typing limits of its edits come from the
// EditKit rows (record field widths).
namespace WindowKit
{

// Colours of the link texts.
inline constexpr QRgb LinkRestColour = 0xFF00008B; // dark blue
inline constexpr QRgb LinkPressedColour = 0xFFFFA500; // orange

// ---------------------------------------------------------------------------
// The two kinds of window

// The window flags of the fixed-size dialogs and the message boxes: a title
// and a border, no caption button hint.
Qt::WindowFlags fixedWindowFlags();

// Makes `window` a fixed window (FixedDialog does it itself, the message boxes
// call it): fixedWindowFlags(); under X11 the window manager is also told that
// the window can only be moved, so it shows no minimise or maximise button
// (window managers that always offer a close make it run the window's close
// or cancel command); and while the window is shown modally, a minimise of it
// or of a window it belongs to is undone at once and it comes back on top, so
// the program is never blocked behind a window the user cannot see.
void prepareFixedWindow(QWidget *window);

// A fixed-size window: single border, no caption buttons (see
// prepareFixedWindow), never left minimised while modal, centred on its owner
// (or on the screen without one). Escape does nothing; a close from the window
// manager (or close()) runs closeCommand(), which by default cancels the
// dialog. Enter in an edit never presses a button (auto-default is off).
class FixedDialog : public QDialog
{
    Q_OBJECT
public:
    FixedDialog(QWidget *owner, const QString &caption);

    // Call once the controls are built: fixes the size (the given one, or the
    // size the layout asks for when `size` is empty), prepares every button
    // (prepareButtons) and centres the window.
    void finishLayout(QSize size = QSize());

    // A show runs shown() once the window has been handed to the window
    // system, before show() returns: the work it does (reading an archive)
    // goes on while the window manager maps the window, instead of before.
    void setVisible(bool visible) override;

protected:
    // What a close does; the default cancels (reject()). A dialog whose close
    // is its own command (e.g. btnAnnulla) overrides it. When it leaves the
    // window visible, the close is refused.
    virtual void closeCommand();
    // Runs after each show of the hidden window (see setVisible); nothing by
    // default. The window is visible; its first paint comes after.
    virtual void shown() { }

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool m_inCloseCommand = false;
    bool m_shown = false;
};

// A main window: opened maximised, keeps its caption buttons. Closing it hides
// it and runs onClosed(), which by default returns to the start menu.
class MainWindowBase : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindowBase(const QString &caption, QWidget *parent = nullptr);

    void showMaximised();

protected:
    // The close handler; default: returnToStartMenu(this).
    virtual void onClosed();
    void closeEvent(QCloseEvent *event) override;
};

// Centres `window` on `owner` (on the screen when owner is null or hidden).
void centreOn(QWidget *window, QWidget *owner);

// ---------------------------------------------------------------------------
// Buttons and keys

// Every QPushButton under `root`: auto-default off; every QAbstractButton:
// Enter (Return or keypad Enter) on the focused button presses it, as Space does.
void prepareButtons(QWidget *root);
// The same for one button.
void pressOnEnter(QAbstractButton *button);

// ---------------------------------------------------------------------------
// Opening, switching, closing

// The start menu: the window set with setStartMenu, else the start-up
// instance registered as "frmAvvio" (nullptr when there is none).
void setStartMenu(QWidget *startMenu);
QWidget *startMenu();

// Shows `window`: a main window maximised, any other as it is.
void showWindow(QWidget *window);
// SwitchWindow: shows `to` first, then hides `from`, so one window stays visible.
// A null `to` leaves `from` as it is.
void switchWindow(QWidget *from, QWidget *to);
// ReturnToStartMenu: shows the start menu, then hides `self`.
void returnToStartMenu(QWidget *self);

// CloseWindow: a click on `command` closes `window`.
void closeOnClick(QAbstractButton *command, QWidget *window);

// FocusFirstField: every time `window` is shown the focus goes to `field`
// (ignored when the field cannot take it).
void focusFirstField(QWidget *window, QWidget *field);

// OpenModalDialog: a fresh Dialog owned by `owner`, filled by `preload` (mode
// text in lblMemory, input controls), shown modally, destroyed after. Returns
// the modal result (callers normally ignore it).
template <class Dialog> int openModalDialog(QWidget *owner, const std::function<void(Dialog &)> &preload = {})
{
    QPointer<Dialog> dialog = new Dialog(owner);
    if (preload)
        preload(*dialog);
    const int result = dialog ? dialog->exec() : 0;
    delete dialog.data();
    return result;
}

// ---------------------------------------------------------------------------
// Hidden labels and the caller mode

// The control of type T named `name` below `parent` (Qt::FindDirectChildrenOnly
// for its direct children only). A window takes its members this way, by
// name, never by their place in a list; a name with no control fails an
// assertion (on in every build).
template <class T>
T *named(const QObject *parent, const char *name, Qt::FindChildOptions options = Qt::FindChildrenRecursively)
{
    T *found = parent->findChild<T *>(QLatin1String(name), options);
    Q_ASSERT_X(found, "WindowKit::named", name);
    return found;
}

// A hidden label used as a variable (lblMemory, lblFile, lblPosizione ...).
QLabel *hiddenLabel(QWidget *parent, const char *objectName);

// The white panel "panContainer" of a menu window, framed in blue with round
// corners (the window is maximised, on the program's background, with
// `className` naming it in the sheet); the window's layout table places and
// sizes it.
QFrame *menuPanel(QWidget *window, const QString &className);

// The caller mode: the trimmed text of lblMemory.
QString callerMode(const QLabel *lblMemory);
// True when the trimmed text of lblMemory equals `literal` exactly, case included.
bool modeIs(const QLabel *lblMemory, QStringView literal);

// MenuCloseRouting, for a chooser's close handler: the trimmed word in
// lblMemory chooses the window to show (showWindow): "avvio" the start menu, else the
// start-up instance (WindowRegistry global name) paired with the word; any
// other word shows nothing. Returns the window shown (nullptr for none). The
// chooser itself is hidden by its close.
QWidget *menuCloseRouting(const QLabel *lblMemory, const QList<QPair<QString, QString>> &wordToGlobalName);

// ---------------------------------------------------------------------------
// Hint line, links, clicks

// HintLine: a command's mouse move writes its sentence into panInfo; a mouse
// move over the window's background (and its panels) clears it. Mouse tracking
// is switched on where needed. Owned by panInfo.
class HintLine : public QObject
{
    Q_OBJECT
public:
    explicit HintLine(QLabel *panInfo);

    void addCommand(QWidget *command, const QString &sentence);
    void addBackground(QWidget *background);

    QLabel *panInfo() const { return m_panInfo; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_panInfo;
    QHash<QObject *, QString> m_sentences;
    QList<QObject *> m_backgrounds;
};

// LinkPressColour: lnkWeb (underlined, dark blue) turns orange while the mouse
// button is down on it or on one of its pictures, dark blue after.
void linkPressColour(QLabel *lnkWeb, const QList<QWidget *> &pictures = {});
void setLinkColour(QLabel *lnkWeb, QRgb colour);
QRgb linkColour(const QLabel *lnkWeb);

// A left click (press and release inside) on any widget (labels, pictures)
// runs `action`. ShellOpenLink: onClick(lnkWeb, [] { TMisc::Open(target); }).
void onClick(QWidget *widget, std::function<void()> action);

// EnableWhenFilled: `button` is enabled exactly while every trimmed text of
// `edits` is non-empty; re-evaluated on every change, also by code.
void enableWhenFilled(QAbstractButton *button, const QList<QLineEdit *> &edits);

} // namespace WindowKit
