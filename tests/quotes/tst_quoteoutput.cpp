// The printed, previewed and PDF quote and its three windows.
#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/report/ReportCommands.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Application.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/AnteprimaPrev.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/Logo.h"
#include "quotes/QuoteReport.h"
#include "quotes/StampaPrev.h"
#include "tests/quotes/QuoteFixture.h"
#include "tests/support/FailDevice.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <memory>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

using namespace TestSupport;
using namespace QuoteRecord;
using Kind = MessageBoxes::Kind;

namespace
{

bool haveTool(const char *name)
{
    return !QStandardPaths::findExecutable(QLatin1String(name)).isEmpty();
}

// Dark ink (any channel well below white) inside a rectangle of the page, in mm
// from the paper's corner.
bool inkIn(const QImage &page, const QRectF &mm, bool (*ink)(QRgb))
{
    const double perMm = page.width() / 210.0;
    const QRect r(
        qRound(mm.left() * perMm), qRound(mm.top() * perMm), qRound(mm.width() * perMm), qRound(mm.height() * perMm));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (ink(page.pixel(x, y)))
                return true;
    return false;
}

bool blue(QRgb c)
{
    return qBlue(c) > 120 && qRed(c) < 110 && qBlue(c) - qRed(c) > 60;
}

bool red(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

bool notWhite(QRgb c)
{
    return qRed(c) < 235 || qGreen(c) < 235 || qBlue(c) < 235;
}

QImage solid(QSize size, Qt::GlobalColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Shows the window and presses its command button.
void clickAction(ReportWindow &window)
{
    window.show();
    QTest::mouseClick(window.actionButton(), Qt::LeftButton);
}

} // namespace

class TestQuoteOutput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sheetIsReadFromTheEditorsControlsByName();
    void documentIsOneA4PortraitPage();
    void logoKeepsItsProportionsFromTheTopLeft_data();
    void logoKeepsItsProportionsFromTheTopLeft();
    void logoBoxShowsTheDefaultOrTheBlank_data();
    void logoBoxShowsTheDefaultOrTheBlank();
    void windowsLoadTheLogoWhenShown_data();
    void windowsLoadTheLogoWhenShown();
    void windowsAreOpenableByGlobalName_data();
    void windowsAreOpenableByGlobalName();

    void pdfOfTheQuoteHasItsDocumentInformation();
    void pdfPageContentIsPlainAndFontsDeflated();
    void pdfTextHoldsEveryRowAndTotal();
    void cameraPictureLogoKeepsThePdfSmall();
    void pdfAnswer_data();
    void pdfAnswer();
    void pdfExportTwiceReplacesTheFileWithoutAQuestion();
    void pdfUnwritableTargetGivesAnErrorAndNoQuestion_data();
    void pdfUnwritableTargetGivesAnErrorAndNoQuestion();

    void printClosesTheWindowWhateverTheDialogAnswer_data();
    void printClosesTheWindowWhateverTheDialogAnswer();
    void previewShowsTheQuoteAtFullSizeAndClosesTheWindow();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_boxes;
    QWidget *m_editor = nullptr;
    QList<QUrl> m_opened;
};

void TestQuoteOutput::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestQuoteOutput::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MessageRecorder>();
    m_editor = editorShowing(fullQuote());
    WindowRegistry::set(QLatin1String(WindowNames::frmPreventivi), m_editor);
    m_opened.clear();
    TMisc::setOpener([this](const QUrl &url) { m_opened.append(url); });
}

void TestQuoteOutput::cleanup()
{
    TMisc::setOpener(nullptr);
    WindowRegistry::set(QLatin1String(WindowNames::frmPreventivi), nullptr);
    delete m_editor;
    m_editor = nullptr;
    m_boxes.reset();
    m_folder.reset();
}

void TestQuoteOutput::sheetIsReadFromTheEditorsControlsByName()
{
    const QuoteSheet expected = fullQuote();
    const QuoteSheet read = QuoteReport::sheetFromWindow(m_editor);
    for (int field = 0; field < FieldCount; ++field) {
        QCOMPARE(read.text(field), expected.text(field));
        QCOMPARE(read.flag(field), expected.flag(field));
    }
    // A control the window lacks reads as empty; so does a missing window.
    delete m_editor->findChild<QWidget *>(QStringLiteral("txtDesc07"));
    QCOMPARE(QuoteReport::sheetFromWindow(m_editor).text(rowField(Desc01, 7)), QString());
    QCOMPARE(QuoteReport::sheetFromWindow(nullptr).text(NumFatt), QString());
}

