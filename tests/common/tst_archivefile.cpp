#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/MemoryRoom.h"
#include "common/RecordJournal.h"
#include "common/RecordLayout.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/FailDevice.h"
#include "tests/support/NonRegularFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

using namespace TestSupport;

namespace
{
// A small layout: name (50), town (10), flag.
const RecordLayout &sampleLayout()
{
    static const RecordLayout layout { { "Nome", 50 }, { "Citta", 10 }, { "Flag", 2 } };
    return layout;
}

// What the program's stop at a step of an overwrite leaves behind.
struct Crash {
};
} // namespace

class TestArchiveFile : public QObject
{
    Q_OBJECT
private slots:
    void layoutOffsets();
    void missingFileIsCreatedEmpty();
    void existingFileIsNeverTruncated();
    void partialTailIsIgnoredAndOverwrittenByAppend();
    void seekAndReadBounds();
    void appendReturnsPosition();
    void scanVisitsEveryRecord();
    void rangeReadsKeepWhatArrivedBeforeTheEnd_data();
    void rangeReadsKeepWhatArrivedBeforeTheEnd();
    void openFailureLeavesFileUntouched();
    void storeText_data();
    void storeText();
    void staleBytesAreNeverRead();
    void lengthByteAboveCapacity();
    void flags_data();
    void flags();
    void cp1252RoundTrip();
    void fullDiskAppendLeavesNoPartialRecord_data();
    void fullDiskAppendLeavesNoPartialRecord();
    void specialFileIsNoArchive_data();
    void specialFileIsNoArchive();
    void hugeSparseArchiveIsNotReadWhole();
    void overwriteCutShortIsOldOrNew_data();
    void overwriteCutShortIsOldOrNew();
    void fullDiskOverwriteKeepsTheOldRecord();
};

void TestArchiveFile::layoutOffsets()
{
    const RecordLayout &l = sampleLayout();
    QCOMPARE(l.size(), 51 + 11 + 3);
    QCOMPARE(l.offset(0), 0);
    QCOMPARE(l.offset(1), 51);
    QCOMPARE(l.offset(2), 62);
    QCOMPARE(l.indexOf(u"Citta"), 1);
    QCOMPARE(l.indexOf(u"Nessuno"), -1);
}

void TestArchiveFile::missingFileIsCreatedEmpty()
{
    TempProgramFolder folder;
    const QString path = folder.file("Nuovo.pro");
    ArchiveFile f(path, 65);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(f.count(), 0);
    QVERIFY(f.atEnd());
    f.close();
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestArchiveFile::existingFileIsNeverTruncated()
{
    TempProgramFolder folder;
    const QString path = folder.file("A.pro");
    writeFile(path, QByteArray(130, 'x'));
    {
        ArchiveFile f(path, 65);
        QCOMPARE(f.count(), 2);
    }
    QCOMPARE(readFile(path), QByteArray(130, 'x'));
}

void TestArchiveFile::partialTailIsIgnoredAndOverwrittenByAppend()
{
    TempProgramFolder folder;
    const QString path = folder.file("A.pro");
    writeFile(path, QByteArray(2 * 65 + 20, 'x'));
    ArchiveFile f(path, 65);
    QCOMPARE(f.count(), 2);
    RecordBuffer buffer(sampleLayout());
    buffer.setText(0, u"Nuovo");
    QCOMPARE(f.append(buffer.bytes()), qint64(3));
    QCOMPARE(f.position(), qint64(3));
    f.close();
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 3 * 65);
    QCOMPARE(bytes.mid(130), buffer.bytes());
}

void TestArchiveFile::seekAndReadBounds()
{
    TempProgramFolder folder;
    const QString path = folder.file("A.pro");
    writeFile(path, QByteArray(65, 'x'));
    ArchiveFile f(path, 65);
    QByteArray buffer;
    f.seek(0);
    f.read(buffer);
    QCOMPARE(f.position(), qint64(1));
    QVERIFY(f.atEnd());
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.read(buffer));
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.seek(2));
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.seek(-1));
    // Seeking to the count and writing appends exactly one record.
    f.seek(1);
    f.write(QByteArray(65, 'y'));
    QCOMPARE(f.position(), f.count());
    QCOMPARE(f.count(), qint64(2));
    // A buffer of the wrong size is refused rather than written.
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.write(QByteArray(10, 'z')));
    f.close();
    QCOMPARE(readFile(path).size(), 130);
}

