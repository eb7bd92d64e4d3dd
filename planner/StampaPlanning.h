#pragma once

#include "common/report/ReportWindow.h"

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
};
