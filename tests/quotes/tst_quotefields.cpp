// The quote editor's field rules without the window: the normalisers of the
// quantity, discount, VAT-rate and price edits, the amount edits' key verdicts,
// the proposed quote number, the save's refusal of numbers that a field would
// cut, and the issuing company's settings in Numerazione.ini.
#include "app/core/Ini.h"
#include "common/ProgramFolder.h"
#include "quotes/core/IssuerSettings.h"
#include "quotes/core/QuoteFields.h"
#include "quotes/core/QuoteNumbering.h"
#include "tests/support/CoreSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace TestSupport;
using QuoteFields::AmountKey;

class TestQuoteFields : public QObject
{
    Q_OBJECT
private slots:
    void quantityNormaliser_data();
    void quantityNormaliser();
    void priceNormaliser_data();
    void priceNormaliser();
    void amountKeys_data();
    void amountKeys();
    void clampCutsOnlyLongerTexts();
    void proposedNumber_data();
    void proposedNumber();
    void cutThatChangesValue_data();
    void cutThatChangesValue();
    void settingsRoundTripKeepsNumbering();
    void damagedSettingsFileLeftAsItWas_data();
    void damagedSettingsFileLeftAsItWas();
};

void TestQuoteFields::quantityNormaliser_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks stay") << "   "
                                 << "   ";
    QTest::newRow("3") << "3"
                       << "3";
    QTest::newRow("leading zeros") << "0003"
                                   << "3";
    QTest::newRow("2,50") << "2,50"
                          << "2,5";
    QTest::newRow("2,0") << "2,0"
                         << "2";
    QTest::newRow("12,345") << "12,345"
                            << "12,345";
    QTest::newRow("4 decimals") << "1,23456"
                                << "1,2346";
    QTest::newRow("below the 4th decimal") << "0,00004"
                                           << "0";
    QTest::newRow(",5") << ",5"
                        << "0,5";
    QTest::newRow("5,") << "5,"
                        << "5";
    QTest::newRow("lone comma") << ","
                                << "0";
    QTest::newRow("two commas") << "1,2,3"
                                << "";
    QTest::newRow("two lone commas") << ",,"
                                     << "";
    QTest::newRow("point") << "1.5"
                           << "";
    QTest::newRow("letters") << "abc"
                             << "";
    QTest::newRow("blanks around") << " 7 "
                                   << "7";
    QTest::newRow("tab is no blank") << "\t7"
                                     << "";
    QTest::newRow("exponent") << "1e3"
                              << "1000";
    QTest::newRow("pasted 1E6") << "1E6"
                                << "1000000";
    QTest::newRow("exponent form from 10^15") << "1E15"
                                              << "1E15";
    QTest::newRow("beyond a double") << "1E400"
                                     << "";
}

void TestQuoteFields::quantityNormaliser()
{
    QFETCH(QString, left);
    QFETCH(QString, after);
    QCOMPARE(QuoteFields::quantityNormalised(left), after);
}

void TestQuoteFields::priceNormaliser_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks become empty") << "   "
                                         << "";
    QTest::newRow("12") << "12"
                        << "12,00";
    QTest::newRow("007") << "007"
                         << "7,00";
    QTest::newRow("0") << "0"
                       << "0,00";
    QTest::newRow("12,5") << "12,5"
                          << "12,50";
    QTest::newRow("12,30") << "12,30"
                           << "12,30";
    QTest::newRow("12,3000") << "12,3000"
                             << "12,30";
    QTest::newRow("12,345") << "12,345"
                            << "12,345";
    QTest::newRow("12,34567") << "12,34567"
                              << "12,3457";
    QTest::newRow("12,99999") << "12,99999"
                              << "13,00";
    QTest::newRow(",5") << ",5"
                        << "0,50";
    QTest::newRow("5,") << "5,"
                        << "5,00";
    QTest::newRow(",") << ","
                       << "0,00";
    QTest::newRow("0,00004") << "0,00004"
                             << "0,00";
    QTest::newRow("0,00005") << "0,00005"
                             << "0,0001";
    QTest::newRow("1,00005") << "1,00005"
                             << "1,0001";
    QTest::newRow("2,00005") << "2,00005"
                             << "2,00";
    QTest::newRow("12,34565") << "12,34565"
                              << "12,3456";
    QTest::newRow("1,2,3") << "1,2,3"
                           << "0,00";
    QTest::newRow(",,") << ",,"
                        << "0,00";
    QTest::newRow("ten digits") << "9999999999"
                                << "9999999999,00";
    QTest::newRow("point") << "12.50"
                           << "0,00";
}

