#pragma once

#include "common/FileFailure.h"

#include <QByteArray>
#include <QString>

class QFile;
class QIODevice;

// The file rules every reader and writer of the program follows:
// - only a regular file is ever opened: a folder, a device, a pipe or a socket
//   standing at the path (or a link to one) is refused, found by stat before
//   the open and checked again on the open descriptor, so nothing ever blocks;
// - a reader learns the size first and refuses a file larger than it accepts,
//   before it allocates anything;
// - a whole file is replaced only when every byte of the new one reached the
//   disk (SafeFileWriter); otherwise the earlier file stays as it was.
namespace SafeFile
{

enum class Kind {
    Missing, // nothing at the path
    Regular, // a regular file, or a link to one
    Other, // anything else, a broken link included
};

// What stands at the path, found without opening it.
Kind kindOf(const QString &path);

// Opens an existing regular file (flags as for ::open: O_RDONLY or O_RDWR,
// with O_CREAT | O_EXCL to make a new one). Returns the descriptor, in
// blocking mode, or -1 with the reason in `failure`.
int openRegular(const QString &path, int flags, FileFailure *failure, int createMode = 0666);

// Opens `file` for reading over openRegular; the file closes the descriptor.
FileFailure openForReading(QFile &file, const QString &path);

// The whole content of a regular file of at most maxBytes bytes. A missing
// file fails with ENOENT; a larger one with FileFailure::tooLarge(), before
// anything is read.
FileFailure readWhole(const QString &path, qint64 maxBytes, QByteArray &out);

// Replaces the file at path with `bytes` as a whole, through SafeFileWriter.
FileFailure writeWhole(const QString &path, const QByteArray &bytes);

// Copies everything from source to target, every read and every write checked
// to the last byte. A SafeFileWriter target gives its own reason.
FileFailure copyDevice(QIODevice &source, QIODevice &target);

// Replaces targetPath with a copy of the regular file sourcePath as a whole:
// the copy goes to a temporary beside the target and takes its place only
// when complete, so on any failure the earlier target stays as it was.
FileFailure copyWhole(const QString &sourcePath, const QString &targetPath);

} // namespace SafeFile
