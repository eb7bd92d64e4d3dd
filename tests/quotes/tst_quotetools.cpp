// The quote editor's tools: the quote search and its loader, the pending
// list, the export, the numbering dialog, the price-list import into a row
// and the extra dog data, each with the quote editor it writes into.
#include "app/dialogs/OpenURL.h"
#include "catalog/core/CatalogListing.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/RecordLayout.h"
#include "common/SearchMatch.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Numerazione.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteControls.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteNumbering.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

const QString kBefore = QStringLiteral("before");

// The quote editor as the start-up makes it, every control showing "before"
// (the check boxes ticked), registered as frmPreventivi, its lblFile on the
// year file 2026.pre.
struct Editor {
    TfrmPreventivi window;
    QLabel *position = nullptr;

    Editor()
    {
        for (int f = 0; f < QuoteRecord::FieldCount; ++f) {
            const QString name = QuoteControls::name(f);
            if (QuoteRecord::isFlag(f))
                window.findChild<QCheckBox *>(name)->setChecked(true);
            else
                ControlText::setNamed(&window, name, kBefore);
        }
        position = window.findChild<QLabel *>(QStringLiteral("lblPosizione"));
        position->setText(kBefore);
        ControlText::setNamed(&window, QStringLiteral("lblFile"),
            QStringLiteral("  ") + QuoteRecord::path(u"2026") + QStringLiteral(" "));
        WindowRegistry::set(WindowNames::frmPreventivi, &window);
    }
    ~Editor() { WindowRegistry::clear(); }

    QString text(const QString &name) const { return ControlText::named(&window, name); }
    QString text(int field) const { return text(QuoteControls::name(field)); }
    bool checked(int field) const { return window.findChild<QCheckBox *>(QuoteControls::name(field))->isChecked(); }
};

QString yearPath()
{
    return QuoteRecord::path(u"2026");
}

// A quote with its number, customer and pending flag ("" stores none).
QByteArray quote(const QString &number, const QString &saldata = QStringLiteral("S\u00EC"),
    const QString &customer = QStringLiteral("Rossi Mario"))
{
    RecordBuffer r(QuoteRecord::layout());
    r.setText(QuoteRecord::NumFatt, number);
    r.setText(QuoteRecord::Data, u"05/03/2026");
    r.setText(QuoteRecord::Cliente, customer);
    r.setText(QuoteRecord::TotFattura, u"100,00");
    if (!saldata.isEmpty())
        r.setText(QuoteRecord::Saldata, saldata);
    return r.bytes();
}

void writeQuotes(const QList<QByteArray> &records)
{
    ArchiveFile archive(yearPath(), QuoteRecord::size());
    for (const QByteArray &r : records)
        archive.append(r);
}

// A quote with every text field holding its own text and the flags set
// (exempt rows "Sì" on odd rows, "No" on even ones, pending "No").
QByteArray fullQuote()
{
    RecordBuffer r(QuoteRecord::layout());
    for (int f = 0; f < QuoteRecord::FieldCount; ++f) {
        if (QuoteRecord::isFlag(f))
            continue;
        const int cap = QuoteRecord::layout().capacity(f);
        r.setText(f, (QStringLiteral("v%1 ").arg(f) + QuoteControls::name(f)).left(cap));
    }
    for (int row = 1; row <= QuoteRecord::RowCount; ++row)
        r.setFlag(QuoteRecord::rowField(QuoteRecord::Es01, row), row % 2 == 1);
    r.setFlag(QuoteRecord::Saldata, false);
    return r.bytes();
}

QString stored(const QByteArray &record, int field)
{
    RecordBuffer r(QuoteRecord::layout());
    r.bytes() = record;
    return r.text(field);
}

QByteArray service(const QString &code, const QString &description, const QString &price, const QString &flag)
{
    RecordBuffer r(ServiceRecord::layout());
    r.setText(ServiceRecord::Codice, code);
    r.setText(ServiceRecord::Descrizione, description);
    r.setText(ServiceRecord::Prezzo, price);
    r.setText(ServiceRecord::Tipologia, u"Toelettatura");
    r.setText(ServiceRecord::Durata, u"1 ora");
    if (!flag.isEmpty())
        r.setText(ServiceRecord::NonErogabile, flag);
    return r.bytes();
}