void TestArchiveFile::appendReturnsPosition()
{
    TempProgramFolder folder;
    const QString path = folder.file("A.pro");
    for (int i = 1; i <= 3; ++i) {
        ArchiveFile f(path, 65);
        QCOMPARE(f.append(QByteArray(65, char('0' + i))), qint64(i));
    }
    ArchiveFile f(path, 65);
    f.seek(1);
    QByteArray buffer;
    f.read(buffer);
    QCOMPARE(buffer, QByteArray(65, '2'));
}

void TestArchiveFile::scanVisitsEveryRecord()
{
    TempProgramFolder folder;
    const QString path = folder.file("A.pro");
    QByteArray all;
    for (int i = 0; i < 40000; ++i)
        all += QByteArray(65, char('a' + i % 26));
    writeFile(path, all + "tail");
    ArchiveFile f(path, 65);
    qint64 seen = 0;
    bool inOrder = true;
    f.scan([&](qint64 index, const char *bytes) {
        inOrder = inOrder && index == seen && bytes[64] == char('a' + index % 26);
        ++seen;
    });
    QVERIFY(inOrder);
    QCOMPARE(seen, qint64(40000));
    QVERIFY(f.atEnd());
}

void TestArchiveFile::rangeReadsKeepWhatArrivedBeforeTheEnd_data()
{
    // A file of 40,000 records and half of one more, read as if it still held
    // `asked` records (a file cut short while it is read).
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("asked");
    QTest::addColumn<qint64>("arrived");
    QTest::newRow("whole file") << qint64(0) << qint64(40000) << qint64(40000);
    QTest::newRow("a range inside") << qint64(16130) << qint64(16140) << qint64(10);
    QTest::newRow("past the end, in the last block") << qint64(39990) << qint64(40005) << qint64(10);
    QTest::newRow("past the end, blocks later") << qint64(0) << qint64(80000) << qint64(40000);
    QTest::newRow("nothing left") << qint64(40000) << qint64(40001) << qint64(0);
}

void TestArchiveFile::rangeReadsKeepWhatArrivedBeforeTheEnd()
{
    QFETCH(qint64, first);
    QFETCH(qint64, asked);
    QFETCH(qint64, arrived);
    TempProgramFolder folder;
    const QString path = folder.file("A.pro");
    QByteArray all;
    for (int i = 0; i < 40000; ++i)
        all += QByteArray(65, char('a' + i % 26));
    writeFile(path, all + QByteArray(30, 'x'));
    ArchiveFile f(path, 65);
    const bool whole = first + arrived == asked;

    QByteArray into((asked - first) * 65, '\0');
    qint64 done = -1;
    if (whole)
        f.readRange(first, asked, into.data(), done);
    else
        QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.readRange(first, asked, into.data(), done));
    QCOMPARE(done, arrived);
    QCOMPARE(into.left(arrived * 65), all.mid(first * 65, arrived * 65));

    qint64 next = first;
    bool inOrder = true;
    QByteArray block;
    const auto visit = [&](qint64 index, const char *bytes) {
        inOrder = inOrder && index == next && QByteArray(bytes, 65) == all.mid(index * 65, 65);
        ++next;
    };
    if (whole)
        f.scanRange(first, asked, visit, block);
    else
        QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.scanRange(first, asked, visit, block));
    QVERIFY(inOrder);
    QCOMPARE(next - first, arrived); // every record before the end was visited
    QCOMPARE(f.position(), qint64(0)); // range reads leave the index alone
}

void TestArchiveFile::openFailureLeavesFileUntouched()
{
    TempProgramFolder folder;
    // A folder where the archive should be: it can be neither opened nor created.
    QVERIFY(QDir(folder.path()).mkdir("Cartella.pro"));
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, ArchiveFile(folder.file("Cartella.pro"), 65));
    QVERIFY(QFileInfo(folder.file("Cartella.pro")).isDir());
    // A missing folder: nothing can be created there either.
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, ArchiveFile(folder.file("manca/A.pro"), 65));
    QCOMPARE(kArchiveAccessMessage,
        QString::fromUtf8("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma."));
}

