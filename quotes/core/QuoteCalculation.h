#pragma once

#include <QString>

#include <array>

// The calculation of a quote: the line amount of every item row that has a
// quantity or a price, and the five totals, worked out on the texts that the
// quote editor shows. Working values are doubles; every product, quotient,
// sum and difference is evaluated in extended precision (long double) and
// stored as a double, which decides the visible result in half cases
// (a VAT of 8,965 shows 8,96).
namespace QuoteCalculation
{

// The texts the calculation reads and writes, as the editor shows them.
struct Sheet {
    // txtQuantNN, txtPrezzoNN, txtPercScontoNN, txtImportoNN
    std::array<QString, 30> quantity, price, discount, amount;
    std::array<bool, 30> exempt {}; // chkEsNN
    QString vatRate; // txtPercIva
    // txtTotImponibile, txtTotImposta, txtTotIva, txtTotEsente, txtTotFattura
    QString taxable, vat, withVat, exemptTotal, total;
};

// ok is false when a text that the calculation reads is not a number (or
// its amounts go beyond the range of a double); faultField is then the
// QuoteRecord field whose text is at fault (a quantity, price or discount of
// a row, QuoteRecord::PercIva, or the amount of a row), otherwise -1.
struct Outcome {
    bool ok = true;
    int faultField = -1;
};

// Rows 01 to 30 in turn: a row whose quantity and price are both empty is
// skipped; an empty quantity becomes "1", an empty price "0,00"; the amount
// (quantity times price less the discount in percent) is written rounded to
// four decimals. Then the totals from every row's amount label: the taxable
// rows, the VAT at the rate (an empty rate becomes "0"), taxable with VAT,
// the exempt rows and the grand total, each rounded to two decimals. On a
// failure the calculation stops there: the rows before keep their results,
// and the five totals show "0,00".
Outcome calculate(Sheet &sheet);

} // namespace QuoteCalculation
