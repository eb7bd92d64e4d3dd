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
#include "quotes/QuoteReport.h"
#include "quotes/core/QuoteRecord.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
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
        edit->setObjectName(controlName(field));
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
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i)
        times.push_back(exportOnce(editor, logo));
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const qint64 bytes = QFileInfo(QuoteReport::pdfPath()).size();

    std::printf("quote PDF, 30 rows, %lld bytes\n", static_cast<long long>(bytes));
    std::printf("  first export of the process: %8.1f ms\n", first);
    std::printf(
        "  median of %3d exports:       %8.1f ms  (min %.1f, max %.1f)\n", rounds, median, times.front(), times.back());
    std::printf(
        "  limit:                         500.0 ms  -> %s\n", std::max(first, median) < 500.0 ? "well under" : "OVER");
    delete editor;
    return 0;
}