QStringList numbers(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines)
        out << l.mid(9).section(QLatin1Char(' '), 0, 0);
    return out;
}

void search(TfrmTrovaPreventivi &w)
{
    w.lblMemory->setText(QStringLiteral("preventivi"));
    w.show();
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
}

// The table cells of an exported file, row by row (title row first).
QList<QByteArrayList> rows(const QByteArray &file)
{
    QList<QByteArrayList> out;
    const QByteArray body = file.mid(file.indexOf("<table"));
    for (const QByteArray &tr : body.split('<')) {
        if (tr == "tr>")
            out.append(QByteArrayList());
        else if (tr.startsWith("td") && !out.isEmpty())
            out.last().append(tr);
    }
    return out;
}

QByteArray cellText(const QByteArray &td)
{
    return td.mid(td.indexOf('>') + 1);
}

} // namespace

class TestQuoteTools : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }

    void searchListsInTextOrderWithTheCount();
    void eachFilterLooksInItsField_data();
    void eachFilterLooksInItsField();
    void missingYearFileCreatedEmptyAndListsNothing();
    void damagedYearFileKeepsTheFilterPage();
    void doubleClickLoadsEveryFieldAndThePosition();
    void equalLinesLoadTheirOwnRecord();
    void otherModeLoadsNothing();
    void loadFromUnreadableYearFileIsReported_data();
    void loadFromUnreadableYearFileIsReported();
    void pendingListInFileOrderOnlySi();
    void emptyYearExportsTitleAndTenEmptyRows();
    void threeQuotesExportInFileOrderWithRightAlignedTotals();
    void libreOfficeReadsThreeQuotesBack();
    void numberingWithoutSettingsShowsOneAndApplyCreates();
    void numberingNormalisesOnLeaving_data();
    void numberingNormalisesOnLeaving();
    void numberingApplyWritesTheNormalisedNumberWithoutLeaving();
    void numberingAnnullaLeavesTheFileByteIdentical();
    void numberingKeyFilter();
    void numberingOtherModeWritesNothing();
    void numberingFailedWriteKeepsTheDialogOpen();
    void importOffersOnlyServicesFlaggedNo();
    void importChangesOnlyItsRowAndEmptiesTheTotals();
    void importWithUnknownRowKeyWritesNothing();
    void extraDogDataPreloadedAndAppliedTrimmed();
    void extraDogDataAnnullaAndOtherModeWriteNothing();
    void extraDogDataTypingLimitAndEnterCycle();
};

void TestQuoteTools::searchListsInTextOrderWithTheCount()
{
    TempProgramFolder folder;
    Editor editor;
    writeQuotes({ quote("1"), quote("2"), quote("10"), quote("11") });
    TfrmTrovaPreventivi w;
    search(w);
    QCOMPARE(numbers(w.listedLines()), (QStringList { "1", "10", "11", "2" }));
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente elenco contiene 4 schede."));
    QCOMPARE(w.listedLines().first().mid(140), QStringLiteral("100,00"));
    QVERIFY(w.panContainer->isVisible());
    QVERIFY(!w.panAvvio->isVisible());
}

void TestQuoteTools::eachFilterLooksInItsField_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("field");
    using namespace QuoteRecord;
    const QList<QPair<const char *, int>> filters
        = { { "txtNumFatt", NumFatt }, { "txtData", Data }, { "txtCliente", Cliente }, { "txtViaCliente", ViaCliente },
              { "txtCittaCliente", CittaCliente }, { "txtPagamento", Pagamento }, { "txtIvaCliente", IvaCliente },
              { "txtCodFiscCliente", CodFiscCliente }, { "txtRiferimenti", Riferimenti }, { "txtNote", Note } };
    for (const auto &[name, field] : filters)
        QTest::newRow(name) << QString::fromLatin1(name) << field;
}

