#pragma once

#include "common/ui/WindowKit.h"
#include "planner/core/PlannerYear.h"

#include <QList>

class DayTile;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The planner window: one box's year as twelve rows of day tiles, the box's
// data in the header, the year on the right. It reads the planner file when
// it is shown and writes the whole year back when it is closed; the file path
// and the box come from the chooser (frmMenuDisponibili).
//
// The day controls are the year's model: memGen_01 .. memDic_31 (hidden labels
// holding the booking texts), libGen_01 .. (free tiles) and occGen_01 ..
// (booked tiles); setDay() keeps them in step (the booked tile shows exactly
// when the text is not empty).
class TfrmPlanning : public WindowKit::MainWindowBase
{
    Q_OBJECT
public:
    explicit TfrmPlanning(QWidget *parent = nullptr);

    static QString caption(); // " Kennora - Planner prenotazioni box"
    static QString tileHint();
    // The warning of a 29 February that does not exist in the year.
    static QString missingDateWarning(const QString &dateText);
    // The messages of a planner file of the wrong size.
    static QString shortFileWarning();
    static QString longerFileWarning();
    // Shown on leaving a visit whose planner file could not be read when it
    // began: the visit's bookings were not written.
    static QString unsavedVisitWarning();

    // What the chooser's "Apri" writes into the planner before showing it.
    void openYear(const QString &year, const QString &box, const QString &dimensioni, const QString &capacita,
        const QString &prezzo);

    // The day model.
    QString dayText(int day) const;
    void setDay(int day, const QString &text);
    bool dayBooked(int day) const;
    QLabel *memDay(int day) const { return m_mem.at(day); }
    DayTile *libDay(int day) const { return m_lib.at(day); }
    DayTile *occDay(int day) const { return m_occ.at(day); }

    // A click on either tile of a day: 29 February is first tested against
    // the year (dayAccepted: a warning when it does not exist), then the day
    // dialog opens preloaded with the day.
    bool dayAccepted(int day);
    void dayTileClick(int day);
    // The interval dialog, preloaded with the year and the box.
    void cmdIntervalloClick();
    // The booking summary of the days as they are now.
    void cmdRiepilogoClick();
    // The grid of the year in the preview, or through the print dialog.
    void cmdAnteprimaClick();
    void cmdStampaClick();

    // Clear (every day free, no position), load (when shown) and save (when
    // closed; reports a failure and returns false).
    void cmdNuovoClick();
    void formShow();
    bool cmdSalvaClick();

    QFrame *panContainer;
    // The background rectangles (made by the layout table).
    QWidget *shpContainer, *shpControlli01, *shpIntervallo, *shpControlli02, *shpControlli03, *shpControlli04,
        *shpControlli06, *bkgCamera, *shpSezione01, *shpInfo;
    QLabel *icoTitolo, *icoAnno, *txtAnno, *panInfo, *lblPosizione;
    QPushButton *cmdIntervallo, *cmdRiepilogo, *cmdAnteprima, *cmdStampa, *cmdNuovo, *cmdSalva;
    QLabel *cmdGuida, *cmdEsci;
    QLineEdit *txtBox, *txtDimensioni, *txtCapacita, *txtPrezzo;
    QWidget *panMemGiorni;
    QList<QLabel *> titMesi; // titGen .. titDic

protected:
    void showEvent(QShowEvent *event) override;
    void onClosed() override;

private:
    void buildCalendar(WindowKit::HintLine *hints);
    void showStarts();

    QList<QLabel *> m_mem;
    QList<DayTile *> m_lib;
    QList<DayTile *> m_occ;
    // The load failed: nothing is written on leaving, and leaving says so.
    bool m_loadFailed = false;
};

extern TfrmPlanning *frmPlanning;
