// The dog cost ledger window, driven as the user drives it: opened from the
// dog editor's "Annota costi" (after its three checks), the list and total of
// the ledger, add and edit with their saves, the mandatory fields, the date
// picture, find and the printed summary, and the bad ledgers (a folder in its
// place, a damaged amount) that must never lose or rewrite a stored cost.

#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/report/ReportOutput.h"
#include "common/ui/Application.h"
#include "common/ui/ListWindow.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "dogs/CostiCane.h"
#include "dogs/core/DogCostRecord.h"
#include "tests/support/EditorConformance.h"
#include "tests/support/FixtureData.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

QByteArray cost(const QString &date, const QString &reason, const QString &amount)
{
    RecordBuffer r(DogCostRecord::layout());
    r.setText(DogCostRecord::Data, date);
    r.setText(DogCostRecord::Causale, reason);
    r.setText(DogCostRecord::Pagatore, QStringLiteral("Pensione"));
    r.setText(DogCostRecord::Beneficiario, QStringLiteral("Dott. Bello"));
    r.setText(DogCostRecord::Importo, amount);
    return r.bytes();
}

QString field(const QByteArray &file, int record, int f)
{
    RecordBuffer r(DogCostRecord::layout());
    r.bytes() = file.mid(record * 122, 122);
    return r.text(f);
}

} // namespace

class TestCostiCane : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void editorChecksBeforeOpening_data();
    void editorChecksBeforeOpening();
    void editorOpensTheLedgerOfItsDog();
    void ledgerWithoutCostsIsCreatedEmpty();
    void listAndTotal();
    void addThenSaveGrowsByOneRecord();
    void saveNormalisesAmountNotLeft();
    void mandatoryFields_data();
    void mandatoryFields();
    void editOfIdenticalLinesEditsItsOwnRecord();
    void editNeedsListAndSelection();
    void datePictureWritesTodayOnly();
    void findSelectsMatchingLine();
    void printedSummaryEndsWithTotal();
    void amountEditFiltersAndNormalises();
    void costEditorConformsToItsRecord();
    void folderInPlaceOfLedgerReported();
    void damagedAmountKeepsListAndFile();

private:
    // Opens the ledger window of dog 3 (not modal), owned by the editor.
    TfrmCostiCane &openLedger();

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_boxes;
    std::unique_ptr<TfrmCani> m_editor;
    std::unique_ptr<TfrmCostiCane> m_window;
};

void TestCostiCane::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MessageRecorder>();
    m_editor = std::make_unique<TfrmCani>();
    WindowRegistry::set(QLatin1String(WindowNames::frmCani), m_editor.get());
    m_editor->show();
    m_editor->txtNome->setText(QStringLiteral("Briciola "));
    m_editor->txtRazza->setText(QStringLiteral(" Bassotto"));
    m_editor->lblPosizione->setText(QStringLiteral("3"));
}

void TestCostiCane::cleanup()
{
    m_window.reset();
    WindowRegistry::clear();
    m_editor.reset();
    m_boxes.reset();
    m_folder.reset();
}

TfrmCostiCane &TestCostiCane::openLedger()
{
    m_window = std::make_unique<TfrmCostiCane>(m_editor.get());
    m_window->show();
    return *m_window;
}

void TestCostiCane::editorChecksBeforeOpening_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("breed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    QTest::newRow("dog not stored, name and breed given")
        << ""
        << "Briciola"
        << "Bassotto"
        << QStringLiteral("Attenzione: la gestione dei costi pu\u00F2 avvenire soltanto dopo che la scheda del cane "
                          "\u00E8 stata salvata in archivio.")
        << "";
    QTest::newRow("no name") << "3"
                             << "  "
                             << "Bassotto"
                             << QStringLiteral("Attenzione: per accedere alla gestione dei costi \u00E8 necessario "
                                               "indicare il nome del cane.")
                             << "txtNome";
    QTest::newRow("no breed") << "3"
                              << "Briciola"
                              << ""
                              << QStringLiteral("Attenzione: per accedere alla gestione dei costi \u00E8 necessario "
                                                "indicare la razza del cane.")
                              << "txtRazza";
}

