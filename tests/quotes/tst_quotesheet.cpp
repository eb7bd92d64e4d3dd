// The texts of the printed quote, drawn from what the editor shows.
#include "common/RecordLayout.h"
#include "common/TextRoutines.h"
#include "quotes/core/QuoteRecord.h"
#include "quotes/core/QuoteSheet.h"
#include "tests/support/FixtureData.h"

#include <QHash>
#include <QTest>

using namespace QuoteRecord;

namespace
{

int field(const QString &name)
{
    return layout().require(name);
}

QHash<QString, QString> memoTexts(const QuoteSheet &sheet)
{
    QHash<QString, QString> texts;
    for (const QuoteSheet::Memo &memo : sheet.memos())
        texts.insert(memo.name, memo.text);
    return texts;
}

// "Field=value" pairs into a sheet.
QuoteSheet sheetOf(const QStringList &values)
{
    QuoteSheet sheet;
    for (const QString &pair : values) {
        const qsizetype at = pair.indexOf(QLatin1Char('='));
        sheet.setText(field(pair.left(at)), pair.mid(at + 1));
    }
    return sheet;
}

} // namespace

class TestQuoteSheet : public QObject
{
    Q_OBJECT
private slots:
    void memosFollowTheFillTable_data();
    void memosFollowTheFillTable();
    void rowsKeepTheirSlotsColumnByColumn();
    void marksAreNeverPrinted();
    void fromRecordReadsTheStoredQuote();
};

void TestQuoteSheet::memosFollowTheFillTable_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("expected");

    QTest::newRow("number") << QStringList { "NumFatt=7/2025" } << "txtNumFatt"
                            << "Preventivo n. 7/2025";
    QTest::newRow("date, two blanks") << QStringList { "Data=01/02/2025" } << "txtData"
                                      << "Data emissione:  01/02/2025";
    QTest::newRow("company VAT and fiscal code")
        << QStringList { "IvaDitta=01234567890", "CodFiscDitta=RSSMRA80A01H501U" } << "txtIvaDitta"
        << "P.IVA: 01234567890  C.F. RSSMRA80A01H501U";
    QTest::newRow("company without VAT or fiscal code keeps both labels") << QStringList {} << "txtIvaDitta"
                                                                          << "P.IVA:   C.F. ";
    QTest::newRow("company town") << QStringList { "CapDitta=06012", "CittaDitta=Citt\u00E0 di Castello",
        "ProvDitta=PG" } << "txtCittaDitta"
                                  << "06012 Citt\u00E0 di Castello PG";
    QTest::newRow("customer fiscal code filled")
        << QStringList { "CodFiscCliente=BNCMRA70B41F205X" } << "txtCodFiscCliente"
        << "C.F. BNCMRA70B41F205X";
    QTest::newRow("customer fiscal code empty disappears") << QStringList {} << "txtCodFiscCliente"
                                                           << "";
    QTest::newRow("customer fiscal code of blanks disappears")
        << QStringList { "CodFiscCliente=   " } << "txtCodFiscCliente"
        << "";
    QTest::newRow("customer VAT filled") << QStringList { "IvaCliente=09876543210" } << "txtIvaCliente"
                                         << "P.IVA: 09876543210";
    QTest::newRow("customer VAT empty disappears") << QStringList {} << "txtIvaCliente"
                                                   << "";
    QTest::newRow("customer town") << QStringList { "CapCliente=20100", "CittaCliente=Milano", "ProvCliente=MI" }
                                   << "txtCittaCliente"
                                   << "20100 Milano MI";
    QTest::newRow("empty postcode starts with a blank")
        << QStringList { "CittaCliente=Milano", "ProvCliente=MI" } << "txtCittaCliente"
        << " Milano MI";
    QTest::newRow("empty town leaves two blanks")
        << QStringList { "CapCliente=20100", "ProvCliente=MI" } << "txtCittaCliente"
        << "20100  MI";
    QTest::newRow("empty province leaves a trailing blank")
        << QStringList { "CapCliente=20100", "CittaCliente=Milano" } << "txtCittaCliente"
        << "20100 Milano ";
    QTest::newRow("empty payment keeps its label") << QStringList {} << "txtPagamento"
                                                   << "Pagamento: ";
    QTest::newRow("bank") << QStringList { "Banca=Banca Etica" } << "txtBanca"
                          << "Banca d'appoggio: Banca Etica";
    QTest::newRow("IBAN") << QStringList { "Iban=IT60X0542811101000000123456" } << "txtIban"
                          << "IBAN: IT60X0542811101000000123456";
    QTest::newRow("notes print brackets and markup literally")
        << QStringList { "Note=[Totale] <b>&amp; & 100%" } << "txtNote"
        << "Note: [Totale] <b>&amp; & 100%";
    QTest::newRow("texts are trimmed of control characters and blanks")
        << QStringList { "Cliente= \t Rossi Mario \r\n" } << "txtCliente"
        << "Rossi Mario";
    QTest::newRow("a no-break space is no blank") << QStringList { "Cliente=\u00A0Rossi\u00A0" } << "txtCliente"
                                                  << "\u00A0Rossi\u00A0";
    QTest::newRow("references") << QStringList { "Riferimenti=Vs. richiesta" } << "txtRiferimenti"
                                << "Vs. richiesta";
    QTest::newRow("dog name") << QStringList { "Veicolo=Fido" } << "txtVeicolo"
                              << "Nome animale:  Fido";
    QTest::newRow("breed") << QStringList { "Marca=Bassotto" } << "txtMarca"
                           << "Razza:  Bassotto";
    QTest::newRow("coat") << QStringList { "Colore=Fulvo" } << "txtColore"
                          << "Colore mantello:  Fulvo";
    QTest::newRow("microchip") << QStringList { "Immatricolazione=380260000123456" } << "txtImmatricolazione"
                               << "Codice microchip:  380260000123456";
    QTest::newRow("arrival") << QStringList { "Alimentazione=13/01/2025 09:00" } << "txtAlimentazione"
                             << "Data e ora ingresso:  13/01/2025 09:00";
    QTest::newRow("departure, empty") << QStringList {} << "txtTarga"
                                      << "Data e ora uscita:  ";
    QTest::newRow("column caption") << QStringList {} << "titPercSconto"
                                    << "% Sc.";
    QTest::newRow("total caption") << QStringList {} << "titTotFattura"
                                   << "TOT. PREVENTIVO";
    QTest::newRow("VAT rate as shown") << QStringList { "PercIva=22" } << "txtPercIva"
                                       << "22";
    QTest::newRow("total as shown") << QStringList { "TotFattura=149,31" } << "txtTotFattura"
                                    << "149,31";
}

