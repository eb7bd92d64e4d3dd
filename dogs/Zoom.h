#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>

class QFrame;
class TPhotoView;

// The photo zoom: the dog's photo as large as the screen allows, on a
// steel-blue gradient, opened maximised. A click on the photo or on its panel
// closes the window. Every zoom is a new window owned by the dog editor; the
// start-up instance frmZoom is never shown.
class TfrmZoom : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget *owner = nullptr);

    // Opens a new zoom window owned by `owner` with a copy of `image`, modally.
    static void open(QWidget *owner, const QImage &image);
    // The area of the photo on a screen of that size: 60 less wide, 90 less high.
    static QSize pictureArea(QSize screen);

    QFrame *panContainer;
    TPhotoView *imgFoto;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void placeContainer();
};
