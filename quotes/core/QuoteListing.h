#pragma once

#include "common/SearchMatch.h"

#include <QString>

// How quotes are listed: the line of a quote in the quote search and in the
// pending list, the fields the search filters look in, the pending condition,
// and the services a quote row may import from the price list. Works on the
// raw bytes of a record of a year file (<year>.pre) or of Listino_Prezzi.pro.
namespace QuoteListing
{

// "Prev. n. " + number " del " date (25) + "  " + customer (35) + "  P.I. " +
// VAT number (11) + "  Rif. " + reference (35) + "  Tot. € " + the total,
// trimmed and whole. The fixed part is 140 characters: the total starts at
// character 141.
QString line(const char *record);
inline constexpr int kFixedChars = 140;
// The same line as a shape, which also writes its sort key (see SearchMatch::LineShape).
const SearchMatch::LineShape &lineShape();

// True when the quote's "In sospeso" flag, trimmed, is exactly "Sì".
bool isPending(const char *record);

// True when a price-list service may go into a quote row: its "not
// available" flag, trimmed, is exactly "No" (an empty or damaged flag offers
// nothing).
bool isOfferedService(const char *record);

} // namespace QuoteListing
