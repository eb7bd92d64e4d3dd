#include "catalog/Listino_Prezzi.h"

#include "catalog/CatalogControls.h"
#include "catalog/ExpListino.h"
#include "catalog/NonErogabili.h"
#include "catalog/StampaListino.h"
#include "catalog/TrovaListino.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"

TfrmListino_Prezzi *frmListino_Prezzi = nullptr;

namespace
{

const TCatalogEditor::Twin &services()
{
    using namespace ServiceRecord;
    static const TCatalogEditor::Twin twin {
        .caption = " Kennora - Listino Prezzi",
        .globalName = WindowNames::frmListino_Prezzi,
        .layout = &layout(),
        .path = &path,
        .controlName = &ServiceControls::name,
        .fields = {
            { Codice, "Codice:" },
            { Descrizione, "Descrizione:" },
            { Prezzo, "Prezzo: €" },
            { Tipologia, "Tipologia:" },
            { Supplementi, "Supplementi:" },
            { Luogo, "Luogo:" },
            { Durata, "Durata:" },
            { Vincoli, "Vincoli:" },
            { Responsabile, "Responsabile:" },
            { Note, "Note:" },
        },
        .priceField = Prezzo,
        .firstFieldIsBoxNumber = false,
        .flagField = NonErogabile,
        .flagCaption = "Non erogabile",
        .flagHint = "Spunta questa casella per indicare che attualmente il servizio non è erogabile.",
        .mandatory = {
            { Codice, "Attenzione: per salvare la scheda è necessario indicare il codice del servizio erogato." },
            { Descrizione,
                "Attenzione: per salvare la scheda è necessario indicare la descrizione del servizio erogato." },
            { Prezzo, "Attenzione: per salvare la scheda è necessario indicare il prezzo del servizio erogato." },
            { Tipologia,
                "Attenzione: per salvare la scheda è necessario indicare la tipologia del servizio erogato." },
        },
        .help = HelpTopic::PriceList,
        .attachmentMode = "listino_prezzi",
        .unavailableName = "cmdNonErogabile",
        .unavailableCaption = "Non erogabili",
        .unavailableHint = "Visualizza il riepilogo dei servizi attualmente non erogabili.",
        .openUnavailable = [](QWidget *owner) { WindowKit::openModalDialog<TfrmNonErogabili>(owner); },
        .openSheet = [](QWidget *owner) { WindowKit::openModalDialog<TfrmStampaListino>(owner); },
        .openExport = [](QWidget *owner) { WindowKit::openModalDialog<TfrmExpListino>(owner); },
        .openSearch = &TfrmTrovaListino::openPicker,
    };
    return twin;
}

} // namespace

TfrmListino_Prezzi::TfrmListino_Prezzi(QWidget *parent)
    : TCatalogEditor(services(), parent)
{
    chkNonErogabile = chkFlag;
}
