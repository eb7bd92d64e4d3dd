#include "common/TextRoutines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

QStringView TrimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString TrimText(QStringView text)
{
    return TrimmedView(text).toString();
}

QString AsciiUpper(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    }
    return out;
}

QString AsciiLower(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    return out;
}

namespace
{
inline char16_t foldAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}
} // namespace

bool EqualsNoCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

bool ContainsNoCase(QStringView haystack, QStringView needle)
{
    const qsizetype n = needle.size();
    if (n == 0)
        return true;
    const qsizetype last = haystack.size() - n;
    const char16_t first = foldAscii(needle[0].unicode());
    for (qsizetype i = 0; i <= last; ++i) {
        if (foldAscii(haystack[i].unicode()) != first)
            continue;
        qsizetype j = 1;
        while (j < n && foldAscii(haystack[i + j].unicode()) == foldAscii(needle[j].unicode()))
            ++j;
        if (j == n)
            return true;
    }
    return false;
}

QString LeftText(const QString &text, quint16 n)
{
    return text.left(n);
}

QString MidText(const QString &text, quint16 from, quint16 count)
{
    if (from < 1)
        from = 1;
    if (from > text.size())
        return QString();
    return text.mid(from - 1, count);
}

QString RightText(const QString &text, quint16 n)
{
    return text.right(n);
}