void TestQuoteTools::eachFilterLooksInItsField()
{
    QFETCH(QString, filter);
    QFETCH(int, field);
    TempProgramFolder folder;
    Editor editor;
    // Quote 2 holds the sought text in the field, quote 3 in every other field.
    RecordBuffer hit(QuoteRecord::layout());
    hit.bytes() = quote("2");
    hit.setText(field, u"zeta KEY zeta");
    RecordBuffer miss(QuoteRecord::layout());
    miss.bytes() = quote("3");
    using namespace QuoteRecord;
    for (int f : std::initializer_list<int> { NumFatt, Data, Cliente, ViaCliente, CittaCliente, Pagamento, IvaCliente,
             CodFiscCliente, Riferimenti, Note, Banca, Ditta }) {
        if (f != field)
            miss.setText(f, u"key");
    }
    writeQuotes({ quote("1"), hit.bytes(), miss.bytes() });
    TfrmTrovaPreventivi w;
    w.findChild<QLineEdit *>(filter)->setText(QStringLiteral("key"));
    search(w);
    QCOMPARE(w.lblConta->text(), QStringLiteral("1"));
    QCOMPARE(w.listedLines().size(), 1);
    QCOMPARE(w.lstRecords->record(0), qint64(1));
}

void TestQuoteTools::missingYearFileCreatedEmptyAndListsNothing()
{
    TempProgramFolder folder;
    Editor editor;
    MessageRecorder boxes;
    TfrmTrovaPreventivi w;
    search(w);
    QVERIFY(QFileInfo::exists(yearPath()));
    QCOMPARE(QFileInfo(yearPath()).size(), 0);
    QCOMPARE(w.lstRecords->count(), 0);
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente elenco contiene 0 schede."));
    w.txtTrova->setText(QStringLiteral("Rossi"));
    QTest::mouseClick(w.btnTrova, Qt::LeftButton);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Plain);
    QCOMPARE(boxes.lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestQuoteTools::damagedYearFileKeepsTheFilterPage()
{
    TempProgramFolder folder;
    Editor editor;
    QVERIFY(QDir().mkpath(yearPath())); // a folder where the year file should be
    MessageRecorder boxes;
    TfrmTrovaPreventivi w;
    search(w);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Plain);
    QVERIFY(
        boxes.lastText().startsWith(QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
    QVERIFY(w.panAvvio->isVisible());
}

void TestQuoteTools::doubleClickLoadsEveryFieldAndThePosition()
{
    TempProgramFolder folder;
    Editor editor;
    const QByteArray full = fullQuote();
    writeQuotes({ quote("1"), quote("2"), full });
    TfrmTrovaPreventivi w;
    search(w);
    const int row = int(w.listedLines().indexOf(QRegularExpression("Prev\\. n\\. v0 .*")));
    QVERIFY2(row >= 0, qPrintable(w.listedLines().join('\n')));
    w.lstRecords->setCurrentRow(row);
    w.pickCommand();
    QVERIFY(!w.isVisible());

    for (int f = 0; f < QuoteRecord::FieldCount; ++f) {
        if (QuoteRecord::isFlag(f))
            continue;
        QVERIFY2(editor.text(f) == stored(full, f), qPrintable(QuoteControls::name(f)));
    }
    for (int r = 1; r <= QuoteRecord::RowCount; ++r)
        QCOMPARE(editor.checked(QuoteRecord::rowField(QuoteRecord::Es01, r)), r % 2 == 1);
    QVERIFY(!editor.checked(QuoteRecord::Saldata));
    QCOMPARE(editor.position->text(), QStringLiteral("3"));
    QCOMPARE(QFileInfo(yearPath()).size(), 3 * QuoteRecord::size()); // the search never writes
}

void TestQuoteTools::equalLinesLoadTheirOwnRecord()
{
    TempProgramFolder folder;
    Editor editor;
    // Two quotes with equal lines, told apart only by a field not in the line.
    RecordBuffer a(QuoteRecord::layout());
    a.bytes() = quote("5");
    a.setText(QuoteRecord::Note, u"first");
    RecordBuffer b(QuoteRecord::layout());
    b.bytes() = quote("5");
    b.setText(QuoteRecord::Note, u"second");
    writeQuotes({ a.bytes(), b.bytes() });
    for (int pick = 0; pick < 2; ++pick) {
        TfrmTrovaPreventivi w;
        search(w);
        QCOMPARE(w.listedLines().size(), 2);
        QCOMPARE(w.listedLines().at(0), w.listedLines().at(1));
        w.lstRecords->setCurrentRow(pick);
        const qint64 record = w.lstRecords->record(pick);
        w.pickCommand();
        QCOMPARE(editor.position->text(), QString::number(record + 1));
        QCOMPARE(editor.text(QuoteRecord::Note), record == 0 ? QStringLiteral("first") : QStringLiteral("second"));
    }
}

void TestQuoteTools::otherModeLoadsNothing()
{
    TempProgramFolder folder;
    Editor editor;
    writeQuotes({ quote("1") });
    TfrmTrovaPreventivi w;
    search(w);
    w.lblMemory->setText(QStringLiteral("Preventivi"));
    w.lstRecords->setCurrentRow(0);
    w.pickCommand();
    QVERIFY(!w.isVisible());
    QCOMPARE(editor.text(QuoteRecord::NumFatt), kBefore);
    QCOMPARE(editor.position->text(), kBefore);
}

void TestQuoteTools::loadFromUnreadableYearFileIsReported_data()
{
    QTest::addColumn<bool>("pendingList"); // else the search
    QTest::addColumn<bool>("folder"); // a folder in the file's place, else the file cut short
    QTest::newRow("search, file cut short") << false << false;
    QTest::newRow("search, folder in its place") << false << true;
    QTest::newRow("pending list, file cut short") << true << false;
    QTest::newRow("pending list, folder in its place") << true << true;
}

void TestQuoteTools::loadFromUnreadableYearFileIsReported()
{
    QFETCH(bool, pendingList);
    QFETCH(bool, folder);
    TempProgramFolder programFolder;
    Editor editor;
    writeQuotes({ quote("1"), quote("2") });
    std::unique_ptr<ListWindow> w;
    if (pendingList) {
        w = std::make_unique<TfrmSospesi>();
        w->show();
    } else {
        auto finder = std::make_unique<TfrmTrovaPreventivi>();
        search(*finder);
        w = std::move(finder);
    }
    QCOMPARE(w->listedLines().size(), 2);
    // The year file becomes unreadable after the listing: quote 2 loses its
    // second half, or the file gives way to a folder.
    if (folder) {
        QVERIFY(QFile::remove(yearPath()));
        QVERIFY(QDir().mkpath(yearPath()));
    } else {
        QFile file(yearPath());
        QVERIFY(file.resize(QuoteRecord::size() + QuoteRecord::size() / 2));
    }
    MessageRecorder boxes;
    w->lstRecords->setCurrentRow(1); // quote 2
    QCOMPARE(w->lstRecords->record(1), qint64(1));
    w->pickCommand();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Plain);
    QCOMPARE(boxes.lastText(),
        QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                       "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                       "programma."));
    QVERIFY(!w->isVisible());
    QCOMPARE(editor.text(QuoteRecord::NumFatt), kBefore);
    QCOMPARE(editor.text(QuoteRecord::Cliente), kBefore);
    QCOMPARE(editor.position->text(), kBefore);
}

void TestQuoteTools::pendingListInFileOrderOnlySi()
{
    TempProgramFolder folder;
    Editor editor;
    writeQuotes(
        { quote("1"), quote("12", "No"), quote("2"), quote("13", ""), quote("10"), quote("14", "XX"), quote("11") });
    TfrmSospesi w;
    w.show();
    QCOMPARE(numbers(w.listedLines()), (QStringList { "1", "2", "10", "11" }));
    w.lstRecords->setCurrentRow(2); // quote 10, the fifth record
    w.pickCommand();
    QVERIFY(!w.isVisible());
    QCOMPARE(editor.text(QuoteRecord::NumFatt), QStringLiteral("10"));
    QCOMPARE(editor.position->text(), QStringLiteral("5"));
}

void TestQuoteTools::emptyYearExportsTitleAndTenEmptyRows()
{
    TempProgramFolder folder;
    Editor editor;
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    TfrmExpPreventivi w;
    w.show();
    QVERIFY(QFileInfo::exists(yearPath())); // created empty
    QCOMPARE(w.grid().rows(), 10);
    QCOMPARE(w.grid().columns(), 26);
    QTest::mouseClick(w.cmdEsporta, Qt::LeftButton);
    const QByteArray file = readFile(folder.file("Preventivi.xls"));
    QVERIFY(!file.contains('\r') && !file.contains('\n'));
    QVERIFY(file.contains("<x:Name>Riepilogo annuale preventivi</x:Name>"));
    const QList<QByteArrayList> table = rows(file);
    QCOMPARE(table.size(), 11);
    QCOMPARE(table[0].size(), 25);
    QCOMPARE(cellText(table[0][6]), QByteArray("Cognome e nome Cliente"));
    QVERIFY(table[0][8].contains("width=70"));
    QCOMPARE(cellText(table[0][3]), QByteArray("Citt\xE0"));
    for (int r = 1; r < 11; ++r) {
        QCOMPARE(table[r].size(), 25);
        for (const QByteArray &td : table[r])
            QVERIFY(cellText(td).isEmpty());
    }
}

void TestQuoteTools::threeQuotesExportInFileOrderWithRightAlignedTotals()
{
    TempProgramFolder folder;
    Editor editor;
    RecordBuffer first(QuoteRecord::layout());
    first.bytes() = quote("3");
    first.setText(QuoteRecord::PercIva, u"22");
    first.setText(QuoteRecord::CapCliente, u"00184");
    writeQuotes({ first.bytes(), quote("1", "No"), quote("2") });
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    TfrmExpPreventivi w;
    w.show();
    QCOMPARE(w.grid().rows(), 3);
    QCOMPARE(w.grid().text(0, 0), QStringLiteral("1"));
    QCOMPARE(w.grid().text(2, 0), QStringLiteral("3"));
    QTest::mouseClick(w.cmdEsporta, Qt::LeftButton);
    const QList<QByteArrayList> table = rows(readFile(folder.file("Preventivi.xls")));
    QCOMPARE(table.size(), 4);
    QCOMPARE(cellText(table[1][0]), QByteArray("3"));
    QCOMPARE(cellText(table[2][0]), QByteArray("1"));
    QCOMPARE(cellText(table[3][0]), QByteArray("2"));
    QCOMPARE(cellText(table[1][24]), QByteArray("S\xEC"));
    QCOMPARE(cellText(table[2][24]), QByteArray("No"));
    QCOMPARE(cellText(table[1][18]), QByteArray("22"));
    QCOMPARE(cellText(table[1][8]), QByteArray("00184"));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 25; ++c) {
            const bool right = r > 0 && c >= 17 && c <= 22; // columns 18 to 23
            QVERIFY2(table[r][c].contains("text-align: right;") == right, qPrintable(QString("%1,%2").arg(r).arg(c)));
        }
    }
}

