// The planner file: its record against the committed fixture, the day keys
// and offsets, the first visit, what a save writes, and the files of the
// wrong size or kind, which are reported and never lose what they hold.

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/RecordJournal.h"
#include "planner/core/PlannerRecord.h"
#include "planner/core/PlannerYear.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/FixtureData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

#include <unistd.h>

using namespace TestSupport;

class TestPlannerFile : public QObject
{
    Q_OBJECT
private slots:
    void layoutAgreesWithFixture();
    void dayKeysAndOffsets_data();
    void dayKeysAndOffsets();
    void everyDayHasOneKey();
    void goldenFileReadsItsFirstRecord();
    void saveKeepsTheSecondRecord();
    void firstVisitCreatesEmptyFileAndSaveWritesOneRecord();
    void bookingsLandAtTheirOffsets();
    void longTextStoredAsFifty();
    void wrongFiles_data();
    void wrongFiles();
    void readOnlyFolderCreatesNothing();
    void saveCutShortLeavesOldOrNewYear_data();
    void saveCutShortLeavesOldOrNewYear();
    void yearText_data();
    void yearText();
    void boxNumberInFileName_data();
    void boxNumberInFileName();
};

void TestPlannerFile::layoutAgreesWithFixture()
{
    const RecordLayout &layout = PlannerRecord::layout();
    const QList<FixtureData::Field> fields = FixtureData::layout(QStringLiteral("planner"));
    QCOMPARE(layout.fieldCount(), int(fields.size()));
    for (int i = 0; i < layout.fieldCount(); ++i) {
        QCOMPARE(layout.name(i), fields.at(i).name);
        QCOMPARE(layout.offset(i), fields.at(i).offset);
        QCOMPARE(layout.capacity(i), fields.at(i).capacity);
    }
    QCOMPARE(layout.size(), 18775);
    QCOMPARE(layout.size(), FixtureData::format(QStringLiteral("planner")).recordSize);
}

void TestPlannerFile::dayKeysAndOffsets_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("word");
    QTest::newRow("1 January") << 0 << "gen_01" << 109 << "gennaio";
    QTest::newRow("31 January") << 30 << "gen_31" << 1639 << "gennaio";
    QTest::newRow("29 February") << 59 << "feb_29" << 3118 << "febbraio";
    QTest::newRow("1 March") << 60 << "mar_01" << 3169 << "marzo";
    QTest::newRow("27 June") << 178 << "giu_27" << 9187 << "giugno";
    QTest::newRow("1 December") << 335 << "dic_01" << 17194 << "dicembre";
    QTest::newRow("31 December") << 365 << "dic_31" << 18724 << "dicembre";
}

void TestPlannerFile::dayKeysAndOffsets()
{
    QFETCH(int, day);
    QFETCH(QString, key);
    QFETCH(int, offset);
    QFETCH(QString, word);
    QCOMPARE(PlannerRecord::dayKey(day), key);
    QCOMPARE(PlannerRecord::dayOfKey(key), day);
    QCOMPARE(PlannerRecord::layout().offset(PlannerRecord::dayField(day)), offset);
    QCOMPARE(PlannerRecord::monthWord(PlannerRecord::monthOf(day)), word);
    QCOMPARE(PlannerRecord::dayIndex(PlannerRecord::monthOf(day), PlannerRecord::dayOfMonth(day)), day);
}

void TestPlannerFile::everyDayHasOneKey()
{
    QSet<QString> keys;
    for (int day = 0; day < PlannerRecord::DayCount; ++day) {
        const QString key = PlannerRecord::dayKey(day);
        QCOMPARE(PlannerRecord::dayOfKey(key), day);
        keys.insert(key);
    }
    QCOMPARE(keys.size(), 366);
    QCOMPARE(PlannerRecord::dayOfKey(u"feb_30"), -1);
    QCOMPARE(PlannerRecord::dayOfKey(u"Box"), -1);
}

void TestPlannerFile::goldenFileReadsItsFirstRecord()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Prenotazioni box A1 anno 2024.pln"));
    const QByteArray golden
        = FixtureData::bytes(FixtureData::file(QStringLiteral("planner"), QStringLiteral("golden")));
    writeFile(path, golden);
    PlannerYear year;
    QCOMPARE(year.load(path), PlannerYear::Load::ReadLonger);
    int checked = 0;
    for (const FixtureData::Reading &r : FixtureData::readings(QStringLiteral("planner/golden.tsv"))) {
        const int day = PlannerRecord::dayOfKey(r.field);
        if (r.record != 0 || day < 0)
            continue;
        QVERIFY2(year.day(day) == r.text, qPrintable(r.field));
        ++checked;
    }
    QCOMPARE(checked, 366);
    QCOMPARE(readFile(path), golden); // a load writes nothing
}

