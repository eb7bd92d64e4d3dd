#include "common/ui/Art.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

static void initArtResource()
{
    Q_INIT_RESOURCE(art);
}

namespace Art
{

namespace
{

void ensureResource()
{
    static const bool ready = (initArtResource(), true);
    Q_UNUSED(ready);
}

} // namespace

QString path(const QString &name)
{
    return QStringLiteral(":/art/%1.svg").arg(name);
}

bool exists(const QString &name)
{
    ensureResource();
    return QFile::exists(path(name));
}

void paint(QPainter &painter, const QString &name, const QRectF &target)
{
    ensureResource();
    QSvgRenderer renderer(path(name));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, target);
}

QImage image(const QString &name, QSize pixels)
{
    QImage out(pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, name, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return out;
}

QPixmap pixmap(const QString &name, QSize size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("art:%1:%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap out;
    if (QPixmapCache::find(key, &out))
        return out;
    out = QPixmap::fromImage(image(name, (QSizeF(size) * ratio).toSize()));
    out.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, out);
    return out;
}

QLabel *pictureLabel(QWidget *parent, const char *objectName, const QString &name, QSize size)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setPixmap(pixmap(name, size));
    label->setFixedSize(size);
    return label;
}

} // namespace Art
