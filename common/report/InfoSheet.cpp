#include "common/report/InfoSheet.h"

#include "common/report/ReportTemplate.h"

namespace InfoSheet
{

namespace
{

const QString kName = QStringLiteral("Scheda informativa");
const QColor kDarkOrange(255, 140, 0);
const QColor kTeal(0, 128, 128);

QString objectName(const QString &prefix, int row)
{
    return prefix + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace

std::unique_ptr<ReportTemplate> makeTemplate(const QImage &picture)
{
    auto sheet = std::make_unique<ReportTemplate>(kName, QPageLayout::Portrait);
    sheet->addPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13), picture);
    sheet->addText(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9),
        ReportTemplate::font(QStringLiteral("Arial"), 16), QStringLiteral("Titolo Scheda"), Qt::AlignCenter, Qt::white,
        kDarkOrange);
    sheet->addLine(QStringLiteral("linSepara01"), QPointF(23, 16), QPointF(188, 16));
    for (int k = 1; k <= Rows; ++k) {
        const double top = 24 + 10 * (k - 1);
        const QString design = QStringLiteral("Campo %1").arg(k);
        sheet->addText(objectName(QStringLiteral("titCampo"), k), QRectF(3, top, 52, 6),
            ReportTemplate::font(QStringLiteral("Arial"), 9), design, Qt::AlignLeft | Qt::AlignVCenter, Qt::white,
            kTeal);
        sheet->addText(objectName(QStringLiteral("txtCampo"), k), QRectF(60, top, 128, 6),
            ReportTemplate::font(QStringLiteral("Arial"), 10), design, Qt::AlignLeft | Qt::AlignVCenter);
    }
    sheet->addLine(QStringLiteral("linSepara02"), QPointF(3, 265), QPointF(188, 265));
    sheet->addText(QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6),
        ReportTemplate::font(QStringLiteral("Arial"), 10), QStringLiteral("Termine scheda"), Qt::AlignCenter, Qt::white,
        kDarkOrange);
    return sheet;
}

void fill(ReportTemplate &sheet, const Values &values)
{
    sheet.setOrientation(QPageLayout::Portrait);
    sheet.setText(QStringLiteral("txtTitolo"), values.title);
    for (int k = 1; k <= Rows; ++k) {
        sheet.setText(objectName(QStringLiteral("titCampo"), k), values.captions.value(k - 1));
        sheet.setText(objectName(QStringLiteral("txtCampo"), k), values.values.value(k - 1));
    }
    sheet.setText(QStringLiteral("txtCalce"), values.footer);
}

} // namespace InfoSheet
