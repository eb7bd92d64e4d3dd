#pragma once

#include "common/RecordLayout.h"

#include <QString>

// One deadline or appointment of a year file <year>.sca: 23 text fields and
// two yes/no flags, 1448 bytes. Field names are the editor's control names
// without their prefix (txtGiorno -> "Giorno", lblData -> "Data",
// chkEffettuata -> "Effettuata").
namespace DeadlineRecord
{

enum Field : int {
    Giorno,
    Mese,
    Anno,
    Data,
    OreApp,
    MinutiApp,
    Ora,
    Avviso,
    Proprietario,
    CodFisc,
    Recapito,
    Nome,
    DataNasc,
    Razza,
    Mantello,
    Microchip,
    Segni,
    Persona,
    Dettagli,
    Officina,
    Costo,
    Contatto,
    Note,
    DaConfermare,
    Effettuata,
    FieldCount
};

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}

bool isFlag(int field);

// The year file of `year` (four ASCII digits, see YearFile::isYear).
QString path(QStringView year);

} // namespace DeadlineRecord
