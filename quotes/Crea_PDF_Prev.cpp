#include "quotes/Crea_PDF_Prev.h"

#include "quotes/QuoteReport.h"

TfrmCrea_PDF_Prev::TfrmCrea_PDF_Prev(QWidget *owner)
    : ReportWindow(
        owner, QuoteReport::windowSetup(ReportWindow::Output::Pdf), QuoteReport::windowTable(ReportWindow::Output::Pdf))
{
}

int TfrmCrea_PDF_Prev::openModal(QWidget *owner)
{
    return WindowKit::openModalDialog<TfrmCrea_PDF_Prev>(owner);
}
