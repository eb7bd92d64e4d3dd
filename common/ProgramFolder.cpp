#include "common/ProgramFolder.h"

#include <QCoreApplication>

namespace
{
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    QString folder = overrideFolder();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void setProgramFolder(const QString &folder)
{
    overrideFolder() = folder;
}

QString programFile(const QString &name)
{
    return programFolder() + name;
}
