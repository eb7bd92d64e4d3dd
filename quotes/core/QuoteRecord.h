#pragma once

#include "common/RecordLayout.h"

#include <QString>

// One quote of a year file <year>.pre: 246 fields, 4926 bytes, no gaps. The
// header texts, the six extra dog data, then the 30 item rows stored column by
// column (30 quantities, 30 codes, ...), the totals, the notes and the
// "In sospeso" flag. Field names are the editor's control names without their
// prefix (txtNumFatt -> "NumFatt", memVeicolo -> "Veicolo", chkEs01 -> "Es01").
namespace QuoteRecord
{

constexpr int RowCount = 30;

enum Field : int {
    NumFatt,
    Data,
    Ditta,
    ViaDitta,
    CapDitta,
    CittaDitta,
    ProvDitta,
    IvaDitta,
    CodFiscDitta,
    Libero01,
    Libero02,
    Cliente,
    ViaCliente,
    CapCliente,
    CittaCliente,
    ProvCliente,
    IvaCliente,
    CodFiscCliente,
    Riferimenti,
    Pagamento,
    Banca,
    Iban,
    Veicolo,
    Marca,
    Colore,
    Immatricolazione,
    Alimentazione,
    Targa,
    // the first field of each column of the item rows; row n (1..30) of a
    // column is rowField(column, n)
    Quant01,
    Codice01 = Quant01 + RowCount,
    Desc01 = Codice01 + RowCount,
    Prezzo01 = Desc01 + RowCount,
    PercSconto01 = Prezzo01 + RowCount,
    Importo01 = PercSconto01 + RowCount,
    Es01 = Importo01 + RowCount,
    TotImponibile = Es01 + RowCount,
    PercIva,
    TotImposta,
    TotIva,
    TotEsente,
    TotFattura,
    Note,
    Saldata,
    FieldCount
};

// Field of row `row` (1..30) in the column that starts at `column`
// (Quant01, Codice01, ...).
constexpr int rowField(Field column, int row)
{
    return column + row - 1;
}

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}

// True for the two flags (the exempt rows and "In sospeso").
bool isFlag(int field);

// The year file of `year` (four ASCII digits, see YearFile::isYear).
QString path(QStringView year);

} // namespace QuoteRecord
