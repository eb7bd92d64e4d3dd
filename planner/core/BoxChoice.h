#pragma once

#include "common/SearchMatch.h"

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

// The line of a raw box record as a shape (it also writes the line's sort key
// from the record's bytes).
const SearchMatch::LineShape &shape();

// Whether a raw box record is listed (not flagged "Sì" as not bookable).
bool isBookable(const char *record);
// The line and the entry of a raw box record at 0-based `index`.
QString line(const char *record);
Entry entry(const char *record, qint64 index);

// Reads the box archive (created empty when missing) in large blocks and
// returns the bookable boxes in list order (stable: equal lines keep file
// order), each with its record; a line's text is made when it is asked for
// (see SearchMatch::RecordListing). Throws ArchiveAccessError when the
// archive cannot be opened or read, ListingMemoryError when memory cannot
// hold the listing.
SearchMatch::RecordListing listing(const QString &archivePath);

} // namespace BoxChoice
