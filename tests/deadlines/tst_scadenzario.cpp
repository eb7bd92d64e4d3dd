// The deadlines window: the record editor against its layout, the year that
// "Apri" accepts, the save with its checks in order, the duplicate, the
// fields' own behaviour, the dog picker's delivery and the alert of the
// imminent deadlines with its sound.

#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/ui/AlertSound.h"
#include "common/ui/Application.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/PickList.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DeadlineControls.h"
#include "deadlines/Scadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/TrovaCani.h"
#include "dogs/core/DogRecord.h"
#include "tests/support/EditorConformance.h"
#include "tests/support/FixtureData.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

const QString kMust = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
const QString kDateTail
    = QStringLiteral("\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare una data valida.");

// A deadline record as the save writes it.
QByteArray deadline(const QString &date, const QString &notice, bool paid = false)
{
    RecordBuffer r(DeadlineRecord::layout());
    r.clear();
    r.setText(DeadlineRecord::Giorno, date.left(2));
    r.setText(DeadlineRecord::Anno, date.right(4));
    r.setText(DeadlineRecord::Data, date);
    r.setText(DeadlineRecord::Avviso, notice);
    r.setText(DeadlineRecord::Proprietario, QStringLiteral("Rossi"));
    r.setFlag(DeadlineRecord::DaConfermare, false);
    r.setFlag(DeadlineRecord::Effettuata, paid);
    return r.bytes();
}

QByteArray recordAt(const QByteArray &file, int position)
{
    return file.mid(qsizetype(position - 1) * DeadlineRecord::size(), DeadlineRecord::size());
}

QString fieldOf(const QByteArray &record, int field)
{
    RecordBuffer r(DeadlineRecord::layout());
    r.bytes() = record;
    return r.text(field);
}

} // namespace

class TestScadenzario : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void conformsToItsLayout();
    void panelsShareOnePlace_data();
    void panelsShareOnePlace();
    void apriOpensTheYearWithoutCreatingIt();
    void apriRefusesWhatIsNotAYear_data();
    void apriRefusesWhatIsNotAYear();
    void newSaveThenOverwrite();
    void saveRefusals_data();
    void saveRefusals();
    void leapDay_data();
    void leapDay();
    void duplicateThenSaveAppendsAnIdenticalCopy();
    void navigationBounds();
    void newKeepsYearAndDefaults();
    void selectorKeys_data();
    void selectorKeys();
    void selectorLeaveChecksTheList_data();
    void selectorLeaveChecksTheList();
    void selectorSelectionDroppedOnFocus();
    void tabDoesNothing_data();
    void tabDoesNothing();
    void costNormaliser_data();
    void costNormaliser();
    void fiscalCodeUpperCasedOnKeyRelease();
    void checkerByCode_data();
    void checkerByCode();
    void dogImportKeepsPosition();
    void commandsOpenTheirWindows_data();
    void commandsOpenTheirWindows();
    void helpFromBothPanels_data();
    void helpFromBothPanels();
    void alert_data();
    void alert();
    void alertWithoutFileSaysNone();
    void unreadableYearLeavesTheAlertAsItWas();
    void unreadableYearReportedOnSave();
    void closeStopsTheSoundAndReturnsToStart();

private:
    void openYear(const QString &year);
    void fillValid();
    QString yearFile(const QString &year) const { return m_folder->file(year + QStringLiteral(".sca")); }
    QWidget *focused() const { return m_window->focusWidget(); }
    bool hasFocus(QWidget *control) const
    {
        QWidget *f = focused();
        return f && (f == control || control->isAncestorOf(f));
    }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Clock::Fixed> m_clock;
    std::unique_ptr<TfrmScadenzario> m_window;
    QStringList m_played;
    int m_stops = 0;
};

void TestScadenzario::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_messages = std::make_unique<MessageRecorder>();
    // Today is in 2030, so the alert's file is never the 2024 file under test.
    m_clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2030, 6, 15), QTime(10, 0)));
    m_played.clear();
    m_stops = 0;
    AlertSound::setPlayer([this](const QString &path) { m_played.append(path); });
    AlertSound::setStopper([this] { ++m_stops; });
    m_window = std::make_unique<TfrmScadenzario>();
}

void TestScadenzario::cleanup()
{
    m_window.reset();
    WindowRegistry::clear();
    AlertSound::setPlayer(nullptr);
    AlertSound::setStopper(nullptr);
    m_clock.reset();
    m_messages.reset();
    m_folder.reset();
}

