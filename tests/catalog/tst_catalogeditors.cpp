// The services editor and the boxes editor, one behaviour at a time, each
// checked on both windows: saving (append, overwrite, every field at its
// offset, the flag), the price normalised by a save, the mandatory fields in
// their order, a flag that is neither yes nor no, the box number's filter,
// damaged archives, the attachments and help commands, and closing.

#include "app/core/HelpText.h"
#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "catalog/Box_Cani.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/ui/Application.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/FixtureData.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

// What differs between the two editors, as the tests need it.
struct Twin {
    QString format; // fixture folder
    const RecordLayout *layout;
    QString (*path)();
    int flagField;
    int priceField;
    int firstField;
    QStringList mandatoryWarnings;
    QList<int> mandatoryFields;
    HelpTopic help;
    QString attachmentMode;
    QString globalName;
};

const Twin &twin(const QString &which)
{
    static const Twin services {
        "services",
        &ServiceRecord::layout(),
        &ServiceRecord::path,
        ServiceRecord::NonErogabile,
        ServiceRecord::Prezzo,
        ServiceRecord::Codice,
        {
            QString::fromUtf8(
                "Attenzione: per salvare la scheda è necessario indicare il codice del servizio erogato."),
            QString::fromUtf8(
                "Attenzione: per salvare la scheda è necessario indicare la descrizione del servizio erogato."),
            QString::fromUtf8(
                "Attenzione: per salvare la scheda è necessario indicare il prezzo del servizio erogato."),
            QString::fromUtf8(
                "Attenzione: per salvare la scheda è necessario indicare la tipologia del servizio erogato."),
        },
        { ServiceRecord::Codice, ServiceRecord::Descrizione, ServiceRecord::Prezzo, ServiceRecord::Tipologia },
        HelpTopic::PriceList,
        "listino_prezzi",
        WindowNames::frmListino_Prezzi,
    };
    static const Twin boxes {
        "boxes",
        &BoxRecord::layout(),
        &BoxRecord::path,
        BoxRecord::NonPrenotabile,
        BoxRecord::Prezzo,
        BoxRecord::Box,
        {
            QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il numero del box."),
            QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare le dimensioni del box."),
            QString::fromUtf8(
                "Attenzione: per salvare la scheda è necessario indicare la capacità ospitativa del box."),
            QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il prezzo del box."),
        },
        { BoxRecord::Box, BoxRecord::Dimensioni, BoxRecord::Capacita, BoxRecord::Prezzo },
        HelpTopic::Boxes,
        "box_cani",
        WindowNames::frmBox_Cani,
    };
    return which == QLatin1String("services") ? services : boxes;
}

QByteArray stored(const QString &text)
{
    const QByteArray bytes = Cp1252::encode(text);
    return char(bytes.size()) + bytes;
}

QByteArray golden(const Twin &t)
{
    return FixtureData::bytes(FixtureData::file(t.format, QStringLiteral("golden")));
}

} // namespace

class TestCatalogEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void saveAppendsThenOverwrites_data() { both(); }
    void saveAppendsThenOverwrites();
    void saveNormalisesThePrice_data();
    void saveNormalisesThePrice();
    void mandatoryFieldsInOrder_data() { both(); }
    void mandatoryFieldsInOrder();
    void flagNeitherYesNorNoLeavesCheckBox_data() { both(); }
    void flagNeitherYesNorNoLeavesCheckBox();
    void boxNumberRefusesFileNameCharacters_data();
    void boxNumberRefusesFileNameCharacters();
    void boxNumberRefusesPaste_data();
    void boxNumberRefusesPaste();
    void enterWalksTheTenEditsInACircle_data() { both(); }
    void enterWalksTheTenEditsInACircle();
    void unusableArchiveKeepsEveryByte_data();
    void unusableArchiveKeepsEveryByte();
    void tornArchiveKeepsItsWholeRecords_data() { both(); }
    void tornArchiveKeepsItsWholeRecords();
    void attachmentsAndHelp_data() { both(); }
    void attachmentsAndHelp();
    void showStartsANewRecordAndCloseReturnsToStartMenu_data() { both(); }
    void showStartsANewRecordAndCloseReturnsToStartMenu();
    void duplicateKeepsValuesWithoutAttachments_data() { both(); }
    void duplicateKeepsValuesWithoutAttachments();
    void hintLineFollowsTheMouse_data();
    void hintLineFollowsTheMouse();

