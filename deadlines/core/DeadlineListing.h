#pragma once

#include "common/SearchMatch.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <vector>

// How deadlines are listed, on the raw bytes of a record of a year file
// <year>.sca: the three lists by date and their chronological key, the three
// summaries and their line, and the fields of the ten search filters.
namespace DeadlineListing
{

// ---- Lists by date (imminent, day, month) --------------------------------

enum class DateRule {
    Imminent, // the imminence rule, on today's year file
    Day, // Data equals the calendar's date "dd/mm/yyyy"
    Month, // Mese (any case) names the calendar's month and Anno is its year
};

// "gennaio" .. "dicembre" for 1..12; empty otherwise.
QString monthName(int month);

// The year file a list reads: today's year for the imminent list, the year
// of the calendar's date for the day and month lists.
QString listPath(DateRule rule, const QDate &calendar, const QDate &today);

// The test of the day and month lists for the calendar's date. (The imminent
// list takes the positions that Imminence::scan gives, see imminentTest.)
bool onDay(const char *record, const QString &dateText);
bool inMonth(const char *record, const QString &monthName, const QString &year);

// The record test of a list by record index (0-based) and bytes. For the
// imminent list it scans the file once with the alert's own rule (throws
// ArchiveAccessError when the file cannot be read).
using IndexedTest = std::function<bool(qint64 index, const char *record)>;
IndexedTest dateTest(DateRule rule, const QDate &calendar, const QDate &today);
IndexedTest imminentTest(const QString &path, const QDate &today);

// The chronological key of a listed deadline: characters 4-5 of Data (the
// month), then Giorno, OreApp and MinutiApp, trimmed, joined: MMDDHHMM.
QString sortKey(const char *record);

// ---- Summaries ----------------------------------------------------------

enum class Summary {
    PaymentsToMake, // Effettuata "No"
    PaymentsMade, // Effettuata "Sì"
    ToConfirm, // DaConfermare "Sì"
};
bool meets(Summary summary, const char *record);

// Dettagli (30) + "  Data: " + Data (10) + "  Ora: " + Ora (5) + "  Prop. " +
// Proprietario (28) + "  Cane: " + Nome (28) + "  € " + Costo, trimmed and
// whole. Every column is the trimmed text padded with blanks and cut to its
// width, so the fixed part is 136 characters.
QString summaryLine(const char *record);
inline constexpr int kFixedChars = 136;
// The same line as a shape, which also writes its sort key (see SearchMatch::LineShape).
const SearchMatch::LineShape &summaryShape();

// ---- Search -------------------------------------------------------------

// The fields of the ten filters, in filter order: Data, Ora, Proprietario,
// CodFisc, Nome, Razza, Microchip, Persona, Dettagli, Note.
std::vector<FieldRef> filterFields();

} // namespace DeadlineListing
