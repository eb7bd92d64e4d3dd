#pragma once

#include <QString>

// The dog search's list line: name, breed, chip, owner and phone, each column
// cut or padded to its width, the phone last and not padded.
namespace DogListing
{

// The width of the line without the phone.
inline constexpr int kFixedChars = 140;
QString searchLine(const char *record);

} // namespace DogListing
