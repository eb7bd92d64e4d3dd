#include "common/report/ReportOutput.h"

#include "common/SafeFile.h"
#include "common/report/Report.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/ui/Modules.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

ReportError::ReportError(const QString &message)
    : std::runtime_error(message.toLocal8Bit().toStdString())
    , m_message(message)
{
}

namespace ReportOutput
{

namespace
{

bool showPrintDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

PrintDialog &printDialog()
{
    static PrintDialog dialog;
    return dialog;
}

QPageLayout fullPageLayout(const Report &report)
{
    QPageLayout layout = report.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

// Paints every page; the painter is active on `device`.
void paintPages(const Report &report, QPainter &painter, QPagedPaintDevice &device)
{
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (int page = 0; page < report.pageCount(); ++page) {
        if (page > 0 && !device.newPage())
            throw ReportError(
                QStringLiteral("Attenzione: non \u00E8 stato possibile iniziare la pagina %1 del documento.")
                    .arg(page + 1));
        report.paintPage(painter, page, dotsPerMm);
    }
}

// Sets the document information and stores each page's content uncompressed;
// every other stream (fonts, character maps, pictures) keeps its compression.
// The work is done by the kennora_pdf module (libqpdf), loaded on the first PDF.
QByteArray finishPdf(const QByteArray &raw, const PdfProperties &properties)
{
    using Finish = bool (*)(const QByteArray &raw, const QString *info, QByteArray &out, QString &error);
    const auto finish = reinterpret_cast<Finish>(Modules::resolve("kennora_pdf", "kennoraFinishPdf"));
    QByteArray out;
    QString error = QStringLiteral("Il modulo kennora_pdf non \u00E8 stato trovato.");
    const QString info[] = { properties.title, properties.subject, properties.author, properties.creator };
    if (!finish || !finish(raw, info, out, error))
        throw ReportError(
            QStringLiteral("Attenzione: non \u00E8 stato possibile completare il documento PDF.\r\n\r\n%1").arg(error));
    return out;
}

} // namespace

void setPrintDialog(PrintDialog dialog)
{
    printDialog() = std::move(dialog);
}

bool print(const Report &report, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(fullPageLayout(report));
    printer.setFullPage(true);
    printer.setDocName(report.name());

    const PrintDialog &dialog = printDialog();
    const bool confirmed = dialog ? dialog(printer, parent) : showPrintDialog(printer, parent);
    if (!confirmed)
        return false;

    // Printing to a PDF file (offered by the print dialog) writes the file as
    // the PDF export does: checked to the last byte and replaced in one
    // rename, where the printer's own file writer would report a cut file on a
    // full disk as printed.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        writePdf(report, printer.outputFileName(), { report.name(), report.name() });
        return true;
    }
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid())
        throw ReportError(QStringLiteral("Attenzione: nessuna stampante \u00E8 disponibile per la stampa."));
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(
            QStringLiteral("Attenzione: non \u00E8 stato possibile avviare la stampa su \"%1\".")
                .arg(printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName()));
    paintPages(report, painter, printer);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw ReportError(
            QStringLiteral("Attenzione: la stampa su \"%1\" non \u00E8 stata completata.")
                .arg(printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName()));
    return true;
}

void preview(const Report &report, QWidget *parent)
{
    ReportPreviewDialog dialog(report, parent);
    dialog.exec();
}

QByteArray pdfBytes(const Report &report, const PdfProperties &properties)
{
    QByteArray raw;
    {
        QBuffer buffer(&raw);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(fullPageLayout(report));
        writer.setTitle(properties.title);
        writer.setCreator(properties.creator);
        QPainter painter;
        if (!painter.begin(&writer))
            throw ReportError(QStringLiteral("Attenzione: non \u00E8 stato possibile creare il documento PDF."));
        paintPages(report, painter, writer);
        if (!painter.end())
            throw ReportError(QStringLiteral("Attenzione: non \u00E8 stato possibile completare il documento PDF."));
    }
    return finishPdf(raw, properties);
}

void writePdf(const Report &report, const QString &path, const PdfProperties &properties)
{
    writeFile(path, pdfBytes(report, properties));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    auto failure = [&](const QString &reason) {
        return ReportError(QStringLiteral("Attenzione: non \u00E8 stato possibile scrivere il file \"%1\".\r\n\r\n%2")
                               .arg(QDir::toNativeSeparators(path), reason));
    };

    if (path.isEmpty())
        throw failure(QStringLiteral("Il nome del file non \u00E8 stato indicato."));
    // Every byte must reach the disk before the new file takes the place of
    // the earlier one; a folder, device or pipe at the path is refused.
    if (const FileFailure written = SafeFile::writeWhole(path, bytes))
        throw failure(written.reason());
}

QImage renderPage(const Report &report, int page, double dotsPerInch)
{
    const QSizeF sizeMm = report.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const double dotsPerMm = dotsPerInch / 25.4;
    QImage image(qRound(sizeMm.width() * dotsPerMm), qRound(sizeMm.height() * dotsPerMm), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerMm * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    report.paintPage(painter, page, dotsPerMm);
    painter.end();
    return image;
}

} // namespace ReportOutput