private:
    static void both()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("services") << QStringLiteral("services");
        QTest::newRow("boxes") << QStringLiteral("boxes");
    }
    // A fresh program folder and the editor named by the row, shown.
    TCatalogEditor *open(const QString &which);
    QLineEdit *edit(int field) const { return m_window->edit(field); }
    void press(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<TCatalogEditor> m_window;
};

void TestCatalogEditors::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

TCatalogEditor *TestCatalogEditors::open(const QString &which)
{
    m_folder = std::make_unique<TempProgramFolder>();
    if (which == QLatin1String("services")) {
        auto *w = new TfrmListino_Prezzi;
        frmListino_Prezzi = w;
        m_window.reset(w);
    } else {
        auto *w = new TfrmBox_Cani;
        frmBox_Cani = w;
        m_window.reset(w);
    }
    WindowRegistry::set(twin(which).globalName, m_window.get());
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("the editor did not become active");
    return m_window.get();
}

void TestCatalogEditors::cleanup()
{
    WindowRegistry::clear();
    m_window.reset();
    frmListino_Prezzi = nullptr;
    frmBox_Cani = nullptr;
    m_folder.reset();
}

void TestCatalogEditors::saveAppendsThenOverwrites()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    const RecordLayout &layout = *t.layout;
    const int size = layout.size();
    QCOMPARE(size, which == QLatin1String("services") ? 2754 : 2924);
    const QByteArray before = golden(t);
    const qint64 count = before.size() / size;
    writeFile(t.path(), before);
    MessageRecorder boxes;

    // Every edit gets its own text; the first one is typed.
    QHash<int, QString> values;
    for (int field = 0; field < layout.fieldCount(); ++field) {
        if (!edit(field))
            continue;
        values[field] = field == t.priceField ? QStringLiteral("35,50")
                                              : QString::fromUtf8("%1 è %2").arg(layout.name(field)).arg(field);
    }
    w->edits().first()->setFocus();
    QTest::keyClicks(w->edits().first(), QStringLiteral("K9"));
    values[t.firstField] = QStringLiteral("K9");
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.key() != t.firstField)
            edit(it.key())->setText(it.value());
    QTest::mouseClick(w->chkFlag, Qt::LeftButton);
    QVERIFY(w->chkFlag->isChecked());

    press(w->cmdSalva);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QCOMPARE(boxes.lastText(), QString::fromUtf8("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(w->lblPosizione->text(), QString::number(count + 1));
    QByteArray file = readFile(t.path());
    QCOMPARE(file.size(), before.size() + size);
    QCOMPARE(file.left(before.size()), before);
    QByteArray record = file.mid(before.size());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QByteArray want = stored(it.value());
        QVERIFY2(record.mid(layout.offset(it.key()), want.size()) == want, qPrintable(layout.name(it.key())));
    }
    QCOMPARE(record.mid(layout.offset(t.flagField), 3), QByteArray("\x02\x53\xEC"));
    for (const char *slot : { "File01", "File02", "File03", "Desc01", "Desc02", "Desc03" })
        QCOMPARE(record.at(layout.offset(layout.indexOf(QString::fromLatin1(slot)))), '\0');

    // The second save overwrites the same record, and the file keeps its size.
    edit(t.firstField)->setText(QStringLiteral("K10"));
    QTest::mouseClick(w->chkFlag, Qt::LeftButton);
    press(w->cmdSalva);
    QCOMPARE(boxes.lastText(), QString("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(w->lblPosizione->text(), QString::number(count + 1));
    file = readFile(t.path());
    QCOMPARE(file.size(), before.size() + size);
    QCOMPARE(file.left(before.size()), before);
    record = file.mid(before.size());
    QCOMPARE(record.mid(layout.offset(t.firstField), 4), stored("K10"));
    QCOMPARE(record.mid(layout.offset(t.flagField), 3), QByteArray("\x02No"));
}

void TestCatalogEditors::saveNormalisesThePrice_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    for (const char *which : { "services", "boxes" }) {
        QTest::addRow("%s: 12,5", which) << which << "12,5"
                                         << "12,50";
        QTest::addRow("%s: 12", which) << which << "12"
                                       << "12,00";
        QTest::addRow("%s: 1,2,3", which) << which << "1,2,3"
                                          << "0,00";
    }
}

void TestCatalogEditors::saveNormalisesThePrice()
{
    QFETCH(QString, which);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    MessageRecorder boxes;
    for (int field : t.mandatoryFields)
        if (field != t.priceField)
            edit(field)->setText(QStringLiteral("x"));
    // Typed while the price edit keeps the focus: the save normalises it.
    w->txtPrezzo->setFocus();
    w->txtPrezzo->clear();
    QTest::keyClicks(w->txtPrezzo, typed);
    QCOMPARE(w->txtPrezzo->text(), typed);
    w->archiveEditor()->save();
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QCOMPARE(w->txtPrezzo->text(), kept);
    const QByteArray record = readFile(t.path());
    QCOMPARE(record.size(), t.layout->size());
    QCOMPARE(record.mid(t.layout->offset(t.priceField), kept.size() + 1), stored(kept));
}

void TestCatalogEditors::mandatoryFieldsInOrder()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    MessageRecorder boxes;
    for (int i = 0; i < t.mandatoryFields.size(); ++i) {
        // The fields before i filled, field i blank, the later ones empty.
        for (int j = 0; j < t.mandatoryFields.size(); ++j)
            edit(t.mandatoryFields.at(j))->setText(j < i ? QStringLiteral("5") : QString());
        edit(t.mandatoryFields.at(i))->setText(QStringLiteral("   "));
        boxes.clear();
        press(w->cmdSalva);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.lastKind(), Kind::Warning);
        QCOMPARE(boxes.lastText(), t.mandatoryWarnings.at(i));
        QCOMPARE(QApplication::focusWidget(), edit(t.mandatoryFields.at(i)));
        QVERIFY(!QFileInfo::exists(t.path()));
    }
}

