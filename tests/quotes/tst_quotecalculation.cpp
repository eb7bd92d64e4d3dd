// The quote calculation: the worked quotes, the rows' amounts, the totals,
// the failures and their field, the number texts it relies on, and a model of
// its own (exact decimal arithmetic) held against it over random quotes.

#include "common/TextRoutines.h"
#include "quotes/core/QuoteCalculation.h"
#include "quotes/core/QuoteRecord.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

#include <algorithm>
#include <clocale>
#include <cmath>

using QuoteCalculation::Sheet;

namespace
{

struct RowText {
    QString quantity, price, discount;
    bool exempt = false;
};

Sheet sheetOf(const QList<RowText> &rows, const QString &vatRate)
{
    Sheet sheet;
    for (int r = 0; r < rows.size(); ++r) {
        sheet.quantity[r] = rows[r].quantity;
        sheet.price[r] = rows[r].price;
        sheet.discount[r] = rows[r].discount;
        sheet.exempt[r] = rows[r].exempt;
    }
    sheet.vatRate = vatRate;
    return sheet;
}

QStringList totalsOf(const Sheet &sheet)
{
    return { sheet.taxable, sheet.vat, sheet.withVat, sheet.exemptTotal, sheet.total };
}

} // namespace

class TestQuoteCalculation : public QObject
{
    Q_OBJECT
private slots:
    void workedQuote_data();
    void workedQuote();
    void rowAmount_data();
    void rowAmount();
    void totals_data();
    void totals();
    void skippedRowKeepsItsTexts();
    void failureStopsAtTheField_data();
    void failureStopsAtTheField();
    void parsing_data();
    void parsing();
    void numberText_data();
    void numberText();
    void randomQuotesAgreeWithExactModel();
    void numbersReadAlikeUnderACommaLocale();
};

void TestQuoteCalculation::workedQuote_data()
{
    QTest::addColumn<QString>("vatRate");
    QTest::addColumn<QString>("vatRateAfter");
    QTest::addColumn<QStringList>("expectedTotals");
    QTest::newRow("22 %") << "22"
                          << "22" << QStringList { "40,75", "8,96", "49,72", "15,00", "64,72" };
    QTest::newRow("empty rate") << ""
                                << "0" << QStringList { "40,75", "0,00", "40,75", "15,00", "55,75" };
}

void TestQuoteCalculation::workedQuote()
{
    QFETCH(QString, vatRate);
    QFETCH(QString, vatRateAfter);
    QFETCH(QStringList, expectedTotals);
    Sheet sheet = sheetOf({ { "3", "10,5", "10", false }, { "", "12,4", "", false }, { "2", "7,5", "", true },
                              { "4", "", "50", false }, { "", "", "5", false } },
        vatRate);
    const auto outcome = QuoteCalculation::calculate(sheet);
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.faultField, -1);
    const QStringList quantities { "3", "1", "2", "4", "" };
    const QStringList prices { "10,5", "12,4", "7,5", "0,00", "" };
    const QStringList discounts { "10", "", "", "50", "5" };
    const QStringList amounts { "28,35", "12,40", "15,00", "0,00", "" };
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(sheet.quantity[r], quantities[r]);
        QCOMPARE(sheet.price[r], prices[r]);
        QCOMPARE(sheet.discount[r], discounts[r]);
        QCOMPARE(sheet.amount[r], amounts[r]);
    }
    for (int r = 5; r < 30; ++r)
        QVERIFY(sheet.quantity[r].isEmpty() && sheet.price[r].isEmpty() && sheet.amount[r].isEmpty());
    QCOMPARE(sheet.vatRate, vatRateAfter);
    QCOMPARE(totalsOf(sheet), expectedTotals);
}

