#include "owners/core/OwnerListing.h"

#include "owners/core/OwnerRecord.h"

namespace OwnerListing
{

QString line(const char *record, int lastField)
{
    const RecordLayout &layout = OwnerRecord::layout();
    auto field = [&](int f) { return FieldRef::of(layout, f); };
    QString out;
    out.reserve(115 + field(lastField).trimmedLength(record));
    field(OwnerRecord::Cliente).appendTo(out, record, 26);
    out += QLatin1String("  Tel. ");
    field(OwnerRecord::Recapito).appendTo(out, record, 15);
    out += QLatin1String("  ");
    field(OwnerRecord::Occupazione).appendTo(out, record, 25);
    out += QLatin1String("  Cani: ");
    field(OwnerRecord::CaniOra).appendTo(out, record, 30);
    out += QLatin1String("  ");
    field(lastField).appendTo(out, record);
    return out;
}

QString searchLine(const char *record)
{
    return line(record, OwnerRecord::Note);
}

QString callBackLine(const char *record)
{
    return line(record, OwnerRecord::Questioni);
}

std::vector<FieldRef> filterFields()
{
    const RecordLayout &layout = OwnerRecord::layout();
    std::vector<FieldRef> fields;
    for (int f : { OwnerRecord::Cliente, OwnerRecord::ComuneRes, OwnerRecord::PartitaIva, OwnerRecord::CodFisc,
             OwnerRecord::Documento, OwnerRecord::Occupazione, OwnerRecord::CaniOra, OwnerRecord::CaniPrima,
             OwnerRecord::Questioni, OwnerRecord::Note })
        fields.push_back(FieldRef::of(layout, f));
    return fields;
}

bool isCallBack(const char *record)
{
    const RecordLayout &layout = OwnerRecord::layout();
    return RecordField::loadFlag(record + layout.offset(OwnerRecord::Ricontatta)) == true;
}

} // namespace OwnerListing