void TestScadenzario::openYear(const QString &year)
{
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->txtAnno->setText(year);
    m_window->btnApri->click();
    QVERIFY(m_window->panContainer->isVisible());
}

void TestScadenzario::fillValid()
{
    TfrmScadenzario &w = *m_window;
    w.txtGiorno->setEditText(QStringLiteral("05"));
    w.txtMese->setEditText(QStringLiteral("Marzo"));
    w.txtOreApp->setEditText(QStringLiteral("09"));
    w.txtMinutiApp->setEditText(QStringLiteral("30"));
    w.txtAvviso->setText(QStringLiteral("3"));
    w.txtProprietario->setText(QStringLiteral("Bianchi Maria"));
    w.txtNome->setText(QStringLiteral("Briciola"));
    w.txtDettagli->setText(QStringLiteral("Richiamo vaccinazione"));
}

// ---------------------------------------------------------------------------

void TestScadenzario::conformsToItsLayout()
{
    openYear(QStringLiteral("2025"));
    const RecordLayout &layout = DeadlineRecord::layout();
    // The Enter chain: the record's order of the edits, the notes back to the day.
    const QStringList chain = { "txtGiorno", "txtMese", "txtOreApp", "txtMinutiApp", "txtAvviso", "txtProprietario",
        "txtCodFisc", "txtRecapito", "txtNome", "txtDataNasc", "txtRazza", "txtMantello", "txtMicrochip", "txtSegni",
        "txtPersona", "txtDettagli", "txtOfficina", "txtCosto", "txtContatto", "txtNote", "txtGiorno" };
    EditorConformance::Table table, typed;
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const QString control = DeadlineControls::name(f);
        const qsizetype at = chain.indexOf(control);
        EditorConformance::Row row { layout.name(f), control, at >= 0 ? chain.at(at + 1) : QString() };
        table.append(row);
        // The selectors take no typing at all: only their limits are compared below.
        if (!qobject_cast<PickList *>(m_window->findChild<QWidget *>(control)))
            typed.append(row);
    }
    const QByteArray golden = FixtureData::bytes(QStringLiteral("deadlines/golden.sca"));
    QStringList failures = EditorConformance::checkControls(m_window.get(), layout, table)
        + EditorConformance::checkTypingLimits(m_window.get(), layout, typed)
        + EditorConformance::checkRoundTrip(m_window.get(), layout, table, golden)
        + EditorConformance::checkEnterChain(m_window.get(), table);
    for (PickList *p : { m_window->txtGiorno, m_window->txtMese, m_window->txtOreApp, m_window->txtMinutiApp }) {
        const int capacity = layout.capacity(layout.indexOf(p->objectName().mid(3)));
        if (EditKit::typingLimit(p) != capacity)
            failures << p->objectName() + QStringLiteral(": typing limit %1").arg(EditKit::typingLimit(p));
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

void TestScadenzario::panelsShareOnePlace_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("the panel's size") << QSize(995, 692);
    QTest::newRow("larger") << QSize(1400, 950);
}

void TestScadenzario::panelsShareOnePlace()
{
    // Whatever the window's size, the start panel and the record editor lie
    // in one place: switching panels never moves what the user sees.
    QFETCH(QSize, size);
    m_window->show();
    m_window->resize(size);
    QTRY_COMPARE(m_window->size(), size);
    const QRect start = m_window->panAvvio->geometry();
    QCOMPARE(start.size(), QSize(995, 692));
    // Centred, a half pixel either way.
    QVERIFY(qAbs(start.x() - (size.width() - 995) / 2) <= 1);
    QVERIFY(qAbs(start.y() - (size.height() - 692) / 2) <= 1);
    openYear(QStringLiteral("2024"));
    QCOMPARE(m_window->panContainer->geometry(), start);
}

