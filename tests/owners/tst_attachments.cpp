#include "app/core/Attachments.h"
#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/FailDevice.h"
#include "tests/support/NonRegularFiles.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

// A stand-in for an editor: the six attachment labels under a window.
struct FakeEditor {
    QWidget window;
    QLabel *labels[6];
    explicit FakeEditor(const char *globalName)
    {
        const char *names[] = { "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03" };
        for (int i = 0; i < 6; ++i) {
            labels[i] = new QLabel(&window);
            labels[i]->setObjectName(QLatin1String(names[i]));
            labels[i]->setText(QStringLiteral("old%1").arg(i));
        }
        WindowRegistry::set(QLatin1String(globalName), &window);
    }
    ~FakeEditor() { WindowRegistry::clear(); }
    QString text(int i) const { return labels[i]->text(); }
};

// Answers the file dialog with `path` (empty: cancelled) and counts the calls.
struct Chooser {
    QString path;
    int calls = 0;
    QString title, filter;
    Chooser()
    {
        TfrmAllegaCartella::setFileChooser([this](QWidget *, const QString &t, const QString &f) {
            ++calls;
            title = t;
            filter = f;
            return path;
        });
    }
    ~Chooser() { TfrmAllegaCartella::setFileChooser(nullptr); }
};

QString makeSource(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    writeFile(dir + name, bytes);
    return dir + name;
}

} // namespace

class TestAttachments : public QObject
{
    Q_OBJECT
private slots:
    void copyCreatesFolderAndReplaces();
    void failedCopyKeepsOldFile();
    void fileFromInsideFolderIsLeftAlone();
    void refusal_data();
    void refusal();

    void chooseCopiesAndEnablesOpen();
    void cancelChangesNothing();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void failedCopyIsReportedAndSlotKept();
    void fullDiskOverwriteKeepsEarlierAttachment();
    void specialSourceIsRefusedWithoutBlocking_data();
    void specialSourceIsRefusedWithoutBlocking();
    void refusedNameIsNotCopied();
    void chosenFromInsideFolderAsksNothing();
    void emptyAndOpen();
    void applyWritesToCaller_data();
    void applyWritesToCaller();
    void unknownModeStaysOpen();
    void openFromEditorPreloadsTrimmed();
};

void TestAttachments::copyCreatesFolderAndReplaces()
{
    TempProgramFolder folder;
    const QString a = makeSource(folder.file("src/"), "doc.pdf", "first");
    QVERIFY(!QFileInfo::exists(Attachments::folder()));
    QCOMPARE(Attachments::copyIn(a, "doc.pdf"), QString());
    QCOMPARE(readFile(folder.file("Documenti_Allegati/doc.pdf")), QByteArray("first"));
    QVERIFY(Attachments::exists("doc.pdf"));
    const QString b = makeSource(folder.file("other/"), "doc.pdf", "second, longer");
    QCOMPARE(Attachments::copyIn(b, "doc.pdf"), QString());
    QCOMPARE(readFile(folder.file("Documenti_Allegati/doc.pdf")), QByteArray("second, longer"));
    QCOMPARE(QDir(Attachments::folder()).entryList(QDir::Files | QDir::Hidden), QStringList { "doc.pdf" });
}

void TestAttachments::failedCopyKeepsOldFile()
{
    TempProgramFolder folder;
    const QString a = makeSource(folder.file("src/"), "doc.pdf", "kept");
    QCOMPARE(Attachments::copyIn(a, "doc.pdf"), QString());
    // A source that cannot be read (gone, or a folder) leaves the attached file whole.
    QVERIFY(!Attachments::copyIn(folder.file("src/missing.pdf"), "doc.pdf").isEmpty());
    QVERIFY(QDir().mkpath(folder.file("src/folder.pdf")));
    QVERIFY(!Attachments::copyIn(folder.file("src/folder.pdf"), "doc.pdf").isEmpty());
    QCOMPARE(readFile(folder.file("Documenti_Allegati/doc.pdf")), QByteArray("kept"));
    QCOMPARE(QDir(Attachments::folder()).entryList(QDir::Files | QDir::Hidden), QStringList { "doc.pdf" });
    // A file standing where the folder should be.
    TempProgramFolder other;
    writeFile(other.file("Documenti_Allegati"), "not a folder");
    QVERIFY(!Attachments::copyIn(a, "doc.pdf").isEmpty());
}

