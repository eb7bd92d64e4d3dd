#pragma once

// The committed record fixtures of tests/data (made by tests/data/make_fixtures.py
// without the program's code): for each archive format its layout as a table,
// a golden file, broken variants and what each field of them reads.

#include <QByteArray>
#include <QList>
#include <QString>

namespace FixtureData
{

// One archive format of tests/data/formats.tsv.
struct Format {
    QString name; // folder under tests/data: "owners", "dogs", ...
    QString archive; // the archive's file name in the program folder ("<year>" where it is computed)
    QString extension; // of the fixture files: "pro", "pln", "pre", "sca"
    int recordSize = 0;
    int fields = 0;
    int goldenRecords = 0;
    bool badFlag = false; // the format has flags, so a badflag variant
};

// One field of a format's layout.tsv.
struct Field {
    QString name;
    int offset = 0;
    int capacity = 0;
    bool flag = false;
};

// What one field of one record reads: the text, or for a flag "Sì", "No" or
// kNeither.
struct Reading {
    int record = 0;
    QString field;
    QString text;
};
inline const QString kNeither = QStringLiteral("-");

// The tests/data folder, with a trailing '/'.
QString dir();
QString path(const QString &relative);
// The whole file; fails the test run (qFatal) when it cannot be read.
QByteArray bytes(const QString &relative);

QList<Format> formats();
Format format(const QString &name);
QList<Field> layout(const QString &format);
// A readings table: "owners/golden.tsv", "owners/overlength.tsv", ...
QList<Reading> readings(const QString &relative);
// The data file of a variant: file("owners", "golden") -> "owners/golden.pro".
QString file(const QString &format, const QString &variant);

} // namespace FixtureData
