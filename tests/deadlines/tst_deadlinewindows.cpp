// The deadlines' windows with the deadlines editor: the lists by date and the year
// export with their grids and files, the summaries and the search with their
// loading into the editor, and the deadline card.
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/report/InfoSheet.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DateLists.h"
#include "deadlines/DeadlineCard.h"
#include "deadlines/DeadlineControls.h"
#include "deadlines/ExpScadenzario.h"
#include "deadlines/Scadenzario.h"
#include "deadlines/Summaries.h"
#include "deadlines/TrovaScadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "deadlines/core/Imminence.h"
#include "tests/deadlines/DeadlineFixture.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestSupport::MessageRecorder;
using TestSupport::TempProgramFolder;
using D = DeadlineRecord::Field;

namespace
{

// The deadlines editor as the start-up makes it, with the controls that these
// windows read and write.
struct Editor {
    TfrmScadenzario window;
    QLabel *lblFile;
    QLabel *lblPosizione;
    QCalendarWidget *calAppuntamenti;

    Editor()
        : lblFile(window.lblFile)
        , lblPosizione(window.findChild<QLabel *>(QStringLiteral("lblPosizione")))
        , calAppuntamenti(window.calAppuntamenti)
    {
        WindowRegistry::set(QLatin1String(WindowNames::frmScadenzario), &window);
    }

    QString text(int field) const { return ControlText::named(&window, DeadlineControls::name(field)); }
    bool checked(int field) const { return window.findChild<QCheckBox *>(DeadlineControls::name(field))->isChecked(); }
    void set(int field, const QString &text) { ControlText::setNamed(&window, DeadlineControls::name(field), text); }
    void check(int field, bool on) { window.findChild<QCheckBox *>(DeadlineControls::name(field))->setChecked(on); }
    void openYear(const QString &year)
    {
        window.txtAnno->setText(year);
        window.btnApri->click();
    }
};

// The grid's rows as "N.|Data|Ora" texts.
QStringList gridRows(ExportWindow &w)
{
    QStringList rows;
    ExportWindow::Grid &g = w.grid();
    for (qsizetype r = 0; r < g.rows(); ++r)
        rows << g.text(r, 0) + QLatin1Char('|') + g.text(r, 1) + QLatin1Char('|') + g.text(r, 2);
    return rows;
}

// Exports through the window's command (Yes to export, No to opening) and
// returns the file.
QByteArray exportThroughCommand(ExportWindow &w)
{
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    w.cmdEsporta->click();
    if (boxes.count() != 2)
        return {};
    return TestSupport::readFile(programFile(w.setup().fileName));
}

} // namespace

class TestDeadlineWindows : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }
    void imminentListHoldsWhatAlertCounts();
    void dateListsSelectAndSort_data();
    void dateListsSelectAndSort();
    void exportOfEmptyAndUnmatchedLists_data();
    void exportOfEmptyAndUnmatchedLists();
    void editedCellsReachExportOnly();
    void wholeYearGridInFileOrder();
    void summariesSplitByFlags();
    void summarySortsByFoldedText();
    void doubleClickLoadsEveryControlAndPosition();
    void identicalLinesLoadTheirOwnRecords();
    void findNextWrapsRound();
    void searchFiltersIntersect_data();
    void searchFiltersIntersect();
    void searchLoadsOnlyInScadenzarioMode();
    void searchOfUnreadableYearKeepsFilterPage();
    void cardHoldsEditorValues();
    void cardPrintsEditorValues();
};

