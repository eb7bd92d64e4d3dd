#include "deadlines/DateLists.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/Clock.h"
#include "common/ui/WindowNames.h"
#include "deadlines/DeadlineEditorLink.h"
#include "deadlines/core/DeadlineRecord.h"

#include <QPointer>

namespace
{

QDate calendarOrNothing(DeadlineListing::DateRule rule)
{
    return rule == DeadlineListing::DateRule::Imminent ? QDate() : DeadlineEditorLink::calendarDate();
}

} // namespace

QList<ExportWindow::Column> DeadlineDateList::columns(bool withKey)
{
    using namespace DeadlineRecord;
    constexpr ColumnFlags ro;
    constexpr ColumnFlags ed = Editable;
    constexpr ColumnFlags code = TextCells;
    const SpreadsheetExport::RecordText key { SpreadsheetExport::RecordText::kRowKey };
    // clang-format off
    QList<Column> table{
        // control           grid header                   width  title in the file             width  fields          flags
        {"colNum",           "N.",                          60,   {},                             0,   {},             ro},
        {"colData",          "Data scadenza",              150,   "Data scadenza",              150,   {Data},         ro},
        {"colOraApp",        "Ora appuntamento",           150,   "Ora appuntamento",           150,   {Ora},          ro},
        {"colProprietario",  "Proprietario",               250,   "Proprietario",               250,   {Proprietario}, ro},
        {"colCodFisc",       "Codice fiscale",             180,   "Codice fiscale",             200,   {CodFisc},      code},
        {"colRecapito",      "Telefono preferenziale",     250,   "Telefono preferenziale",     250,   {Recapito},     code},
        {"colNome",          "Nome cane",                  250,   "Nome cane",                  250,   {Nome},         ro},
        {"colDataNasc",      "Data nascita",               180,   "Data nascita",               200,   {DataNasc},     ro},
        {"colRazza",         "Razza",                      250,   "Razza",                      250,   {Razza},        ro},
        {"colMantello",      "Colore mantello",            250,   "Colore mantello",            250,   {Mantello},     ro},
        {"colMicrochip",     "Codice microchip",           200,   "Codice microchip",           250,   {Microchip},    code},
        {"colSegni",         "Segni particolari",          250,   "Segni particolari",          300,   {Segni},        ro},
        {"colPersona",       "Persona da incontrare",      250,   "Persona da incontrare",      250,   {Persona},      ro},
        {"colDettagli",      "Causale scadenza",           300,   "Causale scadenza",           300,   {Dettagli},     ro},
        {"colOfficina",      "Modalit\u00E0 di pagamento", 300,   "Modalit\u00E0 di pagamento", 300,   {Officina},     ed},
        {"colCosto",         "Importo in euro",            180,   "Importo in euro",            200,   {Costo},        ed},
        {"colContatto",      "Estremi ricevuta",           250,   "Estremi ricevuta",           250,   {Contatto},     ed},
        {"colDaConfermare",  "Appuntamento da confermare", 200,   "Appuntamento da confermare", 250,   {DaConfermare}, ed},
        {"colEffettuata",    "Pagamento effettuato",       200,   "Pagamento effettuato",       250,   {Effettuata},   ed},
        {"colNote",          "Note",                       300,   "Note",                       300,   {Note},         ro},
    };
    if (withKey)
        table.append({"colCodice",  "Codice univoco",             150,   "Codice univoco",             150,   key,            ed | code});
    // clang-format on
    return table;
}

QString DeadlineDateList::caption(Rule rule)
{
    switch (rule) {
    case Rule::Imminent:
        return QStringLiteral(" Scadenze imminenti");
    case Rule::Day:
        return QStringLiteral(" Scadenze del giorno");
    case Rule::Month:
        break;
    }
    return QStringLiteral(" Scadenze del mese");
}

QString DeadlineDateList::fileName(Rule rule)
{
    switch (rule) {
    case Rule::Imminent:
        return QStringLiteral("Scadenze_Imminenti.xls");
    case Rule::Day:
        return QStringLiteral("Scadenze_Giornaliere.xls");
    case Rule::Month:
        break;
    }
    return QStringLiteral("Scadenze_Mensili.xls");
}

QString DeadlineDateList::sheetName(Rule rule)
{
    return caption(rule).mid(1);
}

const char *DeadlineDateList::globalName(Rule rule)
{
    switch (rule) {
    case Rule::Imminent:
        return WindowNames::frmExpImminenti;
    case Rule::Day:
        return WindowNames::frmExpGiornaliere;
    case Rule::Month:
        break;
    }
    return WindowNames::frmExpMensili;
}

DeadlineDateList::DeadlineDateList(QWidget *owner, Rule rule)
    : ExportWindow(owner,
        Setup {
            caption(rule),
            QSize(862, 560),
            columns(true),
            10,
            fileName(rule),
            sheetName(rule),
            &DeadlineRecord::layout(),
            [rule] { return DeadlineListing::listPath(rule, calendarOrNothing(rule), Clock::today()); },
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::DeadlinesView); },
            [rule] {
                return SpreadsheetExport::RecordSelection {
                    DeadlineListing::dateTest(rule, calendarOrNothing(rule), Clock::today()),
                    &DeadlineListing::sortKey,
                };
            },
        })
    , m_rule(rule)
{
    setObjectName(QLatin1String(globalName(rule)));
}

void DeadlineDateList::open(QWidget *editor, Rule rule)
{
    QPointer<DeadlineDateList> window = new DeadlineDateList(editor, rule);
    window->exec();
    delete window.data();
}
