#pragma once

#include "common/ui/ExportWindow.h"

class QWidget;

// The export of the year open in the deadlines editor: every record of the
// file its lblFile names, in file order and numbered 1..n, written on request
// to Scadenze_e_Appuntamenti.xls in the program folder. A new window for every
// use, owned by the editor and shown modally; the grid is filled once, when
// the window is shown.
class TfrmExpScadenzario : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *owner = nullptr);

    static QString fileName() { return QStringLiteral("Scadenze_e_Appuntamenti.xls"); }
    static QString sheetName() { return QStringLiteral("Scadenze e appuntamenti"); }

    // The editor's command cmdEsporta.
    static void open(QWidget *editor);
};