void TestArchiveFile::storeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored"); // length byte + text
    QTest::newRow("trimmed") << "  x  " << QByteArray("\x01x", 2);
    QTest::newRow("60 into 50") << QString(60, 'a') << (QByteArray(1, char(50)) + QByteArray(50, 'a'));
    QTest::newRow("cp1252") << QString::fromUtf8("\u20AC\u00E0\u00EC") << QByteArray("\x03\x80\xE0\xEC", 4);
    QTest::newRow("no equivalent") << QString::fromUtf8("\u4E2D") << QByteArray("\x01?", 2);
    QTest::newRow("emoji is one question mark") << QString::fromUtf8("a\U0001F436b")
                                                << QByteArray("\x03"
                                                              "a?b",
                                                       4);
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) + "x" << QByteArray("\x02?x", 3);
    QTest::newRow("inner tab kept") << "a\tb\t"
                                    << QByteArray("\x03"
                                                  "a\tb",
                                           4);
    QTest::newRow("nbsp kept") << QString::fromUtf8("\u00A0x") << QByteArray("\x02\xA0x", 3);
    QTest::newRow("empty") << "" << QByteArray(1, '\0');
}

void TestArchiveFile::storeText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    RecordBuffer buffer(sampleLayout());
    buffer.setText(0, text);
    QCOMPARE(buffer.bytes().left(stored.size()), stored);
    // What a reader loads is the stored text, trimmed.
    QCOMPARE(buffer.text(0), Cp1252::decode(stored.mid(1)));
}

void TestArchiveFile::staleBytesAreNeverRead()
{
    RecordBuffer buffer(sampleLayout());
    buffer.setText(0, QString(40, 'L'));
    buffer.setText(0, u"Breve nome");
    // The bytes past the new length still hold the old text, but a reader
    // gets the new text only.
    QCOMPARE(buffer.bytes().at(12), 'L');
    QCOMPARE(buffer.text(0), QString("Breve nome"));
    // Clearing before a store leaves nothing behind.
    buffer.clear();
    buffer.setText(0, u"Breve nome");
    QCOMPARE(buffer.bytes().at(12), '\0');
}

void TestArchiveFile::lengthByteAboveCapacity()
{
    RecordBuffer buffer(sampleLayout());
    buffer.setText(1, u"Roma");
    buffer.bytes()[0] = char(200); // a damaged length byte in the 50-wide field
    buffer.bytes().replace(1, 50, QByteArray(50, 'n'));
    QCOMPARE(buffer.text(0), QString(50, 'n'));
    QCOMPARE(buffer.text(1), QString("Roma"));
}

void TestArchiveFile::flags_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected"); // 1 yes, 0 no, -1 unknown
    QTest::newRow("Si") << QByteArray("\x02S\xEC", 3) << 1;
    QTest::newRow("No") << QByteArray("\x02No", 3) << 0;
    QTest::newRow("empty") << QByteArray("\x00\x00\x00", 3) << -1;
    QTest::newRow("si lower") << QByteArray("\x02s\xEC", 3) << -1;
    QTest::newRow("SI") << QByteArray("\x02SI", 3) << -1;
    QTest::newRow("NO") << QByteArray("\x02NO", 3) << -1;
}

void TestArchiveFile::flags()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    RecordBuffer buffer(sampleLayout());
    buffer.bytes().replace(62, 3, bytes);
    const auto flag = buffer.flag(2);
    QCOMPARE(flag.has_value() ? int(*flag) : -1, expected);
    if (expected >= 0) {
        RecordBuffer written(sampleLayout());
        written.setFlag(2, expected == 1);
        QCOMPARE(written.bytes().mid(62, 3), bytes);
    }
}

void TestArchiveFile::cp1252RoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    QCOMPARE(Cp1252::encode(QString::fromUtf8("S\u00EC")), QByteArray("S\xEC"));
    QVERIFY(!Cp1252::canEncode(QString::fromUtf8("\u0101")));
}

