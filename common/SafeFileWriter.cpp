#include "common/SafeFileWriter.h"

#include <QFile>

#include <cerrno>
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

SafeFileWriter::~SafeFileWriter()
{
    cancel();
}

bool SafeFileWriter::open(OpenMode mode)
{
    if (isOpen() || m_file.isOpen() || (mode & ~(WriteOnly | Truncate | Unbuffered)) || !(mode & WriteOnly))
        return false;
    m_failure = FileFailure();
    const QByteArray native = QFile::encodeName(m_path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0 ? !S_ISREG(st.st_mode) : ::lstat(native.constData(), &st) == 0) {
        m_failure = FileFailure::notRegular(); // also a broken link: the write would land elsewhere
        return false;
    }
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_failure = FileFailure::system(errno);
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
            m_failure = FileFailure::system(errno);
            return -1;
        }
        if (n == 0) {
            m_failure = FileFailure::system(EIO);
            return -1;
        }
        data += n;
        left -= n;
    }
    return length;
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
    // only here; one that cannot sync at all says so with these codes.
    if (::fsync(m_file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) {
        m_failure = FileFailure::system(errno);
        cancel();
        return false;
    }
    errno = 0;
    const bool committed = m_file.commit();
    if (!committed)
        m_failure = FileFailure::system(errno);
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
