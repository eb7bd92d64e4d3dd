#include "owners/ExpClienti.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/ui/WindowNames.h"
#include "owners/core/OwnerRecord.h"

const QList<ExportWindow::Column> &TfrmExpClienti::columns()
{
    using namespace OwnerRecord;
    constexpr ColumnFlags ro;
    constexpr ColumnFlags ed = Editable;
    constexpr ColumnFlags code = TextCells;
    const QString pagamento = QStringLiteral("Modalità di pagamento");
    // clang-format off
    static const QList<Column> table{
        // control          grid header                           width  title in the file          width  fields                   flags
        {"colNum",          "N.",                                  60,   {},                          0,   {},                      ro},
        {"colCliente",      "Cognome e nome",                     250,   "Cognome e nome",          250,   {Cliente},               ro},
        {"colDataNasc",     "Data di nascita",                    120,   "Data di nascita",         200,   {DataNasc},              ro},
        {"colComuneNasc",   "Comune / Stato estero di nascita",   250,   "Comune di nascita",       250,   {ComuneNasc, ProvNasc},  ro},
        {"colRecapito",     "Telefono preferenziale",             200,   "Telefono preferenziale",  250,   {Recapito},              code},
        {"colIndirizzoRes", "Indirizzo di residenza",             250,   "Indirizzo di residenza",  300,   {IndirizzoRes},          ro},
        {"colComuneRes",    "Comune di residenza",                250,   "Comune di residenza",     250,   {ComuneRes, ProvRes},    ed},
        {"colEstremi",      pagamento,                            250,   pagamento,                 250,   {Estremi},               ro},
        {"colTelCasa",      "Tel. casa",                          200,   "Tel. casa",               250,   {TelCasa},               code},
        {"colTelUff",       "Tel. ufficio",                       200,   "Tel. ufficio",            250,   {TelUff},                code},
        {"colTelCel",       "Tel. cellulare",                     200,   "Tel. cellulare",          250,   {TelCel},                code},
        {"colFax",          "Fax",                                200,   "Fax",                     250,   {Fax},                   code},
        {"colEmail",        "E-mail",                             250,   "E-mail",                  250,   {Email},                 ro},
        {"colCodFisc",      "Codice fiscale",                     150,   "Codice fiscale",          250,   {CodFisc},               code},
        {"colPartitaIva",   "Partita IVA",                        150,   "Partita IVA",             250,   {PartitaIva},            ed | code},
        {"colCarta",        "Carta di credito n.",                250,   "Carta di credito n.",     300,   {Carta},                 code},
        {"colScadeCarta",   "Scadenza",                           160,   "Scadenza",                150,   {ScadeCarta},            ed | code},
        {"colIban",         "IBAN",                               250,   "IBAN",                    300,   {Iban},                  ed | code},
        {"colDocumento",    "Estremi documento",                  280,   "Estremi documento",       280,   {Documento},             ed},
        {"colOccupazione",  "Occupazione",                        250,   "Occupazione",             250,   {Occupazione},           ed},
        {"colCivile",       "Stato civile",                       250,   "Stato civile",            250,   {Civile},                ro},
        {"colTitoli",       "Titoli e qualifiche",                280,   "Titoli e qualifiche",     280,   {Titoli},                ed},
        {"colCaniOra",      "Cani posseduti attualmente",         300,   "Cani posseduti attualmente", 300, {CaniOra},              ro},
        {"colCaniPrima",    "Cani posseduti in passato",          300,   "Cani posseduti in passato", 300,  {CaniPrima},             ro},
        {"colQuestioni",    "Questioni in sospeso",               300,   "Questioni in sospeso",    300,   {Questioni},             ed},
        {"colNote",         "Note",                               350,   "Note",                    300,   {Note},                  ed},
    };
    // clang-format on
    return table;
}

TfrmExpClienti::TfrmExpClienti(QWidget *owner)
    : ExportWindow(owner,
        Setup {
            QStringLiteral(" Esporta archivio proprietari in Microsoft Excel"),
            QSize(862, 560),
            columns(),
            10,
            fileName(),
            sheetName(),
            &OwnerRecord::layout(),
            &OwnerRecord::path,
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::OwnersExport); },
        })
{
    setObjectName(QLatin1String(WindowNames::frmExpClienti));
}