void TestScadenzario::apriOpensTheYearWithoutCreatingIt()
{
    m_window->show();
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Kennora - Scadenze e Appuntamenti"));
    QVERIFY(m_window->panAvvio->isVisible());
    QCOMPARE(m_window->txtAnno->text(), QStringLiteral("2030"));
    openYear(QStringLiteral("2024"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Kennora - Scadenze e appuntamenti anno 2024"));
    QCOMPARE(m_window->lblFile->text(), yearFile(QStringLiteral("2024")));
    QCOMPARE(m_window->lblAnno->text(), QStringLiteral("2024"));
    QVERIFY(!m_window->panAvvio->isVisible());
    QVERIFY(hasFocus(m_window->txtGiorno));
    QVERIFY(!QFile::exists(yearFile(QStringLiteral("2024"))));
    QCOMPARE(m_messages->count(), 0);
}

void TestScadenzario::apriRefusesWhatIsNotAYear_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "ab12";
    QTest::newRow("a way out of the folder") << "../x";
    QTest::newRow("blank and three digits") << " 202";
    QTest::newRow("three digits") << "202";
    QTest::newRow("empty") << "";
}

void TestScadenzario::apriRefusesWhatIsNotAYear()
{
    QFETCH(QString, text);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QStringList before = QDir(m_folder->path()).entryList(QDir::Files);
    m_window->txtAnno->setText(text);
    m_window->btnApri->click();
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->kind(0), Kind::Warning);
    QCOMPARE(m_messages->text(0), TfrmScadenzario::kYearWarning);
    QVERIFY(hasFocus(m_window->txtAnno));
    QVERIFY(m_window->panAvvio->isVisible());
    QVERIFY(m_window->lblFile->text().isEmpty());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), before);

    // Nor can such a text be pasted in.
    m_window->txtAnno->clear();
    QApplication::clipboard()->setText(text.trimmed().isEmpty() ? QStringLiteral("ab") : text);
    m_window->txtAnno->paste();
    QVERIFY(m_window->txtAnno->text().isEmpty() || m_window->txtAnno->text() == QStringLiteral("202"));
}

void TestScadenzario::newSaveThenOverwrite()
{
    openYear(QStringLiteral("2024"));
    fillValid();
    m_window->txtCosto->clear();
    m_window->chkEffettuata->setChecked(true);
    m_window->cmdSalva->click();
    const QString path = yearFile(QStringLiteral("2024"));
    QCOMPARE(m_messages->lastKind(), Kind::Information);
    QCOMPARE(m_messages->lastText(), QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio."));
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("1"));
    QByteArray file = readFile(path);
    QCOMPARE(file.size(), 1448);
    QCOMPARE(fieldOf(file, DeadlineRecord::Data), QStringLiteral("05/03/2024"));
    QCOMPARE(fieldOf(file, DeadlineRecord::Ora), QStringLiteral("09:30"));
    QCOMPARE(fieldOf(file, DeadlineRecord::Anno), QStringLiteral("2024"));
    QCOMPARE(fieldOf(file, DeadlineRecord::Costo), QStringLiteral("0,00"));
    QCOMPARE(file.mid(1442, 3), QByteArray("\x02No", 3));
    QCOMPARE(file.mid(1445, 3), QByteArray("\x02S\xEC", 3));

    m_window->txtNote->setText(QStringLiteral("Portare il libretto"));
    m_window->cmdSalva->click();
    QCOMPARE(m_messages->lastText(), ArchiveEditor::kOverwritten);
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("1"));
    file = readFile(path);
    QCOMPARE(file.size(), 1448);
    QCOMPARE(fieldOf(file, DeadlineRecord::Note), QStringLiteral("Portare il libretto"));
}

void TestScadenzario::saveRefusals_data()
{
    QTest::addColumn<QString>("control"); // the control changed from a valid record
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const int warning = int(Kind::Warning);
    QTest::newRow("day empty") << "txtGiorno"
                               << "" << warning << kMust + "il giorno della scadenza."
                               << "txtGiorno";
    QTest::newRow("day of one digit") << "txtGiorno"
                                      << "5" << warning << kMust + "il giorno della scadenza usando due cifre."
                                      << "txtGiorno";
    QTest::newRow("month empty") << "txtMese"
                                 << "" << warning << kMust + "il mese della scadenza."
                                 << "txtMese";
    QTest::newRow("hour empty") << "txtOreApp"
                                << "" << warning << kMust + "l'ora dell'appuntamento."
                                << "txtOreApp";
    QTest::newRow("minutes empty") << "txtMinutiApp"
                                   << "" << warning << kMust + "i minuti dell'ora dell'appuntamento."
                                   << "txtMinutiApp";
    QTest::newRow("hour of one digit") << "txtOreApp"
                                       << "9" << warning << kMust + "l'ora dell'appuntamento usando due cifre."
                                       << "txtOreApp";
    QTest::newRow("minutes of one digit")
        << "txtMinutiApp"
        << "5" << warning << kMust + "i minuti dell'ora dell'appuntamento usando due cifre."
        << "txtMinutiApp";
    QTest::newRow("notice empty") << "txtAvviso"
                                  << "" << warning << kMust + "i giorni di preavviso."
                                  << "txtAvviso";
    QTest::newRow("notice not a number") << "txtAvviso"
                                         << "1a" << warning << kMust + "i giorni di preavviso."
                                         << "txtAvviso";
    QTest::newRow("owner empty") << "txtProprietario"
                                 << "" << warning << kMust + "il nome del proprietario del cane."
                                 << "txtProprietario";
    QTest::newRow("dog empty") << "txtNome"
                               << "" << warning << kMust + "il nome del cane a cui la scadenza si riferisce."
                               << "txtNome";
    QTest::newRow("reason empty") << "txtDettagli"
                                  << "" << warning << kMust + "la causale della scadenza."
                                  << "txtDettagli";
    QTest::newRow("month not in the list")
        << "txtMese"
        << "Marzolino" << warning << "Attenzione: selezionare il mese dal menu a cascata." + kDateTail << "txtMese";
    QTest::newRow("31 April") << "txtMese"
                              << "Aprile" << int(Kind::Plain)
                              << "Attenzione: la data 31/04/2024 non esiste." + kDateTail << "txtGiorno";
}

