#include "common/SafeFile.h"
#include "common/SafeFileWriter.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/FailDevice.h"
#include "tests/support/NonRegularFiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace TestSupport;

namespace
{
QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 23);
    return bytes;
}

// Everything in the folder but the named file: leftovers of a failed write.
QStringList othersThan(const QString &folder, const QString &name)
{
    QStringList all = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    all.removeAll(name);
    return all;
}
} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT
private slots:
    void fullDiskWriteKeepsEarlierFile_data();
    void fullDiskWriteKeepsEarlierFile();
    void fullDiskCopyKeepsEarlierFile();
    void copyToFailingDeviceReportsIt_data();
    void copyToFailingDeviceReportsIt();
    void specialFileIsRefusedWithoutBlocking_data();
    void specialFileIsRefusedWithoutBlocking();
    void writerRefusesSpecialTarget_data();
    void writerRefusesSpecialTarget();
    void readerStaysWithinItsLimit();
    void reasonsAreItalian_data();
    void reasonsAreItalian();
};

void TestSafeFile::fullDiskWriteKeepsEarlierFile_data()
{
    QTest::addColumn<int>("room"); // bytes the disk takes before it is full
    QTest::newRow("nothing") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("one block") << 4096;
    QTest::newRow("all but the last byte") << 99999;
}

void TestSafeFile::fullDiskWriteKeepsEarlierFile()
{
    QFETCH(int, room);
    TempProgramFolder folder;
    const QString path = folder.file("Proprietari.xls");
    writeFile(path, "earlier export");
    const QByteArray bytes = pattern(100000);
    FileFailure failure;
    {
        FileSizeLimit limit(room);
        failure = SafeFile::writeWhole(path, bytes);
    }
    QVERIFY(failure.failed());
    QCOMPARE(failure.systemError(), EFBIG);
    QCOMPARE(readFile(path), QByteArray("earlier export"));
    QCOMPARE(othersThan(folder.path(), "Proprietari.xls"), QStringList());

    // Through the device, as a stream writer uses it: the failed write says
    // so, later ones fail too, and commit refuses.
    {
        FileSizeLimit limit(room);
        SafeFileWriter writer(path);
        QVERIFY(writer.open());
        QCOMPARE(writer.write(bytes), qint64(-1));
        QCOMPARE(writer.write("x", 1), qint64(-1));
        QVERIFY(!writer.commit());
        QVERIFY(writer.failure().failed());
    }
    QCOMPARE(readFile(path), QByteArray("earlier export"));
    QCOMPARE(othersThan(folder.path(), "Proprietari.xls"), QStringList());

    // With room enough the same write replaces the file whole, also when the
    // device was closed by whatever wrote through it.
    {
        FileSizeLimit limit(bytes.size());
        SafeFileWriter writer(path);
        QVERIFY(writer.open());
        QCOMPARE(writer.write(bytes), qint64(bytes.size()));
        writer.close();
        QCOMPARE(readFile(path), QByteArray("earlier export"));
        QVERIFY(writer.commit());
    }
    QCOMPARE(readFile(path), bytes);
    // A writer dropped without commit keeps the earlier file.
    {
        SafeFileWriter writer(path);
        QVERIFY(writer.open());
        writer.write("abandoned");
    }
    QCOMPARE(readFile(path), bytes);
    QCOMPARE(othersThan(folder.path(), "Proprietari.xls"), QStringList());
}

void TestSafeFile::fullDiskCopyKeepsEarlierFile()
{
    TempProgramFolder folder;
    const QString source = folder.file("grande.pdf");
    const QString target = folder.file("doc.pdf");
    writeFile(source, pattern(300000));
    writeFile(target, "earlier attachment");
    FileFailure failure;
    {
        FileSizeLimit limit(70000);
        failure = SafeFile::copyWhole(source, target);
    }
    QCOMPARE(failure.systemError(), EFBIG);
    QCOMPARE(readFile(target), QByteArray("earlier attachment"));
    QCOMPARE(othersThan(folder.path(), "doc.pdf"), QStringList { "grande.pdf" });
    QVERIFY(!SafeFile::copyWhole(source, target).failed());
    QCOMPARE(readFile(target), pattern(300000));
}

void TestSafeFile::copyToFailingDeviceReportsIt_data()
{
    QTest::addColumn<int>("room");
    QTest::newRow("nothing") << 0;
    QTest::newRow("inside the first block") << 1000;
    QTest::newRow("at a block edge") << 65536;
    QTest::newRow("one byte short") << 199999;
}

