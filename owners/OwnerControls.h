#pragma once

#include <QString>

// The owner editor's control behind each field of an owner record (its
// objectName): "txtCliente", "chkRicontatta", "lblFile01". The owner search
// and the call-back list deliver a record into the editor through these names.
namespace OwnerControls
{
QString name(int field);
} // namespace OwnerControls
