#pragma once

// Test devices and limits for writes that fail part way, as on a full disk.

#include <QByteArray>
#include <QIODevice>

#include <csignal>
#include <sys/resource.h>

namespace TestSupport
{

// A device that takes the first `limit` bytes written to it and then fails:
// the write that crosses the limit is short, every later one returns -1.
class FailDevice : public QIODevice
{
public:
    explicit FailDevice(qint64 limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }
    const QByteArray &written() const { return m_written; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_limit - m_written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        const qint64 taken = qMin(room, length);
        m_written.append(data, taken);
        return taken;
    }

private:
    qint64 m_limit;
    QByteArray m_written;
};

// While it lives, no file this process writes can grow past `bytes` (the
// system's file size limit, with its signal ignored): a write that crosses it
// is short and the next one fails with EFBIG, as a disk that fills up after N
// bytes. Extending a file with truncate is limited too, so make sparse files
// before or after.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { lift(); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    void lift()
    {
        if (m_active) {
            setrlimit(RLIMIT_FSIZE, &m_old);
            std::signal(SIGXFSZ, m_previous);
            m_active = false;
        }
    }

private:
    rlimit m_old {};
    void (*m_previous)(int) = nullptr;
    bool m_active = true;
};

} // namespace TestSupport
