#pragma once

#include "common/report/ReportWindow.h"
#include "common/ui/Layout.h"

class QWidget;

// The print of the planner's year: the grid filled from the planner as it
// is now (bookings of this visit included) goes through the print dialog;
// a cancel there prints nothing and says nothing. The window then closes.
class TfrmStampaPlanning : public ReportWindow
{
    Q_OBJECT
public:
    // `owner` is the planner window whose year is printed.
    explicit TfrmStampaPlanning(QWidget *owner = nullptr);

    // The layout of the planner's print and preview windows: the white
    // rectangle with the words and the pictures `reader` (top right) and
    // `device` (beside the instruction), "Annulla" and the action button
    // `actionName` under it.
    static Layout::Table sheetWindowTable(const char *actionName, const QString &reader, const QString &device);
};