void TestQuoteCalculation::rowAmount_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("quantityAfter");
    QTest::addColumn<QString>("priceAfter");
    QTest::addColumn<QString>("amount");
    QTest::newRow("discount 10") << "3"
                                 << "10,5"
                                 << "10"
                                 << "3"
                                 << "10,5"
                                 << "28,35";
    QTest::newRow("whole amount") << "3"
                                  << "5"
                                  << ""
                                  << "3"
                                  << "5"
                                  << "15,00";
    QTest::newRow("no quantity") << ""
                                 << "12,4"
                                 << ""
                                 << "1"
                                 << "12,4"
                                 << "12,40";
    QTest::newRow("blank quantity") << "  "
                                    << "2"
                                    << ""
                                    << "1"
                                    << "2"
                                    << "2,00";
    QTest::newRow("no price") << "4"
                              << ""
                              << "50"
                              << "4"
                              << "0,00"
                              << "0,00";
    QTest::newRow("discount 100") << "7"
                                  << "19,99"
                                  << "100"
                                  << "7"
                                  << "19,99"
                                  << "0,00";
    QTest::newRow("discount 150") << "2"
                                  << "10"
                                  << "150"
                                  << "2"
                                  << "10"
                                  << "-10,00";
    // 3 - 3,3 is held as -0,2999999999999998: rounded as the mirror of
    // +0,3, not towards +infinity (-0,2999).
    QTest::newRow("negativeAmountRoundedSymmetrically") << "1"
                                                        << "3"
                                                        << "110"
                                                        << "1"
                                                        << "3"
                                                        << "-0,30";
    QTest::newRow("negative half away from zero") << "1"
                                                  << "1,00005"
                                                  << "200"
                                                  << "1"
                                                  << "1,00005"
                                                  << "-1,0001";
    // 0,50025 is held just below the half: 0,5002 in extended precision
    // (0,5003 if the rounding were done in double precision).
    QTest::newRow("0,50025") << "1,5"
                             << "0,3335"
                             << ""
                             << "1,5"
                             << "0,3335"
                             << "0,5002";
    QTest::newRow("four decimals kept") << "1"
                                        << "0,005"
                                        << ""
                                        << "1"
                                        << "0,005"
                                        << "0,005";
    QTest::newRow("1,00005 above half") << "1"
                                        << "1,00005"
                                        << ""
                                        << "1"
                                        << "1,00005"
                                        << "1,0001";
    QTest::newRow("2,00005 below half") << "1"
                                        << "2,00005"
                                        << ""
                                        << "1"
                                        << "2,00005"
                                        << "2,00";
    QTest::newRow("12,34565") << "1"
                              << "12,34565"
                              << ""
                              << "1"
                              << "12,34565"
                              << "12,3456";
    QTest::newRow("0,1 times 3") << "3"
                                 << "0,1"
                                 << ""
                                 << "3"
                                 << "0,1"
                                 << "0,30";
    QTest::newRow("texts trimmed, kept") << " 2 "
                                         << " 3,5"
                                         << " 10 "
                                         << " 2 "
                                         << " 3,5"
                                         << "6,30";
    QTest::newRow("leading and trailing comma") << ",5"
                                                << "3,"
                                                << ""
                                                << ",5"
                                                << "3,"
                                                << "1,50";
    QTest::newRow("exponent text") << "2"
                                   << "1,5E2"
                                   << ""
                                   << "2"
                                   << "1,5E2"
                                   << "300,00";
    // 999999 x 9999999999 = 9999989999000001: 15 digits in exponent form,
    // which stays readable (no ",00" after the exponent).
    QTest::newRow("exponent form amount") << "999999"
                                          << "9999999999"
                                          << ""
                                          << "999999"
                                          << "9999999999"
                                          << "9,999989999E15";
    QTest::newRow("amountInExponentFormStaysANumber") << "2"
                                                      << "500000000000000"
                                                      << ""
                                                      << "2"
                                                      << "500000000000000"
                                                      << "1E15";
}

void TestQuoteCalculation::rowAmount()
{
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, discount);
    QFETCH(QString, quantityAfter);
    QFETCH(QString, priceAfter);
    QFETCH(QString, amount);
    // The row sits in the middle of the sheet, the totals read it back.
    Sheet sheet;
    sheet.quantity[14] = quantity;
    sheet.price[14] = price;
    sheet.discount[14] = discount;
    sheet.vatRate = "0";
    const auto outcome = QuoteCalculation::calculate(sheet);
    QVERIFY(outcome.ok);
    QCOMPARE(sheet.quantity[14], quantityAfter);
    QCOMPARE(sheet.price[14], priceAfter);
    QCOMPARE(sheet.discount[14], discount);
    QCOMPARE(sheet.amount[14], amount);
    // With no VAT the taxable total is the amount rounded to two decimals.
    const double value = *ParseNumber(amount);
    QCOMPARE(*ParseNumber(sheet.taxable), RoundToDecimals(value, 2));
    QCOMPARE(sheet.total, sheet.taxable);
}

void TestQuoteCalculation::totals_data()
{
    QTest::addColumn<QList<RowText>>("rows");
    QTest::addColumn<QString>("vatRate");
    QTest::addColumn<QStringList>("expectedTotals");
    // The grand total is rounded from unrounded sums: not 49,72 + 0,01.
    QTest::newRow("exempt 0,005") << QList<RowText> { { "1", "40,75", "", false }, { "1", "0,005", "", true } } << "22"
                                  << QStringList { "40,75", "8,96", "49,72", "0,01", "49,72" };
    QTest::newRow("all empty") << QList<RowText> {} << "" << QStringList { "0,00", "0,00", "0,00", "0,00", "0,00" };
    QTest::newRow("single 0,50025 row") << QList<RowText> { { "1,5", "0,3335", "", false } } << "22"
                                        << QStringList { "0,50", "0,11", "0,61", "0,00", "0,61" };
    QTest::newRow("negative row lowers its sum")
        << QList<RowText> { { "1", "100", "", false }, { "2", "10", "150", false }, { "1", "5", "120", true } } << "10"
        << QStringList { "90,00", "9,00", "99,00", "-1,00", "98,00" };
    QTest::newRow("only exempt") << QList<RowText> { { "3", "1,255", "", true } } << "22"
                                 << QStringList { "0,00", "0,00", "0,00", "3,77", "3,77" };
    QTest::newRow("rate with decimals") << QList<RowText> { { "1", "100", "", false } } << "22,5"
                                        << QStringList { "100,00", "22,50", "122,50", "0,00", "122,50" };
}

