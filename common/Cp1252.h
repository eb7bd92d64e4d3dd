#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the 8-bit code page of every file the program keeps.
// A character with no equivalent is written as one '?' (also one outside
// the basic plane, which UTF-16 holds in two units). The five bytes that the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the
// control characters of the same value, so they survive a round trip.
namespace Cp1252
{
QByteArray encode(QStringView text);
QString decode(const char *bytes, qsizetype length);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}
// True when every character of the text has an equivalent in the code page.
bool canEncode(QStringView text);
// The byte for one character, or -1 when it has none.
int byteFor(char16_t ch);
} // namespace Cp1252
