#pragma once

#include "common/report/ReportOutput.h"
#include "common/ui/CommandGuard.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class Report;

// The steps that every sheet command shares (the owner sheet's buttons, the
// print, preview and PDF windows, the deadline card): the report is built
// and filled at the moment of the command from the caller's controls, then
// printed, previewed or written as PDF, inside a command guard.
namespace ReportCommands
{

// Makes the filled report; it may throw (a missing object, a picture that
// cannot be read): the guard reports it.
using Build = std::function<std::unique_ptr<Report>()>;
// Opens a written file with the desktop's handler: the shell-open routine of
// the caller's layer (TMisc::Open), given the path in double quotes.
using OpenFile = std::function<void(const QString &target)>;

// The print windows' failure warning (LF CR LF CR between the sentences).
QString printFailureMessage();
// The preview windows' failure warning.
QString previewFailureMessage();
// The question after a PDF export (CR LF CR LF between the sentences).
QString pdfQuestion();
// The footer of the printed sheets: "Stampa eseguita in data dd/mm/yyyy alle
// ore HH:mm:ss". `now` is the caller's Clock::now(), so a test can fix it.
QString printStamp(const QDateTime &now);

// Builds the report and prints it through the print dialog; a cancel there
// prints nothing and says nothing. False when it failed (reported by `guard`).
bool print(QWidget *parent, const Build &build, const CommandGuard &guard = {});

// Builds the report and shows the modal preview; returns when it is closed.
// False when it failed (reported by `guard`).
bool preview(QWidget *parent, const Build &build, const CommandGuard &guard = {});

enum class PdfOutcome {
    Failed, // nothing asked; the failure was reported by the guard
    Kept, // written, and the user answered No
    Opened, // written, and the file was handed to `open`
};

// Builds the report and writes it to `path` (ReportOutput::writePdf: an
// existing file is replaced without a question, checked to the last byte,
// left as it was on failure). Only once the file is written and checked is
// pdfQuestion() asked; unless the answer is No, `open` gets the path in
// double quotes.
PdfOutcome exportPdf(QWidget *parent, const Build &build, const QString &path,
    const ReportOutput::PdfProperties &properties, const OpenFile &open, const CommandGuard &guard = {});

} // namespace ReportCommands