void TestQuoteOutput::documentIsOneA4PortraitPage()
{
    auto report = QuoteReport::filled(fullQuote(), LogoFile::defaultPicture());
    QCOMPARE(report->name(), QStringLiteral("Preventivo"));
    QCOMPARE(report->pageCount(), 1);
    const QPageLayout layout = report->pageLayout();
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    // Every box of the fill table is in the design, the fixed ones keep their words.
    for (const QuoteSheet::Memo &memo : fullQuote().memos())
        QCOMPARE(report->text(memo.name), memo.text);
    QCOMPARE(report->text(QStringLiteral("titSpettabile")), QStringLiteral("Spettabile"));
    QCOMPARE(report->text(QStringLiteral("titConai")), QStringLiteral("CONTRIBUTI CONAI E SIAE ASSOLTI OVE DOVUTO."));
}

void TestQuoteOutput::logoKeepsItsProportionsFromTheTopLeft_data()
{
    QTest::addColumn<QImage>("logo");
    QTest::addColumn<QRectF>("inked"); // mm from the paper's corner
    QTest::addColumn<QRectF>("clear");
    // The logo box is 77 x 38 mm at 13, 13 mm on the paper.
    QTest::newRow("tall logo: a strip at the left")
        << solid(QSize(50, 100), Qt::red) << QRectF(14, 14, 16, 36) << QRectF(35, 14, 50, 36);
    QTest::newRow("wide logo: a band at the top")
        << solid(QSize(400, 40), Qt::red) << QRectF(14, 14, 74, 5) << QRectF(14, 24, 74, 25);
}

void TestQuoteOutput::logoKeepsItsProportionsFromTheTopLeft()
{
    QFETCH(QImage, logo);
    QFETCH(QRectF, inked);
    QFETCH(QRectF, clear);
    const QImage page = ReportOutput::renderPage(*QuoteReport::filled(QuoteSheet(), logo), 0, 100);
    QVERIFY(inkIn(page, inked, red));
    QVERIFY(!inkIn(page, clear, red));
}

void TestQuoteOutput::logoBoxShowsTheDefaultOrTheBlank_data()
{
    QTest::addColumn<QImage>("logo");
    QTest::addColumn<bool>("blueInk");
    QTest::addColumn<bool>("anyInk");
    QTest::newRow("default: the blue euro sign") << LogoFile::defaultPicture() << true << true;
    QTest::newRow("blank: a white box") << LogoFile::blankPicture() << false << false;
}

void TestQuoteOutput::logoBoxShowsTheDefaultOrTheBlank()
{
    QFETCH(QImage, logo);
    QFETCH(bool, blueInk);
    QFETCH(bool, anyInk);
    const QImage page = ReportOutput::renderPage(*QuoteReport::filled(QuoteSheet(), logo), 0, 100);
    const QRectF logoBox(13.5, 13.5, 76, 37); // inside the page frame, clear of every text
    QCOMPARE(inkIn(page, logoBox, blue), blueInk);
    QCOMPARE(inkIn(page, logoBox, notWhite), anyInk);
}

void TestQuoteOutput::windowsLoadTheLogoWhenShown_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no Logo.bmp
    QTest::addColumn<QSize>("size"); // of the picture the window prints
    QTest::addColumn<bool>("isDefault");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    solid(QSize(40, 30), Qt::red).save(&buffer, "BMP");
    const QByteArray bmp = buffer.data();
    QTest::newRow("no Logo.bmp") << QByteArray() << QSize(297, 184) << true;
    QTest::newRow("stored logo") << bmp << QSize(40, 30) << false;
    QTest::newRow("damaged Logo.bmp") << QByteArray("BM this is no bitmap") << QSize(297, 184) << true;
    QTest::newRow("cut Logo.bmp") << bmp.left(60) << QSize(297, 184) << true;
}

void TestQuoteOutput::windowsLoadTheLogoWhenShown()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);
    QFETCH(bool, isDefault);
    if (!file.isEmpty())
        writeFile(LogoFile::path(), file);
    TfrmStampaPrev print;
    TfrmAnteprimaPrev preview;
    TfrmCrea_PDF_Prev pdf;
    for (ReportWindow *window : std::initializer_list<ReportWindow *> { &print, &preview, &pdf }) {
        QVERIFY(window->picture().isNull()); // nothing read before the window is shown
        window->show();
        QCOMPARE(window->picture().size(), size);
        QCOMPARE(window->picture() == LogoFile::defaultPicture(), isDefault);
        window->hide();
    }
    QCOMPARE(m_boxes->count(), 0);
    // Reading never writes: the file is as it was, or still absent.
    QCOMPARE(QFile::exists(LogoFile::path()), !file.isEmpty());
    if (!file.isEmpty())
        QCOMPARE(readFile(LogoFile::path()), file);
}

