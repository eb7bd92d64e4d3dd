#include "common/TextRoutines.h"

#include <QTest>

class TestTextRoutines : public QObject
{
    Q_OBJECT
private slots:
    void substrings_data();
    void substrings();
    void trimAndCase();
    void isNumeric_data();
    void isNumeric();
    void dates_data();
    void dates();
    void roundToDecimals_data();
    void roundToDecimals();
    void formatGeneral_data();
    void formatGeneral();
    void amountNormaliser_data();
    void amountNormaliser();
    void containsNoCase();
    void parsePosition_data();
    void parsePosition();
};

void TestTextRoutines::substrings_data()
{
    QTest::addColumn<QString>("routine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("expected");
    QTest::newRow("right shorter") << "right"
                                   << "abc" << 5 << 0 << "abc";
    QTest::newRow("right cut") << "right"
                               << "abcdef" << 2 << 0 << "ef";
    QTest::newRow("left shorter") << "left"
                                  << "ab" << 5 << 0 << "ab";
    QTest::newRow("left cut") << "left"
                              << "abcdef" << 3 << 0 << "abc";
    QTest::newRow("left zero") << "left"
                               << "abc" << 0 << 0 << "";
    QTest::newRow("mid") << "mid"
                         << "abcdef" << 2 << 3 << "bcd";
    QTest::newRow("mid past end") << "mid"
                                  << "abc" << 4 << 2 << "";
    QTest::newRow("mid short tail") << "mid"
                                    << "abcdef" << 5 << 10 << "ef";
}

void TestTextRoutines::substrings()
{
    QFETCH(QString, routine);
    QFETCH(QString, text);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, expected);
    QString got;
    if (routine == "left")
        got = LeftText(text, quint16(a));
    else if (routine == "right")
        got = RightText(text, quint16(a));
    else
        got = MidText(text, quint16(a), quint16(b));
    QCOMPARE(got, expected);
}

void TestTextRoutines::trimAndCase()
{
    QCOMPARE(TrimText(QString::fromUtf8("\t  x y \x01\n")), QString("x y"));
    // A non-breaking space is above code 32 and stays.
    QCOMPARE(TrimText(QString::fromUtf8("\u00A0x")), QString::fromUtf8("\u00A0x"));
    QCOMPARE(AsciiUpper(QString::fromUtf8("abc\u00E0\u00DFz")), QString::fromUtf8("ABC\u00E0\u00DFZ"));
    QCOMPARE(AsciiLower(QString::fromUtf8("ABC\u00C0")), QString::fromUtf8("abc\u00C0"));
}

void TestTextRoutines::isNumeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("digits") << "0123456789" << true;
    QTest::newRow("blank") << "12 3" << false;
    QTest::newRow("sign") << "-1" << false;
    QTest::newRow("arabic digit") << QString::fromUtf8("\u0661") << false;
}

void TestTextRoutines::isNumeric()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(IsNumeric(text), expected);
}

void TestTextRoutines::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "15/08/2024" << true;
    QTest::newRow("short day month") << "1/2/2024" << true;
    QTest::newRow("31 feb") << "31/02/2024" << false;
    QTest::newRow("29 feb leap") << "29/02/2024" << true;
    QTest::newRow("29 feb common") << "29/02/2023" << false;
    QTest::newRow("two-digit year") << "01/01/24" << false;
    QTest::newRow("dashes") << "01-01-2024" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "aa/bb/cccc" << false;
}

void TestTextRoutines::dates()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IsValidDate(text), valid);
    if (valid)
        QCOMPARE(FormatDate(*ParseDate(text)).size(), 10);
}

void TestTextRoutines::roundToDecimals_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("expected");
    QTest::newRow("half up") << 12.345 << 2 << 12.35;
    QTest::newRow("binary below half") << 2.675 << 2 << 2.67;
    QTest::newRow("1,999") << 1.999 << 2 << 2.0;
    QTest::newRow("four decimals") << 0.12345 << 4 << 0.1235;
    QTest::newRow("n zero") << 2.5 << 0 << 3.0;
    QTest::newRow("negative n") << 2.4 << -1 << 2.0;
    QTest::newRow("negative mirrored") << -12.345 << 2 << -12.35;
    QTest::newRow("negative half") << -2.5 << 0 << -3.0;
}

