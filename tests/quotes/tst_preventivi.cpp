// The quote editor and its year chooser: the controls against the quote
// record, the amount edits' keys, normalisers and clamps, the descriptions'
// filter, the row pages, the issuing company's settings, save, new and
// browsing with their messages, the hint line and the windows its commands
// open.
#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/MenuPreventivi.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteControls.h"
#include "quotes/core/IssuerSettings.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/EditorConformance.h"
#include "tests/support/FixtureData.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

const QString kYear = QStringLiteral("2025");
const QString kArchiveMessage
    = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                     "privilegi di scrittura nella cartella di installazione del programma.");

// Enter successors of the editor, by control.
QString successorOf(const QString &control)
{
    static const QHash<QString, QString> header = {
        { "txtDitta", "txtViaDitta" },
        { "txtViaDitta", "txtCapDitta" },
        { "txtCapDitta", "txtCittaDitta" },
        { "txtCittaDitta", "txtProvDitta" },
        { "txtProvDitta", "txtIvaDitta" },
        { "txtIvaDitta", "txtCodFiscDitta" },
        { "txtCodFiscDitta", "txtLibero01" },
        { "txtLibero01", "txtLibero02" },
        { "txtLibero02", "txtCliente" },
        { "txtCliente", "txtViaCliente" },
        { "txtViaCliente", "txtCapCliente" },
        { "txtCapCliente", "txtCittaCliente" },
        { "txtCittaCliente", "txtProvCliente" },
        { "txtProvCliente", "txtIvaCliente" },
        { "txtIvaCliente", "txtCodFiscCliente" },
        { "txtCodFiscCliente", "txtRiferimenti" },
        { "txtRiferimenti", "txtNumFatt" },
        { "txtNumFatt", "txtData" },
        { "txtData", "txtPagamento" },
        { "txtPagamento", "txtBanca" },
        { "txtBanca", "txtIban" },
        { "txtIban", "txtNote" },
        { "txtNote", "txtDitta" },
        { "txtPercIva", "txtNote" },
    };
    if (header.contains(control))
        return header.value(control);
    const QString nn = control.right(2);
    const QString stem = control.chopped(2);
    const QHash<QString, QString> row = { { "txtQuant", "txtCodice" }, { "txtCodice", "txtDesc" },
        { "txtDesc", "txtPrezzo" }, { "txtPrezzo", "txtPercSconto" }, { "txtPercSconto", "chkEs" } };
    return row.contains(stem) ? row.value(stem) + nn : QString();
}

// The whole record: every field, its control and its successor; the rows of
// `page` only (1..6) when page > 0, with the header on page 1.
EditorConformance::Table table(int page = 0)
{
    EditorConformance::Table t;
    const RecordLayout &layout = QuoteRecord::layout();
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const QString control = QuoteControls::name(f);
        const bool rowControl = f >= QuoteRecord::Quant01 && f < QuoteRecord::TotImponibile;
        if (page > 0) {
            const int row = control.right(2).toInt();
            if (rowControl ? (row - 1) / 5 + 1 != page : page != 1)
                continue;
        }
        t.append({ layout.name(f), control, successorOf(control) });
    }
    return t;
}

struct Scene {
    TempProgramFolder folder;
    MessageRecorder boxes;
    Clock::Fixed clock { QDateTime(QDate(2025, 3, 14), QTime(9, 30)) };
    std::unique_ptr<TfrmPreventivi> w;

    explicit Scene(bool show = true)
    {
        w = std::make_unique<TfrmPreventivi>();
        WindowRegistry::set(QLatin1String(WindowNames::frmPreventivi), w.get());
        w->lblFile->setText(QuoteRecord::path(kYear));
        if (show)
            open();
    }
    ~Scene() { WindowRegistry::clear(); }
    void open()
    {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    QString file() const { return QuoteRecord::path(kYear); }
    QLineEdit *edit(const QString &name) const { return w->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return w->findChild<QLabel *>(name); }
    void fillMandatory()
    {
        w->txtCliente->setText(QStringLiteral("Rossi Mario"));
        w->txtNumFatt->setText(QStringLiteral("1"));
        w->txtData->setText(QStringLiteral("14/03/2025"));
    }
    void setLabels(const QString &text)
    {
        for (QLabel *l : w->totals())
            l->setText(text);
        for (QLabel *l : w->txtImporto)
            l->setText(text);
    }
};

// A price-list service offered for import into a quote row.
QByteArray service(const QString &code, const QString &price)
{
    RecordBuffer r(ServiceRecord::layout());
    r.setText(ServiceRecord::Codice, code);
    r.setText(ServiceRecord::Descrizione, QStringLiteral("Toelettatura"));
    r.setText(ServiceRecord::Prezzo, price);
    r.setText(ServiceRecord::NonErogabile, u"No");
    return r.bytes();
}

QByteArray quoteRecord(const QString &customer)
{
    RecordBuffer r(QuoteRecord::layout());
    r.clear();
    r.setText(QuoteRecord::Cliente, customer);
    r.setText(QuoteRecord::rowField(QuoteRecord::Importo01, 1), QStringLiteral("12,00"));
    r.setFlag(QuoteRecord::Saldata, true);
    for (int i = 1; i <= 30; ++i)
        r.setFlag(QuoteRecord::rowField(QuoteRecord::Es01, i), false);
    return r.bytes();
}

void typeText(QWidget *edit, const QString &text)
{
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
    }
}