void TestQuoteTools::libreOfficeReadsThreeQuotesBack()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice is not installed");
    TempProgramFolder folder;
    Editor editor;
    writeQuotes({ quote("1"), quote("2", "No", QStringLiteral("Bianchi & <Figli>")), quote("3") });
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    TfrmExpPreventivi w;
    w.show();
    QTest::mouseClick(w.cmdEsporta, Qt::LeftButton);
    QProcess office;
    office.start(soffice,
        { "-env:UserInstallation=file://" + folder.path() + "lo-profile", "--headless", "--infilter=calc_HTML_WebQuery",
            "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", folder.path() + "csv",
            folder.file("Preventivi.xls") });
    QVERIFY(office.waitForFinished(120000));
    const QStringList lines = QString::fromUtf8(readFile(folder.file("csv/Preventivi.csv")))
                                  .split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith(QString::fromUtf8("Preventivo n.,Data emissione,Ditta emittente,Città,")));
    QVERIFY(lines[1].startsWith(u"1,05/03/2026,"));
    QVERIFY(lines[2].contains(u"Bianchi & <Figli>"));
    QVERIFY(lines[2].endsWith(u",No"));
    QVERIFY(lines[3].endsWith(QString::fromUtf8(",Sì")));
}

void TestQuoteTools::numberingWithoutSettingsShowsOneAndApplyCreates()
{
    TempProgramFolder folder;
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    d.show();
    QCOMPARE(d.txtInizio->text(), QStringLiteral("1"));
    QTest::mouseClick(d.btnApplica, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(readFile(QuoteNumbering::iniPath()), QByteArray("[Numerazione Preventivi]\r\nInizio=1\r\n"));
}

void TestQuoteTools::numberingNormalisesOnLeaving_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed"); // replaces the text when not empty
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("left");
    QTest::newRow("00050") << "7"
                           << "00050"
                           << "7"
                           << "50";
    QTest::newRow("hand-written letters") << "abc"
                                          << ""
                                          << "abc"
                                          << "1";
    QTest::newRow("hand-written huge") << "1234567"
                                       << ""
                                       << "1234567"
                                       << "1234567";
    QTest::newRow("hand-written negative") << "-3"
                                           << ""
                                           << "-3"
                                           << "-3";
    QTest::newRow("emptied") << "40"
                             << ""
                             << "40"
                             << "40";
}