void TestDeadlineWindows::imminentListHoldsWhatAlertCounts()
{
    TempProgramFolder folder;
    Clock::Fixed clock(QDateTime(QDate(2024, 12, 28), QTime(23, 0)));
    Editor editor;
    editor.openYear(QStringLiteral("2023")); // the year open in the editor does not matter
    const QString path = Imminence::currentYearPath(Clock::today());
    TestSupport::writeFile(path,
        deadlines({
            { .data = QStringLiteral("31/12/2024"), .ora = QStringLiteral("08:00"), .avviso = QStringLiteral("3") },
            { .data = QStringLiteral("27/12/2024"), .avviso = QStringLiteral("30") },
            { .data = QStringLiteral("30/12/2024"), .avviso = QStringLiteral("x") }, // damaged: skipped
            { .data = QStringLiteral("28/12/2024"),
                .ora = QStringLiteral("07:00"),
                .avviso = QStringLiteral("0"),
                .effettuata = true },
            { .data = QStringLiteral("31/12/2024"), .avviso = QStringLiteral("2") },
        }));
    TestSupport::writeFile(DeadlineRecord::path(u"2025"),
        deadlines({ { .data = QStringLiteral("02/01/2025"), .avviso = QStringLiteral("10") } }));

    TfrmExpImminenti w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral(" Scadenze imminenti"));
    QCOMPARE(qsizetype(Imminence::scan(path, Clock::today()).positions.size()), w.grid().rows());
    QCOMPARE(gridRows(w), (QStringList { "2|28/12/2024|07:00", "1|31/12/2024|08:00" }));
}

void TestDeadlineWindows::dateListsSelectAndSort_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QDate>("calendar");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("day: Data equals the calendar's date, by time")
        << int(DeadlineListing::DateRule::Day) << QDate(2024, 3, 5)
        << QStringList { "2|05/03/2024|09:05", "1|05/03/2024|10:00" };
    QTest::newRow("month: any case of the name, calendar's year only")
        << int(DeadlineListing::DateRule::Month) << QDate(2024, 3, 20)
        << QStringList { "3|05/03/2024|09:05", "1|05/03/2024|10:00", "2|31/03/2024|08:00" };
    QTest::newRow("month of another year reads that year's file")
        << int(DeadlineListing::DateRule::Month) << QDate(2023, 3, 20) << QStringList {};
}

void TestDeadlineWindows::dateListsSelectAndSort()
{
    QFETCH(int, rule);
    QFETCH(QDate, calendar);
    QFETCH(QStringList, rows);
    TempProgramFolder folder;
    Editor editor;
    editor.calAppuntamenti->setSelectedDate(calendar);
    TestSupport::writeFile(DeadlineRecord::path(u"2024"),
        deadlines({
            { .data = QStringLiteral("05/03/2024"), .ora = QStringLiteral("10:00"), .mese = QStringLiteral("Marzo") },
            { .data = QStringLiteral("31/03/2024"), .ora = QStringLiteral("08:00"), .mese = QStringLiteral("MARZO") },
            { .data = QStringLiteral("05/03/2024"), .ora = QStringLiteral("09:05") },
            { .data = QStringLiteral("05/03/2023"),
                .ora = QStringLiteral("09:00"),
                .mese = QStringLiteral("Marzo"),
                .anno = QStringLiteral("2023") },
            { .data = QStringLiteral("06/04/2024"), .ora = QStringLiteral("09:00") },
        }));
    TestSupport::writeFile(DeadlineRecord::path(u"2023"), deadlines({ { .data = QStringLiteral("01/01/2023") } }));

    DeadlineDateList w(nullptr, DeadlineListing::DateRule(rule));
    w.show();
    QCOMPARE(gridRows(w), rows);
    QCOMPARE(w.grid().columns(), 21);
}

void TestDeadlineWindows::exportOfEmptyAndUnmatchedLists_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("dataRows");
    QTest::newRow("empty file: ten empty rows") << QByteArray() << 10;
    QTest::newRow("no match: title only") << deadlines({ { .data = QStringLiteral("01/01/2024") } }) << 0;
}

