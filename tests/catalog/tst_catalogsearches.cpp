// The searches and the lists of unavailable records of the price list and of
// the boxes, each case on both twins: the list lines at their widths, the
// filters and the count sentence, a double click loading record and position
// into the real editor (and nothing in a wrong mode), the lists showing only
// records flagged exactly "Sì", and a damaged archive. What differs between
// the twins is in the tables' columns; the twins' windows are made through
// one table of makers.

#include "catalog/Box_Cani.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/NonErogabili.h"
#include "catalog/NonPrenotabili.h"
#include "catalog/TrovaBox.h"
#include "catalog/TrovaListino.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/CatalogListing.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/report/ReportOutput.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>

using namespace TestSupport;

namespace
{

struct Rec {
    QStringList texts; // the ten texts in field order
    QString flag; // stored as written
    QString file01;
};

QByteArray record(const RecordLayout &layout, int flagField, const Rec &r)
{
    RecordBuffer b(layout);
    for (int f = 0; f < r.texts.size(); ++f)
        b.setText(f, r.texts.at(f));
    b.setText(flagField, r.flag);
    b.setText(flagField + 1, r.file01);
    return b.bytes();
}

// Three services and three boxes: the second of each flagged "Sì", the third
// flagged with a text that is neither "Sì" nor "No".
QByteArray services()
{
    const RecordLayout &l = ServiceRecord::layout();
    const int flag = ServiceRecord::NonErogabile;
    return record(l, flag,
               { { "TOEL01", "Toelettatura completa", "35,00", "Igiene", "Taglio unghie", "Sala", "1 ora", "", "Lucia",
                     "" },
                   "No", "listino.pdf" })
        + record(l, flag,
            { { "PASS02", "Passeggiata lunga in collina", "12,50", "Svago", "", "Collina", "2 ore",
                  "Solo cani socievoli", "", "Sospesa" },
                "Sì", "" })
        + record(l, flag,
            { { "ADD03", "Addestramento di base", "100,00", "Educazione", "", "Campo", "", "", "", "" }, "sì", "" });
}

QByteArray boxes()
{
    const RecordLayout &l = BoxRecord::layout();
    const int flag = BoxRecord::NonPrenotabile;
    return record(l, flag,
               { { "2", "3 x 2 m", "2", "18,00", "Interno", "Piccola", "Box con cuccia", "Ala nord", "Ciotole", "" },
                   "No", "pianta.pdf" })
        + record(l, flag,
            { { "10", "4 x 3 m", "1", "25,00", "Esterno", "Grande", "", "Cortile", "", "In ristrutturazione" }, "Sì",
                "" })
        + record(l, flag, { { "C3", "2 x 2 m", "1", "0,00", "Interno", "", "", "", "", "" }, "Si", "" });
}

// A twin of the catalogue: its archive with the three records above, and the
// makers of its editor, its search and its list of unavailable records.
struct Twin {
    QString (*path)();
    QByteArray (*records)();
    const RecordLayout &(*layout)();
    int flagField;
    int noteField;
    std::function<std::unique_ptr<TCatalogEditor>()> editor;
    std::function<std::unique_ptr<TCatalogSearch>()> search;
    std::function<std::unique_ptr<TCatalogUnavailable>()> unavailable;
};

const Twin &twinOf(const QString &name)
{
    static const Twin services { &ServiceRecord::path, &::services, &ServiceRecord::layout, ServiceRecord::NonErogabile,
        ServiceRecord::Note, [] { return std::make_unique<TfrmListino_Prezzi>(); },
        [] { return std::make_unique<TfrmTrovaListino>(); }, [] { return std::make_unique<TfrmNonErogabili>(); } };
    static const Twin boxes { &BoxRecord::path, &::boxes, &BoxRecord::layout, BoxRecord::NonPrenotabile,
        BoxRecord::Note, [] { return std::make_unique<TfrmBox_Cani>(); },
        [] { return std::make_unique<TfrmTrovaBox>(); }, [] { return std::make_unique<TfrmNonPrenotabili>(); } };
    return name == QLatin1String("services") ? services : boxes;
}

void addTwinColumn()
{
    QTest::addColumn<QString>("twin");
}

void search(SearchWindow &w)
{
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
}

} // namespace

