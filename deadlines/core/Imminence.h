#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// When a deadline is imminent: a deadline dated D with N days of notice is
// imminent on day T when D - N <= T <= D (whole days, both bounds included).
// The start panel's alert and the list of imminent deadlines both apply it,
// to the same file, so the list shows exactly what the alert counted.
namespace Imminence
{

// A deadline's date and notice as stored (Data "dd/mm/yyyy", Avviso a whole
// number); nothing when either does not convert.
struct Deadline {
    QDate date;
    int notice = 0;
};
std::optional<Deadline> parse(const char *record);

bool isImminent(const QDate &date, int notice, const QDate &today);

// The imminent deadlines of one year file, by record position (1-based), in
// file order. A record whose date or notice does not convert is skipped and
// counted in `damaged`; it hides none of the others.
struct Scan {
    std::vector<qint64> positions;
    int damaged = 0;
};
// Opens the file (creating it empty when missing) and reads every record;
// throws ArchiveAccessError when it cannot be opened or read.
Scan scan(const QString &path, const QDate &today);

// The file the alert reads: the year file of today's year.
QString currentYearPath(const QDate &today);

} // namespace Imminence