void TestDeadlineWindows::exportOfEmptyAndUnmatchedLists()
{
    QFETCH(QByteArray, file);
    QFETCH(int, dataRows);
    TempProgramFolder folder;
    Editor editor;
    editor.calAppuntamenti->setSelectedDate(QDate(2024, 6, 1));
    TestSupport::writeFile(DeadlineRecord::path(u"2024"), file);
    TfrmExpGiornaliere w;
    w.show();
    QCOMPARE(w.grid().rows(), dataRows);
    const QByteArray out = exportThroughCommand(w);
    QVERIFY(out.startsWith("<html"));
    QCOMPARE(out.count("<tr"), 1 + dataRows);
    QCOMPARE(out.count("<td"), 20 * (1 + dataRows));
    QVERIFY(out.contains("Codice univoco"));
    QVERIFY(out.contains("Modalit\xE0 di pagamento"));
    QCOMPARE(w.setup().fileName, QStringLiteral("Scadenze_Giornaliere.xls"));
    QCOMPARE(w.setup().sheetName, QStringLiteral("Scadenze del giorno"));
}

void TestDeadlineWindows::editedCellsReachExportOnly()
{
    TempProgramFolder folder;
    Editor editor;
    editor.calAppuntamenti->setSelectedDate(QDate(2024, 3, 5));
    const QByteArray file = deadlines({ { .costo = QStringLiteral("10,00"), .effettuata = true } });
    TestSupport::writeFile(DeadlineRecord::path(u"2024"), file);
    TfrmExpMensili w;
    w.show();
    ExportWindow::Grid &g = w.grid();
    QCOMPARE(g.rows(), 1);
    for (const char *editable :
        { "colOfficina", "colCosto", "colContatto", "colDaConfermare", "colEffettuata", "colCodice" })
        QVERIFY2(g.flags(g.index(0, g.column(QString::fromLatin1(editable)))) & Qt::ItemIsEditable, editable);
    for (const char *fixed : { "colNum", "colData", "colProprietario", "colDettagli", "colNote" })
        QVERIFY2(!(g.flags(g.index(0, g.column(QString::fromLatin1(fixed)))) & Qt::ItemIsEditable), fixed);
    QVERIFY(g.setData(g.index(0, g.column(u"colCosto")), QStringLiteral("99,50"), Qt::EditRole));
    const QByteArray out = exportThroughCommand(w);
    QVERIFY(out.contains(">99,50<"));
    QVERIFY(!out.contains(">10,00<"));
    QVERIFY(out.contains(">S\xEC<"));
    QCOMPARE(TestSupport::readFile(DeadlineRecord::path(u"2024")), file);
}

void TestDeadlineWindows::wholeYearGridInFileOrder()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    TestSupport::writeFile(DeadlineRecord::path(u"2024"),
        deadlines({
            { .data = QStringLiteral("20/12/2024") },
            { .data = QStringLiteral("01/01/2024"), .effettuata = true },
            { .data = QStringLiteral("05/06/2024"), .avviso = QStringLiteral("zz") },
        }));
    TfrmExpScadenzario w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral(" Esporta archivio Scadenzario pagamenti"));
    QCOMPARE(gridRows(w), (QStringList { "1|20/12/2024|09:30", "2|01/01/2024|09:30", "3|05/06/2024|09:30" }));
    QCOMPARE(w.grid().columns(), 20);
    const QByteArray out = exportThroughCommand(w);
    QCOMPARE(out.count("<tr"), 4);
    QCOMPARE(out.count("<td"), 19 * 4);
    QVERIFY(out.contains("Scadenze e appuntamenti"));
}

namespace
{

QByteArray summaryFixture()
{
    return deadlines({
        { .proprietario = QStringLiteral("Aldo"), .daConfermare = false, .effettuata = false },
        { .proprietario = QStringLiteral("Bruno"), .daConfermare = false, .effettuata = true },
        { .proprietario = QStringLiteral("Carla"), .daConfermare = true, .effettuata = false },
        { .proprietario = QStringLiteral("Dario"), .daConfermare = true, .effettuata = true },
    });
}

QStringList owners(const ListWindow &w)
{
    QStringList out;
    for (const QString &line : w.listedLines())
        out << line.mid(68, 28).trimmed();
    return out;
}

} // namespace