void TestQuoteCalculation::totals()
{
    QFETCH(QList<RowText>, rows);
    QFETCH(QString, vatRate);
    QFETCH(QStringList, expectedTotals);
    Sheet sheet = sheetOf(rows, vatRate);
    QVERIFY(QuoteCalculation::calculate(sheet).ok);
    QCOMPARE(totalsOf(sheet), expectedTotals);
    if (vatRate.isEmpty())
        QCOMPARE(sheet.vatRate, QString("0"));
}

void TestQuoteCalculation::skippedRowKeepsItsTexts()
{
    // A discount alone does not compute a row; a skipped row's amount label
    // still counts with the number it holds, an empty one counts as 0.
    Sheet sheet;
    sheet.discount[0] = "5";
    sheet.amount[0] = "7,5";
    sheet.amount[1] = " 2,25 ";
    sheet.exempt[1] = true;
    sheet.amount[2] = "   ";
    sheet.quantity[3] = "1";
    sheet.price[3] = "10";
    sheet.vatRate = " 10 ";
    QVERIFY(QuoteCalculation::calculate(sheet).ok);
    QCOMPARE(sheet.quantity[0], QString());
    QCOMPARE(sheet.price[0], QString());
    QCOMPARE(sheet.discount[0], QString("5"));
    QCOMPARE(sheet.amount[0], QString("7,5"));
    QCOMPARE(sheet.amount[1], QString(" 2,25 "));
    QCOMPARE(sheet.amount[2], QString("   "));
    QCOMPARE(sheet.amount[3], QString("10,00"));
    QCOMPARE(sheet.vatRate, QString(" 10 "));
    QCOMPARE(totalsOf(sheet), (QStringList { "17,50", "1,75", "19,25", "2,25", "21,50" }));
}

void TestQuoteCalculation::failureStopsAtTheField_data()
{
    QTest::addColumn<QList<RowText>>("rows");
    QTest::addColumn<QString>("vatRate");
    QTest::addColumn<QString>("staleAmount"); // the amount label of row 2 before
    QTest::addColumn<int>("faultField");
    QTest::addColumn<QStringList>("amountsAfter"); // rows 1 to 3
    QTest::addColumn<QStringList>("quantitiesAfter");
    const int row2Price = QuoteRecord::rowField(QuoteRecord::Prezzo01, 2);
    QTest::newRow("bad price in row 2") << QList<RowText> { { "2", "3", "", false }, { "", "12.50", "", false },
        { "", "4", "", false } } << "22"
                                        << "9,99" << row2Price << QStringList { "6,00", "9,99", "" }
                                        << QStringList { "2", "1", "" };
    QTest::newRow("discount read before price")
        << QList<RowText> { { "2", "3", "", false }, { "1", "x", "5%", false } } << "22"
        << "" << QuoteRecord::rowField(QuoteRecord::PercSconto01, 2) << QStringList { "6,00", "", "" }
        << QStringList { "2", "1", "" };
    QTest::newRow("bad quantity") << QList<RowText> { { "2", "3", "", false }, { "1,2,3", "4", "", false } } << "22"
                                  << "" << QuoteRecord::rowField(QuoteRecord::Quant01, 2)
                                  << QStringList { "6,00", "", "" } << QStringList { "2", "1,2,3", "" };
    QTest::newRow("bad rate") << QList<RowText> { { "2", "3", "", false }, { "1", "4", "", false } } << "22%"
                              << "" << int(QuoteRecord::PercIva) << QStringList { "6,00", "4,00", "" }
                              << QStringList { "2", "1", "" };
    QTest::newRow("rate read untrimmed") << QList<RowText> { { "2", "3", "", false } } << "\t22"
                                         << "" << int(QuoteRecord::PercIva) << QStringList { "6,00", "", "" }
                                         << QStringList { "2", "", "" };
    QTest::newRow("bad amount of a skipped row")
        << QList<RowText> { { "2", "3", "", false }, { "", "", "", false }, { "1", "4", "", false } } << "22"
        << "12.5" << QuoteRecord::rowField(QuoteRecord::Importo01, 2) << QStringList { "6,00", "12.5", "4,00" }
        << QStringList { "2", "", "1" };
    QTest::newRow("amount beyond a double")
        << QList<RowText> { { "2", "3", "", false }, { "1E300", "1E300", "", false } } << "22"
        << "9,99" << row2Price << QStringList { "6,00", "9,99", "" } << QStringList { "2", "1E300", "" };
    QTest::newRow("quantity beyond a double")
        << QList<RowText> { { "2", "3", "", false }, { "1E308", "1E2", "", false } } << "22"
        << "" << QuoteRecord::rowField(QuoteRecord::Quant01, 2) << QStringList { "6,00", "", "" }
        << QStringList { "2", "1E308", "" };
}

