// The owner search and picker and the call-back list, driven as a user would:
// filters typed, "Cerca" and "Trova" pressed, list lines double-clicked; then
// the windows that receive the owner are checked control by control.
#include "common/ArchiveFile.h"
#include "common/SearchMatch.h"
#include "common/report/ReportOutput.h"
#include "common/ui/Application.h"
#include "common/ui/WindowRegistry.h"
#include "owners/Clienti.h"
#include "owners/OwnerControls.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStackedLayout>
#include <QTest>

#include <memory>

#include <sys/sysinfo.h>

using TestSupport::MessageRecorder;
using TestSupport::TempProgramFolder;

namespace
{

const QString kSi = QStringLiteral("S\u00EC");

struct OwnerData {
    QString cliente = {};
    QString recapito = {};
    QString note = {};
    QString email = {}; // not in the line: tells identical lines apart
    QString flag = {}; // stored byte by byte as given, "" for none
    QString questioni = {};
};

QByteArray ownerBytes(const OwnerData &o)
{
    RecordBuffer r(OwnerRecord::layout());
    r.setText(OwnerRecord::Cliente, o.cliente);
    r.setText(OwnerRecord::Recapito, o.recapito);
    r.setText(OwnerRecord::Note, o.note);
    r.setText(OwnerRecord::Email, o.email);
    r.setText(OwnerRecord::Questioni, o.questioni);
    r.setText(OwnerRecord::ComuneRes, QStringLiteral("Roma"));
    r.setText(OwnerRecord::CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    r.setText(OwnerRecord::IndirizzoRes, QStringLiteral("Via Appia 1"));
    r.setText(OwnerRecord::CapRes, QStringLiteral("00100"));
    r.setText(OwnerRecord::ProvRes, QStringLiteral("RM"));
    r.setText(OwnerRecord::ProvNasc, QStringLiteral("EE"));
    r.setText(OwnerRecord::PartitaIva, QStringLiteral("01234567890"));
    r.setText(OwnerRecord::File01, QStringLiteral("contratto.pdf"));
    // The flag is written byte by byte so that blanks around it survive.
    const QByteArray flag = o.flag.toLatin1(); // "Sì" is Windows-1252 53 EC too
    char *f = r.bytes().data() + OwnerRecord::layout().offset(OwnerRecord::Ricontatta);
    f[0] = char(qMin<qsizetype>(flag.size(), 2));
    std::memcpy(f + 1, flag.constData(), size_t(qMin<qsizetype>(flag.size(), 2)));
    return r.bytes();
}

void writeOwners(const QList<OwnerData> &owners)
{
    QByteArray bytes;
    for (const OwnerData &o : owners)
        bytes += ownerBytes(o);
    TestSupport::writeFile(OwnerRecord::path(), bytes);
}

// A window that receives picked owners, with the named controls the owner,
// dog and quote editors have (the window contract).
std::unique_ptr<QWidget> standIn(
    const QStringList &edits, const QStringList &combos = {}, const QStringList &labels = {}, bool withCheck = false)
{
    auto w = std::make_unique<QWidget>();
    for (const QString &n : edits) {
        auto *e = new QLineEdit(QStringLiteral("before"), w.get());
        e->setObjectName(n);
    }
    for (const QString &n : combos) {
        auto *c = new QComboBox(w.get());
        c->setEditable(true);
        c->addItems({ QStringLiteral("AG"), QStringLiteral("EE"), QStringLiteral("RM") });
        c->setCurrentIndex(0);
        c->setObjectName(n);
    }
    for (const QString &n : labels) {
        auto *l = new QLabel(QStringLiteral("before"), w.get());
        l->setObjectName(n);
    }
    if (withCheck) {
        auto *c = new QCheckBox(w.get());
        c->setObjectName(QStringLiteral("chkRicontatta"));
        c->setChecked(true);
    }
    return w;
}

std::unique_ptr<QWidget> ownerEditorStandIn()
{
    QStringList edits, labels { QStringLiteral("lblPosizione") };
    for (int f = 0; f < OwnerRecord::FieldCount; ++f) {
        const QString name = OwnerControls::name(f);
        if (f == OwnerRecord::ProvNasc || f == OwnerRecord::ProvRes || f == OwnerRecord::Ricontatta)
            continue;
        (name.startsWith(QLatin1String("lbl")) ? labels : edits) << name;
    }
    return standIn(edits, { QStringLiteral("txtProvNasc"), QStringLiteral("txtProvRes") }, labels, true);
}

QString controlText(QWidget *w, const QString &name)
{
    QWidget *c = w->findChild<QWidget *>(name);
    if (auto *e = qobject_cast<QLineEdit *>(c))
        return e->text();
    if (auto *b = qobject_cast<QComboBox *>(c))
        return b->currentText();
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->text();
    return QStringLiteral("<missing %1>").arg(name);
}

// Double-clicks the list line that came from `record` (0-based).
void doubleClickRecord(ListWindow &w, qint64 record)
{
    RecordList *list = w.lstRecords;
    for (int row = 0; row < list->count(); ++row) {
        if (list->record(row) == record) {
            const QRect r = list->visualRect(list->model()->index(row, 0));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
            return;
        }
    }
    QFAIL("no line for that record");
}

void search(TfrmTrovaClienti &w)
{
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
}

} // namespace

class TestSearchWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void searchListsAndCounts();
    void missingArchiveCreatedEmpty();
    void searchFailureStaysOnFilterPage();
    void findNextWraps();
    void identicalLinesLoadTheirOwnRecord();
    void modes_data();
    void modes();
    void pickIntoRealOwnerEditor();
    void openPickerWritesMode();
    void callBackListShowsFlaggedOnly();
    void callBackPickLoadsClickedOwner();
    void printGoesThroughListTemplate();
    void hugeArchiveSearchSaysMemoryNotEnough();
    void doubleClickOnEmptyAreaLoadsSelectedLine_data();
    void doubleClickOnEmptyAreaLoadsSelectedLine();
};

