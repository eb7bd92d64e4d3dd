#include "catalog/core/BoxRecord.h"

#include "common/ProgramFolder.h"

namespace BoxRecord
{

const RecordLayout &layout()
{
    static const RecordLayout box
        = RecordLayout::Builder()
              .add({ { "Box", 30 }, { "Dimensioni", 30 }, { "Capacita", 30 }, { "Prezzo", 15 }, { "Tipologia", 50 },
                  { "Taglia", 250 }, { "Descrizione", 250 }, { "Collocazione", 250 }, { "Accessori", 250 },
                  { "Note", 250 }, { "NonPrenotabile", 2 } })
              .repeat(3, { { "File", 250 } })
              .repeat(3, { { "Desc", 250 } })
              .build();
    return box;
}

QString path()
{
    return programFile(fileName());
}

} // namespace BoxRecord
