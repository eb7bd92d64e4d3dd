#include "common/SafeFile.h"

#include "common/SafeFileWriter.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile
{

Kind kindOf(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0)
        return S_ISREG(st.st_mode) ? Kind::Regular : Kind::Other;
    if (errno == ENOENT && ::lstat(native.constData(), &st) != 0)
        return Kind::Missing;
    return Kind::Other; // a broken link, or a path the system will not look at
}

int openRegular(const QString &path, int flags, FileFailure *failure, int createMode)
{
    const auto fail = [failure](FileFailure why) {
        if (failure)
            *failure = why;
        return -1;
    };
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return fail(FileFailure::notRegular());
    } else if (errno != ENOENT || !(flags & O_CREAT)) {
        return fail(FileFailure::system(errno));
    }
    // Non-blocking, so that whatever took the file's place since the stat
    // cannot hold the open; the descriptor is checked once more below.
    const int fd = ::open(native.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, createMode);
    if (fd < 0)
        return fail(FileFailure::system(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        return fail(S_ISREG(st.st_mode) ? FileFailure::system(error) : FileFailure::notRegular());
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status >= 0)
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    if (failure)
        *failure = FileFailure();
    return fd;
}

FileFailure openForReading(QFile &file, const QString &path)
{
    FileFailure failure;
    const int fd = openRegular(path, O_RDONLY, &failure);
    if (fd < 0)
        return failure;
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileFailure::system(EIO);
    }
    return FileFailure();
}

FileFailure readWhole(const QString &path, qint64 maxBytes, QByteArray &out)
{
    out.clear();
    FileFailure failure;
    const int fd = openRegular(path, O_RDONLY, &failure);
    if (fd < 0)
        return failure;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        failure = FileFailure::system(errno);
    } else if (st.st_size > maxBytes) {
        failure = FileFailure::tooLarge();
    } else {
        // The size may still change under us: read what is there, one byte
        // past the limit at most, never more.
        QByteArray bytes;
        bytes.resize(qsizetype(st.st_size));
        qsizetype have = 0;
        for (;;) {
            if (have == bytes.size()) {
                if (bytes.size() > maxBytes) {
                    failure = FileFailure::tooLarge();
                    break;
                }
                bytes.resize(qMin<qint64>(maxBytes + 1, qMax<qint64>(4096, bytes.size() * 2)));
            }
            const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                failure = FileFailure::system(errno);
                break;
            }
            if (n == 0)
                break;
            have += n;
        }
        if (!failure) {
            bytes.truncate(have);
            out = bytes;
        }
    }
    ::close(fd);
    return failure;
}

FileFailure writeWhole(const QString &path, const QByteArray &bytes)
{
    SafeFileWriter writer(path);
    if (!writer.open())
        return writer.failure();
    writer.write(bytes);
    writer.commit();
    return writer.failure();
}

FileFailure copyDevice(QIODevice &source, QIODevice &target)
{
    const auto targetFailure = [&target]() {
        if (auto *writer = qobject_cast<SafeFileWriter *>(&target); writer && writer->failure())
            return writer->failure();
        return FileFailure::system(EIO);
    };
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(block.data(), block.size());
        if (n < 0)
            return FileFailure::system(EIO);
        if (n == 0)
            break;
        if (target.write(block.constData(), n) != n)
            return targetFailure();
    }
    return FileFailure();
}

FileFailure copyWhole(const QString &sourcePath, const QString &targetPath)
{
    QFile source;
    if (const FileFailure failure = openForReading(source, sourcePath))
        return failure;
    SafeFileWriter target(targetPath);
    if (!target.open())
        return target.failure();
    if (const FileFailure failure = copyDevice(source, target)) {
        target.cancel();
        return failure;
    }
    target.commit();
    return target.failure();
}

} // namespace SafeFile
