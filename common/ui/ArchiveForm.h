#pragma once

#include <QtGlobal>

class RecordBuffer;

// What an archive editor window gives the ArchiveEditor that runs its
// commands: how a record moves between the archive's record buffer and the
// window's controls, and the steps that the editor adds to the shared
// commands. Only load, store and clear are required; every other step does
// nothing unless the editor overrides it.
//
// A step may throw: ArchiveAccessError is reported with the archive access
// message, any other failure with its own text (see RunGuarded); the command
// then ends.
class ArchiveForm
{
public:
    virtual ~ArchiveForm() = default;

    // Moves a record read from the archive into the controls.
    virtual void loadRecord(const RecordBuffer &record) = 0;
    // Moves the controls into a zeroed record buffer.
    virtual void storeRecord(RecordBuffer &record) = 0;
    // Empties every record control (the position is emptied by the editor).
    virtual void clearRecord() = 0;

    // After a record was loaded and its position shown: by browsing or by a
    // pick from another window (the dog editor loads the photo here).
    virtual void afterShow(qint64 position) { Q_UNUSED(position); }
    // First step of a save, before the checks; runs on every save, also when a
    // check then refuses it (normalisers, the quote calculation).
    virtual void prepareSave() { }
    // After the record was written, the archive closed and the new position
    // shown, before the notice (the dog editor saves the photo here).
    virtual void afterWrite(qint64 position) { Q_UNUSED(position); }
    // After "new" emptied the window and the position. `count` is the number
    // of records in the archive when the editor counts them for "new"
    // (ArchiveEditor::Setup::newCountsRecords), else -1 (quote numbering).
    virtual void afterNew(qint64 count) { Q_UNUSED(count); }
    // What a duplicate empties besides the position (the attachment slots,
    // the dog photo, the deadline's date and time).
    virtual void clearForDuplicate() { }
};