void TestSafeFile::copyToFailingDeviceReportsIt()
{
    QFETCH(int, room);
    QByteArray bytes = pattern(200000);
    QBuffer source(&bytes);
    QVERIFY(source.open(QIODevice::ReadOnly));
    FailDevice target(room);
    QVERIFY(SafeFile::copyDevice(source, target).failed());
    QCOMPARE(target.written(), bytes.left(room));

    QBuffer again(&bytes);
    QVERIFY(again.open(QIODevice::ReadOnly));
    FailDevice roomy(bytes.size());
    QVERIFY(!SafeFile::copyDevice(again, roomy).failed());
    QCOMPARE(roomy.written(), bytes);
}

void TestSafeFile::specialFileIsRefusedWithoutBlocking_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected"); // FileFailure::Kind
    QTest::newRow("fifo") << "fifo" << int(FileFailure::Kind::NotRegular);
    QTest::newRow("link to /dev/zero") << "/dev/zero" << int(FileFailure::Kind::NotRegular);
    QTest::newRow("link to /dev/urandom") << "/dev/urandom" << int(FileFailure::Kind::NotRegular);
    QTest::newRow("folder") << "folder" << int(FileFailure::Kind::NotRegular);
    QTest::newRow("broken link") << "/nonexistent/x" << int(FileFailure::Kind::System);
    QTest::newRow("huge sparse file") << "sparse:1099511627776" << int(FileFailure::Kind::TooLarge);
}

void TestSafeFile::specialFileIsRefusedWithoutBlocking()
{
    QFETCH(QString, kind);
    QFETCH(int, expected);
    TempProgramFolder folder;
    const QString path = folder.file("special");
    if (!makeSpecial(kind, path))
        QSKIP("this file system cannot make the file");
    QElapsedTimer clock;
    clock.start();
    QByteArray bytes;
    const FileFailure failure = SafeFile::readWhole(path, 1 << 20, bytes);
    QCOMPARE(int(failure.kind()), expected);
    QVERIFY(bytes.isEmpty());
    if (expected != int(FileFailure::Kind::TooLarge)) {
        QFile file;
        QVERIFY(SafeFile::openForReading(file, path).failed());
        QVERIFY(!file.isOpen());
        QVERIFY(SafeFile::kindOf(path) == SafeFile::Kind::Other);
    }
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void TestSafeFile::writerRefusesSpecialTarget_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("link to /dev/null") << "/dev/null";
    QTest::newRow("link to /dev/zero") << "/dev/zero";
    QTest::newRow("folder") << "folder";
    QTest::newRow("broken link") << "/nonexistent/target";
}

void TestSafeFile::writerRefusesSpecialTarget()
{
    QFETCH(QString, kind);
    TempProgramFolder folder;
    const QString path = folder.file("special");
    QVERIFY(makeSpecial(kind, path));
    const QFileInfo before(path);
    QElapsedTimer clock;
    clock.start();
    const FileFailure failure = SafeFile::writeWhole(path, "bytes");
    QCOMPARE(int(failure.kind()), int(FileFailure::Kind::NotRegular));
    QVERIFY(clock.elapsed() < 1000);
    // Left as it was: not replaced by a regular file.
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isFile(), false);
    QCOMPARE(othersThan(folder.path(), "special"), QStringList());
}

void TestSafeFile::readerStaysWithinItsLimit()
{
    TempProgramFolder folder;
    const QString path = folder.file("a.ini");
    writeFile(path, pattern(1000));
    QByteArray bytes;
    QCOMPARE(int(SafeFile::readWhole(path, 999, bytes).kind()), int(FileFailure::Kind::TooLarge));
    QVERIFY(bytes.isEmpty());
    QVERIFY(!SafeFile::readWhole(path, 1000, bytes).failed());
    QCOMPARE(bytes, pattern(1000));
    QCOMPARE(SafeFile::readWhole(folder.file("none.ini"), 1000, bytes).systemError(), ENOENT);
    QVERIFY(SafeFile::kindOf(folder.file("none.ini")) == SafeFile::Kind::Missing);
}

void TestSafeFile::reasonsAreItalian_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("ENOSPC") << ENOSPC << QString::fromUtf8("Lo spazio sul disco \u00E8 esaurito.");
    QTest::newRow("EPERM") << EPERM << QString("Operazione non permessa dal sistema.");
    QTest::newRow("EACCES") << EACCES << QString("Accesso negato: mancano i permessi necessari.");
    QTest::newRow("EROFS") << EROFS << QString::fromUtf8("Il disco \u00E8 in sola lettura.");
    QTest::newRow("EFBIG") << EFBIG << QString("Il file supera la dimensione massima consentita.");
    QTest::newRow("unmapped") << EDOM << QString("Errore di sistema (codice %1).").arg(EDOM);
}

void TestSafeFile::reasonsAreItalian()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QCOMPARE(FileFailure::system(error).reason(), reason);
    QVERIFY(!reason.contains(QString::fromLocal8Bit(std::strerror(error))));
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