void TestCatalogEditors::flagNeitherYesNorNoLeavesCheckBox()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    // Record 0 holds "Si", record 1 an empty flag, record 2 "sì".
    writeFile(t.path(), FixtureData::bytes(FixtureData::file(t.format, QStringLiteral("badflag"))));
    MessageRecorder boxes;
    w->chkFlag->setChecked(true);
    press(w->cmdPrimo);
    QCOMPARE(w->lblPosizione->text(), QString("1"));
    QVERIFY(w->chkFlag->isChecked());
    w->chkFlag->setChecked(false);
    press(w->cmdAvanti);
    QCOMPARE(w->lblPosizione->text(), QString("2"));
    QVERIFY(!w->chkFlag->isChecked());
    w->chkFlag->setChecked(true);
    press(w->cmdAvanti);
    QCOMPARE(w->lblPosizione->text(), QString("3"));
    QVERIFY(w->chkFlag->isChecked());
    QCOMPARE(boxes.count(), 0);

    // The golden records tick and untick it, whatever it showed before.
    writeFile(t.path(), golden(t));
    const QString flagName = t.layout->name(t.flagField);
    for (const FixtureData::Reading &r : FixtureData::readings(t.format + QStringLiteral("/golden.tsv"))) {
        if (r.field != flagName)
            continue;
        const bool yes = r.text == QString::fromUtf8("S\u00EC");
        QVERIFY(yes || r.text == QLatin1String("No"));
        w->chkFlag->setChecked(!yes);
        press(r.record == 0 ? w->cmdPrimo : w->cmdAvanti);
        QCOMPARE(w->lblPosizione->text(), QString::number(r.record + 1));
        QCOMPARE(w->chkFlag->isChecked(), yes);
    }
}