void TestQuoteTools::numberingNormalisesOnLeaving()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, left);
    TempProgramFolder folder;
    writeFile(QuoteNumbering::iniPath(), "[Numerazione Preventivi]\r\nInizio=" + stored.toLatin1() + "\r\n");
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.txtInizio->text(), shown);
    if (!typed.isEmpty()) {
        d.txtInizio->clear();
        QTest::keyClicks(d.txtInizio, typed);
    }
    d.btnAnnulla->setFocus(); // leaving the edit
    QCOMPARE(d.txtInizio->text(), left);
    QTest::mouseClick(d.btnApplica, Qt::LeftButton);
    QCOMPARE(QuoteNumbering::stored(), left);
    if (left == QLatin1String("50"))
        QCOMPARE(QuoteNumbering::start() + 3, qint64(53)); // the next new quote of a year holding three
}

void TestQuoteTools::numberingApplyWritesTheNormalisedNumberWithoutLeaving()
{
    TempProgramFolder folder;
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    d.show();
    d.txtInizio->setText(QStringLiteral("00050"));
    d.applyCommand(); // as a shortcut would, the edit keeping the focus
    QVERIFY(!d.isVisible());
    QCOMPARE(QuoteNumbering::stored(), QStringLiteral("50"));
    QCOMPARE(QuoteNumbering::start(), qint64(50));
}

