#pragma once

#include "common/ui/ListingModel.h"
#include "common/ui/WindowKit.h"
#include "planner/core/BoxChoice.h"

#include <QListView>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The chooser's list of boxes: one line per box, made when it is drawn or
// picked, each standing for its record of the box archive.
class BoxChoiceModel : public ListingModel
{
    Q_OBJECT
public:
    using ListingModel::ListingModel;

    QVariant data(const QModelIndex &index, int role) const override;
};

// `lstRecords`: the list with its current line (-1 for none); making a line
// current selects it alone.
class BoxChoiceList : public QListView
{
    Q_OBJECT
public:
    explicit BoxChoiceList(QWidget *parent = nullptr);

    BoxChoiceModel *lines() const { return m_model; }
    int count() const { return m_model->rowCount(); }
    QString text(int row) const { return m_model->text(row); }
    int currentRow() const;
    void setCurrentRow(int row);

signals:
    void currentRowChanged(int row);

private:
    BoxChoiceModel *m_model;
};

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
    BoxChoiceList *lstRecords;
    QLabel *lblMemory, *lblBox, *lblDimensioni, *lblCapacita, *lblPrezzo, *lblFile;

protected:
    void showEvent(QShowEvent *event) override;
    void onClosed() override;

private:
    void formShow();
    void pick(int row);

    bool m_picked = false;
};

extern TfrmMenuDisponibili *frmMenuDisponibili;
