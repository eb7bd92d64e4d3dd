#pragma once

#include <QString>

// The quote editor's control behind each field of a quote record (its
// objectName): "txtNumFatt", "memVeicolo", "chkEs01". The quote search, the
// pending quotes, the service import and the extra dog data write into the
// editor through these names, and the printed quote reads it through them.
namespace QuoteControls
{
QString name(int field);
} // namespace QuoteControls