void TestQuoteFields::priceNormaliser()
{
    QFETCH(QString, left);
    QFETCH(QString, after);
    QCOMPARE(QuoteFields::priceNormalised(left), after);
}

void TestQuoteFields::amountKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<AmountKey>("verdict");
    const int none = Qt::NoModifier;
    QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << none << AmountKey::Successor;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << int(Qt::KeypadModifier) << AmountKey::Successor;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << none << AmountKey::Pass;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << none << AmountKey::Pass;
    QTest::newRow("Left") << int(Qt::Key_Left) << "" << none << AmountKey::Pass;
    QTest::newRow("Right") << int(Qt::Key_Right) << "" << none << AmountKey::Pass;
    QTest::newRow("digit") << int(Qt::Key_7) << "7" << none << AmountKey::Pass;
    QTest::newRow("keypad digit") << int(Qt::Key_4) << "4" << int(Qt::KeypadModifier) << AmountKey::Pass;
    QTest::newRow("comma") << int(Qt::Key_Comma) << "," << none << AmountKey::Pass;
    // Qt's codes of these are 46, 37 and 39: the old Delete, Left and Right.
    QTest::newRow("point") << int(Qt::Key_Period) << "." << none << AmountKey::Refuse;
    QTest::newRow("percent") << int(Qt::Key_Percent) << "%" << int(Qt::ShiftModifier) << AmountKey::Refuse;
    QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << "'" << none << AmountKey::Refuse;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << none << AmountKey::Refuse;
    QTest::newRow("Home") << int(Qt::Key_Home) << "" << none << AmountKey::Refuse;
    QTest::newRow("Up") << int(Qt::Key_Up) << "" << none << AmountKey::Refuse;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b" << none << AmountKey::Refuse;
    QTest::newRow("space") << int(Qt::Key_Space) << " " << none << AmountKey::Refuse;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << none << AmountKey::Refuse;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << none << AmountKey::Refuse;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << "\x16" << int(Qt::ControlModifier) << AmountKey::Refuse;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << "\x1a" << int(Qt::ControlModifier) << AmountKey::Refuse;
    QTest::newRow("Ctrl+digit") << int(Qt::Key_1) << "1" << int(Qt::ControlModifier) << AmountKey::Refuse;
}

void TestQuoteFields::amountKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(AmountKey, verdict);
    QCOMPARE(QuoteFields::amountKey(key, text, modifiers), verdict);
}

void TestQuoteFields::clampCutsOnlyLongerTexts()
{
    QCOMPARE(QuoteFields::clamped(QStringLiteral("1000000"), 6), QStringLiteral("100000"));
    QCOMPARE(QuoteFields::clamped(QStringLiteral("9999999999,00"), 10), QStringLiteral("9999999999"));
    QCOMPARE(QuoteFields::clamped(QStringLiteral("12,50"), 6), QStringLiteral("12,50"));
}

void TestQuoteFields::proposedNumber_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<qint64>("number"); // -1: no number
    QTest::newRow("no start, empty file") << "" << qint64(0) << qint64(1);
    QTest::newRow("blank start counts as 1") << "  " << qint64(4) << qint64(5);
    QTest::newRow("100 and 7 stored") << "100" << qint64(7) << qint64(107);
    QTest::newRow("blanks around") << " 100 " << qint64(7) << qint64(107);
    QTest::newRow("sign") << "+5" << qint64(0) << qint64(5);
    QTest::newRow("not an integer") << "abc" << qint64(0) << qint64(-1);
    QTest::newRow("decimal") << "1,5" << qint64(0) << qint64(-1);
    QTest::newRow("hexadecimal") << "$1F" << qint64(0) << qint64(-1);
    QTest::newRow("beyond 32 bits") << "99999999999" << qint64(0) << qint64(-1);
}

