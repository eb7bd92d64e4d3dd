#include "common/ui/Art.h"

#include <QDir>
#include <QEvent>
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

QStringList &missingNames()
{
    static QStringList names;
    return names;
}

// Notes a name the resource lacks (see missing()).
void check(const QString &name)
{
    if (!exists(name) && !missingNames().contains(name))
        missingNames().append(name);
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

QStringList names()
{
    ensureResource();
    QStringList out;
    for (const QString &file : QDir(QStringLiteral(":/art")).entryList({ QStringLiteral("*.svg") }, QDir::Files))
        out.append(file.chopped(4));
    out.sort();
    return out;
}

QStringList missing()
{
    return missingNames();
}

void paint(QPainter &painter, const QString &name, const QRectF &target)
{
    check(name);
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

namespace
{

// Draws the label's picture when the label is first shown: windows made at
// start-up and never shown draw nothing.
class DrawOnFirstShow : public QObject
{
public:
    DrawOnFirstShow(QLabel *label, const QString &name)
        : QObject(label)
        , m_name(name)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Polish) {
            auto *label = static_cast<QLabel *>(watched);
            label->removeEventFilter(this);
            label->setPixmap(pixmap(m_name, label->size()));
            deleteLater();
        }
        return false;
    }

private:
    QString m_name;
};

} // namespace

QLabel *pictureLabel(QWidget *parent, const char *objectName, const QString &name, QSize size)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setFixedSize(size);
    check(name);
    new DrawOnFirstShow(label, name);
    return label;
}

QLabel *commandPicture(QWidget *parent, const char *objectName, const QString &name, const QString &tip)
{
    QLabel *label = pictureLabel(parent, objectName, name, QSize(40, 40));
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(tip);
    return label;
}

} // namespace Art