void TestAttachments::fileFromInsideFolderIsLeftAlone()
{
    TempProgramFolder folder;
    const QString a = makeSource(folder.file("src/"), "doc.pdf", "bytes");
    QCOMPARE(Attachments::copyIn(a, "doc.pdf"), QString());
    const QString inside = Attachments::pathFor("doc.pdf");
    QVERIFY(Attachments::isAttachedFile(inside, "doc.pdf"));
    QVERIFY(!Attachments::isAttachedFile(a, "doc.pdf"));
    QCOMPARE(Attachments::copyIn(inside, "doc.pdf"), QString());
    QCOMPARE(readFile(inside), QByteArray("bytes"));
}

void TestAttachments::refusal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Libretto vaccini.pdf" << QString();
    QTest::newRow("accents and euro") << "Ricevuta \u20AC perch\u00E9.pdf" << QString();
    QTest::newRow("250 characters") << QString(246, 'a') + ".pdf" << QString();
    QTest::newRow("251 characters") << QString(247, 'a') + ".pdf" << Attachments::kNameTooLong;
    QTest::newRow("outside the code page") << "\u6587\u4EF6.pdf" << Attachments::kNameNotStorable;
}

void TestAttachments::refusal()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(Attachments::refusal(name), expected);
}

void TestAttachments::chooseCopiesAndEnablesOpen()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    chooser.path = makeSource(folder.file("src/"), "  Certificato.pdf", "cert");
    TfrmAllegaCartella dialog;
    QVERIFY(!dialog.btnApri01->isEnabled());
    QVERIFY(!dialog.btnApri02->isEnabled());
    dialog.txtDesc02->setText("Descrizione");
    QTest::mouseClick(dialog.btnSfoglia02, Qt::LeftButton);
    QCOMPARE(chooser.title, QString("Selezionare il file da allegare:"));
    QCOMPARE(chooser.filter, QString("Tutti i file (*)"));
    QCOMPARE(dialog.txtFile02->text(), QString("Certificato.pdf"));
    QVERIFY(dialog.btnApri02->isEnabled());
    QVERIFY(!dialog.btnApri01->isEnabled());
    QCOMPARE(readFile(folder.file("Documenti_Allegati/Certificato.pdf")), QByteArray("cert"));
    QCOMPARE(boxes.count(), 0);
}

void TestAttachments::cancelChangesNothing()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser; // answers with an empty path
    TfrmAllegaCartella dialog;
    dialog.txtFile01->setText("vecchio.pdf");
    QTest::mouseClick(dialog.btnSfoglia01, Qt::LeftButton);
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(dialog.txtFile01->text(), QString("vecchio.pdf"));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!QFileInfo::exists(Attachments::folder()));
}

void TestAttachments::overwriteQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes replaces") << true;
    QTest::newRow("no keeps the old file and the old name") << false;
}

void TestAttachments::overwriteQuestion()
{
    QFETCH(bool, yes);
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    QCOMPARE(Attachments::copyIn(makeSource(folder.file("a/"), "foto.jpg", "first dog"), "foto.jpg"), QString());
    chooser.path = makeSource(folder.file("b/"), "foto.jpg", "second dog");
    TfrmAllegaCartella dialog;
    dialog.txtFile03->setText("precedente.jpg");
    boxes.answerNext(yes);
    QTest::mouseClick(dialog.btnSfoglia03, Qt::LeftButton);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Confirmation);
    QCOMPARE(boxes.lastText(),
        QString("Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso nome.\r\n\r\n"
                "Si vuole sovrascrivere il file esistente?"));
    QCOMPARE(
        readFile(folder.file("Documenti_Allegati/foto.jpg")), yes ? QByteArray("second dog") : QByteArray("first dog"));
    QCOMPARE(dialog.txtFile03->text(), yes ? QString("foto.jpg") : QString("precedente.jpg"));
}

