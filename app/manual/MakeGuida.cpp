// Build step: writes the manual Guida.pdf from the help topics.
#include "app/manual/Manual.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <Guida.pdf>\n", qPrintable(args.value(0)));
        return 2;
    }
    QString error;
    if (!Manual::write(args.at(1), &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(1)), qPrintable(error));
        return 1;
    }
    return 0;
}
