#include "dogs/core/DogListing.h"

#include "common/SearchMatch.h"
#include "dogs/core/DogRecord.h"

namespace DogListing
{

QString searchLine(const char *record)
{
    const RecordLayout &layout = DogRecord::layout();
    auto field = [&](int f) { return FieldRef::of(layout, f); };
    QString out;
    out.reserve(kFixedChars + field(DogRecord::Recapito).trimmedLength(record));
    field(DogRecord::Nome).appendTo(out, record, 30);
    out += QLatin1String("  Razza: ");
    field(DogRecord::Razza).appendTo(out, record, 28);
    out += QLatin1String("  Chip: ");
    field(DogRecord::Microchip).appendTo(out, record, 20);
    out += QLatin1String("  Prop. ");
    field(DogRecord::Proprietario).appendTo(out, record, 30);
    out += QLatin1String("  Tel. ");
    field(DogRecord::Recapito).appendTo(out, record);
    return out;
}

} // namespace DogListing
