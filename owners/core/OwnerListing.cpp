#include "owners/core/OwnerListing.h"

#include "owners/core/OwnerRecord.h"

namespace OwnerListing
{

namespace
{

SearchMatch::LineShape lineShape(int lastField)
{
    const auto field = [](int f) { return FieldRef::of(OwnerRecord::layout(), f); };
    return SearchMatch::LineShape({ { {}, field(OwnerRecord::Cliente), 26 },
        { QStringLiteral("  Tel. "), field(OwnerRecord::Recapito), 15 },
        { QStringLiteral("  "), field(OwnerRecord::Occupazione), 25 },
        { QStringLiteral("  Cani: "), field(OwnerRecord::CaniOra), 30 }, { QStringLiteral("  "), field(lastField) } });
}

} // namespace

QString line(const char *record, int lastField)
{
    return lineShape(lastField)(record);
}

const SearchMatch::LineShape &searchShape()
{
    static const SearchMatch::LineShape shape = lineShape(OwnerRecord::Note);
    return shape;
}

const SearchMatch::LineShape &callBackShape()
{
    static const SearchMatch::LineShape shape = lineShape(OwnerRecord::Questioni);
    return shape;
}

QString searchLine(const char *record)
{
    return searchShape()(record);
}

QString callBackLine(const char *record)
{
    return callBackShape()(record);
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