void TestCatalogEditors::boxNumberRefusesFileNameCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the ASCII eight") << "A\"*/:<>?\\1"
                                     << "A1";
    QTest::newRow("degree and the four letters") << u"2°ÇÑçñ"_qs << "2";
    QTest::newRow("vertical bar") << "3|4"
                                  << "34";
    QTest::newRow("accents, digits, blank, hyphen") << u"à è ù-09"_qs << u"à è ù-09"_qs;
    QTest::newRow("four dots") << "...."
                               << ".";
    QTest::newRow("dots apart pass, a pair does not") << ".5.6..7"
                                                      << ".5.6.7";
}

void TestCatalogEditors::boxNumberRefusesFileNameCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    open(QStringLiteral("boxes"));
    QLineEdit *box = edit(BoxRecord::Box);
    box->setFocus();
    for (QChar c : typed)
        QTest::sendKeyEvent(QTest::KeyAction::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(box->text(), shown);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), edit(BoxRecord::Dimensioni));
    // Backspace still edits.
    box->setFocus();
    box->end(false);
    const QString text = box->text();
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), text.left(text.size() - 1));
}

void TestCatalogEditors::boxNumberRefusesPaste_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("A/B") << "A/B"
                         << "";
    QTest::newRow("A\\B") << "A\\B"
                          << "";
    QTest::newRow("A|B") << "A|B"
                         << "";
    QTest::newRow("tab") << "A\tB"
                         << "";
    QTest::newRow("line feed") << "A\nB"
                               << "";
    QTest::newRow("four dots") << "...."
                               << "";
    QTest::newRow("dot dot inside") << "A..B"
                                    << "";
    QTest::newRow("a plain name") << u"Box 12-à"_qs << u"Box 12-à"_qs;
}

void TestCatalogEditors::boxNumberRefusesPaste()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    open(QStringLiteral("boxes"));
    QLineEdit *box = edit(BoxRecord::Box);
    box->setFocus();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), shown);
    box->clear();
    box->paste();
    QCOMPARE(box->text(), shown);
}

void TestCatalogEditors::enterWalksTheTenEditsInACircle()
{
    QFETCH(QString, which);
    TCatalogEditor *w = open(which);
    const QList<QLineEdit *> edits = w->edits();
    QCOMPARE(edits.size(), 10);
    for (int i = 0; i < edits.size(); ++i) {
        edits.at(i)->setFocus();
        QTest::keyClick(edits.at(i), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edits.at((i + 1) % edits.size()));
    }
    QCOMPARE(edits.last(), w->txtNote);
    // The price takes digits and commas only; leaving it shows two decimals.
    w->txtPrezzo->setFocus();
    w->txtPrezzo->clear();
    QTest::keyClicks(w->txtPrezzo, "1a2.,5");
    QCOMPARE(w->txtPrezzo->text(), QString("12,5"));
    QTest::keyClick(w->txtPrezzo, Qt::Key_Return);
    QCOMPARE(w->txtPrezzo->text(), QString("12,50"));
    QCOMPARE(w->txtPrezzo->alignment() & Qt::AlignRight, Qt::AlignRight);
}

void TestCatalogEditors::unusableArchiveKeepsEveryByte_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("damage");
    for (const char *which : { "services", "boxes" }) {
        QTest::addRow("%s: folder in place of the file", which) << which << "folder";
        QTest::addRow("%s: read-only program folder", which) << which << "read-only";
        QTest::addRow("%s: link into a missing folder", which) << which << "link";
    }
}

