#include "deadlines/core/DeadlineListing.h"

#include "common/Cp1252.h"
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

// The stored month, its ASCII letters lower-cased, equals `name` (lower case).
// On the bytes: a byte above 127 decodes to no ASCII letter, so it matches
// only itself, as after decoding.
bool monthIs(const char *record, QByteArrayView name)
{
    const QByteArrayView stored = field(DeadlineRecord::Mese).trimmedBytes(record);
    if (stored.size() != name.size())
        return false;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        char c = stored[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != name[i])
            return false;
    }
    return true;
}

// The stored date (Data) and year (Anno) are exactly these bytes.
bool dayIs(const char *record, QByteArrayView date)
{
    return field(DeadlineRecord::Data).trimmedBytes(record) == date;
}

bool yearIs(const char *record, QByteArrayView year)
{
    return field(DeadlineRecord::Anno).trimmedBytes(record) == year;
}

// The flag's trimmed text is exactly "Sì" or "No" (as RecordField::loadFlag reads it).
bool flagIs(const char *record, int f, bool yes)
{
    static const QByteArray kYes = Cp1252::encode(QStringLiteral("S\u00EC"));
    static const QByteArray kNo = QByteArrayLiteral("No");
    return field(f).trimmedBytes(record) == (yes ? kYes : kNo);
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
    return dayIs(record, Cp1252::encode(dateText.trimmed()));
}

bool inMonth(const char *record, const QString &name, const QString &year)
{
    return monthIs(record, Cp1252::encode(name)) && yearIs(record, Cp1252::encode(year.trimmed()));
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
    case DateRule::Day: {
        const QByteArray date = Cp1252::encode(dateText);
        return [date](qint64, const char *record) { return dayIs(record, date); };
    }
    case DateRule::Month: {
        const QByteArray name = Cp1252::encode(monthName(MidText(dateText, 4, 2).toInt()));
        const QByteArray year = Cp1252::encode(MidText(dateText, 7, 4).trimmed());
        return [name, year](qint64, const char *record) { return monthIs(record, name) && yearIs(record, year); };
    }
    }
    return {};
}

QString sortKey(const char *record)
{
    // Built in one string from the stored bytes: characters 4-5 of the trimmed
    // date are its bytes 3-4 (one byte per character).
    const QByteArrayView date = field(DeadlineRecord::Data).trimmedBytes(record);
    QString key;
    key.reserve(16);
    if (date.size() > 3)
        key += Cp1252::decode(date.data() + 3, qMin<qsizetype>(2, date.size() - 3));
    for (int f : { DeadlineRecord::Giorno, DeadlineRecord::OreApp, DeadlineRecord::MinutiApp })
        field(f).appendTo(key, record);
    return key;
}

bool meets(Summary summary, const char *record)
{
    switch (summary) {
    case Summary::PaymentsToMake:
        return flagIs(record, DeadlineRecord::Effettuata, false);
    case Summary::PaymentsMade:
        return flagIs(record, DeadlineRecord::Effettuata, true);
    case Summary::ToConfirm:
        return flagIs(record, DeadlineRecord::DaConfermare, true);
    }
    return false;
}

const SearchMatch::LineShape &summaryShape()
{
    using D = DeadlineRecord::Field;
    static const SearchMatch::LineShape shape(
        { { {}, field(D::Dettagli), 30 }, { QStringLiteral("  Data: "), field(D::Data), 10 },
            { QStringLiteral("  Ora: "), field(D::Ora), 5 }, { QStringLiteral("  Prop. "), field(D::Proprietario), 28 },
            { QStringLiteral("  Cane: "), field(D::Nome), 28 }, { QStringLiteral("  \u20AC "), field(D::Costo) } });
    return shape;
}

QString summaryLine(const char *record)
{
    return summaryShape()(record);
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