void TestQuoteOutput::windowsAreOpenableByGlobalName_data()
{
    QTest::addColumn<QString>("globalName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QSize>("clientSize");
    QTest::newRow("print") << WindowNames::frmStampaPrev << " Stampa scheda"
                           << "Stampa" << QSize(364, 287);
    QTest::newRow("preview") << WindowNames::frmAnteprimaPrev << " Anteprima di stampa"
                             << "Mostra anteprima" << QSize(364, 287);
    QTest::newRow("pdf") << WindowNames::frmCrea_PDF_Prev << " Esporta in PDF"
                         << "Crea PDF" << QSize(363, 299);
}

void TestQuoteOutput::windowsAreOpenableByGlobalName()
{
    QFETCH(QString, globalName);
    QFETCH(QString, caption);
    QFETCH(QString, action);
    QFETCH(QSize, clientSize);
    // The start-up instance is made and never shown; the opener asks it, by
    // name only, for a fresh modal window owned by the editor.
    std::unique_ptr<ReportWindow> startUp;
    if (globalName == QLatin1String(WindowNames::frmStampaPrev))
        startUp = std::make_unique<TfrmStampaPrev>();
    else if (globalName == QLatin1String(WindowNames::frmAnteprimaPrev))
        startUp = std::make_unique<TfrmAnteprimaPrev>();
    else
        startUp = std::make_unique<TfrmCrea_PDF_Prev>();
    QCOMPARE(startUp->objectName(), globalName);

    QWidget *shown = nullptr;
    QString seenCaption, seenAction;
    QSize seenSize;
    onNextModal([&](QWidget *modal) {
        shown = modal;
        seenCaption = modal->windowTitle();
        seenSize = modal->size();
        auto *button = modal->findChild<QPushButton *>(QStringLiteral("btnStampa"));
        seenAction = button ? button->text() : QString();
        QVERIFY(modal->parentWidget() == m_editor);
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("btnAnnulla")), Qt::LeftButton);
    });
    int result = -1;
    QVERIFY(
        QMetaObject::invokeMethod(startUp.get(), "openModal", Q_RETURN_ARG(int, result), Q_ARG(QWidget *, m_editor)));
    QVERIFY(shown && shown != startUp.get());
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenAction, action);
    QCOMPARE(seenSize, clientSize);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!startUp->isVisible());
    QVERIFY(m_editor->findChildren<ReportWindow *>().isEmpty()); // freed after
    QVERIFY(!QFile::exists(QuoteReport::pdfPath()));
}

void TestQuoteOutput::pdfOfTheQuoteHasItsDocumentInformation()
{
    if (!haveTool("pdfinfo"))
        QSKIP("pdfinfo is not installed");
    m_boxes->answerNext(false);
    TfrmCrea_PDF_Prev window;
    clickAction(window);
    const QString info = runPdfTool(QStringLiteral("pdfinfo"), { QuoteReport::pdfPath() });
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY2(pdfInfoValue(info, QStringLiteral("Page size")).startsWith(QStringLiteral("595 x 842 pts (A4)")),
        qPrintable(info));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Title")), QStringLiteral("Fattura"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Subject")), QStringLiteral("Fattura"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Author")), QStringLiteral("Kennora"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Creator")), QStringLiteral("Kennora"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Encrypted")), QStringLiteral("no"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Page rot")), QStringLiteral("0"));
}