void TestQuoteTools::numberingAnnullaLeavesTheFileByteIdentical()
{
    TempProgramFolder folder;
    const QByteArray ini("[Ditta Emittente]\nNome=Forl\xEC\n\n[numerazione preventivi]\nInizio = 0050 \n; note\n");
    writeFile(QuoteNumbering::iniPath(), ini);
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    d.show();
    QCOMPARE(d.txtInizio->text(), QStringLiteral("0050"));
    d.txtInizio->setText(QStringLiteral("9"));
    QTest::mouseClick(d.btnAnnulla, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(readFile(QuoteNumbering::iniPath()), ini);
}

void TestQuoteTools::numberingKeyFilter()
{
    TempProgramFolder folder;
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.txtInizio->clear();
    QTest::keyClicks(d.txtInizio, QStringLiteral("1a2-3,45678"));
    QCOMPARE(d.txtInizio->text(), QStringLiteral("12345")); // letters, signs, commas and a sixth digit refused
    QTest::keyClick(d.txtInizio, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), d.btnApplica);
    QVERIFY(d.isVisible()); // Enter only moves the focus
    QVERIFY(!QFileInfo::exists(QuoteNumbering::iniPath()));
}

void TestQuoteTools::numberingOtherModeWritesNothing()
{
    TempProgramFolder folder;
    writeFile(QuoteNumbering::iniPath(), "[Numerazione Preventivi]\r\nInizio=50\r\n");
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("Preventivi"));
    d.show();
    QCOMPARE(d.txtInizio->text(), QStringLiteral("1"));
    d.txtInizio->setText(QStringLiteral("9"));
    QTest::mouseClick(d.btnApplica, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(QuoteNumbering::stored(), QStringLiteral("50"));
}

