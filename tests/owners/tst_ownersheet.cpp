#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Application.h"
#include "common/ui/MessageBoxes.h"
#include "owners/OwnerControls.h"
#include "owners/OwnerSheet.h"
#include "owners/core/OwnerRecord.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

using namespace TestSupport;

namespace
{

// A stand-in for the owner editor: its edits and the two province combos,
// named as in the editor.
class EditorStandIn : public QWidget
{
public:
    EditorStandIn()
    {
        for (int f = 0; f < OwnerRecord::Ricontatta; ++f) {
            const QString name = OwnerControls::name(f);
            QWidget *w = nullptr;
            if (f == OwnerRecord::ProvNasc || f == OwnerRecord::ProvRes) {
                auto *combo = new QComboBox(this);
                combo->setEditable(true);
                combo->addItems({ QStringLiteral("EE"), QStringLiteral("MI"), QStringLiteral("RM") });
                combo->setCurrentIndex(-1);
                w = combo;
            } else {
                w = new QLineEdit(this);
            }
            w->setObjectName(name);
        }
    }
    void set(const QString &name, const QString &text)
    {
        QWidget *w = findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(text);
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setEditText(text);
    }
};

const QString kName = QStringLiteral("Niccol\u00F2 Bra\u00F1a-Citt\u00E0");

void fillSample(EditorStandIn &e)
{
    e.set(QStringLiteral("txtCliente"), QStringLiteral("  ") + kName + QStringLiteral("  "));
    e.set(QStringLiteral("txtDataNasc"), QStringLiteral("01/02/1970"));
    e.set(QStringLiteral("txtComuneNasc"), QStringLiteral("Forl\u00EC"));
    e.set(QStringLiteral("txtProvNasc"), QStringLiteral("FC"));
    e.set(QStringLiteral("txtSesso"), QStringLiteral("M"));
    e.set(QStringLiteral("txtRecapito"), QStringLiteral("333 1234567"));
    e.set(QStringLiteral("txtIndirizzoRes"), QStringLiteral("Via Roma 1"));
    e.set(QStringLiteral("txtComuneRes"), QStringLiteral("Milano"));
    e.set(QStringLiteral("txtProvRes"), QStringLiteral("MI"));
    e.set(QStringLiteral("txtCapRes"), QStringLiteral("20100"));
    e.set(QStringLiteral("txtEstremi"), QStringLiteral("Bonifico"));
    e.set(QStringLiteral("txtTelCasa"), QStringLiteral("02 111"));
    e.set(QStringLiteral("txtTelUff"), QStringLiteral("02 222"));
    e.set(QStringLiteral("txtTelCel"), QStringLiteral("347 333"));
    e.set(QStringLiteral("txtFax"), QStringLiteral("02 444"));
    e.set(QStringLiteral("txtEmail"), QStringLiteral("nico@example.it"));
    e.set(QStringLiteral("txtCodFisc"), QStringLiteral("BRNNCL70B01D704X"));
    e.set(QStringLiteral("txtPartitaIva"), QStringLiteral("01234567890"));
    e.set(QStringLiteral("txtCarta"), QStringLiteral("4111111111111111"));
    e.set(QStringLiteral("txtScadeCarta"), QStringLiteral("12/27"));
    e.set(QStringLiteral("txtIban"), QStringLiteral("IT60X0542811101000000123456"));
    e.set(QStringLiteral("txtDocumento"), QStringLiteral("C.I. AB1234567"));
    e.set(QStringLiteral("txtOccupazione"), QStringLiteral("Veterinario"));
    e.set(QStringLiteral("txtCivile"), QStringLiteral("Coniugato"));
    e.set(QStringLiteral("txtTitoli"), QStringLiteral("Dott."));
    e.set(QStringLiteral("txtCaniOra"), QStringLiteral("Fido [pastore]"));
    e.set(QStringLiteral("txtCaniPrima"), QStringLiteral("Rex <b>"));
    e.set(QStringLiteral("txtQuestioni"), QStringLiteral("Nessuna"));
    e.set(QStringLiteral("txtNote"), QStringLiteral("Cliente dal 2010 & oltre"));
}

const QStringList kCaptions = { QStringLiteral("Cognome e nome:"), QStringLiteral("Data di nascita:"),
    QStringLiteral("Comune di nascita:"), QStringLiteral("Sesso:"), QStringLiteral("Telefono preferenziale:"),
    QStringLiteral("Indirizzo di residenza:"), QStringLiteral("Comune di residenza:"),
    QStringLiteral("Modalit\u00E0 pagamento:"), QStringLiteral("Tel. casa:"), QStringLiteral("Tel. ufficio:"),
    QStringLiteral("Tel. cellulare:"), QStringLiteral("Fax:"), QStringLiteral("E-mail:"),
    QStringLiteral("Codice fiscale:"), QStringLiteral("Partita IVA:"), QStringLiteral("Carta di credito:"),
    QStringLiteral("IBAN:"), QStringLiteral("Estremi documento:"), QStringLiteral("Occupazione:"),
    QStringLiteral("Titoli e qualifiche:"), QStringLiteral("Cani posseduti attualmente:"),
    QStringLiteral("Cani posseduti in passato:"), QStringLiteral("Questioni in sospeso:"), QStringLiteral("Note:") };

const QStringList kSampleValues = { kName, QStringLiteral("01/02/1970"), QStringLiteral("Forl\u00EC FC"),
    QStringLiteral("M"), QStringLiteral("333 1234567"), QStringLiteral("Via Roma 1"), QStringLiteral("Milano MI"),
    QStringLiteral("Bonifico"), QStringLiteral("02 111"), QStringLiteral("02 222"), QStringLiteral("347 333"),
    QStringLiteral("02 444"), QStringLiteral("nico@example.it"), QStringLiteral("BRNNCL70B01D704X"),
    QStringLiteral("01234567890"), QStringLiteral("N. 4111111111111111  -  Scadenza: 12/27"),
    QStringLiteral("IT60X0542811101000000123456"), QStringLiteral("C.I. AB1234567"), QStringLiteral("Veterinario"),
    QStringLiteral("Dott."), QStringLiteral("Fido [pastore]"), QStringLiteral("Rex <b>"), QStringLiteral("Nessuna"),
    QStringLiteral("Cliente dal 2010 & oltre") };

// The "emb" column of pdffonts for every font of a file.
QStringList embeddedColumn(const QString &pdffonts)
{
    const QStringList lines = pdffonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList result;
    if (lines.size() < 2)
        return result;
    // Column bounds from the dashes line: name, type, encoding, emb, ...
    const QString dashes = lines.at(1);
    QList<int> starts;
    for (int i = 0; i < dashes.size(); ++i)
        if (dashes.at(i) == QLatin1Char('-') && (i == 0 || dashes.at(i - 1) == QLatin1Char(' ')))
            starts.append(i);
    for (int i = 2; i < lines.size(); ++i)
        result.append(lines.at(i).mid(starts.value(3), 3).trimmed());
    return result;
}

struct OpenerSpy {
    QList<QUrl> opened;
    OpenerSpy()
    {
        TMisc::setOpener([this](const QUrl &url) { opened.append(url); });
    }
    ~OpenerSpy() { TMisc::setOpener(nullptr); }
};

} // namespace

class TestOwnerSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void valuesFromTheEditor();
    void composedRows_data();
    void composedRows();
    void filledSheetPrintsEveryPair();
    void pdfWrittenCheckedAndReplaced();
    void pdfFailureShowsErrorAndNoQuestion_data();
    void pdfFailureShowsErrorAndNoQuestion();
    void printThroughTheDialogAndCancel();
    void previewShowsOnePageModally();
};

void TestOwnerSheet::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestOwnerSheet::valuesFromTheEditor()
{
    EditorStandIn editor;
    fillSample(editor);
    const auto v = OwnerSheet::values(&editor, QDateTime(QDate(2024, 2, 29), QTime(9, 5, 7)));
    QCOMPARE(v.title, QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"));
    QCOMPARE(v.captions, kCaptions);
    QCOMPARE(v.values, kSampleValues);
    QCOMPARE(v.footer, QStringLiteral("Stampa eseguita in data 29/02/2024 alle ore 09:05:07"));
}

void TestOwnerSheet::composedRows_data()
{
    QTest::addColumn<QString>("comune");
    QTest::addColumn<QString>("prov");
    QTest::addColumn<QString>("carta");
    QTest::addColumn<QString>("scade");
    QTest::addColumn<QString>("row3");
    QTest::addColumn<QString>("row16");
    QTest::newRow("all set") << "Roma"
                             << "RM"
                             << "123"
                             << "01/25"
                             << "Roma RM"
                             << "N. 123  -  Scadenza: 01/25";
    QTest::newRow("no province") << "Roma"
                                 << ""
                                 << ""
                                 << ""
                                 << "Roma "
                                 << "N.   -  Scadenza: ";
    QTest::newRow("both empty") << ""
                                << ""
                                << ""
                                << "01/25"
                                << " "
                                << "N.   -  Scadenza: 01/25";
    QTest::newRow("parts trimmed, join kept") << "  Roma  "
                                              << " EE "
                                              << " 9 "
                                              << ""
                                              << "Roma EE"
                                              << "N. 9  -  Scadenza: ";
}

void TestOwnerSheet::composedRows()
{
    QFETCH(QString, comune);
    QFETCH(QString, prov);
    QFETCH(QString, carta);
    QFETCH(QString, scade);
    QFETCH(QString, row3);
    QFETCH(QString, row16);
    EditorStandIn editor;
    editor.set(QStringLiteral("txtComuneNasc"), comune);
    editor.set(QStringLiteral("txtProvNasc"), prov);
    editor.set(QStringLiteral("txtCarta"), carta);
    editor.set(QStringLiteral("txtScadeCarta"), scade);
    const auto v = OwnerSheet::values(&editor);
    QCOMPARE(v.values.at(2), row3);
    QCOMPARE(v.values.at(15), row16);
    QCOMPARE(v.values.at(0), QString()); // an empty editor prints empty values
}

void TestOwnerSheet::filledSheetPrintsEveryPair()
{
    EditorStandIn editor;
    fillSample(editor);
    auto sheet = OwnerSheet::makeTemplate();
    // A previous run's text never survives into the next.
    OwnerSheet::fill(*sheet, OwnerSheet::values(&editor));
    editor.set(QStringLiteral("txtNote"), QString());
    const auto values = OwnerSheet::values(&editor, QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
    OwnerSheet::fill(*sheet, values);

    QCOMPARE(sheet->text(QStringLiteral("txtTitolo")), QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"));
    for (int k = 1; k <= 24; ++k) {
        const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        QCOMPARE(sheet->text(QStringLiteral("titCampo") + nn), kCaptions.at(k - 1));
        QCOMPARE(sheet->text(QStringLiteral("txtCampo") + nn), values.values.at(k - 1));
    }
    QCOMPARE(sheet->text(QStringLiteral("txtCampo24")), QString());
    QCOMPARE(sheet->text(QStringLiteral("txtCalce")),
        QStringLiteral("Stampa eseguita in data 29/02/2024 alle ore 23:59:58"));

    // Rendered: each caption stands on one line with its value (the text
    // extraction may change the width of blank runs).
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheda.pdf"));
    ReportOutput::writePdf(*sheet, path, {});
    const QStringList lines = pdfText(path).split(QLatin1Char('\n'));
    for (int k = 0; k < 23; ++k) {
        bool found = false;
        for (const QString &line : lines)
            found = found
                || (line.contains(kCaptions.at(k)) && line.simplified().contains(values.values.at(k).simplified()));
        QVERIFY2(found, qPrintable(kCaptions.at(k)));
    }
    QVERIFY(!pdfText(path).contains(QStringLiteral("Campo ")));
}

void TestOwnerSheet::pdfWrittenCheckedAndReplaced()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    OpenerSpy opener;
    EditorStandIn editor;
    fillSample(editor);
    const QString path = folder.file(QStringLiteral("Proprietario.pdf"));
    QCOMPARE(OwnerSheet::pdfPath(), path);

    boxes.answerNext(false);
    OwnerSheet::exportPdf(&editor);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), MessageBoxes::Kind::Confirmation);
    QCOMPARE(boxes.text(0),
        QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\n"
                       "Si vuole aprire il file?"));
    QVERIFY(opener.opened.isEmpty()); // No opens nothing, the file stays
    QVERIFY(QFile::exists(path));

    const QString info = runPdfTool(QStringLiteral("pdfinfo"), { path });
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(pdfInfoValue(info, QStringLiteral("Page size")).startsWith(QStringLiteral("595 x 842 pts (A4)")));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Title")), QStringLiteral("Scheda informativa"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Subject")), QStringLiteral("Scheda informativa"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Author")), QStringLiteral("Kennora"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Creator")), QStringLiteral("Kennora"));
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Encrypted")), QStringLiteral("no"));
    QVERIFY(pdfText(path).contains(kName));
    const QStringList embedded = embeddedColumn(runPdfTool(QStringLiteral("pdffonts"), { path }));
    QVERIFY(!embedded.isEmpty());
    QCOMPARE(embedded.count(QStringLiteral("yes")), embedded.size());

    // Unsaved edits print; a second export replaces the file without a question.
    editor.set(QStringLiteral("txtCliente"), QStringLiteral("Verdi Lucia"));
    boxes.clear();
    boxes.answerNext(true);
    OwnerSheet::exportPdf(&editor);
    QCOMPARE(boxes.count(), 1);
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Verdi Lucia")));
    QVERIFY(!text.contains(kName));
    QCOMPARE(opener.opened, QList<QUrl> { QUrl::fromLocalFile(path) });
}

