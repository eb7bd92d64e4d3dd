#include "catalog/TrovaListino.h"

#include "catalog/CatalogControls.h"
#include "catalog/core/CatalogListing.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"

#include <QLabel>

namespace
{

const TCatalogSearch::Twin &services()
{
    using namespace ServiceRecord;
    static const TCatalogSearch::Twin twin {
        .caption = " Trova servizio in listino prezzi",
        .printTitle = "Listino prezzi servizi",
        .layout = &layout(),
        .path = &path,
        .filters = {
            { Codice, "txtCodice", "Codice:" },
            { Descrizione, "txtDescrizione", "Descrizione:" },
            { Prezzo, "txtPrezzo", "Prezzo: €" },
            { Tipologia, "txtTipologia", "Tipologia:" },
            { Supplementi, "txtSupplementi", "Supplementi:" },
            { Luogo, "txtLuogo", "Luogo:" },
            { Durata, "txtDurata", "Durata:" },
            { Vincoli, "txtVincoli", "Vincoli:" },
            { Responsabile, "txtResponsabile", "Responsabile:" },
            { Note, "txtNote", "Note:" },
        },
        .line = CatalogListing::serviceShape(),
        .minLineChars = CatalogListing::kServiceFixedChars,
        .lastSearchText = &TfrmTrovaListino::lastSearchText(),
        .deliveries = &TfrmTrovaListino::deliveries(),
    };
    return twin;
}

} // namespace

TfrmTrovaListino::TfrmTrovaListino(QWidget *owner)
    : TCatalogSearch(services(), owner)
{
}

QString &TfrmTrovaListino::lastSearchText()
{
    static QString text;
    return text;
}

const Delivery::Table &TfrmTrovaListino::deliveries()
{
    static const Delivery::Table t { &ServiceRecord::layout(),
        { editorRoute(QStringLiteral("listino_prezzi"), WindowNames::frmListino_Prezzi, ServiceRecord::layout(),
            &ServiceControls::name) } };
    return t;
}

void TfrmTrovaListino::openPicker(QWidget *owner, const QString &mode)
{
    WindowKit::openModalDialog<TfrmTrovaListino>(owner, [&mode](TfrmTrovaListino &d) { d.lblMemory->setText(mode); });
}
