#include "common/Cp1252.h"

namespace
{
// Code points of bytes 0x80..0x9F; 0 marks the undefined ones (mapped to themselves).
constexpr char16_t kHigh[32] = {
    0x20AC,
    0,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0,
    0x017D,
    0,
    0,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0,
    0x017E,
    0x0178,
};
} // namespace

namespace Cp1252
{

int byteFor(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    if (ch >= 0x80 && ch <= 0x9F)
        return kHigh[ch - 0x80] == 0 ? int(ch) : -1;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.resize(text.size());
    char *p = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the basic plane (an emoji) is two UTF-16 units
        // but one character: it becomes one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int b = byteFor(c.unicode());
        *p++ = char(b < 0 ? '?' : b);
    }
    out.truncate(p - out.data());
    return out;
}

QString decode(const char *bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar *p = out.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t ch = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            ch = kHigh[b - 0x80];
        p[i] = QChar(ch);
    }
    return out;
}

bool canEncode(QStringView text)
{
    for (QChar c : text) {
        if (byteFor(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace Cp1252