void TestSearchWindows::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestSearchWindows::cleanup()
{
    WindowRegistry::clear();
    ReportOutput::setPrintDialog(nullptr);
}

void TestSearchWindows::searchListsAndCounts()
{
    TempProgramFolder folder;
    writeOwners({ { QStringLiteral("Rossi Mario"), QStringLiteral("333"), QStringLiteral("paga   subito") },
        { QStringLiteral("Bianchi Anna"), QStringLiteral("444"), QStringLiteral("tre   blanks") },
        { QStringLiteral("mario rossi"), QStringLiteral("555"), QString() } });
    TfrmTrovaClienti w;
    w.show();
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(!w.panContainer->isVisible());

    QTest::keyClicks(w.txtCliente, QStringLiteral("ROSSI"));
    w.txtNote->setText(QStringLiteral("   ")); // blanks only: no filter
    search(w);

    QVERIFY(w.panContainer->isVisible());
    QVERIFY(!w.panAvvio->isVisible());
    QCOMPARE(w.lblConta->text(), QStringLiteral("1"));
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
    const QStringList lines = w.listedLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("mario rossi   ")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("Rossi Mario   ")));
    QCOMPARE(lines.at(1).mid(115), QStringLiteral("paga   subito"));

    // One owner: still "schede".
    TfrmTrovaClienti one;
    one.show();
    one.txtComuneRes->setText(QStringLiteral("roma"));
    one.txtCliente->setText(QStringLiteral("bianchi"));
    search(one);
    QCOMPARE(one.lblConta->text(), QStringLiteral("2"));
    QCOMPARE(one.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 1 schede."));
}

void TestSearchWindows::missingArchiveCreatedEmpty()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    TfrmTrovaClienti w;
    w.show();
    search(w);
    QVERIFY(QFile::exists(OwnerRecord::path()));
    QCOMPARE(QFile(OwnerRecord::path()).size(), 0);
    QCOMPARE(w.lblConta->text(), QStringLiteral("0"));
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QCOMPARE(w.lstRecords->count(), 0);

    QTest::mouseClick(w.btnTrova, Qt::LeftButton);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(boxes.lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestSearchWindows::searchFailureStaysOnFilterPage()
{
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(OwnerRecord::path())); // a folder where the archive should be
    MessageRecorder boxes;
    TfrmTrovaClienti w;
    w.show();
    search(w);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(boxes.lastText(), kArchiveAccessMessage);
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(w.lblAttendere->isVisible());
}