void TestScadenzario::saveRefusals()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    openYear(QStringLiteral("2024"));
    // The texts as a loaded record leaves them: no selector is left after.
    m_window->txtNote->setFocus();
    fillValid();
    m_window->txtGiorno->setEditText(QStringLiteral("31"));
    m_window->txtMese->setEditText(QStringLiteral("Maggio"));
    m_window->txtCosto->clear();
    QWidget *changed = m_window->findChild<QWidget *>(control);
    QVERIFY(changed);
    ControlText::setText(changed, text);

    m_window->cmdSalva->click();
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(int(m_messages->kind(0)), kind);
    QCOMPARE(m_messages->text(0), message);
    QVERIFY2(hasFocus(m_window->findChild<QWidget *>(focus)), qPrintable(focused()->objectName()));
    QVERIFY(!QFile::exists(yearFile(QStringLiteral("2024"))));
    QVERIFY(m_window->lblPosizione->text().isEmpty());
    // The empty cost is "0,00" even after a refusal.
    QCOMPARE(m_window->txtCosto->text(), QStringLiteral("0,00"));
}

void TestScadenzario::leapDay_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("saved");
    QTest::newRow("leap year") << "2024" << true;
    QTest::newRow("common year") << "2023" << false;
}

void TestScadenzario::leapDay()
{
    QFETCH(QString, year);
    QFETCH(bool, saved);
    openYear(year);
    fillValid();
    m_window->txtGiorno->setEditText(QStringLiteral("29"));
    m_window->txtMese->setEditText(QStringLiteral("Febbraio"));
    m_window->cmdSalva->click();
    QCOMPARE(QFile::exists(yearFile(year)), saved);
    QCOMPARE(m_messages->lastKind(), saved ? Kind::Information : Kind::Plain);
    if (!saved)
        QCOMPARE(m_messages->lastText(), "Attenzione: la data 29/02/" + year + " non esiste." + kDateTail);
}

void TestScadenzario::duplicateThenSaveAppendsAnIdenticalCopy()
{
    openYear(QStringLiteral("2024"));
    const QString path = yearFile(QStringLiteral("2024"));
    for (const char *day : { "01", "02", "03", "04", "05" }) {
        m_window->cmdNuovo->click();
        fillValid();
        m_window->txtGiorno->setEditText(QLatin1String(day));
        m_window->txtCodFisc->setText(QStringLiteral("BNCMRA80A41H501X"));
        m_window->chkDaConfermare->setChecked(true);
        m_window->cmdSalva->click();
    }
    QCOMPARE(readFile(path).size(), 5 * 1448);
    m_window->cmdPrimo->click();
    for (int i = 0; i < 4; ++i)
        m_window->cmdAvanti->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("5"));
    const QByteArray before = readFile(path);

    m_messages->clear();
    m_window->cmdDuplica->click();
    QCOMPARE(m_messages->lastText(), ArchiveEditor::kDuplicated);
    QVERIFY(m_window->lblPosizione->text().isEmpty());
    QVERIFY(m_window->txtGiorno->currentText().isEmpty());
    QVERIFY(m_window->txtMese->currentText().isEmpty());
    QCOMPARE(m_window->txtOreApp->currentText(), QStringLiteral("00"));
    QCOMPARE(m_window->txtMinutiApp->currentText(), QStringLiteral("00"));
    QCOMPARE(m_window->txtProprietario->text(), QStringLiteral("Bianchi Maria"));
    QVERIFY(m_window->chkDaConfermare->isChecked());
    QVERIFY(hasFocus(m_window->txtGiorno));

    // The same day and time again: the copy is the record, byte for byte.
    m_window->txtGiorno->setEditText(QStringLiteral("05"));
    m_window->txtMese->setEditText(QStringLiteral("Marzo"));
    m_window->txtOreApp->setEditText(QStringLiteral("09"));
    m_window->txtMinutiApp->setEditText(QStringLiteral("30"));
    m_window->cmdSalva->click();
    const QByteArray after = readFile(path);
    QCOMPARE(after.size(), before.size() + 1448);
    QCOMPARE(after.left(before.size()), before);
    QCOMPARE(recordAt(after, 6), recordAt(after, 5));
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("6"));
}

