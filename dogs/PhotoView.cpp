#include "dogs/PhotoView.h"

#include <QMouseEvent>
#include <QPainter>

TPhotoView::TPhotoView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TPhotoView::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

QRect TPhotoView::fittedRect() const
{
    if (m_image.isNull())
        return QRect();
    const QSize size = m_image.size().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TPhotoView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    const QRect target = fittedRect();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = target.size() * ratio;
    if (m_scaled.size() != pixels) {
        m_scaled = QPixmap::fromImage(m_image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    QPainter p(this);
    p.drawPixmap(target.topLeft(), m_scaled);
}

void TPhotoView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
