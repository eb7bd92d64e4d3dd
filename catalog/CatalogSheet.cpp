#include "catalog/CatalogSheet.h"

#include "common/Clock.h"
#include "common/TextRoutines.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowRegistry.h"

namespace
{

ReportWindow::Setup sheetSetup(const TCatalogSheet::Twin &twin)
{
    ReportWindow::Setup s = ReportWindow::sheetPrint(QLatin1String(twin.objectName));
    s.build = [twin](const ReportWindow &) -> std::unique_ptr<Report> {
        return TCatalogSheet::filled(twin, WindowRegistry::get(QLatin1String(twin.editor)), Clock::now());
    };
    return s;
}

QString rowName(const char *prefix, int row)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

TCatalogSheet::TCatalogSheet(const Twin &twin, QWidget *owner)
    : ReportWindow(owner, sheetSetup(twin))
{
}

std::unique_ptr<ReportTemplate> TCatalogSheet::makeTemplate(const Twin &twin)
{
    auto sheet = std::make_unique<ReportTemplate>(QLatin1String(twin.sheetName));
    const QFont arial7 = ReportTemplate::font(QStringLiteral("Arial"), 7);
    sheet->addRectangle(QStringLiteral("shpArcataSup"), QRectF(1, 1, 188, 5.8), Qt::black, QColor(0xB0, 0xC4, 0xDE));
    sheet->addText(QStringLiteral("titArcataSup"), QRectF(1, 1, 188, 5.8),
        ReportTemplate::font(QStringLiteral("Arial"), 9), QString::fromUtf8(twin.title), Qt::AlignCenter);
    for (int k = 0; k < twin.rows.size(); ++k) {
        const double top = 7 + 5 * k;
        const Row &row = twin.rows.at(k);
        sheet->addRectangle(rowName("shpRiga", k), QRectF(1, top, 188, 4.6));
        sheet->addText(
            rowName("titCampo", k), QRectF(2, top + 0.55, 37.8, 3.5), arial7, QString::fromUtf8(row.caption));
        sheet->addText(QLatin1String(row.control), QRectF(44, top + 0.55, 144, 3.5), arial7, QString());
    }
    sheet->addLine(QStringLiteral("linSepara"), QPointF(42, 7), QPointF(42, 7 + 49.6));
    sheet->addRectangle(QStringLiteral("shpCalce"), QRectF(1, 58, 188, 5.8), Qt::black, QColor(0xFF, 0xD7, 0x00));
    sheet->addText(QStringLiteral("txtCalce"), QRectF(1, 58, 188, 5.8),
        ReportTemplate::font(QStringLiteral("Arial"), 8), QStringLiteral("Data e ora stampa"), Qt::AlignCenter);
    return sheet;
}

std::unique_ptr<ReportTemplate> TCatalogSheet::filled(const Twin &twin, const QWidget *editor, const QDateTime &now)
{
    auto sheet = makeTemplate(twin);
    sheet->setOrientation(QPageLayout::Portrait);
    for (const Row &row : twin.rows) {
        const QString name = QLatin1String(row.control);
        sheet->setText(name, editor ? TrimText(ControlText::named(editor, name)) : QString());
    }
    sheet->setText(QStringLiteral("txtCalce"), ReportCommands::printStamp(now));
    return sheet;
}
