#include "planner/AnteprimaPlanning.h"

#include "common/ui/Art.h"
#include "common/ui/MessageBoxes.h"
#include "planner/PlanningSheet.h"

namespace
{

ReportWindow::Setup sheetSetup()
{
    ReportWindow::Setup s;
    s.objectName = QStringLiteral("frmAnteprimaPlanning");
    s.caption = QStringLiteral(" Anteprima di stampa");
    s.clientSize = QSize(364, 287);
    s.output = ReportWindow::Output::Preview;
    s.actionName = QStringLiteral("btnAnteprima");
    s.actionText = QStringLiteral("Mostra anteprima");
    s.instructions = { QStringLiteral("Anteprima di stampa"),
        QStringLiteral("Questa operazione provveder\u00E0 a visualizzare l'anteprima di stampa del planning annuale "
                       "del box corrente."),
        QStringLiteral("Premere il pulsante Mostra anteprima per visualizzare l'anteprima oppure fare clic su Annulla "
                       "se si desidera annullare l'operazione."),
        Art::pixmap(QStringLiteral("zoom"), QSize(72, 72)) };
    s.guard = CommandGuard(MessageBoxes::Kind::Warning, ReportCommands::previewFailureMessage());
    s.build = [](const ReportWindow &window) -> std::unique_ptr<Report> {
        return PlanningSheet::buildForOwner(window.parentWidget());
    };
    return s;
}

} // namespace

TfrmAnteprimaPlanning::TfrmAnteprimaPlanning(QWidget *owner)
    : ReportWindow(owner, sheetSetup())
{
}