void TestArchiveFile::fullDiskAppendLeavesNoPartialRecord_data()
{
    QTest::addColumn<int>("tail"); // bytes of a partial record already at the end
    QTest::addColumn<int>("room"); // bytes the disk takes past the whole records
    QTest::newRow("no room") << 0 << 0;
    QTest::newRow("part of a record") << 0 << 40;
    QTest::newRow("all but the last byte") << 0 << 64;
    QTest::newRow("after a partial tail") << 20 << 30;
}

void TestArchiveFile::fullDiskAppendLeavesNoPartialRecord()
{
    QFETCH(int, tail);
    QFETCH(int, room);
    TempProgramFolder folder;
    const QString path = folder.file("Proprietari.pro");
    const QByteArray before = QByteArray(65, '1') + QByteArray(65, '2') + QByteArray(tail, 't');
    writeFile(path, before);
    {
        ArchiveFile f(path, 65);
        FileSizeLimit limit(130 + room);
        QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.append(QByteArray(65, 'n')));
        // The editor's own append: a write at the end position.
        f.seek(2);
        QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.write(QByteArray(65, 'n')));
        QCOMPARE(f.count(), qint64(2));
    }
    QCOMPARE(readFile(path).size(), before.size());
    QCOMPARE(readFile(path).left(130), before.left(130));
    // With room again the next save goes where the failed one would have.
    ArchiveFile f(path, 65);
    QCOMPARE(f.append(QByteArray(65, 'n')), qint64(3));
    QCOMPARE(readFile(path), before.left(130) + QByteArray(65, 'n'));
}

void TestArchiveFile::specialFileIsNoArchive_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to /dev/zero") << "/dev/zero";
    QTest::newRow("link to /dev/null") << "/dev/null";
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("broken link") << "/nonexistent/Proprietari.pro";
}

void TestArchiveFile::specialFileIsNoArchive()
{
    QFETCH(QString, kind);
    TempProgramFolder folder;
    const QString path = folder.file("Proprietari.pro");
    QVERIFY(makeSpecial(kind, path));
    QElapsedTimer clock;
    clock.start();
    // A save opens the archive first: it fails there, before reporting anything stored.
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, ArchiveFile(path, 65));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!QFileInfo(path).isFile());
}

void TestArchiveFile::hugeSparseArchiveIsNotReadWhole()
{
    TempProgramFolder folder;
    const QString path = folder.file("Proprietari.pro");
    QVERIFY(makeSparse(path, qint64(1) << 40, QByteArray(65, 'x')));
    QElapsedTimer clock;
    clock.start();
    ArchiveFile f(path, 65);
    QCOMPARE(f.count(), (qint64(1) << 40) / 65);
    QVERIFY_THROWS_EXCEPTION(ArchiveTooLargeError, f.readAll());
    // Beyond what memory can hold, no whole read or range read starts at all.
    if ((qint64(1) << 40) > MemoryRoom::available()) {
        QVERIFY(!f.fitsInMemory());
        int visited = 0;
        const auto visit = [&](qint64, const char *) { ++visited; };
        QByteArray block;
        QVERIFY_THROWS_EXCEPTION(ArchiveTooLargeError, f.scan(visit));
        QVERIFY_THROWS_EXCEPTION(ArchiveTooLargeError, f.scanRange(0, 10, visit, block));
        QByteArray into(10 * 65, '\0');
        qint64 done = -1;
        QVERIFY_THROWS_EXCEPTION(ArchiveTooLargeError, f.readRange(0, 10, into.data(), done));
        QCOMPARE(done, 0);
        QCOMPARE(visited, 0);
    }
    QByteArray first;
    f.seek(0);
    f.read(first);
    QCOMPARE(first, QByteArray(65, 'x'));
    QVERIFY(clock.elapsed() < 1000);
}

