#include "common/report/KennelLogo.h"

#include <QPainter>
#include <QPainterPath>

QImage KennelLogo(const QSizeF &sizeMm, double dotsPerInch)
{
    const double dotsPerMm = dotsPerInch / 25.4;
    QImage image(qRound(sizeMm.width() * dotsPerMm), qRound(sizeMm.height() * dotsPerMm),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    const double radius = 1.5 * dotsPerMm;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 128));
    painter.drawRoundedRect(area, radius, radius);

    // The paw fits a square in the middle of the badge.
    const double side = qMin(area.width(), area.height()) * 0.78;
    const QRectF paw(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    auto at = [&](double x, double y) { return QPointF(paw.left() + x * side, paw.top() + y * side); };
    painter.setBrush(Qt::white);

    // Main pad: a rounded, slightly wider-at-the-bottom shape.
    QPainterPath pad;
    pad.moveTo(at(0.50, 0.50));
    pad.cubicTo(at(0.70, 0.50), at(0.86, 0.72), at(0.80, 0.86));
    pad.cubicTo(at(0.74, 0.98), at(0.60, 0.92), at(0.50, 0.92));
    pad.cubicTo(at(0.40, 0.92), at(0.26, 0.98), at(0.20, 0.86));
    pad.cubicTo(at(0.14, 0.72), at(0.30, 0.50), at(0.50, 0.50));
    painter.drawPath(pad);

    // Four toes.
    auto toe = [&](double cx, double cy, double w, double h, double angle) {
        painter.save();
        painter.translate(at(cx, cy));
        painter.rotate(angle);
        painter.drawEllipse(QPointF(0, 0), w * side / 2, h * side / 2);
        painter.restore();
    };
    toe(0.14, 0.40, 0.17, 0.23, -20);
    toe(0.36, 0.19, 0.18, 0.25, -6);
    toe(0.64, 0.19, 0.18, 0.25, 6);
    toe(0.86, 0.40, 0.17, 0.23, 20);
    painter.end();

    const int dotsPerMeter = qRound(dotsPerMm * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}
