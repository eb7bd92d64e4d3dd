// The quote PDF of a full quote (30 rows, every field filled) beside a plain
// QPdfWriter program drawing the same page.
//
//   measure:   from the press of "Crea PDF" to Preventivo.pdf on the disk: the
//              document filled from the editor's controls, drawn, finished
//              (document information, page content stored plain) and written
//              durably (synced, replaced in one rename); in this process,
//              after a first export that loads the fonts;
//   reference: ref_plain_pdf, a separate program linking Qt Gui only, that
//              draws the same page (recorded here as a QPicture) with a plain
//              QPdfWriter into a file, its content compressed, nothing synced;
//              it warms its fonts first and prints the time of its second
//              drawing.
// Goal: the measure within 1.2x the reference (median of the pair ratios).
// Then where the time goes: the drawing, the finishing and the durable write
// apart. Usage: bench_quote_pdf [pairs]   (at least 7)
#include "BenchPairs.h"

#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Application.h"
#include "quotes/Logo.h"
#include "quotes/QuoteControls.h"
#include "quotes/QuoteReport.h"
#include "quotes/core/QuoteRecord.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace QuoteRecord;

namespace
{

// The editor's controls by name, every one filled to the width of its field.
QWidget *filledEditor()
{
    auto *editor = new QWidget;
    for (int field = 0; field < FieldCount; ++field) {
        if (isFlag(field))
            continue;
        const int width = layout().capacity(field);
        QString text = layout().name(field) + QStringLiteral(" \u00E8 ");
        while (text.size() < width)
            text += QString::number(field % 10);
        auto *edit = new QLineEdit(text.left(width), editor);
        edit->setObjectName(QuoteControls::name(field));
    }
    return editor;
}

double exportOnce(const QWidget *editor, const QImage &logo)
{
    QElapsedTimer clock;
    clock.start();
    auto report = QuoteReport::filled(QuoteReport::sheetFromWindow(editor), logo);
    ReportOutput::writePdf(*report, QuoteReport::pdfPath(), QuoteReport::pdfProperties());
    return clock.nsecsElapsed() / 1e6;
}

// The page as the PDF writer's painter receives it, for the reference.
bool recordPage(const Report &report, const QString &path)
{
    // In the picture's own units: playing it on the writer scales it.
    QPicture picture;
    QPainter painter(&picture);
    report.paintPage(painter, 0, picture.logicalDpiX() / 25.4);
    painter.end();
    return picture.save(path);
}

template <class F> double timed(F f)
{
    QElapsedTimer clock;
    clock.start();
    f();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    KennoraApplication::prepareEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    KennoraApplication::installFontSubstitutions();
    const int pairs = BenchPairs::pairCount(argc, argv);

    QTemporaryDir folder;
    setProgramFolder(folder.path());
    QWidget *editor = filledEditor();
    const QImage logo = LogoFile::defaultPicture();
    const QString reference = QCoreApplication::applicationDirPath() + QStringLiteral("/ref_plain_pdf");
    const QString picture = folder.filePath(QStringLiteral("page.pic"));
    const QString plain = folder.filePath(QStringLiteral("plain.pdf"));
    {
        auto report = QuoteReport::filled(QuoteReport::sheetFromWindow(editor), logo);
        if (!recordPage(*report, picture)) {
            std::printf("quote PDF: the page could not be recorded\n");
            return 0;
        }
    }

    const double first = exportOnce(editor, logo);
    const BenchPairs::Pairs p = BenchPairs::run(
        pairs, [&] { return exportOnce(editor, logo); },
        [&] {
            QByteArray out;
            if (BenchPairs::runProcess(reference, { picture, plain }, &out) < 0)
                return -1.0;
            return out.trimmed().toDouble();
        });
    std::printf("quote PDF, 30 rows (first export of the process %.1f ms)\n", first);
    BenchPairs::print("  Crea PDF to Preventivo.pdf", "plain QPdfWriter", p, 1.2);
    std::printf("  sizes: Preventivo.pdf %lld bytes, the plain program's file %lld bytes\n",
        static_cast<long long>(QFileInfo(QuoteReport::pdfPath()).size()),
        static_cast<long long>(QFileInfo(plain).size()));

    // Where the time goes (medians of the same number of rounds).
    std::vector<double> fill, draw, whole, write;
    auto report = QuoteReport::filled(QuoteReport::sheetFromWindow(editor), logo);
    const ReportOutput::PdfProperties properties = QuoteReport::pdfProperties();
    QByteArray bytes;
    for (int i = 0; i < pairs; ++i) {
        fill.push_back(timed([&] { QuoteReport::filled(QuoteReport::sheetFromWindow(editor), logo); }));
        draw.push_back(timed([&] {
            QBuffer sink;
            sink.open(QIODevice::WriteOnly);
            QPdfWriter writer(&sink);
            writer.setPageLayout(report->pageLayout());
            QPainter painter(&writer);
            report->paintPage(painter, 0, writer.logicalDpiX() / 25.4);
        }));
        whole.push_back(timed([&] { bytes = ReportOutput::pdfBytes(*report, properties); }));
        write.push_back(timed([&] { ReportOutput::writeFile(QuoteReport::pdfPath(), bytes); }));
    }
    std::printf("  parts: filling %.2f ms, drawing %.2f ms, whole document in memory %.2f ms, durable write %.2f ms\n",
        BenchPairs::median(fill), BenchPairs::median(draw), BenchPairs::median(whole), BenchPairs::median(write));

    // A 12-megapixel camera picture as the logo (for information).
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb((x * 7 + y * 3) % 256, (x ^ y) % 256, (x * y / 97) % 256);
    }
    std::vector<double> photoTimes;
    for (int i = 0; i < 3; ++i)
        photoTimes.push_back(exportOnce(editor, photo));
    std::printf("  with a 4000x3000 photo as the logo: median %.1f ms, %lld bytes\n", BenchPairs::median(photoTimes),
        static_cast<long long>(QFileInfo(QuoteReport::pdfPath()).size()));
    delete editor;
    return 0;
}