void moveOver(QWidget *widget, QPoint at = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestPreventivi : public QObject
{
    Q_OBJECT
private slots:
    void controlsMatchRecord();
    void typingAndEnterPageByPage();
    void amountKeysEmptyTheResults_data();
    void amountKeysEmptyTheResults();
    void enterInVatRateEmptiesTotalsOnly();
    void enterInQuantityNormalisesAndMoves();
    void enterChainEndsAtExemptBox();
    void lengthClampsOfTwoEdits_data();
    void lengthClampsOfTwoEdits();
    void overlongPasteInsertsNothing();
    void descriptionRefusesTypedCharacters();
    void provincesAndVatNumbers();
    void paging_data();
    void paging();
    void settingsReadOnShowWrittenOnClose();
    void failedSettingsWriteReportedAndWindowCloses();
    void saveAppendsThenOverwrites();
    void extraDogDataSavedAtItsOffsets();
    void saveAppendsAfterWholeRecords();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void calculationThroughTheWindow();
    void failedCalculationStopsSave();
    void numberThatFieldWouldCutRefused();
    void unopenableYearFileWarnsAndKeepsPosition();
    void newProposesStartPlusCount();
    void newWithBadStartEmptiesAndReports();
    void browsingEmptyFile();
    void failedNextKeepsPositionSoSaveStillWorks();
    void browsingKeepsPageAndStoredTexts();
    void hintSequence();
    void checkersByContent_data();
    void checkersByContent();
    void commandsPreloadTheirWindows();
    void ownerPickerFillsCustomer();
    void chooserRefusesNonYears_data();
    void chooserRefusesNonYears();
    void chooserOpensEditorOnYear();
};

void TestPreventivi::controlsMatchRecord()
{
    Scene s;
    const QByteArray golden = FixtureData::bytes(FixtureData::file(QStringLiteral("quotes"), QStringLiteral("golden")));
    const QStringList failures = EditorConformance::checkControls(s.w.get(), QuoteRecord::layout(), table())
        + EditorConformance::checkRoundTrip(s.w.get(), QuoteRecord::layout(), table(), golden);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestPreventivi::typingAndEnterPageByPage()
{
    // Row controls of hidden pages take no focus: each page is checked shown.
    Scene s;
    for (int page = 1; page <= TfrmPreventivi::kPages; ++page) {
        s.w->showPage(page);
        const QStringList failures = EditorConformance::checkTypingLimits(s.w.get(), QuoteRecord::layout(), table(page))
            + EditorConformance::checkEnterChain(s.w.get(), table(page));
        QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("page %1:\n").arg(page) + failures.join('\n')));
    }
}

void TestPreventivi::amountKeysEmptyTheResults_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after"); // the text, from "12" with the caret at the end
    const QStringList controls = { "txtQuant03", "txtPrezzo12", "txtPercSconto30", "txtPercIva" };
    for (const QString &c : controls) {
        const auto row
            = [&c](const char *what) -> QTestData & { return QTest::newRow(qPrintable(c + QLatin1Char(' ') + what)); };
        row("digit") << c << int(Qt::Key_5) << 0 << "125";
        row("comma") << c << int(Qt::Key_Comma) << 0 << "12,";
        row("point") << c << int(Qt::Key_Period) << 0 << "12";
        row("percent") << c << int(Qt::Key_Percent) << int(Qt::ShiftModifier) << "12";
        row("apostrophe") << c << int(Qt::Key_Apostrophe) << 0 << "12";
        row("letter") << c << int(Qt::Key_A) << 0 << "12";
        row("Tab") << c << int(Qt::Key_Tab) << 0 << "12";
        row("Ctrl+V") << c << int(Qt::Key_V) << int(Qt::ControlModifier) << "12";
        row("Backspace") << c << int(Qt::Key_Backspace) << 0 << "1";
        row("Left") << c << int(Qt::Key_Left) << 0 << "12";
    }
}

void TestPreventivi::amountKeysEmptyTheResults()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    Scene s;
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    QLineEdit *e = s.edit(control);
    const int row = control == QLatin1String("txtPercIva") ? 0 : control.right(2).toInt();
    if (row)
        s.w->showPage((row - 1) / 5 + 1);
    e->setFocus();
    e->setText(QStringLiteral("12"));
    s.setLabels(QStringLiteral("7,00"));
    QTest::keyClick(e, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(e->text(), after);
    QCOMPARE(QApplication::focusWidget(), e); // Tab does not leave
    for (QLabel *total : s.w->totals())
        QVERIFY(total->text().isEmpty());
    // Only the edit's own row loses its amount.
    for (int i = 0; i < TfrmPreventivi::kRows; ++i)
        QCOMPARE(s.w->txtImporto[i]->text().isEmpty(), i + 1 == row);
}

void TestPreventivi::enterInVatRateEmptiesTotalsOnly()
{
    Scene s;
    s.w->txtPercIva->setFocus();
    s.w->txtPercIva->setText(QStringLiteral("22,0"));
    s.setLabels(QStringLiteral("7,00"));
    QTest::keyClick(s.w->txtPercIva, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.w->txtNote);
    QCOMPARE(s.w->txtPercIva->text(), QStringLiteral("22"));
    for (QLabel *total : s.w->totals())
        QVERIFY(total->text().isEmpty());
    for (QLabel *amount : s.w->txtImporto)
        QCOMPARE(amount->text(), QStringLiteral("7,00"));
}

