#include "app/core/Crypt.h"

#include "app/core/Ini.h"
#include "common/Cp1252.h"
#include "common/TextRoutines.h"

namespace Crypt
{

namespace
{
constexpr quint16 kStartKey = 7381;
constexpr quint16 kMultiplier = 35007;
constexpr quint16 kAddend = 50938;

quint16 nextKey(quint16 key, quint8 scrambled)
{
    return quint16((quint32(scrambled) + key) * kMultiplier + kAddend);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

QString EncryptToHex(const QString &plain)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(plain.size() * 2);
    quint16 key = kStartKey;
    const QByteArray bytes = Cp1252::encode(plain);
    for (const char ch : bytes) {
        const quint8 b = quint8(quint8(ch) ^ (key >> 8));
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 0x0F]);
        key = nextKey(key, b);
    }
    return out;
}

QString DecryptFromHex(const QString &hex)
{
    const qsizetype n = hex.size() / 2;
    QByteArray bytes;
    bytes.reserve(n);
    quint16 key = kStartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexValue(hex[2 * i]);
        const int lo = hexValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            throw ConversionError("'" + hex.mid(2 * i, 2).toStdString() + "' is not a valid hexadecimal value");
        const quint8 b = quint8(hi * 16 + lo);
        bytes += char(quint8(b ^ (key >> 8)));
        key = nextKey(key, b);
    }
    return Cp1252::decode(bytes);
}

bool canScramble(const QString &plain)
{
    return Cp1252::canEncode(plain);
}

} // namespace Crypt

namespace PasswordStore
{

QString read(const QString &settingsPath)
{
    const QString hex = IniFile(settingsPath).readString(QLatin1String(Section), QLatin1String(Key));
    return TrimText(DecryptFromHex(hex));
}

void write(const QString &settingsPath, const QString &password)
{
    IniFile(settingsPath).writeString(QLatin1String(Section), QLatin1String(Key), TrimText(EncryptToHex(password)));
}

} // namespace PasswordStore
