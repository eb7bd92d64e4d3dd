#include "common/ui/Style.h"

#include <QColor>
#include <QtMath>

namespace Style
{

QString css(QRgb colour)
{
    return QColor::fromRgb(colour).name(QColor::HexRgb).toUpper();
}

int pixelsForPoints(qreal points)
{
    return qRound(points * 96.0 / 72.0);
}

QFont font(const QString &family, qreal points, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelsForPoints(points));
    f.setBold(bold);
    return f;
}

QFont shellFont(qreal points, bool bold)
{
    return font(QStringLiteral("Tahoma"), points, bold);
}

QFont narrow(const QFont &font)
{
    QFont f = font;
    f.setFamily(QLatin1String(NarrowFamily));
    return f;
}

QString hintBandSheet()
{
    return QStringLiteral("QLabel { color: white; background: %1; border-radius: 5px; padding-left: 10px; }")
        .arg(css(HintBandColour));
}

QString whitePanelSheet(const QString &objectName, int radius)
{
    return QStringLiteral("#%1 { background: white; border: 1px solid %2; border-radius: %3px; }")
        .arg(objectName, css(PanelBorder))
        .arg(radius);
}

QString windowBackgroundSheet(const QString &className, QRgb colour)
{
    return QStringLiteral("%1 { background: %2; }").arg(className, css(colour));
}

} // namespace Style
