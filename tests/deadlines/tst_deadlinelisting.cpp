// How deadlines are listed: the summary line, the summaries' conditions, the
// lists by date with their chronological key, and the rows of a selection.
#include "common/SpreadsheetExport.h"
#include "deadlines/core/DeadlineListing.h"
#include "deadlines/core/DeadlineRecord.h"
#include "deadlines/core/Imminence.h"
#include "tests/deadlines/DeadlineFixture.h"
#include "tests/support/CoreSupport.h"

#include <QTest>

using TestSupport::TempProgramFolder;
using D = DeadlineRecord::Field;

class TestDeadlineListing : public QObject
{
    Q_OBJECT
private slots:
    void summaryLine_data();
    void summaryLine();
    void summaryConditions_data();
    void summaryConditions();
    void summaryLinesSortPastTheirSharedBeginning();
    void sortKeyIsMonthDayHourMinute();
    void monthRuleTakesAnyCaseOfCalendarYearOnly();
    void dayRuleComparesDateText();
    void imminentTestTakesWhatAlertCounts();
    void selectionSortsAndKeepsReadingNumbers();
    void selectionOfEmptyAndUnmatchedFiles();
    void largeSelectionReadInPartsAsOnePass();
};

void TestDeadlineListing::summaryLine_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("expected");

    const QString forty = QStringLiteral("Vaccinazione antirabbica - richiamo 1/2 ");
    const QString owner29 = QStringLiteral("Bianchi Giovanni Maria Luigia");
    QTest::newRow("cuts at 30 and 28, amount whole")
        << Deadline { .dettagli = forty, .proprietario = owner29, .costo = QStringLiteral("0,00") }.bytes()
        << QStringLiteral("Vaccinazione antirabbica - ric  Data: 05/03/2024  Ora: 09:30  Prop. Bianchi Giovanni "
                          "Maria Luigi  Cane: Fido                          \u20AC 0,00");
    QTest::newRow("empty fields padded")
        << Deadline { .data = {}, .ora = {}, .dettagli = {}, .proprietario = {}, .nome = {}, .costo = {} }.bytes()
        << QString(30, ' ') + QStringLiteral("  Data: ") + QString(10, ' ') + QStringLiteral("  Ora: ")
            + QString(5, ' ') + QStringLiteral("  Prop. ") + QString(28, ' ') + QStringLiteral("  Cane: ")
            + QString(28, ' ') + QStringLiteral("  \u20AC ");
    QTest::newRow("long amount not cut")
        << Deadline { .costo = QStringLiteral("123456789012,50") }.bytes()
        << QStringLiteral("Vaccino                         Data: 05/03/2024  Ora: 09:30  Prop. Rossi Mario        "
                          "           Cane: Fido                          \u20AC 123456789012,50");
}

void TestDeadlineListing::summaryLine()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, expected);
    const QString line = DeadlineListing::summaryLine(record.constData());
    QCOMPARE(line, expected);
    QCOMPARE(line.indexOf(QChar(0x20AC)), 134);
    QCOMPARE(DeadlineListing::kFixedChars, 136);
}

void TestDeadlineListing::summaryConditions_data()
{
    QTest::addColumn<bool>("daConfermare");
    QTest::addColumn<bool>("effettuata");
    QTest::addColumn<bool>("toMake");
    QTest::addColumn<bool>("made");
    QTest::addColumn<bool>("toConfirm");
    QTest::newRow("No, No") << false << false << true << false << false;
    QTest::newRow("No, Si") << false << true << false << true << false;
    QTest::newRow("Si, No") << true << false << true << false << true;
    QTest::newRow("Si, Si") << true << true << false << true << true;
}

void TestDeadlineListing::summaryConditions()
{
    QFETCH(bool, daConfermare);
    QFETCH(bool, effettuata);
    QFETCH(bool, toMake);
    QFETCH(bool, made);
    QFETCH(bool, toConfirm);
    const QByteArray r = Deadline { .daConfermare = daConfermare, .effettuata = effettuata }.bytes();
    using S = DeadlineListing::Summary;
    QCOMPARE(DeadlineListing::meets(S::PaymentsToMake, r.constData()), toMake);
    QCOMPARE(DeadlineListing::meets(S::PaymentsMade, r.constData()), made);
    QCOMPARE(DeadlineListing::meets(S::ToConfirm, r.constData()), toConfirm);

    // A flag that is neither "Sì" nor "No" is in no summary.
    RecordBuffer odd(DeadlineRecord::layout());
    odd.setText(D::Effettuata, QStringLiteral("si"));
    odd.setText(D::DaConfermare, QStringLiteral("SI"));
    QVERIFY(!DeadlineListing::meets(S::PaymentsToMake, odd.bytes().constData()));
    QVERIFY(!DeadlineListing::meets(S::PaymentsMade, odd.bytes().constData()));
    QVERIFY(!DeadlineListing::meets(S::ToConfirm, odd.bytes().constData()));
}