void TestCostiCane::editorChecksBeforeOpening()
{
    QFETCH(QString, position);
    QFETCH(QString, name);
    QFETCH(QString, breed);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    TfrmCani &w = *m_editor;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.lblPosizione->setText(position);
    w.txtNome->setText(name);
    w.txtRazza->setText(breed);
    w.showTab(TfrmCani::Tab::Documenti);
    QVERIFY(w.btnCosti->isEnabled());
    QTest::mouseClick(w.btnCosti, Qt::LeftButton);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(), warning);
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Costi_Cane_3.pro"))));
}

void TestCostiCane::editorOpensTheLedgerOfItsDog()
{
    writeFile(DogCostRecord::path(QStringLiteral("3")),
        cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,50")));
    QString title, total;
    QWidget *owner = nullptr;
    onNextModal([&](QWidget *modal) {
        auto *ledger = qobject_cast<TfrmCostiCane *>(modal);
        QVERIFY(ledger);
        owner = ledger->parentWidget();
        title = ledger->lblTitolo->text();
        total = ledger->lblTotale->text();
        ledger->btnChiudi->click();
    });
    m_editor->btnCosti->click();
    QCOMPARE(owner, static_cast<QWidget *>(m_editor.get()));
    QCOMPARE(title, QStringLiteral("Briciola  -  Razza: Bassotto"));
    QCOMPARE(total, QStringLiteral("\u20AC 10,50"));
    QCOMPARE(m_boxes->count(), 0);
    QVERIFY(m_editor->findChildren<TfrmCostiCane *>().isEmpty()); // freed after the visit
}

void TestCostiCane::ledgerWithoutCostsIsCreatedEmpty()
{
    TfrmCostiCane &w = openLedger();
    const QString path = m_folder->file(QStringLiteral("Costi_Cane_3.pro"));
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(w.lblFile->text(), path);
    QCOMPARE(w.lstRecords->count(), 0);
    QCOMPARE(w.lblTotale->text(), QStringLiteral("\u20AC 0,00"));
    QVERIFY(w.panContainer->isVisible());
    QVERIFY(!w.panCosti->isVisible());
    QCOMPARE(m_boxes->count(), 0);
}

void TestCostiCane::listAndTotal()
{
    writeFile(DogCostRecord::path(QStringLiteral("3")),
        cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,5"))
            + cost(QStringLiteral("02/03/2025"), QStringLiteral("Crocchette"), QStringLiteral("2,25")));
    TfrmCostiCane &w = openLedger();
    QCOMPARE(w.lstRecords->count(), 2);
    QCOMPARE(w.lblTotale->text(), QStringLiteral("\u20AC 12,75"));
    // Each column padded to its width: payer 26, payee 26, reason 40.
    const QString expected = QStringLiteral("Data: 01/03/2025   Da: Pensione") + QString(18, QLatin1Char(' '))
        + QStringLiteral("   A: Dott. Bello") + QString(15, QLatin1Char(' ')) + QStringLiteral("  Causale: Visita")
        + QString(34, QLatin1Char(' ')) + QStringLiteral("  Costo: \u20AC 10,5");
    QCOMPARE(w.lstRecords->text(0), expected);
    QCOMPARE(w.lstRecords->record(1), 2);
    QCOMPARE(w.lstRecords->currentRow(), -1);
}

void TestCostiCane::addThenSaveGrowsByOneRecord()
{
    const QString path = DogCostRecord::path(QStringLiteral("3"));
    writeFile(path, cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("5,00")));
    TfrmCostiCane &w = openLedger();
    w.lblPosizione->setText(QStringLiteral("1")); // left from an earlier edit
    QTest::mouseClick(w.btnAggiungi, Qt::LeftButton);
    QVERIFY(w.panCosti->isVisible());
    QVERIFY(!w.panContainer->isVisible());
    QCOMPARE(w.txtImporto->text(), QStringLiteral("0,00"));
    QVERIFY(w.lblPosizione->text().isEmpty());
    w.txtData->setText(QStringLiteral("04/03/2025"));
    w.txtCausale->setText(QStringLiteral("Toelettatura"));
    w.txtPagatore->setText(QStringLiteral("Rossi"));
    w.txtBeneficiario->setText(QStringLiteral("Pelo & Co."));
    w.txtImporto->setText(QStringLiteral("30"));

    QTest::mouseClick(w.btnSalva, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), TfrmCostiCane::kAdded);
    QCOMPARE(QFileInfo(path).size(), 244);
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("2"));
    QVERIFY(w.panCosti->isVisible()); // the editor stays

    w.txtCausale->setText(QStringLiteral("Bagno"));
    QTest::mouseClick(w.btnSalva, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), TfrmCostiCane::kChanged);
    QCOMPARE(QFileInfo(path).size(), 244);
    const QByteArray file = readFile(path);
    QCOMPARE(file.left(122), cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("5,00")));
    QCOMPARE(field(file, 1, DogCostRecord::Causale), QStringLiteral("Bagno"));
    QCOMPARE(field(file, 1, DogCostRecord::Importo), QStringLiteral("30,00"));
}