class TestCatalogSearches : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }
    void listLinesKeepTheirWidths();
    void filtersAndCountSentence_data();
    void filtersAndCountSentence();
    void doubleClickLoadsRecordAndPosition_data();
    void doubleClickLoadsRecordAndPosition();
    void wrongModeWritesNothing_data();
    void wrongModeWritesNothing();
    void unavailableListShowsOnlySi_data();
    void unavailableListShowsOnlySi();
    void damagedArchiveStaysOnFilterPage_data();
    void damagedArchiveStaysOnFilterPage();
    void listPrintCarriesItsTitle_data();
    void listPrintCarriesItsTitle();
    void editorCommandsOpenTheirWindows_data();
    void editorCommandsOpenTheirWindows();
};

void TestCatalogSearches::listLinesKeepTheirWidths()
{
    RecordBuffer s(ServiceRecord::layout());
    s.setText(ServiceRecord::Codice, QStringLiteral("  PASSEGGIATA-LUNGA-XYZ"));
    s.setText(ServiceRecord::Descrizione, QStringLiteral("Passeggiata lunga in collina, con più soste e merenda"));
    s.setText(ServiceRecord::Tipologia, QStringLiteral("Svago"));
    s.setText(ServiceRecord::Durata, QStringLiteral("Mezza giornata, pranzo incluso"));
    s.setText(ServiceRecord::Prezzo, QStringLiteral(" 12,50 "));
    const QString service = CatalogListing::serviceLine(s.bytes().constData());
    QCOMPARE(service,
        QStringLiteral("Cod. PASSEGGIATA-LUNGA-XY  Passeggiata lunga in collina, con più sost  Tipo: Svago"
                       "                      Durata: Mezza giornata, pran  Prezzo: € 12,50"));
    QCOMPARE(service.size(), CatalogListing::kServiceFixedChars + 5);

    RecordBuffer b(BoxRecord::layout());
    b.setText(BoxRecord::Box, QStringLiteral("B12-SUITE-TERRAZZA-PANORAMICA"));
    b.setText(BoxRecord::Dimensioni, QStringLiteral("4 x 3 m"));
    b.setText(BoxRecord::Capacita, QStringLiteral("1"));
    b.setText(BoxRecord::Tipologia, QStringLiteral("Interno riscaldato, con finestra sul cortile"));
    b.setText(BoxRecord::Prezzo, QStringLiteral("1.234,56"));
    const QString box = CatalogListing::boxLine(b.bytes().constData());
    QCOMPARE(box,
        QStringLiteral("Box n. B12-SUITE-TERRAZZA-PANORA  Dim. ") + QStringLiteral("4 x 3 m").leftJustified(25)
            + QStringLiteral("  Posti: ") + QStringLiteral("1").leftJustified(20)
            + QStringLiteral("  Tipo: Interno riscaldato, con finest  Prezzo: € 1.234,56"));
    QCOMPARE(box.size(), CatalogListing::kBoxFixedChars + 8);
}

void TestCatalogSearches::filtersAndCountSentence_data()
{
    addTwinColumn();
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("firstColumns"); // the lines' beginnings, in list order
    QTest::addColumn<QString>("conta");

    QTest::newRow("servizi, no filter") << "services"
                                        << "txtCodice"
                                        << "" << QStringList { "Cod. ADD03", "Cod. PASS02", "Cod. TOEL01" } << "0";
    QTest::newRow("servizi, blanks only") << "services"
                                          << "txtCodice"
                                          << "   " << QStringList { "Cod. ADD03", "Cod. PASS02", "Cod. TOEL01" } << "0";
    QTest::newRow("servizi, case of ASCII letters") << "services"
                                                    << "txtLuogo"
                                                    << "COLLINA" << QStringList { "Cod. PASS02" } << "1";
    QTest::newRow("servizi, price as stored") << "services"
                                              << "txtPrezzo"
                                              << "12,5" << QStringList { "Cod. PASS02" } << "1";
    QTest::newRow("servizi, price with a dot") << "services"
                                               << "txtPrezzo"
                                               << "12.5" << QStringList {} << "1";
    QTest::newRow("servizi, leading blank kept") << "services"
                                                 << "txtDescrizione"
                                                 << " completa" << QStringList { "Cod. TOEL01" } << "1";
    QTest::newRow("servizi, trailing blank kept") << "services"
                                                  << "txtDescrizione"
                                                  << "completa " << QStringList {} << "1";
    QTest::newRow("box, no filter, as text") << "boxes"
                                             << "txtBox"
                                             << "" << QStringList { "Box n. 10", "Box n. 2", "Box n. C3" } << "0";
    QTest::newRow("box, last filter") << "boxes"
                                      << "txtNote"
                                      << "ristruttura" << QStringList { "Box n. 10" } << "1";
    QTest::newRow("box, capacity") << "boxes"
                                   << "txtCapacita"
                                   << "1" << QStringList { "Box n. 10", "Box n. C3" } << "1";
}