void TestSearchWindows::findNextWraps()
{
    TempProgramFolder folder;
    writeOwners({ { QStringLiteral("Alfa"), QStringLiteral("1"), QStringLiteral("cane nero") },
        { QStringLiteral("Beta"), QStringLiteral("2"), QStringLiteral("gatto") },
        { QStringLiteral("Gamma"), QStringLiteral("3"), QStringLiteral("Cane bianco") } });
    TfrmTrovaClienti::lastSearchText() = QStringLiteral("cane"); // left by an earlier showing
    TfrmTrovaClienti w;
    w.show();
    QVERIFY(TfrmTrovaClienti::lastSearchText().isEmpty());
    search(w);
    QCOMPARE(w.lstRecords->currentRow(), -1);

    QTest::keyClicks(w.txtTrova, QStringLiteral("CANE"));
    QList<int> rows;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        rows << w.lstRecords->currentRow();
    }
    QCOMPARE(rows, (QList<int> { 0, 2, 0 })); // Alfa, Gamma, back to Alfa
    QCOMPARE(TfrmTrovaClienti::lastSearchText(), QStringLiteral("cane"));
}

void TestSearchWindows::identicalLinesLoadTheirOwnRecord()
{
    TempProgramFolder folder;
    // Records 0 and 2 give the same line; only their e-mail tells them apart.
    writeOwners({ { QStringLiteral("Rossi Mario"), QStringLiteral("333"), QString(), QStringLiteral("primo@x.it") },
        { QStringLiteral("Bianchi"), QStringLiteral("444"), QString(), QStringLiteral("b@x.it") },
        { QStringLiteral("Rossi Mario"), QStringLiteral("333"), QString(), QStringLiteral("copia@x.it") } });
    auto editor = ownerEditorStandIn();
    WindowRegistry::set(QStringLiteral("frmClienti"), editor.get());

    for (qint64 record : { 0, 2 }) {
        TfrmTrovaClienti w;
        w.lblMemory->setText(QStringLiteral("clienti"));
        w.show();
        search(w);
        doubleClickRecord(w, record);
        QVERIFY(!w.isVisible()); // the double click closes the window
        QCOMPARE(controlText(editor.get(), QStringLiteral("txtEmail")),
            record == 0 ? QStringLiteral("primo@x.it") : QStringLiteral("copia@x.it"));
        QCOMPARE(controlText(editor.get(), QStringLiteral("lblPosizione")), QString::number(record + 1));
        QCOMPARE(w.lstRecords->count(), 0); // emptied on close
    }
}

void TestSearchWindows::modes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("changed"); // control=value pairs expected after the pick

    QTest::newRow("clienti") << "clienti"
                             << "frmClienti"
                             << QStringList { "txtCliente=Rossi Mario", "txtRecapito=333", "txtEmail=r@x.it",
                                    "txtProvNasc=EE", "txtProvRes=RM", "txtComuneRes=Roma", "lblFile01=contratto.pdf",
                                    "lblFile02=", "lblDesc03=", "txtNote=", "lblPosizione=2" };
    QTest::newRow("cani") << "cani"
                          << "frmCani"
                          << QStringList { "txtProprietario=Rossi Mario", "txtRecapito=333",
                                 "txtCodFisc=RSSMRA80A01H501U", "txtComuneRes=Roma" };
    QTest::newRow("preventivi") << "preventivi"
                                << "frmPreventivi"
                                << QStringList { "txtCliente=Rossi Mario", "txtViaCliente=Via Appia 1",
                                       "txtCapCliente=00100", "txtCittaCliente=Roma", "txtProvCliente=RM",
                                       "txtCodFiscCliente=RSSMRA80A01H501U", "txtIvaCliente=01234567890" };
    QTest::newRow("Clienti (capital C): nothing") << "Clienti"
                                                  << "frmClienti" << QStringList {};
    QTest::newRow("mode with blanks is trimmed") << "  cani "
                                                 << "frmCani"
                                                 << QStringList { "txtProprietario=Rossi Mario", "txtRecapito=333",
                                                        "txtCodFisc=RSSMRA80A01H501U", "txtComuneRes=Roma" };
}