void TestScadenzario::navigationBounds()
{
    openYear(QStringLiteral("2025"));
    writeFile(yearFile(QStringLiteral("2025")), FixtureData::bytes(QStringLiteral("deadlines/golden.sca")));
    m_window->cmdPrimo->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_window->txtMese->currentText(), QStringLiteral("Marzo"));
    QCOMPARE(m_window->lblAnno->text(), QStringLiteral("2025"));
    m_window->cmdIndietro->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("1"));
    m_window->cmdUltimo->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("3"));
    m_window->cmdAvanti->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(m_messages->count(), 0);

    // An empty year: the notice, and Next empties the position.
    writeFile(yearFile(QStringLiteral("2025")), QByteArray());
    m_window->cmdAvanti->click();
    QCOMPARE(m_messages->lastText(), ArchiveEditor::kEmptyArchive);
    QVERIFY(m_window->lblPosizione->text().isEmpty());
}

void TestScadenzario::newKeepsYearAndDefaults()
{
    openYear(QStringLiteral("2025"));
    writeFile(yearFile(QStringLiteral("2025")), FixtureData::bytes(QStringLiteral("deadlines/golden.sca")));
    m_window->cmdUltimo->click();
    const QString year = m_window->lblAnno->text();
    const QString date = m_window->lblData->text();
    QVERIFY(!date.isEmpty());
    m_window->cmdNuovo->click();
    QVERIFY(m_window->lblPosizione->text().isEmpty());
    QVERIFY(m_window->txtGiorno->currentText().isEmpty());
    QCOMPARE(m_window->txtOreApp->currentText(), QStringLiteral("00"));
    QCOMPARE(m_window->txtMinutiApp->currentText(), QStringLiteral("00"));
    QCOMPARE(m_window->txtCosto->text(), QStringLiteral("0,00"));
    QVERIFY(m_window->txtProprietario->text().isEmpty());
    QVERIFY(!m_window->chkDaConfermare->isChecked());
    QCOMPARE(m_window->lblAnno->text(), year);
    QCOMPARE(m_window->lblData->text(), date);
    QVERIFY(hasFocus(m_window->txtGiorno));
}

void TestScadenzario::selectorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text"); // the day's text after the key
    QTest::addColumn<QString>("focus");
    QTest::newRow("digit discarded") << int(Qt::Key_7) << "05"
                                     << "txtGiorno";
    QTest::newRow("letter discarded") << int(Qt::Key_A) << "05"
                                      << "txtGiorno";
    QTest::newRow("Tab discarded") << int(Qt::Key_Tab) << "05"
                                   << "txtGiorno";
    QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << ""
                                       << "txtGiorno";
    QTest::newRow("Enter to the month") << int(Qt::Key_Return) << "05"
                                        << "txtMese";
}

void TestScadenzario::selectorKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    openYear(QStringLiteral("2024"));
    m_window->txtGiorno->setCurrentIndex(4);
    m_window->txtGiorno->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(m_window->txtGiorno->currentText(), text);
    QVERIFY(hasFocus(m_window->findChild<QWidget *>(focus)));
}

void TestScadenzario::selectorLeaveChecksTheList_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("kept");
    QTest::newRow("a month as listed") << "txtMese"
                                       << "Gennaio"
                                       << "Gennaio";
    QTest::newRow("a month in lower case") << "txtMese"
                                           << "gennaio"
                                           << "";
    QTest::newRow("a day as listed") << "txtGiorno"
                                     << "05"
                                     << "05";
    QTest::newRow("a day of one digit") << "txtGiorno"
                                        << "5"
                                        << "";
    QTest::newRow("minutes out of the list") << "txtMinutiApp"
                                             << "60"
                                             << "";
}

void TestScadenzario::selectorLeaveChecksTheList()
{
    QFETCH(QString, selector);
    QFETCH(QString, loaded);
    QFETCH(QString, kept);
    openYear(QStringLiteral("2024"));
    auto *p = m_window->findChild<PickList *>(selector);
    QVERIFY(p);
    p->setFocus();
    ControlText::setText(p, loaded); // as a record loads it
    m_window->txtAvviso->setFocus();
    QCOMPARE(p->currentText(), kept);
}