void TestPreventivi::enterInQuantityNormalisesAndMoves()
{
    Scene s;
    s.w->showPage(2);
    QLineEdit *quant = s.w->txtQuant[6];
    quant->setFocus();
    quant->setText(QStringLiteral("2,50"));
    s.w->txtImporto[6]->setText(QStringLiteral("5,00"));
    QTest::keyClick(quant, Qt::Key_Return);
    QCOMPARE(quant->text(), QStringLiteral("2,5"));
    QCOMPARE(QApplication::focusWidget(), s.w->txtCodice[6]);
    QVERIFY(EditKit::focusFrame(s.w->txtCodice[6])->isVisible());
    QVERIFY(s.w->txtImporto[6]->text().isEmpty());
    // Leaving for a context menu does not normalise.
    s.w->txtPrezzo[6]->setFocus();
    s.w->txtPrezzo[6]->setText(QStringLiteral("12"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(s.w->txtPrezzo[6], &popup);
    QCOMPARE(s.w->txtPrezzo[6]->text(), QStringLiteral("12"));
    s.w->txtPercSconto[6]->setFocus();
    QCOMPARE(s.w->txtPrezzo[6]->text(), QStringLiteral("12,00"));
}

void TestPreventivi::enterChainEndsAtExemptBox()
{
    Scene s;
    QLineEdit *discount = s.w->txtPercSconto[4];
    discount->setFocus();
    QTest::keyClick(discount, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.w->chkEs[4]);
    QTest::keyClick(s.w->chkEs[4], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.w->chkEs[4]);
    QVERIFY(!s.w->chkEs[4]->isChecked());
    QTest::keyClick(s.w->chkEs[4], Qt::Key_Space); // the box's own key
    QVERIFY(s.w->chkEs[4]->isChecked());
}

void TestPreventivi::lengthClampsOfTwoEdits_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::newRow("discount of row 10") << "txtPercSconto10"
                                        << "1000000"
                                        << "100000";
    QTest::newRow("discount of row 11") << "txtPercSconto11"
                                        << "1000000"
                                        << "1000000";
    QTest::newRow("price of row 02") << "txtPrezzo02"
                                     << "9999999999,00"
                                     << "9999999999";
    QTest::newRow("price of row 18") << "txtPrezzo18"
                                     << "9999999999,00"
                                     << "9999999999,00";
}

void TestPreventivi::lengthClampsOfTwoEdits()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, after);
    Scene s;
    QLineEdit *e = s.edit(control);
    s.w->showPage((control.right(2).toInt() - 1) / 5 + 1);
    e->setFocus();
    e->setText(text); // as a normaliser writes it
    QTest::keyClick(e, Qt::Key_Right);
    QCOMPARE(e->text(), after);
}

void TestPreventivi::overlongPasteInsertsNothing()
{
    Scene s;
    QLineEdit *quant = s.w->txtQuant[0];
    quant->setFocus();
    quant->setText(QStringLiteral("12"));
    quant->end(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("34567"));
    quant->paste(); // as the context menu does
    QCOMPARE(quant->text(), QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
    quant->paste();
    QCOMPARE(quant->text(), QStringLiteral("121.5"));
    s.w->txtCodice[0]->setFocus();
    QCOMPARE(quant->text(), QString()); // not a number
}

void TestPreventivi::descriptionRefusesTypedCharacters()
{
    Scene s;
    QLineEdit *desc = s.w->txtDesc[0];
    desc->setFocus();
    typeText(desc, QStringLiteral("Caff\u00E8 & biscotti"));
    QCOMPARE(desc->text(), QStringLiteral("Caff  biscotti"));
    desc->clear();
    typeText(desc, QStringLiteral("\u00C9\u00E7\u00F1\u00A3<>/\u20AC\u00FF\u00FD\u00C3'\"%"));
    QCOMPARE(desc->text(), QStringLiteral("\u20AC\u00FF\u00FD\u00C3'\"%"));
    // The code takes everything.
    s.w->txtCodice[0]->setFocus();
    typeText(s.w->txtCodice[0], QStringLiteral("&\u00E8/"));
    QCOMPARE(s.w->txtCodice[0]->text(), QStringLiteral("&\u00E8/"));
}

void TestPreventivi::provincesAndVatNumbers()
{
    Scene s;
    QComboBox *prov = s.w->txtProvCliente;
    prov->setFocus();
    QTest::keyClicks(prov->lineEdit(), QStringLiteral("mi"));
    QCOMPARE(prov->currentText(), QStringLiteral("MI"));
    QTest::keyClick(prov->lineEdit(), Qt::Key_Z);
    QCOMPARE(prov->currentText(), QStringLiteral("MI"));
    QCOMPARE(prov->count(), 112);
    // A customer province that arrives in lower case is upper-cased on leaving;
    // the company's is not.
    prov->setEditText(QStringLiteral("to"));
    s.w->txtProvDitta->setFocus();
    QCOMPARE(prov->currentText(), QStringLiteral("TO"));
    s.w->txtProvDitta->setEditText(QStringLiteral("mi"));
    s.w->txtIvaDitta->setFocus();
    QCOMPARE(s.w->txtProvDitta->currentText(), QStringLiteral("mi"));
    typeText(s.w->txtIvaDitta, QStringLiteral("0a1 2,3"));
    QTest::keyClick(s.w->txtIvaDitta, Qt::Key_Tab);
    QCOMPARE(s.w->txtIvaDitta->text(), QStringLiteral("0123"));
    QCOMPARE(QApplication::focusWidget(), s.w->txtIvaDitta);
    s.w->txtCodFiscCliente->setFocus();
    typeText(s.w->txtCodFiscCliente, QStringLiteral(" ab c"));
    QCOMPARE(s.w->txtCodFiscCliente->text(), QStringLiteral("ABC")); // a blank at either end goes at once
}

void TestPreventivi::paging_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("focus");
    QTest::newRow("forward from 1") << 1 << true << 2 << "txtQuant06";
    QTest::newRow("forward from 5") << 5 << true << 6 << "txtQuant26";
    QTest::newRow("back from 2") << 2 << false << 1 << "txtQuant01";
    QTest::newRow("back from 6") << 6 << false << 5 << "txtQuant21";
    QTest::newRow("no way back from 1") << 1 << false << 1 << "txtCliente";
    QTest::newRow("no way forward from 6") << 6 << true << 6 << "txtCliente";
}

