#include "common/SafeFileWriter.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SafeFileWriter::SafeFileWriter(const QString &path, QObject *parent)
    : QIODevice(parent)
    , m_path(path)
    , m_file(path)
{
    // Never write in place: without a temporary the earlier file could not be kept.
    m_file.setDirectWriteFallback(false);
}

namespace
{
// How much is written between two hints to start writing back.
constexpr qint64 kWritebackStep = 8 << 20;
} // namespace

SafeFileWriter::~SafeFileWriter()
{
    cancel();
}

bool SafeFileWriter::open(OpenMode mode)
{
    if (isOpen() || m_file.isOpen() || (mode & ~(WriteOnly | Truncate | Unbuffered)) || !(mode & WriteOnly))
        return false;
    m_failure = FileFailure();
    m_written = m_handedToDisk = 0;
    const QByteArray native = QFile::encodeName(m_path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0 ? !S_ISREG(st.st_mode) : ::lstat(native.constData(), &st) == 0) {
        fail(FileFailure::notRegular()); // also a broken link: the write would land elsewhere
        return false;
    }
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(FileFailure::system(errno));
        return false;
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 SafeFileWriter::writeData(const char *data, qint64 length)
{
    if (m_failure || !m_file.isOpen())
        return -1;
    const int fd = m_file.handle();
    qint64 left = length;
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(FileFailure::system(errno));
            return -1;
        }
        if (n == 0) {
            fail(FileFailure::system(EIO));
            return -1;
        }
        data += n;
        left -= n;
    }
    m_written += length;
    startWriteback();
    return length;
}

void SafeFileWriter::fail(const FileFailure &failure)
{
    m_failure = failure;
    setErrorString(failure.reason());
}

void SafeFileWriter::startWriteback()
{
#ifdef Q_OS_LINUX
    if (m_written - m_handedToDisk < kWritebackStep)
        return;
    // A hint only: the sync in commit() checks that everything arrived.
    ::sync_file_range(m_file.handle(), m_handedToDisk, m_written - m_handedToDisk, SYNC_FILE_RANGE_WRITE);
    m_handedToDisk = m_written;
#endif
}

void SafeFileWriter::close()
{
    if (isOpen())
        QIODevice::close();
}

bool SafeFileWriter::commit()
{
    if (!m_file.isOpen())
        return false;
    if (m_failure) {
        cancel();
        return false;
    }
    // A file system that keeps the bytes in memory reports a lack of space
    // only here; one that cannot sync at all says so with these codes. The
    // data and the size that reads it back must be on the disk before the
    // rename; the file's times need not be.
    int rc;
    do {
#ifdef Q_OS_LINUX
        rc = ::fdatasync(m_file.handle());
#else
        rc = ::fsync(m_file.handle());
#endif
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) {
        fail(FileFailure::system(errno));
        cancel();
        return false;
    }
    errno = 0;
    const bool committed = m_file.commit();
    if (!committed)
        fail(FileFailure::system(errno));
    close();
    return committed;
}

void SafeFileWriter::cancel()
{
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit(); // with writing cancelled this only removes the temporary
    }
    close();
}
