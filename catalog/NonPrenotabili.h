#pragma once

#include "catalog/CatalogUnavailable.h"

// The boxes that cannot be booked (Box_Cani.pro).
class TfrmNonPrenotabili : public TCatalogUnavailable
{
    Q_OBJECT
public:
    explicit TfrmNonPrenotabili(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();
    // The one route: the record and its position into frmBox_Cani.
    static const Delivery::Table &deliveries();
};
