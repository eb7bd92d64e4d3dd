#include "common/MemoryRoom.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <limits>

#include <sys/resource.h>
#include <unistd.h>

namespace
{

// The bytes that the system, the address-space and data limits and the memory
// control group leave, each figure on its own; -1 for a figure that cannot be
// read.
qint64 readNumber(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const qint64 n = file.readAll().trimmed().toLongLong(&ok);
    return ok ? n : -1;
}

qint64 systemAvailable()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc show a size of 0: read them whole, never test atEnd().
    qint64 available = -1, swapFree = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        auto kib = [&](const char *key) -> qint64 {
            if (!line.startsWith(key))
                return -1;
            const QList<QByteArray> parts = line.mid(qstrlen(key)).simplified().split(' ');
            return parts.isEmpty() ? -1 : parts.first().toLongLong() * 1024;
        };
        if (const qint64 n = kib("MemAvailable:"); n >= 0)
            available = n;
        else if (const qint64 m = kib("SwapFree:"); m >= 0)
            swapFree = m;
    }
    return available < 0 ? -1 : available + swapFree;
}

// What a resource limit leaves, given the pages already used (a field of
// /proc/self/statm); -1 for no limit.
qint64 limitLeft(int resource, int statmField)
{
    struct rlimit limit = {};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return -1;
    QFile statm(QStringLiteral("/proc/self/statm"));
    qint64 used = 0;
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
        if (fields.size() > statmField)
            used = fields.at(statmField).toLongLong() * ::sysconf(_SC_PAGESIZE);
    }
    return qMax<qint64>(0, qint64(limit.rlim_cur) - used);
}

qint64 controlGroupLeft()
{
    // cgroup v2 (one hierarchy), then v1 (the memory controller), each first
    // at this process's own group and then at the root the container sees.
    QString v2Path, v1Path;
    QFile groups(QStringLiteral("/proc/self/cgroup"));
    if (groups.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : groups.readAll().split('\n')) {
            const QList<QByteArray> parts = line.split(':');
            if (parts.size() < 3)
                continue;
            if (parts.at(0) == "0" && parts.at(1).isEmpty())
                v2Path = QString::fromLocal8Bit(parts.at(2));
            else if (parts.at(1).split(',').contains("memory"))
                v1Path = QString::fromLocal8Bit(parts.at(2));
        }
    }
    const QString root = QStringLiteral("/sys/fs/cgroup");
    const QList<QPair<QString, QString>> candidates = {
        { root + v2Path + QStringLiteral("/memory.max"), root + v2Path + QStringLiteral("/memory.current") },
        { root + QStringLiteral("/memory.max"), root + QStringLiteral("/memory.current") },
        { root + QStringLiteral("/memory") + v1Path + QStringLiteral("/memory.limit_in_bytes"),
            root + QStringLiteral("/memory") + v1Path + QStringLiteral("/memory.usage_in_bytes") },
        { root + QStringLiteral("/memory/memory.limit_in_bytes"),
            root + QStringLiteral("/memory/memory.usage_in_bytes") },
    };
    for (const auto &[maxPath, currentPath] : candidates) {
        const qint64 max = readNumber(maxPath); // "max" (no limit) reads as -1
        if (max < 0 && !QFile::exists(maxPath))
            continue;
        if (max < 0 || max >= (qint64(1) << 60)) // no limit set
            return -1;
        const qint64 current = readNumber(currentPath);
        return qMax<qint64>(0, max - qMax<qint64>(0, current));
    }
    return -1;
}

} // namespace

namespace MemoryRoom
{

qint64 available()
{
    qint64 left = std::numeric_limits<qint64>::max();
    for (const qint64 figure :
        { systemAvailable(), limitLeft(RLIMIT_AS, 0), limitLeft(RLIMIT_DATA, 5), controlGroupLeft() }) {
        if (figure >= 0)
            left = qMin(left, figure);
    }
    return left;
}

} // namespace MemoryRoom
