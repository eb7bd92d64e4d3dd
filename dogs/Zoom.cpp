#include "dogs/Zoom.h"

#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"
#include "dogs/PhotoView.h"

#include <QFrame>
#include <QPainter>
#include <QScreen>

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
    // The table is made from the screen when the window is first shown: the
    // panel centred in the window, the photo filling it.
    if (Layout::tables(this).isEmpty()) {
        const QScreen *s = screen();
        const QSize area = pictureArea(s ? s->size() : QSize(1024, 768));
        Layout::Table table;
        table.name = QStringLiteral("zoom");
        table.items = {
            { .name = "panContainer",
                .x = Layout::Centre,
                .y = Layout::Centre,
                .w = qreal(area.width()),
                .h = qreal(area.height()) },
            { .name = "imgFoto", .in = "panContainer", .w = qreal(area.width()), .h = qreal(area.height()) },
        };
        Layout::apply(this, table);
    }
    placeContainer();
}

void TfrmZoom::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeContainer();
}

void TfrmZoom::placeContainer()
{
    // Centred as its row says, whatever the window's size.
    panContainer->move(
        qMax(0, (width() - panContainer->width()) / 2), qMax(0, (height() - panContainer->height()) / 2));
}

void TfrmZoom::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor::fromRgba(Style::SteelBlue));
    fill.setColorAt(1, Qt::white);
    p.fillRect(rect(), fill);
}
