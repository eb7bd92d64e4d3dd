#pragma once

#include "catalog/CatalogEditor.h"

// The services editor: the price list, one record per service offered, in
// Listino_Prezzi.pro. The start-up creates the one instance (frmListino_Prezzi)
// and registers it as "frmListino_Prezzi"; the price list menu shows it.
class TfrmListino_Prezzi : public TCatalogEditor
{
    Q_OBJECT
public:
    explicit TfrmListino_Prezzi(QWidget *parent = nullptr);

    QCheckBox *chkNonErogabile = nullptr;
};

extern TfrmListino_Prezzi *frmListino_Prezzi;
