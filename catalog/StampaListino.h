#pragma once

#include "catalog/CatalogSheet.h"

// The sheet of the service shown in the services editor (frmListino_Prezzi).
class TfrmStampaListino : public TCatalogSheet
{
    Q_OBJECT
public:
    explicit TfrmStampaListino(QWidget *owner = nullptr);

    // The sheet's names, title and rows.
    static const Twin &twin();
};
