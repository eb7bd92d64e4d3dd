#pragma once

#include "common/report/ReportWindow.h"

#include <QStringList>

// The rich-text dog sheet: a small window with "Annulla" and "Esporta e
// stampa" opened by the dog editor with the caller mode "cani". The action
// asks whether to create the document, writes Scheda_Cane.rtf in the program
// folder from the editor's edits as they are on screen, offers to open it and
// closes the window. With another caller mode the action does nothing.
class TfrmCreaRTF : public ReportWindow
{
    Q_OBJECT
public:
    explicit TfrmCreaRTF(QWidget *owner = nullptr);

    // The trimmed texts of the editor's edits, in the sheet's field order.
    static QStringList values(const QWidget *editor);

    // The questions and the failure message of the export.
    static const QString kAskCreate;
    static const QString kAskOpen;
    static const QString kFailure;
};

// Writes the sheet of the dog shown in `editor`: No to the first question
// writes nothing (an earlier file stays as it was); a file that cannot be
// written throws (and leaves the earlier file as it was); once written, Yes to
// the second question opens it.
void WriteDogSheetRtf(const QWidget *editor, QWidget *parent);
