#pragma once

#include "common/report/Report.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// A one-page report template: named text boxes, pictures, lines and
// rectangles placed in millimetres from the top-left corner of the area inside
// the margins. The code fills it by name and hands it to ReportOutput.
//
// Text boxes print their text exactly as set (no markup, no expressions), on
// one line unless the text holds line breaks, never wrapped and clipped at
// the box's edge: a box never grows.
class ReportTemplate : public Report
{
public:
    enum class ItemKind { Text, Picture, Line, Rectangle };
    enum class PictureFit { Stretch, KeepAspectTopLeft, KeepAspectCentred };

    struct Item {
        QString name;
        ItemKind kind = ItemKind::Text;
        QRectF rectMm; // a line runs from topLeft to bottomRight
        // text boxes
        QString text;
        QFont font;
        QColor textColor = Qt::black;
        QColor fill; // invalid: no fill
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        double paddingMm = 1.0; // left and right gap inside the box
        // pictures
        QImage picture;
        PictureFit fit = PictureFit::Stretch;
        bool lossless = false; // PDF: stored without loss instead of as a JPEG
        // lines and rectangles
        QColor penColor = Qt::black;
        double penWidthMm = 0.3;
    };

    explicit ReportTemplate(const QString &name, QPageLayout::Orientation orientation = QPageLayout::Portrait,
        QPageSize::PageSizeId paper = QPageSize::A4, double marginMm = 10.0);

    // Design: each name must be new.
    Item &addText(const QString &name, const QRectF &rectMm, const QFont &font, const QString &designText,
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, const QColor &textColor = Qt::black,
        const QColor &fill = QColor());
    Item &addPicture(const QString &name, const QRectF &rectMm, const QImage &picture = QImage(),
        PictureFit fit = PictureFit::Stretch);
    Item &addLine(const QString &name, const QPointF &fromMm, const QPointF &toMm, double widthMm = 0.3,
        const QColor &color = Qt::black);
    Item &addRectangle(const QString &name, const QRectF &rectMm, const QColor &outline = Qt::black,
        const QColor &fill = QColor(), double widthMm = 0.3);

    // Filling: the whole text or picture of a named object. Throws ReportError
    // when the template has no object of that name and kind.
    void setText(const QString &name, const QString &text);
    void setPicture(const QString &name, const QImage &picture);
    QString text(const QString &name) const;
    bool contains(const QString &name) const;
    const Item *item(const QString &name) const;
    const QList<Item> &items() const { return m_items; }

    void setOrientation(QPageLayout::Orientation orientation);

    // Report
    QString name() const override { return m_name; }
    QPageLayout pageLayout() const override { return m_layout; }
    int pageCount() const override { return 1; }
    void paintPage(QPainter &painter, int page, double dotsPerMm) const override;

    // Font of a given family and size in points (bold optional), for designs.
    static QFont font(const QString &family, double pointSize, bool bold = false);
    // Paints one text box in device units (shared with the list template).
    static void paintText(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
        const QColor &color, const QColor &fill, Qt::Alignment alignment, double padding);

private:
    Item &add(Item item);
    Item *find(const QString &name, ItemKind kind);

    QString m_name;
    QPageLayout m_layout;
    QList<Item> m_items;
};
