#include "tests/support/CoreSupport.h"

#include "common/ProgramFolder.h"

#include <QFile>

namespace TestSupport
{

TempProgramFolder::TempProgramFolder()
{
    setProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
}

QString TempProgramFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace TestSupport
