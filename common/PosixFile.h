#pragma once

// The few steps on an open file descriptor that the archive and its journal
// share: whole reads and writes at an offset, retried after signals, and an
// advisory lock.

#include <QtGlobal>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace PosixFile
{

// Writes all of `size` bytes at `offset`; false on a failure.
inline bool writeAllAt(int fd, const char *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), off_t(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

// Reads up to `size` bytes at `offset`; returns how many arrived (fewer at the
// end of the file or on a failure).
inline qint64 readUpTo(int fd, char *data, qint64 size, qint64 offset)
{
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, data + got, size_t(size - got), off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    return got;
}

// All of `size` bytes at `offset`, or false (a failure, or a file too short).
inline bool readAllAt(int fd, char *data, qint64 size, qint64 offset)
{
    return readUpTo(fd, data, size, offset) == size;
}

} // namespace PosixFile

// An advisory write lock on a whole open file, held for the lifetime of the
// object (fcntl record lock, waited for, interrupted waits retried). A file
// system without locks still lets the caller go on: the lock is a courtesy
// between the program's own writers, never a condition of a write.

class FileLock
{
public:
    explicit FileLock(int fd)
        : m_fd(fd)
    {
        struct flock lock = {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        int rc;
        do {
            rc = ::fcntl(m_fd, F_SETLKW, &lock);
        } while (rc < 0 && errno == EINTR);
    }
    ~FileLock()
    {
        struct flock lock = {};
        lock.l_type = F_UNLCK;
        lock.l_whence = SEEK_SET;
        ::fcntl(m_fd, F_SETLK, &lock);
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    int m_fd;
};
