#include "common/ui/CellText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>

namespace
{

// One line of left-to-right text: no control character, line or paragraph
// separator, right-to-left script or direction mark.
bool cuttable(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 32 || (u >= 0x7F && u < 0xA0))
            return false;
        if (u < 0x0590 || (u >= 0x2010 && u <= 0x2027) || (u >= 0x2030 && u <= 0x205F) || (u >= 0x20A0 && u <= 0x214F))
            continue;
        return false;
    }
    return true;
}

} // namespace

void CellTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cutToView(cell);
    const QWidget *widget = cell.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
}

void CellTextDelegate::cutToView(QStyleOptionViewItem &cell)
{
    constexpr qsizetype kBeyond = 8; // characters kept past the measured edge
    if (cell.text.size() < 32 || cell.rect.width() <= 0 || cell.features.testFlag(QStyleOptionViewItem::WrapText)
        || cell.direction != Qt::LeftToRight)
        return;
    int room = cell.rect.width();
    if (cell.textElideMode == Qt::ElideNone) {
        // Clipped by the view: what lies past the viewport's right edge is
        // never seen, as long as the text starts at the cell's left.
        const Qt::Alignment across = cell.displayAlignment & Qt::AlignHorizontal_Mask;
        const auto *view = qobject_cast<const QAbstractItemView *>(cell.widget);
        if (!view || (across != Qt::AlignLeft && across != Qt::AlignLeading))
            return;
        room = qMin(cell.rect.right(), view->viewport()->width()) - cell.rect.left() + 1;
        if (room <= 0)
            return;
    } else if (cell.textElideMode != Qt::ElideRight) {
        return;
    }
    const QFontMetrics &metrics = cell.fontMetrics;
    // Well past the edge: a quarter more than the room, the ellipsis twice and the widest character.
    const int edge = room * 5 / 4 + 2 * metrics.horizontalAdvance(QChar(0x2026)) + metrics.maxWidth();
    if (cell.text.size() * qMax(1, metrics.averageCharWidth()) <= edge)
        return; // about as long as what can be seen: nothing worth cutting
    qsizetype end = 0;
    int advance = 0;
    while (end < cell.text.size() && advance <= edge)
        advance += metrics.horizontalAdvance(cell.text.at(end++));
    end += kBeyond;
    if (end >= cell.text.size() || !cuttable(cell.text))
        return;
    cell.text.truncate(end);
}
