#include "common/ArchiveFile.h"
#include "common/report/ReportCommands.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/report/ReportTemplate.h"
#include "common/report/ReportWindow.h"
#include "common/ui/Application.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ControlText.h"
#include "common/ui/MessageBoxes.h"
#include "tests/support/FailDevice.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <stdexcept>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// The window that opens a sheet window: one edit whose text the sheet prints.
class OwnerStandIn : public QWidget
{
public:
    OwnerStandIn()
    {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txtNome"));
    }
    void setName(const QString &text) { ControlText::setNamed(this, QStringLiteral("txtNome"), text); }
};

// A small sheet filled from the owner's controls: title band, one value, a
// picture, the footer stamp.
std::unique_ptr<Report> smallSheet(const ReportWindow &window)
{
    auto sheet = std::make_unique<ReportTemplate>(QStringLiteral("Scheda prova"));
    sheet->addRectangle(QStringLiteral("shpTitolo"), QRectF(1, 1, 188, 10), Qt::black, QColor(176, 196, 222));
    sheet->addText(QStringLiteral("txtTitolo"), QRectF(2, 2, 186, 8), ReportTemplate::font(QStringLiteral("Arial"), 12),
        QStringLiteral("Titolo"), Qt::AlignCenter);
    sheet->addPicture(
        QStringLiteral("imgLogo"), QRectF(1, 14, 60, 40), QImage(), ReportTemplate::PictureFit::KeepAspectCentred);
    sheet->addText(QStringLiteral("txtNome"), QRectF(65, 14, 120, 6), ReportTemplate::font(QStringLiteral("Arial"), 10),
        QStringLiteral("Nome"));
    sheet->addText(QStringLiteral("txtCalce"), QRectF(1, 60, 188, 6), ReportTemplate::font(QStringLiteral("Arial"), 8),
        QStringLiteral("Data e ora stampa"), Qt::AlignCenter, Qt::black, QColor(255, 215, 0));
    sheet->setText(QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA DI PROVA [non un'espressione]"));
    sheet->setText(
        QStringLiteral("txtNome"), ControlText::named(window.parentWidget(), QStringLiteral("txtNome")).trimmed());
    sheet->setPicture(QStringLiteral("imgLogo"), window.picture());
    sheet->setText(
        QStringLiteral("txtCalce"), ReportCommands::printStamp(QDateTime(QDate(2024, 2, 29), QTime(8, 30, 0))));
    return sheet;
}

QImage solidPicture(const QColor &colour)
{
    QImage picture(297, 184, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

ReportWindow::Setup pdfSetup(const QString &path, QStringList *opened)
{
    ReportWindow::Setup setup;
    setup.objectName = QStringLiteral("frmCrea_PDF_Prova");
    setup.caption = QStringLiteral(" Esporta in PDF");
    setup.clientSize = QSize(363, 299);
    setup.output = ReportWindow::Output::Pdf;
    setup.actionText = QStringLiteral("Crea PDF");
    setup.instructions = { QStringLiteral("Esporta in PDF"),
        QStringLiteral("Questa operazione provveder\u00E0 a esportare in formato PDF il documento "
                       "con i dati immessi nei campi di testo."),
        QStringLiteral("Premere il pulsante Crea PDF per esportare il documento in un file PDF "
                       "oppure fare clic su Annulla se si desidera annullare l'operazione."),
        QPixmap() };
    setup.build = smallSheet;
    setup.pdfPath = [path] { return path; };
    setup.pdfProperties = { QStringLiteral("Scheda prova"), QStringLiteral("Prova") };
    setup.open = [opened](const QString &target) { opened->append(target); };
    setup.loadPicture = [] { return solidPicture(QColor(30, 90, 200)); };
    setup.defaultPicture = solidPicture(Qt::gray);
    return setup;
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void guardShowsOneFixedMessageOfItsKind_data();
    void guardShowsOneFixedMessageOfItsKind();

    void pdfThroughTheWindowAsksOnlyAfterTheFileIsChecked();
    void pdfOnFullDiskKeepsEarlierFileAndAsksNothing_data();
    void pdfOnFullDiskKeepsEarlierFileAndAsksNothing();
    void lastBufferedPieceLostOnFullDiskIsReported();
    void printToFileOnFullDiskReportedAsPrinted();
    void specialFileInPlaceOfTheDocumentIsRefused_data();
    void specialFileInPlaceOfTheDocumentIsRefused();

    void actionEndings_data();
    void actionEndings();
    void previewWindowClosesWithThePreview();
    void pictureFallsBackToTheDefault_data();
    void pictureFallsBackToTheDefault();
    void windowLayout();
};

void TestReportWindow::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

// ---------------------------------------------------------------------------
// The guard

void TestReportWindow::guardShowsOneFixedMessageOfItsKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("failure"); // 0 none, 1 archive, 2 report, 3 runtime, 4 not an exception
    QTest::newRow("warning, archive failure") << int(Kind::Warning) << 1;
    QTest::newRow("warning, printer failure") << int(Kind::Warning) << 2;
    QTest::newRow("plain, file failure") << int(Kind::Plain) << 3;
    QTest::newRow("information, odd throw") << int(Kind::Information) << 4;
    QTest::newRow("error, runtime failure") << int(Kind::Error) << 3;
    QTest::newRow("warning, command completes") << int(Kind::Warning) << 0;
}

void TestReportWindow::guardShowsOneFixedMessageOfItsKind()
{
    QFETCH(int, kind);
    QFETCH(int, failure);
    const QString fixed = QStringLiteral("Attenzione: messaggio fisso.\n\r\n\rSeconda frase.");
    MessageRecorder boxes;
    const CommandGuard guard(Kind(kind), fixed);
    QVERIFY(guard.hasFixedMessage());
    int ran = 0;
    const bool completed = guard.run([&] {
        ++ran;
        switch (failure) {
        case 1:
            throw ArchiveAccessError();
        case 2:
            throw ReportError(QStringLiteral("stampante assente"));
        case 3:
            throw std::runtime_error("disco pieno");
        case 4:
            throw 42;
        default:
            break;
        }
    });
    QCOMPARE(ran, 1);
    QCOMPARE(completed, failure == 0);
    if (failure == 0) {
        QCOMPARE(boxes.count(), 0);
        return;
    }
    // One box, of the guard's kind, with exactly the fixed text: never the
    // failure's own words, never the archive message.
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(int(boxes.kind(0)), kind);
    QCOMPARE(boxes.text(0), fixed);

    // The standard guard, for contrast: the failure's own text in an error box.
    boxes.clear();
    QVERIFY(!CommandGuard().hasFixedMessage());
    RunGuarded([] { throw std::runtime_error("disco pieno"); });
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), Kind::Error);
    QCOMPARE(boxes.text(0), QStringLiteral("disco pieno"));
}

// ---------------------------------------------------------------------------
// PDF through the window; the checked, atomic write

void TestReportWindow::pdfThroughTheWindowAsksOnlyAfterTheFileIsChecked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Prova.pdf"));
    QStringList opened;
    OwnerStandIn owner;
    owner.setName(QStringLiteral("  Fido della Citt\u00E0  "));
    MessageRecorder boxes;
    QString textAtQuestion;
    boxes.onMessage([&](Kind kind, const QString &) {
        if (kind == Kind::Confirmation)
            textAtQuestion = pdfText(path); // the file as it stands when the question shows
    });

    // No: the file stays, nothing opens, the window stays open.
    ReportWindow window(&owner, pdfSetup(path, &opened));
    window.show();
    QCOMPARE(window.picture().pixelColor(0, 0), QColor(30, 90, 200));
    boxes.answerNext(false);
    window.actionButton()->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), Kind::Confirmation);
    QCOMPARE(boxes.text(0), ReportCommands::pdfQuestion());
    QVERIFY2(textAtQuestion.contains(QStringLiteral("Fido della Citt\u00E0")), qPrintable(textAtQuestion));
    QVERIFY(textAtQuestion.contains(QStringLiteral("SCHEDA DI PROVA [non un'espressione]")));
    QVERIFY(textAtQuestion.contains(QStringLiteral("Stampa eseguita in data 29/02/2024 alle ore 08:30:00")));
    QVERIFY(opened.isEmpty());
    QVERIFY(window.isVisible());

    const QString info = runPdfTool(QStringLiteral("pdfinfo"), { path });
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Title")), QStringLiteral("Scheda prova"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Subject")), QStringLiteral("Prova"));

    // Yes: the text of the owner at this moment replaces the file, which opens
    // in double quotes, and the window closes.
    owner.setName(QStringLiteral("Rex"));
    boxes.clear();
    boxes.answerNext(true);
    window.actionButton()->click();
    QCOMPARE(boxes.count(), 1);
    QVERIFY(textAtQuestion.contains(QStringLiteral("Rex")));
    QVERIFY(!textAtQuestion.contains(QStringLiteral("Fido")));
    QCOMPARE(opened, QStringList { QLatin1Char('"') + path + QLatin1Char('"') });
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(filesIn(dir.path()), QStringList { QStringLiteral("Prova.pdf") });
}

