#include "dogs/ExpCani.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/ui/WindowNames.h"
#include "dogs/core/DogRecord.h"

const QList<ExportWindow::Column> &TfrmExpCani::columns()
{
    using namespace DogRecord;
    constexpr ColumnFlags ro;
    constexpr ColumnFlags ed = Editable;
    constexpr ColumnFlags code = TextCells;
    const QString inizio = QStringLiteral("Data inizio propriet\u00E0");
    // clang-format off
    static const QList<Column> table{
        // control            grid header                 width  title in the file         width  fields            flags
        {"colNum",            "N.",                        60,   {},                         0,    {},               ro},
        {"colNome",           "Nome cane",                250,   "Nome cane",              250,    {Nome},           ro},
        {"colSesso",          "Sesso",                     80,   "Sesso",                  100,    {Sesso},          ro},
        {"colDataNasc",       "Data nascita",             150,   "Data nascita",           200,    {DataNasc},       ro},
        {"colGruppo",         "Gruppo appartenenza",      250,   "Gruppo appartenenza",    250,    {Gruppo},         ro},
        {"colRazza",          "Razza",                    250,   "Razza",                  250,    {Razza},          ro},
        {"colMantello",       "Colore mantello",          250,   "Colore mantello",        250,    {Mantello},       ed},
        {"colSegni",          "Segni particolari",        250,   "Segni particolari",      250,    {Segni},          ro},
        {"colSterilizzato",   "Sterilizzato",             150,   "Sterilizzato",           250,    {Sterilizzato},   ro},
        {"colLibretto",       "Libretto sanitario",       250,   "Libretto sanitario",     250,    {Libretto},       ro},
        {"colMedico",         "Medico veterinario",       250,   "Medico veterinario",     250,    {Medico},         ro},
        {"colROI",            "Numero ROI",               200,   "Numero ROI",             250,    {ROI},            code},
        {"colMicrochip",      "Codice microchip",         200,   "Codice microchip",       250,    {Microchip},      code},
        {"colDataApp",        "Data applicazione",        150,   "Data applicazione",      200,    {DataApp},        ro},
        {"colLocalizzazione", "Localizzazione",           250,   "Localizzazione",         250,    {Localizzazione}, ed},
        {"colTatuaggio",      "Tatuaggio",                250,   "Tatuaggio",              250,    {Tatuaggio},      code},
        {"colPedigree",       "Pedigree",                 250,   "Pedigree",               250,    {Pedigree},       ed},
        {"colProprietario",   "Proprietario attuale",     250,   "Proprietario attuale",   250,    {Proprietario},   ed},
        {"colRecapito",       "Telefono preferenziale",   200,   "Telefono preferenziale", 250,    {Recapito},       ed | code},
        {"colCodFisc",        "Codice fiscale",           200,   "Codice fiscale",         250,    {CodFisc},        ed | code},
        {"colComuneRes",      "Comune di residenza",      250,   "Comune di residenza",    250,    {ComuneRes},      ro},
        {"colInizioProp",     inizio,                     180,   inizio,                   200,    {InizioProp},     ed},
        {"colAllevatore",     "Allevatore",               250,   "Allevatore",             250,    {Allevatore},     ro},
        {"colVaccinazioni",   "Vaccinazioni",             300,   "Vaccinazioni",           350,    {Vaccinazioni},   ro},
        {"colAlimentazione",  "Alimentazione",            300,   "Alimentazione",          350,    {Alimentazione},  ed},
        {"colNote",           "Note",                     350,   "Note",                   350,    {Note},           ro},
    };
    // clang-format on
    return table;
}

TfrmExpCani::TfrmExpCani(QWidget *owner)
    : ExportWindow(owner,
        Setup {
            QStringLiteral(" Esporta archivio anagrafico cani in Microsoft Excel"),
            QSize(862, 560),
            columns(),
            10,
            fileName(),
            sheetName(),
            &DogRecord::layout(),
            [] { return DogRecord::path(); },
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::DogsExport); },
        })
{
    setObjectName(QLatin1String(WindowNames::frmExpCani));
}
