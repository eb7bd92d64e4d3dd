#include "catalog/ExpBox.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "catalog/core/BoxRecord.h"
#include "common/ui/WindowNames.h"

const QList<ExportWindow::Column> &TfrmExpBox::columns()
{
    using namespace BoxRecord;
    constexpr ColumnFlags ro;
    constexpr ColumnFlags ed = Editable;
    constexpr ColumnFlags code = TextCells;
    const QString capacita = QStringLiteral("Capacità ospitativa");
    // clang-format off
    static const QList<Column> table{
        // control            grid header        width  title in the file    width  fields            flags
        {"colNum",            "N.",               60,   {},                    0,   {},               ro},
        {"colBox",            "Box n.",          180,   "Box n.",            250,   {Box},            code},
        {"colDimensioni",     "Dimensioni",      200,   "Dimensioni",        250,   {Dimensioni},     ro},
        {"colCapacita",       capacita,          200,   capacita,            250,   {Capacita},       ro},
        {"colPrezzo",         "Prezzo in euro",  140,   "Prezzo in euro",    250,   {Prezzo},         ro},
        {"colTipologia",      "Tipologia",       200,   "Tipologia",         250,   {Tipologia},      ro},
        {"colTaglia",         "Taglia cane",     200,   "Taglia cane",       250,   {Taglia},         ed},
        {"colDescrizione",    "Descrizione",     300,   "Descrizione",       350,   {Descrizione},    ro},
        {"colCollocazione",   "Collocazione",    300,   "Collocazione",      350,   {Collocazione},   ro},
        {"colAccessori",      "Accessori",       300,   "Accessori",         350,   {Accessori},      ro},
        {"colNote",           "Note",            300,   "Note",              350,   {Note},           ed},
        {"colNonPrenotabile", "Non prenotabile", 120,   "Non prenotabile",   150,   {NonPrenotabile}, ed},
    };
    // clang-format on
    return table;
}

TfrmExpBox::TfrmExpBox(QWidget *owner)
    : ExportWindow(owner,
        Setup {
            QStringLiteral(" Esporta archivio box per cani in Microsoft Excel"),
            QSize(862, 560),
            columns(),
            10,
            fileName(),
            sheetName(),
            &BoxRecord::layout(),
            &BoxRecord::path,
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::BoxesExport); },
        })
{
    setObjectName(QLatin1String(WindowNames::frmExpBox));
}
