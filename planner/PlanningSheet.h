#pragma once

#include "common/report/ReportTemplate.h"

#include <QDateTime>
#include <memory>

class QWidget;
class TfrmPlanning;

// The sheet "Planning Annuale": one box's year on one A4 landscape page, a
// row of 31 cells per month marked "X" on the booked days, under the title
// with the year, over the box's four values and the print stamp.
namespace PlanningSheet
{

// The template as designed (every day cell reads "X").
std::unique_ptr<ReportTemplate> design();
// The cell of a day 0 .. 365: "txtGen_01" .. "txtDic_31".
QString cellName(int day);
// Fills title, box values, the 366 cells (from the booked tiles of the
// planner, saved or not) and the footer stamp of `now`.
void fill(ReportTemplate &sheet, const TfrmPlanning &planner, const QDateTime &now);
// The filled sheet of the planner as it is now.
std::unique_ptr<ReportTemplate> build(const TfrmPlanning &planner);
// The filled sheet of the planner that owns a print or preview window (the
// start-up planner when the owner is none); fails when there is no planner.
std::unique_ptr<ReportTemplate> buildForOwner(const QWidget *owner);

} // namespace PlanningSheet