void TestDeadlineListing::summaryLinesSortPastTheirSharedBeginning()
{
    // Same reason and date (the first 48 characters): the order is decided
    // by what follows, ASCII letters folded to upper case.
    const QString same = QStringLiteral("Richiamo vaccino                Data: 05/03/2024");
    QCOMPARE(same.size(), 48);
    ListLines lines;
    for (const char *rest : { "  Ora: 10:00", "  Ora: 09:05  Prop. b", "  Ora: 09:05", "  Ora: 09:05  Prop. A",
             "  Ora: 09:05  Prop. _", "" })
        lines.push_back({ same + QLatin1String(rest), qint64(lines.size()) });
    lines.push_back({ same.left(47) + QStringLiteral("3  Ora: 00:00"), 6 }); // differs inside the beginning
    SearchMatch::sortLines(lines);
    std::vector<qint64> order;
    for (const ListLine &l : lines)
        order.push_back(l.record);
    QCOMPARE(order, (std::vector<qint64> { 6, 5, 2, 3, 1, 4, 0 }));
}

void TestDeadlineListing::sortKeyIsMonthDayHourMinute()
{
    const QByteArray r = Deadline { .data = QStringLiteral("05/03/2024"), .ora = QStringLiteral("09:30") }.bytes();
    QCOMPARE(DeadlineListing::sortKey(r.constData()), QStringLiteral("03050930"));
}

void TestDeadlineListing::monthRuleTakesAnyCaseOfCalendarYearOnly()
{
    const QDate calendar(2024, 3, 15);
    const auto test = DeadlineListing::dateTest(DeadlineListing::DateRule::Month, calendar, QDate(2024, 1, 1));
    auto takes = [&](const Deadline &d) { return test(0, d.bytes().constData()); };
    QVERIFY(takes({ .mese = QStringLiteral("Marzo") }));
    QVERIFY(takes({ .mese = QStringLiteral("MARZO") }));
    QVERIFY(takes({ .mese = QStringLiteral("marzo") }));
    QVERIFY(!takes({ .mese = QStringLiteral("Marzo"), .anno = QStringLiteral("2023") }));
    QVERIFY(!takes({ .mese = QStringLiteral("Aprile") }));
    // The month name decides, not the stored date.
    QVERIFY(takes({ .data = QStringLiteral("05/04/2024"), .mese = QStringLiteral("Marzo") }));
    QCOMPARE(DeadlineListing::listPath(DeadlineListing::DateRule::Month, calendar, QDate(2023, 1, 1)),
        DeadlineRecord::path(u"2024"));
    QCOMPARE(DeadlineListing::listPath(DeadlineListing::DateRule::Imminent, calendar, QDate(2023, 1, 1)),
        DeadlineRecord::path(u"2023"));
}

void TestDeadlineListing::dayRuleComparesDateText()
{
    const auto test = DeadlineListing::dateTest(DeadlineListing::DateRule::Day, QDate(2024, 3, 5), QDate(2024, 1, 1));
    QVERIFY(test(0, Deadline { .data = QStringLiteral("05/03/2024") }.bytes().constData()));
    QVERIFY(!test(0, Deadline { .data = QStringLiteral("05/03/2023") }.bytes().constData()));
    QVERIFY(!test(0, Deadline { .data = QStringLiteral("5/3/2024") }.bytes().constData()));
}

void TestDeadlineListing::imminentTestTakesWhatAlertCounts()
{
    TempProgramFolder folder;
    const QDate today(2024, 12, 28);
    const QString path = DeadlineRecord::path(u"2024");
    TestSupport::writeFile(path,
        deadlines({
            { .data = QStringLiteral("28/12/2024"), .avviso = QStringLiteral("0") }, // today, no notice
            { .data = QStringLiteral("27/12/2024"), .avviso = QStringLiteral("30") }, // yesterday
            { .data = QStringLiteral("31/12/2024"), .avviso = QStringLiteral("1a") }, // damaged notice
            { .data = QStringLiteral("31/12/2024"), .avviso = QStringLiteral("3") }, // D - N = today
            { .data = QStringLiteral("31/12/2024"), .avviso = QStringLiteral("2") }, // not yet
            { .data = QStringLiteral("31/02/2024"), .avviso = QStringLiteral("5") }, // damaged date
            { .data = QStringLiteral("30/12/2024"), .avviso = QStringLiteral("10"), .effettuata = true },
        }));
    const auto test = DeadlineListing::imminentTest(path, today);
    const QByteArray file = TestSupport::readFile(path);
    std::vector<qint64> taken;
    for (qint64 i = 0; i < file.size() / DeadlineRecord::size(); ++i) {
        if (test(i, file.constData() + i * DeadlineRecord::size()))
            taken.push_back(i + 1);
    }
    QCOMPARE(taken, Imminence::scan(path, today).positions);
    QCOMPARE(taken, (std::vector<qint64> { 1, 4, 7 }));
}

namespace
{

QList<SpreadsheetExport::RecordText> dateAndKey()
{
    return { {}, { D::Data }, { D::Ora }, { SpreadsheetExport::RecordText::kRowKey } };
}

} // namespace