void TestArchiveFile::overwriteCutShortIsOldOrNew_data()
{
    // The journal of a 65-byte record: 16 bytes of header, the record, 4 of checksum.
    QTest::addColumn<RecordJournal::Step>("step"); // where the program stops
    QTest::addColumn<int>("inPlace"); // bytes of the new record already in place then
    QTest::addColumn<int>("journalCut"); // the journal cut to this size (-1: whole)
    QTest::addColumn<int>("flipped"); // a journal byte changed (-1: none)
    QTest::addColumn<bool>("isNew"); // what the reopened archive holds
    const auto synced = RecordJournal::Step::JournalSynced;
    QTest::newRow("journal whole, nothing in place") << synced << 0 << -1 << -1 << true;
    QTest::newRow("journal whole, a part in place") << synced << 30 << -1 << -1 << true;
    QTest::newRow("journal whole, all but a byte in place") << synced << 64 << -1 << -1 << true;
    QTest::newRow("record in place, journal not yet removed")
        << RecordJournal::Step::RecordSynced << 0 << -1 << -1 << true;
    QTest::newRow("torn journal: empty") << synced << 0 << 0 << -1 << false;
    QTest::newRow("torn journal: header only") << synced << 0 << 16 << -1 << false;
    QTest::newRow("torn journal: half the record") << synced << 0 << 48 << -1 << false;
    QTest::newRow("torn journal: no checksum") << synced << 0 << 81 << -1 << false;
    QTest::newRow("torn journal: last byte missing") << synced << 0 << 84 << -1 << false;
    QTest::newRow("journal with a damaged byte") << synced << 0 << -1 << 40 << false;
    QTest::newRow("journal with a damaged offset") << synced << 0 << -1 << 5 << false;
}

void TestArchiveFile::overwriteCutShortIsOldOrNew()
{
    QFETCH(RecordJournal::Step, step);
    QFETCH(int, inPlace);
    QFETCH(int, journalCut);
    QFETCH(int, flipped);
    QFETCH(bool, isNew);
    TempProgramFolder folder;
    const QString path = folder.file("Anagrafica_Cani.pro");
    const QString journal = RecordJournal::pathFor(path);
    QCOMPARE(journal, path + ".jnl");
    const QByteArray oldRecord(65, 'o'), newRecord(65, 'n');
    const QByteArray before = QByteArray(65, '1') + oldRecord + QByteArray(65, '3');
    const QByteArray after = QByteArray(65, '1') + newRecord + QByteArray(65, '3');
    writeFile(path, before);

    const auto unhook = qScopeGuard([] { RecordJournal::setStepHook({}); });
    RecordJournal::setStepHook([&](RecordJournal::Step reached) {
        if (reached != step)
            return;
        if (inPlace > 0) {
            QFile archive(path);
            QVERIFY(archive.open(QIODevice::ReadWrite) && archive.seek(65));
            QCOMPARE(archive.write(newRecord.left(inPlace)), qint64(inPlace));
        }
        QByteArray bytes = readFile(journal);
        QCOMPARE(bytes.size(), 85);
        if (journalCut >= 0)
            bytes.truncate(journalCut);
        if (flipped >= 0)
            bytes[flipped] = char(bytes.at(flipped) ^ 0x01);
        writeFile(journal, bytes);
        throw Crash();
    });
    {
        ArchiveFile f(path, 65);
        f.seek(1);
        QVERIFY_THROWS_EXCEPTION(Crash, f.write(newRecord));
    }
    QVERIFY(QFileInfo::exists(journal));

    // The next open, a reader's as much as a writer's, puts the archive right.
    ArchiveFile f(path, 65);
    QCOMPARE(f.count(), qint64(3));
    QVERIFY(!QFileInfo::exists(journal));
    QCOMPARE(readFile(path), isNew ? after : before);
}

void TestArchiveFile::fullDiskOverwriteKeepsTheOldRecord()
{
    TempProgramFolder folder;
    const QString path = folder.file("Box_Cani.pro");
    const QByteArray before = QByteArray(65, '1') + QByteArray(65, 'o');
    writeFile(path, before);
    ArchiveFile f(path, 65);
    {
        // Room for part of the journal only.
        FileSizeLimit limit(40);
        f.seek(1);
        QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, f.write(QByteArray(65, 'n')));
    }
    QCOMPARE(readFile(path), before);
    QVERIFY(!QFileInfo::exists(RecordJournal::pathFor(path)));
    // With room again the record is replaced, and nothing stays beside it.
    f.seek(1);
    f.write(QByteArray(65, 'n'));
    QCOMPARE(readFile(path), QByteArray(65, '1') + QByteArray(65, 'n'));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "Box_Cani.pro" });
}

QTEST_GUILESS_MAIN(TestArchiveFile)
#include "tst_archivefile.moc"
