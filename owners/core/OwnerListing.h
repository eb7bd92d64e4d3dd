#pragma once

#include "common/SearchMatch.h"

#include <QString>

#include <vector>

// How owners are listed: the line of an owner in the owner search and in the
// call-back list, the fields the ten search filters look in, and the call-back
// condition. Works on the raw bytes of a record of Proprietari.pro.
namespace OwnerListing
{

// Name (26) + "  Tel. " + phone (15) + "  " + occupation (25) + "  Cani: " +
// current dogs (30) + "  " + the last field, trimmed and whole: Note in the
// search, Questioni in the call-back list. The fixed part is 115 characters.
QString line(const char *record, int lastField);
inline constexpr int kFixedChars = 115;
QString searchLine(const char *record); // last field Note
QString callBackLine(const char *record); // last field Questioni
// The same lines as shapes, which also write their sort keys (see SearchMatch::LineShape).
const SearchMatch::LineShape &searchShape();
const SearchMatch::LineShape &callBackShape();

// The fields of the ten filters, in filter order: Cliente, ComuneRes,
// PartitaIva, CodFisc, Documento, Occupazione, CaniOra, CaniPrima, Questioni, Note.
std::vector<FieldRef> filterFields();

// True when the record's call-back flag, trimmed, is exactly "Sì".
bool isCallBack(const char *record);

} // namespace OwnerListing
