#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Text, date and number routines shared by every window and archive.
// Dates are "dd/mm/yyyy" and numbers use a decimal comma everywhere, whatever
// the system locale says.

// Removes leading and trailing characters whose code is 32 or less.
QString TrimText(QStringView text);
// The same trim as a view into the text (no copy).
QStringView TrimmedView(QStringView text);
// Upper/lower-casing of the ASCII letters a-z / A-Z only (à stays à).
QString AsciiUpper(QStringView text);
QString AsciiLower(QStringView text);
// True when the texts are equal, ASCII letters compared without case.
bool EqualsNoCase(QStringView a, QStringView b);
// True when needle occurs in haystack, ASCII letters compared without case.
bool ContainsNoCase(QStringView haystack, QStringView needle);

QString LeftText(const QString &text, quint16 n);
QString MidText(const QString &text, quint16 from, quint16 count);
QString RightText(const QString &text, quint16 n);
// Every character a digit 0-9; the empty text counts as numeric.
bool IsNumeric(QStringView text);

// "dd/mm/yyyy" (day and month of one or two digits, four-digit year).
std::optional<QDate> ParseDate(QStringView text);
bool IsValidDate(QStringView text);
QString FormatDate(const QDate &date);

// x rounded to n decimals: trunc(x * 10^n + 0.5) / 10^n in extended precision;
// a negative x is rounded as the mirror of its absolute value.
double RoundToDecimals(double x, int n);

// A number written with a decimal comma: blanks, an optional sign, digits
// with an optional comma and more digits (",5" reads 0,5, "3," reads 3 and a
// lone comma 0), an optional exponent ("E" or "e", optional sign, digits),
// blanks. Nothing when the text is no number or its value lies beyond the
// range of a double. The reading never depends on the C library's locale.
std::optional<double> ParseNumber(QStringView text);
// The same reading as the nearest extended-precision value (long double) to
// the decimal number; ParseNumber gives this value rounded to a double.
std::optional<long double> ParseNumberExtended(QStringView text);
// The shortest text of up to 15 significant digits, decimal comma, no grouping,
// exponent form ("1,5E20") only for very large or very small values.
QString FormatGeneral(double value);

// The money text of a field that is left: rounded to `decimals` decimals and
// written with at least two ("12,5" -> "12,50"). A text that is no number
// becomes "0,00"; so does an empty one unless emptyStaysEmpty.
QString AmountNormaliser(const QString &text, int decimals, bool emptyStaysEmpty = false);

// A character a box number may not hold, since the number becomes part of
// the planner's file names: those a file name refuses on the systems that
// share the program folder (" * / : < > ? \ |), the box editor's further
// refused characters (° Ç Ñ ç ñ) and control characters.
bool BoxNumberCharRefused(QChar c);

// The decimal text of a record position ("" for none) and back.
// ParsePosition fails (nothing) for text that is not a plain decimal number.
std::optional<qint64> ParsePosition(QStringView text);
