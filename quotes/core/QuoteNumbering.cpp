#include "quotes/core/QuoteNumbering.h"

#include <limits>

#include "app/core/Ini.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"

namespace QuoteNumbering
{

const QString kSection = QStringLiteral("Numerazione Preventivi");
const QString kKey = QStringLiteral("Inizio");

QString iniPath()
{
    return programFile(QStringLiteral("Numerazione.ini"));
}

QString stored()
{
    return IniFile(iniPath()).readString(kSection, kKey);
}

void store(const QString &text)
{
    IniFile(iniPath()).writeString(kSection, kKey, text);
}

QString normalise(const QString &text)
{
    if (TrimmedView(text).isEmpty())
        return QStringLiteral("1");
    std::optional<double> value = ParseNumber(text);
    if (!value) {
        // A comma with no digit before it reads as "0," (so "," and "-," are 0).
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        if (comma >= 0 && (comma == 0 || !text.at(comma - 1).isDigit())) {
            QString withZero = text;
            withZero.insert(comma, QLatin1Char('0'));
            value = ParseNumber(withZero);
        }
    }
    if (!value)
        return QStringLiteral("1");
    return FormatGeneral(RoundToDecimals(*value, 0));
}

std::optional<qint64> parseStart(QStringView text)
{
    const QStringView trimmed = TrimmedView(text);
    if (trimmed.isEmpty())
        return 1;
    const qsizetype sign = (trimmed.front() == u'+' || trimmed.front() == u'-') ? 1 : 0;
    if (sign == trimmed.size() || trimmed.size() > 12 || !IsNumeric(trimmed.mid(sign)))
        return std::nullopt;
    bool ok = false;
    const qint64 n = trimmed.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return n;
}

qint64 start()
{
    const std::optional<qint64> n = parseStart(stored());
    if (!n)
        throw NotANumber("the quote start number is not a whole number");
    return *n;
}

} // namespace QuoteNumbering
