#include "deadlines/core/DeadlineListing.h"

#include "common/TextRoutines.h"
#include "common/YearFile.h"
#include "deadlines/core/DeadlineRecord.h"
#include "deadlines/core/Imminence.h"

#include <algorithm>
#include <memory>

namespace DeadlineListing
{

namespace
{

FieldRef field(int f)
{
    return FieldRef::of(DeadlineRecord::layout(), f);
}

QString text(const char *record, int f)
{
    return field(f).load(record);
}

} // namespace

QString monthName(int month)
{
    static const char *const names[] = { "gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio",
        "agosto", "settembre", "ottobre", "novembre", "dicembre" };
    return month >= 1 && month <= 12 ? QString::fromLatin1(names[month - 1]) : QString();
}

QString listPath(DateRule rule, const QDate &calendar, const QDate &today)
{
    if (rule == DateRule::Imminent)
        return Imminence::currentYearPath(today);
    const QString year = MidText(FormatDate(calendar), 7, 4).trimmed();
    // A calendar always holds a four-digit year; anything else names no file.
    return YearFile::isYear(year) ? DeadlineRecord::path(year) : QString();
}

bool onDay(const char *record, const QString &dateText)
{
    return text(record, DeadlineRecord::Data) == dateText.trimmed();
}

bool inMonth(const char *record, const QString &name, const QString &year)
{
    return AsciiLower(text(record, DeadlineRecord::Mese)) == name
        && text(record, DeadlineRecord::Anno) == year.trimmed();
}

IndexedTest imminentTest(const QString &path, const QDate &today)
{
    auto positions = std::make_shared<std::vector<qint64>>(Imminence::scan(path, today).positions);
    return [positions](qint64 index, const char *) {
        return std::binary_search(positions->begin(), positions->end(), index + 1);
    };
}

IndexedTest dateTest(DateRule rule, const QDate &calendar, const QDate &today)
{
    const QString dateText = FormatDate(calendar);
    switch (rule) {
    case DateRule::Imminent:
        return imminentTest(listPath(rule, calendar, today), today);
    case DateRule::Day:
        return [dateText](qint64, const char *record) { return onDay(record, dateText); };
    case DateRule::Month: {
        const QString name = monthName(MidText(dateText, 4, 2).toInt());
        const QString year = MidText(dateText, 7, 4).trimmed();
        return [name, year](qint64, const char *record) { return inMonth(record, name, year); };
    }
    }
    return {};
}

QString sortKey(const char *record)
{
    return MidText(text(record, DeadlineRecord::Data), 4, 2) + text(record, DeadlineRecord::Giorno)
        + text(record, DeadlineRecord::OreApp) + text(record, DeadlineRecord::MinutiApp);
}

bool meets(Summary summary, const char *record)
{
    const RecordLayout &layout = DeadlineRecord::layout();
    switch (summary) {
    case Summary::PaymentsToMake:
        return RecordField::loadFlag(record + layout.offset(DeadlineRecord::Effettuata)) == false;
    case Summary::PaymentsMade:
        return RecordField::loadFlag(record + layout.offset(DeadlineRecord::Effettuata)) == true;
    case Summary::ToConfirm:
        return RecordField::loadFlag(record + layout.offset(DeadlineRecord::DaConfermare)) == true;
    }
    return false;
}

QString summaryLine(const char *record)
{
    using D = DeadlineRecord::Field;
    QString out;
    out.reserve(kFixedChars + field(D::Costo).trimmedLength(record));
    field(D::Dettagli).appendTo(out, record, 30);
    out += QLatin1String("  Data: ");
    field(D::Data).appendTo(out, record, 10);
    out += QLatin1String("  Ora: ");
    field(D::Ora).appendTo(out, record, 5);
    out += QLatin1String("  Prop. ");
    field(D::Proprietario).appendTo(out, record, 28);
    out += QLatin1String("  Cane: ");
    field(D::Nome).appendTo(out, record, 28);
    out += QStringLiteral("  \u20AC ");
    field(D::Costo).appendTo(out, record);
    return out;
}

std::vector<FieldRef> filterFields()
{
    using D = DeadlineRecord::Field;
    std::vector<FieldRef> fields;
    for (int f : { D::Data, D::Ora, D::Proprietario, D::CodFisc, D::Nome, D::Razza, D::Microchip, D::Persona,
             D::Dettagli, D::Note })
        fields.push_back(field(f));
    return fields;
}

} // namespace DeadlineListing
