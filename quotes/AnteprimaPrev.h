#pragma once

#include "common/report/ReportWindow.h"

class QWidget;

// The quote editor's preview window: its command button fills the quote
// "Preventivo" from what the editor (frmPreventivi) shows at that moment and
// shows it in the modal preview at 100 %; closing the preview closes the window.
class TfrmAnteprimaPrev : public ReportWindow
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaPrev(QWidget *owner = nullptr);

    // OpenModalDialog for callers that know the window only by its global
    // name: a fresh window owned by `owner`, shown modally, freed after.
    Q_INVOKABLE int openModal(QWidget *owner);
};
