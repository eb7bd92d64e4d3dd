#pragma once

#include "catalog/CatalogEditor.h"

// The boxes editor: one record per box, cage, kennel or bed of the kennel, in
// Box_Cani.pro. The box number becomes part of the box's planner file names,
// so it takes no character that cannot stand in a file name. The start-up
// creates the one instance (frmBox_Cani) and registers it as "frmBox_Cani";
// the price list menu shows it.
class TfrmBox_Cani : public TCatalogEditor
{
    Q_OBJECT
public:
    explicit TfrmBox_Cani(QWidget *parent = nullptr);

    QCheckBox *chkNonPrenotabile = nullptr;
};

extern TfrmBox_Cani *frmBox_Cani;
