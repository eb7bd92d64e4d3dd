// The quote PDF of a full quote (30 rows, every field filled): the time from
// the press of "Crea PDF" to Preventivo.pdf on the disk, i.e. the document
// filled from the editor's controls, drawn, finished (document information,
// page content stored plain) and written durably. The first export of the
// process (fonts looked up and loaded) and the median of the following ones.
// Usage: bench_quote_pdf [rounds]   (default 20)
#include "common/ProgramFolder.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Application.h"
#include "quotes/Logo.h"
#include "quotes/QuoteControls.h"
#include "quotes/QuoteReport.h"
#include "quotes/core/QuoteRecord.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <utility>
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

} // namespace

int main(int argc, char **argv)
{
    KennoraApplication::prepareEnvironment();
    QApplication app(argc, argv);
    KennoraApplication::installFontSubstitutions();
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    QTemporaryDir folder;
    setProgramFolder(folder.path());
    QWidget *editor = filledEditor();
    const QImage logo = LogoFile::defaultPicture();

    const double first = exportOnce(editor, logo);
    bool under = first < 500.0;
    std::printf("quote PDF, 30 rows\n");
    std::printf("  first export of the process:               %8.1f ms\n", first);
    // The default logo, then a 12-megapixel camera picture loaded as the logo.
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb((x * 7 + y * 3) % 256, (x ^ y) % 256, (x * y / 97) % 256);
    }
    const std::pair<const char *, QImage> logos[] = { { "default logo", logo }, { "4000x3000 photo logo", photo } };
    for (const auto &[label, picture] : logos) {
        std::vector<double> times;
        for (int i = 0; i < rounds; ++i)
            times.push_back(exportOnce(editor, picture));
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        under = under && median < 500.0;
        std::printf("  %-20s median of %3d: %8.1f ms (min %.1f, max %.1f), %lld bytes\n", label, rounds, median,
            times.front(), times.back(), static_cast<long long>(QFileInfo(QuoteReport::pdfPath()).size()));
    }
    std::printf("  limit:                                       500.0 ms  -> %s\n", under ? "well under" : "OVER");
    delete editor;
    return 0;
}
