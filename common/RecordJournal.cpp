#include "common/RecordJournal.h"

#include "common/PosixFile.h"
#include "common/SafeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace RecordJournal
{

namespace
{

// The journal: a mark, the record's offset (8 bytes) and length (4 bytes),
// the record, then the CRC-32 of all that went before (4 bytes); numbers are
// little-endian.
constexpr char kMark[4] = { 'K', 'J', 'R', '1' };
constexpr int kHeaderSize = 16;
constexpr int kCheckSize = 4;

// Threads of one program share the lock on a file, so they take turns here.
std::mutex &journalMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::function<void(Step)> &stepHook()
{
    static std::function<void(Step)> hook;
    return hook;
}

void reached(Step step)
{
    if (stepHook())
        stepHook()(step);
}

quint32 crc32(const char *data, qint64 size)
{
    quint32 crc = 0xFFFFFFFFu;
    for (qint64 i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putNumber(QByteArray &out, quint64 value, int size)
{
    for (int k = 0; k < size; ++k)
        out.append(char((value >> (8 * k)) & 0xFF));
}

quint64 number(const QByteArray &bytes, int at, int size)
{
    quint64 value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | quint8(bytes.at(at + k));
    return value;
}

QByteArray journalBytes(qint64 offset, const QByteArray &record)
{
    QByteArray out;
    out.reserve(kHeaderSize + record.size() + kCheckSize);
    out.append(kMark, sizeof kMark);
    putNumber(out, quint64(offset), 8);
    putNumber(out, quint64(record.size()), 4);
    out.append(record);
    putNumber(out, crc32(out.constData(), out.size()), 4);
    return out;
}

using PosixFile::readAllAt;
using PosixFile::writeAllAt;

// A file system that cannot sync (or a read-only one) has nothing more to do.
bool sync(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

// The folder's entry of a new journal reaches the disk with it.
void syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool removeJournal(const QString &journal)
{
    return ::unlink(QFile::encodeName(journal).constData()) == 0 || errno == ENOENT;
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Makes the journal anew and syncs it: a file left at its place (a journal
// that could not be removed) is taken away first; anything else there
// (a folder) makes the overwrite fail.
bool writeJournal(const QString &journal, const QByteArray &bytes)
{
    FileFailure failure;
    int fd = SafeFile::openRegular(journal, O_RDWR | O_CREAT | O_EXCL, &failure, 0666);
    if (fd < 0 && failure.systemError() == EEXIST && removeJournal(journal))
        fd = SafeFile::openRegular(journal, O_RDWR | O_CREAT | O_EXCL, &failure, 0666);
    if (fd < 0)
        return false;
    Descriptor file(fd);
    if (!writeAllAt(file.get(), bytes.constData(), bytes.size(), 0) || !sync(file.get())) {
        removeJournal(journal);
        return false;
    }
    syncFolderOf(journal);
    return true;
}

bool writeInPlace(int fd, qint64 offset, const QByteArray &record)
{
    return writeAllAt(fd, record.constData(), record.size(), offset) && sync(fd);
}

} // namespace

QString pathFor(const QString &archivePath)
{
    return archivePath + QStringLiteral(".jnl");
}

void setStepHook(std::function<void(Step)> hook)
{
    stepHook() = std::move(hook);
}

bool overwrite(int fd, const QString &archivePath, qint64 offset, const QByteArray &record)
{
    const std::lock_guard<std::mutex> guard(journalMutex());
    const FileLock lock(fd);
    // The old record, to be put back if the new one cannot be written whole.
    QByteArray old(record.size(), '\0');
    if (!readAllAt(fd, old.data(), old.size(), offset))
        return false;
    const QString journal = pathFor(archivePath);
    if (!writeJournal(journal, journalBytes(offset, record)))
        return false;
    reached(Step::JournalSynced);
    if (!writeInPlace(fd, offset, record)) {
        // Failed half way: the old record goes back. If even that fails, the
        // journal stays and the next open completes the new one.
        if (writeInPlace(fd, offset, old))
            removeJournal(journal);
        return false;
    }
    reached(Step::RecordSynced);
    // A journal that stays by now only writes the same record once more.
    removeJournal(journal);
    return true;
}

bool recover(int fd, const QString &archivePath, int recordSize)
{
    const QString journal = pathFor(archivePath);
    if (SafeFile::kindOf(journal) != SafeFile::Kind::Regular)
        return true; // the usual case: no journal (anything else there is none of ours)
    const std::lock_guard<std::mutex> guard(journalMutex());
    const FileLock lock(fd);
    const qint64 expected = kHeaderSize + qint64(recordSize) + kCheckSize;
    QByteArray bytes;
    if (const FileFailure failure = SafeFile::readWhole(journal, expected, bytes)) {
        if (failure.kind() != FileFailure::Kind::TooLarge)
            return failure.systemError() == ENOENT; // completed meanwhile by another program
        bytes.clear(); // no journal of this archive: dropped below
    }
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return false;
    const bool whole = bytes.size() == expected && bytes.startsWith(QByteArray(kMark, sizeof kMark))
        && number(bytes, bytes.size() - kCheckSize, kCheckSize) == crc32(bytes.constData(), bytes.size() - kCheckSize)
        && number(bytes, 12, 4) == quint64(recordSize);
    const qint64 offset = whole ? qint64(number(bytes, 4, 8)) : -1;
    if (whole && offset >= 0 && offset % recordSize == 0 && offset <= qint64(st.st_size) - recordSize) {
        if (!writeInPlace(fd, offset, bytes.mid(kHeaderSize, recordSize)))
            return false;
    }
    // Completed, or torn (the record in place was never touched): either way
    // the journal has done its work.
    removeJournal(journal);
    return true;
}

} // namespace RecordJournal