void TestPreventivi::paging()
{
    QFETCH(int, from);
    QFETCH(bool, forward);
    QFETCH(int, shown);
    QFETCH(QString, focus);
    Scene s;
    s.w->showPage(from);
    s.w->txtCliente->setFocus();
    QLabel *arrow = (forward ? s.w->imgAvanti : s.w->imgIndietro)[from - 1];
    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(s.w->visiblePage(), shown);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestPreventivi::settingsReadOnShowWrittenOnClose()
{
    Scene s(false);
    writeFile(IssuerSettings::path(),
        "[Numerazione Preventivi]\r\nInizio=100\r\n[Ditta Emittente]\r\nNome=Rossi\r\nProvincia=mi\r\n"
        "Pagamento=Bonifico\r\nAliquota Iva=22\r\n");
    s.w->txtCliente->setText(QStringLiteral("old"));
    s.w->showPage(4);
    s.open();
    QCOMPARE(s.w->txtDitta->text(), QStringLiteral("Rossi"));
    QCOMPARE(s.w->txtProvDitta->currentText(), QStringLiteral("mi")); // kept by the clearing, lower case
    QCOMPARE(s.w->txtProvDitta->currentIndex(), -1);
    QCOMPARE(s.w->txtPercIva->text(), QStringLiteral("22"));
    QVERIFY(s.w->txtCliente->text().isEmpty());
    QCOMPARE(s.w->visiblePage(), 1);
    QCOMPARE(QApplication::focusWidget(), s.w->txtCliente);
    for (QLabel *l : s.w->totals())
        QVERIFY(l->text().isEmpty());

    s.w->txtViaDitta->setText(QStringLiteral("  Via Roma 1  "));
    QTest::mouseClick(s.w->btnCancDitta, Qt::LeftButton);
    QVERIFY(s.w->txtDitta->text().isEmpty());
    QVERIFY(s.w->txtProvDitta->currentText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), s.w->txtDitta);
    s.w->txtDitta->setText(QStringLiteral("  Bianchi  Srl "));
    s.w->close();
    QVERIFY(!s.w->isVisible());
    QCOMPARE(s.boxes.count(), 0);
    const QByteArray ini = readFile(IssuerSettings::path());
    QVERIFY(ini.contains("Inizio=100"));
    QVERIFY(ini.contains("Nome=Bianchi  Srl\r\n"));
    QVERIFY(ini.contains("Indirizzo=\r\n"));
    QVERIFY(ini.contains("Provincia=\r\n"));
    QVERIFY(ini.contains("Pagamento=Bonifico\r\n"));
    QVERIFY(ini.contains("Aliquota Iva=22\r\n"));
    QCOMPARE(IssuerSettings::read().size(), 13);
}

void TestPreventivi::failedSettingsWriteReportedAndWindowCloses()
{
    Scene s(false);
    QVERIFY(QDir().mkpath(IssuerSettings::path())); // a folder where the file should be
    s.w->txtDitta->setText(QStringLiteral("Rossi"));
    s.open();
    QCOMPARE(s.boxes.count(), 1);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Warning);
    QCOMPARE(s.boxes.lastText(), QString::fromUtf8(IssuerSettings::ReadFailure));
    QCOMPARE(s.w->txtDitta->text(), QStringLiteral("Rossi")); // left as it was
    s.w->close();
    QVERIFY(!s.w->isVisible());
    QCOMPARE(s.boxes.count(), 2);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Error);
    QCOMPARE(s.boxes.lastText(), QString::fromUtf8(IssuerSettings::WriteFailure));
    QVERIFY(QFileInfo(IssuerSettings::path()).isDir());
}

void TestPreventivi::saveAppendsThenOverwrites()
{
    Scene s;
    s.fillMandatory();
    // A price still being typed is normalised before the quote is stored.
    s.w->txtQuant[0]->setText(QStringLiteral("2"));
    s.w->txtPrezzo[0]->setFocus();
    QTest::keyClicks(s.w->txtPrezzo[0], QStringLiteral("12"));
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.lastText(), ArchiveEditor::kAppended);
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(QFileInfo(s.file()).size(), 4926);
    RecordBuffer stored(QuoteRecord::layout());
    ArchiveFile(s.file(), 4926).read(stored.bytes());
    QCOMPARE(stored.text(QuoteRecord::rowField(QuoteRecord::Prezzo01, 1)), QStringLiteral("12,00"));
    QCOMPARE(stored.text(QuoteRecord::rowField(QuoteRecord::Importo01, 1)), QStringLiteral("24,00"));
    QCOMPARE(stored.text(QuoteRecord::Saldata), QStringLiteral("No"));
    QVERIFY(!s.w->txtPrezzo[0]->hasFocus());

    s.w->chkSaldata->setChecked(true);
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.lastText(), ArchiveEditor::kOverwritten);
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(QFileInfo(s.file()).size(), 4926);
    ArchiveFile(s.file(), 4926).read(stored.bytes());
    QCOMPARE(stored.bytes().mid(4923, 3), QByteArray("\x02S\xEC"));
}

void TestPreventivi::extraDogDataSavedAtItsOffsets()
{
    Scene s;
    s.fillMandatory();
    const QStringList typed
        = { "Fido", "Beagle", "Tricolore", "380260000123456", "01/03/2025 10:00", "05/03/2025 18:00" };
    onNextModal([&](QWidget *m) {
        auto *extra = qobject_cast<TfrmDatiVeicolo *>(m);
        QVERIFY(extra);
        for (int i = 0; i < typed.size(); ++i)
            extra->edits[i]->setText(typed[i]);
        QTest::mouseClick(extra->btnApplica, Qt::LeftButton);
    });
    QTest::mouseClick(s.w->cmdDatiComputer, Qt::LeftButton);
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    const QByteArray record = readFile(s.file());
    QCOMPARE(record.size(), 4926);
    const int offsets[] = { 820, 871, 922, 973, 1024, 1075 };
    for (int i = 0; i < typed.size(); ++i) {
        QCOMPARE(int(quint8(record.at(offsets[i]))), int(typed[i].size()));
        QCOMPARE(record.mid(offsets[i] + 1, typed[i].size()), typed[i].toLatin1());
    }
}

void TestPreventivi::saveAppendsAfterWholeRecords()
{
    Scene s;
    writeFile(s.file(), quoteRecord("Uno") + quoteRecord("Due") + QByteArray(100, 'x')); // 9952 bytes
    s.fillMandatory();
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("3"));
    const QByteArray file = readFile(s.file());
    QCOMPARE(file.size(), 3 * 4926);
    QCOMPARE(file.mid(9852 + 385, 12), QByteArray("\x0bRossi Mario"));
}

