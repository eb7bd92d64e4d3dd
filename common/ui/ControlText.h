#pragma once

#include <QString>

class QWidget;

// The text that a record field shows in its control, whatever the control:
// a line edit, an (editable) combo box, a label, or a plain or rich text edit.
namespace ControlText
{

// The control's text; empty for a control of any other kind (or none).
QString text(const QWidget *control);
// The text of the control named `name` under `window` (empty when missing).
QString named(const QWidget *window, const QString &name);
// Puts the text into the control; a combo box selects the item with exactly
// that text (none when the list has no such item) and shows the text. An edit
// (or a combo's edit) shows the text from its first character (cursor at 0).
void setText(QWidget *control, const QString &text);
// The same for the control named `name` under `window`; a missing control is
// skipped.
void setNamed(QWidget *window, const QString &name, const QString &text);

} // namespace ControlText
