#pragma once

#include <QString>

class QLabel;
class QLineEdit;

// Narrow edits and labels whose text must show whole (quantities, prices,
// amounts, years): the control keeps the font it was given while its text
// fits the room inside it; when the text would not, it takes the program's
// narrow face at the same size (Style::narrow), else the largest smaller
// size that fits; a shorter text brings the font back.
namespace TextFit
{

// The width an edit or a label has for its text (inside frame, padding,
// margins and, for an edit, the room Qt keeps for the cursor).
int room(const QLineEdit *edit);
int room(const QLabel *label);
// Whether `text` shows whole in the control with its current font.
bool fits(const QLineEdit *edit, const QString &text);
bool fits(const QLabel *label, const QString &text);

// Keeps the control's text whole from now on, at most at its current font
// size (typed text, text set by code, resizes).
void keepWhole(QLineEdit *edit);
void keepWhole(QLabel *label);

} // namespace TextFit