void TestCatalogSearches::filtersAndCountSentence()
{
    QFETCH(QString, twin);
    QFETCH(QString, filter);
    QFETCH(QString, text);
    QFETCH(QStringList, firstColumns);
    QFETCH(QString, conta);
    TempProgramFolder folder;
    const Twin &t = twinOf(twin);
    writeFile(t.path(), t.records());
    std::unique_ptr<TCatalogSearch> w = t.search();
    w->show();
    QVERIFY(w->panAvvio->isVisible());
    auto *edit = w->findChild<QLineEdit *>(filter);
    QVERIFY(edit);
    edit->setText(text);
    search(*w);
    QVERIFY(w->panContainer->isVisible());
    QVERIFY(!w->panAvvio->isVisible());
    QCOMPARE(w->lblConta->text(), conta);
    const QStringList lines = w->listedLines();
    QCOMPARE(lines.size(), firstColumns.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(firstColumns.at(i) + QLatin1Char(' ')), qPrintable(lines.at(i)));
    QCOMPARE(
        w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(firstColumns.size()));
}

void TestCatalogSearches::doubleClickLoadsRecordAndPosition_data()
{
    addTwinColumn();
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("line"); // the line of the first record in the file
    QTest::addColumn<QStringList>("texts"); // the first two edits, the price, the first attachment
    // The first record in the file is listed last (services) or in the middle (boxes).
    QTest::newRow("servizi") << "services"
                             << "listino_prezzi"
                             << "Cod. TOEL01"
                             << QStringList { "TOEL01", "Toelettatura completa", "35,00", "listino.pdf" };
    QTest::newRow("box, mode with blanks") << "boxes"
                                           << " box_cani "
                                           << "Box n. 2 " << QStringList { "2", "3 x 2 m", "18,00", "pianta.pdf" };
}

void TestCatalogSearches::doubleClickLoadsRecordAndPosition()
{
    QFETCH(QString, twin);
    QFETCH(QString, mode);
    QFETCH(QString, line);
    QFETCH(QStringList, texts);
    TempProgramFolder folder;
    const Twin &t = twinOf(twin);
    writeFile(t.path(), t.records());
    std::unique_ptr<TCatalogEditor> editor = t.editor();
    std::unique_ptr<TCatalogSearch> w = t.search();
    WindowRegistry::set(editor->objectName(), editor.get());
    w->lblMemory->setText(mode);
    w->show();
    search(*w);
    int row = -1;
    for (int i = 0; i < w->lstRecords->count(); ++i)
        if (w->lstRecords->text(i).startsWith(line))
            row = i;
    QVERIFY(row >= 0);
    w->lstRecords->setCurrentRow(row);
    w->pickCommand();
    QVERIFY(!w->isVisible());
    QCOMPARE(editor->edits().first()->text(), texts.at(0));
    QCOMPARE(editor->edits().at(1)->text(), texts.at(1));
    QCOMPARE(editor->txtPrezzo->text(), texts.at(2));
    QVERIFY(!editor->chkFlag->isChecked());
    QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("lblFile01"))->text(), texts.at(3));
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("1"));
}

void TestCatalogSearches::wrongModeWritesNothing_data()
{
    addTwinColumn();
    QTest::addColumn<QStringList>("modes"); // the other twin's mode, and the right one in capitals
    QTest::newRow("servizi") << "services" << QStringList { "box_cani", "LISTINO_PREZZI" };
    QTest::newRow("box") << "boxes" << QStringList { "listino_prezzi", "Box_Cani" };
}

