#include "quotes/AnteprimaPrev.h"

#include "quotes/QuoteReport.h"

TfrmAnteprimaPrev::TfrmAnteprimaPrev(QWidget *owner)
    : ReportWindow(owner, QuoteReport::windowSetup(ReportWindow::Output::Preview),
        QuoteReport::windowTable(ReportWindow::Output::Preview))
{
}

int TfrmAnteprimaPrev::openModal(QWidget *owner)
{
    return WindowKit::openModalDialog<TfrmAnteprimaPrev>(owner);
}
