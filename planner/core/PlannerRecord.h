#pragma once

#include "common/RecordLayout.h"

#include <QString>

// The record of a planner file ("Prenotazioni box <box> anno <year>.pln"):
// the box's number, dimensions, capacity and daily price (laid out as the head
// of a box record), then the booking texts of the 366 days of a leap year in
// calendar order, 29 February always present, 18775 bytes.
//
// A day is numbered 0 (1 January) to 365 (31 December); its control suffix is
// "Gen_01" .. "Dic_31" and its day key, handed to the day dialog, the same in
// lower case ("gen_01" .. "dic_31").
namespace PlannerRecord
{

enum Header : int { Box, Dimensioni, Capacita, Prezzo, HeaderCount };

inline constexpr int DayCount = 366;
inline constexpr int DayWidth = 50;
// Index of 29 February.
inline constexpr int Feb29 = 59;

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}
// The layout field of day k.
inline int dayField(int day)
{
    return HeaderCount + day;
}

// Months 1..12.
int daysInMonth(int month); // of a leap year: February has 29
QString monthPart(int month); // "Gen" .. "Dic"
QString monthWord(int month); // "gennaio" .. "dicembre"
int firstDay(int month); // index of day 1 of the month

int monthOf(int day);
int dayOfMonth(int day);
int dayIndex(int month, int dayOfMonth);
QString dayName(int day); // "Gen_01"
QString dayKey(int day); // "gen_01"
// The day of a key ("gen_01") or a name ("Gen_01"); -1 for anything else.
int dayOfKey(QStringView key);

// The year of a planner file: exactly four ASCII digits.
bool isYearText(QStringView year);
// Whether a box number can stand in a planner file name: not empty, no
// character that BoxNumberCharRefused (common/TextRoutines.h) names, not
// "." and never holding "..".
bool boxFitsFileName(QStringView box);
// "Prenotazioni box " + box + " anno " + year + ".pln" (texts as given).
QString fileName(const QString &box, const QString &year);

} // namespace PlannerRecord
