#pragma once

#include <QString>

#include <optional>

#include <stdexcept>

// The start number of the quotes: `[Numerazione Preventivi]` `Inizio` of
// Numerazione.ini in the program folder, one value for every year. A new
// quote gets the start number plus the number of quotes already in its year
// file. The numbering dialog is the only writer.
namespace QuoteNumbering
{

QString iniPath(); // <program folder>/Numerazione.ini
extern const QString kSection; // "Numerazione Preventivi"
extern const QString kKey; // "Inizio"

// A stored start number that is not a whole number.
class NotANumber : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The text as stored (empty when the file, section or key is missing).
// Throws IniError when the file cannot be read.
QString stored();
// Writes the text as given. Throws IniError; the file is then unchanged.
void store(const QString &text);

// What the numbering dialog makes of a text when the user leaves it: empty or
// not a number gives "1"; a number is rounded to a whole one and written
// without leading zeros ("00050" -> "50", "2,5" -> "3", "1E3" -> "1000").
QString normalise(const QString &text);

// A start number as stored: empty or blank is 1; otherwise an optional sign
// and decimal digits within 32 bits, blanks around allowed; nothing for
// anything else ("abc", "1,5", "$1F", "99999999999").
std::optional<qint64> parseStart(QStringView text);

// The start number for a new quote: 1 when nothing is stored; throws
// NotANumber when the stored text is not a whole number, IniError when the
// file cannot be read.
qint64 start();

} // namespace QuoteNumbering
