#include "catalog/TrovaBox.h"

#include "catalog/CatalogControls.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/CatalogListing.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"

#include <QLabel>

namespace
{

const TCatalogSearch::Twin &boxes()
{
    using namespace BoxRecord;
    static const TCatalogSearch::Twin twin {
        .caption = " Trova box per cani in archivio",
        .printTitle = "Riepilogo box per cani",
        .layout = &layout(),
        .path = &path,
        .filters = {
            { Box, "txtBox", "Box n." },
            { Dimensioni, "txtDimensioni", "Dimensioni:" },
            { Capacita, "txtCapacita", "Capacità ospitativa:" },
            { Prezzo, "txtPrezzo", "Prezzo: €" },
            { Tipologia, "txtTipologia", "Tipologia:" },
            { Taglia, "txtTaglia", "Adatto per cani di taglia:" },
            { Descrizione, "txtDescrizione", "Descrizione:" },
            { Collocazione, "txtCollocazione", "Collocazione:" },
            { Accessori, "txtAccessori", "Accessori:" },
            { Note, "txtNote", "Note:" },
        },
        .line = CatalogListing::boxShape(),
        .minLineChars = CatalogListing::kBoxFixedChars,
        .lastSearchText = &TfrmTrovaBox::lastSearchText(),
        .deliveries = &TfrmTrovaBox::deliveries(),
    };
    return twin;
}

} // namespace

TfrmTrovaBox::TfrmTrovaBox(QWidget *owner)
    : TCatalogSearch(boxes(), owner)
{
}

QString &TfrmTrovaBox::lastSearchText()
{
    static QString text;
    return text;
}

const Delivery::Table &TfrmTrovaBox::deliveries()
{
    static const Delivery::Table t { &BoxRecord::layout(),
        { editorRoute(
            QStringLiteral("box_cani"), WindowNames::frmBox_Cani, BoxRecord::layout(), &BoxControls::name) } };
    return t;
}

void TfrmTrovaBox::openPicker(QWidget *owner, const QString &mode)
{
    WindowKit::openModalDialog<TfrmTrovaBox>(owner, [&mode](TfrmTrovaBox &d) { d.lblMemory->setText(mode); });
}
