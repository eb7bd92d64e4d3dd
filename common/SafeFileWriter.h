#pragma once

#include "common/FileFailure.h"

#include <QIODevice>
#include <QSaveFile>

// A whole file written to a temporary beside its place and put there by
// commit() only when every byte was written and synced. Every write goes
// straight to the disk (nothing is buffered, so no error is lost in a late
// flush): a short write (a full disk, a size limit) fails that write and
// every later one, and commit() then removes the temporary and leaves the
// earlier file in place. A folder, device, pipe or socket at the path is
// refused on open. Usable as the device of QTextStream, QPdfWriter and the like,
// and from one other thread at a time (a writer thread owning the writes).
// A large file is handed to the disk every few megabytes while it is written,
// so the sync in commit() finds little left to do.
class SafeFileWriter : public QIODevice
{
    Q_OBJECT
public:
    explicit SafeFileWriter(const QString &path, QObject *parent = nullptr);
    ~SafeFileWriter() override;

    QString path() const { return m_path; }

    // Only WriteOnly is accepted.
    bool open(OpenMode mode = WriteOnly) override;
    bool isSequential() const override { return true; }
    // Ends writing through the device (a stream or a PDF writer may close it
    // when done) but decides nothing: commit() still puts the file in place,
    // and a writer never committed leaves the earlier file as it was.
    void close() override;
    // Puts the new file in place; false (and the earlier file kept) when any
    // step failed. The device is closed afterwards either way.
    bool commit();
    // Drops the temporary; the earlier file stays.
    void cancel();
    // The first failure, if any.
    FileFailure failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    void fail(const FileFailure &failure);
    void startWriteback();

    QString m_path;
    QSaveFile m_file;
    FileFailure m_failure;
    qint64 m_written = 0;
    qint64 m_handedToDisk = 0;
};