void TestReportWindow::pdfOnFullDiskKeepsEarlierFileAndAsksNothing_data()
{
    // Where the disk fills up: at the first byte, within the document, or at
    // its very last byte.
    QTest::addColumn<int>("room");
    QTest::newRow("no room at all") << 0;
    QTest::newRow("full after 4096 bytes") << 4096;
    QTest::newRow("full one byte short") << -1;
}

void TestReportWindow::pdfOnFullDiskKeepsEarlierFileAndAsksNothing()
{
    QFETCH(int, room);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Prova.pdf"));
    const QByteArray earlier("%PDF-1.4 earlier document\n");
    QVERIFY(writePlain(path, earlier));
    QStringList opened;
    OwnerStandIn owner;
    owner.setName(QStringLiteral("Fido"));
    MessageRecorder boxes;
    ReportWindow window(&owner, pdfSetup(path, &opened));
    window.show();
    if (room < 0) {
        // The size the document will have: the same sheet made in memory.
        room = int(ReportOutput::pdfBytes(*smallSheet(window), window.setup().pdfProperties).size()) - 1;
        QVERIFY(room > 4096);
    }
    {
        TestSupport::FileSizeLimit full(room);
        window.actionButton()->click();
    }
    // One error naming the file, no question, nothing opened, the earlier file
    // untouched, no temporary left, the window still open.
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), Kind::Error);
    QVERIFY2(boxes.text(0).contains(path), qPrintable(boxes.text(0)));
    QVERIFY(opened.isEmpty());
    QCOMPARE(readAll(path), earlier);
    QCOMPARE(filesIn(dir.path()), QStringList { QStringLiteral("Prova.pdf") });
    QVERIFY(window.isVisible());

    // With room again the same command writes the document.
    boxes.clear();
    boxes.answerNext(false);
    window.actionButton()->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), Kind::Confirmation);
    QVERIFY(pdfText(path).contains(QStringLiteral("Fido")));
}