void TestDeadlineWindows::summariesSplitByFlags()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    TestSupport::writeFile(DeadlineRecord::path(u"2024"), summaryFixture());
    TfrmConfermati toMake;
    toMake.show();
    QCOMPARE(owners(toMake), (QStringList { "Aldo", "Carla" }));
    QCOMPARE(toMake.windowTitle(), QStringLiteral(" Riepilogo pagamenti da effettuare"));
    TfrmNonConfermati made;
    made.show();
    QCOMPARE(owners(made), (QStringList { "Bruno", "Dario" }));
    QCOMPARE(made.windowTitle(), QStringLiteral(" Riepilogo pagamenti effettuati"));
    TfrmDaConfermare toConfirm;
    toConfirm.show();
    QCOMPARE(owners(toConfirm), (QStringList { "Carla", "Dario" }));
    QCOMPARE(toConfirm.windowTitle(), QStringLiteral(" Riepilogo appuntamenti da confermare"));
}

void TestDeadlineWindows::summarySortsByFoldedText()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2023"));
    TestSupport::writeFile(DeadlineRecord::path(u"2023"),
        deadlines({
            { .data = QStringLiteral("05/03/2023"), .dettagli = QStringLiteral("Richiamo") },
            { .data = QStringLiteral("01/04/2023"), .dettagli = QStringLiteral("Richiamo") },
            { .data = QStringLiteral("01/01/2023"), .dettagli = QStringLiteral("a_b") },
            { .data = QStringLiteral("02/01/2023"), .dettagli = QStringLiteral("aZ") },
        }));
    TfrmConfermati w;
    w.show();
    QStringList starts;
    for (const QString &line : w.listedLines())
        starts << line.left(8).trimmed() + QLatin1Char(' ') + line.mid(38, 10);
    QCOMPARE(starts, (QStringList { "aZ 02/01/2023", "a_b 01/01/2023", "Richiamo 01/04/2023", "Richiamo 05/03/2023" }));
}

void TestDeadlineWindows::doubleClickLoadsEveryControlAndPosition()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    Deadline full { .data = QStringLiteral("07/05/2024"),
        .ora = QStringLiteral("11:45"),
        .dettagli = QStringLiteral("Saldo pensione"),
        .proprietario = QStringLiteral("Verdi Anna"),
        .nome = QStringLiteral("Rex"),
        .costo = QStringLiteral("120,50"),
        .avviso = QStringLiteral("7"),
        .daConfermare = true,
        .effettuata = false,
        .more = { { D::CodFisc, QStringLiteral("VRDNNA80A41H199X") }, { D::Recapito, QStringLiteral("0541 123456") },
            { D::DataNasc, QStringLiteral("01/02/2019") }, { D::Razza, QStringLiteral("Beagle") },
            { D::Mantello, QStringLiteral("Tricolore") }, { D::Microchip, QStringLiteral("380260000123456") },
            { D::Segni, QStringLiteral("Macchia bianca") }, { D::Persona, QStringLiteral("Sig.ra Verdi") },
            { D::Officina, QStringLiteral("Bonifico") }, { D::Contatto, QStringLiteral("Ric. 12") },
            { D::Note, QStringLiteral("Portare libretto") } } };
    const QByteArray record = full.bytes();
    TestSupport::writeFile(DeadlineRecord::path(u"2024"), deadlines({ {}, {} }) + record);
    editor.check(D::Effettuata, true);

    TfrmDaConfermare w;
    w.show();
    QCOMPARE(w.lstRecords->count(), 1);
    w.lstRecords->setCurrentRow(0);
    w.pickCommand();
    QVERIFY(!w.isVisible());
    const RecordLayout &layout = DeadlineRecord::layout();
    for (int f = 0; f < DeadlineRecord::FieldCount; ++f) {
        if (DeadlineRecord::isFlag(f))
            continue;
        QCOMPARE(editor.text(f), RecordField::loadText(record.constData() + layout.offset(f), layout.capacity(f)));
    }
    QVERIFY(editor.checked(D::DaConfermare));
    QVERIFY(!editor.checked(D::Effettuata));
    QCOMPARE(editor.lblPosizione->text(), QStringLiteral("3"));

    // The editor's next save overwrites that record in place.
    editor.set(D::Giorno, QStringLiteral("07"));
    editor.set(D::Mese, QStringLiteral("Maggio"));
    editor.set(D::OreApp, QStringLiteral("11"));
    editor.set(D::MinutiApp, QStringLiteral("45"));
    editor.set(D::Note, QStringLiteral("Libretto consegnato"));
    MessageRecorder boxes;
    editor.window.cmdSalva->click();
    const QByteArray file = TestSupport::readFile(DeadlineRecord::path(u"2024"));
    QCOMPARE(file.size(), 3 * DeadlineRecord::size());
    RecordBuffer saved(layout);
    saved.bytes() = file.right(DeadlineRecord::size());
    QCOMPARE(saved.text(D::Note), QStringLiteral("Libretto consegnato"));
    QCOMPARE(saved.text(D::Nome), QStringLiteral("Rex"));
    QCOMPARE(file.left(2 * DeadlineRecord::size()), deadlines({ {}, {} }));
}