void TestQuoteFields::proposedNumber()
{
    QFETCH(QString, start);
    QFETCH(qint64, stored);
    QFETCH(qint64, number);
    const std::optional<qint64> first = QuoteNumbering::parseStart(start);
    const std::optional<qint64> got = first ? std::optional<qint64>(*first + stored) : std::nullopt;
    QCOMPARE(got.value_or(-1), number);
}

void TestQuoteFields::cutThatChangesValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<bool>("refused");
    QTest::newRow("fits") << "12,50" << 10 << false;
    QTest::newRow("only a decimal is cut") << "1234567,125" << 10 << false;
    QTest::newRow("only the padding is cut") << "9999999999,00" << 10 << false;
    QTest::newRow("integer digits cut") << "12345678901,00" << 10 << true;
    QTest::newRow("quantity of 7 digits") << "1000000" << 6 << true;
    QTest::newRow("exponent form") << "9,999989999E15" << 10 << true;
    QTest::newRow("exponent form that fits") << "1E15,00" << 10 << true;
    QTest::newRow("empty") << "" << 6 << false;
}

void TestQuoteFields::cutThatChangesValue()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(bool, refused);
    QCOMPARE(QuoteFields::cutLosesValue(text, capacity), refused);
}

void TestQuoteFields::settingsRoundTripKeepsNumbering()
{
    TempProgramFolder folder;
    writeFile(IssuerSettings::path(),
        "[Numerazione Preventivi]\r\nInizio=100\r\n[Ditta Emittente]\r\nNome=Vecchia\r\nAltro=resta\r\n");
    QStringList values = IssuerSettings::read();
    QCOMPARE(values.size(), 13);
    QCOMPARE(values.first(), QStringLiteral("Vecchia"));
    QVERIFY(values.mid(1).join(QString()).isEmpty());

    values = { "  Pensione La Cuccia  ", "Via Roma 1", "20100", "Milano", "mi", "01234567890", "RSSMRA80A01F205X",
        "libero uno", "libero due", "Bonifico", "Banca d'Italia", "IT60X0542811101000000123456", "22" };
    IssuerSettings::write(values);

    const QStringList back = IssuerSettings::read();
    QCOMPARE(back.first(), QStringLiteral("Pensione La Cuccia")); // trimmed, inner blanks kept
    QCOMPARE(back.mid(1), values.mid(1));
    QCOMPARE(QuoteNumbering::stored(), QStringLiteral("100"));
    const QByteArray file = readFile(IssuerSettings::path());
    QVERIFY(file.contains("Altro=resta"));
    QVERIFY(file.contains("Partita IVA=01234567890\r\n")); // key names as they are: blanks, capitals
    QVERIFY(file.contains("Aliquota Iva=22\r\n"));
}

void TestQuoteFields::damagedSettingsFileLeftAsItWas_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder in its place") << true;
    QTest::newRow("a huge file") << false;
}

void TestQuoteFields::damagedSettingsFileLeftAsItWas()
{
    QFETCH(bool, folder);
    TempProgramFolder tmp;
    QByteArray huge;
    if (folder) {
        QVERIFY(QDir().mkpath(IssuerSettings::path()));
    } else {
        huge = QByteArray(IniFile::kMaxFileSize + 10, 'x');
        writeFile(IssuerSettings::path(), huge);
    }
    QVERIFY_THROWS_EXCEPTION(IniError, IssuerSettings::read());
    QVERIFY_THROWS_EXCEPTION(IniError, QuoteNumbering::stored());
    QVERIFY_THROWS_EXCEPTION(IniError, IssuerSettings::write(QStringList(13, QStringLiteral("x"))));
    if (folder)
        QVERIFY(QFileInfo(IssuerSettings::path()).isDir());
    else
        QCOMPARE(readFile(IssuerSettings::path()), huge);
}

QTEST_GUILESS_MAIN(TestQuoteFields)
#include "tst_quotefields.moc"