void TestReportWindow::lastBufferedPieceLostOnFullDiskIsReported()
{
    // A document small enough to stay in the file's write buffer: its only
    // write error shows when the buffer is flushed, which must not be lost.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Scheda.rtf"));
    const QByteArray earlier("{\\rtf1 earlier}");
    QVERIFY(writePlain(path, earlier));
    const QByteArray document(1000, 'x');
    bool failed = false;
    {
        TestSupport::FileSizeLimit full(500);
        try {
            ReportOutput::writeFile(path, document);
        } catch (const ReportError &e) {
            failed = e.message().contains(path);
        }
    }
    QVERIFY(failed);
    QCOMPARE(readAll(path), earlier);
    QCOMPARE(filesIn(dir.path()), QStringList { QStringLiteral("Scheda.rtf") });

    ReportOutput::writeFile(path, document);
    QCOMPARE(readAll(path), document);
}

void TestReportWindow::printToFileOnFullDiskReportedAsPrinted()
{
    // The print dialog's "print to file": a cut file must not pass for a print.
    QTemporaryDir dir;
    PrintToFile printDialog;
    printDialog.path = dir.filePath(QStringLiteral("stampa.pdf"));
    const QByteArray earlier("%PDF-1.4 earlier print\n");
    QVERIFY(writePlain(printDialog.path, earlier));
    MessageRecorder boxes;
    OwnerStandIn owner;
    owner.setName(QStringLiteral("Fido"));
    ReportWindow::Setup setup;
    setup.guard = CommandGuard(Kind::Warning, ReportCommands::printFailureMessage());
    setup.build = smallSheet;
    ReportWindow window(&owner, setup);
    window.show();
    {
        TestSupport::FileSizeLimit full(4096);
        window.actionButton()->click();
    }
    QCOMPARE(printDialog.shown, 1);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), Kind::Warning);
    QCOMPARE(boxes.text(0), ReportCommands::printFailureMessage());
    QCOMPARE(readAll(printDialog.path), earlier);
    QCOMPARE(filesIn(dir.path()), QStringList { QStringLiteral("stampa.pdf") });
}

