// The records of the yearly archives (quotes, deadlines) against the
// committed fixtures, and the year texts that may name a file.

#include "common/RecordLayout.h"
#include "common/YearFile.h"
#include "deadlines/core/DeadlineRecord.h"
#include "deadlines/core/Imminence.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/FixtureData.h"

#include <QtTest>

namespace
{

const RecordLayout &layoutOf(const QString &format)
{
    return format == QLatin1String("quotes") ? QuoteRecord::layout() : DeadlineRecord::layout();
}

bool isFlag(const QString &format, int field)
{
    return format == QLatin1String("quotes") ? QuoteRecord::isFlag(field) : DeadlineRecord::isFlag(field);
}

} // namespace

class TestYearRecords : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesFixture_data();
    void layoutMatchesFixture();
    void goldenRecordsDecodeAndReencode_data();
    void goldenRecordsDecodeAndReencode();
    void flagOffsets();
    void yearTexts_data();
    void yearTexts();
    void imminence_data();
    void imminence();
    void damagedRecordHidesNoOther();
};

void TestYearRecords::layoutMatchesFixture_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fields");
    QTest::newRow("quotes") << "quotes" << 4926 << int(QuoteRecord::FieldCount);
    QTest::newRow("deadlines") << "deadlines" << 1448 << int(DeadlineRecord::FieldCount);
}

void TestYearRecords::layoutMatchesFixture()
{
    QFETCH(QString, format);
    QFETCH(int, size);
    QFETCH(int, fields);
    const RecordLayout &layout = layoutOf(format);
    const auto table = FixtureData::layout(format);
    QCOMPARE(layout.size(), size);
    QCOMPARE(layout.fieldCount(), fields);
    QCOMPARE(int(table.size()), fields);
    for (int f = 0; f < fields; ++f) {
        QCOMPARE(layout.name(f), table.at(f).name);
        QCOMPARE(layout.offset(f), table.at(f).offset);
        QCOMPARE(layout.capacity(f), table.at(f).capacity);
        QCOMPARE(isFlag(format, f), table.at(f).flag);
    }
}

void TestYearRecords::goldenRecordsDecodeAndReencode_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("quotes") << "quotes";
    QTest::newRow("deadlines") << "deadlines";
}

// Every field of the golden records reads as the fixture says, and storing the
// readings again into a blank record gives the fixture's significant bytes.
void TestYearRecords::goldenRecordsDecodeAndReencode()
{
    QFETCH(QString, format);
    const RecordLayout &layout = layoutOf(format);
    const int size = layout.size();
    const QByteArray bytes = FixtureData::bytes(FixtureData::file(format, QStringLiteral("golden")));
    QCOMPARE(bytes.size() % size, 0);
    const auto readings = FixtureData::readings(format + QStringLiteral("/golden.tsv"));
    QVERIFY(!readings.isEmpty());
    QHash<int, RecordBuffer> rebuilt;
    for (const FixtureData::Reading &r : readings) {
        RecordBuffer record(layout);
        record.bytes() = bytes.mid(r.record * size, size);
        const int field = layout.require(r.field);
        auto it = rebuilt.find(r.record);
        if (it == rebuilt.end())
            it = rebuilt.insert(r.record, RecordBuffer(layout));
        if (isFlag(format, field)) {
            const auto flag = record.flag(field);
            QCOMPARE(flag ? (*flag ? QStringLiteral("Sì") : QStringLiteral("No")) : FixtureData::kNeither, r.text);
            if (flag)
                it->setFlag(field, *flag);
        } else {
            QCOMPARE(record.text(field), r.text);
            it->setText(field, r.text);
        }
    }
    for (auto it = rebuilt.cbegin(); it != rebuilt.cend(); ++it) {
        const QByteArray original = bytes.mid(it.key() * size, size);
        for (int f = 0; f < layout.fieldCount(); ++f) {
            const int at = layout.offset(f);
            const int length = quint8(it->bytes().at(at));
            QCOMPARE(it->bytes().mid(at, 1 + length), original.mid(at, 1 + length));
        }
    }
}

void TestYearRecords::flagOffsets()
{
    QCOMPARE(QuoteRecord::layout().offset(QuoteRecord::Saldata), 4923);
    QCOMPARE(DeadlineRecord::layout().offset(DeadlineRecord::DaConfermare), 1442);
    QCOMPARE(DeadlineRecord::layout().offset(DeadlineRecord::Effettuata), 1445);
}

void TestYearRecords::yearTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("year");
    QTest::newRow("2024") << "2024" << true;
    QTest::newRow("0000") << "0000" << true;
    QTest::newRow("letters") << "ab12" << false;
    QTest::newRow("path") << "../x" << false;
    QTest::newRow("short") << "202" << false;
    QTest::newRow("blank inside") << "20 4" << false;
    QTest::newRow("blank around") << " 2024" << false;
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0662\u0660\u0662\u0664") << false;
    QTest::newRow("empty") << "" << false;
}

void TestYearRecords::yearTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, year);
    QCOMPARE(YearFile::isYear(text), year);
    if (year)
        QVERIFY(QuoteRecord::path(text).endsWith(text + QStringLiteral(".pre")));
}

void TestYearRecords::imminence_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("notice");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("imminent");
    const QDate twentieth(2024, 5, 20);
    QTest::newRow("on the day, no notice") << twentieth << 0 << twentieth << true;
    QTest::newRow("the day after") << twentieth << 5 << twentieth.addDays(1) << false;
    QTest::newRow("17th for the 20th, notice 3") << twentieth << 3 << QDate(2024, 5, 17) << true;
    QTest::newRow("16th for the 20th, notice 3") << twentieth << 3 << QDate(2024, 5, 16) << false;
    QTest::newRow("a year of notice") << twentieth << 365 << QDate(2023, 5, 22) << true;
}

void TestYearRecords::imminence()
{
    QFETCH(QDate, date);
    QFETCH(int, notice);
    QFETCH(QDate, today);
    QFETCH(bool, imminent);
    QCOMPARE(Imminence::isImminent(date, notice, today), imminent);
}

void TestYearRecords::damagedRecordHidesNoOther()
{
    TestSupport::TempProgramFolder folder;
    auto record = [](const QString &date, const QString &notice) {
        RecordBuffer r(DeadlineRecord::layout());
        r.setText(DeadlineRecord::Data, date);
        r.setText(DeadlineRecord::Avviso, notice);
        return r.bytes();
    };
    const QString path = DeadlineRecord::path(u"2024");
    TestSupport::writeFile(path,
        record(QStringLiteral("20/05/2024"), QStringLiteral("3"))
            + record(QStringLiteral("31/02/2024"), QStringLiteral("3"))
            + record(QStringLiteral("19/05/2024"), QString())
            + record(QStringLiteral("18/05/2024"), QStringLiteral("1"))
            + record(QStringLiteral("01/06/2024"), QStringLiteral("2")));
    const Imminence::Scan scan = Imminence::scan(path, QDate(2024, 5, 18));
    QCOMPARE(scan.positions, (std::vector<qint64> { 1, 4 }));
    QCOMPARE(scan.damaged, 2);
    QVERIFY(Imminence::currentYearPath(QDate(2024, 12, 28)).endsWith(QStringLiteral("2024.sca")));
}

QTEST_MAIN(TestYearRecords)
#include "tst_yearrecords.moc"
