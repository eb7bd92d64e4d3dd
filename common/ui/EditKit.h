#pragma once

#include <QList>
#include <QRgb>
#include <QString>

#include <functional>

class QComboBox;
class RecordLayout;
class QLineEdit;
class QWidget;

// The behaviours the edits of every window share, declared per edit in a row:
// focus look, Enter successor, key filter, typing limit, upper-casing and the
// money normaliser. A window builds its edits from a table of rows and writes
// no per-field code for these.
namespace EditKit
{

// Colours of the focus frame and of the highlighted fields.
inline constexpr QRgb FocusFill = 0xFFFFFF00; // yellow: frame fill, focused field
inline constexpr QRgb RestFill = 0xFFF0F8FF; // field at rest
inline constexpr QRgb RestFillWhite = 0xFFFFFFFF; // field at rest (service and box editors)
inline constexpr QRgb HighlightStroke = 0xFF87CEEB; // border of the highlighted fields

// Which keys and characters an edit accepts (typed and pasted alike).
enum class Filter {
    None,
    Numeric, // digits and Backspace/Delete/Left/Right only; Tab, Home, End, Up, Down, Escape refused
    Amount, // as Numeric, and the comma
    BoxNumber, // refuses " * / : < > ? \ ° Ç Ñ ç ñ
    BoxFileName, // as BoxNumber, and | and the control characters, and ".." (the box editor: a file name part)
    QuoteDescription, // refuses & / < > 0x80 £ and the accented letters of the quote descriptions
};

// Upper-casing of the ASCII letters (accented letters keep their case).
enum class Casing {
    None,
    UpperTyping, // after every typed change: trimmed, upper-cased
    UpperTypingNoTrim, // after every typed change: upper-cased, not trimmed
    UpperKeyUp, // on every key release: trimmed, upper-cased
    UpperKeyUpNoTrim, // on every key release: upper-cased, not trimmed
    UpperExit, // on leaving the edit: trimmed, upper-cased
    UpperTypingAndExit, // as UpperTyping, and once more on leaving (a code set by a load)
};

// How the edit shows that it has the focus.
enum class Look {
    FocusFrame, // a yellow frame "eff..." 4 px around the edit, shown while it has the focus
    Highlight, // the edit's background: yellow under focus, 0xFFF0F8FF at rest
    HighlightWhite, // the same with white (0xFFFFFFFF) at rest
    RestOnly, // the rest colour 0xFFF0F8FF only (read-only fields)
    None,
};

struct EditRow {
    const char *name; // objectName of the edit ("txtNome")
    int maxLength = 0; // typing limit (record field width); 0: no limit
    const char *successor = nullptr; // objectName (looked up in the edit's window) focused by Enter
    Filter filter = Filter::None;
    Casing casing = Casing::None;
    Look look = Look::FocusFrame;
    int amountDecimals = 0; // money normaliser on leaving: 0 none, else 2 or 4 decimals
    bool amountEmptyStays = false; // an empty money text stays empty (quote prices)
    const char *frame = nullptr; // frame name when not "eff" + name without prefix ("effCampo01")
};

// The frame name of an edit: "eff" + the name without its lower-case prefix
// ("txtNome" -> "effNome").
QString frameName(const QString &editName);

// The yellow focus frame alone (for controls that place their own frame,
// such as the pick lists): transparent to the mouse, never focused.
QWidget *makeFocusFrame(QWidget *parent);

// A new edit named row.name under `parent` with every behaviour of the row;
// for Look::FocusFrame also its frame, a sibling that follows the edit's
// geometry (4 px larger on each side, behind the edit).
QLineEdit *makeEdit(QWidget *parent, const EditRow &row);
// makeEdit for every row, in order.
QList<QLineEdit *> makeEdits(QWidget *parent, const QList<EditRow> &rows);
// The behaviours of a row on an existing edit (sets its objectName too).
void apply(QLineEdit *edit, const EditRow &row);
// An editable combo: no insertion, no completer, the list selection dropped
// when it takes the focus (its shown text kept), typing limit, casing, Enter
// successor, key filter. Looks other than None/FocusFrame are not used on combos.
void applyCombo(QComboBox *combo, const EditRow &row);

// Single behaviours (apply() uses these).
// Typing and pasting stop at `limit` characters (0: no limit); a text set by
// code is never cut, and may still be shortened by the user. A line edit of
// at most kNarrowFieldLimit characters keeps its text whole (TextFit).
inline constexpr int kNarrowFieldLimit = 12;
void setTypingLimit(QWidget *edit, int limit);
int typingLimit(const QWidget *edit);
// The typing limits of a record editor, from its record layout: the control
// of each field (found by name under `window`; edits and combo edits only)
// takes the field's capacity, so the widths are written once, in the layout.
void setTypingLimits(QWidget *window, const RecordLayout &layout, const std::function<QString(int)> &controlName);
// Enter moves the focus to the named control of the edit's window (a focused
// button is not pressed). An empty name removes the successor.
void setSuccessor(QWidget *edit, const QString &successorName);
// Enter moves the focus to the control the function returns (nullptr: stays).
void setSuccessor(QWidget *edit, std::function<QWidget *()> chooseSuccessor);
void setFilter(QWidget *edit, Filter filter);
void setCasing(QLineEdit *edit, Casing casing);
void setLook(QLineEdit *edit, Look look);
// The exit steps below run whenever the focus leaves the edit, also when a
// page, tab or panel that holds it is hidden first; not when the focus only
// goes to a context menu or another window, nor when the edit's window closes.
// The money normaliser run when the user leaves the edit (AmountNormaliser of
// common/TextRoutines.h).
void setAmountNormaliser(QLineEdit *edit, int decimals, bool emptyStaysEmpty = false);
// The edit's text as its money normaliser would leave it (the text itself
// when the edit has none).
QString normalisedText(const QLineEdit *edit);
// An own exit step of a window (a list check, ...), run after the kit's exit
// steps (look reset, normaliser, upper-casing), under the same conditions.
void onExit(QLineEdit *edit, std::function<void()> step);

// Whether `filter` lets the character `c` into an edit.
bool charAllowed(Filter filter, QChar c);
// The focus frame of an edit (nullptr when it has none).
QWidget *focusFrame(const QLineEdit *edit);
// The current background fill of a highlighted edit (0 when it has none).
QRgb highlightFill(const QLineEdit *edit);

} // namespace EditKit