void TestDeadlineWindows::identicalLinesLoadTheirOwnRecords()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    const QString reason = QStringLiteral("Vaccinazione antirabbica - richiamo 1/2");
    TestSupport::writeFile(DeadlineRecord::path(u"2024"),
        deadlines({
            { .dettagli = reason, .more = { { D::Note, QStringLiteral("prima") } } },
            { .dettagli = reason + QStringLiteral(" bis"), .more = { { D::Note, QStringLiteral("seconda") } } },
            { .dettagli = reason, .effettuata = true, .more = { { D::Note, QStringLiteral("pagata") } } },
        }));
    for (int row = 0; row < 2; ++row) {
        TfrmConfermati w;
        w.show();
        QCOMPARE(w.lstRecords->count(), 2);
        QCOMPARE(w.lstRecords->text(0), w.lstRecords->text(1));
        w.lstRecords->setCurrentRow(row);
        w.pickCommand();
        QCOMPARE(editor.text(D::Note), row == 0 ? QStringLiteral("prima") : QStringLiteral("seconda"));
        QCOMPARE(editor.lblPosizione->text(), QString::number(row + 1));
    }
}

void TestDeadlineWindows::findNextWrapsRound()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    MessageRecorder boxes;
    {
        TfrmNonConfermati empty;
        empty.show();
        empty.txtTrova->setText(QStringLiteral("x"));
        empty.findCommand();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
        QCOMPARE(boxes.lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    }
    TestSupport::writeFile(DeadlineRecord::path(u"2024"),
        deadlines({
            { .dettagli = QStringLiteral("Alfa"), .nome = QStringLiteral("Pluto") },
            { .dettagli = QStringLiteral("Beta") },
            { .dettagli = QStringLiteral("Gamma"), .nome = QStringLiteral("PLUTO") },
        }));
    TfrmConfermati w;
    w.show();
    w.txtTrova->setText(QStringLiteral("pluto"));
    QList<int> selected;
    for (int i = 0; i < 3; ++i) {
        w.findCommand();
        selected << w.lstRecords->currentRow();
    }
    QCOMPARE(selected, (QList<int> { 0, 2, 0 }));
    w.txtTrova->setText(QStringLiteral("nessuno"));
    w.findCommand();
    QCOMPARE(w.lstRecords->currentRow(), 0);
    QCOMPARE(boxes.count(), 1);
}

