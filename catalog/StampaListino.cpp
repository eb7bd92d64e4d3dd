#include "catalog/StampaListino.h"

#include "common/ui/WindowNames.h"

const TCatalogSheet::Twin &TfrmStampaListino::twin()
{
    static const Twin t {
        .objectName = WindowNames::frmStampaListino,
        .sheetName = "Scheda Servizio",
        .title = "SCHEDA SERVIZIO IN LISTINO PREZZI",
        .editor = WindowNames::frmListino_Prezzi,
        .rows = {
            { "Codice:", "txtCodice" },
            { "Descrizione:", "txtDescrizione" },
            { "Prezzo in euro:", "txtPrezzo" },
            { "Tipologia:", "txtTipologia" },
            { "Supplementi:", "txtSupplementi" },
            { "Luogo:", "txtLuogo" },
            { "Durata:", "txtDurata" },
            { "Vincoli:", "txtVincoli" },
            { "Responsabile:", "txtResponsabile" },
            { "Note:", "txtNote" },
        },
    };
    return t;
}

TfrmStampaListino::TfrmStampaListino(QWidget *owner)
    : TCatalogSheet(twin(), owner)
{
}
