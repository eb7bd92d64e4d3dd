#pragma once

#include <QList>
#include <QString>

// The checks of an interval booking and the days it marks. The entries are
// the texts of the interval dialog as they stand; the checks run in a fixed
// order and the first fault is reported with its message and the field that
// takes the focus.
namespace IntervalBooking
{

struct Entries {
    QString dayStart, monthStart, yearStart;
    QString dayEnd, monthEnd, yearEnd;
    QString text;
};

enum class Field { None, GiornoInizio, MeseInizio, GiornoFine, MeseFine, Prenotazione };
enum class Message { None, Warning, Plain };

struct Outcome {
    bool ok = false;
    Message kind = Message::None;
    QString message;
    Field focus = Field::None;
    QString startText; // the date texts built (empty when not reached)
    QString endText;
};

// "/01/" .. "/12/" for a month text (ASCII letters lower-cased, trimmed);
// empty when it names no month.
QString monthPart(const QString &monthText);
// Trimmed day + month part + trimmed year; empty when the month is none.
QString dateText(const QString &day, const QString &month, const QString &year);

Outcome check(const Entries &entries);
// The question asked before marking.
QString confirmation(const QString &startText, const QString &endText);

// The planner days (0 = 1 January .. 365 = 31 December, 29 February = 59)
// from start to end, both included, in `year`; 29 February only in a year
// that has it. Empty when a date text does not convert.
QList<int> days(const QString &year, const QString &startText, const QString &endText);

} // namespace IntervalBooking
