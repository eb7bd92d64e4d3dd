#pragma once

#include <QImage>
#include <QSizeF>

// The kennel's small badge printed at the top left of the record sheets: a
// white paw print on a teal rounded square (the "badge" picture of Art), drawn
// for `sizeMm` at `dotsPerInch`.
QImage KennelLogo(const QSizeF &sizeMm, double dotsPerInch = 600.0);