void TestDeadlineWindows::searchFiltersIntersect_data()
{
    QTest::addColumn<QStringList>("filters"); // "name=text"
    QTest::addColumn<QStringList>("owners");
    QTest::addColumn<QString>("conta");

    QTest::newRow("no filter lists all") << QStringList {} << QStringList { "Aldo", "Bruno", "Carla", "Dario" } << "0";
    QTest::newRow("/03/ gives March") << QStringList { "txtData=/03/" } << QStringList { "Aldo", "Carla" } << "1";
    QTest::newRow("2023 gives that year") << QStringList { "txtData=2023" } << QStringList { "Dario" } << "1";
    QTest::newRow("09: gives 09:xx") << QStringList { "txtOra=09:" } << QStringList { "Aldo", "Bruno" } << "1";
    QTest::newRow("lower case finds mixed case")
        << QStringList { "txtProprietario=carla" } << QStringList { "Carla" } << "1";
    QTest::newRow("two filters intersect")
        << QStringList { "txtData=/03/", "txtOra=09:" } << QStringList { "Aldo" } << "2";
    QTest::newRow("blank-only filter not counted")
        << QStringList { "txtNote=   ", "txtOra=09:" } << QStringList { "Aldo", "Bruno" } << "1";
    QTest::newRow("trailing blank counts and matches as typed")
        << QStringList { "txtDettagli=Vaccino " } << QStringList { "Bruno" } << "1";
}

void TestDeadlineWindows::searchFiltersIntersect()
{
    QFETCH(QStringList, filters);
    QFETCH(QStringList, owners);
    QFETCH(QString, conta);
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    TestSupport::writeFile(DeadlineRecord::path(u"2024"),
        deadlines({
            { .data = QStringLiteral("05/03/2024"),
                .ora = QStringLiteral("09:10"),
                .proprietario = QStringLiteral("Aldo") },
            { .data = QStringLiteral("05/04/2024"),
                .ora = QStringLiteral("09:59"),
                .dettagli = QStringLiteral("Vaccino annuale"),
                .proprietario = QStringLiteral("Bruno") },
            { .data = QStringLiteral("12/03/2024"),
                .ora = QStringLiteral("10:09"),
                .proprietario = QStringLiteral("CaRLA") },
            { .data = QStringLiteral("01/01/2023"),
                .ora = QStringLiteral("19:00"),
                .proprietario = QStringLiteral("Dario") },
        }));
    TfrmTrovaScadenzario w;
    w.lblMemory->setText(QStringLiteral("Scadenzario"));
    w.show();
    for (const QString &filter : filters) {
        const qsizetype at = filter.indexOf(QLatin1Char('='));
        auto *edit = w.findChild<QLineEdit *>(filter.left(at));
        QVERIFY(edit);
        edit->setText(filter.mid(at + 1));
    }
    w.searchCommand();
    QCOMPARE(w.lblConta->text(), conta);
    QStringList found;
    for (const QString &line : w.listedLines())
        found << line.mid(68, 28).trimmed();
    found.sort(Qt::CaseInsensitive);
    QStringList expected = owners;
    for (QString &o : expected)
        o = o == QLatin1String("Carla") ? QStringLiteral("CaRLA") : o;
    QCOMPARE(found, expected);
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente elenco contiene %1 schede.").arg(owners.size()));
}

void TestDeadlineWindows::searchLoadsOnlyInScadenzarioMode()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    TestSupport::writeFile(DeadlineRecord::path(u"2024"),
        deadlines({ { .proprietario = QStringLiteral("Aldo") }, { .proprietario = QStringLiteral("Bruno") } }));
    for (const QString &mode : { QStringLiteral("scadenzario"), QStringLiteral("Scadenzario") }) {
        TfrmTrovaScadenzario w;
        w.lblMemory->setText(mode);
        w.show();
        w.txtProprietario->setText(QStringLiteral("bruno"));
        w.searchCommand();
        QCOMPARE(w.lstRecords->count(), 1);
        w.lstRecords->setCurrentRow(0);
        w.pickCommand();
        QVERIFY(!w.isVisible());
        const bool loads = mode == QLatin1String("Scadenzario");
        QCOMPARE(editor.text(D::Proprietario), loads ? QStringLiteral("Bruno") : QString());
        QCOMPARE(editor.lblPosizione->text(), loads ? QStringLiteral("2") : QString());
    }
}

