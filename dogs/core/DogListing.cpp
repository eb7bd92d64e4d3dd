#include "dogs/core/DogListing.h"

#include "common/SearchMatch.h"
#include "dogs/core/DogRecord.h"

namespace DogListing
{

const SearchMatch::LineShape &searchShape()
{
    const auto field = [](int f) { return FieldRef::of(DogRecord::layout(), f); };
    static const SearchMatch::LineShape shape(
        { { {}, field(DogRecord::Nome), 30 }, { QStringLiteral("  Razza: "), field(DogRecord::Razza), 28 },
            { QStringLiteral("  Chip: "), field(DogRecord::Microchip), 20 },
            { QStringLiteral("  Prop. "), field(DogRecord::Proprietario), 30 },
            { QStringLiteral("  Tel. "), field(DogRecord::Recapito) } });
    return shape;
}

QString searchLine(const char *record)
{
    return searchShape()(record);
}

} // namespace DogListing