void TestAttachments::failedCopyIsReportedAndSlotKept()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    chooser.path = makeSource(folder.file("src/"), "doc.pdf", "x");
    writeFile(folder.file("Documenti_Allegati"), "a file, not a folder");
    TfrmAllegaCartella dialog;
    dialog.txtFile01->setText("prima.pdf");
    QTest::mouseClick(dialog.btnSfoglia01, Qt::LeftButton);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QVERIFY(boxes.lastText().startsWith(Attachments::kCopyFailed));
    QCOMPARE(dialog.txtFile01->text(), QString("prima.pdf"));
}

void TestAttachments::fullDiskOverwriteKeepsEarlierAttachment()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    QCOMPARE(Attachments::copyIn(makeSource(folder.file("a/"), "foto.jpg", "first dog"), "foto.jpg"), QString());
    QByteArray big(300000, 'd');
    chooser.path = makeSource(folder.file("b/"), "foto.jpg", big);
    TfrmAllegaCartella dialog;
    dialog.txtFile02->setText("precedente.jpg");
    boxes.answerNext(true); // Yes to the overwrite question
    {
        FileSizeLimit disk(100000); // the disk fills up a third of the way through the copy
        QTest::mouseClick(dialog.btnSfoglia02, Qt::LeftButton);
    }
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.kind(0), Kind::Confirmation);
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QCOMPARE(boxes.lastText(),
        Attachments::kCopyFailed
            + QString::fromUtf8("Il file supera la dimensione massima consentita.\r\n"
                                "Il file gi\u00E0 presente con lo stesso nome non \u00E8 stato modificato."));
    QCOMPARE(readFile(folder.file("Documenti_Allegati/foto.jpg")), QByteArray("first dog"));
    QCOMPARE(QDir(Attachments::folder()).entryList(QDir::Files | QDir::Hidden), QStringList { "foto.jpg" });
    QCOMPARE(dialog.txtFile02->text(), QString("precedente.jpg"));

    // With room on the disk the same choice replaces it whole.
    boxes.answerNext(true);
    QTest::mouseClick(dialog.btnSfoglia02, Qt::LeftButton);
    QCOMPARE(readFile(folder.file("Documenti_Allegati/foto.jpg")), big);
    QCOMPARE(dialog.txtFile02->text(), QString("foto.jpg"));
}

void TestAttachments::specialSourceIsRefusedWithoutBlocking_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("link to /dev/zero") << "/dev/zero";
    QTest::newRow("link to /dev/urandom") << "/dev/urandom";
}

void TestAttachments::specialSourceIsRefusedWithoutBlocking()
{
    QFETCH(QString, kind);
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    QDir().mkpath(folder.file("src"));
    chooser.path = folder.file("src/allegato.pdf");
    QVERIFY(makeSpecial(kind, chooser.path));
    TfrmAllegaCartella dialog;
    dialog.txtFile01->setText("prima.pdf");
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(dialog.btnSfoglia01, Qt::LeftButton);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QCOMPARE(boxes.lastText(),
        Attachments::kCopyFailed + "Impossibile leggere il file " + QDir::toNativeSeparators(chooser.path)
            + QString::fromUtf8(".\r\nIl percorso non indica un file ordinario (\u00E8 una cartella, un "
                                "dispositivo o un canale)."));
    QCOMPARE(dialog.txtFile01->text(), QString("prima.pdf"));
    QVERIFY(!QFileInfo::exists(Attachments::pathFor("allegato.pdf")));
}

void TestAttachments::refusedNameIsNotCopied()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    chooser.path = makeSource(folder.file("src/"), QString(247, 'n') + ".pdf", "x");
    TfrmAllegaCartella dialog;
    QTest::mouseClick(dialog.btnSfoglia01, Qt::LeftButton);
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(boxes.lastText(), Attachments::kNameTooLong);
    QVERIFY(dialog.txtFile01->text().isEmpty());
    QVERIFY(!QFileInfo::exists(Attachments::folder()));
}

void TestAttachments::chosenFromInsideFolderAsksNothing()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Chooser chooser;
    QCOMPARE(Attachments::copyIn(makeSource(folder.file("a/"), "doc.pdf", "bytes"), "doc.pdf"), QString());
    chooser.path = Attachments::pathFor("doc.pdf");
    TfrmAllegaCartella dialog;
    QTest::mouseClick(dialog.btnSfoglia01, Qt::LeftButton);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(dialog.txtFile01->text(), QString("doc.pdf"));
    QCOMPARE(readFile(chooser.path), QByteArray("bytes"));
}

