#pragma once

#include <QString>

class RecordLayout;

// How the archive editors name the control behind a record field: the field's
// name in the layout behind a prefix for the control's kind, "chk" for the
// check box of `flagField`, "lbl" for the attachment labels from `firstFile`
// on, "txt" for the edits ("txtCliente", "chkRicontatta", "lblFile01"). A
// negative `flagField` or `firstFile`: the editor has none.
namespace ControlNames
{
QString editorControl(const RecordLayout &layout, int field, int flagField, int firstFile);
} // namespace ControlNames
