#pragma once

#include <QImage>
#include <QWidget>

// A picture that shows an image fitted into its area, keeping its proportions
// and centred; the image itself is kept whole, at its own pixel size (the dog
// photo is written from it). With no image the area stays transparent, so
// whatever lies behind it shows (the blank picture).
class TPhotoView : public QWidget
{
    Q_OBJECT
public:
    explicit TPhotoView(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    bool isBlank() const { return m_image.isNull(); }
    // The rectangle the image takes in the widget (empty without an image).
    QRect fittedRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    mutable QPixmap m_scaled; // the image drawn at the current size
};
