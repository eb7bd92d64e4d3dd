#pragma once

#include "catalog/CatalogUnavailable.h"

// The services that cannot be provided at present (Listino_Prezzi.pro).
class TfrmNonErogabili : public TCatalogUnavailable
{
    Q_OBJECT
public:
    explicit TfrmNonErogabili(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();
    // The one route: the record and its position into frmListino_Prezzi.
    static const Delivery::Table &deliveries();
};