void TestQuoteCalculation::failureStopsAtTheField()
{
    QFETCH(QList<RowText>, rows);
    QFETCH(QString, vatRate);
    QFETCH(QString, staleAmount);
    QFETCH(int, faultField);
    QFETCH(QStringList, amountsAfter);
    QFETCH(QStringList, quantitiesAfter);
    Sheet sheet = sheetOf(rows, vatRate);
    sheet.amount[1] = staleAmount;
    sheet.taxable = sheet.vat = sheet.withVat = sheet.exemptTotal = sheet.total = "1,00";
    const auto outcome = QuoteCalculation::calculate(sheet);
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.faultField, faultField);
    QCOMPARE(totalsOf(sheet), (QStringList { "0,00", "0,00", "0,00", "0,00", "0,00" }));
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(sheet.amount[r], amountsAfter[r]);
        QCOMPARE(sheet.quantity[r], quantitiesAfter[r]);
    }
}

void TestQuoteCalculation::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "12,5" << true << 12.5;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("trailing comma") << "3," << true << 3.0;
    QTest::newRow("lone comma") << "," << true << 0.0;
    QTest::newRow("signed") << "-,25" << true << -0.25;
    QTest::newRow("plus") << "+7" << true << 7.0;
    QTest::newRow("blanks") << "  1,5E2 " << true << 150.0;
    QTest::newRow("small exponent") << "25e-3" << true << 0.025;
    QTest::newRow("comma before exponent") << ",E5" << true << 0.0;
    QTest::newRow("underflow") << "1E-99999" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("point") << "1.5" << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("exponent alone") << "E5" << false << 0.0;
    QTest::newRow("no exponent digits") << "1E" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("tab") << "\t1" << false << 0.0;
    QTest::newRow("overflow") << "1E400" << false << 0.0;
    QTest::newRow("long overflow") << QString(400, '9') << false << 0.0;
    QTest::newRow("long mantissa underflow") << "0," + QString(5000, '0') + "1" << true << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
}

void TestQuoteCalculation::parsing()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = ParseNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    QCOMPARE(ParseNumberExtended(text).has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void TestQuoteCalculation::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,1 + 0,2") << 0.1 + 0.2 << "0,3";
    QTest::newRow("15 digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up to 1E15") << 999999999999999.9 << "1E15";
    QTest::newRow("16 digits") << 9999989999000001.0 << "9,999989999E15";
    QTest::newRow("below 1E-5") << 0.0000099 << "9,9E-6";
    QTest::newRow("negative tiny") << -1.5e-7 << "-1,5E-7";
    QTest::newRow("1E-5") << 0.00001234 << "0,00001234";
    QTest::newRow("negative zero") << -0.0 << "0";
}

void TestQuoteCalculation::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneral(value), text);
}

