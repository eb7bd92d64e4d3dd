#pragma once

#include "common/report/ReportWindow.h"

#include "common/Clock.h"

#include <QDateTime>
#include <QImage>

#include <memory>

class ReportTemplate;

// The printed dog sheet "Scheda Cane": a small window with "Annulla" and
// "Stampa" opened by the dog editor's print command. "Stampa" fills the sheet
// from the editor's edits and photo as they are on screen (saved or not) and
// prints it through the print dialog, then closes; a failure shows the print
// warning and closes the window.
class TfrmStampaCane : public ReportWindow
{
    Q_OBJECT
public:
    explicit TfrmStampaCane(QWidget *owner = nullptr);

    // The sheet with its design texts and no photo.
    static std::unique_ptr<ReportTemplate> makeTemplate();
    // The value memos of the sheet, in the order they are filled; each bears
    // the name of the dog editor's edit whose trimmed text it prints.
    static const QStringList &valueMemos();
    // The sheet filled from `editor` (nullptr: every value empty), with
    // `photo` and the footer of `now`.
    static std::unique_ptr<ReportTemplate> filled(
        const QWidget *editor, const QImage &photo, const QDateTime &now = Clock::now());
};
