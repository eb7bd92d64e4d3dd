#pragma once

#include <QString>

// The control behind each field of the two catalogue editors (its
// objectName): the box editor's "txtBox", "chkNonPrenotabile", "lblFile01";
// the price list's "txtCodice", "chkNonErogabile", "lblFile01". Each editor's
// search and its list of unavailable members deliver a record through them.
namespace BoxControls
{
QString name(int field);
} // namespace BoxControls

namespace ServiceControls
{
QString name(int field);
} // namespace ServiceControls