// An independent model of the calculation. Every number of a random quote is
// known exactly as a decimal (a whole number of units of 10^-scale), so the
// model works out amounts and totals in exact integer arithmetic and rounds
// half away from zero. Only where the exact value lies so close to a half
// that the doubles the calculation holds may fall on either side (the half
// cases, 0,50025 or 8,965) does the model follow those doubles, evaluated
// the same way (long double steps stored as doubles), and there it rounds
// them by its own emulation of the 64-bit significand in integers.
namespace Model
{

using i128 = __int128;
using u128 = unsigned __int128;

i128 pow10(int n)
{
    i128 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

i128 absolute(i128 v)
{
    return v < 0 ? -v : v;
}

int bitLength(u128 v)
{
    int bits = 0;
    while (v) {
        ++bits;
        v >>= 1;
    }
    return bits;
}

// v kept to its leading `bits` bits, nearest with ties to even; the dropped
// bits are added to `exponent`.
u128 keepBits(u128 v, int bits, int &exponent)
{
    const int drop = bitLength(v) - bits;
    if (drop <= 0)
        return v;
    const u128 kept = v >> drop;
    const u128 rest = v & ((u128(1) << drop) - 1);
    const u128 half = u128(1) << (drop - 1);
    exponent += drop;
    return (rest > half || (rest == half && (kept & 1))) ? kept + 1 : kept;
}

// The whole number that rounding x >= 0 to n decimals ends with: x times
// 10^n kept to 64 bits, plus one half kept to 64 bits, the fraction dropped.
i128 roundedUnits(double x, int n)
{
    if (x == 0)
        return 0;
    int e = 0;
    const double fraction = std::frexp(x, &e);
    int exponent = e - 53;
    const u128 v = keepBits(u128(std::ldexp(fraction, 53)) * u128(pow10(n)), 64, exponent);
    if (exponent <= -67)
        return 0; // below a quarter: a half added to it stays below one
    const int low = std::min(exponent, -1);
    Q_ASSERT(exponent - low < 60);
    int sumExponent = low;
    const u128 sum = keepBits((v << (exponent - low)) + (u128(1) << (-1 - low)), 64, sumExponent);
    return sumExponent >= 0 ? i128(sum << sumExponent) : i128(sum >> -sumExponent);
}

// A double rounded to 15 significant digits and read back.
double through15Digits(double value)
{
    return QString::number(value, 'e', 14).toDouble();
}

struct Tally {
    qint64 exact = 0;
    qint64 followed = 0;
};

// The units of 10^-n of a value rounded to n decimals, half away from zero:
// from the exact value (units of 10^-scale) unless the calculation's double,
// which lies within `bound` of it, may fall on the other side of a half;
// then from that double.
i128 rounded(i128 exactUnits, int scale, int n, long double bound, double held, Tally &tally)
{
    const i128 step = pow10(scale - n);
    const i128 magnitude = absolute(exactUnits);
    const i128 rest = magnitude % step;
    const long double distance
        = static_cast<long double>(absolute(2 * rest - step)) / 2.0L / static_cast<long double>(pow10(scale));
    if (distance > bound) {
        ++tally.exact;
        const i128 k = magnitude / step + (2 * rest >= step ? 1 : 0);
        return exactUnits < 0 ? -k : k;
    }
    ++tally.followed;
    const i128 k = roundedUnits(std::fabs(held), n);
    return held < 0 ? -k : k;
}

// The text of units of 10^-n: a comma, at least two decimals, no trailing
// zeros beyond them.
QString unitsText(i128 units, int n)
{
    const i128 magnitude = absolute(units);
    const i128 scale = pow10(n);
    QString whole = QString::number(qint64(magnitude / scale));
    QString decimals = QString::number(qint64(magnitude % scale)).rightJustified(n, QLatin1Char('0'));
    while (decimals.size() > 2 && decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    return (units < 0 && magnitude != 0 ? QStringLiteral("-") : QString()) + whole + QLatin1Char(',') + decimals;
}

long double asValue(i128 units, int scale)
{
    return static_cast<long double>(units) / static_cast<long double>(pow10(scale));
}

struct Decimal {
    i128 units = 0;
    int scale = 0;
};

struct Row {
    bool hasQuantity = false, hasPrice = false, hasDiscount = false;
    Decimal quantity, price, discount;
    bool exempt = false;
    QString staleAmount;
    i128 staleUnits = 0; // the stale amount at scale 4
};

struct Quote {
    Row rows[30];
    QString vatRate;
    i128 rateUnits = 0; // scale 2
    // The first text that is no number, in the order the calculation reads
    // them (3 x row + 0 discount, 1 price, 2 quantity; 100 + row for an
    // amount label; 200 the VAT rate), and its field; -1 when none.
    int faultKey = -1;
    int faultField = -1;
};

// What the calculation must show.
struct Expected {
    QString quantity[30], price[30], amount[30];
    QString vatRate;
    QStringList totals;
};

Expected work(const Quote &quote, const Sheet &input, Tally &tally)
{
    Expected out;
    i128 values[30]; // every amount label's value at scale 4
    double held[30]; // the doubles the calculation reads from them
    bool stopped = false;
    for (int r = 0; r < 30; ++r) {
        const Row &row = quote.rows[r];
        out.quantity[r] = input.quantity[r];
        out.price[r] = input.price[r];
        out.amount[r] = input.amount[r];
        if (stopped)
            continue;
        if (quote.faultKey >= 3 * r && quote.faultKey < 3 * r + 3 && (row.hasQuantity || row.hasPrice)) {
            // the row at fault keeps the defaults written before its reading
            if (!row.hasQuantity)
                out.quantity[r] = "1";
            if (!row.hasPrice)
                out.price[r] = "0,00";
            stopped = true;
            continue;
        }
        if (!row.hasQuantity && !row.hasPrice) {
            values[r] = row.staleUnits;
        } else {
            const Decimal q = row.hasQuantity ? row.quantity : Decimal { 1, 0 };
            const Decimal p = row.hasPrice ? row.price : Decimal { 0, 0 };
            const Decimal d = row.hasDiscount ? row.discount : Decimal { 0, 0 };
            if (!row.hasQuantity)
                out.quantity[r] = "1";
            if (!row.hasPrice)
                out.price[r] = "0,00";
            const int scale = q.scale + p.scale + d.scale + 2;
            Q_ASSERT(scale <= 10);
            const i128 factor = 100 * pow10(d.scale) - d.units;
            const i128 exact = p.units * q.units * factor * pow10(10 - scale);
            // the calculation's own doubles
            const long double px = asValue(p.units, p.scale);
            const long double qx = asValue(q.units, q.scale);
            const double dd = static_cast<double>(d.units) / static_cast<double>(pow10(d.scale));
            const double gross = static_cast<double>(px * qx);
            const double off = static_cast<double>(static_cast<long double>(gross) * dd / 100.0L);
            const double amount = static_cast<double>(static_cast<long double>(gross) - off);
            const long double grossX = asValue(p.units * q.units, p.scale + q.scale);
            const long double bound
                = (std::fabs(grossX) * (1.0L + std::fabs(asValue(d.units, d.scale)) / 100.0L)) * 2e-15L
                + std::fabs(asValue(exact, 10)) * 1e-14L;
            values[r] = rounded(exact, 10, 4, bound, through15Digits(amount), tally);
            out.amount[r] = unitsText(values[r], 4);
        }
        held[r] = static_cast<double>(values[r]) / 1e4;
    }

    if (quote.faultKey >= 0) {
        out.vatRate = input.vatRate;
        out.totals = QStringList(5, QStringLiteral("0,00"));
        return out;
    }

    i128 taxable = 0, exempt = 0;
    long double taxableSpread = 0, exemptSpread = 0;
    double taxableHeld = 0, exemptHeld = 0;
    for (int r = 0; r < 30; ++r) {
        const long double size = std::fabs(asValue(values[r], 4));
        if (quote.rows[r].exempt) {
            exempt += values[r];
            exemptSpread += size;
            exemptHeld = static_cast<double>(static_cast<long double>(exemptHeld) + held[r]);
        } else {
            taxable += values[r];
            taxableSpread += size;
            taxableHeld = static_cast<double>(static_cast<long double>(taxableHeld) + held[r]);
        }
    }
    const long double taxableError = taxableSpread * 30 * 1.2e-16L;
    const long double exemptError = exemptSpread * 30 * 1.2e-16L;

    out.vatRate = TrimText(quote.vatRate).isEmpty() ? QStringLiteral("0") : quote.vatRate;
    const long double rateX = asValue(quote.rateUnits, 2);
    const double vatHeld = static_cast<double>(rateX * taxableHeld / 100.0L);
    const double withVatHeld = static_cast<double>(static_cast<long double>(taxableHeld) + vatHeld);
    const double grandHeld = static_cast<double>(static_cast<long double>(withVatHeld) + exemptHeld);

    const i128 vat = quote.rateUnits * taxable; // scale 8
    const i128 withVat = taxable * pow10(4) + vat;
    const i128 grand = withVat + exempt * pow10(4);
    const long double vatBound = taxableError * std::fabs(rateX) / 100 + std::fabs(asValue(vat, 8)) * 4e-16L;
    const long double withVatBound = taxableError + vatBound + std::fabs(asValue(withVat, 8)) * 2.5e-16L;
    const long double grandBound = withVatBound + exemptError + std::fabs(asValue(grand, 8)) * 2.5e-16L;

    out.totals = QStringList {
        unitsText(rounded(taxable, 4, 2, taxableError + std::fabs(asValue(taxable, 4)) * 6e-15L,
                      through15Digits(taxableHeld), tally),
            2),
        unitsText(rounded(vat, 8, 2, vatBound, vatHeld, tally), 2),
        unitsText(rounded(withVat, 8, 2, withVatBound, withVatHeld, tally), 2),
        unitsText(rounded(exempt, 4, 2, exemptError + std::fabs(asValue(exempt, 4)) * 6e-15L,
                      through15Digits(exemptHeld), tally),
            2),
        unitsText(rounded(grand, 8, 2, grandBound, grandHeld, tally), 2),
    };
    return out;
}

// Random quotes: quantities, prices, discounts (up to 150 %), exempt rows,
// skipped rows with or without a number in their amount label, texts with
// blanks, a leading or trailing comma.
class Generator
{
public:
    explicit Generator(quint32 seed)
        : m_random(seed)
    {
    }

    Quote quote(Sheet &sheet)
    {
        Quote quote;
        const int fill = m_random.bounded(1, 101); // per cent of rows used
        for (int r = 0; r < 30; ++r) {
            Row &row = quote.rows[r];
            sheet.amount[r] = chance(50) ? QString() : QStringLiteral("999,99"); // the last calculation's
            row.exempt = chance(20);
            sheet.exempt[r] = row.exempt;
            if (!chance(fill)) {
                if (chance(20)) {
                    row.hasDiscount = true;
                    row.discount = discount();
                    sheet.discount[r] = text(row.discount);
                }
                const int kind = m_random.bounded(4);
                if (kind == 1 || kind == 2) {
                    // a number left in the label: whole, or with up to four decimals
                    const int scale = kind == 1 ? 0 : int(m_random.bounded(1, 5));
                    const i128 stale = signedUnits(scale + 4);
                    row.staleUnits = stale * pow10(4 - scale);
                    row.staleAmount = plainText(stale, scale);
                } else if (kind == 3) {
                    row.staleAmount = QStringLiteral("  ");
                }
                sheet.amount[r] = row.staleAmount;
                continue;
            }
            const int kind = m_random.bounded(20);
            row.hasQuantity = kind != 0 && kind != 1;
            row.hasPrice = kind != 2 && kind != 3;
            if (row.hasQuantity) {
                row.quantity = quantity();
                sheet.quantity[r] = text(row.quantity);
            } else if (chance(30)) {
                sheet.quantity[r] = QStringLiteral("   ");
            }
            if (row.hasPrice) {
                row.price = price();
                sheet.price[r] = text(row.price);
            }
            if (chance(40)) {
                row.hasDiscount = true;
                row.discount = discount();
                sheet.discount[r] = text(row.discount);
            }
        }
        static const QStringList rates { "22", "22", "10", "4", "0", "", " ", "22,5", " 21 ", "100" };
        quote.vatRate = rates[m_random.bounded(int(rates.size()))];
        const auto rate = ParseNumber(quote.vatRate);
        quote.rateUnits = rate ? i128(std::llround(*rate * 100)) : 0;
        sheet.vatRate = quote.vatRate;
        if (chance(15))
            spoil(quote, sheet);
        return quote;
    }

private:
    // Puts one or two texts that are no number into the quote.
    void spoil(Quote &quote, Sheet &sheet)
    {
        const auto note = [&](int key, int field) {
            if (quote.faultKey < 0 || key < quote.faultKey) {
                quote.faultKey = key;
                quote.faultField = field;
            }
        };
        const int count = m_random.bounded(1, 3);
        for (int i = 0; i < count; ++i) {
            const int r = m_random.bounded(30);
            Row &row = quote.rows[r];
            if (chance(15)) {
                sheet.vatRate = quote.vatRate = QStringLiteral("22%");
                note(200, QuoteRecord::PercIva);
            } else if (!row.hasQuantity && !row.hasPrice) {
                sheet.amount[r] = QStringLiteral("n.d.");
                note(100 + r, QuoteRecord::rowField(QuoteRecord::Importo01, r + 1));
            } else {
                const int which = m_random.bounded(3);
                if (which == 0) {
                    sheet.discount[r] = QStringLiteral("5%");
                    note(3 * r, QuoteRecord::rowField(QuoteRecord::PercSconto01, r + 1));
                } else if (which == 1) {
                    sheet.price[r] = QStringLiteral("12.50");
                    row.hasPrice = true;
                    note(3 * r + 1, QuoteRecord::rowField(QuoteRecord::Prezzo01, r + 1));
                } else {
                    sheet.quantity[r] = QStringLiteral("1,5,0");
                    row.hasQuantity = true;
                    note(3 * r + 2, QuoteRecord::rowField(QuoteRecord::Quant01, r + 1));
                }
            }
        }
    }

    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }

    i128 units(int digits) { return i128(m_random.bounded(quint64(pow10(digits)))); }

    i128 signedUnits(int digits) { return chance(20) ? -units(digits) : units(digits); }

    Decimal quantity()
    {
        const int pick = m_random.bounded(10);
        if (pick < 6)
            return { i128(m_random.bounded(1, 11)), 0 };
        if (pick < 8)
            return { units(3), 0 };
        const int scale = m_random.bounded(1, 3);
        return { units(2 + scale), scale };
    }

    Decimal price()
    {
        const int scale = m_random.bounded(5);
        return { units((chance(70) ? 3 : 5) + scale), scale };
    }

    Decimal discount()
    {
        const int scale = m_random.bounded(3);
        const int pick = m_random.bounded(10);
        if (pick == 0)
            return { 100 * pow10(scale), scale };
        if (pick == 1)
            return { i128(m_random.bounded(100, 151)) * pow10(scale), scale };
        return { i128(m_random.bounded(quint64(150 * pow10(scale) + 1))), scale };
    }

    static QString plainText(i128 units, int scale)
    {
        const i128 magnitude = absolute(units);
        QString out = QString::number(qint64(magnitude / pow10(scale)));
        if (scale > 0)
            out += QLatin1Char(',')
                + QString::number(qint64(magnitude % pow10(scale))).rightJustified(scale, QLatin1Char('0'));
        return units < 0 ? QLatin1Char('-') + out : out;
    }

    // The text of a decimal as a user may type it.
    QString text(const Decimal &d)
    {
        const i128 scale = pow10(d.scale);
        QString whole = QString::number(qint64(d.units / scale));
        QString out;
        if (d.scale == 0) {
            out = whole + (chance(5) ? QStringLiteral(",") : QString());
        } else {
            if (whole == QLatin1String("0") && chance(20))
                whole.clear();
            out = whole + QLatin1Char(',')
                + QString::number(qint64(d.units % scale)).rightJustified(d.scale, QLatin1Char('0'));
        }
        if (chance(5))
            out = QStringLiteral(" ") + out;
        if (chance(5))
            out += QStringLiteral("  ");
        return out;
    }

    QRandomGenerator m_random;
};

} // namespace Model

void TestQuoteCalculation::randomQuotesAgreeWithExactModel()
{
    Model::Generator generator(20261211);
    Model::Tally tally;
    for (int n = 0; n < 5000; ++n) {
        Sheet sheet;
        const Model::Quote quote = generator.quote(sheet);
        const Sheet input = sheet;
        const Model::Expected expected = Model::work(quote, input, tally);
        const auto outcome = QuoteCalculation::calculate(sheet);
        const QString where = QStringLiteral("quote %1").arg(n);
        QVERIFY2(outcome.ok == (quote.faultKey < 0), qPrintable(where));
        QVERIFY2(outcome.faultField == quote.faultField, qPrintable(where));
        for (int r = 0; r < 30; ++r) {
            const QString row = QStringLiteral("%1, row %2: %3 x %4 less %5 %")
                                    .arg(where)
                                    .arg(r + 1)
                                    .arg(input.quantity[r], input.price[r], input.discount[r]);
            QVERIFY2(sheet.quantity[r] == expected.quantity[r], qPrintable(row));
            QVERIFY2(sheet.price[r] == expected.price[r], qPrintable(row));
            QVERIFY2(sheet.discount[r] == input.discount[r], qPrintable(row));
            QVERIFY2(sheet.amount[r] == expected.amount[r],
                qPrintable(row + QStringLiteral(": %1, model %2").arg(sheet.amount[r], expected.amount[r])));
        }
        QCOMPARE(sheet.vatRate, expected.vatRate);
        QVERIFY2(totalsOf(sheet) == expected.totals,
            qPrintable(where + QStringLiteral(": ") + totalsOf(sheet).join(" / ") + QStringLiteral(", model ")
                + expected.totals.join(" / ")));
    }
    // The model must decide by itself nearly always; the doubles only
    // settle the half cases.
    qInfo("decided exactly: %lld, half cases: %lld", tally.exact, tally.followed);
    QVERIFY(tally.followed * 20 < tally.exact);
}

void TestQuoteCalculation::numbersReadAlikeUnderACommaLocale()
{
    // The application object hands the system's locale to the C library; an
    // Italian one there must change nothing in how numbers are read or written.
    const QByteArray previous = std::setlocale(LC_NUMERIC, nullptr);
    bool found = false;
    for (const char *name : { "it_IT.UTF-8", "it_IT.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8" }) {
        if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',') {
            found = true;
            break;
        }
    }
    const auto restore = qScopeGuard([&] { std::setlocale(LC_NUMERIC, previous.constData()); });
    if (!found)
        QSKIP("no locale with a decimal comma is installed");
    QCOMPARE(ParseNumber(u"12,5"), std::optional<double>(12.5));
    QCOMPARE(ParseNumber(u"1,5E-3"), std::optional<double>(0.0015));
    QVERIFY(!ParseNumber(u"12.5"));
    QCOMPARE(FormatGeneral(1234.5), QString("1234,5"));
    QCOMPARE(FormatGeneral(1.5e-7), QString("1,5E-7"));
    Sheet sheet = sheetOf({ { "3", "10,5", "10", false }, { "1,5", "0,3335", "", true } }, "22");
    QVERIFY(QuoteCalculation::calculate(sheet).ok);
    QCOMPARE(sheet.amount[0], QString("28,35"));
    QCOMPARE(sheet.amount[1], QString("0,5002"));
    QCOMPARE(totalsOf(sheet), (QStringList { "28,35", "6,24", "34,59", "0,50", "35,09" }));
}

QTEST_APPLESS_MAIN(TestQuoteCalculation)
#include "tst_quotecalculation.moc"
