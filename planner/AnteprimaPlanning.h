#pragma once

#include "common/report/ReportWindow.h"

class QWidget;

// The preview of the planner's year: the grid filled from the planner as it
// is now (bookings of this visit included) in the modal preview, shown
// maximised. The window closes when the preview is closed.
class TfrmAnteprimaPlanning : public ReportWindow
{
    Q_OBJECT
public:
    // `owner` is the planner window whose year is printed.
    explicit TfrmAnteprimaPlanning(QWidget *owner = nullptr);
};