void TestReportWindow::specialFileInPlaceOfTheDocumentIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("link to a device") << QStringLiteral("device");
    QTest::newRow("no file name") << QStringLiteral("none");
}

void TestReportWindow::specialFileInPlaceOfTheDocumentIsRefused()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = kind == QLatin1String("none") ? QString() : dir.filePath(QStringLiteral("Prova.pdf"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Prova.pdf")));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    QElapsedTimer clock;
    clock.start();
    try {
        ReportOutput::writeFile(path, QByteArray("%PDF-1.4\n"));
        QFAIL("no failure reported");
    } catch (const ReportError &e) {
        QVERIFY2(e.message().contains(path), qPrintable(e.message()));
    }
    QVERIFY(clock.elapsed() < 1000); // never blocks on the FIFO
    QCOMPARE(filesIn(dir.path()).size(), kind == QLatin1String("fifo") || kind == QLatin1String("device") ? 1 : 0);
}

// ---------------------------------------------------------------------------
// How the action ends

void TestReportWindow::actionEndings_data()
{
    QTest::addColumn<int>("output"); // ReportWindow::Output
    QTest::addColumn<int>("guardKind"); // -1 standard guard
    QTest::addColumn<QString>("guardText");
    QTest::addColumn<QString>("outcome"); // "cancel", "print", "fail", "mode"
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("boxKind"); // -1 no box
    QTest::addColumn<QString>("boxText");

    const int print = int(ReportWindow::Output::Print);
    const int custom = int(ReportWindow::Output::Custom);
    const int warning = int(Kind::Warning);
    const QString printFailure = ReportCommands::printFailureMessage();
    const QString rtfFailure = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                              "Accertarsi che il documento non sia gi\u00E0 aperto.");
    QTest::newRow("print cancelled in the dialog: closes silently")
        << print << warning << printFailure << "cancel" << true << -1 << QString();
    QTest::newRow("print done: closes") << print << -1 << QString() << "print" << true << -1 << QString();
    QTest::newRow("print fails, own warning: closes after it")
        << print << warning << printFailure << "fail" << true << warning << printFailure;
    QTest::newRow("print fails, standard guard: error, stays open")
        << print << -1 << QString() << "fail" << false << int(Kind::Error) << "guasto della stampante";
    QTest::newRow("custom step done: closes")
        << custom << int(Kind::Plain) << rtfFailure << "print" << true << -1 << QString();
    QTest::newRow("custom step fails: plain message, closes")
        << custom << int(Kind::Plain) << rtfFailure << "fail" << true << int(Kind::Plain) << rtfFailure;
    QTest::newRow("other caller mode: nothing, stays open")
        << custom << int(Kind::Plain) << rtfFailure << "mode" << false << -1 << QString();
}

void TestReportWindow::actionEndings()
{
    QFETCH(int, output);
    QFETCH(int, guardKind);
    QFETCH(QString, guardText);
    QFETCH(QString, outcome);
    QFETCH(bool, closes);
    QFETCH(int, boxKind);
    QFETCH(QString, boxText);
    const int print = int(ReportWindow::Output::Print);
    const int custom = int(ReportWindow::Output::Custom);

    QTemporaryDir dir;
    PrintToFile printDialog;
    printDialog.path = dir.filePath(QStringLiteral("stampa.pdf"));
    printDialog.accept = outcome != QLatin1String("cancel");
    MessageRecorder boxes;
    OwnerStandIn owner;
    owner.setName(QStringLiteral("Fido"));

    int steps = 0;
    ReportWindow::Setup setup;
    setup.objectName = QStringLiteral("frmStampaProva");
    setup.caption = QStringLiteral(" Stampa scheda");
    setup.output = ReportWindow::Output(output);
    if (guardKind >= 0)
        setup.guard = CommandGuard(Kind(guardKind), guardText);
    const bool fail = outcome == QLatin1String("fail");
    setup.build = [&](const ReportWindow &window) -> std::unique_ptr<Report> {
        ++steps;
        if (fail)
            throw ReportError(QStringLiteral("guasto della stampante"));
        return smallSheet(window);
    };
    setup.run = [&](ReportWindow &) {
        ++steps;
        if (fail)
            throw std::runtime_error("documento bloccato");
    };
    if (outcome == QLatin1String("mode") || output == custom)
        setup.requiredMode = QStringLiteral("cani");

    ReportWindow window(&owner, setup);
    if (window.lblMemory())
        window.lblMemory()->setText(
            outcome == QLatin1String("mode") ? QStringLiteral("gatti") : QStringLiteral(" cani "));
    window.show();
    window.actionButton()->click();

    QCOMPARE(steps, outcome == QLatin1String("mode") ? 0 : 1);
    QCOMPARE(!window.isVisible(), closes);
    QCOMPARE(boxes.count(), boxKind < 0 ? 0 : 1);
    if (boxKind >= 0) {
        QCOMPARE(int(boxes.kind(0)), boxKind);
        QCOMPARE(boxes.text(0), boxText);
    }
    if (output == print && !fail)
        QCOMPARE(printDialog.shown, 1);
    if (outcome == QLatin1String("print") && output == print)
        QVERIFY(pdfText(printDialog.path).contains(QStringLiteral("Fido")));
    if (outcome == QLatin1String("cancel"))
        QVERIFY(!QFile::exists(printDialog.path));
}

