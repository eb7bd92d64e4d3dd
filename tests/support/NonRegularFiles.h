#pragma once

// Things that can stand where the program expects a regular file: pipes,
// links to devices, huge sparse files. Each returns true when it was made.

#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport
{

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
}

inline bool makeSymlink(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

// A file of `size` bytes that takes no room on the disk (as truncate makes
// it); it goes with the temporary folder that holds it.
inline bool makeSparse(const QString &path, qint64 size, const QByteArray &head = QByteArray())
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head) == head.size() && file.resize(size);
}

// Makes the special file a test row names: "fifo", "folder", a device path
// ("/dev/zero") for a link to it, "sparse:<bytes>" for a huge sparse file.
inline bool makeSpecial(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("fifo"))
        return makeFifo(path);
    if (kind == QLatin1String("folder"))
        return ::mkdir(QFile::encodeName(path).constData(), 0777) == 0;
    if (kind.startsWith(QLatin1String("sparse:")))
        return makeSparse(path, kind.mid(7).toLongLong());
    if (kind.startsWith(QLatin1String("/dev/"))) {
        // Only a real device: should the system's node have been replaced by
        // a regular file, a link to it shows nothing (and a write through it
        // would land in /dev).
        struct stat st;
        if (::stat(QFile::encodeName(kind).constData(), &st) != 0 || !S_ISCHR(st.st_mode))
            return false;
    }
    return makeSymlink(kind, path);
}

} // namespace TestSupport
