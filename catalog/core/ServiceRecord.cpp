#include "catalog/core/ServiceRecord.h"

#include "common/ProgramFolder.h"

namespace ServiceRecord
{

const RecordLayout &layout()
{
    static const RecordLayout service
        = RecordLayout::Builder()
              .add({ { "Codice", 20 }, { "Descrizione", 55 }, { "Prezzo", 10 }, { "Tipologia", 50 },
                  { "Supplementi", 250 }, { "Luogo", 50 }, { "Durata", 50 }, { "Vincoli", 250 },
                  { "Responsabile", 250 }, { "Note", 250 }, { "NonErogabile", 2 } })
              .repeat(3, { { "File", 250 } })
              .repeat(3, { { "Desc", 250 } })
              .build();
    return service;
}

QString path()
{
    return programFile(fileName());
}

} // namespace ServiceRecord
