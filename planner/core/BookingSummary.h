#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The lines of the booking summary: one per booked day in calendar order
// (29 February between 28 February and 1 March), the day's 15-character
// prefix ("01 gennaio     ") followed by its trimmed booking text.
namespace BookingSummary
{

// "01 gennaio     " .. "31 dicembre    " for day 0 .. 365.
QString dayPrefix(int day);
// `dayText(day)` gives the text of day 0 .. 365; days whose trimmed text is
// empty are left out.
QStringList lines(const std::function<QString(int day)> &dayText);
// "Riepilogo prenotazioni box n. " + box + " anno " + year, both trimmed.
QString printTitle(const QString &box, const QString &year);

} // namespace BookingSummary
