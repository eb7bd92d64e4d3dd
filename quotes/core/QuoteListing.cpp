#include "quotes/core/QuoteListing.h"

#include "catalog/core/ServiceRecord.h"
#include "quotes/core/QuoteRecord.h"

namespace QuoteListing
{

QString line(const char *record)
{
    using namespace QuoteRecord;
    const RecordLayout &l = layout();
    auto field = [&](int f) { return FieldRef::of(l, f); };
    const FieldRef total = field(TotFattura);
    QString out;
    out.reserve(kFixedChars + total.trimmedLength(record));
    out += QLatin1String("Prev. n. ");
    // The number and the date share one column of 25.
    const qsizetype start = out.size();
    field(NumFatt).appendTo(out, record);
    out += QLatin1String(" del ");
    field(Data).appendTo(out, record);
    if (out.size() > start + 25)
        out.truncate(start + 25);
    else
        out.append(QString(start + 25 - out.size(), QLatin1Char(' ')));
    out += QLatin1String("  ");
    field(Cliente).appendTo(out, record, 35);
    out += QLatin1String("  P.I. ");
    field(IvaCliente).appendTo(out, record, 11);
    out += QLatin1String("  Rif. ");
    field(Riferimenti).appendTo(out, record, 35);
    out += QStringLiteral("  Tot. \u20AC ");
    total.appendTo(out, record);
    return out;
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
