#include "app/core/Crypt.h"
#include "app/core/Ini.h"
#include "app/dialogs/OpenURL.h"
#include "common/Cp1252.h"
#include "common/TextRoutines.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace TestSupport;

class TestShellDomain : public QObject
{
    Q_OBJECT

private slots:
    void encryptVectors_data();
    void encryptVectors();
    void decryptRoundTrip();
    void decryptRejectsNonHexPair_data();
    void decryptRejectsNonHexPair();
    void canScrambleOnlyWindows1252();

    void iniReads_data();
    void iniReads();
    void iniMissingOrUnreadableFile();
    void iniWriteKeepsTheRestOfTheFile_data();
    void iniWriteKeepsTheRestOfTheFile();
    void iniWriteFailureLeavesFileUnchanged();
    void settingsFileThatIsNoFileFailsAtOnce_data();
    void settingsFileThatIsNoFileFailsAtOnce();

    void openTargets_data();
    void openTargets();
};

void TestShellDomain::encryptVectors_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("hex");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("A") << "A"
                       << "5D";
    QTest::newRow("ABC") << "ABC"
                         << "5D5D48";
    QTest::newRow("initial password") << "GIRASOLEMATTIN"
                                      << "5B44E17518F04E5B993B47A1533D";
}

void TestShellDomain::encryptVectors()
{
    QFETCH(QString, plain);
    QFETCH(QString, hex);
    QCOMPARE(EncryptToHex(plain), hex);
    QCOMPARE(DecryptFromHex(hex), plain);
    QCOMPARE(DecryptFromHex(hex.toLower()), plain);
}

void TestShellDomain::decryptRoundTrip()
{
    // Every Windows-1252 character, in a 300-character password.
    QString plain;
    for (int i = 0; i < 300; ++i) {
        const int b = 1 + (i * 7) % 255;
        plain += Cp1252::decode(QByteArray(1, char(b)));
    }
    plain += QStringLiteral("\u20AC\u0160\u0153\u00E8");
    const QString hex = EncryptToHex(plain);
    QCOMPARE(hex.size(), plain.size() * 2);
    QCOMPARE(DecryptFromHex(hex), plain);
    // A trailing odd digit is ignored; "0" alone is the empty text.
    QCOMPARE(DecryptFromHex(hex + QLatin1Char('7')), plain);
    QCOMPARE(DecryptFromHex(QStringLiteral("0")), QString());
}

void TestShellDomain::decryptRejectsNonHexPair_data()
{
    QTest::addColumn<QString>("hex");
    QTest::newRow("letter") << "5G";
    QTest::newRow("blank inside") << "5D 5D48";
    QTest::newRow("sign") << "+5";
    QTest::newRow("later pair") << "5B44E17518F04E5B993B47A1533Z";
}

void TestShellDomain::decryptRejectsNonHexPair()
{
    QFETCH(QString, hex);
    QVERIFY_THROWS_EXCEPTION(Crypt::ConversionError, DecryptFromHex(hex));
}

void TestShellDomain::canScrambleOnlyWindows1252()
{
    QVERIFY(Crypt::canScramble(QStringLiteral("PERCHÈ€")));
    QVERIFY(!Crypt::canScramble(QStringLiteral("\u0100")));
    QVERIFY(!Crypt::canScramble(QStringLiteral("PASS\u2713")));
}

void TestShellDomain::iniReads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QByteArray sample
        = "; settings\r\n[Altro]\r\nValore=NO\r\n\r\n[Accesso]\r\n  Valore =  5D5D48  \r\nVuoto=\r\n"
          "Citato=\"  tra virgolette \"\r\n[accesso]\r\nChiave=seconda\r\n";
    QTest::newRow("exact") << sample << "Accesso"
                           << "Valore"
                           << "5D5D48";
    QTest::newRow("case of section and key") << sample << "ACCESSO"
                                             << "valore"
                                             << "5D5D48";
    QTest::newRow("other section") << sample << "Altro"
                                   << "Valore"
                                   << "NO";
    QTest::newRow("empty value") << sample << "Accesso"
                                 << "Vuoto"
                                 << "";
    QTest::newRow("quotes removed") << sample << "Accesso"
                                    << "Citato"
                                    << "  tra virgolette ";
    QTest::newRow("missing key") << sample << "Accesso"
                                 << "Nessuna"
                                 << "def";
    QTest::newRow("missing section") << sample << "Nessuna"
                                     << "Valore"
                                     << "def";
    QTest::newRow("only the first section of a name") << sample << "Accesso"
                                                      << "Chiave"
                                                      << "def";
    QTest::newRow("LF line ends") << QByteArray("[Accesso]\nValore=41\n") << "Accesso"
                                  << "Valore"
                                  << "41";
    QTest::newRow("Windows-1252") << QByteArray("[Ditta]\r\nNome=Pensione Cos\xEC Bella \x80\r\n") << "Ditta"
                                  << "Nome" << QStringLiteral("Pensione Così Bella €");
    QTest::newRow("no line end at the end") << QByteArray("[Accesso]\r\nValore=41") << "Accesso"
                                            << "Valore"
                                            << "41";
}

void TestShellDomain::iniReads()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TempProgramFolder folder;
    writeFile(folder.file("s.ini"), file);
    QCOMPARE(IniFile(folder.file("s.ini")).readString(section, key, QStringLiteral("def")), value);
}