void TestQuoteTools::numberingFailedWriteKeepsTheDialogOpen()
{
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(QuoteNumbering::iniPath())); // a folder where the file should be
    MessageRecorder boxes;
    TfrmNumerazione d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    d.show();
    QCOMPARE(boxes.count(), 1); // the read
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QTest::mouseClick(d.btnApplica, Qt::LeftButton);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QVERIFY(
        boxes.lastText().startsWith(QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
    QVERIFY(d.isVisible());
}

void TestQuoteTools::importOffersOnlyServicesFlaggedNo()
{
    TempProgramFolder folder;
    const QByteArray offered = service("AB", "Bagno", "12,5", "No");
    ArchiveFile archive(ServiceRecord::path(), ServiceRecord::size());
    archive.append(service("ZZ", "Non erogabile", "1", QStringLiteral("S\u00EC")));
    archive.append(offered);
    archive.append(service("YY", "Senza flag", "1", ""));
    archive.append(service("XX", "Flag rotto", "1", "X"));
    TfrmImportaMagazzinoDoc w;
    w.lblMemory->setText(TfrmImportaMagazzinoDoc::rowKey(1));
    w.show();
    QCOMPARE(w.listedLines(), QStringList { CatalogListing::serviceLine(offered.constData()) });
    QCOMPARE(w.listedLines().first().left(CatalogListing::kServiceFixedChars).left(25),
        QStringLiteral("Cod. AB") + QString(18, ' '));
}

void TestQuoteTools::importChangesOnlyItsRowAndEmptiesTheTotals()
{
    TempProgramFolder folder;
    Editor editor;
    const QString longDescription = QStringLiteral("Toelettatura completa con bagno, taglio e asciugatura 55");
    QCOMPARE(longDescription.size(), 56);
    ArchiveFile archive(ServiceRecord::path(), ServiceRecord::size());
    archive.append(service("TOE01", longDescription.left(55), " 12,5 ", "No"));
    TfrmImportaMagazzinoDoc w;
    w.lblMemory->setText(QStringLiteral(" pre_art_07 "));
    w.show();
    QCOMPARE(w.listedLines().size(), 1);
    w.lstRecords->setCurrentRow(0);
    w.pickCommand();
    QVERIFY(!w.isVisible());

    using namespace QuoteRecord;
    QCOMPARE(editor.text(rowField(Codice01, 7)), QStringLiteral("TOE01"));
    QCOMPARE(editor.text(rowField(Desc01, 7)), longDescription.left(55)); // whole, not the list's 42
    QCOMPARE(editor.text(rowField(Prezzo01, 7)), QStringLiteral("12,5")); // as stored, not normalised
    const QStringList emptied = TfrmImportaMagazzinoDoc::emptiedControls(7);
    QCOMPARE(emptied,
        (QStringList {
            "txtImporto07", "txtTotImponibile", "txtTotImposta", "txtTotIva", "txtTotEsente", "txtTotFattura" }));
    for (int f = 0; f < FieldCount; ++f) {
        const QString name = QuoteControls::name(f);
        if (isFlag(f)) {
            QVERIFY2(editor.checked(f), qPrintable(name));
        } else if (emptied.contains(name)) {
            QVERIFY2(editor.text(f).isEmpty(), qPrintable(name));
        } else if (f != rowField(Codice01, 7) && f != rowField(Desc01, 7) && f != rowField(Prezzo01, 7)) {
            QVERIFY2(editor.text(f) == kBefore, qPrintable(name));
        }
    }
    QCOMPARE(editor.position->text(), kBefore);
}

void TestQuoteTools::importWithUnknownRowKeyWritesNothing()
{
    TempProgramFolder folder;
    Editor editor;
    ArchiveFile(ServiceRecord::path(), ServiceRecord::size()).append(service("AB", "Bagno", "10", "No"));
    for (const QString &key : { QStringLiteral("pre_art_31"), QStringLiteral("PRE_ART_07"), QStringLiteral("") }) {
        TfrmImportaMagazzinoDoc w;
        w.lblMemory->setText(key);
        w.show();
        w.lstRecords->setCurrentRow(0);
        w.pickCommand();
        QVERIFY(!w.isVisible());
    }
    QCOMPARE(editor.text(QuoteRecord::rowField(QuoteRecord::Codice01, 7)), kBefore);
    QCOMPARE(editor.text(QuoteRecord::TotFattura), kBefore);
}

void TestQuoteTools::extraDogDataPreloadedAndAppliedTrimmed()
{
    Editor editor;
    const QStringList labels = TfrmDatiVeicolo::editorLabels();
    QCOMPARE(labels,
        (QStringList { "memVeicolo", "memMarca", "memColore", "memImmatricolazione", "memAlimentazione", "memTarga" }));
    for (const QString &l : labels)
        ControlText::setNamed(&editor.window, l, QStringLiteral("  ") + l + QStringLiteral(" "));
    QString title;
    QStringList preloaded;
    bool focusOnName = false;
    TfrmDatiVeicolo *dialog = nullptr;
    onNextModal([&](QWidget *modal) {
        dialog = qobject_cast<TfrmDatiVeicolo *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        title = dialog->windowTitle();
        for (QLineEdit *e : dialog->edits)
            preloaded << e->text();
        focusOnName = dialog->focusWidget() == dialog->txtVeicolo;
        dialog->txtVeicolo->setText(QStringLiteral("  Fido  "));
        dialog->txtColore->clear();
        QTest::mouseClick(dialog->btnApplica, Qt::LeftButton);
    });
    TfrmDatiVeicolo::openFor(&editor.window);
    QVERIFY(dialog); // the pointer only: the dialog is freed by now
    QCOMPARE(title, QStringLiteral(" Altre informazioni"));
    QCOMPARE(preloaded, labels); // trimmed
    QVERIFY(focusOnName);
    QCOMPARE(editor.text("memVeicolo"), QStringLiteral("Fido"));
    QCOMPARE(editor.text("memMarca"), QStringLiteral("memMarca"));
    QCOMPARE(editor.text("memColore"), QString());
    QCOMPARE(editor.text("memTarga"), QStringLiteral("memTarga"));
}

void TestQuoteTools::extraDogDataAnnullaAndOtherModeWriteNothing()
{
    Editor editor;
    for (const QString &mode : { QStringLiteral(""), QStringLiteral("Preventivi") }) {
        TfrmDatiVeicolo d;
        d.lblMemory->setText(mode);
        for (QLineEdit *e : d.edits)
            e->setText(QStringLiteral("new"));
        d.show();
        QTest::mouseClick(d.btnApplica, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }
    TfrmDatiVeicolo d;
    d.lblMemory->setText(QStringLiteral("preventivi"));
    for (QLineEdit *e : d.edits)
        e->setText(QStringLiteral("new"));
    d.show();
    QTest::mouseClick(d.btnAnnulla, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    for (const QString &l : TfrmDatiVeicolo::editorLabels())
        QCOMPARE(editor.text(l), kBefore);
}

void TestQuoteTools::extraDogDataTypingLimitAndEnterCycle()
{
    TfrmDatiVeicolo d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    for (QLineEdit *e : d.edits) {
        QTest::keyClicks(e, QString(51, 'x'));
        QCOMPARE(e->text().size(), 50);
    }
    d.txtTarga->setFocus();
    QTest::keyClick(d.txtTarga, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), d.txtVeicolo);
    QVERIFY(d.isVisible());
    // Tab: the six edits, then Annulla, then Applica.
    d.txtTarga->setFocus();
    QTest::keyClick(d.txtTarga, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.btnAnnulla);
    QTest::keyClick(d.btnAnnulla, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.btnApplica);
}

QTEST_MAIN(TestQuoteTools)
#include "tst_quotetools.moc"