void TestCatalogEditors::unusableArchiveKeepsEveryByte()
{
    QFETCH(QString, which);
    QFETCH(QString, damage);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    const QString folder = m_folder->path();
    if (damage == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(t.path()));
        writeFile(t.path() + QStringLiteral("/dentro.txt"), "kept");
    } else if (damage == QLatin1String("link")) {
        QVERIFY(QFile::link(folder + QStringLiteral("manca/archivio.pro"), t.path()));
    } else {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(folder + QStringLiteral("probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions do not bind this user");
        }
    }
    MessageRecorder boxes;
    for (int field : t.mandatoryFields)
        edit(field)->setText(QStringLiteral("7"));
    press(w->cmdSalva);
    press(w->cmdUltimo);
    press(w->cmdNuovo);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(boxes.count(), 2); // save and last; new does not open the archive
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(boxes.kind(i), Kind::Error);
        QCOMPARE(boxes.text(i), kArchiveAccessMessage);
    }
    QVERIFY(w->lblPosizione->text().isEmpty());
    if (damage == QLatin1String("folder")) {
        QVERIFY(QFileInfo(t.path()).isDir());
        QCOMPARE(readFile(t.path() + QStringLiteral("/dentro.txt")), QByteArray("kept"));
    } else {
        QVERIFY(!QFileInfo::exists(t.path()));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("manca")));
    }
}

void TestCatalogEditors::tornArchiveKeepsItsWholeRecords()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    const QByteArray torn = FixtureData::bytes(FixtureData::file(t.format, QStringLiteral("torn")));
    const QByteArray whole = golden(t);
    QVERIFY(torn.size() > whole.size() && torn.startsWith(whole));
    writeFile(t.path(), torn);
    MessageRecorder boxes;
    // The half record at the end is no record: "last" shows the last whole one.
    press(w->cmdUltimo);
    QCOMPARE(w->lblPosizione->text(), QString::number(whole.size() / t.layout->size()));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(readFile(t.path()), torn);
    // Browsing wrote nothing; saving the first record puts back its bytes
    // and leaves the rest of the file, the half record included, as it was.
    press(w->cmdPrimo);
    press(w->cmdSalva);
    QCOMPARE(boxes.lastKind(), Kind::Information);
    const QByteArray after = readFile(t.path());
    const int size = t.layout->size();
    QCOMPARE(after.size(), torn.size());
    QCOMPARE(after.mid(size), torn.mid(size));
    const RecordLayout &layout = *t.layout;
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const int at = layout.offset(field);
        const int used = qMin(int(uchar(whole.at(at))), layout.capacity(field)) + 1;
        QVERIFY2(after.mid(at, used) == whole.mid(at, used), qPrintable(layout.name(field)));
    }
}

void TestCatalogEditors::attachmentsAndHelp()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    MessageRecorder boxes;
    w->lblFile02->setText(QStringLiteral("Planimetria.pdf"));
    w->lblDesc02->setText(QStringLiteral("pianta"));
    bool seen = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmAllegaCartella *>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->lblMemory->text(), t.attachmentMode);
        QCOMPARE(dialog->txtDesc02->text(), QString("pianta"));
        dialog->txtDesc02->setText(QStringLiteral("pianta nuova"));
        QTest::mouseClick(dialog->btnApplica, Qt::LeftButton);
        seen = true;
    });
    press(w->cmdFile);
    QVERIFY(seen);
    QCOMPARE(w->lblDesc02->text(), QString("pianta nuova"));

    seen = false;
    onNextModal([&](QWidget *modal) {
        auto *viewer = qobject_cast<TfrmGuida *>(modal);
        QVERIFY(viewer);
        QCOMPARE(viewer->lblTitolo->text(), HelpText::title(t.help));
        QCOMPARE(viewer->text(), HelpText::text(t.help));
        viewer->close();
        seen = true;
    });
    press(w->cmdGuida);
    QVERIFY(seen);
    QVERIFY(w->isVisible());
}

