#include "common/Provinces.h"
#include "common/RecordLayout.h"

#include <QSet>
#include <QTest>

namespace
{

// A quote-like record: a header, then 30 rows stored column by column.
const RecordLayout &quoteLike()
{
    static const RecordLayout layout = RecordLayout::Builder()
                                           .add({ { "NumFatt", 30 }, { "Data", 10 } })
                                           .repeat(30, { { "Quant", 6 } })
                                           .repeat(30, { { "Codice", 20 } })
                                           .add("Note", 250)
                                           .build();
    return layout;
}

// A planner-like record: 366 days, each a block of fields stored together.
const RecordLayout &plannerLike()
{
    static const RecordLayout layout
        = RecordLayout::Builder().add("Anno", 4).repeat(366, { { "Giorno%1", 2 }, { "Box%1Cane", 50 } }, 1, 3).build();
    return layout;
}

} // namespace

class TestRecordLayout : public QObject
{
    Q_OBJECT
private slots:
    void generatedBlocks_data();
    void generatedBlocks();
    void generatedNamesOutliveTheirBuilder();
    void generatedRecordHoldsItsTexts();
    void provinceList();
};

void TestRecordLayout::generatedBlocks_data()
{
    QTest::addColumn<int>("which"); // 0 quote-like, 1 planner-like
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    // Header 31 + 11 = 42 bytes; Quant n at 42 + 7 (n - 1); Codice n at 42 + 210 + 21 (n - 1).
    QTest::newRow("first of a column") << 0 << "Quant01" << 2 << 42 << 6;
    QTest::newRow("fifth of a column") << 0 << "Quant05" << 6 << 42 + 7 * 4 << 6;
    QTest::newRow("last of a column") << 0 << "Quant30" << 31 << 42 + 7 * 29 << 6;
    QTest::newRow("next column") << 0 << "Codice01" << 32 << 252 << 20;
    QTest::newRow("next column, row 30") << 0 << "Codice30" << 61 << 252 + 21 * 29 << 20;
    QTest::newRow("after the blocks") << 0 << "Note" << 62 << 252 + 21 * 30 << 250;
    // Anno 5 bytes; day n's block (3 + 51 = 54 bytes) at 5 + 54 (n - 1).
    QTest::newRow("day 1") << 1 << "Giorno001" << 1 << 5 << 2;
    QTest::newRow("day 1, second field") << 1 << "Box001Cane" << 2 << 8 << 50;
    QTest::newRow("day 366") << 1 << "Giorno366" << 731 << 5 + 54 * 365 << 2;
    QTest::newRow("day 366, second field") << 1 << "Box366Cane" << 732 << 5 + 54 * 365 + 3 << 50;
}

void TestRecordLayout::generatedBlocks()
{
    QFETCH(int, which);
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    const RecordLayout &layout = which == 0 ? quoteLike() : plannerLike();
    QCOMPARE(layout.indexOf(name), index);
    QCOMPARE(layout.name(index), name);
    QCOMPARE(layout.offset(index), offset);
    QCOMPARE(layout.capacity(index), capacity);
    QCOMPARE(layout.size(), which == 0 ? 252 + 21 * 30 + 251 : 5 + 54 * 366);
    QCOMPARE(layout.fieldCount(), which == 0 ? 63 : 733);
    QCOMPARE(layout.indexOf(u"Quant31"), -1);
    QCOMPARE(layout.indexOf(u"Giorno367"), -1);
}

void TestRecordLayout::generatedNamesOutliveTheirBuilder()
{
    // The names are held by the layout: nothing of the builder (or of a
    // temporary text a name was made from) is needed after build().
    std::unique_ptr<RecordLayout> layout;
    {
        RecordLayout::Builder builder;
        QString base = QStringLiteral("Riga");
        builder.repeat(3, { { base, 5 } });
        base.fill(QLatin1Char('x'));
        layout = std::make_unique<RecordLayout>(builder.build());
    }
    QCOMPARE(layout->name(2), QStringLiteral("Riga03"));
    QCOMPARE(layout->indexOf(u"Riga02"), 1);
    QCOMPARE(RecordLayout::numberedName(QStringLiteral("Tile%1Day"), 7, 3), QStringLiteral("Tile007Day"));
}

void TestRecordLayout::generatedRecordHoldsItsTexts()
{
    // Every generated field reads back what was written, and none spills into
    // its neighbour.
    RecordBuffer record(quoteLike());
    record.clear();
    for (int n = 1; n <= 30; ++n) {
        record.setText(RecordLayout::numberedName(QStringLiteral("Quant"), n), QString::number(n * 111111));
        record.setText(RecordLayout::numberedName(QStringLiteral("Codice"), n), QStringLiteral("ART-%1").arg(n));
    }
    record.setText(u"Note", u"fine");
    for (int n = 1; n <= 30; ++n) {
        QCOMPARE(
            record.text(RecordLayout::numberedName(QStringLiteral("Quant"), n)), QString::number(n * 111111).left(6));
        QCOMPARE(record.text(RecordLayout::numberedName(QStringLiteral("Codice"), n)), QStringLiteral("ART-%1").arg(n));
    }
    QCOMPARE(record.text(u"Note"), QStringLiteral("fine"));
    QCOMPARE(record.text(u"NumFatt"), QString());
}

void TestRecordLayout::provinceList()
{
    const QStringList &codes = Provinces::codes();
    QCOMPARE(codes.size(), 112);
    QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 112);
    QCOMPARE(codes.first(), QStringLiteral("AG"));
    QCOMPARE(codes.last(), QStringLiteral("VV"));
    QVERIFY(codes.contains(QStringLiteral("EE")));
    for (const QString &code : codes)
        QVERIFY2(code.size() == 2 && code == code.toUpper(), qPrintable(code));
}

QTEST_GUILESS_MAIN(TestRecordLayout)
#include "tst_recordlayout.moc"
