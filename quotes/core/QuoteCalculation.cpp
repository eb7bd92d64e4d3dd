#include "quotes/core/QuoteCalculation.h"

#include "common/TextRoutines.h"
#include "quotes/core/QuoteRecord.h"

#include <cmath>
#include <limits>

namespace QuoteCalculation
{

namespace
{

// The arithmetic of the quotes relies on the 64-bit significand of the x87
// extended format.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended format");

using Extended = long double;

// Thrown inside the calculation when a text is not a number.
struct Fault {
    int field;
};

Extended readExtended(const QString &text, int field)
{
    const auto value = ParseNumberExtended(text);
    if (!value)
        throw Fault { field };
    return *value;
}

double readDouble(const QString &text, int field)
{
    return static_cast<double>(readExtended(text, field));
}

// Brings an amount's number text to at least two decimals: "28" -> "28,00",
// "12,4" -> "12,40"; "3,0625" stays. A text in exponent form stays as it is:
// a ",00" after the exponent would make it no number.
QString fixUp(QString text)
{
    if (text.contains(QLatin1Char('E')))
        return text;
    if (!text.contains(QLatin1Char(',')))
        text += QStringLiteral(",00");
    const qsizetype n = text.size();
    if (n >= 2 && text[n - 2] == QLatin1Char(',') && text[n - 1].isDigit())
        text += QLatin1Char('0');
    return text;
}

// The number text of a value, read back and rounded to `decimals`: the
// rounding acts on the value of the 15-digit text.
QString roundedThroughText(double value, int decimals, int field)
{
    return fixUp(FormatGeneral(RoundToDecimals(readDouble(FormatGeneral(value), field), decimals)));
}

int fieldOfRow(QuoteRecord::Field column, int index)
{
    return QuoteRecord::rowField(column, index + 1);
}

void computeRow(Sheet &sheet, int r)
{
    const QString quantity = TrimText(sheet.quantity[r]);
    const QString price = TrimText(sheet.price[r]);
    if (quantity.isEmpty() && price.isEmpty())
        return;
    if (quantity.isEmpty())
        sheet.quantity[r] = QStringLiteral("1");
    if (price.isEmpty())
        sheet.price[r] = QStringLiteral("0,00");

    const QString discountText = TrimText(sheet.discount[r]);
    const double discount
        = discountText.isEmpty() ? 0.0 : readDouble(discountText, fieldOfRow(QuoteRecord::PercSconto01, r));
    const Extended p = readExtended(TrimText(sheet.price[r]), fieldOfRow(QuoteRecord::Prezzo01, r));
    const Extended q = readExtended(TrimText(sheet.quantity[r]), fieldOfRow(QuoteRecord::Quant01, r));

    const double gross = static_cast<double>(p * q);
    const double discountAmount = static_cast<double>(Extended(gross) * Extended(discount) / 100.0L);
    const double amount = static_cast<double>(Extended(gross) - Extended(discountAmount));
    if (!std::isfinite(amount)) {
        // Only texts in exponent form reach this far: blame the largest.
        const Extended d = std::fabs(Extended(discount));
        int field = fieldOfRow(QuoteRecord::Prezzo01, r);
        if (std::fabs(q) > std::fabs(p) && std::fabs(q) >= d)
            field = fieldOfRow(QuoteRecord::Quant01, r);
        else if (d > std::fabs(p) && d > std::fabs(q))
            field = fieldOfRow(QuoteRecord::PercSconto01, r);
        throw Fault { field };
    }
    sheet.amount[r] = roundedThroughText(amount, 4, fieldOfRow(QuoteRecord::Importo01, r));
}

// Adds the values of the rows whose exempt mark equals `exempt`, in row
// order, each partial sum held as a double.
double sumRows(const Sheet &sheet, const std::array<double, QuoteRecord::RowCount> &values, bool exempt)
{
    double sum = 0.0;
    for (int r = 0; r < QuoteRecord::RowCount; ++r) {
        if (sheet.exempt[r] != exempt)
            continue;
        sum = static_cast<double>(Extended(sum) + Extended(values[r]));
        if (!std::isfinite(sum))
            throw Fault { fieldOfRow(QuoteRecord::Importo01, r) };
    }
    return sum;
}

void computeTotals(Sheet &sheet)
{
    std::array<double, QuoteRecord::RowCount> values {};
    for (int r = 0; r < QuoteRecord::RowCount; ++r) {
        const QString &text = sheet.amount[r];
        values[r] = TrimmedView(text).isEmpty() ? 0.0 : readDouble(text, fieldOfRow(QuoteRecord::Importo01, r));
    }

    const double taxable = sumRows(sheet, values, false);
    sheet.taxable = roundedThroughText(taxable, 2, QuoteRecord::TotImponibile);

    if (TrimmedView(sheet.vatRate).isEmpty())
        sheet.vatRate = QStringLiteral("0");
    const Extended rate = readExtended(sheet.vatRate, QuoteRecord::PercIva);
    const double vat = static_cast<double>(rate * Extended(taxable) / 100.0L);
    const double withVat = static_cast<double>(Extended(taxable) + Extended(vat));
    if (!std::isfinite(vat) || !std::isfinite(withVat))
        throw Fault { QuoteRecord::PercIva };
    sheet.vat = fixUp(FormatGeneral(RoundToDecimals(vat, 2)));
    sheet.withVat = fixUp(FormatGeneral(RoundToDecimals(withVat, 2)));

    const double exemptSum = sumRows(sheet, values, true);
    sheet.exemptTotal = roundedThroughText(exemptSum, 2, QuoteRecord::TotEsente);

    const double grand = static_cast<double>(Extended(withVat) + Extended(exemptSum));
    if (!std::isfinite(grand)) {
        // The exempt rows pushed the total over: blame the largest of them.
        int field = QuoteRecord::PercIva;
        double largest = -1;
        for (int r = 0; r < QuoteRecord::RowCount; ++r) {
            if (sheet.exempt[r] && std::fabs(values[r]) > largest) {
                largest = std::fabs(values[r]);
                field = fieldOfRow(QuoteRecord::Importo01, r);
            }
        }
        throw Fault { field };
    }
    sheet.total = fixUp(FormatGeneral(RoundToDecimals(grand, 2)));
}

} // namespace

Outcome calculate(Sheet &sheet)
{
    try {
        for (int r = 0; r < QuoteRecord::RowCount; ++r)
            computeRow(sheet, r);
        computeTotals(sheet);
    } catch (const Fault &fault) {
        const QString zero = QStringLiteral("0,00");
        sheet.taxable = zero;
        sheet.vat = zero;
        sheet.withVat = zero;
        sheet.exemptTotal = zero;
        sheet.total = zero;
        return { false, fault.field };
    }
    return {};
}

} // namespace QuoteCalculation