void TestPreventivi::saveChecksInOrder_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    const QString prefix = ArchiveEditor::kMandatoryPrefix;
    QTest::newRow("customer before number") << "  "
                                            << ""
                                            << "14/03/2025" << prefix + "il nome o la ragione sociale del cliente."
                                            << "txtCliente";
    QTest::newRow("number") << "Rossi"
                            << " "
                            << "" << prefix + "il numero del preventivo."
                            << "txtNumFatt";
    QTest::newRow("empty date") << "Rossi"
                                << "1"
                                << "" << prefix + "la data del preventivo."
                                << "txtData";
    QTest::newRow("date that does not exist")
        << "Rossi"
        << "1"
        << "31/02/2024"
        << "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare "
           "una data valida nel formato gg/mm/anno."
        << "txtData";
}

void TestPreventivi::saveChecksInOrder()
{
    QFETCH(QString, customer);
    QFETCH(QString, number);
    QFETCH(QString, date);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    Scene s;
    s.w->txtCliente->setText(customer);
    s.w->txtNumFatt->setText(number);
    s.w->txtData->setText(date);
    s.w->txtPrezzo[0]->setText(QStringLiteral("10"));
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 1);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Warning);
    QCOMPARE(s.boxes.lastText(), warning);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFileInfo::exists(s.file()));
    QVERIFY(s.w->lblPosizione->text().isEmpty());
    // The calculation ran before the checks.
    QCOMPARE(s.w->txtQuant[0]->text(), QStringLiteral("1"));
    QVERIFY(!s.w->txtTotFattura->text().isEmpty());
}

void TestPreventivi::calculationThroughTheWindow()
{
    Scene s;
    const QStringList rows[]
        = { { "3", "10,5", "10" }, { "", "12,4", "" }, { "2", "7,5", "" }, { "4", "", "50" }, { "", "", "5" } };
    for (int i = 0; i < 5; ++i) {
        s.w->txtQuant[i]->setText(rows[i].at(0));
        s.w->txtPrezzo[i]->setText(rows[i].at(1));
        s.w->txtPercSconto[i]->setText(rows[i].at(2));
    }
    s.w->chkEs[2]->setChecked(true);
    s.w->txtPercIva->setText(QStringLiteral("22"));
    QTest::mouseClick(s.w->cmdCalcola, Qt::LeftButton);
    QStringList amounts;
    for (int i = 0; i < 5; ++i)
        amounts << s.w->txtImporto[i]->text();
    QCOMPARE(amounts, (QStringList { "28,35", "12,40", "15,00", "0,00", "" }));
    QCOMPARE(s.w->txtQuant[1]->text(), QStringLiteral("1"));
    QCOMPARE(s.w->txtPrezzo[3]->text(), QStringLiteral("0,00"));
    QStringList totals;
    for (QLabel *l : s.w->totals())
        totals << l->text();
    QCOMPARE(totals, (QStringList { "40,75", "8,96", "49,72", "15,00", "64,72" }));
    QCOMPARE(s.boxes.count(), 0);
}

void TestPreventivi::failedCalculationStopsSave()
{
    // A price written with a point (an import writes it as it is) is no number:
    // the save stops with its field focused and nothing stored.
    Scene s;
    s.fillMandatory();
    s.w->txtQuant[0]->setText(QStringLiteral("1"));
    s.w->txtPrezzo[0]->setText(QStringLiteral("10"));
    s.w->txtPrezzo[6]->setText(QStringLiteral("12.50"));
    s.w->showPage(1);
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 1);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Warning);
    QVERIFY(s.boxes.lastText().startsWith(QStringLiteral("Attenzione: il campo evidenziato non contiene un numero")));
    QCOMPARE(QApplication::focusWidget(), s.w->txtPrezzo[6]);
    QCOMPARE(s.w->visiblePage(), 2);
    QCOMPARE(s.w->txtImporto[0]->text(), QStringLiteral("10,00")); // the row before it is computed
    QVERIFY(!QFileInfo::exists(s.file()));
    for (QLabel *total : s.w->totals())
        QCOMPARE(total->text(), QStringLiteral("0,00"));

    // The button alone shows the same totals and no message.
    s.boxes.clear();
    s.w->txtNote->setFocus();
    s.w->txtPrezzo[6]->setText(QStringLiteral("12.50"));
    QTest::mouseClick(s.w->cmdCalcola, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 0);
    QCOMPARE(s.w->txtTotFattura->text(), QStringLiteral("0,00"));
}

void TestPreventivi::numberThatFieldWouldCutRefused()
{
    Scene s;
    s.fillMandatory();
    s.w->txtQuant[0]->setText(QStringLiteral("1000000")); // a pasted 1E6, normalised
    s.w->txtPrezzo[0]->setText(QStringLiteral("1,00"));
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 1);
    QVERIFY(s.boxes.lastText().startsWith(QStringLiteral("Attenzione: il valore del campo evidenziato")));
    QCOMPARE(QApplication::focusWidget(), s.w->txtQuant[0]);
    QVERIFY(!QFileInfo::exists(s.file()));

    // Huge amounts: the amount label cannot take them.
    s.boxes.clear();
    s.w->txtQuant[0]->setText(QStringLiteral("999999"));
    s.w->txtPrezzo[0]->setText(QStringLiteral("9999999999"));
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 1);
    QVERIFY(s.boxes.lastText().startsWith(QStringLiteral("Attenzione: il valore del campo evidenziato")));
    QCOMPARE(QApplication::focusWidget(), s.w->txtPrezzo[0]);
    QVERIFY(!QFileInfo::exists(s.file()));
}

void TestPreventivi::unopenableYearFileWarnsAndKeepsPosition()
{
    Scene s;
    QVERIFY(QDir().mkpath(s.file()));
    s.fillMandatory();
    s.w->lblPosizione->setText(QStringLiteral("2"));
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Warning);
    QCOMPARE(s.boxes.lastText(), kArchiveMessage);
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("2"));
    QVERIFY(QFileInfo(s.file()).isDir());
}

