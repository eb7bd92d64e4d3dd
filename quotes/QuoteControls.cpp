#include "quotes/QuoteControls.h"

#include "quotes/core/QuoteRecord.h"

namespace QuoteControls
{

QString name(int field)
{
    using namespace QuoteRecord;
    const QString &name = layout().name(field);
    if (isFlag(field))
        return QStringLiteral("chk") + name;
    if (field >= Veicolo && field <= Targa)
        return QStringLiteral("mem") + name;
    return QStringLiteral("txt") + name;
}

} // namespace QuoteControls
