#pragma once

#include "common/ui/ExportWindow.h"

// The export of the price list: every service of Listino_Prezzi.pro in a
// grid, written on request to Listino_Prezzi.xls in the program folder. A new
// window for every use, owned by the services editor and shown modally.
class TfrmExpListino : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpListino(QWidget *owner = nullptr);

    // The row table: the grid columns colNum ... colNonErogabile and what each exports.
    static const QList<Column> &columns();
    static QString fileName() { return QStringLiteral("Listino_Prezzi.xls"); }
    static QString sheetName() { return QStringLiteral("Listino Prezzi"); }
};
