#include "quotes/core/QuoteListing.h"

#include "catalog/core/ServiceRecord.h"
#include "quotes/core/QuoteRecord.h"

namespace QuoteListing
{

const SearchMatch::LineShape &lineShape()
{
    using namespace QuoteRecord;
    const auto field = [](int f) { return FieldRef::of(layout(), f); };
    // The number and the date share one column of 25.
    static const SearchMatch::LineShape shape(
        { { QStringLiteral("Prev. n. "), field(NumFatt), 25, QStringLiteral(" del "), field(Data) },
            { QStringLiteral("  "), field(Cliente), 35 }, { QStringLiteral("  P.I. "), field(IvaCliente), 11 },
            { QStringLiteral("  Rif. "), field(Riferimenti), 35 },
            { QStringLiteral("  Tot. \u20AC "), field(TotFattura) } });
    return shape;
}

QString line(const char *record)
{
    return lineShape()(record);
}

bool isPending(const char *record)
{
    return RecordField::loadFlag(record + QuoteRecord::layout().offset(QuoteRecord::Saldata)) == true;
}

bool isOfferedService(const char *record)
{
    return RecordField::loadFlag(record + ServiceRecord::layout().offset(ServiceRecord::NonErogabile)) == false;
}

} // namespace QuoteListing
