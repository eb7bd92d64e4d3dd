#include "catalog/core/CatalogListing.h"

#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"

namespace CatalogListing
{

namespace
{

struct Column {
    const char *literal; // written before the field
    int field;
    int width; // -1: the trimmed text, whole
};

QString line(const char *record, const RecordLayout &layout, std::initializer_list<Column> columns, int fixedChars)
{
    QString out;
    const Column &last = *(columns.end() - 1);
    out.reserve(fixedChars + FieldRef::of(layout, last.field).trimmedLength(record));
    for (const Column &c : columns) {
        out += QString::fromUtf8(c.literal);
        FieldRef::of(layout, c.field).appendTo(out, record, c.width);
    }
    return out;
}

bool flagged(const char *record, const RecordLayout &layout, int field)
{
    return RecordField::loadFlag(record + layout.offset(field)) == true;
}

} // namespace

QString serviceLine(const char *record)
{
    using namespace ServiceRecord;
    return line(record, layout(),
        { { "Cod. ", Codice, 20 }, { "  ", Descrizione, 42 }, { "  Tipo: ", Tipologia, 25 },
            { "  Durata: ", Durata, 20 }, { "  Prezzo: € ", Prezzo, -1 } },
        kServiceFixedChars);
}

QString boxLine(const char *record)
{
    using namespace BoxRecord;
    return line(record, layout(),
        { { "Box n. ", Box, 25 }, { "  Dim. ", Dimensioni, 25 }, { "  Posti: ", Capacita, 20 },
            { "  Tipo: ", Tipologia, 30 }, { "  Prezzo: € ", Prezzo, -1 } },
        kBoxFixedChars);
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