void TestCatalogSearches::wrongModeWritesNothing()
{
    QFETCH(QString, twin);
    QFETCH(QStringList, modes);
    TempProgramFolder folder;
    const Twin &t = twinOf(twin);
    writeFile(t.path(), t.records());
    std::unique_ptr<TCatalogEditor> editor = t.editor();
    std::unique_ptr<TCatalogSearch> w = t.search();
    WindowRegistry::set(editor->objectName(), editor.get());
    for (const QString &mode : modes) {
        w->lblMemory->setText(mode);
        w->show();
        search(*w);
        w->lstRecords->setCurrentRow(0);
        w->pickCommand();
        QVERIFY(!w->isVisible());
        QCOMPARE(editor->edits().first()->text(), QString());
        QCOMPARE(editor->lblPosizione->text(), QString());
    }
}

void TestCatalogSearches::unavailableListShowsOnlySi_data()
{
    addTwinColumn();
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("first"); // the first edit after the pick
    QTest::addColumn<QString>("note");
    QTest::newRow("servizi") << "services"
                             << " Riepilogo servizi non erogabili"
                             << "Cod. PASS02 "
                             << "PASS02"
                             << "Sospesa";
    QTest::newRow("box") << "boxes"
                         << " Riepilogo box non prenotabili"
                         << "Box n. 10 "
                         << "10"
                         << "In ristrutturazione";
}

void TestCatalogSearches::unavailableListShowsOnlySi()
{
    QFETCH(QString, twin);
    QFETCH(QString, caption);
    QFETCH(QString, line);
    QFETCH(QString, first);
    QFETCH(QString, note);
    TempProgramFolder folder;
    const Twin &t = twinOf(twin);
    // A fourth record, not flagged, that gives the same line as the flagged
    // one and lies after it: the list's line still loads the flagged record.
    const QByteArray all = t.records();
    const int size = t.layout().size();
    QByteArray twinRecord = all.mid(size, size);
    {
        RecordBuffer b(t.layout());
        b.bytes() = twinRecord;
        b.setFlag(t.flagField, false);
        b.setText(t.noteField, u"Un altro record");
        twinRecord = b.bytes();
    }
    writeFile(t.path(), all + twinRecord);
    std::unique_ptr<TCatalogEditor> editor = t.editor();
    std::unique_ptr<TCatalogUnavailable> w = t.unavailable();
    WindowRegistry::set(editor->objectName(), editor.get());
    QCOMPARE(w->windowTitle(), caption);
    w->show();
    QCOMPARE(w->listedLines().size(), 1);
    QVERIFY(w->listedLines().first().startsWith(line));
    w->lstRecords->setCurrentRow(0);
    w->pickCommand();
    QVERIFY(!w->isVisible());
    QCOMPARE(editor->edits().first()->text(), first);
    QVERIFY(editor->chkFlag->isChecked());
    QCOMPARE(editor->txtNote->text(), note);
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("2"));

    // A missing archive lists nothing.
    QFile::remove(t.path());
    std::unique_ptr<TCatalogUnavailable> empty = t.unavailable();
    empty->show();
    QCOMPARE(empty->listedLines(), QStringList());
}

void TestCatalogSearches::damagedArchiveStaysOnFilterPage_data()
{
    addTwinColumn();
    QTest::newRow("servizi") << "services";
    QTest::newRow("box") << "boxes";
}

