#include "planner/StampaPlanning.h"

#include "common/ui/MessageBoxes.h"
#include "planner/PlanningSheet.h"

namespace
{

ReportWindow::Setup sheetSetup()
{
    ReportWindow::Setup s;
    s.objectName = QStringLiteral("frmStampaPlanning");
    s.caption = QStringLiteral(" Stampa scheda corrente");
    s.clientSize = QSize(364, 287);
    s.output = ReportWindow::Output::Print;
    s.actionName = QStringLiteral("btnStampa");
    s.actionText = QStringLiteral("Stampa");
    s.instructions = { QStringLiteral("Stampa planning"),
        QStringLiteral("Questa operazione provveder\u00E0 a stampare il planning annuale del box corrente."),
        QStringLiteral("Premere il pulsante Stampa per stampare il planning oppure fare clic su Annulla se si desidera "
                       "annullare l'operazione."),
        QPixmap() };
    s.guard = CommandGuard(MessageBoxes::Kind::Warning, ReportCommands::printFailureMessage());
    s.build = [](const ReportWindow &window) -> std::unique_ptr<Report> {
        return PlanningSheet::buildForOwner(window.parentWidget());
    };
    return s;
}

} // namespace

Layout::Table TfrmStampaPlanning::sheetWindowTable(const char *actionName, const QString &reader, const QString &device)
{
    using Layout::Kind;
    Layout::Table t;
    t.name = QStringLiteral("sheet window");
    t.client = QSize(364, 287);
    t.items = {
        { .name = "shpSfondo", .x = 18, .y = 18, .w = 326, .h = 215 },
        // The heading and its sentence, the reader, the separator bar, the
        // device and the instruction beside it.
        { .name = "lblTitolo", .in = "shpSfondo", .x = 10, .y = 10, .w = 240, .h = 22 },
        { .name = "lblDescrizione", .in = "shpSfondo", .x = 10, .y = 34, .w = 240, .h = 59 },
        { .name = "imgLogo01",
            .in = "shpSfondo",
            .x = 262,
            .y = 13,
            .w = 51,
            .h = 81,
            .kind = Kind::Picture,
            .art = reader },
        { .name = "shpSepara", .in = "shpSfondo", .x = 8, .y = 102, .w = 311, .h = 4 },
        { .name = "imgSezione04",
            .in = "shpSfondo",
            .x = 12,
            .y = 122,
            .w = 82,
            .h = 72,
            .kind = Kind::Picture,
            .art = device },
        { .name = "lblIstruzioni", .in = "shpSfondo", .x = 104, .y = 122, .w = 206, .h = 71 },
        { .name = "btnAnnulla", .x = 18, .y = 243, .w = 137, .h = 28 },
        { .name = actionName, .x = 208, .y = 243, .w = 137, .h = 28 },
    };
    t.tabOrder = { "btnAnnulla", actionName };
    return t;
}

TfrmStampaPlanning::TfrmStampaPlanning(QWidget *owner)
    : ReportWindow(owner, sheetSetup())
{
    Layout::apply(this, sheetWindowTable("btnStampa", QStringLiteral("utente"), QStringLiteral("stampante")));
}
