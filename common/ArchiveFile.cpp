#include "common/ArchiveFile.h"

#include "common/MemoryRoom.h"
#include "common/PosixFile.h"
#include "common/RecordJournal.h"
#include "common/SafeFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

const QString kArchiveAccessMessage
    = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                     "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

namespace
{
using PosixFile::readAllAt;
using PosixFile::readUpTo;
using PosixFile::writeAllAt;

constexpr qint64 kBlockBytes = 1 << 20;

} // namespace

void ArchiveFile::truncateTo(qint64 size)
{
    int rc;
    do {
        rc = ::ftruncate(m_fd, off_t(size));
    } while (rc < 0 && errno == EINTR);
}

ArchiveFile::~ArchiveFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ArchiveFile::open(const QString &path, int recordSize)
{
    close();
    if (recordSize <= 0)
        throw ArchiveAccessError();
    // Only a regular file: a device or a pipe would take every write and
    // keep nothing, or block the program on open or read.
    FileFailure failure;
    int fd = SafeFile::openRegular(path, O_RDWR, &failure);
    if (fd < 0 && failure.systemError() == ENOENT)
        fd = SafeFile::openRegular(path, O_RDWR | O_CREAT | O_EXCL, &failure);
    if (fd < 0)
        throw ArchiveAccessError();
    // An overwrite cut short by a crash is completed or dropped before anyone
    // reads the file.
    if (!RecordJournal::recover(fd, path, recordSize)) {
        ::close(fd);
        throw ArchiveAccessError();
    }
    m_fd = fd;
    m_path = path;
    m_recordSize = recordSize;
    m_index = 0;
}

void ArchiveFile::close()
{
    if (m_fd >= 0) {
        const int rc = ::close(m_fd);
        m_fd = -1;
        if (rc != 0 && errno != EINTR)
            throw ArchiveAccessError();
    }
}

qint64 ArchiveFile::count() const
{
    if (m_fd < 0)
        throw ArchiveAccessError();
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        throw ArchiveAccessError();
    return qint64(st.st_size) / m_recordSize;
}

void ArchiveFile::seek(qint64 index)
{
    if (index < 0 || index > count())
        throw ArchiveAccessError();
    m_index = index;
}

void ArchiveFile::read(QByteArray &buffer)
{
    if (m_index >= count())
        throw ArchiveAccessError();
    buffer.resize(m_recordSize);
    if (!readAllAt(m_fd, buffer.data(), m_recordSize, m_index * m_recordSize))
        throw ArchiveAccessError();
    ++m_index;
}

void ArchiveFile::write(const QByteArray &buffer)
{
    if (m_fd < 0 || buffer.size() != m_recordSize || m_index > count())
        throw ArchiveAccessError();
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        throw ArchiveAccessError();
    const qint64 oldSize = st.st_size;
    const qint64 offset = m_index * m_recordSize;
    if (offset + m_recordSize <= oldSize) {
        // A stored record: replaced whole or not at all.
        if (!RecordJournal::overwrite(m_fd, m_path, offset, buffer))
            throw ArchiveAccessError();
        ++m_index;
        return;
    }
    if (!writeAllAt(m_fd, buffer.constData(), m_recordSize, offset)) {
        // A record that grew the file and failed half way (a full disk) is
        // taken away again: the file goes back to the size it had.
        if (offset + m_recordSize > oldSize)
            truncateTo(oldSize);
        throw ArchiveAccessError();
    }
    ++m_index;
}

qint64 ArchiveFile::append(const QByteArray &buffer)
{
    if (m_fd < 0 || buffer.size() != m_recordSize)
        throw ArchiveAccessError();
    const FileLock lock(m_fd);
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        throw ArchiveAccessError();
    m_index = count();
    write(buffer);
    if (::fsync(m_fd) != 0 && errno != EINVAL && errno != EROFS) {
        // Reported as failed, so not kept either.
        truncateTo(st.st_size);
        --m_index;
        throw ArchiveAccessError();
    }
    return m_index;
}

bool ArchiveFile::fitsInMemory() const
{
    const qint64 bytes = count() * m_recordSize;
    // Measured once for a size: the parts of one reading, side by side, take
    // the verdict of its start, whatever their own blocks hold by then.
    if (bytes <= m_fitsUpTo.load(std::memory_order_relaxed))
        return true;
    if (bytes > MemoryRoom::available())
        return false;
    m_fitsUpTo.store(bytes, std::memory_order_relaxed);
    return true;
}

void ArchiveFile::requireFitsInMemory() const
{
    if (!fitsInMemory())
        throw ArchiveTooLargeError();
}

QByteArray ArchiveFile::readAll()
{
    const qint64 n = count();
    if (n * m_recordSize > kReadAllLimit)
        throw ArchiveTooLargeError();
    requireFitsInMemory();
    QByteArray all;
    try {
        all.resize(n * m_recordSize);
    } catch (const std::bad_alloc &) {
        throw ArchiveTooLargeError();
    }
    if (n > 0 && !readAllAt(m_fd, all.data(), all.size(), 0))
        throw ArchiveAccessError();
    m_index = n;
    return all;
}

void ArchiveFile::scan(const std::function<void(qint64, const char *)> &visit)
{
    const qint64 n = count();
    QByteArray block;
    scanRange(0, n, visit, block);
    m_index = n;
}

void ArchiveFile::scanRange(
    qint64 first, qint64 last, const std::function<void(qint64, const char *)> &visit, QByteArray &block) const
{
    requireFitsInMemory();
    const qint64 perBlock = qMax<qint64>(1, kBlockBytes / m_recordSize);
    for (qint64 at = first; at < last; at += perBlock) {
        const qint64 records = qMin(perBlock, last - at);
        block.resize(records * m_recordSize);
        const qint64 done = readUpTo(m_fd, block.data(), block.size(), at * m_recordSize) / m_recordSize;
        for (qint64 k = 0; k < done; ++k)
            visit(at + k, block.constData() + k * m_recordSize);
        if (done < records)
            throw ArchiveAccessError();
    }
}

void ArchiveFile::readRange(qint64 first, qint64 last, char *into, qint64 &done) const
{
    done = 0;
    requireFitsInMemory();
    const qint64 perBlock = qMax<qint64>(1, kBlockBytes / m_recordSize);
    for (qint64 at = first; at < last; at += perBlock) {
        const qint64 want = qMin(perBlock, last - at) * m_recordSize;
        const qint64 got = readUpTo(m_fd, into + (at - first) * m_recordSize, want, at * m_recordSize);
        done += got / m_recordSize;
        if (got < want)
            throw ArchiveAccessError();
    }
}