void TestCatalogSearches::damagedArchiveStaysOnFilterPage()
{
    QFETCH(QString, twin);
    TempProgramFolder folder;
    const Twin &t = twinOf(twin);
    QVERIFY(QDir().mkpath(t.path())); // a folder instead of the archive
    MessageRecorder boxesShown;
    std::unique_ptr<TCatalogSearch> w = t.search();
    w->show();
    search(*w);
    QCOMPARE(boxesShown.count(), 1);
    QCOMPARE(boxesShown.lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(boxesShown.lastText(), kArchiveAccessMessage);
    QVERIFY(w->panAvvio->isVisible());
    QVERIFY(!w->panContainer->isVisible());
}

void TestCatalogSearches::listPrintCarriesItsTitle_data()
{
    addTwinColumn();
    QTest::addColumn<bool>("unavailable"); // the list of unavailable records, not the search
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("TrovaListino") << "services" << false << "Listino prezzi servizi"
                                  << "Cod. ADD03";
    QTest::newRow("TrovaBox") << "boxes" << false << "Riepilogo box per cani"
                              << "Box n. 10";
    QTest::newRow("NonErogabili") << "services" << true << "Riepilogo servizi non erogabili"
                                  << "Cod. PASS02";
    QTest::newRow("NonPrenotabili") << "boxes" << true << "Riepilogo box non prenotabili"
                                    << "Box n. 10";
}

void TestCatalogSearches::listPrintCarriesItsTitle()
{
    QFETCH(QString, twin);
    QFETCH(bool, unavailable);
    QFETCH(QString, title);
    QFETCH(QString, firstLine);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    TempProgramFolder folder;
    writeFile(ServiceRecord::path(), services());
    writeFile(BoxRecord::path(), boxes());
    const QString pdf = folder.file(QStringLiteral("elenco.pdf"));
    auto dialog = std::make_unique<PrintToFile>();
    dialog->path = pdf;
    const Twin &t = twinOf(twin);
    std::unique_ptr<ListWindow> w;
    if (unavailable)
        w = t.unavailable();
    else
        w = t.search();
    w->show();
    if (auto *search = qobject_cast<SearchWindow *>(w.get()))
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
    MessageRecorder boxesShown;
    w->printCommand();
    dialog.reset();
    QProcess process;
    process.start(pdftotext, { QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains(title), qPrintable(text));
    QVERIFY2(text.contains(firstLine), qPrintable(text));
}

void TestCatalogSearches::editorCommandsOpenTheirWindows_data()
{
    addTwinColumn();
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("lastFirst"); // the first edit after picking the last line
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("listCommand");
    QTest::newRow("servizi") << "services"
                             << "listino_prezzi"
                             << " Trova servizio in listino prezzi"
                             << "TOEL01"
                             << "1"
                             << "cmdNonErogabile";
    QTest::newRow("box") << "boxes"
                         << "box_cani"
                         << " Trova box per cani in archivio"
                         << "C3"
                         << "3"
                         << "cmdNonPrenotabile";
}

void TestCatalogSearches::editorCommandsOpenTheirWindows()
{
    QFETCH(QString, twin);
    QFETCH(QString, mode);
    QFETCH(QString, caption);
    QFETCH(QString, lastFirst);
    QFETCH(QString, position);
    QFETCH(QString, listCommand);
    TempProgramFolder folder;
    const Twin &t = twinOf(twin);
    writeFile(t.path(), t.records());
    std::unique_ptr<TCatalogEditor> editor = t.editor();
    WindowRegistry::set(editor->objectName(), editor.get());
    editor->show();

    // The search opens in the editor's mode: a pick loads into the editor.
    bool opened = false;
    onNextModal([&](QWidget *dialog) {
        auto *search = qobject_cast<TCatalogSearch *>(dialog);
        QVERIFY(search);
        opened = true;
        QCOMPARE(search->lblMemory->text(), mode);
        QCOMPARE(search->windowTitle(), caption);
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        search->lstRecords->setCurrentRow(search->lstRecords->count() - 1);
        search->pickCommand();
    });
    QTest::mouseClick(editor->cmdTrova, Qt::LeftButton);
    QVERIFY(opened);
    QCOMPARE(editor->edits().first()->text(), lastFirst);
    QCOMPARE(editor->lblPosizione->text(), position);

    opened = false;
    QPushButton *command = editor->findChild<QPushButton *>(listCommand);
    QVERIFY(command);
    onNextModal([&](QWidget *dialog) {
        auto *list = qobject_cast<TCatalogUnavailable *>(dialog);
        QVERIFY(list);
        opened = true;
        QCOMPARE(list->listedLines().size(), 1);
        list->reject();
    });
    QTest::mouseClick(command, Qt::LeftButton);
    QVERIFY(opened);
}

QTEST_MAIN(TestCatalogSearches)
#include "tst_catalogsearches.moc"
