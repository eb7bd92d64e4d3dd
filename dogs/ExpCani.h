#pragma once

#include "common/ui/ExportWindow.h"

// The export of the dogs archive: the whole of Anagrafica_Cani.pro in a grid
// (the dog's identity, health booklet, owner and diet; neither the body
// measures nor the genealogy beyond the breeder), written on request to
// Cani.xls in the program folder. A new window for every use, owned by the dog
// editor and shown modally; the grid is filled once, when the window is shown.
class TfrmExpCani : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpCani(QWidget *owner = nullptr);

    // The row table: the grid columns colNum ... colNote and what each exports.
    static const QList<Column> &columns();
    static QString fileName() { return QStringLiteral("Cani.xls"); }
    static QString sheetName() { return QStringLiteral("Riepilogo Cani"); }
};
