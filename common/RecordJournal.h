#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// An overwrite of one record in place that either happens whole or not at all,
// for a process killed or a machine stopped half way through it.
//
// Before the record goes in place, its offset, its bytes and a checksum of both
// are written and synced to a journal beside the archive ("<archive>.jnl");
// then the record is written in place and synced, and the journal removed.
// When the archive is opened again with a journal beside it, a whole journal
// (its checksum right) is written in place once more, so the record is the new
// one; a torn journal is dropped, and the record is the old one, since nothing
// was written in place before the journal was whole. The archive's own format
// does not change, and no reader ever looks at the journal.
//
// Both steps take an exclusive lock on the archive for their time, so another
// program at work on the same archive never sees a journal half made.
namespace RecordJournal
{

// <archive path>.jnl
QString pathFor(const QString &archivePath);

// Writes `record` at `offset` of the open archive `fd` (the path names it) as
// described above. False when it could not be done: the record in place is
// then the old one, unless putting it back failed as well, and the journal left
// behind completes the new one on the next open.
bool overwrite(int fd, const QString &archivePath, qint64 offset, const QByteArray &record);

// Puts right what an overwrite cut short: completes a whole journal left beside
// the archive (records of `recordSize` bytes), drops a torn one. True when the
// archive is whole (also when there was no journal); false when a whole journal
// could not be written in place.
bool recover(int fd, const QString &archivePath, int recordSize);

// A seam for the tests: called after each step of an overwrite. A hook that
// throws stops the overwrite right there, as a process killed at that point,
// leaving the files as they are.
enum class Step {
    JournalSynced, // the journal is whole on the disk; nothing written in place yet
    RecordSynced, // the record is in place; the journal not yet removed
};
void setStepHook(std::function<void(Step)> hook);

} // namespace RecordJournal