bool IsNumeric(QStringView text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

std::optional<QDate> ParseDate(QStringView input)
{
    const QString text = TrimText(input);
    const auto parts = QStringView(text).split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    const auto digits = [](QStringView s, int minLen, int maxLen) {
        return s.size() >= minLen && s.size() <= maxLen && IsNumeric(s);
    };
    if (!digits(parts[0], 1, 2) || !digits(parts[1], 1, 2) || !digits(parts[2], 4, 4))
        return std::nullopt;
    const QDate date(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool IsValidDate(QStringView text)
{
    return ParseDate(text).has_value();
}

QString FormatDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

double RoundToDecimals(double x, int n)
{
    if (x < 0)
        return -RoundToDecimals(-x, n);
    double p = 1.0;
    for (int i = 0; i < n; ++i)
        p *= 10.0;
    long double y = static_cast<long double>(x) * static_cast<long double>(p) + 0.5L;
    y = std::trunc(y);
    return static_cast<double>(y / static_cast<long double>(p));
}

std::optional<long double> ParseNumberExtended(QStringView input)
{
    // Blanks around the number are allowed, nothing else.
    qsizetype i = 0;
    qsizetype end = input.size();
    while (i < end && input[i] == QLatin1Char(' '))
        ++i;
    while (end > i && input[end - 1] == QLatin1Char(' '))
        --end;
    const auto at = [&](qsizetype k) { return k < end ? input[k].unicode() : char16_t(0); };
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-')
        negative = input[i++] == QLatin1Char('-');
    // The digits go to the standard reader without sign, with a point and
    // with a digit on both sides of it, so that ",5", "3," and "," read too.
    std::string ascii;
    ascii.reserve(end - i + 4);
    const qsizetype intStart = i;
    while (isDigit(at(i)))
        ascii.push_back(char(input[i++].unicode()));
    bool comma = false;
    if (at(i) == u',') {
        comma = true;
        ++i;
        if (ascii.empty())
            ascii.push_back('0');
        ascii.push_back('.');
        const qsizetype fracStart = i;
        while (isDigit(at(i)))
            ascii.push_back(char(input[i++].unicode()));
        if (i == fracStart)
            ascii.push_back('0');
    }
    if (i == intStart && !comma)
        return std::nullopt;
    bool negativeExponent = false;
    if (at(i) == u'e' || at(i) == u'E') {
        ascii.push_back('e');
        ++i;
        if (at(i) == u'+' || at(i) == u'-') {
            negativeExponent = input[i] == QLatin1Char('-');
            ascii.push_back(char(input[i++].unicode()));
        }
        const qsizetype expStart = i;
        while (isDigit(at(i)))
            ascii.push_back(char(input[i++].unicode()));
        if (i == expStart)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    long double value = 0;
    const char *first = ascii.data();
    const char *last = first + ascii.size();
    const auto [stop, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (stop != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of the reader: a value too small for any number
        // reads 0, one too large is no number. The decimal magnitude tells
        // which: the position of the first significant digit plus the exponent.
        const std::string_view text(ascii);
        const size_t point = text.find('.');
        const size_t e = text.find('e');
        const std::string_view mantissa = text.substr(0, e);
        const size_t firstSignificant = mantissa.find_first_of("123456789");
        if (firstSignificant == std::string_view::npos) {
            value = 0;
        } else {
            const size_t pointAt = point == std::string_view::npos ? mantissa.size() : point;
            long long magnitude = firstSignificant < pointAt ? qint64(pointAt - firstSignificant)
                                                             : -qint64(firstSignificant - pointAt) + 1;
            long long exponent = 0;
            for (size_t k = e + 1; e != std::string_view::npos && k < text.size(); ++k) {
                if (text[k] >= '0' && text[k] <= '9')
                    exponent = std::min<long long>(exponent * 10 + (text[k] - '0'), 1000000000);
            }
            magnitude += negativeExponent ? -exponent : exponent;
            if (magnitude > 0)
                return std::nullopt;
            value = 0;
        }
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(static_cast<double>(value)))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> ParseNumber(QStringView input)
{
    const auto value = ParseNumberExtended(input);
    if (!value)
        return std::nullopt;
    return static_cast<double>(*value);
}

QString FormatGeneral(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN") : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value); // d.dddddddddddddde[+-]x
    QString mantissa;
    bool negative = false;
    const char *p = buf;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    QString digits;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits.append(QLatin1Char(*p));
    }
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    QString out;
    if (exponent >= 15 || exponent < -5) {
        out = digits.left(1);
        if (digits.size() > 1)
            out += QLatin1Char(',') + digits.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        out = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else {
        const int intDigits = exponent + 1;
        if (digits.size() <= intDigits) {
            out = digits + QString(intDigits - digits.size(), QLatin1Char('0'));
        } else {
            out = digits.left(intDigits) + QLatin1Char(',') + digits.mid(intDigits);
        }
    }
    return negative ? QLatin1Char('-') + out : out;
}

QString AmountNormaliser(const QString &text, int decimals, bool emptyStaysEmpty)
{
    const QString trimmed = TrimText(text);
    if (trimmed.isEmpty())
        return emptyStaysEmpty ? text : QStringLiteral("0,00");
    const auto number = ParseNumber(text);
    if (!number)
        return QStringLiteral("0,00");
    QString out = FormatGeneral(RoundToDecimals(*number, decimals));
    if (!out.contains(QLatin1Char(',')))
        out += QStringLiteral(",00");
    if (out == QLatin1String(","))
        out = QStringLiteral("0,00");
    if (out.startsWith(QLatin1Char(',')))
        out = QLatin1Char('0') + TrimText(out);
    if (out.endsWith(QLatin1Char(',')))
        out = TrimText(out) + QStringLiteral("00");
    const qsizetype comma = out.lastIndexOf(QLatin1Char(','));
    if (comma >= 0 && comma == out.size() - 2 && out.back().isDigit())
        out = TrimText(out) + QLatin1Char('0');
    return out;
}

std::optional<qint64> ParsePosition(QStringView input)
{
    const QString text = TrimText(input);
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qsizetype i = 0;
    if (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-'))
        i = 1;
    if (i == text.size() || !IsNumeric(QStringView(text).mid(i)))
        return std::nullopt;
    return text.toLongLong();
}

bool BoxNumberCharRefused(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u < 0xA0))
        return true;
    return std::u16string_view(u"\"*/:<>?\\|\u00B0\u00C7\u00D1\u00E7\u00F1").find(u) != std::u16string_view::npos;
}
