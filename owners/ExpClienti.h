#pragma once

#include "common/ui/ExportWindow.h"

// The export of the owners archive: the whole of Proprietari.pro in a grid,
// written on request to Proprietari.xls in the program folder. A new window
// for every use, owned by the owner editor and shown modally
// (WindowKit::openModalDialog<TfrmExpClienti>(owner)); the grid is filled
// once, when the window is shown.
class TfrmExpClienti : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *owner = nullptr);

    // The row table: the grid columns colNum ... colNote and what each exports.
    static const QList<Column> &columns();
    static QString fileName() { return QStringLiteral("Proprietari.xls"); }
    static QString sheetName() { return QStringLiteral("Riepilogo Proprietari"); }
};