void TestCostiCane::saveNormalisesAmountNotLeft()
{
    // A save reached without leaving the amount (Enter on the focused
    // button) stores the amount normalised all the same.
    TfrmCostiCane &w = openLedger();
    w.addCommand();
    w.txtData->setText(QStringLiteral("04/03/2025"));
    w.txtCausale->setText(QStringLiteral("Visita"));
    w.txtPagatore->setText(QStringLiteral("Rossi"));
    w.txtBeneficiario->setText(QStringLiteral("Dott. Bello"));
    w.txtImporto->setText(QStringLiteral("12,5,3"));
    w.saveCommand();
    QCOMPARE(m_boxes->lastText(), TfrmCostiCane::kAdded);
    const QByteArray file = readFile(DogCostRecord::path(QStringLiteral("3")));
    QCOMPARE(field(file, 0, DogCostRecord::Importo), QStringLiteral("0,00"));
    QCOMPARE(w.txtImporto->text(), QStringLiteral("0,00"));
}

void TestCostiCane::mandatoryFields_data()
{
    QTest::addColumn<QString>("empty");
    QTest::addColumn<QString>("warning");
    const QString prefix = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
    QTest::newRow("date") << "txtData" << prefix + "la data del costo sostenuto.";
    QTest::newRow("reason") << "txtCausale" << prefix + "la causale del costo.";
    QTest::newRow("payer") << "txtPagatore" << prefix + "il nome del pagatore.";
    QTest::newRow("payee") << "txtBeneficiario" << prefix + "il nome del beneficiario.";
    QTest::newRow("amount") << "txtImporto" << prefix + "l'importo pagato.";
}

void TestCostiCane::mandatoryFields()
{
    QFETCH(QString, empty);
    QFETCH(QString, warning);
    TfrmCostiCane &w = openLedger();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.addCommand();
    for (QLineEdit *e : { w.txtData, w.txtCausale, w.txtPagatore, w.txtBeneficiario, w.txtImporto })
        e->setText(e->objectName() == empty ? QStringLiteral("   ") : QStringLiteral("1"));
    w.saveCommand();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(), warning);
    QCOMPARE(QApplication::focusWidget()->objectName(), empty);
    QCOMPARE(QFileInfo(DogCostRecord::path(QStringLiteral("3"))).size(), 0);
}

