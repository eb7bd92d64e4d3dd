#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program's message boxes. Warning, information and error boxes show OK
// and Cancel and their answer is never read; a confirmation shows Yes and No
// and only No stops the command; the plain box has no icon, an empty caption
// and OK. Texts are shown as given (CR LF and LF CR pairs become line breaks).
// When a box closes, its window's focus is where it was before the box: on
// the control that had it, or on no field when none had it.
namespace MessageBoxes
{

enum class Kind { Warning, Information, Error, Confirmation, Plain };

void warning(const QString &text, QWidget *parent = nullptr);
void information(const QString &text, QWidget *parent = nullptr);
void error(const QString &text, QWidget *parent = nullptr);
// true unless the user answered No.
bool confirmation(const QString &text, QWidget *parent = nullptr);
void plain(const QString &text, QWidget *parent = nullptr);

// Test seam: while a handler is set, no box is shown; the handler gets each
// box and, for a confirmation, returns true for Yes and false for No.
using Handler = std::function<bool(Kind kind, const QString &text)>;
void setHandler(Handler handler);

// The text as shown on screen: "\r\n" and "\n\r" pairs become one line break.
QString displayText(const QString &text);

} // namespace MessageBoxes
