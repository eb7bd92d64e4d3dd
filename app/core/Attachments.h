#pragma once

#include <QString>

// The attachment folder "Documenti_Allegati" of the program folder: one flat
// folder for the files attached to owner, dog, service and box records. A
// record names a file there by its bare name, in a text field of 250
// characters. Files are copied in and replaced only with the user's consent;
// nothing here ever deletes an attached file.
namespace Attachments
{

// Capacity of a file-name slot in the records.
inline constexpr int kNameCapacity = 250;

// The folder, with a trailing '/'.
QString folder();
// The folder followed by a bare file name.
QString pathFor(const QString &name);

// The name under which a chosen file is attached: its name without the
// folder, trimmed.
QString attachedName(const QString &sourcePath);

// Why a name cannot be attached, as the warning to show; empty when it can.
// A name that the record could not hold whole (more than 250 characters, or a
// character without a Windows-1252 equivalent) would leave the record naming
// a different file than the one copied.
QString refusal(const QString &name);

// True when a file of that name already lies in the folder.
bool exists(const QString &name);
// True when the chosen file is the folder's own file of that name (the user
// picked it from inside the folder): there is nothing to copy.
bool isAttachedFile(const QString &sourcePath, const QString &name);

// Copies the file into the folder under `name`, creating the folder when
// missing and replacing a file of that name. The copy is written to a
// temporary file beside the target and renamed over it only when complete,
// so a failure leaves any earlier file of that name as it was. Returns an
// empty text on success, otherwise what went wrong in Italian: the system's
// reason on a line, and whether an earlier file was kept.
QString copyIn(const QString &sourcePath, const QString &name);

// The messages of the attachments dialog.
extern const QString kOverwriteQuestion;
extern const QString kNameTooLong;
extern const QString kNameNotStorable;
extern const QString kCopyFailed; // followed by the reason

} // namespace Attachments
