#include "owners/core/OwnerRecord.h"

#include "common/ProgramFolder.h"

namespace OwnerRecord
{

const RecordLayout &layout()
{
    static const RecordLayout owner {
        { "Cliente", 50 },
        { "DataNasc", 30 },
        { "ComuneNasc", 50 },
        { "ProvNasc", 2 },
        { "Sesso", 1 },
        { "Recapito", 50 },
        { "IndirizzoRes", 50 },
        { "ProvRes", 2 },
        { "ComuneRes", 50 },
        { "CapRes", 5 },
        { "Estremi", 250 },
        { "TelCasa", 30 },
        { "TelUff", 30 },
        { "TelCel", 30 },
        { "Fax", 30 },
        { "Email", 50 },
        { "CodFisc", 16 },
        { "Carta", 30 },
        { "ScadeCarta", 30 },
        { "PartitaIva", 11 },
        { "Iban", 27 },
        { "Documento", 120 },
        { "Occupazione", 50 },
        { "Civile", 50 },
        { "Titoli", 120 },
        { "CaniOra", 250 },
        { "CaniPrima", 250 },
        { "Questioni", 250 },
        { "Note", 250 },
        { "Ricontatta", 2 },
        { "File01", 250 },
        { "File02", 250 },
        { "File03", 250 },
        { "Desc01", 250 },
        { "Desc02", 250 },
        { "Desc03", 250 },
    };
    return owner;
}

QString path()
{
    return programFile(fileName());
}

} // namespace OwnerRecord
