#pragma once

#include "common/report/ReportWindow.h"

class QWidget;

// The quote editor's print window: its command button fills the quote
// "Preventivo" from what the editor (frmPreventivi) shows at that moment and
// prints it through the print dialog (the default printer preselected); whatever the
// user does there, the window then closes.
class TfrmStampaPrev : public ReportWindow
{
    Q_OBJECT
public:
    explicit TfrmStampaPrev(QWidget *owner = nullptr);

    // OpenModalDialog for callers that know the window only by its global
    // name: a fresh window owned by `owner`, shown modally, freed after.
    Q_INVOKABLE int openModal(QWidget *owner);
};
