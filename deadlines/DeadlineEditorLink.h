#pragma once

#include "common/ui/Delivery.h"

#include <QDate>
#include <QString>

class QWidget;

// What the deadlines' lists, summaries, search and card need of the deadlines
// editor (frmScadenzario), reached through its global name and its control
// names only: the open year file (lblFile), the start panel's calendar
// (calAppuntamenti) and the record controls with lblPosizione.
namespace DeadlineEditorLink
{

// The editor's start-up instance; nullptr when it does not exist.
QWidget *editor();
// The trimmed text of the editor's lblFile: the year file it has open (empty
// without an editor).
QString openFile();
// The date selected in the editor's calendar; invalid without one.
QDate calendarDate();

// The loading of a record into the editor: every field into the control
// DeadlineControls::name gives, then its position into lblPosizione.
// The summaries use the fixed route (mode ""), the search the route of its
// caller mode "Scadenzario".
const Delivery::Table &summaryDeliveries();
const Delivery::Table &searchDeliveries();

} // namespace DeadlineEditorLink
