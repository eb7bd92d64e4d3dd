#pragma once

#include "common/RecordLayout.h"

#include <QString>

// The owner record of Proprietari.pro: 35 text fields and the call-back flag,
// 3702 bytes. The field names are those of the editor's controls without
// their prefix (txtCliente -> "Cliente", lblFile01 -> "File01").
namespace OwnerRecord
{

enum Field : int {
    Cliente,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    Sesso,
    Recapito,
    IndirizzoRes,
    ProvRes,
    ComuneRes,
    CapRes,
    Estremi,
    TelCasa,
    TelUff,
    TelCel,
    Fax,
    Email,
    CodFisc,
    Carta,
    ScadeCarta,
    PartitaIva,
    Iban,
    Documento,
    Occupazione,
    Civile,
    Titoli,
    CaniOra,
    CaniPrima,
    Questioni,
    Note,
    Ricontatta,
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
// The archive's file name in the program folder.
inline QString fileName()
{
    return QStringLiteral("Proprietari.pro");
}
QString path();

} // namespace OwnerRecord
