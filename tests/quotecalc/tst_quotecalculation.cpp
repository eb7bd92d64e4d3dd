// The quote calculation: the worked quotes, the rows' amounts, the totals,
// the failures and their field, the number texts it relies on, and a model of
// its own (exact decimal arithmetic) held against it over random quotes.

#include "common/TextRoutines.h"
#include "quotes/core/QuoteCalculation.h"
#include "quotes/core/QuoteRecord.h"

#include <QRandomGenerator>
#include <QtTest>

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

QTEST_APPLESS_MAIN(TestQuoteCalculation)
#include "tst_quotecalculation.moc"
