#pragma once

#include <QDate>
#include <QDateTime>

// The program's one clock: every "today" and "now" (dates written in records,
// print dates, alerts, year files) comes from here, so a test can set the day
// and the hour, and year boundaries and 29 February can be tried on any day.
namespace Clock
{

// Today's date and the local date and time, from the system clock unless a
// test has fixed them.
QDate today();
QDateTime now();

// Test seam: fixes the clock at `moment` (today() is its date) until reset().
void setFixed(const QDateTime &moment);
// Back to the system clock.
void reset();
// True while the clock is fixed.
bool isFixed();

// Fixes the clock for the life of the object, then gives the system clock back.
class Fixed
{
public:
    explicit Fixed(const QDateTime &moment) { setFixed(moment); }
    ~Fixed() { reset(); }
    Fixed(const Fixed &) = delete;
    Fixed &operator=(const Fixed &) = delete;
};

} // namespace Clock
