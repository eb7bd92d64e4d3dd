#pragma once

#include "common/Clock.h"
#include "common/report/InfoSheet.h"

#include <QDateTime>

#include <memory>

class QWidget;
class ReportTemplate;

// The deadline card "Scheda informativa": one A4 portrait page with the
// deadline or appointment as the deadlines editor shows it at the moment of
// the command (saved or not), printed through the print dialog.
namespace DeadlineCard
{

// Reads the editor's controls by their names: the trimmed text of edits,
// selectors and labels (a missing control reads empty), "Sì"/"No" for the
// two check boxes. Rows 21-24 hold a single blank. The footer's date and time
// are those of `now`.
InfoSheet::Values values(const QWidget *editor, const QDateTime &now = Clock::now());

std::unique_ptr<ReportTemplate> makeTemplate();

// The editor's cmdStampa: fills the card and prints it through the print
// dialog; a cancel prints nothing. A failure shows an error box with its
// text and ends the command; the editor and the year file stay as they are.
void print(QWidget *editor);

} // namespace DeadlineCard
