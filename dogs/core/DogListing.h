#pragma once

#include "common/SearchMatch.h"

#include <QString>

// The dog search's list line: name, breed, chip, owner and phone, each column
// cut or padded to its width, the phone last and not padded.
namespace DogListing
{

// The width of the line without the phone.
inline constexpr int kFixedChars = 140;
QString searchLine(const char *record);
// The same line as a shape, which also writes its sort key (see SearchMatch::LineShape).
const SearchMatch::LineShape &searchShape();

} // namespace DogListing