void TestReportWindow::previewWindowClosesWithThePreview()
{
    OwnerStandIn owner;
    owner.setName(QStringLiteral("Fido"));
    MessageRecorder boxes;
    ReportWindow::Setup setup;
    setup.caption = QStringLiteral(" Anteprima di stampa");
    setup.output = ReportWindow::Output::Preview;
    setup.actionName = QStringLiteral("btnAnteprima");
    setup.actionText = QStringLiteral("Mostra anteprima");
    setup.guard = CommandGuard(Kind::Warning, ReportCommands::previewFailureMessage());
    setup.build = smallSheet;
    ReportWindow window(&owner, setup);
    window.show();
    int pages = -1;
    onNextModal([&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreviewDialog *>(w);
        QVERIFY(preview);
        pages = preview->previewWidget()->pageCount();
        preview->findChild<QAction *>(QStringLiteral("actChiudi"))->trigger();
    });
    window.findChild<QPushButton *>(QStringLiteral("btnAnteprima"))->click();
    QCOMPARE(pages, 1);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!window.isVisible());
}

void TestReportWindow::pictureFallsBackToTheDefault_data()
{
    QTest::addColumn<QString>("load");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("picture loaded") << "ok" << QColor(30, 90, 200);
    QTest::newRow("no picture") << "null" << QColor(Qt::gray);
    QTest::newRow("load fails") << "throw" << QColor(Qt::gray);
}

void TestReportWindow::pictureFallsBackToTheDefault()
{
    QFETCH(QString, load);
    QFETCH(QColor, expected);
    QStringList opened;
    OwnerStandIn owner;
    auto setup = pdfSetup(QString(), &opened);
    setup.loadPicture = [load]() -> QImage {
        if (load == QLatin1String("throw"))
            throw std::runtime_error("immagine illeggibile");
        return load == QLatin1String("ok") ? solidPicture(QColor(30, 90, 200)) : QImage();
    };
    ReportWindow window(&owner, setup);
    window.show();
    QCOMPARE(window.picture().pixelColor(5, 5), expected);
    auto *imgLogo = window.findChild<QLabel *>(QStringLiteral("imgLogo"));
    QVERIFY(imgLogo && !imgLogo->isVisible());
    QCOMPARE(imgLogo->pixmap().toImage().pixelColor(5, 5), expected);
}

void TestReportWindow::windowLayout()
{
    OwnerStandIn owner;
    QStringList opened;
    ReportWindow window(&owner, pdfSetup(QString(), &opened));
    QCOMPARE(window.size(), QSize(363, 299));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Esporta in PDF"));
    auto *annulla = window.findChild<QPushButton *>(QStringLiteral("btnAnnulla"));
    auto *action = window.findChild<QPushButton *>(QStringLiteral("btnStampa"));
    QVERIFY(annulla && action);
    QCOMPARE(annulla->text(), QStringLiteral("Annulla"));
    QCOMPARE(action->text(), QStringLiteral("Crea PDF"));
    QCOMPARE(annulla->geometry(), QRect(18, 255, 137, 28));
    QCOMPARE(action->geometry(), QRect(208, 255, 137, 28));
    QVERIFY(!annulla->autoDefault() && !action->autoDefault());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // Annulla closes without running the action.
    MessageRecorder boxes;
    window.show();
    annulla->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(opened.isEmpty());
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
