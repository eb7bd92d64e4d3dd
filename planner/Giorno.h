#pragma once

#include "common/ui/WindowKit.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmPlanning;

// The day booking dialog: books, changes or frees one day of the open planner
// window. The opener writes the day key (lblMemory), the title, the box line
// and the day's text; "Applica e chiudi" writes the day's new state into the
// planner's day controls and closes; "Annulla" closes and writes nothing.
class TfrmGiorno : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmGiorno(QWidget *parent = nullptr);

    static QString caption(); // " Prenotazione box"
    // "Prenotazione del 1 gennaio 2025" for day 0 of "2025".
    static QString title(int day, const QString &year);

    // The opener's writes: key, title, box line and text, in this order.
    void preload(int day, const QString &year, const QString &box, const QString &text);

    void cmdCancellaClick();
    void btnChiudiClick();

    QFrame *panContainer;
    // The rectangles (made by the layout table).
    QWidget *shpSfondo, *recTitolo, *recCamera, *effPrenotazione;
    QLabel *infGiorno, *infCamera, *icoInformazioni, *icoLetto, *icoLibera, *icoOccupata, *cmdCancella, *icoIstruzioni,
        *lblMemory;
    QLineEdit *txtPrenotazione;
    QPushButton *btnAnnulla, *btnChiudi;

private:
    void showPicture();
    TfrmPlanning *planner() const;
};

extern TfrmGiorno *frmGiorno;
