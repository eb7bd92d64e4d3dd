#include "planner/StampaPlanning.h"

#include "common/ui/Art.h"
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
        Art::pixmap(QStringLiteral("stampante"), QSize(72, 72)) };
    s.guard = CommandGuard(MessageBoxes::Kind::Warning, ReportCommands::printFailureMessage());
    s.build = [](const ReportWindow &window) -> std::unique_ptr<Report> {
        return PlanningSheet::buildForOwner(window.parentWidget());
    };
    return s;
}

} // namespace

TfrmStampaPlanning::TfrmStampaPlanning(QWidget *owner)
    : ReportWindow(owner, sheetSetup())
{
}
