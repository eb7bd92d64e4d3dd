#include "planner/core/PlannerRecord.h"

#include "common/TextRoutines.h"

#include <algorithm>
#include <array>

namespace PlannerRecord
{

namespace
{

struct Month {
    const char *part;
    const char *word;
    int days;
};

constexpr std::array<Month, 12> kMonths = { {
    { "Gen", "gennaio", 31 },
    { "Feb", "febbraio", 29 },
    { "Mar", "marzo", 31 },
    { "Apr", "aprile", 30 },
    { "Mag", "maggio", 31 },
    { "Giu", "giugno", 30 },
    { "Lug", "luglio", 31 },
    { "Ago", "agosto", 31 },
    { "Set", "settembre", 30 },
    { "Ott", "ottobre", 31 },
    { "Nov", "novembre", 30 },
    { "Dic", "dicembre", 31 },
} };

RecordLayout makeLayout()
{
    RecordLayout::Builder builder;
    builder.add({ { "Box", 30 }, { "Dimensioni", 30 }, { "Capacita", 30 }, { "Prezzo", 15 } });
    for (const Month &month : kMonths)
        builder.repeat(month.days, { { QLatin1String(month.part) + QStringLiteral("_%1"), DayWidth } });
    return builder.build();
}

} // namespace

const RecordLayout &layout()
{
    static const RecordLayout planner = makeLayout();
    return planner;
}

int daysInMonth(int month)
{
    return kMonths.at(size_t(month - 1)).days;
}

QString monthPart(int month)
{
    return QLatin1String(kMonths.at(size_t(month - 1)).part);
}

QString monthWord(int month)
{
    return QLatin1String(kMonths.at(size_t(month - 1)).word);
}

int firstDay(int month)
{
    int day = 0;
    for (int m = 1; m < month; ++m)
        day += daysInMonth(m);
    return day;
}

int monthOf(int day)
{
    int month = 1;
    while (month < 12 && day >= firstDay(month + 1))
        ++month;
    return month;
}

int dayOfMonth(int day)
{
    return day - firstDay(monthOf(day)) + 1;
}

int dayIndex(int month, int dayOfMonth)
{
    return firstDay(month) + dayOfMonth - 1;
}

QString dayName(int day)
{
    return layout().name(dayField(day));
}

QString dayKey(int day)
{
    return dayName(day).toLower();
}

int dayOfKey(QStringView key)
{
    if (key.size() != 6 || key.at(3) != QLatin1Char('_'))
        return -1;
    QString name = key.toString().toLower();
    name[0] = name.at(0).toUpper();
    const int field = layout().indexOf(name);
    return field >= HeaderCount ? field - HeaderCount : -1;
}

bool isYearText(QStringView year)
{
    if (year.size() != 4)
        return false;
    for (QChar c : year) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool boxFitsFileName(QStringView box)
{
    if (box.isEmpty() || box == QLatin1String(".") || box.contains(QLatin1String("..")))
        return false;
    return std::none_of(box.begin(), box.end(), BoxNumberCharRefused);
}

QString fileName(const QString &box, const QString &year)
{
    return QStringLiteral("Prenotazioni box ") + box + QStringLiteral(" anno ") + year + QStringLiteral(".pln");
}

} // namespace PlannerRecord
