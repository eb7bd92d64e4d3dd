#include "owners/ExpClienti.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "owners/core/OwnerRecord.h"

#include <array>

namespace {

using Column = SpreadsheetExport::Column;
using GridColumn = ExportWindow::GridColumn;

// The record fields behind grid columns 1 to 25; a second field is joined to
// the first with one blank (town and province).
struct Source
{
    int field;
    int second = -1;
};

constexpr std::array<Source, 25> kSources{{
    {OwnerRecord::Cliente},
    {OwnerRecord::DataNasc},
    {OwnerRecord::ComuneNasc, OwnerRecord::ProvNasc},
    {OwnerRecord::Recapito},
    {OwnerRecord::IndirizzoRes},
    {OwnerRecord::ComuneRes, OwnerRecord::ProvRes},
    {OwnerRecord::Estremi},
    {OwnerRecord::TelCasa},
    {OwnerRecord::TelUff},
    {OwnerRecord::TelCel},
    {OwnerRecord::Fax},
    {OwnerRecord::Email},
    {OwnerRecord::CodFisc},
    {OwnerRecord::PartitaIva},
    {OwnerRecord::Carta},
    {OwnerRecord::ScadeCarta},
    {OwnerRecord::Iban},
    {OwnerRecord::Documento},
    {OwnerRecord::Occupazione},
    {OwnerRecord::Civile},
    {OwnerRecord::Titoli},
    {OwnerRecord::CaniOra},
    {OwnerRecord::CaniPrima},
    {OwnerRecord::Questioni},
    {OwnerRecord::Note},
}};

} // namespace

const QList<ExportWindow::GridColumn> &TfrmExpClienti::gridColumns()
{
    static const QList<GridColumn> columns{
        {"colNum", "N.", 60, true},
        {"colCliente", "Cognome e nome", 250, true},
        {"colDataNasc", "Data di nascita", 120, true},
        {"colComuneNasc", "Comune / Stato estero di nascita", 250, true},
        {"colRecapito", "Telefono preferenziale", 200, true},
        {"colIndirizzoRes", "Indirizzo di residenza", 250, true},
        {"colComuneRes", "Comune di residenza", 250, false},
        {"colEstremi", QStringLiteral("Modalità di pagamento"), 250, true},
        {"colTelCasa", "Tel. casa", 200, true},
        {"colTelUff", "Tel. ufficio", 200, true},
        {"colTelCel", "Tel. cellulare", 200, true},
        {"colFax", "Fax", 200, true},
        {"colEmail", "E-mail", 250, true},
        {"colCodFisc", "Codice fiscale", 150, true},
        {"colPartitaIva", "Partita IVA", 150, false},
        {"colCarta", "Carta di credito n.", 250, true},
        {"colScadeCarta", "Scadenza", 160, false},
        {"colIban", "IBAN", 250, false},
        {"colDocumento", "Estremi documento", 280, false},
        {"colOccupazione", "Occupazione", 250, false},
        {"colCivile", "Stato civile", 250, true},
        {"colTitoli", "Titoli e qualifiche", 280, false},
        {"colCaniOra", "Cani posseduti attualmente", 300, true},
        {"colCaniPrima", "Cani posseduti in passato", 300, true},
        {"colQuestioni", "Questioni in sospeso", 300, false},
        {"colNote", "Note", 350, false},
    };
    return columns;
}

const SpreadsheetExport::Sheet &TfrmExpClienti::sheet()
{
    static const SpreadsheetExport::Sheet owners{
        QStringLiteral("Proprietari.xls"),
        QStringLiteral("Riepilogo Proprietari"),
        {
            {"Cognome e nome", 250},
            {"Data di nascita", 200},
            {"Comune di nascita", 250},
            {"Telefono preferenziale", 250},
            {"Indirizzo di residenza", 300},
            {"Comune di residenza", 250},
            {QStringLiteral("Modalità di pagamento"), 250},
            {"Tel. casa", 250},
            {"Tel. ufficio", 250},
            {"Tel. cellulare", 250},
            {"Fax", 250},
            {"E-mail", 250},
            {"Codice fiscale", 250},
            {"Partita IVA", 250},
            {"Carta di credito n.", 300},
            {"Scadenza", 150},
            {"IBAN", 300},
            {"Estremi documento", 280},
            {"Occupazione", 250},
            {"Stato civile", 250},
            {"Titoli e qualifiche", 280},
            {"Cani posseduti attualmente", 300},
            {"Cani posseduti in passato", 300},
            {"Questioni in sospeso", 300},
            {"Note", 300},
        },
    };
    return owners;
}

void TfrmExpClienti::fillGrid(Grid &grid)
{
    const RecordLayout &layout = OwnerRecord::layout();
    ExportWindow::fillFromArchive(grid, OwnerRecord::path(), layout.size(), [&layout](const char *record, QString *cells) {
        const auto load = [&](int field) {
            return RecordField::loadText(record + layout.offset(field), layout.capacity(field));
        };
        for (size_t i = 0; i < kSources.size(); ++i) {
            const Source &source = kSources[i];
            cells[i + 1] = source.second < 0 ? load(source.field)
                                             : load(source.field) + QLatin1Char(' ') + load(source.second);
        }
    });
}

TfrmExpClienti::TfrmExpClienti(QWidget *owner)
    : ExportWindow(owner, Setup{
                              QStringLiteral(" Esporta archivio proprietari in Microsoft Excel"),
                              QSize(862, 560),
                              gridColumns(),
                              10,
                              sheet(),
                              &TfrmExpClienti::fillGrid,
                              [](const QString &target) { TMisc::Open(target); },
                              [](QWidget *window) { ShowHelp(window, HelpTopic::OwnersExport); },
                          })
{
    setObjectName(QStringLiteral("frmExpClienti"));
}
