#pragma once

#include "common/report/ReportWindow.h"

class QWidget;

// The quote editor's PDF window: its command button fills the quote
// "Preventivo" from what the editor (frmPreventivi) shows at that moment and
// writes it as <program folder>/Preventivo.pdf (replaced without a question), then asks
// whether to open it: Yes opens it and closes the window, No keeps it open.
class TfrmCrea_PDF_Prev : public ReportWindow
{
    Q_OBJECT
public:
    explicit TfrmCrea_PDF_Prev(QWidget *owner = nullptr);

    // OpenModalDialog for callers that know the window only by its global
    // name: a fresh window owned by `owner`, shown modally, freed after.
    Q_INVOKABLE int openModal(QWidget *owner);
};
