#include "common/report/ListReport.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Application.h"
#include "common/ui/MessageBoxes.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

using namespace TestSupport;

namespace
{

// A small one-page template: a title box and a narrow value box.
std::unique_ptr<ReportTemplate> sampleTemplate()
{
    auto t = std::make_unique<ReportTemplate>(QStringLiteral("Prova"));
    t->addText(QStringLiteral("txtTitolo"), QRectF(0, 0, 190, 10), ReportTemplate::font(QStringLiteral("Arial"), 14),
        QStringLiteral("Titolo"), Qt::AlignCenter, Qt::white, QColor(255, 140, 0));
    t->addText(QStringLiteral("txtValore"), QRectF(0, 20, 60, 6), ReportTemplate::font(QStringLiteral("Arial"), 10),
        QStringLiteral("Valore"));
    t->addLine(QStringLiteral("linSepara"), QPointF(0, 30), QPointF(190, 30));
    return t;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("Riga %1 ").arg(i, 4, 10, QLatin1Char('0')) + QString(20, QLatin1Char('x')));
    return lines;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fillByName();
    void textIsPrintedAsTyped_data();
    void textIsPrintedAsTyped();
    void textIsClippedAtTheBoxEdge();
    void pdfDocumentInformationAndStreams();
    void pdfReplacesTheFile();
    void pdfFailureLeavesNoFile_data();
    void pdfFailureLeavesNoFile();
    void printGoesThroughTheDialog();
    void printCancelIsSilent();
    void printFailureIsReported();
    void previewIsModalWithThePages();
    void listPages_data();
    void listPages();
    void listPrintsEveryLineOnce();
};

void TestReport::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestReport::fillByName()
{
    auto t = sampleTemplate();
    QCOMPARE(t->text(QStringLiteral("txtValore")), QStringLiteral("Valore"));
    t->setText(QStringLiteral("txtValore"), QStringLiteral("Rossi"));
    QCOMPARE(t->text(QStringLiteral("txtValore")), QStringLiteral("Rossi"));
    // An unknown name, or a name of another kind, is a failure, never a silent no-op.
    QVERIFY_THROWS_EXCEPTION(ReportError, t->setText(QStringLiteral("txtManca"), QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(ReportError, t->setText(QStringLiteral("linSepara"), QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(ReportError, t->setPicture(QStringLiteral("txtValore"), QImage()));
}

void TestReport::textIsPrintedAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("brackets") << QStringLiteral("[DATE] [Cliente]");
    QTest::newRow("markup") << QStringLiteral("<b>Rossi</b> &amp; figli");
    QTest::newRow("ampersand") << QStringLiteral("Bianchi & Verdi");
    QTest::newRow("accents") << QStringLiteral("Niccol\u00F2 Citt\u00E0 perch\u00E9 \u20AC");
}

void TestReport::textIsPrintedAsTyped()
{
    QFETCH(QString, text);
    QTemporaryDir dir;
    auto t = sampleTemplate();
    t->setText(QStringLiteral("txtTitolo"), text);
    const QString path = dir.filePath(QStringLiteral("t.pdf"));
    ReportOutput::writePdf(*t, path, { QStringLiteral("Prova"), QStringLiteral("Prova") });
    QVERIFY2(pdfText(path).contains(text), qPrintable(pdfText(path)));
}

void TestReport::textIsClippedAtTheBoxEdge()
{
    ReportTemplate t(QStringLiteral("Prova"));
    t.addText(QStringLiteral("txtLungo"), QRectF(0, 0, 30, 6), ReportTemplate::font(QStringLiteral("Arial"), 10),
        QString(200, QLatin1Char('W')));
    const QImage page = ReportOutput::renderPage(t, 0, 100);
    const double dotsPerMm = 100 / 25.4;
    // The box spans 10..40 mm from the paper's left edge; nothing may be drawn right of it.
    const int inside = int(35 * dotsPerMm), outside = int(42 * dotsPerMm);
    const int y = int(13 * dotsPerMm);
    auto inkBetween = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int dy = -8; dy <= 8; ++dy)
                if (qGray(page.pixel(x, y + dy)) < 128)
                    return true;
        return false;
    };
    QVERIFY(inkBetween(int(11 * dotsPerMm), inside));
    QVERIFY(!inkBetween(outside, page.width()));
}

void TestReport::pdfDocumentInformationAndStreams()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("info.pdf"));
    auto t = sampleTemplate();
    ReportOutput::writePdf(*t, path, { QStringLiteral("Scheda \u00E0 prova"), QStringLiteral("Oggetto") });

    const QString info = runPdfTool(QStringLiteral("pdfinfo"), { path });
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Title")), QStringLiteral("Scheda \u00E0 prova"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Subject")), QStringLiteral("Oggetto"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Author")), QStringLiteral("Kennora"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Creator")), QStringLiteral("Kennora"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Encrypted")), QStringLiteral("no"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY2(pdfInfoValue(info, QStringLiteral("Page size")).startsWith(QStringLiteral("595 x 842 pts (A4)")),
        qPrintable(info));

    // Page content plain, embedded fonts compressed.
    QPDF pdf;
    pdf.processFile(path.toLocal8Bit().constData());
    int fontFiles = 0;
    for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        for (QPDFObjectHandle &content : page.getPageContents()) {
            QVERIFY(!content.getDict().hasKey("/Filter"));
            const auto raw = content.getRawStreamData();
            const QByteArray bytes(reinterpret_cast<const char *>(raw->getBuffer()), qsizetype(raw->getSize()));
            QVERIFY(bytes.contains(" Tj") || bytes.contains(" TJ"));
        }
    }
    for (QPDFObjectHandle &object : pdf.getAllObjects()) {
        if (!object.isDictionary() || !object.hasKey("/Type")
            || !object.getKey("/Type").isNameAndEquals("/FontDescriptor"))
            continue;
        for (const char *key : { "/FontFile", "/FontFile2", "/FontFile3" }) {
            if (object.hasKey(key)) {
                ++fontFiles;
                QCOMPARE(object.getKey(key).getDict().getKey("/Filter").getName(), std::string("/FlateDecode"));
            }
        }
    }
    QVERIFY(fontFiles > 0);
}

