#include "quotes/StampaPrev.h"

#include "quotes/QuoteReport.h"

TfrmStampaPrev::TfrmStampaPrev(QWidget *owner)
    : ReportWindow(owner, QuoteReport::windowSetup(ReportWindow::Output::Print),
        QuoteReport::windowTable(ReportWindow::Output::Print))
{
}

int TfrmStampaPrev::openModal(QWidget *owner)
{
    return WindowKit::openModalDialog<TfrmStampaPrev>(owner);
}
