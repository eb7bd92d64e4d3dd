#pragma once

#include "common/ui/WindowKit.h"
#include "planner/core/BoxChoice.h"

#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The planner's chooser of year and box: lists the bookable boxes of
// Box_Cani.pro, takes a year and a box and opens the planner on the file of
// that box and year. It keeps the planner file path and the picked box in its
// hidden labels, which the planner reads when it opens and when it saves, so
// it stays alive, hidden, while the planner is open.
class TfrmMenuDisponibili : public WindowKit::MainWindowBase
{
    Q_OBJECT
public:
    explicit TfrmMenuDisponibili(QWidget *parent = nullptr);

    // The chooser's messages.
    static QString yearWarning();
    static QString emptyListWarning();
    static QString selectBoxWarning();
    static QString boxNameWarning();

    // "Apri".
    void btnApriFattureClick();

    QFrame *panContainer;
    // The background rectangles (made by the layout table).
    QWidget *shpContainer, *shpTitle, *bkgTitle, *shpBody, *shpAnnoFatture, *bkgBianco03, *bkgBianco04;
    QLabel *icoTitolo, *icoLetto, *lblInformazioni, *titAnno, *icoMano, *imgGuida, *imgEsci;
    QLineEdit *txtAnnoFatture;
    QPushButton *btnApriFatture;
    QListWidget *lstRecords;
    QLabel *lblMemory, *lblBox, *lblDimensioni, *lblCapacita, *lblPrezzo, *lblFile;

protected:
    void showEvent(QShowEvent *event) override;
    void onClosed() override;

private:
    void formShow();
    void pick(int row);

    std::vector<qint64> m_records; // the record of each line
    bool m_picked = false;
};

extern TfrmMenuDisponibili *frmMenuDisponibili;