void TestScadenzario::selectorSelectionDroppedOnFocus()
{
    openYear(QStringLiteral("2024"));
    m_window->txtAvviso->setFocus();
    m_window->txtGiorno->setCurrentIndex(4);
    m_window->txtGiorno->setFocus();
    QCOMPARE(m_window->txtGiorno->currentIndex(), -1);
    QCOMPARE(m_window->txtGiorno->currentText(), QStringLiteral("05"));
}

void TestScadenzario::tabDoesNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("notice") << "txtAvviso";
    QTest::newRow("cost") << "txtCosto";
    QTest::newRow("minutes") << "txtMinutiApp";
}

void TestScadenzario::tabDoesNothing()
{
    QFETCH(QString, control);
    openYear(QStringLiteral("2024"));
    QWidget *w = m_window->findChild<QWidget *>(control);
    w->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(hasFocus(w));
    // A control without a filter passes the focus on.
    m_window->txtContatto->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(hasFocus(m_window->chkDaConfermare));
}

void TestScadenzario::costNormaliser_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("whole") << "12"
                           << "12,00";
    QTest::newRow("one decimal") << "12,5"
                                 << "12,50";
    QTest::newRow("thousands") << "1234,5"
                               << "1234,50";
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("pasted letters") << "abc"
                                    << "0,00";
    QTest::newRow("half up at four decimals") << "1,00005"
                                              << "1,0001";
    QTest::newRow("half below in binary") << "2,00005"
                                          << "2,00";
    QTest::newRow("leading comma") << ",5"
                                   << "0,50";
    QTest::newRow("four decimals kept") << "3,1416"
                                        << "3,1416";
}

void TestScadenzario::costNormaliser()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    openYear(QStringLiteral("2024"));
    m_window->txtCosto->setFocus();
    m_window->txtCosto->setText(typed);
    m_window->txtContatto->setFocus();
    QCOMPARE(m_window->txtCosto->text(), left);
}

void TestScadenzario::fiscalCodeUpperCasedOnKeyRelease()
{
    openYear(QStringLiteral("2024"));
    m_window->txtCodFisc->setFocus();
    QTest::keyClicks(m_window->txtCodFisc, QStringLiteral("rss"));
    QCOMPARE(m_window->txtCodFisc->text(), QStringLiteral("RSS"));
    QTest::keyClick(m_window->txtCodFisc, Qt::Key_Space);
    QCOMPARE(m_window->txtCodFisc->text(), QStringLiteral("RSS"));
}

void TestScadenzario::checkerByCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("checker"); // class of the modal window
    QTest::addColumn<QString>("edit"); // its edit, holding the code
    QTest::newRow("eleven digits") << "12345678901"
                                   << "TfrmPartitaIva"
                                   << "txtPartitaIva";
    QTest::newRow("fiscal code") << "BNCMRA80A41H501X"
                                 << "TfrmCodFisc"
                                 << "txtCodFisc";
    QTest::newRow("nothing") << ""
                             << "TfrmCodFisc"
                             << "txtCodFisc";
}

void TestScadenzario::checkerByCode()
{
    QFETCH(QString, code);
    QFETCH(QString, checker);
    QFETCH(QString, edit);
    openYear(QStringLiteral("2024"));
    m_window->txtCodFisc->setText(code);
    QString shown, held;
    onNextModal([&](QWidget *modal) {
        shown = QString::fromLatin1(modal->metaObject()->className());
        if (auto *line = modal->findChild<QLineEdit *>(edit))
            held = line->text();
        static_cast<QDialog *>(modal)->reject();
    });
    m_window->btnCodFisc->click();
    QCOMPARE(shown, checker);
    QCOMPARE(held, code);
}