void TestQuoteSheet::memosFollowTheFillTable()
{
    QFETCH(QStringList, values);
    QFETCH(QString, memo);
    QFETCH(QString, expected);
    const QHash<QString, QString> texts = memoTexts(sheetOf(values));
    QVERIFY2(texts.contains(memo), qPrintable(memo));
    QCOMPARE(texts.value(memo), expected);
}

void TestQuoteSheet::rowsKeepTheirSlotsColumnByColumn()
{
    // Rows 1 and 5 only; row 1's amount disagrees with its quantity and price
    // and is printed all the same: nothing is recalculated.
    const QuoteSheet sheet = sheetOf({ "Quant01=2", "Codice01=A1", "Desc01=Pensione [box A1]", "Prezzo01=10,00",
        "PercSconto01=0", "Importo01=99,99", "Quant05=1", "Desc05=Toelettatura", "Importo05=35,0000" });
    const QList<QuoteSheet::Memo> memos = sheet.memos();

    QStringList rowNames;
    for (const QuoteSheet::Memo &memo : memos) {
        if (memo.name.size() > 2 && memo.name.at(memo.name.size() - 1).isDigit() && memo.name.startsWith(u"txt")
            && !memo.name.startsWith(u"txtLibero"))
            rowNames.append(memo.name);
    }
    QStringList expected;
    for (const Field column : { Quant01, Codice01, Desc01, Prezzo01, PercSconto01, Importo01 })
        for (int row = 1; row <= RowCount; ++row)
            expected.append(QuoteSheet::boxName(rowField(column, row)));
    QCOMPARE(rowNames, expected);

    const QHash<QString, QString> texts = memoTexts(sheet);
    QCOMPARE(texts.size(), memos.size()); // every box once
    QCOMPARE(texts.value("txtQuant01"), QStringLiteral("2"));
    QCOMPARE(texts.value("txtImporto01"), QStringLiteral("99,99"));
    QCOMPARE(texts.value("txtDesc01"), QStringLiteral("Pensione [box A1]"));
    for (int row = 2; row <= 4; ++row) {
        QCOMPARE(texts.value(QuoteSheet::boxName(rowField(Quant01, row))), QString());
        QCOMPARE(texts.value(QuoteSheet::boxName(rowField(Desc01, row))), QString());
    }
    QCOMPARE(texts.value("txtQuant05"), QStringLiteral("1"));
    QCOMPARE(texts.value("txtImporto05"), QStringLiteral("35,0000"));
}

void TestQuoteSheet::marksAreNeverPrinted()
{
    const QuoteSheet plain = sheetOf({ "Quant03=1", "Desc03=Visita", "Importo03=45,00" });
    QuoteSheet marked = plain;
    marked.setFlag(rowField(Es01, 3), true);
    marked.setFlag(Saldata, true);
    QVERIFY(marked.flag(Saldata));
    QCOMPARE(memoTexts(marked), memoTexts(plain));
}

void TestQuoteSheet::fromRecordReadsTheStoredQuote()
{
    const QByteArray file = FixtureData::bytes(FixtureData::file(QStringLiteral("quotes"), QStringLiteral("golden")));
    RecordBuffer record(layout());
    record.bytes() = file.left(size());
    const QuoteSheet sheet = QuoteSheet::fromRecord(record);

    int checked = 0;
    for (const FixtureData::Reading &reading : FixtureData::readings(QStringLiteral("quotes/golden.tsv"))) {
        if (reading.record != 0)
            continue;
        const int f = field(reading.field);
        if (isFlag(f))
            QCOMPARE(sheet.flag(f), reading.text == QStringLiteral("S\u00EC"));
        else
            QCOMPARE(sheet.text(f), TrimText(reading.text));
        ++checked;
    }
    QCOMPARE(checked, int(FieldCount));
    const QHash<QString, QString> texts = memoTexts(sheet);
    QCOMPARE(texts.value("txtCittaDitta"), QStringLiteral("06012 Citt\u00E0 di Castello PG"));
    QCOMPARE(texts.value("txtCittaCliente"), QStringLiteral(" Milano MI"));
    QCOMPARE(texts.value("txtCodFiscCliente"), QString());
    QCOMPARE(texts.value("txtTotFattura"), QStringLiteral("149,31"));
}

QTEST_GUILESS_MAIN(TestQuoteSheet)
#include "tst_quotesheet.moc"