void TestAttachments::emptyAndOpen()
{
    TempProgramFolder folder;
    QList<QUrl> opened;
    TMisc::setOpener([&](const QUrl &url) { opened.append(url); });
    TfrmAllegaCartella dialog;
    dialog.txtFile01->setText(" doc uno.pdf ");
    dialog.txtDesc01->setText("Descrizione");
    QVERIFY(dialog.btnApri01->isEnabled());
    QTest::mouseClick(dialog.btnApri01, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().toLocalFile(), folder.file("Documenti_Allegati/doc uno.pdf"));
    QTest::mouseClick(dialog.imgCancella01, Qt::LeftButton);
    QVERIFY(dialog.txtFile01->text().isEmpty());
    QCOMPARE(dialog.txtDesc01->text(), QString("Descrizione"));
    QVERIFY(!dialog.btnApri01->isEnabled());
    TMisc::setOpener(nullptr);
}

void TestAttachments::applyWritesToCaller_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("globalName");
    QTest::newRow("owners") << "clienti"
                            << "frmClienti";
    QTest::newRow("dogs") << " cani "
                          << "frmCani";
    QTest::newRow("services") << "listino_prezzi"
                              << "frmListino_Prezzi";
    QTest::newRow("boxes") << "box_cani"
                           << "frmBox_Cani";
}

void TestAttachments::applyWritesToCaller()
{
    QFETCH(QString, mode);
    QFETCH(QString, globalName);
    FakeEditor target(qPrintable(globalName));
    FakeEditor bystander(globalName == "frmCani" ? "frmClienti" : "frmCani");
    TfrmAllegaCartella dialog;
    dialog.lblMemory->setText(mode);
    dialog.txtFile01->setText(" a.pdf ");
    dialog.txtDesc01->setText(" Prima ");
    dialog.txtFile02->setText("");
    dialog.txtDesc02->setText("Seconda");
    dialog.txtFile03->setText("c.pdf");
    dialog.txtDesc03->setText("");
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    const QStringList expected = { "a.pdf", "", "c.pdf", "Prima", "Seconda", "" };
    for (int i = 0; i < 6; ++i)
        QCOMPARE(target.text(i), expected[i]);
    QCOMPARE(bystander.text(0), QString("old0"));
}

void TestAttachments::unknownModeStaysOpen()
{
    FakeEditor target("frmCani");
    TfrmAllegaCartella dialog;
    dialog.lblMemory->setText("Cani");
    dialog.txtFile01->setText("a.pdf");
    dialog.show();
    QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(target.text(0), QString("old0"));
    QTest::mouseClick(dialog.btnAnnulla, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(target.text(0), QString("old0"));
}

void TestAttachments::openFromEditorPreloadsTrimmed()
{
    FakeEditor editor("frmCani");
    editor.labels[0]->setText("  uno.pdf ");
    editor.labels[4]->setText(" Due ");
    editor.labels[1]->setText("   ");
    QStringList seen;
    bool applyEnabled = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmAllegaCartella *>(modal);
        QVERIFY(dialog);
        seen = { dialog->lblMemory->text(), dialog->txtFile01->text(), dialog->txtDesc02->text() };
        applyEnabled = dialog->btnApri01->isEnabled() && !dialog->btnApri02->isEnabled();
        dialog->txtDesc01->setText("Nuova");
        QTest::mouseClick(dialog->btnApplica, Qt::LeftButton);
    });
    TfrmAllegaCartella::open(&editor.window, "cani");
    QCOMPARE(seen, QStringList({ "cani", "uno.pdf", "Due" }));
    QVERIFY(applyEnabled);
    QCOMPARE(editor.text(0), QString("uno.pdf"));
    QCOMPARE(editor.text(3), QString("Nuova"));
    QCOMPARE(editor.text(4), QString("Due"));
}

QTEST_MAIN(TestAttachments)
#include "tst_attachments.moc"
