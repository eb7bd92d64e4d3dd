#pragma once

#include "catalog/CatalogSearch.h"

// The search of the boxes, over Box_Cani.pro.
class TfrmTrovaBox : public TCatalogSearch
{
    Q_OBJECT
public:
    explicit TfrmTrovaBox(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();
    // One route: mode "box_cani", the record and its position into frmBox_Cani.
    static const Delivery::Table &deliveries();
    // OpenPicker: a fresh search owned by `owner`, in `mode`, shown modally.
    static void openPicker(QWidget *owner, const QString &mode);
};
