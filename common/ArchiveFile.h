#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <stdexcept>

// The one failure that archive access reports, with its fixed message.
extern const QString kArchiveAccessMessage;

class ArchiveAccessError : public std::runtime_error
{
public:
    ArchiveAccessError()
        : std::runtime_error("archive access failure")
    {
    }
};

// An archive too large to be held in memory whole: still an access failure
// for callers that know no better, but one they can tell apart.
class ArchiveTooLargeError : public ArchiveAccessError
{
};

// A file of fixed-size records with no header: record k (from 0) starts at
// byte k * recordSize; a partial record at the end is not counted.
// Every operation that fails throws ArchiveAccessError. One instance per
// command: open, work, close (the destructor closes too).
class ArchiveFile
{
public:
    ArchiveFile() = default;
    ArchiveFile(const QString &path, int recordSize) { open(path, recordSize); }
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Opens the existing file for reading and writing; creates it empty only
    // when it does not exist. An existing file is never truncated. Anything
    // but a regular file (a folder, a device, a pipe, a link to one) is
    // refused without blocking. An overwrite that a crash cut short is put
    // right first (completed or dropped, see RecordJournal.h).
    void open(const QString &path, int recordSize);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    qint64 count() const;
    // 0 <= index <= count(); index == count() is the append position.
    void seek(qint64 index);
    // Reads the record at the current index into buffer and advances.
    void read(QByteArray &buffer);
    // Writes the buffer (exactly one record) at the current index and advances.
    // A stored record is replaced whole or not at all, even by a crash half way
    // (through a journal beside the file, see RecordJournal.h); a write past
    // the end that fails puts the file back to its earlier size.
    void write(const QByteArray &buffer);
    // Appends under an exclusive lock, recounting under it; returns the
    // 1-based position of the new record.
    qint64 append(const QByteArray &buffer);
    // Index of the next record; after reading or writing record k it is k + 1.
    qint64 position() const { return m_index; }
    bool atEnd() const { return m_index == count(); }
    int recordSize() const { return m_recordSize; }

    // Every read of a whole archive or of a range of one (readAll, scan,
    // scanRange, readRange) is bounded by what memory can hold: a file whose
    // whole records take more bytes than this process can still allocate
    // (MemoryRoom::available()) is refused with ArchiveTooLargeError at once,
    // before a byte is read. No archive that the program keeps comes near
    // that size, and walking one (a huge sparse file) would hold the program
    // for minutes. Reading or writing one record is never refused.
    bool fitsInMemory() const;

    // Reads the whole file's whole records in one go (for readers that walk
    // every record); index order, recordSize bytes each. Throws
    // ArchiveTooLargeError beyond the memory bound or kReadAllLimit bytes,
    // before allocating.
    QByteArray readAll();
    static constexpr qint64 kReadAllLimit = qint64(256) << 20;
    // Walks every whole record in file order, reading in large blocks;
    // visit(index, bytes) gets the 0-based index and recordSize bytes.
    void scan(const std::function<void(qint64, const char *)> &visit);
    // The same for the records [first, last) only, read into `block`, leaving
    // the current index alone; several threads may walk distinct ranges of
    // one open file at once, each with its own block. A read that fails
    // midway throws ArchiveAccessError after visiting the whole records that
    // arrived before the failure.
    void scanRange(
        qint64 first, qint64 last, const std::function<void(qint64, const char *)> &visit, QByteArray &block) const;
    // Reads the records [first, last) straight into `into` (room for
    // (last - first) * recordSize() bytes), in blocks of about 1 MB, leaving
    // the current index alone; safe side by side like scanRange. `done`
    // counts the whole records in place as they arrive. A read that fails,
    // or a file that ends before `last`, throws ArchiveAccessError; `done`
    // then holds the records that arrived before it.
    void readRange(qint64 first, qint64 last, char *into, qint64 &done) const;

private:
    void truncateTo(qint64 size);
    void requireFitsInMemory() const;

    QString m_path;
    int m_fd = -1;
    int m_recordSize = 0;
    qint64 m_index = 0;
    mutable std::atomic<qint64> m_fitsUpTo { 0 }; // the largest size found to fit
};
