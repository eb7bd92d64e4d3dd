#include "catalog/StampaBox.h"

#include "common/ui/WindowNames.h"

const TCatalogSheet::Twin &TfrmStampaBox::twin()
{
    static const Twin t {
        .objectName = WindowNames::frmStampaBox,
        .sheetName = "Scheda Box Cane",
        .title = "SCHEDA BOX CANE",
        .editor = WindowNames::frmBox_Cani,
        .rows = {
            { "Box n.", "txtBox" },
            { "Dimensioni:", "txtDimensioni" },
            { "Capacità ospitativa:", "txtCapacita" },
            { "Prezzo in euro:", "txtPrezzo" },
            { "Tipologia:", "txtTipologia" },
            { "Taglia cane:", "txtTaglia" },
            { "Descrizione:", "txtDescrizione" },
            { "Collocazione:", "txtCollocazione" },
            { "Accessori:", "txtAccessori" },
            { "Note:", "txtNote" },
        },
    };
    return t;
}

TfrmStampaBox::TfrmStampaBox(QWidget *owner)
    : TCatalogSheet(twin(), owner)
{
}
