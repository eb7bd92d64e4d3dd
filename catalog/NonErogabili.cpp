#include "catalog/NonErogabili.h"

#include "catalog/CatalogControls.h"
#include "catalog/CatalogSearch.h"
#include "catalog/core/CatalogListing.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/WindowNames.h"

TfrmNonErogabili::TfrmNonErogabili(QWidget *owner)
    : TCatalogUnavailable({ .caption = " Riepilogo servizi non erogabili",
                              .layout = &ServiceRecord::layout(),
                              .path = &ServiceRecord::path,
                              .flagged = &CatalogListing::isServiceUnavailable,
                              .line = CatalogListing::serviceShape(),
                              .lastSearchText = &lastSearchText(),
                              .deliveries = &deliveries() },
        owner)
{
}

QString &TfrmNonErogabili::lastSearchText()
{
    static QString text;
    return text;
}

const Delivery::Table &TfrmNonErogabili::deliveries()
{
    static const Delivery::Table t { &ServiceRecord::layout(),
        { TCatalogSearch::editorRoute(
            QString(), WindowNames::frmListino_Prezzi, ServiceRecord::layout(), &ServiceControls::name) } };
    return t;
}
