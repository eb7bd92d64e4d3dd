#pragma once

#include "quotes/QuoteControls.h"
#include "quotes/core/QuoteRecord.h"
#include "quotes/core/QuoteSheet.h"

#include "common/ui/ControlText.h"
#include "quotes/Preventivi.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// A quote with all 30 rows and every header field filled, each text unique
// so that a test finds it in the document.
inline QuoteSheet fullQuote()
{
    using namespace QuoteRecord;
    QuoteSheet s;
    s.setText(NumFatt, u"12/2025");
    s.setText(Data, u"03/03/2025");
    s.setText(Ditta, u"Pensione La Cuccia Felice");
    s.setText(ViaDitta, u"Via dei Tigli 3");
    s.setText(CapDitta, u"06012");
    s.setText(CittaDitta, u"Citt\u00E0 di Castello");
    s.setText(ProvDitta, u"PG");
    s.setText(IvaDitta, u"01234567890");
    s.setText(CodFiscDitta, u"LCCFLC80A01C745Z");
    s.setText(Libero01, u"Tel. 075 000000");
    s.setText(Libero02, u"www.cucciafelice.example");
    s.setText(Cliente, u"Dell'Orto Bianchi Maria");
    s.setText(ViaCliente, u"Corso Garibaldi 21");
    s.setText(CapCliente, u"20121");
    s.setText(CittaCliente, u"Milano");
    s.setText(ProvCliente, u"MI");
    s.setText(IvaCliente, u"09876543210");
    s.setText(CodFiscCliente, u"DLLMRA75C41F205K");
    s.setText(Riferimenti, u"Vs. richiesta del 01/03");
    s.setText(Pagamento, u"Bonifico a 30 giorni");
    s.setText(Banca, u"Banca Popolare");
    s.setText(Iban, u"IT60X0542811101000000123456");
    s.setText(Veicolo, u"Briciola");
    s.setText(Marca, u"Bassotto");
    s.setText(Colore, u"Fulvo");
    s.setText(Immatricolazione, u"380260000123456");
    s.setText(Alimentazione, u"13/03/2025 09:00");
    s.setText(Targa, u"16/03/2025 18:00");
    for (int row = 1; row <= RowCount; ++row) {
        s.setText(rowField(Quant01, row), QString::number(row));
        s.setText(rowField(Codice01, row), QStringLiteral("C%1").arg(row, 2, 10, QLatin1Char('0')));
        s.setText(rowField(Desc01, row), QStringLiteral("Servizio [%1] <b>&").arg(row, 2, 10, QLatin1Char('0')));
        s.setText(rowField(Prezzo01, row), QStringLiteral("%1,50").arg(100 + row));
        s.setText(rowField(PercSconto01, row), QString::number(row % 7));
        s.setText(rowField(Importo01, row), QStringLiteral("%1,25").arg(1000 + row));
        s.setFlag(rowField(Es01, row), row % 5 == 0);
    }
    s.setText(TotImponibile, u"31465,00");
    s.setText(PercIva, u"22");
    s.setText(TotImposta, u"6922,30");
    s.setText(TotIva, u"38387,30");
    s.setText(TotEsente, u"6090,00");
    s.setText(TotFattura, u"44477,30");
    s.setText(Note, u"Grazie per la fiducia: \u00E8 stato un piacere.");
    s.setFlag(Saldata, true);
    return s;
}

// The quote editor showing `sheet` with blanks around every text, as a user
// may leave them.
inline QWidget *editorShowing(const QuoteSheet &sheet, QWidget *parent = nullptr)
{
    using namespace QuoteRecord;
    auto *editor = new TfrmPreventivi(parent);
    for (int field = 0; field < FieldCount; ++field) {
        const QString name = QuoteControls::name(field);
        if (isFlag(field))
            editor->findChild<QCheckBox *>(name)->setChecked(sheet.flag(field));
        else
            ControlText::setNamed(editor, name, QStringLiteral("  ") + sheet.text(field) + QStringLiteral(" "));
    }
    return editor;
}