void TestQuoteOutput::pdfPageContentIsPlainAndFontsDeflated()
{
    m_boxes->answerNext(false);
    TfrmCrea_PDF_Prev window;
    clickAction(window);

    QPDF pdf;
    pdf.processFile(QuoteReport::pdfPath().toLocal8Bit().constData());
    QVERIFY(!pdf.isEncrypted());
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    QCOMPARE(pages.size(), size_t(1));
    int contents = 0;
    for (QPDFObjectHandle content : QPDFPageObjectHelper(pages.front()).getPageContents()) {
        QVERIFY(!content.getDict().hasKey("/Filter"));
        const auto raw = content.getRawStreamData();
        const QByteArray bytes(reinterpret_cast<const char *>(raw->getBuffer()), qsizetype(raw->getSize()));
        QVERIFY(bytes.contains(" Tj") || bytes.contains(" TJ"));
        ++contents;
    }
    QVERIFY(contents > 0);
    int fontPrograms = 0;
    for (QPDFObjectHandle &object : pdf.getAllObjects()) {
        if (!object.isDictionary() || !object.hasKey("/Type")
            || !object.getKey("/Type").isNameAndEquals("/FontDescriptor"))
            continue;
        for (const char *key : { "/FontFile", "/FontFile2", "/FontFile3" }) {
            if (object.hasKey(key)) {
                ++fontPrograms;
                QCOMPARE(object.getKey(key).getDict().getKey("/Filter").getName(), std::string("/FlateDecode"));
            }
        }
    }
    QVERIFY(fontPrograms > 0);
    // The logo is stored without loss, never as a JPEG.
    for (QPDFObjectHandle &object : pdf.getAllObjects()) {
        if (object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image")) {
            QPDFObjectHandle filter = object.getDict().getKey("/Filter");
            QVERIFY(!filter.isNameAndEquals("/DCTDecode"));
        }
    }
}

void TestQuoteOutput::pdfTextHoldsEveryRowAndTotal()
{
    if (!haveTool("pdftotext"))
        QSKIP("pdftotext is not installed");
    m_boxes->answerNext(false);
    TfrmCrea_PDF_Prev window;
    clickAction(window);
    const QString text = pdfText(QuoteReport::pdfPath());
    QVERIFY2(!text.isEmpty(), "no text in the PDF");
    const QuoteSheet quote = fullQuote();
    // Every box that reaches the paper, as the editor shows it. The layout
    // view keeps the words of one box together on its line.
    for (const QuoteSheet::Memo &memo : quote.memos()) {
        if (memo.text.trimmed().isEmpty())
            continue;
        const QString simplified = memo.text.simplified();
        QVERIFY2(text.contains(memo.text) || text.simplified().contains(simplified),
            qPrintable(memo.name + QStringLiteral(": ") + memo.text));
    }
    QVERIFY(text.contains(QStringLiteral("Servizio [30] <b>&")));
    QVERIFY(text.contains(QStringLiteral("Preventivo n. 12/2025")));
    QVERIFY(text.contains(QStringLiteral("Spettabile")));
    // The marks are not printed.
    QVERIFY(!text.contains(QStringLiteral("In sospeso")));
}

void TestQuoteOutput::cameraPictureLogoKeepsThePdfSmall()
{
    // A 12-megapixel picture stored as the logo: drawn whole it made a 36 MB
    // document that took seconds to write.
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb((x * 7 + y * 3) % 256, (x ^ y) % 256, (x * y / 97) % 256);
    }
    const QString path = m_folder->file(QStringLiteral("foto.pdf"));
    ReportOutput::writePdf(*QuoteReport::filled(fullQuote(), photo), path, QuoteReport::pdfProperties());
    QVERIFY2(QFileInfo(path).size() < 3 * 1024 * 1024, qPrintable(QString::number(QFileInfo(path).size())));

    QPDF pdf;
    pdf.processFile(path.toLocal8Bit().constData());
    int images = 0;
    for (QPDFObjectHandle &object : pdf.getAllObjects()) {
        if (!object.isStream() || !object.getDict().getKey("/Subtype").isNameAndEquals("/Image"))
            continue;
        const long long width = object.getDict().getKey("/Width").getIntValue();
        const long long height = object.getDict().getKey("/Height").getIntValue();
        // 300 dots per inch in the 77 x 38 mm box, proportions kept.
        QVERIFY2(width <= 910 && height <= 450, qPrintable(QStringLiteral("%1 x %2").arg(width).arg(height)));
        QVERIFY(qAbs(double(width) / double(height) - 4.0 / 3.0) < 0.02);
        ++images;
    }
    QCOMPARE(images, 1);
}

void TestQuoteOutput::pdfAnswer_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes opens the file and closes the window") << true;
    QTest::newRow("No keeps the window open") << false;
}

void TestQuoteOutput::pdfAnswer()
{
    QFETCH(bool, yes);
    m_boxes->answerNext(yes);
    TfrmCrea_PDF_Prev window;
    clickAction(window);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->kind(0), Kind::Confirmation);
    QCOMPARE(m_boxes->text(0),
        QStringLiteral(
            "L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire il file?"));
    QVERIFY(readFile(QuoteReport::pdfPath()).startsWith("%PDF-"));
    QCOMPARE(window.isVisible(), !yes);
    if (yes) {
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first(), QUrl::fromLocalFile(m_folder->file(QStringLiteral("Preventivo.pdf"))));
        QCOMPARE(window.result(), int(QDialog::Accepted));
    } else {
        QVERIFY(m_opened.isEmpty());
    }
}