void TestPreventivi::newProposesStartPlusCount()
{
    Scene s;
    QTest::mouseClick(s.w->cmdNuovo, Qt::LeftButton);
    QCOMPARE(s.w->txtNumFatt->text(), QStringLiteral("1")); // no settings, empty file
    QCOMPARE(s.w->txtData->text(), QStringLiteral("14/03/2025"));
    QCOMPARE(s.w->lblInizio->text(), QStringLiteral("1"));

    QByteArray seven;
    for (int i = 0; i < 7; ++i)
        seven += quoteRecord(QStringLiteral("C%1").arg(i));
    writeFile(s.file(), seven);
    writeFile(IssuerSettings::path(), "[Numerazione Preventivi]\r\nInizio=100\r\n");
    s.w->txtCliente->setText(QStringLiteral("unsaved"));
    s.w->showPage(3);
    s.w->lblPosizione->setText(QStringLiteral("4"));
    for (int twice = 0; twice < 2; ++twice) {
        QTest::mouseClick(s.w->cmdNuovo, Qt::LeftButton);
        QCOMPARE(s.w->txtNumFatt->text(), QStringLiteral("107"));
    }
    QVERIFY(s.w->txtCliente->text().isEmpty());
    QVERIFY(s.w->lblPosizione->text().isEmpty());
    QCOMPARE(s.w->visiblePage(), 1);
    QCOMPARE(QApplication::focusWidget(), s.w->txtCliente);
    QCOMPARE(s.boxes.count(), 0);
    QCOMPARE(QFileInfo(s.file()).size(), 7 * 4926);
}

void TestPreventivi::newWithBadStartEmptiesAndReports()
{
    Scene s;
    writeFile(IssuerSettings::path(), "[Numerazione Preventivi]\r\nInizio=cento\r\n");
    s.w->txtCliente->setText(QStringLiteral("unsaved"));
    QTest::mouseClick(s.w->cmdNuovo, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 1);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Error);
    QCOMPARE(s.boxes.lastText(), kArchiveMessage);
    QVERIFY(s.w->txtCliente->text().isEmpty());
    QVERIFY(s.w->txtNumFatt->text().isEmpty());
    QVERIFY(s.w->txtData->text().isEmpty());

    // The year file cannot be opened: the quote on screen stays.
    s.boxes.clear();
    QVERIFY(QFile::remove(s.file()));
    QVERIFY(QDir().mkpath(s.file()));
    s.w->txtCliente->setText(QStringLiteral("kept"));
    QTest::mouseClick(s.w->cmdNuovo, Qt::LeftButton);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Error);
    QCOMPARE(s.w->txtCliente->text(), QStringLiteral("kept"));
}

void TestPreventivi::browsingEmptyFile()
{
    Scene s;
    for (QPushButton *command : { s.w->cmdPrimo, s.w->cmdUltimo, s.w->cmdAvanti }) {
        s.boxes.clear();
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(s.boxes.count(), 1);
        QCOMPARE(s.boxes.lastText(), ArchiveEditor::kEmptyArchive);
        QVERIFY(s.w->lblPosizione->text().isEmpty());
    }
    s.boxes.clear();
    s.w->lblPosizione->setText(QStringLiteral("1"));
    QTest::mouseClick(s.w->cmdIndietro, Qt::LeftButton);
    QCOMPARE(s.boxes.count(), 0);
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("1"));
}

void TestPreventivi::failedNextKeepsPositionSoSaveStillWorks()
{
    Scene s;
    QVERIFY(QDir().mkpath(s.file())); // the year file cannot be opened
    s.fillMandatory();
    QTest::mouseClick(s.w->cmdAvanti, Qt::LeftButton);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Error);
    QCOMPARE(s.boxes.lastText(), kArchiveMessage);
    QVERIFY(s.w->lblPosizione->text().isEmpty()); // not "0"
    QTest::mouseClick(s.w->cmdPrimo, Qt::LeftButton);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Warning);
    QVERIFY(QDir().rmdir(s.file()));
    QTest::mouseClick(s.w->cmdSalva, Qt::LeftButton);
    QCOMPARE(s.boxes.lastText(), ArchiveEditor::kAppended);
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("1"));
}

void TestPreventivi::browsingKeepsPageAndStoredTexts()
{
    Scene s;
    writeFile(s.file(), quoteRecord("Uno") + quoteRecord("Due") + quoteRecord("Tre"));
    s.w->showPage(4);
    QTest::mouseClick(s.w->cmdAvanti, Qt::LeftButton); // a new quote: the first
    QCOMPARE(s.w->txtCliente->text(), QStringLiteral("Uno"));
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("1"));
    QTest::mouseClick(s.w->cmdUltimo, Qt::LeftButton);
    QCOMPARE(s.w->txtCliente->text(), QStringLiteral("Tre"));
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(s.w->txtImporto[0]->text(), QStringLiteral("12,00")); // as stored, not recalculated
    QVERIFY(s.w->chkSaldata->isChecked());
    QCOMPARE(s.w->visiblePage(), 4);
    s.w->txtCliente->setText(QStringLiteral("changed"));
    QTest::mouseClick(s.w->cmdAvanti, Qt::LeftButton); // the last is shown: nothing
    QCOMPARE(s.w->txtCliente->text(), QStringLiteral("changed"));
    QCOMPARE(s.boxes.count(), 0);
}

