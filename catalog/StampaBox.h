#pragma once

#include "catalog/CatalogSheet.h"

// The sheet of the box shown in the boxes editor (frmBox_Cani).
class TfrmStampaBox : public TCatalogSheet
{
    Q_OBJECT
public:
    explicit TfrmStampaBox(QWidget *owner = nullptr);

    // The sheet's names, title and rows.
    static const Twin &twin();
};
