#include "catalog/ExpListino.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/WindowNames.h"

const QList<ExportWindow::Column> &TfrmExpListino::columns()
{
    using namespace ServiceRecord;
    constexpr ColumnFlags ro;
    constexpr ColumnFlags ed = Editable;
    constexpr ColumnFlags code = TextCells;
    // clang-format off
    static const QList<Column> table{
        // control           grid header       width  title in the file   width  fields          flags
        {"colNum",           "N.",              60,   {},                   0,   {},             ro},
        {"colCodice",        "Codice",         170,   "Codice",           250,   {Codice},       code},
        {"colDescrizione",   "Descrizione",    250,   "Descrizione",      300,   {Descrizione},  ro},
        {"colPrezzo",        "Prezzo in euro", 140,   "Prezzo in euro",   250,   {Prezzo},       ro},
        {"colTipologia",     "Tipologia",      200,   "Tipologia",        250,   {Tipologia},    ro},
        {"colSupplementi",   "Supplementi",    250,   "Supplementi",      350,   {Supplementi},  ro},
        {"colLuogo",         "Luogo",          200,   "Luogo",            250,   {Luogo},        ro},
        {"colDurata",        "Durata",         200,   "Durata",           250,   {Durata},       ed},
        {"colVincoli",       "Vincoli",        300,   "Vincoli",          350,   {Vincoli},      ro},
        {"colResponsabile",  "Responsabile",   300,   "Responsabile",     350,   {Responsabile}, ro},
        {"colNote",          "Note",           300,   "Note",             350,   {Note},         ed},
        {"colNonErogabile",  "Non erogabile",  120,   "Non erogabile",    150,   {NonErogabile}, ed},
    };
    // clang-format on
    return table;
}

TfrmExpListino::TfrmExpListino(QWidget *owner)
    : ExportWindow(owner,
        Setup {
            QStringLiteral(" Esporta listino prezzi in Microsoft Excel"),
            QSize(862, 560),
            columns(),
            10,
            fileName(),
            sheetName(),
            &ServiceRecord::layout(),
            &ServiceRecord::path,
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::PriceListExport); },
        })
{
    setObjectName(QLatin1String(WindowNames::frmExpListino));
}