void TestCatalogEditors::showStartsANewRecordAndCloseReturnsToStartMenu()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    writeFile(t.path(), golden(t));
    MessageRecorder boxes;
    press(w->cmdUltimo);
    QVERIFY(!w->lblPosizione->text().isEmpty());
    w->lblFile01->setText(QStringLiteral("x.pdf"));

    QWidget menu;
    WindowKit::setStartMenu(&menu);
    press(w->cmdEsci);
    QVERIFY(!w->isVisible());
    QVERIFY(menu.isVisible());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(w->lblPosizione->text().isEmpty());
    QVERIFY(w->lblFile01->text().isEmpty());
    QCOMPARE(w->txtPrezzo->text(), QString("0,00"));
    for (QLineEdit *e : w->edits())
        if (e != w->txtPrezzo)
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QVERIFY(!w->chkFlag->isChecked());
    // A close from the window manager goes the same way.
    menu.hide();
    w->close();
    WindowKit::setStartMenu(nullptr);
    QVERIFY(!w->isVisible());
    QVERIFY(menu.isVisible());
}

void TestCatalogEditors::duplicateKeepsValuesWithoutAttachments()
{
    QFETCH(QString, which);
    const Twin &t = twin(which);
    TCatalogEditor *w = open(which);
    writeFile(t.path(), golden(t));
    MessageRecorder boxes;
    press(w->cmdPrimo);
    w->lblFile01->setText(QStringLiteral("a.pdf"));
    w->chkFlag->setChecked(true);
    const QString first = edit(t.firstField)->text();
    press(w->cmdDuplica);
    QVERIFY(w->lblPosizione->text().isEmpty());
    QVERIFY(w->lblFile01->text().isEmpty());
    QCOMPARE(edit(t.firstField)->text(), first);
    QVERIFY(w->chkFlag->isChecked());
    press(w->cmdSalva);
    const QByteArray file = readFile(t.path());
    QCOMPARE(file.size(), golden(t).size() + t.layout->size());
    QCOMPARE(w->lblPosizione->text(), QString::number(file.size() / t.layout->size()));
}

void TestCatalogEditors::hintLineFollowsTheMouse_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("flagHint");
    QTest::newRow("services") << "services"
                              << QString::fromUtf8(
                                     "Spunta questa casella per indicare che attualmente il servizio non è erogabile.");
    QTest::newRow("boxes") << "boxes"
                           << QString::fromUtf8("Spunta questa casella per indicare che il box non è prenotabile.");
}

void TestCatalogEditors::hintLineFollowsTheMouse()
{
    QFETCH(QString, which);
    QFETCH(QString, flagHint);
    TCatalogEditor *w = open(which);
    QCOMPARE(w->panInfo->text(), QString("Pronto per archiviare una nuova scheda..."));
    const auto move = [](QWidget *over) {
        const QPointF at(3, 3);
        QMouseEvent event(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(over, &event);
    };
    move(w->chkFlag);
    QCOMPARE(w->panInfo->text(), flagHint);
    move(w->cmdSalva);
    QCOMPARE(w->panInfo->text(), QString("Salva la scheda corrente in archivio."));
    move(w->cmdFile);
    QCOMPARE(w->panInfo->text(), QString("Allega file alla scheda corrente."));
    move(w->icoTitoli);
    QVERIFY(w->panInfo->text().isEmpty());
    move(w->cmdEsci);
    QCOMPARE(w->panInfo->text(), QString("Esci da questa schermata."));
    move(w->panContainer);
    QVERIFY(w->panInfo->text().isEmpty());
}

QTEST_MAIN(TestCatalogEditors)
#include "tst_catalogeditors.moc"