void TestShellDomain::iniMissingOrUnreadableFile()
{
    TempProgramFolder folder;
    QCOMPARE(IniFile(folder.file("none.ini")).readString("Accesso", "Valore"), QString());
    // A folder where the file should be cannot be read, nor written over.
    QVERIFY(QDir(folder.path()).mkdir("dir.ini"));
    QVERIFY_THROWS_EXCEPTION(IniError, IniFile(folder.file("dir.ini")).readString("Accesso", "Valore"));
    QVERIFY_THROWS_EXCEPTION(IniError, IniFile(folder.file("dir.ini")).writeString("Accesso", "Valore", "1"));
    // A file in a folder that does not exist cannot be written.
    QVERIFY_THROWS_EXCEPTION(IniError, IniFile(folder.file("no/s.ini")).writeString("Accesso", "Valore", "1"));
}

void TestShellDomain::iniWriteKeepsTheRestOfTheFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file") << QByteArray() << "Accesso"
                              << "Valore"
                              << "5D" << QByteArray("[Accesso]\r\nValore=5D\r\n");
    QTest::newRow("replace the value, other lines kept byte for byte")
        << QByteArray("; nota\n[Altro]\nA = 1\n\n[ACCESSO]\r\nvalore = VECCHIO \r\nDopo=2\r\n") << "Accesso"
        << "Valore"
        << "5D" << QByteArray("; nota\n[Altro]\nA = 1\n\n[ACCESSO]\r\nValore=5D\r\nDopo=2\r\n");
    QTest::newRow("new key after the section's last line")
        << QByteArray("[Accesso]\r\nAltro=1\r\n\r\n[Ditta]\r\nNome=X\r\n") << "Accesso"
        << "Valore"
        << "5D" << QByteArray("[Accesso]\r\nAltro=1\r\nValore=5D\r\n\r\n[Ditta]\r\nNome=X\r\n");
    QTest::newRow("new section at the end, last line ended")
        << QByteArray("[Ditta]\r\nNome=X") << "Accesso"
        << "Valore"
        << "5D" << QByteArray("[Ditta]\r\nNome=X\r\n\r\n[Accesso]\r\nValore=5D\r\n");
    QTest::newRow("Windows-1252 value, line breaks become blanks")
        << QByteArray("[Ditta]\r\n") << "Ditta"
        << "Nome" << QStringLiteral("Così €\r\nbella") << QByteArray("[Ditta]\r\nNome=Cos\xEC \x80  bella\r\n");
}

void TestShellDomain::iniWriteKeepsTheRestOfTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TempProgramFolder folder;
    const QString path = folder.file("s.ini");
    if (!before.isEmpty())
        writeFile(path, before);
    IniFile ini(path);
    ini.writeString(section, key, value);
    QCOMPARE(readFile(path), after);
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QCOMPARE(ini.readString(section, key), TrimText(flat));
}

void TestShellDomain::iniWriteFailureLeavesFileUnchanged()
{
    // A disk that refuses to grow the file: the write fails as a whole and
    // the old contents stay readable.
    TempProgramFolder folder;
    const QString path = folder.file("s.ini");
    const QByteArray before = "[Accesso]\r\nValore=5D\r\n";
    writeFile(path, before);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    bool failed = false;
    try {
        IniFile(path).writeString("Accesso", "Valore", QString(40, QLatin1Char('A')));
    } catch (const IniError &) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QVERIFY(failed);
    QCOMPARE(readFile(path), before);
}

void TestShellDomain::settingsFileThatIsNoFileFailsAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to /dev/zero") << "/dev/zero";
    QTest::newRow("link to /dev/urandom") << "/dev/urandom";
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("huge sparse file") << "sparse:1099511627776";
    QTest::newRow("just over the settings limit") << QString("sparse:%1").arg(IniFile::kMaxFileSize + 1);
}

// The login reads the password from this file: whatever stands there, the
// read ends at once with the settings failure (which the login reports as a
// damaged file), never blocking on a pipe nor reading a device without end.
void TestShellDomain::settingsFileThatIsNoFileFailsAtOnce()
{
    QFETCH(QString, kind);
    TempProgramFolder folder;
    const QString path = folder.file(PasswordStore::FileName);
    QVERIFY(makeSpecial(kind, path));
    const QFileInfo before(path);
    QElapsedTimer clock;
    clock.start();
    QVERIFY_THROWS_EXCEPTION(IniError, PasswordStore::read(path));
    QVERIFY_THROWS_EXCEPTION(IniError, PasswordStore::write(path, "nuova"));
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.size(), before.size());
}

void TestShellDomain::openTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("quoted path with blanks")
        << "\"/tmp/Cartella prova/Guida.pdf\"" << QUrl::fromLocalFile("/tmp/Cartella prova/Guida.pdf");
    QTest::newRow("quoted folder") << "\"/tmp/Cartelle_Abbinate/12\""
                                   << QUrl::fromLocalFile("/tmp/Cartelle_Abbinate/12");
    QTest::newRow("web address unquoted") << "https://kennora.example/" << QUrl("https://kennora.example/");
    QTest::newRow("quoted mailto keeps its blanks")
        << "\"mailto:assistenza@kennora.example?subject=Software Kennora&body=Salve, a tutti:\""
        << QUrl("mailto:assistenza@kennora.example?subject=Software Kennora&body=Salve, a tutti:", QUrl::TolerantMode);
    QTest::newRow("shell metacharacters stay a file name")
        << "\"/tmp/a; rm -rf x $(y)\"" << QUrl::fromLocalFile("/tmp/a; rm -rf x $(y)");
}

void TestShellDomain::openTargets()
{
    QFETCH(QString, target);
    QFETCH(QUrl, url);
    QList<QUrl> opened;
    TMisc::setOpener([&](const QUrl &u) { opened.append(u); });
    TMisc::Open(target);
    TMisc::setOpener(nullptr);
    QCOMPARE(opened, QList<QUrl> { url });
}

QTEST_MAIN(TestShellDomain)
#include "tst_shelldomain.moc"