void TestCostiCane::editOfIdenticalLinesEditsItsOwnRecord()
{
    const QString path = DogCostRecord::path(QStringLiteral("3"));
    const QByteArray same = cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,00"));
    writeFile(path, same + same);
    TfrmCostiCane &w = openLedger();
    QCOMPARE(w.lstRecords->text(0), w.lstRecords->text(1));
    w.lstRecords->setCurrentRow(0);
    QTest::mouseClick(w.btnModifica, Qt::LeftButton);
    QVERIFY(w.panCosti->isVisible());
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(w.txtCausale->text(), QStringLiteral("Visita"));
    QCOMPARE(w.txtImporto->text(), QStringLiteral("10,00"));
    w.txtCausale->setText(QStringLiteral("Richiamo"));
    w.saveCommand();
    QCOMPARE(m_boxes->lastText(), TfrmCostiCane::kChanged);
    const QByteArray file = readFile(path);
    QCOMPARE(file.size(), 244);
    QCOMPARE(field(file, 0, DogCostRecord::Causale), QStringLiteral("Richiamo"));
    QCOMPARE(file.mid(122), same);
}

void TestCostiCane::editNeedsListAndSelection()
{
    TfrmCostiCane &w = openLedger();
    w.editCommand();
    QCOMPARE(m_boxes->lastKind(), Kind::Information);
    QCOMPARE(m_boxes->lastText(), TfrmCostiCane::kEditEmptyList);
    m_window.reset();

    writeFile(DogCostRecord::path(QStringLiteral("3")),
        cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,00")));
    TfrmCostiCane &again = openLedger();
    again.editCommand();
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(), TfrmCostiCane::kEditNoSelection);
    QVERIFY(again.panContainer->isVisible());
}

void TestCostiCane::datePictureWritesTodayOnly()
{
    const Clock::Fixed clock(QDateTime(QDate(2026, 2, 9), QTime(10, 0)));
    TfrmCostiCane &w = openLedger();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.addCommand();
    w.txtCausale->setFocus();
    QTest::mouseClick(w.impData, Qt::LeftButton);
    QCOMPARE(w.txtData->text(), QStringLiteral("09/02/2026"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.txtCausale));
}

void TestCostiCane::findSelectsMatchingLine()
{
    writeFile(DogCostRecord::path(QStringLiteral("3")),
        cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,00"))
            + cost(QStringLiteral("02/03/2025"), QStringLiteral("Crocchette"), QStringLiteral("3,00")));
    TfrmCostiCane &w = openLedger();
    w.txtTrova->setText(QStringLiteral("crocchette"));
    QTest::mouseClick(w.btnTrova, Qt::LeftButton);
    QCOMPARE(w.lstRecords->currentRow(), 1);
    m_window.reset();

    // An empty list: the find is not applicable.
    writeFile(DogCostRecord::path(QStringLiteral("3")), QByteArray());
    TfrmCostiCane &empty = openLedger();
    empty.findCommand();
    QCOMPARE(m_boxes->lastKind(), Kind::Plain);
    QCOMPARE(m_boxes->lastText(), SearchMatch::kFindNotApplicable);
}