void TestReport::pdfReplacesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doppio.pdf"));
    auto t = sampleTemplate();
    t->setText(QStringLiteral("txtValore"), QStringLiteral("Primo"));
    ReportOutput::writePdf(*t, path, {});
    t->setText(QStringLiteral("txtValore"), QStringLiteral("Secondo"));
    ReportOutput::writePdf(*t, path, {});
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Secondo")));
    QVERIFY(!text.contains(QStringLiteral("Primo")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("doppio.pdf") });
}

void TestReport::pdfFailureLeavesNoFile_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("directoryInTheWay");
    QTest::newRow("a folder in place of the file") << QStringLiteral("occupato.pdf") << true;
    QTest::newRow("missing folder") << QStringLiteral("manca/file.pdf") << false;
}

void TestReport::pdfFailureLeavesNoFile()
{
    QFETCH(QString, relative);
    QFETCH(bool, directoryInTheWay);
    QTemporaryDir dir;
    const QString path = dir.filePath(relative);
    if (directoryInTheWay)
        QVERIFY(QDir(dir.path()).mkdir(relative));
    auto t = sampleTemplate();
    try {
        ReportOutput::writePdf(*t, path, {});
        QFAIL("no failure reported");
    } catch (const ReportError &e) {
        QVERIFY2(e.message().contains(path), qPrintable(e.message()));
    }
    QCOMPARE(QFileInfo(path).isDir(), directoryInTheWay);
    // No temporary left behind either.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestReport::printGoesThroughTheDialog()
{
    QTemporaryDir dir;
    PrintToFile dialog;
    dialog.path = dir.filePath(QStringLiteral("stampa.pdf"));
    ListReport list(QStringLiteral("Riepilogo prova"), numberedLines(130));
    QVERIFY(ReportOutput::print(list, nullptr));
    QCOMPARE(dialog.shown, 1);
    const QString info = runPdfTool(QStringLiteral("pdfinfo"), { dialog.path });
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Pages")), QString::number(list.pageCount()));
    QVERIFY(pdfInfoValue(info, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595 pts (A4)")));
}

void TestReport::printCancelIsSilent()
{
    QTemporaryDir dir;
    MessageRecorder boxes;
    PrintToFile dialog;
    dialog.path = dir.filePath(QStringLiteral("annullata.pdf"));
    dialog.accept = false;
    ListReport::print(nullptr, QStringLiteral("Riepilogo"), numberedLines(3));
    QCOMPARE(dialog.shown, 1);
    QVERIFY(!QFile::exists(dialog.path));
    QCOMPARE(boxes.count(), 0);
}

void TestReport::printFailureIsReported()
{
    QTemporaryDir dir;
    MessageRecorder boxes;
    PrintToFile dialog;
    dialog.path = dir.filePath(QStringLiteral("manca/stampa.pdf"));
    ListReport::print(nullptr, QStringLiteral("Riepilogo"), numberedLines(3));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), MessageBoxes::Kind::Error);
    QVERIFY(boxes.text(0).contains(dialog.path));
}

void TestReport::previewIsModalWithThePages()
{
    QTemporaryDir dir;
    PrintToFile printDialog;
    printDialog.path = dir.filePath(QStringLiteral("dall-anteprima.pdf"));
    ListReport list(QStringLiteral("Riepilogo prova"), numberedLines(130));
    int pages = -1;
    bool modal = false;
    QStringList actions;
    onNextModal([&](QWidget *w) {
        auto *dialog = qobject_cast<ReportPreviewDialog *>(w);
        QVERIFY(dialog);
        modal = dialog->isModal();
        pages = dialog->previewWidget()->pageCount();
        for (QAction *a : dialog->findChildren<QAction *>())
            if (!a->objectName().isEmpty())
                actions.append(a->objectName());
        // Printing from the preview goes through the print dialog.
        dialog->findChild<QAction *>(QStringLiteral("actStampa"))->trigger();
        dialog->findChild<QAction *>(QStringLiteral("actChiudi"))->trigger();
    });
    ReportOutput::preview(list, nullptr);
    QVERIFY(modal);
    QCOMPARE(pages, list.pageCount());
    QCOMPARE(printDialog.shown, 1);
    QCOMPARE(pdfInfoValue(runPdfTool(QStringLiteral("pdfinfo"), { printDialog.path }), QStringLiteral("Pages")),
        QString::number(list.pageCount()));
    actions.sort();
    QCOMPARE(actions,
        (QStringList { QStringLiteral("actChiudi"), QStringLiteral("actSchermoIntero"), QStringLiteral("actStampa"),
            QStringLiteral("actZoom100"), QStringLiteral("actZoomAvanti"), QStringLiteral("actZoomIndietro") }));
}

void TestReport::listPages_data()
{
    // The first page holds 52 lines under the title, the others 54; the
    // footer goes after the last line, or alone on a new page when it no
    // longer fits.
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("starts");
    QTest::newRow("empty list: title and footer") << 0 << QList<int> { 0 };
    QTest::newRow("one page") << 40 << QList<int> { 0 };
    QTest::newRow("full first page, footer moves on") << 52 << QList<int> { 0, 52 };
    QTest::newRow("second page") << 53 << QList<int> { 0, 52 };
    QTest::newRow("three pages") << 150 << QList<int> { 0, 52, 106 };
}

void TestReport::listPages()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, starts);
    ListReport list(QStringLiteral("Riepilogo"), numberedLines(lines), QDate(2024, 2, 29));
    QCOMPARE(list.pageStarts(), starts);
    QCOMPARE(list.footerText(), QStringLiteral("Stampa eseguita in data 29/02/2024"));
}

void TestReport::listPrintsEveryLineOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    const QStringList lines = numberedLines(150);
    ListReport list(QStringLiteral("Riepilogo [prova] <b>"), lines, QDate(2024, 2, 29));
    ReportOutput::writePdf(list, path, { list.name(), list.name() });
    const QString text = pdfText(path);
    QCOMPARE(text.count(QStringLiteral("Riepilogo [prova] <b>")), 1);
    for (const QString &line : lines)
        QCOMPARE(text.count(line), 1);
    QCOMPARE(text.count(QStringLiteral("Stampa eseguita in data 29/02/2024")), 1);
    QVERIFY(text.contains(QStringLiteral("Pagina 3 di 3")));
    // Lines keep their columns: a fixed-pitch font.
    QVERIFY(runPdfTool(QStringLiteral("pdffonts"), { path }).contains(QStringLiteral("LiberationMono")));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