void TestSearchWindows::modes()
{
    QFETCH(QString, mode);
    QFETCH(QString, target);
    QFETCH(QStringList, changed);
    TempProgramFolder folder;
    writeOwners({ { QStringLiteral("Bianchi"), QStringLiteral("444") },
        { QStringLiteral("Rossi Mario"), QStringLiteral("333"), QString(), QStringLiteral("r@x.it"),
            QStringLiteral("Sx") } });

    // Every editor exists, so a mode that writes into the wrong one shows.
    auto owners = ownerEditorStandIn();
    auto dogs = standIn(
        { "txtProprietario", "txtRecapito", "txtCodFisc", "txtComuneRes", "txtNome" }, {}, { "lblPosizione" });
    auto quotes = standIn({ "txtCliente", "txtViaCliente", "txtCapCliente", "txtCittaCliente", "txtCodFiscCliente",
                              "txtIvaCliente", "txtNote" },
        { "txtProvCliente" }, { "lblPosizione" });
    const QList<QPair<QString, QWidget *>> windows
        = { { "frmClienti", owners.get() }, { "frmCani", dogs.get() }, { "frmPreventivi", quotes.get() } };
    for (const auto &w : windows)
        WindowRegistry::set(w.first, w.second);

    TfrmTrovaClienti w;
    w.lblMemory->setText(mode);
    w.show();
    w.txtCliente->setText(QStringLiteral("rossi"));
    search(w);
    doubleClickRecord(w, 1);
    QVERIFY(!w.isVisible());

    QHash<QString, QString> expectedInTarget;
    for (const QString &pair : changed)
        expectedInTarget.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    for (const auto &win : windows) {
        for (QWidget *c : win.second->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            const QString name = c->objectName();
            if (auto *check = qobject_cast<QCheckBox *>(c)) {
                QVERIFY(check->isChecked()); // the stored flag "Sx" leaves the box as it was
                continue;
            }
            QString expected = qobject_cast<QComboBox *>(c) ? QStringLiteral("AG") : QStringLiteral("before");
            if (win.first == target && expectedInTarget.contains(name))
                expected = expectedInTarget.value(name);
            else if (win.first == target && !changed.isEmpty() && mode == QLatin1String("clienti"))
                continue; // every other owner field is written too (empty in this record)
            QCOMPARE(win.first + u'.' + name + u'=' + controlText(win.second, name),
                win.first + u'.' + name + u'=' + expected);
        }
    }
}

void TestSearchWindows::pickIntoRealOwnerEditor()
{
    TempProgramFolder folder;
    writeOwners({ { QStringLiteral("Bianchi Anna"), QStringLiteral("444"), QStringLiteral("nota"),
        QStringLiteral("anna@x.it"), kSi } });
    TfrmClienti editor;
    WindowRegistry::set(QStringLiteral("frmClienti"), &editor);
    editor.chkRicontatta->setChecked(false);

    TfrmTrovaClienti w;
    w.lblMemory->setText(QStringLiteral("clienti"));
    w.show();
    search(w);
    doubleClickRecord(w, 0);
    QCOMPARE(editor.txtCliente->text(), QStringLiteral("Bianchi Anna"));
    QCOMPARE(editor.txtEmail->text(), QStringLiteral("anna@x.it"));
    QCOMPARE(editor.txtProvRes->currentText(), QStringLiteral("RM"));
    QCOMPARE(editor.lblFile01->text(), QStringLiteral("contratto.pdf"));
    QVERIFY(editor.chkRicontatta->isChecked());
    QCOMPARE(editor.lblPosizione->text(), QStringLiteral("1"));
}

