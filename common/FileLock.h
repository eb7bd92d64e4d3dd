#pragma once

// An advisory write lock on a whole open file, held for the lifetime of the
// object (fcntl record lock, waited for, interrupted waits retried). A file
// system without locks still lets the caller go on: the lock is a courtesy
// between the program's own writers, never a condition of a write.

#include <cerrno>

#include <fcntl.h>

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
