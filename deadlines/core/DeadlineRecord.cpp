#include "deadlines/core/DeadlineRecord.h"

#include "common/YearFile.h"

namespace DeadlineRecord
{

const RecordLayout &layout()
{
    static const RecordLayout deadline
        = RecordLayout::Builder()
              .add({ { "Giorno", 2 }, { "Mese", 10 }, { "Anno", 4 }, { "Data", 10 }, { "OreApp", 2 },
                  { "MinutiApp", 2 }, { "Ora", 5 }, { "Avviso", 3 }, { "Proprietario", 50 }, { "CodFisc", 16 },
                  { "Recapito", 50 }, { "Nome", 50 }, { "DataNasc", 50 }, { "Razza", 50 }, { "Mantello", 50 },
                  { "Microchip", 50 }, { "Segni", 250 }, { "Persona", 50 }, { "Dettagli", 250 }, { "Officina", 150 },
                  { "Costo", 15 }, { "Contatto", 50 }, { "Note", 250 }, { "DaConfermare", 2 }, { "Effettuata", 2 } })
              .build();
    return deadline;
}

bool isFlag(int field)
{
    return field == DaConfermare || field == Effettuata;
}

QString path(QStringView year)
{
    return YearFile::path(year, u".sca");
}

} // namespace DeadlineRecord
