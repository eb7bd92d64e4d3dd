#include "dogs/Zoom.h"

#include "common/ui/WindowKit.h"
#include "dogs/PhotoView.h"

#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

TfrmZoom::TfrmZoom(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setCursor(Qt::PointingHandCursor);
    imgFoto = new TPhotoView(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    connect(imgFoto, &TPhotoView::clicked, this, &QDialog::accept);
    WindowKit::onClick(panContainer, [this] { accept(); });
}

void TfrmZoom::open(QWidget *owner, const QImage &image)
{
    WindowKit::openModalDialog<TfrmZoom>(owner, [&image](TfrmZoom &zoom) {
        zoom.imgFoto->setImage(image);
        zoom.setWindowState(Qt::WindowMaximized);
    });
}

QSize TfrmZoom::pictureArea(QSize screen)
{
    return QSize(qMax(1, screen.width() - 60), qMax(1, screen.height() - 90));
}

void TfrmZoom::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Sized from the screen each time the window is shown.
    const QScreen *s = screen();
    const QSize area = pictureArea(s ? s->size() : QSize(1024, 768));
    panContainer->resize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    placeContainer();
}

void TfrmZoom::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeContainer();
}

void TfrmZoom::placeContainer()
{
    panContainer->move((width() - panContainer->width()) / 2, (height() - panContainer->height()) / 2);
}

void TfrmZoom::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x46, 0x82, 0xB4)); // steel blue
    fill.setColorAt(1, Qt::white);
    p.fillRect(rect(), fill);
}
