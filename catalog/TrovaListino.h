#pragma once

#include "catalog/CatalogSearch.h"

// The search of the price list, over Listino_Prezzi.pro.
class TfrmTrovaListino : public TCatalogSearch
{
    Q_OBJECT
public:
    explicit TfrmTrovaListino(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();
    // One route: mode "listino_prezzi", the record and its position into frmListino_Prezzi.
    static const Delivery::Table &deliveries();
    // OpenPicker: a fresh search owned by `owner`, in `mode`, shown modally.
    static void openPicker(QWidget *owner, const QString &mode);
};