void TestPlannerFile::saveKeepsTheSecondRecord()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Prenotazioni box A1 anno 2024.pln"));
    const QByteArray golden
        = FixtureData::bytes(FixtureData::file(QStringLiteral("planner"), QStringLiteral("golden")));
    QCOMPARE(golden.size(), 2 * 18775);
    writeFile(path, golden);
    PlannerYear year;
    year.load(path);
    year.setDay(0, QStringLiteral("Fido"));
    year.save(path);
    const QByteArray after = readFile(path);
    QCOMPARE(after.size(), golden.size());
    QCOMPARE(after.mid(18775), golden.mid(18775));
    QCOMPARE(after.mid(109, 5),
        QByteArray("\x04"
                   "Fido"));
}

void TestPlannerFile::firstVisitCreatesEmptyFileAndSaveWritesOneRecord()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Prenotazioni box 3 anno 2025.pln"));
    PlannerYear year;
    QCOMPARE(year.load(path), PlannerYear::Load::Empty);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    year.setHeader(PlannerRecord::Box, QStringLiteral("3"));
    year.setHeader(PlannerRecord::Prezzo, QStringLiteral("12,50"));
    year.save(path);
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 18775);
    QCOMPARE(bytes.left(2),
        QByteArray("\x01"
                   "3"));
    QCOMPARE(bytes.mid(93, 6),
        QByteArray("\x05"
                   "12,50"));
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        QCOMPARE(bytes.at(109 + 51 * day), '\0');
}

void TestPlannerFile::bookingsLandAtTheirOffsets()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Prenotazioni box 3 anno 2024.pln"));
    PlannerYear year;
    year.load(path);
    year.setDay(PlannerRecord::Feb29, QStringLiteral("  Rex \u00E8 qui  "));
    year.setDay(365, QStringLiteral("Luna"));
    year.save(path);
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.mid(3118, 10),
        QByteArray("\x09"
                   "Rex \xE8"
                   " qui"));
    QCOMPARE(bytes.mid(18724, 5),
        QByteArray("\x04"
                   "Luna"));
    PlannerYear again;
    QCOMPARE(again.load(path), PlannerYear::Load::Read);
    QCOMPARE(again.day(PlannerRecord::Feb29), QStringLiteral("Rex \u00E8 qui"));
    QCOMPARE(again.bookedCount(), 2);
}

void TestPlannerFile::longTextStoredAsFifty()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Prenotazioni box 3 anno 2024.pln"));
    const QString sixty = QStringLiteral("0123456789").repeated(6);
    PlannerYear year;
    year.load(path);
    year.setDay(10, sixty);
    year.save(path);
    const QByteArray bytes = readFile(path);
    QCOMPARE(int(quint8(bytes.at(109 + 51 * 10))), 50);
    PlannerYear again;
    again.load(path);
    QCOMPARE(again.day(10), sixty.left(50));
}

void TestPlannerFile::wrongFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("load");
    QTest::addColumn<int>("booked"); // days read
    const QByteArray golden
        = FixtureData::bytes(FixtureData::file(QStringLiteral("planner"), QStringLiteral("golden")));
    QTest::newRow("short") << golden.left(100) << int(PlannerYear::Load::Short) << 0;
    QTest::newRow("one byte short") << golden.left(18774) << int(PlannerYear::Load::Short) << 0;
    QTest::newRow("torn: a record and a half more")
        << FixtureData::bytes(FixtureData::file(QStringLiteral("planner"), QStringLiteral("torn")))
        << int(PlannerYear::Load::ReadLonger) << -1;
    QTest::newRow("one byte long") << golden.left(18776) << int(PlannerYear::Load::ReadLonger) << -1;
}

void TestPlannerFile::wrongFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, load);
    QFETCH(int, booked);
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Prenotazioni box 3 anno 2024.pln"));
    writeFile(path, content);
    PlannerYear year;
    QCOMPARE(int(year.load(path)), load);
    if (booked == 0)
        QCOMPARE(year.bookedCount(), 0);
    else
        QVERIFY(year.bookedCount() > 0);
    QCOMPARE(readFile(path), content);
    if (year.load(path) == PlannerYear::Load::ReadLonger) {
        year.save(path); // a longer file keeps its tail
        const QByteArray after = readFile(path);
        QCOMPARE(after.size(), content.size());
        QCOMPARE(after.mid(18775), content.mid(18775));
    }
}

