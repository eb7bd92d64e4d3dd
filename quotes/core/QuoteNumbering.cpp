#include "quotes/core/QuoteNumbering.h"

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

qint64 start()
{
    const QString text = TrimText(stored());
    if (text.isEmpty())
        return 1;
    // A whole number: an optional sign and decimal digits, nothing else.
    QStringView digits(text);
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits = digits.mid(1);
    bool ok = !digits.isEmpty() && IsNumeric(digits);
    const qint64 n = ok ? text.toLongLong(&ok) : 0;
    if (!ok)
        throw NotANumber("the quote start number is not a whole number");
    return n;
}

} // namespace QuoteNumbering
