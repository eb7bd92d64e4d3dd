// The dog cost ledger's record and file: the layout against the fixture's,
// the golden file read field by field, list and total ("€ 12,75", a damaged
// amount counted as 0, an empty amount left out), an empty ledger created on
// opening, add and edit growing the file by one record only, the amount
// stored normalised, and a torn file never rewritten.

#include "common/ArchiveFile.h"
#include "dogs/core/DogCostRecord.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/FixtureData.h"

#include <QFileInfo>
#include <QTest>

using namespace TestSupport;

namespace
{

QByteArray cost(const QString &date, const QString &amount, const QString &reason = QStringLiteral("Visita"))
{
    RecordBuffer r(DogCostRecord::layout());
    r.setText(DogCostRecord::Data, date);
    r.setText(DogCostRecord::Causale, reason);
    r.setText(DogCostRecord::Pagatore, QStringLiteral("Pensione"));
    r.setText(DogCostRecord::Beneficiario, QStringLiteral("Dott. Bello"));
    r.setText(DogCostRecord::Importo, amount);
    return r.bytes();
}

} // namespace

class TestDogCosts : public QObject
{
    Q_OBJECT
private slots:
    void layoutMatchesFixture();
    void goldenFileReads();
    void totals_data();
    void totals();
    void emptyLedgerCreatedOnOpening();
    void addThenEditGrowsByOneRecord();
    void tornLedgerNotRewritten();
};

void TestDogCosts::layoutMatchesFixture()
{
    const RecordLayout &layout = DogCostRecord::layout();
    const auto fields = FixtureData::layout(QStringLiteral("dogcosts"));
    QCOMPARE(layout.size(), 122);
    QCOMPARE(int(fields.size()), int(DogCostRecord::FieldCount));
    for (int f = 0; f < fields.size(); ++f) {
        QCOMPARE(layout.name(f), fields.at(f).name);
        QCOMPARE(layout.offset(f), fields.at(f).offset);
        QCOMPARE(layout.capacity(f), fields.at(f).capacity);
    }
}

void TestDogCosts::goldenFileReads()
{
    const QByteArray bytes
        = FixtureData::bytes(FixtureData::file(QStringLiteral("dogcosts"), QStringLiteral("golden")));
    QCOMPARE(bytes.size() % 122, 0);
    for (const FixtureData::Reading &r : FixtureData::readings(QStringLiteral("dogcosts/golden.tsv"))) {
        RecordBuffer record(DogCostRecord::layout());
        record.bytes() = bytes.mid(r.record * 122, 122);
        QCOMPARE(record.text(r.field), r.text);
    }
}

void TestDogCosts::totals_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("total");
    QTest::newRow("10,5 and 2,25") << QStringList { "10,5", "2,25" } << 2 << QStringLiteral("\u20AC 12,75");
    QTest::newRow("a damaged amount counts 0")
        << QStringList { "10,5", "abc", "2,25" } << 3 << QStringLiteral("\u20AC 12,75");
    QTest::newRow("an empty amount is left out")
        << QStringList { "", "0,00", "7" } << 2 << QStringLiteral("\u20AC 7,00");
}

void TestDogCosts::totals()
{
    QFETCH(QStringList, amounts);
    QFETCH(int, listed);
    QFETCH(QString, total);
    TempProgramFolder folder;
    QByteArray bytes;
    for (const QString &a : amounts)
        bytes += cost(QStringLiteral("01/03/2025"), a);
    const QString path = DogCostRecord::path(QStringLiteral("3"));
    writeFile(path, bytes);
    const DogCostRecord::Listing l = DogCostRecord::list(path);
    QCOMPARE(int(l.lines.size()), listed);
    QCOMPARE(DogCostRecord::totalText(l.total), total);
    // Every line keeps its own record number.
    const qint64 firstListed = amounts.first().isEmpty() ? 2 : 1;
    QCOMPARE(l.lines.front().record, firstListed);
    QCOMPARE(readFile(path), bytes); // reading never rewrites
}

void TestDogCosts::emptyLedgerCreatedOnOpening()
{
    TempProgramFolder folder;
    const QString path = DogCostRecord::path(QStringLiteral(" 3 "));
    QVERIFY(path.endsWith(QStringLiteral("/Costi_Cane_3.pro")));
    const DogCostRecord::Listing l = DogCostRecord::list(path);
    QVERIFY(l.lines.empty());
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(DogCostRecord::totalText(l.total), QStringLiteral("\u20AC 0,00"));
}

void TestDogCosts::addThenEditGrowsByOneRecord()
{
    TempProgramFolder folder;
    const QString path = DogCostRecord::path(QStringLiteral("3"));
    writeFile(path, cost(QStringLiteral("01/03/2025"), QStringLiteral("5,00")));
    RecordBuffer r(DogCostRecord::layout());
    r.bytes() = cost(QStringLiteral("02/03/2025"), QStringLiteral("12,5"));
    const qint64 at = DogCostRecord::save(path, r, 0);
    QCOMPARE(at, 2);
    QCOMPARE(QFileInfo(path).size(), 244);
    r.setText(DogCostRecord::Causale, QStringLiteral("Toelettatura"));
    QCOMPARE(DogCostRecord::save(path, r, at), 2);
    QCOMPARE(QFileInfo(path).size(), 244);

    const QByteArray bytes = readFile(path);
    RecordBuffer stored(DogCostRecord::layout());
    stored.bytes() = bytes.mid(122, 122);
    QCOMPARE(stored.text(DogCostRecord::Importo), QStringLiteral("12,50"));
    QCOMPARE(stored.text(DogCostRecord::Causale), QStringLiteral("Toelettatura"));
    QCOMPARE(bytes.left(122), cost(QStringLiteral("01/03/2025"), QStringLiteral("5,00")));
    QCOMPARE(DogCostRecord::totalText(DogCostRecord::list(path).total), QStringLiteral("\u20AC 17,50"));
}

void TestDogCosts::tornLedgerNotRewritten()
{
    TempProgramFolder folder;
    const QString path = DogCostRecord::path(QStringLiteral("4"));
    const QByteArray torn = FixtureData::bytes(FixtureData::file(QStringLiteral("dogcosts"), QStringLiteral("torn")));
    writeFile(path, torn);
    const DogCostRecord::Listing l = DogCostRecord::list(path);
    QVERIFY(torn.size() % 122 != 0);
    QVERIFY(!l.lines.empty());
    QVERIFY(qint64(l.lines.size()) <= qint64(torn.size() / 122)); // the torn tail is no cost
    QCOMPARE(readFile(path), torn);
}

QTEST_MAIN(TestDogCosts)
#include "tst_dogcosts.moc"
