#pragma once

#include <QString>

#include <stdexcept>

// The scrambling of the stored password: each character's Windows-1252 byte
// is mixed with a running 16-bit key fed back from the scrambled byte, and
// written as two upper-case hexadecimal digits.
namespace Crypt
{

// A hexadecimal text that holds a pair which is no hexadecimal number.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A character with no Windows-1252 byte is scrambled as '?' (see canScramble).
QString EncryptToHex(const QString &plain);
// A trailing odd digit is ignored; either letter case is read. Throws
// ConversionError for a pair that is not hexadecimal.
QString DecryptFromHex(const QString &hex);
// True when every character survives EncryptToHex / DecryptFromHex, that is
// when Windows-1252 holds it.
bool canScramble(const QString &plain);

} // namespace Crypt

using Crypt::DecryptFromHex;
using Crypt::EncryptToHex;

// The stored password of the settings file unins000.dll (section Accesso, key
// Valore): the upper-cased, trimmed password scrambled by EncryptToHex. The
// file is read afresh on every call.
namespace PasswordStore
{

inline constexpr char FileName[] = "unins000.dll";
inline constexpr char Section[] = "Accesso";
inline constexpr char Key[] = "Valore";

// The unscrambled, trimmed password ("" for a missing file or key). Throws
// IniError for a file that cannot be read, Crypt::ConversionError for a value
// that is not hexadecimal.
QString read(const QString &settingsPath);
// Scrambles the password as given and writes it; the rest of the file stays.
// Throws IniError when the file cannot be written (the old value then stays).
void write(const QString &settingsPath, const QString &password);

} // namespace PasswordStore