void TestOwnerSheet::pdfFailureShowsErrorAndNoQuestion_data()
{
    QTest::addColumn<bool>("missingFolder");
    QTest::newRow("a folder in place of the file") << false;
    QTest::newRow("program folder gone") << true;
}

void TestOwnerSheet::pdfFailureShowsErrorAndNoQuestion()
{
    QFETCH(bool, missingFolder);
    TempProgramFolder folder;
    if (missingFolder)
        setProgramFolder(folder.path() + QStringLiteral("manca/"));
    else
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Proprietario.pdf")));
    MessageRecorder boxes;
    OpenerSpy opener;
    EditorStandIn editor;
    fillSample(editor);
    OwnerSheet::exportPdf(&editor);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.kind(0), MessageBoxes::Kind::Error);
    QVERIFY2(boxes.text(0).contains(OwnerSheet::pdfPath()), qPrintable(boxes.text(0)));
    QVERIFY(opener.opened.isEmpty());
}

void TestOwnerSheet::printThroughTheDialogAndCancel()
{
    QTemporaryDir dir;
    MessageRecorder boxes;
    const QString path = dir.filePath(QStringLiteral("stampa.pdf"));
    PrintToFile dialog;
    dialog.path = path;
    dialog.accept = false;
    EditorStandIn editor;
    fillSample(editor);

    OwnerSheet::print(&editor); // cancelled in the dialog
    QCOMPARE(dialog.shown, 1);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(boxes.count(), 0);

    dialog.accept = true;
    OwnerSheet::print(&editor);
    QCOMPARE(dialog.shown, 2);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(pdfText(path).contains(kName));
    QCOMPARE(
        pdfInfoValue(runPdfTool(QStringLiteral("pdfinfo"), { path }), QStringLiteral("Pages")), QStringLiteral("1"));
}

void TestOwnerSheet::previewShowsOnePageModally()
{
    EditorStandIn editor;
    fillSample(editor);
    int pages = -1;
    bool modal = false;
    QString title;
    onNextModal([&](QWidget *w) {
        auto *dialog = qobject_cast<ReportPreviewDialog *>(w);
        QVERIFY(dialog);
        modal = dialog->isModal();
        pages = dialog->previewWidget()->pageCount();
        title = dialog->windowTitle();
        dialog->findChild<QAction *>(QStringLiteral("actChiudi"))->trigger();
    });
    OwnerSheet::preview(&editor);
    QVERIFY(modal);
    QCOMPARE(pages, 1);
    QVERIFY(title.contains(QStringLiteral("Scheda informativa")));
}

QTEST_MAIN(TestOwnerSheet)
#include "tst_ownersheet.moc"
