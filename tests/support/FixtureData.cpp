#include "tests/support/FixtureData.h"

#include <QFile>
#include <QStringList>

namespace FixtureData
{

namespace
{

// The lines of a tab-separated file, comments ('#') and empty lines left out.
QList<QStringList> rows(const QString &relative)
{
    const QString text = QString::fromUtf8(bytes(relative));
    QList<QStringList> out;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        out.append(line.split(QLatin1Char('\t')));
    }
    return out;
}

int number(const QString &text, const QString &where)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        qFatal("not a number in %s: %s", qPrintable(where), qPrintable(text));
    return n;
}

} // namespace

QString dir()
{
    return QStringLiteral(KENNORA_TEST_DATA_DIR);
}

QString path(const QString &relative)
{
    return dir() + relative;
}

QByteArray bytes(const QString &relative)
{
    QFile f(path(relative));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read the fixture %s", qPrintable(f.fileName()));
    return f.readAll();
}

QList<Format> formats()
{
    QList<Format> out;
    for (const QStringList &r : rows(QStringLiteral("formats.tsv"))) {
        if (r.size() != 7)
            qFatal("formats.tsv: a line of %d columns", int(r.size()));
        out.append({ r[0], r[1], r[2], number(r[3], r[0]), number(r[4], r[0]), number(r[5], r[0]),
            r[6] == QLatin1String("yes") });
    }
    return out;
}

Format format(const QString &name)
{
    for (const Format &f : formats())
        if (f.name == name)
            return f;
    qFatal("no fixture format %s", qPrintable(name));
}

QList<Field> layout(const QString &format)
{
    const QString file = format + QStringLiteral("/layout.tsv");
    QList<Field> out;
    for (const QStringList &r : rows(file)) {
        if (r.size() != 4)
            qFatal("%s: a line of %d columns", qPrintable(file), int(r.size()));
        out.append({ r[0], number(r[1], file), number(r[2], file), r[3] == QLatin1String("flag") });
    }
    return out;
}

QList<Reading> readings(const QString &relative)
{
    QList<Reading> out;
    for (const QStringList &r : rows(relative)) {
        if (r.size() != 3)
            qFatal("%s: a line of %d columns", qPrintable(relative), int(r.size()));
        out.append({ number(r[0], relative), r[1], r[2] });
    }
    return out;
}

QString file(const QString &format, const QString &variant)
{
    return format + QLatin1Char('/') + variant + QLatin1Char('.') + FixtureData::format(format).extension;
}

} // namespace FixtureData
