#pragma once

#include "common/report/ReportWindow.h"

#include <QList>
#include <QString>

#include <memory>

class ReportTemplate;

// The record sheets of the price list and of the boxes, one design for both:
// a small window with "Annulla" and "Stampa"; "Stampa" fills the sheet from
// the edits of the editor's start-up instance (what it shows at that moment,
// saved or not) and prints it through the print dialog, then closes. A
// failure shows the print warning and closes the window.
class TCatalogSheet : public ReportWindow
{
    Q_OBJECT
public:
    // One row of the sheet: its caption and the editor edit whose trimmed
    // text it prints (the value memo bears the edit's name).
    struct Row {
        const char *caption;
        const char *control;
    };
    struct Twin {
        const char *objectName; // "frmStampaListino"
        const char *sheetName; // "Scheda Servizio"
        const char *title; // "SCHEDA SERVIZIO IN LISTINO PREZZI"
        const char *editor; // the editor's global name
        QList<Row> rows; // ten, top to bottom
    };

    TCatalogSheet(const Twin &twin, QWidget *owner = nullptr);

    // The sheet with its design texts.
    static std::unique_ptr<ReportTemplate> makeTemplate(const Twin &twin);
    // The sheet filled from `editor` (nullptr: every value empty), with the
    // footer of `now`.
    static std::unique_ptr<ReportTemplate> filled(const Twin &twin, const QWidget *editor, const QDateTime &now);
};
