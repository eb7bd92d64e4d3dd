#pragma once

#include <QList>
#include <QString>

// The bookable boxes of Box_Cani.pro as the planner's chooser lists them: one
// line per box not flagged "Sì" as not bookable, in the list's order.
namespace BoxChoice
{

struct Entry {
    QString line; // "Box n. " + number (25) + "  Dim. " + ... + "  Prezzo: € " + price
    qint64 record = 0; // 0-based record of Box_Cani.pro the line came from
    QString box, dimensioni, capacita, prezzo; // the whole trimmed fields
};

// The line of one box (fields as stored; trimmed here).
QString line(const QString &box, const QString &dimensioni, const QString &capacita, const QString &prezzo);
// The list's order: a to z compared as A to Z, every other character by its
// code, a line that begins another first.
bool lessThan(const QString &a, const QString &b);

// Reads the box archive (created empty when missing) and returns the entries
// of the bookable boxes in list order (stable: equal lines keep file order).
// Throws ArchiveAccessError when the archive cannot be opened or read.
QList<Entry> read(const QString &archivePath);

} // namespace BoxChoice
