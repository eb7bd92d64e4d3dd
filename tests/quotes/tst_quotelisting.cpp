// The quote list line, the pending and import conditions, and the start
// number of the quotes in Numerazione.ini.
#include "app/core/Ini.h"
#include "catalog/core/ServiceRecord.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/SearchMatch.h"
#include "quotes/core/QuoteListing.h"
#include "quotes/core/QuoteNumbering.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/CoreSupport.h"

#include <QDir>
#include <QTest>

using namespace TestSupport;

class TestQuoteListing : public QObject
{
    Q_OBJECT
private slots:
    void lineHasItsColumnsAndTheTotalAt141_data();
    void lineHasItsColumnsAndTheTotalAt141();
    void linesSortInTextOrderOfTheNumbers();
    void pendingOnlyForSi_data();
    void pendingOnlyForSi();
    void offeredServiceOnlyForNo_data();
    void offeredServiceOnlyForNo();
    void normaliserMakesAWholeNumber_data();
    void normaliserMakesAWholeNumber();
    void startNumberFromTheSettings_data();
    void startNumberFromTheSettings();
    void storeKeepsTheIssuerSectionByteForByte();
    void unreadableSettingsFileIsReported();
};

void TestQuoteListing::lineHasItsColumnsAndTheTotalAt141_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("vat");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short fields padded") << "7"
                                         << "01/02/2026"
                                         << "Rossi Mario"
                                         << "12345678901"
                                         << "Pensione estiva"
                                         << "122,00"
                                         << QString("Prev. n. 7 del 01/02/2026" + QString(9, ' ') + "  Rossi Mario"
                                                + QString(24, ' ') + "  P.I. 12345678901  Rif. Pensione estiva"
                                                + QString(20, ' ') + QString::fromUtf8("  Tot. € 122,00"));
    QTest::newRow("long fields cut, blanks trimmed")
        << "  2026/000123456789  "
        << "31/12/2026" << QString(50, 'C') << "IT123456789012" << QString(40, 'R') << " 1,5 "
        << QString("Prev. n. 2026/000123456789 del 31/  " + QString(35, 'C') + "  P.I. IT123456789  Rif. "
               + QString(35, 'R') + QString::fromUtf8("  Tot. € 1,5"));
    QTest::newRow("empty record") << ""
                                  << ""
                                  << ""
                                  << ""
                                  << ""
                                  << ""
                                  << QString("Prev. n.  del " + QString(20, ' ') + "  " + QString(35, ' ') + "  P.I. "
                                         + QString(11, ' ') + "  Rif. " + QString(35, ' ')
                                         + QString::fromUtf8("  Tot. € "));
}

void TestQuoteListing::lineHasItsColumnsAndTheTotalAt141()
{
    QFETCH(QString, number);
    QFETCH(QString, date);
    QFETCH(QString, customer);
    QFETCH(QString, vat);
    QFETCH(QString, reference);
    QFETCH(QString, total);
    QFETCH(QString, expected);
    RecordBuffer r(QuoteRecord::layout());
    r.setText(QuoteRecord::NumFatt, number);
    r.setText(QuoteRecord::Data, date);
    r.setText(QuoteRecord::Cliente, customer);
    r.setText(QuoteRecord::IvaCliente, vat);
    r.setText(QuoteRecord::Riferimenti, reference);
    r.setText(QuoteRecord::TotFattura, total);
    r.setText(QuoteRecord::Note, u"not listed");
    const QString line = QuoteListing::line(r.bytes().constData());
    QCOMPARE(line, expected);
    QCOMPARE(line.mid(QuoteListing::kFixedChars), total.trimmed());
    QCOMPARE(line.left(QuoteListing::kFixedChars).right(9), QString::fromUtf8("  Tot. € "));
}

void TestQuoteListing::linesSortInTextOrderOfTheNumbers()
{
    ListLines lines;
    for (const char *n : { "1", "2", "10", "11" }) {
        RecordBuffer r(QuoteRecord::layout());
        r.setText(QuoteRecord::NumFatt, QString::fromLatin1(n));
        r.setText(QuoteRecord::Data, u"05/03/2026");
        lines.push_back({ QuoteListing::line(r.bytes().constData()), qint64(lines.size()) });
    }
    SearchMatch::sortLines(lines);
    QList<qint64> order;
    for (const ListLine &l : lines)
        order << l.record;
    QCOMPARE(order, (QList<qint64> { 0, 2, 3, 1 })); // 1, 10, 11, 2
}

void TestQuoteListing::pendingOnlyForSi_data()
{
    QTest::addColumn<QByteArray>("flag"); // the stored bytes: length, then text
    QTest::addColumn<bool>("pending");
    QTest::newRow("Sì") << QByteArray("\x02S\xEC", 3) << true;
    QTest::newRow("No") << QByteArray("\x02No", 3) << false;
    QTest::newRow("empty") << QByteArray(3, '\0') << false;
    QTest::newRow("XX") << QByteArray("\x02XX", 3) << false;
    QTest::newRow("sì lower-case") << QByteArray("\x02s\xEC", 3) << false;
    QTest::newRow("SI") << QByteArray("\x02SI", 3) << false;
}

void TestQuoteListing::pendingOnlyForSi()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, pending);
    QByteArray record(QuoteRecord::size(), '\0');
    record.replace(QuoteRecord::layout().offset(QuoteRecord::Saldata), 3, flag);
    QCOMPARE(record.size(), QuoteRecord::size());
    QCOMPARE(QuoteListing::isPending(record.constData()), pending);
}

