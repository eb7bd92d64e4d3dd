#include "quotes/ExpPreventivi.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/ui/WindowNames.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteRecord.h"

const QList<ExportWindow::Column> &TfrmExpPreventivi::columns()
{
    using namespace QuoteRecord;
    constexpr ColumnFlags ro;
    constexpr ColumnFlags code = TextCells;
    constexpr ColumnFlags amount = AlignRight;
    constexpr ColumnFlags ed = Editable;
    const QString citta = QStringLiteral("Citt\u00E0");
    // clang-format off
    static const QList<Column> table{
        // control            grid header                                   width  title in the file           width  fields            flags
        {"colNum",            "N.",                                          60,   {},                           0,   {},               ro},
        {"colNumFatt",        "Preventivo n.",                              160,   "Preventivo n.",            160,   {NumFatt},        ro},
        {"colData",           "Data emissione",                             120,   "Data emissione",           120,   {Data},           ro},
        {"colDitta",          "Ditta emittente",                            250,   "Ditta emittente",          250,   {Ditta},          ro},
        {"colCittaDitta",     citta,                                        250,   citta,                      250,   {CittaDitta},     ro},
        {"colIvaDitta",       "Partita IVA",                                150,   "Partita IVA",              150,   {IvaDitta},       code},
        {"colCodFiscDitta",   "Codice fiscale",                             150,   "Codice fiscale",           150,   {CodFiscDitta},   code},
        {"colCliente",        "Cognome e nome o ragione sociale Cliente",   250,   "Cognome e nome Cliente",   250,   {Cliente},        ro},
        {"colViaCliente",     "Via e numero civico",                        250,   "Via e numero civico",      250,   {ViaCliente},     ro},
        {"colCapCliente",     "CAP",                                        100,   "CAP",                       70,   {CapCliente},     code},
        {"colCittaCliente",   citta,                                        250,   citta,                      250,   {CittaCliente},   ro},
        {"colProvCliente",    "Prov.",                                       50,   "Prov.",                     50,   {ProvCliente},    ro},
        {"colIvaCliente",     "Partita IVA Cliente",                        150,   "Partita IVA Cliente",      150,   {IvaCliente},     code},
        {"colCodFiscCliente", "Codice fiscale Cliente",                     150,   "Codice fiscale Cliente",   150,   {CodFiscCliente}, code},
        {"colRiferimenti",    "Riferimenti",                                250,   "Riferimenti",              250,   {Riferimenti},    ro},
        {"colPagamento",      "Pagamento",                                  250,   "Pagamento",                250,   {Pagamento},      ro},
        {"colBanca",          "Banca d'appoggio",                           250,   "Banca d'appoggio",         250,   {Banca},          ro},
        {"colIban",           "IBAN",                                       250,   "IBAN",                     250,   {Iban},           code},
        {"colTotImponibile",  "Totale imponibile",                          150,   "Totale imponibile",        150,   {TotImponibile},  amount},
        {"colPercIva",        "% IVA",                                      100,   "% IVA",                    100,   {PercIva},        amount},
        {"colTotImposta",     "Totale imposta",                             150,   "Totale imposta",           150,   {TotImposta},     ed | amount},
        {"colTotIva",         "Totale IVA inclusa",                         150,   "Totale IVA inclusa",       150,   {TotIva},         ed | amount},
        {"colTotEsente",      "Totale esente",                              150,   "Totale esente",            150,   {TotEsente},      ed | amount},
        {"colTotFattura",     "TOTALE PREVENTIVO",                          150,   "TOTALE PREVENTIVO",        150,   {TotFattura},     ed | amount},
        {"colNote",           "Note",                                       350,   "Note",                     350,   {Note},           ed},
        {"colSaldata",        "In sospeso",                                 100,   "In sospeso",               100,   {Saldata},        ed},
    };
    // clang-format on
    return table;
}

TfrmExpPreventivi::TfrmExpPreventivi(QWidget *owner)
    : ExportWindow(owner,
        Setup {
            QStringLiteral(" Esporta archivio preventivi in Microsoft Excel"),
            QSize(862, 560),
            columns(),
            10,
            fileName(),
            sheetName(),
            &QuoteRecord::layout(),
            &QuoteDelivery::yearFile,
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::QuotesExport); },
        })
{
    setObjectName(QLatin1String(WindowNames::frmExpPreventivi));
}
