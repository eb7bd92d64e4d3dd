#pragma once

#include "common/ui/ExportWindow.h"

// The export of the boxes: every box of Box_Cani.pro in a grid, written on
// request to Box_Cani.xls in the program folder. A new window for every use,
// owned by the boxes editor and shown modally.
class TfrmExpBox : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpBox(QWidget *owner = nullptr);

    // The row table: the grid columns colNum ... colNonPrenotabile and what each exports.
    static const QList<Column> &columns();
    static QString fileName() { return QStringLiteral("Box_Cani.xls"); }
    static QString sheetName() { return QStringLiteral("Riepilogo Box Cani"); }
};
