#include "common/report/KennelLogo.h"

#include "common/ui/Art.h"

#include <QtMath>

QImage KennelLogo(const QSizeF &sizeMm, double dotsPerInch)
{
    const double dotsPerMm = dotsPerInch / 25.4;
    QImage image = Art::image(
        QStringLiteral("badge"), QSize(qRound(sizeMm.width() * dotsPerMm), qRound(sizeMm.height() * dotsPerMm)));
    const int dotsPerMeter = qRound(dotsPerMm * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}
