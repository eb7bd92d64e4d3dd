#include "common/ui/Modules.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibrary>
#include <QString>

namespace Modules
{

QFunctionPointer resolve(const char *name, const char *symbol)
{
    static QHash<QByteArray, QLibrary *> loaded;
    QLibrary *&library = loaded[QByteArray(name)];
    if (!library) {
        QStringList folders;
        if (QCoreApplication::instance())
            folders << QCoreApplication::applicationDirPath();
#ifdef KENNORA_MODULE_DIR
        folders << QStringLiteral(KENNORA_MODULE_DIR);
#endif
        for (const QString &folder : std::as_const(folders)) {
            auto *candidate = new QLibrary(folder + QLatin1Char('/') + QLatin1String(name));
            if (candidate->load()) {
                library = candidate;
                break;
            }
            delete candidate;
        }
        if (!library)
            return nullptr; // asked again next time: a module put in place later is found
    }
    return library->resolve(symbol);
}

} // namespace Modules