void TestQuoteOutput::pdfExportTwiceReplacesTheFileWithoutAQuestion()
{
    if (!haveTool("pdftotext"))
        QSKIP("pdftotext is not installed");
    TfrmCrea_PDF_Prev window;
    m_boxes->answerNext(false);
    clickAction(window);
    m_editor->findChild<QLineEdit *>(QStringLiteral("txtNumFatt"))->setText(QStringLiteral("13/2025"));
    m_boxes->answerNext(false);
    QTest::mouseClick(window.actionButton(), Qt::LeftButton);
    // One question per export, none about replacing the file.
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_boxes->kind(1), Kind::Confirmation);
    const QString text = pdfText(QuoteReport::pdfPath());
    QVERIFY(text.contains(QStringLiteral("Preventivo n. 13/2025")));
    QVERIFY(!text.contains(QStringLiteral("12/2025")));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList { "Preventivo.pdf" });
}

void TestQuoteOutput::pdfUnwritableTargetGivesAnErrorAndNoQuestion_data()
{
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("a folder named Preventivo.pdf") << true;
    QTest::newRow("the disk fills up") << false;
}

void TestQuoteOutput::pdfUnwritableTargetGivesAnErrorAndNoQuestion()
{
    QFETCH(bool, folderInTheWay);
    const QByteArray earlier = "%PDF-1.4 earlier quote";
    if (folderInTheWay)
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Preventivo.pdf")));
    else
        writeFile(QuoteReport::pdfPath(), earlier);
    TfrmCrea_PDF_Prev window;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!folderInTheWay)
            limit = std::make_unique<FileSizeLimit>(4096);
        clickAction(window);
    }
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->kind(0), Kind::Error);
    QVERIFY2(m_boxes->text(0).contains(QStringLiteral("Preventivo.pdf")), qPrintable(m_boxes->text(0)));
    QVERIFY(window.isVisible());
    QVERIFY(m_opened.isEmpty());
    if (folderInTheWay)
        QVERIFY(QFileInfo(QuoteReport::pdfPath()).isDir());
    else
        QCOMPARE(readFile(QuoteReport::pdfPath()), earlier);
}

void TestQuoteOutput::printClosesTheWindowWhateverTheDialogAnswer_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("target"); // where the print dialog sends the page
    QTest::addColumn<bool>("fails");
    QTest::newRow("printed") << true << "stampa.pdf" << false;
    QTest::newRow("print dialog cancelled") << false << "stampa.pdf" << false;
    QTest::newRow("printing fails: error box, window stays") << true << "manca/stampa.pdf" << true;
}

void TestQuoteOutput::printClosesTheWindowWhateverTheDialogAnswer()
{
    QFETCH(bool, accept);
    QFETCH(QString, target);
    QFETCH(bool, fails);
    PrintToFile dialog;
    dialog.path = m_folder->file(target);
    dialog.accept = accept;
    TfrmStampaPrev window;
    clickAction(window);
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(window.isVisible(), fails);
    QCOMPARE(m_boxes->count(), fails ? 1 : 0);
    if (fails) {
        QCOMPARE(m_boxes->kind(0), Kind::Error);
        QVERIFY2(m_boxes->text(0).contains(QDir::toNativeSeparators(dialog.path)), qPrintable(m_boxes->text(0)));
    }
    QCOMPARE(QFile::exists(dialog.path), accept && !fails);
    if (accept && !fails && haveTool("pdftotext"))
        QVERIFY(pdfText(dialog.path).contains(QStringLiteral("Preventivo n. 12/2025")));
}

void TestQuoteOutput::previewShowsTheQuoteAtFullSizeAndClosesTheWindow()
{
    TfrmAnteprimaPrev window;
    int pages = -1;
    qreal zoom = 0;
    bool modal = false;
    onNextModal([&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreviewDialog *>(w);
        QVERIFY(preview);
        modal = preview->isModal();
        pages = preview->previewWidget()->pageCount();
        zoom = preview->previewWidget()->zoomFactor();
        preview->findChild<QAction *>(QStringLiteral("actChiudi"))->trigger();
    });
    clickAction(window);
    QVERIFY(modal);
    QCOMPARE(pages, 1);
    QCOMPARE(zoom, 1.0);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_boxes->count(), 0);
}

QTEST_MAIN(TestQuoteOutput)
#include "tst_quoteoutput.moc"
