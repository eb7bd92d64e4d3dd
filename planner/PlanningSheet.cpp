#include "planner/PlanningSheet.h"

#include "common/Clock.h"
#include "common/TextRoutines.h"
#include "common/report/ReportCommands.h"
#include "planner/DayTile.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"

#include <QLabel>
#include <QLineEdit>

namespace PlanningSheet
{

namespace
{

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kGold(0xFF, 0xD7, 0x00);

const char *const kMonthCaptions[12] = { "GENNAIO:", "FEBBRAIO:", "MARZO:", "APRILE:", "MAGGIO:", "GIUGNO:", "LUGLIO:",
    "AGOSTO:", "SETTEMBRE:", "OTTOBRE:", "NOVEMBRE:", "DICEMBRE:" };

QFont arial(double points)
{
    return ReportTemplate::font(QStringLiteral("Arial"), points);
}

} // namespace

QString cellName(int day)
{
    return QStringLiteral("txt") + PlannerRecord::dayName(day);
}

std::unique_ptr<ReportTemplate> design()
{
    auto sheet = std::make_unique<ReportTemplate>(QStringLiteral("Planning Annuale"), QPageLayout::Landscape);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;

    sheet->addRectangle(QStringLiteral("shpTitolo"), QRectF(1, 1, 276, 5.8), Qt::black, kLightSteelBlue);
    sheet->addText(QStringLiteral("txtTitolo"), QRectF(2, 2, 274, 4.2), arial(9),
        QStringLiteral("PLANNER ANNUALE PRENOTAZIONI"), Qt::AlignCenter);

    sheet->addRectangle(QStringLiteral("shpGiorni"), QRectF(1, 7, 276, 4.6));
    for (int d = 1; d <= 31; ++d) {
        sheet->addText(QStringLiteral("tit_%1").arg(d, 2, 10, QLatin1Char('0')),
            QRectF(31 + 8 * (d - 1), 8, d == 31 ? 5.6 : 6, 3.5), arial(7), QString::number(d), Qt::AlignCenter);
    }
    for (int m = 1; m <= 12; ++m) {
        const double top = 12 + 6 * (m - 1);
        sheet->addRectangle(QStringLiteral("shpMese%1").arg(m, 2, 10, QLatin1Char('0')), QRectF(1, top, 276, 6),
            Qt::black, m % 2 == 1 ? kBeige : QColor());
        sheet->addText(QStringLiteral("titMese%1").arg(m, 2, 10, QLatin1Char('0')), QRectF(2, top + 0.8, 27, 4.4),
            arial(9), QString::fromLatin1(kMonthCaptions[m - 1]), left);
    }
    for (int day = 0; day < PlannerRecord::DayCount; ++day) {
        const int m = PlannerRecord::monthOf(day);
        const int d = PlannerRecord::dayOfMonth(day);
        sheet->addText(cellName(day), QRectF(31 + 8 * (d - 1), 13 + 6 * (m - 1), d == 31 ? 5.2 : 6, 4.4), arial(9),
            QStringLiteral("X"), Qt::AlignCenter);
    }
    for (int k = 0; k <= 30; ++k) {
        const double x = 30 + 8 * k;
        sheet->addLine(
            QStringLiteral("linGiorno%1").arg(k + 1, 2, 10, QLatin1Char('0')), QPointF(x, 7), QPointF(x, 7 + 77), 0.2);
    }

    const double bandTops[4] = { 89, 97, 105, 113 };
    const double textTops[4] = { 89.7, 97.7, 106.0, 113.7 };
    const double bandWidths[4] = { 54, 118, 118, 37 };
    const double textWidths[4] = { 52, 116, 116, 35 };
    const QString labels[4] = { QStringLiteral("Box n."), QStringLiteral("Dimensioni:"),
        QStringLiteral("Capacit\u00E0 ospitativa:"), QStringLiteral("Prezzo in euro:") };
    const QString values[4] = { QStringLiteral("txtBox"), QStringLiteral("txtDimensioni"),
        QStringLiteral("txtCapacita"), QStringLiteral("txtPrezzo") };
    for (int i = 0; i < 4; ++i) {
        sheet->addRectangle(
            QStringLiteral("shpEtichetta%1").arg(i + 1), QRectF(1, bandTops[i], 36, 6), Qt::black, kBeige);
        sheet->addText(
            QStringLiteral("lblEtichetta%1").arg(i + 1), QRectF(2, textTops[i], 34, 4.4), arial(9), labels[i], left);
        sheet->addRectangle(
            QStringLiteral("shpValore%1").arg(i + 1), QRectF(39, bandTops[i], bandWidths[i], 6), Qt::black, Qt::white);
        sheet->addText(values[i], QRectF(40, textTops[i], textWidths[i], 4.4), arial(9), QString(), left);
    }

    sheet->addRectangle(QStringLiteral("shpCalce"), QRectF(1, 122, 276, 5.8), Qt::black, kGold);
    sheet->addText(QStringLiteral("txtCalce"), QRectF(2, 123, 274, 4.2), arial(8), QStringLiteral("Data e ora stampa"),
        Qt::AlignCenter);
    return sheet;
}

void fill(ReportTemplate &sheet, const TfrmPlanning &planner, const QDateTime &now)
{
    sheet.setOrientation(QPageLayout::Landscape);
    sheet.setText(
        QStringLiteral("txtTitolo"), QStringLiteral("PLANNER PRENOTAZIONI ANNO ") + TrimText(planner.txtAnno->text()));
    sheet.setText(QStringLiteral("txtBox"), TrimText(planner.txtBox->text()));
    sheet.setText(QStringLiteral("txtDimensioni"), TrimText(planner.txtDimensioni->text()));
    sheet.setText(QStringLiteral("txtCapacita"), TrimText(planner.txtCapacita->text()));
    sheet.setText(QStringLiteral("txtPrezzo"), TrimText(planner.txtPrezzo->text()));
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        sheet.setText(cellName(day), planner.occDay(day)->isHidden() ? QStringLiteral(" ") : QStringLiteral("X"));
    sheet.setText(QStringLiteral("txtCalce"), ReportCommands::printStamp(now));
}

std::unique_ptr<ReportTemplate> build(const TfrmPlanning &planner)
{
    auto sheet = design();
    fill(*sheet, planner, Clock::now());
    return sheet;
}

std::unique_ptr<ReportTemplate> buildForOwner(const QWidget *owner)
{
    const TfrmPlanning *planner = qobject_cast<const TfrmPlanning *>(owner);
    if (!planner)
        planner = frmPlanning;
    if (!planner)
        throw ReportError(QStringLiteral("Planner non disponibile."));
    return build(*planner);
}

} // namespace PlanningSheet
