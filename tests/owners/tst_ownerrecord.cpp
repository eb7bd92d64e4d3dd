#include "owners/core/OwnerRecord.h"

#include <QTest>

class TestOwnerRecord : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
};

void TestOwnerRecord::layout_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    QTest::newRow("first") << int(OwnerRecord::Cliente) << "Cliente" << 0 << 50;
    QTest::newRow("sex") << int(OwnerRecord::Sesso) << "Sesso" << 136 << 1;
    QTest::newRow("postcode") << int(OwnerRecord::CapRes) << "CapRes" << 294 << 5;
    QTest::newRow("iban") << int(OwnerRecord::Iban) << "Iban" << 817 << 27;
    QTest::newRow("flag") << int(OwnerRecord::Ricontatta) << "Ricontatta" << 2193 << 2;
    QTest::newRow("attachments") << int(OwnerRecord::File01) << "File01" << 2196 << 250;
    QTest::newRow("last") << int(OwnerRecord::Desc03) << "Desc03" << 3451 << 250;
}

void TestOwnerRecord::layout()
{
    QFETCH(int, field);
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    const RecordLayout &l = OwnerRecord::layout();
    QCOMPARE(l.size(), 3702);
    QCOMPARE(l.fieldCount(), int(OwnerRecord::FieldCount));
    QCOMPARE(l.indexOf(name), field);
    QCOMPARE(l.offset(field), offset);
    QCOMPARE(l.capacity(field), capacity);
}

QTEST_GUILESS_MAIN(TestOwnerRecord)
#include "tst_ownerrecord.moc"
