#pragma once

#include "common/SearchMatch.h"

#include <QString>

// How services and boxes are listed: the line of a record in the searches and
// in the lists of unavailable records, and the flag those lists test. Works on
// the raw bytes of a record of Listino_Prezzi.pro or Box_Cani.pro.
namespace CatalogListing
{

// "Cod. " + code (20) + "  " + description (42) + "  Tipo: " + type (25) +
// "  Durata: " + duration (20) + "  Prezzo: € " + price, trimmed and whole.
QString serviceLine(const char *record);
inline constexpr int kServiceFixedChars = 144;

// "Box n. " + number (25) + "  Dim. " + dimensions (25) + "  Posti: " +
// capacity (20) + "  Tipo: " + type (30) + "  Prezzo: € " + price, trimmed and whole.
QString boxLine(const char *record);
inline constexpr int kBoxFixedChars = 143;

// The same lines as shapes, which also write their sort keys (see SearchMatch::LineShape).
const SearchMatch::LineShape &serviceShape();
const SearchMatch::LineShape &boxShape();

// True when the flag, trimmed, is exactly "Sì".
bool isServiceUnavailable(const char *record);
bool isBoxUnbookable(const char *record);

} // namespace CatalogListing