void TestDeadlineListing::selectionSortsAndKeepsReadingNumbers()
{
    TempProgramFolder folder;
    const QString path = DeadlineRecord::path(u"2024");
    TestSupport::writeFile(path,
        deadlines({
            { .data = QStringLiteral("01/02/2024"), .ora = QStringLiteral("08:00") },
            { .data = QStringLiteral("31/01/2024"), .ora = QStringLiteral("10:00") },
            { .data = QStringLiteral("15/06/2024"), .ora = QStringLiteral("07:00"), .dettagli = QStringLiteral("x") },
            { .data = QStringLiteral("31/01/2024"), .ora = QStringLiteral("09:05") },
        }));
    SpreadsheetExport::RecordRows rows(DeadlineRecord::layout(), dateAndKey());
    rows.load(path,
        { [](qint64, const char *r) { return FieldRef::of(DeadlineRecord::layout(), D::Dettagli).load(r) != "x"; },
            &DeadlineListing::sortKey });
    QCOMPARE(rows.count(), 3);
    QCOMPARE(rows.fileRecords(), 4);
    const QStringList expected[] = {
        { "3", "31/01/2024", "09:05", "01310905" },
        { "2", "31/01/2024", "10:00", "01311000" },
        { "1", "01/02/2024", "08:00", "02010800" },
    };
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c)
            QCOMPARE(rows.text(r, c), expected[r].at(c));
    }
    // The export writes the rows in that order, numbers and keys included.
    SpreadsheetExport::Rows out = rows.exportRows({ 0, 1, 3 });
    QByteArray cells;
    for (qsizetype r = 0; r < out.count; ++r) {
        for (int c = 0; c < 3; ++c) {
            out.appendCell(r, c, cells);
            cells += '|';
        }
    }
    QCOMPARE(cells, QByteArray("3|31/01/2024|01310905|2|31/01/2024|01311000|1|01/02/2024|02010800|"));
}

void TestDeadlineListing::selectionOfEmptyAndUnmatchedFiles()
{
    TempProgramFolder folder;
    const QString path = DeadlineRecord::path(u"2024");
    SpreadsheetExport::RecordRows rows(DeadlineRecord::layout(), dateAndKey());
    const SpreadsheetExport::RecordSelection none { [](qint64, const char *) { return false; },
        &DeadlineListing::sortKey };
    rows.load(path, none); // missing: created empty
    QCOMPARE(rows.fileRecords(), 0);
    QCOMPARE(rows.count(), 0);
    QVERIFY(QFileInfo::exists(path));

    TestSupport::writeFile(path, deadlines({ {}, {} }));
    rows.load(path, none);
    QCOMPARE(rows.fileRecords(), 2);
    QCOMPARE(rows.count(), 0);
}

void TestDeadlineListing::largeSelectionReadInPartsAsOnePass()
{
    // A year file large enough to be read in parts side by side: the rows are
    // the selected records numbered in reading order, sorted by their key,
    // equal keys in reading order.
    TempProgramFolder folder;
    const QString path = DeadlineRecord::path(u"2024");
    const int records = int((qint64(34) << 20) / DeadlineRecord::size()) + 3;
    QByteArray bytes;
    bytes.reserve(qsizetype(records) * DeadlineRecord::size());
    std::vector<std::pair<QString, qint64>> expected; // key, reading number
    for (int i = 0; i < records; ++i) {
        const Deadline d { .data
            = QStringLiteral("%1/0%2/2024").arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(1 + i % 3),
            .ora = QStringLiteral("09:%1").arg(i % 7, 2, 10, QLatin1Char('0')),
            .dettagli = i % 5 == 0 ? QStringLiteral("x") : QStringLiteral("Vaccino") };
        const QByteArray record = d.bytes();
        bytes += record;
        if (i % 5 != 0)
            expected.emplace_back(DeadlineListing::sortKey(record.constData()), qint64(expected.size()) + 1);
    }
    TestSupport::writeFile(path, bytes);
    std::stable_sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    SpreadsheetExport::RecordRows rows(DeadlineRecord::layout(), dateAndKey());
    rows.load(path,
        { [](qint64, const char *r) { return FieldRef::of(DeadlineRecord::layout(), D::Dettagli).load(r) != "x"; },
            &DeadlineListing::sortKey });
    QCOMPARE(rows.fileRecords(), records);
    QCOMPARE(rows.count(), qsizetype(expected.size()));
    for (qsizetype r = 0; r < rows.count(); ++r) {
        const auto &[key, number] = expected[size_t(r)];
        QCOMPARE(rows.text(r, 0), QString::number(number));
        QCOMPARE(rows.text(r, 3), key);
        // The row's bytes are its own record's.
        const QByteArray record
            = bytes.mid((number - 1) / 4 * 5 * DeadlineRecord::size() + ((number - 1) % 4 + 1) * DeadlineRecord::size(),
                DeadlineRecord::size());
        QCOMPARE(rows.text(r, 1), FieldRef::of(DeadlineRecord::layout(), D::Data).load(record.constData()));
        QCOMPARE(rows.text(r, 2), FieldRef::of(DeadlineRecord::layout(), D::Ora).load(record.constData()));
    }
}

QTEST_GUILESS_MAIN(TestDeadlineListing)
#include "tst_deadlinelisting.moc"
