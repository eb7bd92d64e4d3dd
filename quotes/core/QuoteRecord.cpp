#include "quotes/core/QuoteRecord.h"

#include "common/YearFile.h"

namespace QuoteRecord
{

namespace
{

RecordLayout makeLayout()
{
    return RecordLayout::Builder()
        .add({ { "NumFatt", 30 }, { "Data", 20 }, { "Ditta", 50 }, { "ViaDitta", 50 }, { "CapDitta", 12 },
            { "CittaDitta", 50 }, { "ProvDitta", 2 }, { "IvaDitta", 30 }, { "CodFiscDitta", 30 }, { "Libero01", 50 },
            { "Libero02", 50 }, { "Cliente", 50 }, { "ViaCliente", 50 }, { "CapCliente", 12 }, { "CittaCliente", 50 },
            { "ProvCliente", 2 }, { "IvaCliente", 30 }, { "CodFiscCliente", 30 }, { "Riferimenti", 50 },
            { "Pagamento", 50 }, { "Banca", 50 }, { "Iban", 50 }, { "Veicolo", 50 }, { "Marca", 50 }, { "Colore", 50 },
            { "Immatricolazione", 50 }, { "Alimentazione", 50 }, { "Targa", 50 } })
        .repeat(RowCount, { { "Quant", 6 } })
        .repeat(RowCount, { { "Codice", 20 } })
        .repeat(RowCount, { { "Desc", 55 } })
        .repeat(RowCount, { { "Prezzo", 10 } })
        .repeat(RowCount, { { "PercSconto", 6 } })
        .repeat(RowCount, { { "Importo", 10 } })
        .repeat(RowCount, { { "Es", 2 } })
        .add({ { "TotImponibile", 10 }, { "PercIva", 10 }, { "TotImposta", 10 }, { "TotIva", 10 }, { "TotEsente", 10 },
            { "TotFattura", 10 }, { "Note", 250 }, { "Saldata", 2 } })
        .build();
}

} // namespace

const RecordLayout &layout()
{
    static const RecordLayout quote = makeLayout();
    return quote;
}

bool isFlag(int field)
{
    return field == Saldata || (field >= Es01 && field < Es01 + RowCount);
}

QString path(QStringView year)
{
    return YearFile::path(year, u".pre");
}

} // namespace QuoteRecord