void TestQuoteListing::offeredServiceOnlyForNo_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("offered");
    QTest::newRow("No") << QByteArray("\x02No", 3) << true;
    QTest::newRow("Sì") << QByteArray("\x02S\xEC", 3) << false;
    QTest::newRow("empty") << QByteArray(3, '\0') << false;
    QTest::newRow("X") << QByteArray("\x01X\0", 3) << false;
    QTest::newRow("no lower-case") << QByteArray("\x02no", 3) << false;
}

void TestQuoteListing::offeredServiceOnlyForNo()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, offered);
    QByteArray record(ServiceRecord::size(), '\0');
    record.replace(ServiceRecord::layout().offset(ServiceRecord::NonErogabile), 3, flag);
    QCOMPARE(QuoteListing::isOfferedService(record.constData()), offered);
}

void TestQuoteListing::normaliserMakesAWholeNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("leading zeros") << "00050"
                                   << "50";
    QTest::newRow("empty") << ""
                           << "1";
    QTest::newRow("blanks only") << "   "
                                 << "1";
    QTest::newRow("letters") << "abc"
                             << "1";
    QTest::newRow("point") << "1.5"
                           << "1";
    QTest::newRow("half up") << "2,5"
                             << "3";
    QTest::newRow("lone comma") << ","
                                << "0";
    QTest::newRow("signed lone comma") << "-,"
                                       << "0";
    QTest::newRow("comma first") << ",5"
                                 << "1";
    QTest::newRow("comma last") << "5,"
                                << "5";
    QTest::newRow("two commas") << "1,2,3"
                                << "1";
    QTest::newRow("exponent") << "1E3"
                              << "1000";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("blanks around") << " 7 "
                                   << "7";
    QTest::newRow("more than five digits stored by hand") << "123456"
                                                          << "123456";
    QTest::newRow("negative whole number stays") << "-3"
                                                 << "-3";
    QTest::newRow("negative half away from zero") << "-2,5"
                                                  << "-3";
    QTest::newRow("huge") << "123456789012345678"
                          << "1,23456789012346E17";
}

void TestQuoteListing::normaliserMakesAWholeNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, normalised);
    QCOMPARE(QuoteNumbering::normalise(typed), normalised);
}

void TestQuoteListing::startNumberFromTheSettings_data()
{
    QTest::addColumn<QByteArray>("ini"); // empty: no file
    QTest::addColumn<qint64>("start"); // -1: not a whole number
    QTest::newRow("no file") << QByteArray() << qint64(1);
    QTest::newRow("no key") << QByteArray("[Ditta Emittente]\r\nNome=Pensione\r\n") << qint64(1);
    QTest::newRow("empty value") << QByteArray("[Numerazione Preventivi]\r\nInizio=\r\n") << qint64(1);
    QTest::newRow("50") << QByteArray("[Numerazione Preventivi]\r\nInizio=50\r\n") << qint64(50);
    QTest::newRow("zero") << QByteArray("[Numerazione Preventivi]\r\nInizio=0\r\n") << qint64(0);
    QTest::newRow("section and key in other case")
        << QByteArray("[numerazione preventivi]\nINIZIO = 12\n") << qint64(12);
    QTest::newRow("letters") << QByteArray("[Numerazione Preventivi]\r\nInizio=abc\r\n") << qint64(-1);
    QTest::newRow("exponent form") << QByteArray("[Numerazione Preventivi]\r\nInizio=1,23456789012346E17\r\n")
                                   << qint64(-1);
    QTest::newRow("decimal") << QByteArray("[Numerazione Preventivi]\r\nInizio=2,5\r\n") << qint64(-1);
}

void TestQuoteListing::startNumberFromTheSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(qint64, start);
    TempProgramFolder folder;
    if (!ini.isEmpty())
        writeFile(QuoteNumbering::iniPath(), ini);
    if (start < 0) {
        QVERIFY_THROWS_EXCEPTION(QuoteNumbering::NotANumber, QuoteNumbering::start());
    } else {
        QCOMPARE(QuoteNumbering::start(), start);
    }
}

void TestQuoteListing::storeKeepsTheIssuerSectionByteForByte()
{
    TempProgramFolder folder;
    const QByteArray issuer
        = QByteArray("[Ditta Emittente]\r\nNome=Pensione Forl\xEC\r\nIban=IT60X0542811101000000123456\r\n");
    writeFile(QuoteNumbering::iniPath(), issuer);
    QuoteNumbering::store(QStringLiteral("50"));
    const QByteArray after = readFile(QuoteNumbering::iniPath());
    QVERIFY(after.startsWith(issuer));
    QVERIFY(after.endsWith("[Numerazione Preventivi]\r\nInizio=50\r\n"));
    QCOMPARE(QuoteNumbering::start(), qint64(50));
    QCOMPARE(
        IniFile(QuoteNumbering::iniPath()).readString("Ditta Emittente", "Nome"), QString::fromUtf8("Pensione Forlì"));
}

void TestQuoteListing::unreadableSettingsFileIsReported()
{
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(QuoteNumbering::iniPath())); // a folder where the file should be
    QVERIFY_THROWS_EXCEPTION(IniError, QuoteNumbering::start());
    QVERIFY_THROWS_EXCEPTION(IniError, QuoteNumbering::store(QStringLiteral("5")));
}

QTEST_GUILESS_MAIN(TestQuoteListing)
#include "tst_quotelisting.moc"
