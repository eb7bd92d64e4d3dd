#pragma once

#include <QString>

// The deadlines editor's control behind each field of a deadline record (its
// objectName): "txtGiorno", "lblAnno", "chkEffettuata". The summaries and the
// search deliver a record into the editor through these names.
namespace DeadlineControls
{
QString name(int field);
} // namespace DeadlineControls
