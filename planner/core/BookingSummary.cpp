#include "planner/core/BookingSummary.h"

#include "common/TextRoutines.h"
#include "planner/core/PlannerRecord.h"

namespace BookingSummary
{

QString dayPrefix(int day)
{
    const QString prefix = QStringLiteral("%1 %2")
                               .arg(PlannerRecord::dayOfMonth(day), 2, 10, QLatin1Char('0'))
                               .arg(PlannerRecord::monthWord(PlannerRecord::monthOf(day)));
    return prefix.leftJustified(15, QLatin1Char(' '), true);
}

QStringList lines(const std::function<QString(int day)> &dayText)
{
    QStringList out;
    for (int day = 0; day < PlannerRecord::DayCount; ++day) {
        const QString text = TrimText(dayText(day));
        if (!text.isEmpty())
            out << dayPrefix(day) + text;
    }
    return out;
}

QString printTitle(const QString &box, const QString &year)
{
    return QStringLiteral("Riepilogo prenotazioni box n. ") + TrimText(box) + QStringLiteral(" anno ") + TrimText(year);
}

} // namespace BookingSummary
