#pragma once

#include "common/report/ReportWindow.h"
#include "common/ui/Layout.h"
#include "quotes/core/QuoteSheet.h"

#include <QImage>

#include <memory>

class QWidget;
class ReportTemplate;

// The printed quote "Preventivo": one A4 portrait page with the company logo,
// the issuer and customer blocks, the 30 item rows, the totals, the notes and
// the dog data, drawn from a QuoteSheet. The print, preview and PDF windows
// of the quote editor share it and the shape of their window.
namespace QuoteReport
{

// The document's design: every box with its design text, the logo empty.
std::unique_ptr<ReportTemplate> makeTemplate();

// The document filled from `sheet`, carrying `logo` in its logo box (kept in
// proportion, anchored top left).
std::unique_ptr<ReportTemplate> filled(const QuoteSheet &sheet, const QImage &logo);

// What the quote editor shows now: the trimmed text of each control named
// after a field (QuoteControls::name) and the ticks of its marks. A
// missing control or window reads as empty.
QuoteSheet sheetFromWindow(const QWidget *editor);

// Document information of Preventivo.pdf.
ReportOutput::PdfProperties pdfProperties();
// <program folder>/Preventivo.pdf
QString pdfPath();

// The window of one ending (print, preview or PDF): logo loaded on every
// showing, the document filled from the editor's start-up instance
// (frmPreventivi) when the command button is pressed.
ReportWindow::Setup windowSetup(ReportWindow::Output output);

// The layout of that window in units: its client size, the white panel
// shpSfondo with the instruction picture (heading, description, separator,
// picture and instruction) centred in it, "Annulla" at the left and the
// command button at the right.
Layout::Table windowTable(ReportWindow::Output output);

} // namespace QuoteReport