void TestDeadlineWindows::searchOfUnreadableYearKeepsFilterPage()
{
    TempProgramFolder folder;
    Editor editor;
    editor.openYear(QStringLiteral("2024"));
    QVERIFY(QDir().mkpath(DeadlineRecord::path(u"2024"))); // a folder where the year file should be
    MessageRecorder boxes;
    TfrmTrovaScadenzario w;
    w.lblMemory->setText(QStringLiteral("Scadenzario"));
    w.show();
    w.searchCommand();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
    QVERIFY(boxes.lastText().startsWith(QStringLiteral("Attenzione: il sistema non permette di accedere")));
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(!w.panContainer->isVisible());
}

void TestDeadlineWindows::cardHoldsEditorValues()
{
    Editor editor;
    // A new record: nothing chosen, the reset time and cost.
    editor.set(D::Anno, QStringLiteral("2024"));
    editor.set(D::OreApp, QStringLiteral("00"));
    editor.set(D::MinutiApp, QStringLiteral("00"));
    editor.set(D::Costo, QStringLiteral("0,00"));
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
    InfoSheet::Values v = DeadlineCard::values(&editor.window, now);
    QCOMPARE(v.title, QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO"));
    QCOMPARE(v.captions.size(), InfoSheet::Rows);
    QCOMPARE(v.values.at(0), QStringLiteral("  2024"));
    QCOMPARE(v.values.at(1), QStringLiteral("00:00"));
    QCOMPARE(v.values.at(15), QStringLiteral("0,00"));
    QCOMPARE(v.values.at(18), QStringLiteral("No"));
    QCOMPARE(v.values.at(19), QStringLiteral("No"));
    for (int row = 20; row < 24; ++row) {
        QCOMPARE(v.captions.at(row), QStringLiteral(" "));
        QCOMPARE(v.values.at(row), QStringLiteral(" "));
    }
    QCOMPARE(v.captions.at(14), QStringLiteral("Modalit\u00E0 di pagamento:"));
    QCOMPARE(v.footer, QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 14:07:09"));

    // A loaded record with an edited, unsaved cost; trimmed texts.
    editor.set(D::Giorno, QStringLiteral("05"));
    editor.set(D::Mese, QStringLiteral("Marzo "));
    editor.set(D::Costo, QStringLiteral(" 45,50"));
    editor.check(D::Effettuata, true);
    v = DeadlineCard::values(&editor.window, now);
    QCOMPARE(v.values.at(0), QStringLiteral("05 Marzo 2024"));
    QCOMPARE(v.values.at(15), QStringLiteral("45,50"));
    QCOMPARE(v.values.at(18), QStringLiteral("No"));
    QCOMPARE(v.values.at(19), QStringLiteral("S\u00EC"));
}

void TestDeadlineWindows::cardPrintsEditorValues()
{
    TempProgramFolder folder;
    Editor editor;
    editor.set(D::Giorno, QStringLiteral("05"));
    editor.set(D::Mese, QStringLiteral("Marzo"));
    editor.set(D::Anno, QStringLiteral("2024"));
    editor.set(D::Proprietario, QStringLiteral("Verdi Anna"));
    editor.set(D::Dettagli, QStringLiteral("Saldo pensione"));
    editor.set(D::Costo, QStringLiteral("120,50"));
    editor.check(D::DaConfermare, true);
    PrintToFile printer;
    printer.path = folder.file(QStringLiteral("card.pdf"));
    MessageRecorder boxes;
    DeadlineCard::print(&editor.window);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(printer.shown, 1);
    const QString text = pdfText(printer.path);
    for (const char *expected : { "SCHEDA SCADENZA / APPUNTAMENTO", "05 Marzo 2024", "Verdi Anna", "Saldo pensione",
             "120,50", "Appuntamento da confermare:", "Modalità di pagamento:", "Stampa eseguita in data" })
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);

    // A cancelled dialog prints nothing and says nothing.
    QFile::remove(printer.path);
    printer.accept = false;
    DeadlineCard::print(&editor.window);
    QVERIFY(!QFileInfo::exists(printer.path));
    QCOMPARE(boxes.count(), 0);
}

QTEST_MAIN(TestDeadlineWindows)
#include "tst_deadlinewindows.moc"
