#pragma once

#include "common/report/InfoSheet.h"

#include "common/Clock.h"
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
class ReportTemplate;

// The owner sheet "Scheda informativa": one A4 portrait page with the owner's
// data as shown in the owner editor, printed, previewed or saved as
// Proprietario.pdf in the program folder. The sheet is filled from the
// editor's controls at the moment of the command, saved or not.
namespace OwnerSheet
{

// What the sheet prints: the title, 24 rows of caption and value, the footer.
using Values = InfoSheet::Values;

// Reads the editor's controls by their names (txtCliente, txtDataNasc, ...):
// the trimmed text of edits and combo boxes; a missing control reads empty.
// Date and time of the footer are those of `now`.
Values values(const QWidget *editor, const QDateTime &now = Clock::now());

// The template: imgLogo, txtTitolo, linSepara01, titCampo01..24 and
// txtCampo01..24, linSepara02, txtCalce, with their design texts.
std::unique_ptr<ReportTemplate> makeTemplate();
// Sets every memo of the sheet: txtTitolo, then each row's caption and value,
// then txtCalce.
void fill(ReportTemplate &sheet, const Values &values);

// Program folder + "Proprietario.pdf".
QString pdfPath();
QString pdfQuestion();

// The editor's commands (cmdStampa, cmdAnteprima, cmdPDF), made with the
// shared sheet commands (common/report/ReportCommands.h). None lets a failure
// escape: a failure of the printer or of the file shows an error box and ends
// the command.
// Print through the print dialog; a cancel prints nothing and says nothing.
void print(QWidget *editor);
// The modal preview; returns when it is closed.
void preview(QWidget *editor);
// Writes Proprietario.pdf (an existing file is replaced without a question),
// checked, then asks whether to open it; Yes opens it with the desktop's PDF
// viewer.
void exportPdf(QWidget *editor);

} // namespace OwnerSheet
