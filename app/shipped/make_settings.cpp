// Writes the settings file shipped beside the program, holding the initial
// password, unless the folder already has one (a password changed in a
// developer's program folder survives a rebuild).
#include "app/core/Crypt.h"
#include "app/core/Ini.h"
#include "common/TextRoutines.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <settings file>\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0;
    try {
        PasswordStore::write(path, TrimText(AsciiUpper(QStringLiteral("girasolemattin"))));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
