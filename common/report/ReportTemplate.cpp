#include "common/report/ReportTemplate.h"

#include "common/report/ReportOutput.h"

#include <QPainter>

ReportTemplate::ReportTemplate(
    const QString &name, QPageLayout::Orientation orientation, QPageSize::PageSizeId paper, double marginMm)
    : m_name(name)
    , m_layout(
          QPageSize(paper), orientation, QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter)
{
}

ReportTemplate::Item &ReportTemplate::add(Item item)
{
    Q_ASSERT_X(!contains(item.name), "ReportTemplate", "duplicate object name");
    m_items.append(std::move(item));
    return m_items.last();
}

ReportTemplate::Item &ReportTemplate::addText(const QString &name, const QRectF &rectMm, const QFont &font,
    const QString &designText, Qt::Alignment alignment, const QColor &textColor, const QColor &fill)
{
    Item item;
    item.name = name;
    item.kind = ItemKind::Text;
    item.rectMm = rectMm;
    item.font = font;
    item.text = designText;
    item.alignment = alignment;
    item.textColor = textColor;
    item.fill = fill;
    return add(std::move(item));
}

ReportTemplate::Item &ReportTemplate::addPicture(
    const QString &name, const QRectF &rectMm, const QImage &picture, PictureFit fit)
{
    Item item;
    item.name = name;
    item.kind = ItemKind::Picture;
    item.rectMm = rectMm;
    item.picture = picture;
    item.fit = fit;
    return add(std::move(item));
}

ReportTemplate::Item &ReportTemplate::addLine(
    const QString &name, const QPointF &fromMm, const QPointF &toMm, double widthMm, const QColor &color)
{
    Item item;
    item.name = name;
    item.kind = ItemKind::Line;
    item.rectMm = QRectF(fromMm, toMm);
    item.penWidthMm = widthMm;
    item.penColor = color;
    return add(std::move(item));
}

ReportTemplate::Item &ReportTemplate::addRectangle(
    const QString &name, const QRectF &rectMm, const QColor &outline, const QColor &fill, double widthMm)
{
    Item item;
    item.name = name;
    item.kind = ItemKind::Rectangle;
    item.rectMm = rectMm;
    item.penColor = outline;
    item.fill = fill;
    item.penWidthMm = widthMm;
    return add(std::move(item));
}

ReportTemplate::Item *ReportTemplate::find(const QString &name, ItemKind kind)
{
    for (Item &item : m_items) {
        if (item.name == name && item.kind == kind)
            return &item;
    }
    return nullptr;
}

const ReportTemplate::Item *ReportTemplate::item(const QString &name) const
{
    for (const Item &item : m_items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

bool ReportTemplate::contains(const QString &name) const
{
    return item(name) != nullptr;
}

void ReportTemplate::setText(const QString &name, const QString &text)
{
    Item *item = find(name, ItemKind::Text);
    if (!item)
        throw ReportError(
            QStringLiteral("Il modello di stampa \"%1\" non contiene il campo \"%2\".").arg(m_name, name));
    item->text = text;
}

void ReportTemplate::setPicture(const QString &name, const QImage &picture)
{
    Item *item = find(name, ItemKind::Picture);
    if (!item)
        throw ReportError(
            QStringLiteral("Il modello di stampa \"%1\" non contiene l'immagine \"%2\".").arg(m_name, name));
    item->picture = picture;
}

QString ReportTemplate::text(const QString &name) const
{
    const Item *found = item(name);
    return found ? found->text : QString();
}

void ReportTemplate::setOrientation(QPageLayout::Orientation orientation)
{
    m_layout.setOrientation(orientation);
}

QFont ReportTemplate::font(const QString &family, double pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setKerning(true);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

void ReportTemplate::paintText(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
    const QColor &color, const QColor &fill, Qt::Alignment alignment, double padding)
{
    painter.save();
    if (fill.isValid())
        painter.fillRect(rect, fill);
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(color);
    // No word wrap, no mnemonics, no markup: the text exactly as set.
    const QRectF inner = rect.adjusted(padding, 0, -padding, 0);
    painter.drawText(inner, int(alignment), text);
    painter.restore();
}

void ReportTemplate::paintPage(QPainter &painter, int page, double dotsPerMm) const
{
    Q_UNUSED(page);
    const QMarginsF margins = m_layout.margins(QPageLayout::Millimeter);
    const QPointF origin(margins.left(), margins.top());
    auto toDevice = [&](const QRectF &mm) {
        return QRectF((origin.x() + mm.x()) * dotsPerMm, (origin.y() + mm.y()) * dotsPerMm, mm.width() * dotsPerMm,
            mm.height() * dotsPerMm);
    };

    for (const Item &item : m_items) {
        const QRectF r = toDevice(item.rectMm);
        switch (item.kind) {
        case ItemKind::Text:
            paintText(painter, r, item.text, item.font, item.textColor, item.fill, item.alignment,
                item.paddingMm * dotsPerMm);
            break;
        case ItemKind::Picture: {
            if (item.picture.isNull())
                break;
            QRectF target = r;
            if (item.fit != PictureFit::Stretch) {
                QSizeF size = item.picture.size();
                size.scale(r.size(), Qt::KeepAspectRatio);
                target = QRectF(r.topLeft(), size);
                if (item.fit == PictureFit::KeepAspectCentred)
                    target.moveCenter(r.center());
            }
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setRenderHint(QPainter::LosslessImageRendering, item.lossless);
            painter.drawImage(target, item.picture);
            painter.restore();
            break;
        }
        case ItemKind::Line:
            painter.save();
            painter.setPen(QPen(item.penColor, item.penWidthMm * dotsPerMm, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.restore();
            break;
        case ItemKind::Rectangle:
            painter.save();
            if (item.fill.isValid())
                painter.fillRect(r, item.fill);
            painter.setPen(
                QPen(item.penColor, item.penWidthMm * dotsPerMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
            painter.restore();
            break;
        }
    }
}
