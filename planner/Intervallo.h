#pragma once

#include "common/ui/WindowKit.h"

class PickList;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmPlanning;

// The interval booking dialog: books a run of consecutive days of the open
// planner window with one text. The opener writes the planner's year into both
// year labels and the box line; the user picks the first and last day and
// month from the lists and types the text; "Applica e chiudi" checks the
// entries in order, asks for confirmation, marks the days in the planner and
// closes. The text can be copied to the clipboard and cleared.
class TfrmIntervallo : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmIntervallo(QWidget *parent = nullptr);

    static QString caption(); // " Prenotazione box per intervallo di tempo"
    static QString emptyCopyWarning();
    static QString copiedNotice();

    // The opener's writes: both years, the box line, the four empty pickers.
    void preload(const QString &year, const QString &box);

    void cmdClipboardClick();
    void cmdCancellaClick();
    void btnChiudiClick();

    QFrame *panContainer;
    // The rectangles (made by the layout table).
    QWidget *shpSfondo, *recCamera, *bkgDataInizio, *bkgDataFine, *effPrenotazione;
    QGroupBox *grpDataInizio, *grpDataFine;
    QLabel *infCamera, *lblCampo03, *lblCampo02, *titGiornoInizio, *titMeseInizio, *titGiornoFine, *titMeseFine,
        *lblAnnoInizio, *lblAnnoFine, *lblDataInizio, *lblDataFine, *cmdClipboard, *cmdCancella;
    PickList *txtGiornoInizio, *txtMeseInizio, *txtGiornoFine, *txtMeseFine;
    QLineEdit *txtPrenotazione;
    QPushButton *btnAnnulla, *btnChiudi;

private:
    TfrmPlanning *planner() const;
};

extern TfrmIntervallo *frmIntervallo;