void TestSearchWindows::openPickerWritesMode()
{
    TempProgramFolder folder;
    QWidget owner;
    QString seenMode;
    bool onFilterPage = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        auto *w = qobject_cast<TfrmTrovaClienti *>(modal);
        QVERIFY(w);
        seenMode = w->mode();
        onFilterPage = w->panAvvio->isVisible();
        QTest::mouseClick(w->btnAnnulla, Qt::LeftButton);
    });
    TfrmTrovaClienti::openPicker(&owner, QStringLiteral("preventivi"));
    QCOMPARE(seenMode, QStringLiteral("preventivi"));
    QVERIFY(onFilterPage);
    QVERIFY(owner.findChildren<TfrmTrovaClienti *>().isEmpty()); // destroyed after
}

void TestSearchWindows::callBackListShowsFlaggedOnly()
{
    TempProgramFolder folder;
    {
        // Missing archive: created empty, listed empty.
        TfrmRicontatta w;
        w.show();
        QCOMPARE(w.lstRecords->count(), 0);
        QVERIFY(QFile::exists(OwnerRecord::path()));
        QVERIFY(!w.lblTrovate);
    }
    writeOwners({ { QStringLiteral("Uno"), QString(), QStringLiteral("nota"), QString(), kSi, QStringLiteral("saldo") },
        { QStringLiteral("Due"), QString(), QString(), QString(), QStringLiteral("No") },
        { QStringLiteral("Tre"), QString(), QString(), QString(), QStringLiteral("si") },
        { QStringLiteral("Quattro"), QString(), QString(), QString(), QStringLiteral("SI") },
        { QStringLiteral("Cinque"), QString(), QString(), QString(), QStringLiteral("Si") },
        { QStringLiteral("Sei"), QString(), QString(), QString(), QString() },
        { QStringLiteral("Anna"), QString(), QString(), QString(), kSi } });

    TfrmRicontatta w;
    w.show();
    QStringList names;
    for (const QString &line : w.listedLines())
        names << line.left(26).trimmed();
    QCOMPARE(names, (QStringList { "Anna", "Uno" }));
    const QString uno = w.listedLines().at(1);
    QCOMPARE(uno.mid(115), QStringLiteral("saldo"));
    QVERIFY(w.listedLines().at(0).endsWith(QStringLiteral("  "))); // empty questions
    QCOMPARE(w.lstRecords->lines()->itemWidth(), 1600);
}

void TestSearchWindows::callBackPickLoadsClickedOwner()
{
    TempProgramFolder folder;
    // A flagged owner and a later unflagged one with the very same line.
    writeOwners({ { QStringLiteral("Rossi"), QStringLiteral("1"), QString(), QStringLiteral("flag@x.it"), kSi },
        { QStringLiteral("Rossi"), QStringLiteral("1"), QString(), QStringLiteral("noflag@x.it"),
            QStringLiteral("No") } });
    auto editor = ownerEditorStandIn();
    WindowRegistry::set(QStringLiteral("frmClienti"), editor.get());

    TfrmRicontatta w;
    w.show();
    QCOMPARE(w.lstRecords->count(), 1);
    doubleClickRecord(w, 0);
    QVERIFY(!w.isVisible());
    QCOMPARE(controlText(editor.get(), QStringLiteral("txtEmail")), QStringLiteral("flag@x.it"));
    QCOMPARE(controlText(editor.get(), QStringLiteral("lblPosizione")), QStringLiteral("1"));
}

void TestSearchWindows::printGoesThroughListTemplate()
{
    TempProgramFolder folder;
    writeOwners({ { QStringLiteral("Uno"), QString(), QString(), QString(), kSi } });
    const QString pdf = folder.file(QStringLiteral("stampa.pdf"));
    PrintToFile dialog;
    dialog.path = pdf;
    MessageRecorder boxes;
    TfrmRicontatta w;
    w.show();
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(QFile(pdf).size() > 0);
}

