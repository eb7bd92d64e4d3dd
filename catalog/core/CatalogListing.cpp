#include "catalog/core/CatalogListing.h"

#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"

namespace CatalogListing
{

namespace
{

bool flagged(const char *record, const RecordLayout &layout, int field)
{
    return RecordField::loadFlag(record + layout.offset(field)) == true;
}

} // namespace

const SearchMatch::LineShape &serviceShape()
{
    using namespace ServiceRecord;
    const auto field = [](int f) { return FieldRef::of(layout(), f); };
    static const SearchMatch::LineShape shape({ { QStringLiteral("Cod. "), field(Codice), 20 },
        { QStringLiteral("  "), field(Descrizione), 42 }, { QStringLiteral("  Tipo: "), field(Tipologia), 25 },
        { QStringLiteral("  Durata: "), field(Durata), 20 }, { QStringLiteral("  Prezzo: \u20AC "), field(Prezzo) } });
    return shape;
}

const SearchMatch::LineShape &boxShape()
{
    using namespace BoxRecord;
    const auto field = [](int f) { return FieldRef::of(layout(), f); };
    static const SearchMatch::LineShape shape({ { QStringLiteral("Box n. "), field(Box), 25 },
        { QStringLiteral("  Dim. "), field(Dimensioni), 25 }, { QStringLiteral("  Posti: "), field(Capacita), 20 },
        { QStringLiteral("  Tipo: "), field(Tipologia), 30 }, { QStringLiteral("  Prezzo: \u20AC "), field(Prezzo) } });
    return shape;
}

QString serviceLine(const char *record)
{
    return serviceShape()(record);
}

QString boxLine(const char *record)
{
    return boxShape()(record);
}

bool isServiceUnavailable(const char *record)
{
    return flagged(record, ServiceRecord::layout(), ServiceRecord::NonErogabile);
}

bool isBoxUnbookable(const char *record)
{
    return flagged(record, BoxRecord::layout(), BoxRecord::NonPrenotabile);
}

} // namespace CatalogListing
