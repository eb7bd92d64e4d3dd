#pragma once

// Test helpers that need no widget: a temporary program folder and whole-file
// reads and writes. The core library's tests link only these.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace TestSupport
{

// A temporary program folder for the duration of a test.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const; // with trailing '/'
    QString file(const QString &name) const { return path() + name; }

private:
    QTemporaryDir m_dir;
};

// Writes bytes to a file (creating or replacing it); reads a whole file.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace TestSupport
