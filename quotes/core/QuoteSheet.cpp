#include "quotes/core/QuoteSheet.h"

#include "common/RecordLayout.h"
#include "common/TextRoutines.h"

using namespace QuoteRecord;

namespace
{

bool validField(int field)
{
    return field >= 0 && field < FieldCount;
}

} // namespace

QuoteSheet QuoteSheet::fromRecord(const RecordBuffer &record)
{
    QuoteSheet sheet;
    for (int field = 0; field < FieldCount; ++field) {
        if (isFlag(field))
            sheet.setFlag(field, record.flag(field).value_or(false));
        else
            sheet.setText(field, record.text(field));
    }
    return sheet;
}

QString QuoteSheet::text(int field) const
{
    return validField(field) ? m_texts[size_t(field)] : QString();
}

void QuoteSheet::setText(int field, QStringView text)
{
    if (validField(field) && !isFlag(field))
        m_texts[size_t(field)] = TrimText(text);
}

bool QuoteSheet::flag(int field) const
{
    return validField(field) && m_flags[size_t(field)];
}

void QuoteSheet::setFlag(int field, bool yes)
{
    if (validField(field) && isFlag(field))
        m_flags[size_t(field)] = yes;
}

QString QuoteSheet::boxName(int field)
{
    return QStringLiteral("txt") + layout().name(field);
}

QList<QuoteSheet::Memo> QuoteSheet::memos() const
{
    const QLatin1Char blank(' ');
    auto t = [this](int field) { return text(field); };
    // A prefix that disappears with an empty value (the customer's VAT number
    // and fiscal code only).
    auto optional
        = [&](const QString &prefix, int field) { return t(field).isEmpty() ? QString() : prefix + t(field); };

    QList<Memo> memos = {
        { QStringLiteral("txtNumFatt"), QStringLiteral("Preventivo n. ") + t(NumFatt) },
        { QStringLiteral("txtData"), QStringLiteral("Data emissione:  ") + t(Data) },
        { QStringLiteral("txtDitta"), t(Ditta) },
        { QStringLiteral("txtViaDitta"), t(ViaDitta) },
        { QStringLiteral("txtCittaDitta"), t(CapDitta) + blank + t(CittaDitta) + blank + t(ProvDitta) },
        { QStringLiteral("txtIvaDitta"),
            QStringLiteral("P.IVA: ") + t(IvaDitta) + QStringLiteral("  C.F. ") + t(CodFiscDitta) },
        { QStringLiteral("txtLibero01"), t(Libero01) },
        { QStringLiteral("txtLibero02"), t(Libero02) },
        { QStringLiteral("txtCliente"), t(Cliente) },
        { QStringLiteral("txtViaCliente"), t(ViaCliente) },
        { QStringLiteral("txtCittaCliente"), t(CapCliente) + blank + t(CittaCliente) + blank + t(ProvCliente) },
        { QStringLiteral("txtCodFiscCliente"), optional(QStringLiteral("C.F. "), CodFiscCliente) },
        { QStringLiteral("txtIvaCliente"), optional(QStringLiteral("P.IVA: "), IvaCliente) },
        { QStringLiteral("txtRiferimenti"), t(Riferimenti) },
        { QStringLiteral("txtPagamento"), QStringLiteral("Pagamento: ") + t(Pagamento) },
        { QStringLiteral("txtBanca"), QStringLiteral("Banca d'appoggio: ") + t(Banca) },
        { QStringLiteral("txtIban"), QStringLiteral("IBAN: ") + t(Iban) },
        { QStringLiteral("txtNote"), QStringLiteral("Note: ") + t(Note) },
        { QStringLiteral("titQuant"), QStringLiteral("Quant.") },
        { QStringLiteral("titCodice"), QStringLiteral("Codice art.") },
        { QStringLiteral("titDesc"), QStringLiteral("Descrizione") },
        { QStringLiteral("titPrezzo"), QStringLiteral("Prezzo") },
        { QStringLiteral("titPercSconto"), QStringLiteral("% Sc.") },
        { QStringLiteral("titImporto"), QStringLiteral("Imp. tot.") },
    };
    // The rows keep their slots, column by column, each text as shown.
    for (const Field column : { Quant01, Codice01, Desc01, Prezzo01, PercSconto01, Importo01 }) {
        for (int row = 1; row <= RowCount; ++row) {
            const int field = rowField(column, row);
            memos.append({ boxName(field), t(field) });
        }
    }
    memos += QList<Memo> {
        { QStringLiteral("titTotImponibile"), QStringLiteral("TOT. IMPONIBILE") },
        { QStringLiteral("titPercIva"), QStringLiteral("% IVA") },
        { QStringLiteral("titTotImposta"), QStringLiteral("TOT. IMPOSTA") },
        { QStringLiteral("titTotIva"), QStringLiteral("TOT. IVA INCLUSA") },
        { QStringLiteral("titTotEsente"), QStringLiteral("TOT. ESENTE") },
        { QStringLiteral("titTotFattura"), QStringLiteral("TOT. PREVENTIVO") },
    };
    for (const Field total : { TotImponibile, PercIva, TotImposta, TotIva, TotEsente, TotFattura })
        memos.append({ boxName(total), t(total) });
    memos += QList<Memo> {
        { QStringLiteral("txtVeicolo"), QStringLiteral("Nome animale:  ") + t(Veicolo) },
        { QStringLiteral("txtMarca"), QStringLiteral("Razza:  ") + t(Marca) },
        { QStringLiteral("txtColore"), QStringLiteral("Colore mantello:  ") + t(Colore) },
        { QStringLiteral("txtImmatricolazione"), QStringLiteral("Codice microchip:  ") + t(Immatricolazione) },
        { QStringLiteral("txtAlimentazione"), QStringLiteral("Data e ora ingresso:  ") + t(Alimentazione) },
        { QStringLiteral("txtTarga"), QStringLiteral("Data e ora uscita:  ") + t(Targa) },
    };
    return memos;
}