void TestTextRoutines::roundToDecimals()
{
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(double, expected);
    QCOMPARE(RoundToDecimals(x, n), expected);
}

void TestTextRoutines::formatGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("integer") << 5.0 << "5";
    QTest::newRow("decimal") << 12.5 << "12,5";
    QTest::newRow("small") << 0.1235 << "0,1235";
    QTest::newRow("negative") << -3.25 << "-3,25";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("large") << 1.5e20 << "1,5E20";
    QTest::newRow("tiny") << 1e-6 << "1E-6";
    QTest::newRow("tenth of thousandth") << 0.00001 << "0,00001";
}

void TestTextRoutines::formatGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatGeneral(value), expected);
}

void TestTextRoutines::amountNormaliser_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("emptyStays");
    QTest::addColumn<QString>("expected");
    QTest::newRow("12,5") << "12,5" << 2 << false << "12,50";
    QTest::newRow("5") << "5" << 2 << false << "5,00";
    QTest::newRow("1,999") << "1,999" << 2 << false << "2,00";
    QTest::newRow("empty") << "" << 2 << false << "0,00";
    QTest::newRow("blanks") << "   " << 2 << false << "0,00";
    QTest::newRow("not a number") << "abc" << 2 << false << "0,00";
    QTest::newRow("two commas") << "1,2,3" << 2 << false << "0,00";
    QTest::newRow("comma alone") << "," << 2 << false << "0,00";
    QTest::newRow("leading comma") << ",5" << 2 << false << "0,50";
    QTest::newRow("trailing comma") << "7," << 2 << false << "7,00";
    QTest::newRow("blanks around") << " 3,1 " << 2 << false << "3,10";
    QTest::newRow("quote empty stays") << "" << 4 << true << "";
    QTest::newRow("quote 0,12345") << "0,12345" << 4 << true << "0,1235";
    QTest::newRow("quote 3") << "3" << 4 << true << "3,00";
    QTest::newRow("quote not a number") << "x" << 4 << true << "0,00";
    QTest::newRow("dot is no separator") << "1.5" << 2 << false << "0,00";
}

void TestTextRoutines::amountNormaliser()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(bool, emptyStays);
    QFETCH(QString, expected);
    QCOMPARE(AmountNormaliser(text, decimals, emptyStays), expected);
}

void TestTextRoutines::containsNoCase()
{
    QVERIFY(ContainsNoCase(QString("Mario Rossi"), QString("ROSS")));
    QVERIFY(ContainsNoCase(QString("abc"), QString()));
    QVERIFY(!ContainsNoCase(QString("ab"), QString("abc")));
    // Only ASCII letters are folded.
    QVERIFY(!ContainsNoCase(QString::fromUtf8("\u00E0"), QString::fromUtf8("\u00C0")));
    QVERIFY(EqualsNoCase(u"Accesso", u"ACCESSO"));
    QVERIFY(!EqualsNoCase(u"Accesso", u"Accessi"));
    QVERIFY(!EqualsNoCase(QString::fromUtf8("\u00E0"), QString::fromUtf8("\u00C0")));
    QCOMPARE(TrimmedView(u" \t x y \n").toString(), QString("x y"));
}

void TestTextRoutines::parsePosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("plain") << "8" << qint64(8) << true;
    QTest::newRow("blanks") << " 12 " << qint64(12) << true;
    QTest::newRow("empty") << "" << qint64(0) << false;
    QTest::newRow("letters") << "8a" << qint64(0) << false;
    QTest::newRow("decimal") << "1,5" << qint64(0) << false;
}

void TestTextRoutines::parsePosition()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QFETCH(bool, ok);
    const auto parsed = ParsePosition(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(TestTextRoutines)
#include "tst_textroutines.moc"
