#include "catalog/Box_Cani.h"

#include "catalog/CatalogControls.h"
#include "catalog/ExpBox.h"
#include "catalog/NonPrenotabili.h"
#include "catalog/StampaBox.h"
#include "catalog/TrovaBox.h"
#include "catalog/core/BoxRecord.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"

TfrmBox_Cani *frmBox_Cani = nullptr;

namespace
{

const TCatalogEditor::Twin &boxes()
{
    using namespace BoxRecord;
    static const TCatalogEditor::Twin twin {
        .caption = " Kennora - Box per Cani",
        .globalName = WindowNames::frmBox_Cani,
        .layout = &layout(),
        .path = &path,
        .controlName = &BoxControls::name,
        .fields = {
            { Box, "Box n." },
            { Dimensioni, "Dimensioni:" },
            { Capacita, "Capacità ospitativa:" },
            { Prezzo, "Prezzo: €" },
            { Tipologia, "Tipologia:" },
            { Taglia, "Adatto per cani di taglia:" },
            { Descrizione, "Descrizione:" },
            { Collocazione, "Collocazione:" },
            { Accessori, "Accessori:" },
            { Note, "Note:" },
        },
        .priceField = Prezzo,
        .firstFieldIsBoxNumber = true,
        .flagField = NonPrenotabile,
        .flagCaption = "Non prenotabile",
        .flagHint = "Spunta questa casella per indicare che il box non è prenotabile.",
        .mandatory = {
            { Box, "Attenzione: per salvare la scheda è necessario indicare il numero del box." },
            { Dimensioni, "Attenzione: per salvare la scheda è necessario indicare le dimensioni del box." },
            { Capacita, "Attenzione: per salvare la scheda è necessario indicare la capacità ospitativa del box." },
            { Prezzo, "Attenzione: per salvare la scheda è necessario indicare il prezzo del box." },
        },
        .help = HelpTopic::Boxes,
        .attachmentMode = "box_cani",
        .unavailableName = "cmdNonPrenotabile",
        .unavailableCaption = "Non prenotabili",
        .unavailableHint = "Visualizza il riepilogo dei box non prenotabili.",
        .openUnavailable = [](QWidget *owner) { WindowKit::openModalDialog<TfrmNonPrenotabili>(owner); },
        .openSheet = [](QWidget *owner) { WindowKit::openModalDialog<TfrmStampaBox>(owner); },
        .openExport = [](QWidget *owner) { WindowKit::openModalDialog<TfrmExpBox>(owner); },
        .openSearch = &TfrmTrovaBox::openPicker,
    };
    return twin;
}

} // namespace

TfrmBox_Cani::TfrmBox_Cani(QWidget *parent)
    : TCatalogEditor(boxes(), parent)
{
    chkNonPrenotabile = chkFlag;
}