void TestPlannerFile::readOnlyFolderCreatesNothing()
{
    TempProgramFolder folder;
    // A folder where the file should be: refused, not overwritten.
    const QString inPlace = folder.file(QStringLiteral("Prenotazioni box 3 anno 2024.pln"));
    QVERIFY(QDir().mkdir(inPlace));
    PlannerYear year;
    QCOMPARE(year.load(inPlace), PlannerYear::Load::CannotOpen);
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, year.save(inPlace));
    QVERIFY(QFileInfo(inPlace).isDir());

    if (::geteuid() == 0)
        QSKIP("running as root: a read-only folder does not refuse the owner");
    const QString locked = folder.file(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    const QString path = locked + QStringLiteral("/Prenotazioni box 3 anno 2024.pln");
    QCOMPARE(year.load(path), PlannerYear::Load::CannotOpen);
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, year.save(path));
    QVERIFY(!QFileInfo::exists(path));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestPlannerFile::saveCutShortLeavesOldOrNewYear_data()
{
    QTest::addColumn<bool>("journalWhole"); // else the program stopped while writing it
    QTest::addColumn<bool>("isNew");
    QTest::newRow("stopped with half the record in place") << true << true;
    QTest::newRow("stopped while the journal was written") << false << false;
}

void TestPlannerFile::saveCutShortLeavesOldOrNewYear()
{
    QFETCH(bool, journalWhole);
    QFETCH(bool, isNew);
    TempProgramFolder folder;
    const QString path = programFile(PlannerRecord::fileName(QStringLiteral("1"), QStringLiteral("2026")));
    const int christmas = PlannerRecord::dayIndex(12, 25);
    PlannerYear stored;
    stored.setDay(1, QStringLiteral("Stored"));
    stored.setDay(christmas, QStringLiteral("Natale"));
    stored.save(path);
    PlannerYear visit;
    visit.setDay(0, QStringLiteral("Visita"));
    const QByteArray record = visit.record();

    struct Stop {
    };
    const auto unhook = qScopeGuard([] { RecordJournal::setStepHook({}); });
    RecordJournal::setStepHook([&](RecordJournal::Step) {
        if (journalWhole) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.write(record.left(record.size() / 2));
        } else {
            QFile::resize(RecordJournal::pathFor(path), record.size() / 2);
        }
        throw Stop();
    });
    QVERIFY_THROWS_EXCEPTION(Stop, visit.save(path));

    PlannerYear loaded;
    QCOMPARE(loaded.load(path), PlannerYear::Load::Read);
    QCOMPARE(loaded.day(0), isNew ? QStringLiteral("Visita") : QString());
    QCOMPARE(loaded.day(1), isNew ? QString() : QStringLiteral("Stored"));
    QCOMPARE(loaded.day(christmas), isNew ? QString() : QStringLiteral("Natale"));
    QCOMPARE(readFile(path), isNew ? record : stored.record());
}

void TestPlannerFile::yearText_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("2024") << "2024" << true;
    QTest::newRow("0000") << "0000" << true;
    QTest::newRow("three digits") << "202" << false;
    QTest::newRow("five digits") << "20245" << false;
    QTest::newRow("blank inside") << "20 4" << false;
    QTest::newRow("letters") << "ab12" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0662\u0660\u0662\u0664") << false;
}

void TestPlannerFile::yearText()
{
    QFETCH(QString, year);
    QFETCH(bool, accepted);
    QCOMPARE(PlannerRecord::isYearText(year), accepted);
}

void TestPlannerFile::boxNumberInFileName_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("B12") << "B12" << true;
    QTest::newRow("accents and blanks") << QStringLiteral("Gi\u00F9 n. 3 - \u00E8") << true;
    QTest::newRow("slash") << "A/B" << false;
    QTest::newRow("backslash") << "A\\B" << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("four dots") << "...." << false;
    QTest::newRow("dot dot inside") << "A..B" << false;
    QTest::newRow("single dots") << ".A.B." << true;
    QTest::newRow("vertical bar") << "A|B" << false;
    QTest::newRow("colon") << "C:1" << false;
    QTest::newRow("question mark") << "1?" << false;
    QTest::newRow("degree") << QStringLiteral("3\u00B0") << false;
    QTest::newRow("n tilde") << QStringLiteral("\u00F1") << false;
    QTest::newRow("tab") << "A\tB" << false;
    QTest::newRow("empty") << "" << false;
}

void TestPlannerFile::boxNumberInFileName()
{
    QFETCH(QString, box);
    QFETCH(bool, accepted);
    QCOMPARE(PlannerRecord::boxFitsFileName(box), accepted);
}

QTEST_GUILESS_MAIN(TestPlannerFile)
#include "tst_plannerfile.moc"