void TestPreventivi::hintSequence()
{
    Scene s;
    QCOMPARE(s.w->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    moveOver(s.w->cmdStampa);
    QCOMPARE(s.w->panInfo->text(), QStringLiteral("Stampa il preventivo corrente."));
    moveOver(s.w->txtCliente);
    QCOMPARE(s.w->panInfo->text(), QStringLiteral("Stampa il preventivo corrente."));
    moveOver(s.w->cmdPrimo);
    QCOMPARE(s.w->panInfo->text(), QStringLiteral("Visualizza il primo preventivo in archivio."));
    moveOver(s.w->panContainer, QPoint(980, 300));
    QCOMPARE(s.w->panInfo->text(), QString());
    s.w->showPage(4);
    moveOver(s.w->chkEs[16]);
    QCOMPARE(s.w->panInfo->text(), QStringLiteral("Contrassegna come articolo esente da IVA."));
    // A label passes the move to the area beneath it.
    QVERIFY(s.w->txtImporto[16]->testAttribute(Qt::WA_TransparentForMouseEvents));
    moveOver(s.w->grpPage[3], QPoint(800, 3));
    QCOMPARE(s.w->panInfo->text(), QString());
    moveOver(s.w->impMag[16]);
    QCOMPARE(s.w->panInfo->text(), QStringLiteral("Importa i dati dell'articolo dal listino prezzi."));
    moveOver(s.w->impCliente);
    QCOMPARE(
        s.w->panInfo->text(), QStringLiteral("Importa i dati del cliente e del veicolo dall'archivio anagrafico."));
}

void TestPreventivi::checkersByContent_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("checker");
    QTest::addColumn<QString>("preload");
    QTest::newRow("eleven digits in blanks") << "btnCodFiscCliente"
                                             << "txtCodFiscCliente"
                                             << " 12345678901 "
                                             << "TfrmPartitaIva"
                                             << "12345678901";
    QTest::newRow("one digit") << "btnCodFiscDitta"
                               << "txtCodFiscDitta"
                               << "1"
                               << "TfrmPartitaIva"
                               << "1";
    QTest::newRow("digits with a blank") << "btnCodFiscDitta"
                                         << "txtCodFiscDitta"
                                         << "12 3"
                                         << "TfrmCodFisc"
                                         << "12 3";
    QTest::newRow("letters") << "btnCodFiscCliente"
                             << "txtCodFiscCliente"
                             << "RSSMRA80A01F205X"
                             << "TfrmCodFisc"
                             << "RSSMRA80A01F205X";
    QTest::newRow("empty fiscal code") << "btnCodFiscDitta"
                                       << "txtCodFiscDitta"
                                       << ""
                                       << "TfrmCodFisc"
                                       << "";
    QTest::newRow("VAT number, any text") << "btnIvaCliente"
                                          << "txtIvaCliente"
                                          << ""
                                          << "TfrmPartitaIva"
                                          << "";
}

void TestPreventivi::checkersByContent()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, checker);
    QFETCH(QString, preload);
    Scene s;
    s.edit(field)->setText(text);
    QString opened, shown;
    onNextModal([&](QWidget *modal) {
        opened = QString::fromLatin1(modal->metaObject()->className());
        const QString edit = checker == QLatin1String("TfrmCodFisc") ? "txtCodFisc" : "txtPartitaIva";
        shown = ControlText::named(modal, edit);
        static_cast<QDialog *>(modal)->reject();
    });
    QTest::mouseClick(s.w->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(opened, checker);
    QCOMPARE(shown, preload);
    QCOMPARE(s.edit(field)->text(), text); // nothing comes back
}

void TestPreventivi::commandsPreloadTheirWindows()
{
    Scene s;
    QString mode, caption;
    onNextModal([&](QWidget *m) {
        mode = ControlText::named(m, "lblMemory");
        caption = m->windowTitle();
        static_cast<QDialog *>(m)->reject();
    });
    QTest::mouseClick(s.w->cmdNumerazione, Qt::LeftButton);
    QCOMPARE(mode, QStringLiteral("preventivi"));
    QCOMPARE(caption, QStringLiteral(" Impostazione inizio numerazione preventivi"));

    s.w->memVeicolo->setText(QStringLiteral("  Fido "));
    s.w->memTarga->setText(QStringLiteral("01/03/2025 10:00"));
    QString dog, exit;
    onNextModal([&](QWidget *m) {
        mode = ControlText::named(m, "lblMemory");
        dog = ControlText::named(m, "txtVeicolo");
        exit = ControlText::named(m, "txtTarga");
        static_cast<QDialog *>(m)->reject();
    });
    QTest::mouseClick(s.w->cmdDatiComputer, Qt::LeftButton);
    QCOMPARE(mode, QStringLiteral("preventivi"));
    QCOMPARE(dog, QStringLiteral("Fido"));
    QCOMPARE(exit, QStringLiteral("01/03/2025 10:00"));

    s.w->showPage(5);
    s.setLabels(QStringLiteral("7,00"));
    onNextModal([&](QWidget *m) {
        mode = ControlText::named(m, "lblMemory");
        static_cast<QDialog *>(m)->reject();
    });
    QTest::mouseClick(s.w->impMag[22], Qt::LeftButton);
    QCOMPARE(mode, QStringLiteral("pre_art_23"));
    QCOMPARE(s.w->txtImporto[22]->text(), QStringLiteral("7,00")); // nothing imported, nothing emptied
    ArchiveFile(ServiceRecord::path(), ServiceRecord::size())
        .append(service(QStringLiteral("TOL"), QStringLiteral("12,5")));
    onNextModal([&](QWidget *m) {
        auto *import = qobject_cast<TfrmImportaMagazzinoDoc *>(m);
        QVERIFY(import);
        import->lstRecords->setCurrentRow(0);
        import->pickCommand();
    });
    QTest::mouseClick(s.w->impMag[22], Qt::LeftButton);
    QCOMPARE(s.w->txtCodice[22]->text(), QStringLiteral("TOL"));
    QCOMPARE(s.w->txtPrezzo[22]->text(), QStringLiteral("12,5")); // not normalised until left
    QVERIFY(s.w->txtImporto[22]->text().isEmpty());
    QVERIFY(s.w->txtTotFattura->text().isEmpty());
    QCOMPARE(s.w->txtImporto[21]->text(), QStringLiteral("7,00"));

    QString title;
    onNextModal([&](QWidget *m) {
        title = ControlText::named(m, "lblTitolo");
        static_cast<QDialog *>(m)->reject();
    });
    QTest::mouseClick(s.w->cmdGuida, Qt::LeftButton);
    QCOMPARE(title, HelpText::title(HelpTopic::Quotes));

    // Today's date replaces the field and leaves the focus where it was.
    s.open();
    s.w->txtNote->setFocus();
    s.w->txtData->setText(QStringLiteral("01/01/2020"));
    QTest::mouseClick(s.w->impOggi, Qt::LeftButton);
    QCOMPARE(s.w->txtData->text(), QStringLiteral("14/03/2025"));
    QCOMPARE(QApplication::focusWidget(), s.w->txtNote);

    // The output and list windows, each opened modal over the editor.
    const QList<QPair<QPushButton *, const char *>> windows = { { s.w->cmdStampa, WindowNames::frmStampaPrev },
        { s.w->cmdAnteprima, WindowNames::frmAnteprimaPrev }, { s.w->cmdPDF, WindowNames::frmCrea_PDF_Prev },
        { s.w->cmdEsporta, WindowNames::frmExpPreventivi }, { s.w->cmdSospese, WindowNames::frmSospesi },
        { s.w->btnLogo, WindowNames::frmLogo }, { s.w->cmdTrova, WindowNames::frmTrovaPreventivi } };
    for (const auto &[command, name] : windows) {
        QString opened;
        QWidget *owner = nullptr;
        onNextModal([&](QWidget *m) {
            opened = m->objectName();
            owner = m->parentWidget();
            m->close();
        });
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(opened, QLatin1String(name));
        QCOMPARE(owner, s.w.get());
    }
    QCOMPARE(s.boxes.count(), 0);
}

