#pragma once

#include <QStyledItemDelegate>

// The item views' cells drawn as every item view draws them, but a text that
// reaches far past what its cell shows is first cut a good way beyond the
// visible edge, so only the part that can be seen is laid out and drawn: a
// long cell of a grid (elided at its right edge) or a long line of a list
// that scrolls sideways (not elided, clipped by the view). The cell shows
// exactly what the whole text would show; a text whose visible part could
// depend on what follows (more than one line, right-to-left script, direction
// marks, control characters) is drawn whole.
class CellTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Cuts cell.text as the paint does (nothing when it must stay whole).
    static void cutToView(QStyleOptionViewItem &cell);
};
