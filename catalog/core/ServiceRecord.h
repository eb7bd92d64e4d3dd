#pragma once

#include "common/RecordLayout.h"

#include <QString>

// The service record of the price list, Listino_Prezzi.pro: ten texts, the
// "not available" flag and the three attachment slots, 2754 bytes. Field
// names are those of the editor's controls without their prefix
// (txtCodice -> "Codice", chkNonErogabile -> "NonErogabile").
namespace ServiceRecord
{

enum Field : int {
    Codice,
    Descrizione,
    Prezzo,
    Tipologia,
    Supplementi,
    Luogo,
    Durata,
    Vincoli,
    Responsabile,
    Note,
    NonErogabile,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    FieldCount
};

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}
inline QString fileName()
{
    return QStringLiteral("Listino_Prezzi.pro");
}
QString path();

} // namespace ServiceRecord
