#pragma once

#include <csignal>
#include <sys/resource.h>

// A disk that fills up after `bytes` bytes: while it lives, every file this
// process writes refuses to grow past that size (the write fails with EFBIG,
// as it would with ENOSPC on a full disk). Files written before keep their size.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, m_old.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_old {};
    void (*m_oldSignal)(int) = nullptr;
};