void TestScadenzario::dogImportKeepsPosition()
{
    openYear(QStringLiteral("2024"));
    WindowRegistry::set(QLatin1String(WindowNames::frmScadenzario), m_window.get());
    for (const char *day : { "01", "02", "03", "04" }) {
        m_window->cmdNuovo->click();
        fillValid();
        m_window->txtGiorno->setEditText(QLatin1String(day));
        m_window->cmdSalva->click();
    }
    const QString path = yearFile(QStringLiteral("2024"));
    m_window->cmdPrimo->click();
    m_window->cmdAvanti->click();
    m_window->cmdAvanti->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("3"));

    RecordBuffer dog(DogRecord::layout());
    dog.clear();
    dog.setText(DogRecord::Nome, QStringLiteral("Fido"));
    dog.setText(DogRecord::Proprietario, QStringLiteral("Verdi Luca"));
    dog.setText(DogRecord::CodFisc, QStringLiteral("VRDLCU70A01F205X"));
    DogDelivery::deliver(QStringLiteral("scadenzario"), dog.bytes(), 9);
    QCOMPARE(m_window->txtNome->text(), QStringLiteral("Fido"));
    QCOMPARE(m_window->txtProprietario->text(), QStringLiteral("Verdi Luca"));
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(m_window->txtDettagli->text(), QStringLiteral("Richiamo vaccinazione"));

    m_window->cmdSalva->click();
    const QByteArray file = readFile(path);
    QCOMPARE(file.size(), 4 * 1448);
    QCOMPARE(fieldOf(recordAt(file, 3), DeadlineRecord::Nome), QStringLiteral("Fido"));
    QCOMPARE(fieldOf(recordAt(file, 3), DeadlineRecord::Giorno), QStringLiteral("03"));
    QCOMPARE(fieldOf(recordAt(file, 2), DeadlineRecord::Nome), QStringLiteral("Briciola"));
}

void TestScadenzario::commandsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mode");
    QTest::newRow("OK") << "btnOK" << WindowNames::frmExpImminenti << "";
    QTest::newRow("day list") << "btnGiorno" << WindowNames::frmExpGiornaliere << "";
    QTest::newRow("month list") << "btnMese" << WindowNames::frmExpMensili << "";
    QTest::newRow("export") << "cmdEsporta" << WindowNames::frmExpScadenzario << "";
    QTest::newRow("to confirm") << "cmdDaConfermare" << WindowNames::frmDaConfermare << "";
    QTest::newRow("payments to make") << "cmdDaEffettuare" << WindowNames::frmConfermati << "";
    QTest::newRow("payments made") << "cmdEffettuate" << WindowNames::frmNonConfermati << "";
    QTest::newRow("search") << "cmdTrova" << WindowNames::frmTrovaScadenzario << "Scadenzario";
}

void TestScadenzario::commandsOpenTheirWindows()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, mode);
    const bool startPanel = command.startsWith(QLatin1String("btn"));
    m_window->show();
    if (!startPanel)
        openYear(QStringLiteral("2024"));
    auto *button = m_window->findChild<QAbstractButton *>(command);
    QVERIFY(button);
    button->setEnabled(true); // OK follows the alert
    QString opened;
    QString memory;
    onNextModal([&](QWidget *w) {
        opened = w->objectName();
        if (auto *label = w->findChild<QLabel *>(QStringLiteral("lblMemory")))
            memory = label->text();
        w->close();
    });
    button->click();
    QCOMPARE(opened, window);
    if (!mode.isEmpty())
        QCOMPARE(memory, mode);
}

void TestScadenzario::helpFromBothPanels_data()
{
    QTest::addColumn<bool>("startPanel");
    QTest::newRow("start panel picture") << true;
    QTest::newRow("editor command") << false;
}

void TestScadenzario::helpFromBothPanels()
{
    QFETCH(bool, startPanel);
    m_window->show();
    if (!startPanel)
        openYear(QStringLiteral("2024"));
    QString title;
    onNextModal([&](QWidget *modal) {
        if (auto *label = modal->findChild<QLabel *>(QStringLiteral("lblTitolo")))
            title = label->text();
        static_cast<QDialog *>(modal)->reject();
    });
    if (startPanel) {
        QTest::mouseClick(m_window->imgGuida, Qt::LeftButton);
    } else {
        m_window->cmdGuida->click();
    }
    QCOMPARE(title, QStringLiteral("App Scadenze e Appuntamenti"));
}

void TestScadenzario::alert_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("year"); // the file written
    QTest::addColumn<QByteArrayList>("records");
    QTest::addColumn<bool>("imminent");

    const QDate june15(2030, 6, 15);
    QTest::newRow("on the day, no notice")
        << june15 << "2030" << QByteArrayList { deadline("15/06/2030", "0") } << true;
    QTest::newRow("the day after") << june15 << "2030" << QByteArrayList { deadline("14/06/2030", "5") } << false;
    QTest::newRow("the 17th for the 20th, notice 3")
        << QDate(2030, 6, 17) << "2030" << QByteArrayList { deadline("20/06/2030", "3") } << true;
    QTest::newRow("the 20th for the 20th, notice 3")
        << QDate(2030, 6, 20) << "2030" << QByteArrayList { deadline("20/06/2030", "3") } << true;
    QTest::newRow("the 16th for the 20th, notice 3")
        << QDate(2030, 6, 16) << "2030" << QByteArrayList { deadline("20/06/2030", "3") } << false;
    QTest::newRow("paid, still imminent")
        << june15 << "2030" << QByteArrayList { deadline("16/06/2030", "2", true) } << true;
    QTest::newRow("next year's file on 28 December")
        << QDate(2030, 12, 28) << "2031" << QByteArrayList { deadline("05/01/2031", "10") } << false;
    QTest::newRow("a damaged record hides no other")
        << june15 << "2030"
        << QByteArrayList { deadline("15/06/2030", ""), deadline("31/02/2030", "3"), deadline("16/06/2030", "1a"),
               deadline("16/06/2030", "1") }
        << true;
}

