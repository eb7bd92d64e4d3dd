#pragma once

#include "common/ui/Layout.h"

// The quote editor in units: the panel centred in the window on its grey
// rectangle, the command groups along the top, the three header panels, the
// six row pages (one over the other, five rows each), the totals row, the
// hint bar, the notes and the "In sospeso" flag. The window makes its
// controls with their behaviour and applies this table over them.
namespace PreventiviLayout
{

// The panel, its rectangle and the hint bar: applied first, so that the
// hint sentences are fitted to the bar.
Layout::Table hintBarTable();
// Everything else.
Layout::Table table();

// The rectangles the tables make (the hint line empties over them).
QList<const char *> shapes();

} // namespace PreventiviLayout
