#pragma once

#include "common/ui/ExportWindow.h"

// The export of the quotes of the year open in the quote editor (its hidden
// lblFile): every quote in a grid, written on request to Preventivi.xls in
// the program folder. A new window for every use, owned by the quote editor
// and shown modally (WindowKit::openModalDialog<TfrmExpPreventivi>(owner));
// the grid is filled once, when the window is shown.
class TfrmExpPreventivi : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpPreventivi(QWidget *owner = nullptr);

    // The row table: the grid columns colNum ... colSaldata and what each exports.
    static const QList<Column> &columns();
    static QString fileName() { return QStringLiteral("Preventivi.xls"); }
    static QString sheetName() { return QStringLiteral("Riepilogo annuale preventivi"); }
};
