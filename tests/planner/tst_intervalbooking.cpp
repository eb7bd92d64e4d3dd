// The interval booking's checks, in their order and with their texts, and the
// days it marks across month ends and 29 February.

#include "planner/core/IntervalBooking.h"
#include "planner/core/PlannerRecord.h"

#include <QDate>
#include <QTest>

using namespace IntervalBooking;

Q_DECLARE_METATYPE(IntervalBooking::Field)
Q_DECLARE_METATYPE(IntervalBooking::Message)

class TestIntervalBooking : public QObject
{
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void confirmationText();
    void markedDays_data();
    void markedDays();
};

void TestIntervalBooking::checksInOrder_data()
{
    QTest::addColumn<QStringList>("entries"); // day, month, day, month, text (year 2024 or column 6)
    QTest::addColumn<int>("kind"); // Message
    QTest::addColumn<int>("focus"); // Field
    QTest::addColumn<QString>("message");

    const QString pg = QString(QChar(10)) + QChar(13) + QChar(10) + QChar(13);
    const auto warn = [](const char *what) {
        return QStringLiteral("Attenzione: indicare ") + QLatin1String(what)
            + QStringLiteral(" intervallo selezionandolo dall'elenco a cascata.");
    };
    const int W = int(Message::Warning), P = int(Message::Plain), N = int(Message::None);
    QTest::newRow("all empty: start day first")
        << QStringList { "", "", "", "", "" } << W << int(Field::GiornoInizio) << warn("il giorno di inizio");
    QTest::newRow("blanks count as empty") << QStringList { "  ", "Marzo", "01", "Marzo", "x" } << W
                                           << int(Field::GiornoInizio) << warn("il giorno di inizio");
    QTest::newRow("start month") << QStringList { "01", " ", "01", "Marzo", "x" } << W << int(Field::MeseInizio)
                                 << warn("il mese di inizio");
    QTest::newRow("end day") << QStringList { "01", "Marzo", "", "Marzo", "x" } << W << int(Field::GiornoFine)
                             << warn("il giorno di fine");
    QTest::newRow("end month before a start that does not exist")
        << QStringList { "31", "Aprile", "01", "", "x" } << W << int(Field::MeseFine) << warn("il mese di fine");
    QTest::newRow("31 April as start; the end is not tested")
        << QStringList { "31", "Aprile", "40", "Maggio", "" } << P << int(Field::GiornoInizio)
        << QStringLiteral("Attenzione: la data 31/04/2024 di inizio intervallo non esiste.") + pg
            + QStringLiteral("Per poter effettuare la prenotazione \u00E8 necessario indicare una data valida.");
    QTest::newRow("start month matching no name")
        << QStringList { "01", "Marz", "02", "Marzo", "x" } << P << int(Field::GiornoInizio)
        << QStringLiteral("Attenzione: la data  di inizio intervallo "
                          "non esiste.")
            + pg + QStringLiteral("Per poter effettuare la prenotazione \u00E8 necessario indicare una data valida.");
    QTest::newRow("29 February as end in 2023")
        << QStringList { "01", "febbraio", "29", "FEBBRAIO", "x", "2023" } << P << int(Field::GiornoFine)
        << QStringLiteral("Attenzione: la data 29/02/2023 di fine intervallo non esiste.") + pg
            + QStringLiteral("Per effettuare la prenotazione \u00E8 necessario indicare una data valida.");
    QTest::newRow("end before start, focus unchanged")
        << QStringList { "10", "Maggio", "09", "Maggio", "" } << P << int(Field::None)
        << QStringLiteral("Attenzione: la data di fine intervallo (09/05/2024) non pu\u00F2 essere anteriore a "
                          "quella di inizio intervallo (10/05/2024).")
            + pg
            + QStringLiteral("Per effettuare la prenotazione \u00E8 necessario indicare un intervallo di tempo "
                             "valido.");
    QTest::newRow("dates compared as days, not texts")
        << QStringList { "02", "Gennaio", "01", "Febbraio", "x" } << N << int(Field::None) << QString();
    QTest::newRow("text of blanks") << QStringList { "05", "Marzo", "05", "Marzo", "   " } << W
                                    << int(Field::Prenotazione)
                                    << QStringLiteral("Attenzione: per effettuare la prenotazione \u00E8 necessario "
                                                      "indicare il nome del cliente e/o del cane.");
    QTest::newRow("same day passes, blanks around the pickers")
        << QStringList { " 05 ", " marzo ", "05", "Marzo", "Rex" } << N << int(Field::None) << QString();
}

void TestIntervalBooking::checksInOrder()
{
    QFETCH(QStringList, entries);
    QFETCH(int, kind);
    QFETCH(int, focus);
    QFETCH(QString, message);
    const QString year = entries.size() > 5 ? entries.at(5) : QStringLiteral("2024");
    const Outcome out = check({ entries[0], entries[1], year, entries[2], entries[3], year, entries[4] });
    QCOMPARE(out.ok, kind == int(Message::None));
    QCOMPARE(int(out.kind), kind);
    QCOMPARE(int(out.focus), focus);
    QCOMPARE(out.message, message);
}

void TestIntervalBooking::confirmationText()
{
    const Outcome out = check({ "28", "Febbraio", " 2024 ", "01", "Marzo", "2024", " Rex " });
    QVERIFY(out.ok);
    QCOMPARE(out.startText, QStringLiteral("28/02/2024"));
    QCOMPARE(confirmation(out.startText, out.endText),
        QStringLiteral("INTERVALLO SELEZIONATO:  DAL  28/02/2024 AL 01/03/2024.\r\n\r\nSi conferma la prenotazione?"));
}

void TestIntervalBooking::markedDays_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    const int feb28 = PlannerRecord::Feb29 - 1, mar01 = PlannerRecord::Feb29 + 1;
    QTest::newRow("29 February in a leap year") << "2024"
                                                << "28/02/2024"
                                                << "01/03/2024" << 3 << feb28 << mar01;
    QTest::newRow("29 February skipped in 2023") << "2023"
                                                 << "28/02/2023"
                                                 << "01/03/2023" << 2 << feb28 << mar01;
    QTest::newRow("skipped in 1900") << "1900"
                                     << "28/02/1900"
                                     << "01/03/1900" << 2 << feb28 << mar01;
    QTest::newRow("whole leap year") << "2024"
                                     << "01/01/2024"
                                     << "31/12/2024" << 366 << 0 << 365;
    QTest::newRow("whole common year") << "2025"
                                       << "01/01/2025"
                                       << "31/12/2025" << 365 << 0 << 365;
    QTest::newRow("across a month end") << "2025"
                                        << "30/04/2025"
                                        << "02/05/2025" << 3 << PlannerRecord::dayIndex(4, 30)
                                        << PlannerRecord::dayIndex(5, 2);
    QTest::newRow("one day") << "2025"
                             << "31/12/2025"
                             << "31/12/2025" << 1 << 365 << 365;
}

void TestIntervalBooking::markedDays()
{
    QFETCH(QString, year);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, last);
    const QList<int> got = days(year, start, end);
    QCOMPARE(got.size(), count);
    QCOMPARE(got.first(), first);
    QCOMPARE(got.last(), last);
    for (qsizetype i = 1; i < got.size(); ++i) // calendar order, no day twice
        QVERIFY(got.at(i) > got.at(i - 1));
    if (!QDate::isLeapYear(year.toInt()))
        QVERIFY(!got.contains(PlannerRecord::Feb29));
}

QTEST_GUILESS_MAIN(TestIntervalBooking)
#include "tst_intervalbooking.moc"