void TestPreventivi::ownerPickerFillsCustomer()
{
    Scene s;
    RecordBuffer owner(OwnerRecord::layout());
    owner.clear();
    owner.setText(OwnerRecord::Cliente, QStringLiteral("Verdi Anna"));
    owner.setText(OwnerRecord::ComuneRes, QStringLiteral("Torino"));
    owner.setText(OwnerRecord::ProvRes, QStringLiteral("to"));
    owner.setText(OwnerRecord::CodFisc, QStringLiteral("VRDNNA80A41L219X"));
    s.w->txtViaCliente->setText(QStringLiteral("old street")); // the owner has none: emptied
    s.w->txtRiferimenti->setText(QStringLiteral("kept"));
    s.w->lblPosizione->setText(QStringLiteral("2"));
    OwnerDelivery::deliver(QStringLiteral("preventivi"), owner.bytes(), 5);
    QCOMPARE(s.w->txtCliente->text(), QStringLiteral("Verdi Anna"));
    QCOMPARE(s.w->txtCittaCliente->text(), QStringLiteral("Torino"));
    QCOMPARE(s.w->txtProvCliente->currentText(), QStringLiteral("to"));
    QCOMPARE(s.w->txtCodFiscCliente->text(), QStringLiteral("VRDNNA80A41L219X"));
    QVERIFY(s.w->txtViaCliente->text().isEmpty());
    QCOMPARE(s.w->txtRiferimenti->text(), QStringLiteral("kept"));
    QCOMPARE(s.w->lblPosizione->text(), QStringLiteral("2"));
    // Passing through the customer province upper-cases it.
    s.w->txtProvCliente->setFocus();
    s.w->txtIvaCliente->setFocus();
    QCOMPARE(s.w->txtProvCliente->currentText(), QStringLiteral("TO"));
}

void TestPreventivi::chooserRefusesNonYears_data()
{
    QTest::addColumn<QString>("year");
    QTest::newRow("letters") << "ab12";
    QTest::newRow("a path") << "../x";
    QTest::newRow("three digits") << "202";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << " 24 ";
}

void TestPreventivi::chooserRefusesNonYears()
{
    QFETCH(QString, year);
    Scene s(false);
    TfrmMenuPreventivi chooser;
    chooser.show();
    chooser.txtAnnoPreventivi->setText(year); // pasted
    QVERIFY(!chooser.openYear());
    QCOMPARE(s.boxes.lastText(), TfrmMenuPreventivi::kYearWarning);
    QCOMPARE(s.boxes.lastKind(), MessageBoxes::Kind::Warning);
    QVERIFY(chooser.isVisible());
    QCOMPARE(s.w->lblFile->text(), QuoteRecord::path(kYear));
    QCOMPARE(QDir(programFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    chooser.close(); // back to the start menu, not to the editor
    QVERIFY(!s.w->isVisible());
}

void TestPreventivi::chooserOpensEditorOnYear()
{
    Scene s(false);
    TfrmMenuPreventivi chooser;
    chooser.show();
    chooser.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QCOMPARE(chooser.txtAnnoPreventivi->text(), QStringLiteral("2025"));
    QCOMPARE(QApplication::focusWidget(), chooser.txtAnnoPreventivi);
    QTest::keyClick(chooser.txtAnnoPreventivi, Qt::Key_A);
    QTest::keyClick(chooser.txtAnnoPreventivi, Qt::Key_Tab);
    QCOMPARE(chooser.txtAnnoPreventivi->text(), QStringLiteral("2025"));
    QTest::keyClick(chooser.txtAnnoPreventivi, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), chooser.btnApriPreventivi);
    QVERIFY(chooser.isVisible());
    QTest::mouseClick(chooser.btnApriPreventivi, Qt::LeftButton);
    QVERIFY(!chooser.isVisible());
    QVERIFY(s.w->isVisible());
    QCOMPARE(s.w->lblFile->text(), programFolder() + QStringLiteral("2025.pre"));
    QCOMPARE(s.w->windowTitle(), QStringLiteral(" Kennora - Emissione preventivi anno 2025"));
    QCOMPARE(s.boxes.count(), 0);
}

QTEST_MAIN(TestPreventivi)
#include "tst_preventivi.moc"