void TestSearchWindows::hugeArchiveSearchSaysMemoryNotEnough()
{
    // A 1 TB sparse archive: the search ends at once with the memory message,
    // not after a long read with the archive access message.
    TempProgramFolder folder;
    {
        QFile huge(OwnerRecord::path());
        QVERIFY(huge.open(QIODevice::WriteOnly));
        if (!huge.resize(qint64(1) << 40))
            QSKIP("this file system cannot hold a 1 TB sparse file");
    }
    struct sysinfo machine = {};
    QVERIFY(::sysinfo(&machine) == 0);
    const qint64 total = (qint64(machine.totalram) + qint64(machine.totalswap)) * machine.mem_unit;
    QVERIFY(SearchMatch::availableMemory() <= total);
    if ((qint64(1) << 40) / OwnerRecord::size() <= total / SearchMatch::lineBytes(115))
        QSKIP("this machine could hold the whole listing");

    MessageRecorder boxes;
    TfrmTrovaClienti w;
    w.show();
    QElapsedTimer timer;
    timer.start();
    search(w);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(boxes.lastText(), QStringLiteral("Attenzione: memoria insufficiente per completare la ricerca."));
    QVERIFY(w.panAvvio->isVisible());
    QCOMPARE(w.lstRecords->count(), 0);
    QVERIFY(QFile::remove(OwnerRecord::path()));
}

void TestSearchWindows::doubleClickOnEmptyAreaLoadsSelectedLine_data()
{
    QTest::addColumn<bool>("callBackList"); // false: the owner search
    QTest::addColumn<int>("clickedRecord"); // the line selected first by a click; -1: none
    QTest::addColumn<QString>("email"); // the owner editor's e-mail afterwards

    QTest::newRow("search, no line selected: closes, loads nothing") << false << -1 << "before";
    QTest::newRow("search, a line selected: that line's owner loads") << false << 1 << "due@x.it";
    QTest::newRow("call-back list, no line selected") << true << -1 << "before";
    QTest::newRow("call-back list, a line selected") << true << 0 << "uno@x.it";
}

void TestSearchWindows::doubleClickOnEmptyAreaLoadsSelectedLine()
{
    QFETCH(bool, callBackList);
    QFETCH(int, clickedRecord);
    QFETCH(QString, email);
    TempProgramFolder folder;
    writeOwners({ { QStringLiteral("Uno"), QStringLiteral("1"), QString(), QStringLiteral("uno@x.it"), kSi },
        { QStringLiteral("Due"), QStringLiteral("2"), QString(), QStringLiteral("due@x.it"), kSi } });
    auto editor = ownerEditorStandIn();
    WindowRegistry::set(QStringLiteral("frmClienti"), editor.get());
    MessageRecorder boxes;

    std::unique_ptr<ListWindow> w;
    if (callBackList) {
        w = std::make_unique<TfrmRicontatta>();
        w->show();
    } else {
        auto search = std::make_unique<TfrmTrovaClienti>();
        search->lblMemory->setText(QStringLiteral("clienti"));
        search->show();
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        w = std::move(search);
    }
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    RecordList *list = w->lstRecords;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), -1);
    if (clickedRecord >= 0) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->record(row) == clickedRecord)
                QTest::mouseClick(
                    list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
        }
        QCOMPARE(list->record(list->currentRow()), clickedRecord);
    }

    // Well below the two lines, where the list is empty.
    const QRect last = list->visualRect(list->model()->index(list->count() - 1, 0));
    const QPoint empty(20, list->viewport()->height() - 10);
    QVERIFY(empty.y() > last.bottom() + 20);
    QVERIFY(!list->indexAt(empty).isValid());
    // As a mouse sends a double click: a first press and release, then the
    // second press that makes the double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(list->currentRow() >= 0, clickedRecord >= 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, empty);

    QVERIFY(!w->isVisible());
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(controlText(editor.get(), QStringLiteral("txtEmail")), email);
    QCOMPARE(controlText(editor.get(), QStringLiteral("lblPosizione")),
        clickedRecord >= 0 ? QString::number(clickedRecord + 1) : QStringLiteral("before"));
}

QTEST_MAIN(TestSearchWindows)
#include "tst_searchwindows.moc"