void TestCostiCane::printedSummaryEndsWithTotal()
{
    TfrmCostiCane &w = openLedger();
    QCOMPARE(w.printTitle(), QStringLiteral("Riepilogo costi sostenuti per Briciola  -  Razza: Bassotto"));
    QCOMPARE(w.printLines(),
        QStringList(
            { QStringLiteral("--------------------------"), QStringLiteral("TOTALE COSTI:      \u20AC 0,00") }));
    m_window.reset();

    writeFile(DogCostRecord::path(QStringLiteral("3")),
        cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,5")));
    TfrmCostiCane &one = openLedger();
    const QStringList lines = one.printLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.first(), one.lstRecords->text(0));
    QCOMPARE(lines.last(), QStringLiteral("TOTALE COSTI:      \u20AC 10,50"));

    // "Stampa riepilogo" prints them through the print dialog.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString pdf = m_folder->file(QStringLiteral("riepilogo.pdf"));
    {
        PrintToFile dialog;
        dialog.path = pdf;
        QTest::mouseClick(one.btnStampa, Qt::LeftButton);
    }
    QCOMPARE(m_boxes->count(), 0);
    QProcess process;
    process.start(pdftotext, { QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    QVERIFY2(
        text.contains(QStringLiteral("Riepilogo costi sostenuti per Briciola - Razza: Bassotto")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Causale: Visita")));
    QVERIFY(text.contains(QStringLiteral("TOTALE COSTI: \u20AC 10,50")));
}

void TestCostiCane::amountEditFiltersAndNormalises()
{
    TfrmCostiCane &w = openLedger();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.addCommand();
    w.txtImporto->setFocus();
    w.txtImporto->selectAll();
    QTest::keyClicks(w.txtImporto, QStringLiteral("1a2,-5"));
    QCOMPARE(w.txtImporto->text(), QStringLiteral("12,5"));
    QTest::keyClick(w.txtImporto, Qt::Key_Tab); // refused: the focus stays
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.txtImporto));
    QTest::keyClick(w.txtImporto, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.txtData));
    QCOMPARE(w.txtImporto->text(), QStringLiteral("12,50"));
}

void TestCostiCane::folderInPlaceOfLedgerReported()
{
    const QString path = DogCostRecord::path(QStringLiteral("3"));
    QVERIFY(QDir().mkpath(path));
    TfrmCostiCane &w = openLedger();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(), kArchiveAccessMessage);
    QCOMPARE(w.lblTotale->text(), QStringLiteral("0,00"));

    w.addCommand();
    for (QLineEdit *e : { w.txtData, w.txtCausale, w.txtPagatore, w.txtBeneficiario, w.txtImporto })
        e->setText(QStringLiteral("1"));
    w.saveCommand();
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(), kArchiveAccessMessage);
    QVERIFY(w.lblPosizione->text().isEmpty());
    QVERIFY(QFileInfo(path).isDir());
}

void TestCostiCane::damagedAmountKeepsListAndFile()
{
    // A damaged amount between two sound costs: every cost is listed, the
    // damaged one counted as 0, and opening rewrites nothing.
    const QString path = DogCostRecord::path(QStringLiteral("3"));
    const QByteArray bytes = cost(QStringLiteral("01/03/2025"), QStringLiteral("Visita"), QStringLiteral("10,5"))
        + cost(QStringLiteral("02/03/2025"), QStringLiteral("Guasto"), QStringLiteral("1,2,3"))
        + cost(QStringLiteral("03/03/2025"), QStringLiteral("Crocchette"), QStringLiteral("2,25"))
        + QByteArray(61, 'x'); // and a torn tail
    writeFile(path, bytes);
    TfrmCostiCane &w = openLedger();
    QCOMPARE(w.lstRecords->count(), 3);
    QCOMPARE(w.lblTotale->text(), QStringLiteral("\u20AC 12,75"));
    QCOMPARE(m_boxes->count(), 0);
    w.lstRecords->setCurrentRow(2);
    w.editCommand();
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(w.txtCausale->text(), QStringLiteral("Crocchette"));
    m_window.reset();
    QCOMPARE(readFile(path), bytes);
}

void TestCostiCane::costEditorConformsToItsRecord()
{
    TfrmCostiCane &w = openLedger();
    w.addCommand();
    const EditorConformance::Table table = {
        { QStringLiteral("Data"), QStringLiteral("txtData"), QStringLiteral("txtCausale") },
        { QStringLiteral("Causale"), QStringLiteral("txtCausale"), QStringLiteral("txtPagatore") },
        { QStringLiteral("Pagatore"), QStringLiteral("txtPagatore"), QStringLiteral("txtBeneficiario") },
        { QStringLiteral("Beneficiario"), QStringLiteral("txtBeneficiario"), QStringLiteral("txtImporto") },
        { QStringLiteral("Importo"), QStringLiteral("txtImporto"), QStringLiteral("txtData") },
    };
    const QByteArray golden
        = FixtureData::bytes(FixtureData::file(QStringLiteral("dogcosts"), QStringLiteral("golden")));
    const QStringList failures = EditorConformance::check(&w, DogCostRecord::layout(), table, golden);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCostiCane)
#include "tst_costicane.moc"
