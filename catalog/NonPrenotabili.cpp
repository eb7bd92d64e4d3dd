#include "catalog/NonPrenotabili.h"

#include "catalog/CatalogControls.h"
#include "catalog/CatalogSearch.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/CatalogListing.h"
#include "common/ui/WindowNames.h"

TfrmNonPrenotabili::TfrmNonPrenotabili(QWidget *owner)
    : TCatalogUnavailable({ .caption = " Riepilogo box non prenotabili",
                              .layout = &BoxRecord::layout(),
                              .path = &BoxRecord::path,
                              .flagged = &CatalogListing::isBoxUnbookable,
                              .line = CatalogListing::boxShape(),
                              .lastSearchText = &lastSearchText(),
                              .deliveries = &deliveries() },
        owner)
{
}

QString &TfrmNonPrenotabili::lastSearchText()
{
    static QString text;
    return text;
}

const Delivery::Table &TfrmNonPrenotabili::deliveries()
{
    static const Delivery::Table t { &BoxRecord::layout(),
        { TCatalogSearch::editorRoute(QString(), WindowNames::frmBox_Cani, BoxRecord::layout(), &BoxControls::name) } };
    return t;
}
