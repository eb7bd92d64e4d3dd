#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class FileFailure;

// The rich-text dog sheet Scheda_Cane.rtf: a centred title, a line of
// underscores, then one "Label: value" paragraph per field of the dog editor,
// an empty paragraph between two of them. One line of Windows-1252 text
// (no CR or LF anywhere). Values are written as typed, except that the three
// characters with a meaning in rich text ("\", "{", "}") are escaped, so a
// value reads back exactly as it was typed, and that a control character
// (a line break, BEL, ESC, VT, ...) is written as a blank.
namespace DogSheetRtf
{

// One field of the sheet: the dog editor's edit and its label.
struct Field {
    const char *control; // "txtNome"
    const char *label; // "Nome cane:"
};
// The 54 fields in the sheet's order (the record order, Note last).
const QList<Field> &fields();

// Program folder + "Scheda_Cane.rtf".
QString path();

// A value as the document holds it: "\" "{" "}" preceded by a backslash.
QString escaped(const QString &value);

// The document for the given values (one per field, in fields() order, each
// already trimmed; missing values are empty), in Windows-1252.
QByteArray document(const QStringList &values);

// Writes the document to `target` as a whole: the earlier file is replaced
// only once every byte reached the disk, and stays as it was otherwise.
// Returns the failure, if any.
FileFailure write(const QString &target, const QStringList &values);

} // namespace DogSheetRtf