void TestScadenzario::alert()
{
    QFETCH(QDate, today);
    QFETCH(QString, year);
    QFETCH(QByteArrayList, records);
    QFETCH(bool, imminent);
    Clock::Fixed clock(QDateTime(today, QTime(23, 0)));
    writeFile(yearFile(year), records.join());
    writeFile(programFile(QStringLiteral("Avviso.mp3")), QByteArray("ID3"));
    m_window->show();
    QCOMPARE(m_window->imgPresenti->isVisibleTo(m_window.get()), imminent);
    QCOMPARE(m_window->imgAssenti->isVisibleTo(m_window.get()), !imminent);
    QCOMPARE(m_window->btnOK->isEnabled(), imminent);
    QCOMPARE(m_played, imminent ? QStringList { programFile(QStringLiteral("Avviso.mp3")) } : QStringList());
    QCOMPARE(m_messages->count(), 0);
    QCOMPARE(readFile(yearFile(year)), records.join()); // read only
}

void TestScadenzario::alertWithoutFileSaysNone()
{
    writeFile(programFile(QStringLiteral("Avviso.mp3")), QByteArray("ID3"));
    QVERIFY(m_window->btnOK->isEnabled()); // as built
    m_window->show();
    QVERIFY(m_window->imgAssenti->isVisible());
    QVERIFY(!m_window->imgPresenti->isVisible());
    QVERIFY(!m_window->btnOK->isEnabled());
    QVERIFY(m_played.isEmpty());
    QCOMPARE(QFileInfo(yearFile(QStringLiteral("2030"))).size(), 0);
    QVERIFY(QFileInfo(yearFile(QStringLiteral("2030"))).isFile());
}

void TestScadenzario::unreadableYearLeavesTheAlertAsItWas()
{
    QVERIFY(QDir().mkdir(yearFile(QStringLiteral("2030"))));
    writeFile(programFile(QStringLiteral("Avviso.mp3")), QByteArray("ID3"));
    m_window->show();
    QVERIFY(m_window->imgAssenti->isVisible());
    QVERIFY(!m_window->imgPresenti->isVisible());
    QVERIFY(m_window->btnOK->isEnabled()); // as built: no scan took place
    QVERIFY(m_played.isEmpty());
    QCOMPARE(m_messages->count(), 0);
}

void TestScadenzario::unreadableYearReportedOnSave()
{
    openYear(QStringLiteral("2024"));
    QVERIFY(QDir().mkdir(yearFile(QStringLiteral("2024"))));
    fillValid();
    m_window->cmdSalva->click();
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->kind(0), Kind::Error);
    QCOMPARE(m_messages->text(0), kArchiveAccessMessage);
    QVERIFY(m_window->lblPosizione->text().isEmpty());
    QVERIFY(QFileInfo(yearFile(QStringLiteral("2024"))).isDir());
}

void TestScadenzario::closeStopsTheSoundAndReturnsToStart()
{
    writeFile(yearFile(QStringLiteral("2030")), deadline("15/06/2030", "0"));
    writeFile(programFile(QStringLiteral("Avviso.mp3")), QByteArray("ID3"));
    openYear(QStringLiteral("2024"));
    QCOMPARE(m_played.size(), 1);
    m_window->cmdEsci->click();
    QCOMPARE(m_stops, 1);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Kennora - Scadenze e appuntamenti"));
    QVERIFY(m_window->panAvvio->isVisibleTo(m_window.get()));
    QVERIFY(!m_window->panContainer->isVisibleTo(m_window.get()));

    // The next showing plays it again, from the start.
    m_window->show();
    QCOMPARE(m_played.size(), 2);
    QVERIFY(m_window->panAvvio->isVisible());
}

QTEST_MAIN(TestScadenzario)
#include "tst_scadenzario.moc"
