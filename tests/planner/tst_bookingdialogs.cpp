// The day and interval booking dialogs over an open planner: the day dialog's
// title, picture, apply, clear and cancel; the interval dialog's pickers (key
// filter and check on leaving), copy and clear, the apply command's stops,
// the confirmation and the days it marks.

#include "catalog/core/BoxRecord.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/PickList.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "planner/DayTile.h"
#include "planner/Giorno.h"
#include "planner/Intervallo.h"
#include "planner/MenuDisponibili.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"
#include "tests/planner/PlannerScene.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

void writeBox(const QString &number)
{
    RecordBuffer record(BoxRecord::layout());
    record.clear();
    record.setText(BoxRecord::Box, number);
    record.setText(BoxRecord::Dimensioni, QStringLiteral("3 x 2 m"));
    record.setText(BoxRecord::Capacita, QStringLiteral("2"));
    record.setText(BoxRecord::Prezzo, QStringLiteral("18,00"));
    record.setText(BoxRecord::NonPrenotabile, QStringLiteral("No"));
    writeFile(BoxRecord::path(), record.bytes());
}

// A left click on a picture command.
void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class TestBookingDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dayTitle_data();
    void dayTitle();
    void tileOpensTheDayDialogAndApplyIsStoredOnLeaving();
    void dayApply_data();
    void dayApply();
    void dayClearThenCancelOrApply();
    void dayKeyMatchesExactly();
    void dayPictureFollowsTheText();
    void enterInTheDayTextDoesNothing();

    void intervalOpensEmptyWithYearAndBox();
    void pickerKeys_data();
    void pickerKeys();
    void pickerCheckOnLeaving_data();
    void pickerCheckOnLeaving();
    void pickerCaseIncluded();
    void copyToClipboard();
    void intervalStopsKeepTheDialogOpen();
    void intervalMarking_data();
    void intervalMarking();
    void intervalNoLeavesThePlannerUnchanged();
    void screenshots();

private:
    void openPlanner(const QString &year);
    // Opens the interval dialog through the planner's command and runs `act` in it.
    void withInterval(const std::function<void(TfrmIntervallo *)> &act);
    // Opens the day dialog through a click on the day's tile (the free one
    // when shown) and runs `act` in it; returns whether it was shown.
    bool withDay(int day, const std::function<void(TfrmGiorno *)> &act);

    std::unique_ptr<PlannerScene> m_scene;
};

void TestBookingDialogs::init()
{
    m_scene = std::make_unique<PlannerScene>();
}

void TestBookingDialogs::cleanup()
{
    m_scene.reset();
}

void TestBookingDialogs::openPlanner(const QString &year)
{
    writeBox(QStringLiteral("7"));
    frmMenuDisponibili->show();
    frmMenuDisponibili->txtAnnoFatture->setText(year);
    frmMenuDisponibili->lstRecords->setCurrentRow(0);
    frmMenuDisponibili->btnApriFattureClick();
    QVERIFY(frmPlanning->isVisible());
    m_scene->messages.clear();
}

void TestBookingDialogs::withInterval(const std::function<void(TfrmIntervallo *)> &act)
{
    bool shown = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmIntervallo *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        shown = QTest::qWaitForWindowActive(dialog);
        act(dialog); // a failed check returns here; the dialog is closed below
        if (dialog->isVisible())
            dialog->btnAnnulla->click();
    });
    frmPlanning->cmdIntervallo->click();
    QVERIFY(shown);
}

bool TestBookingDialogs::withDay(int day, const std::function<void(TfrmGiorno *)> &act)
{
    bool shown = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmGiorno *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        shown = QTest::qWaitForWindowActive(dialog);
        act(dialog);
        if (dialog->isVisible())
            dialog->btnAnnulla->click();
    });
    DayTile *tile = frmPlanning->libDay(day)->isHidden() ? frmPlanning->occDay(day) : frmPlanning->libDay(day);
    click(tile);
    return shown;
}

// ---------------------------------------------------------------------------
// Day dialog

void TestBookingDialogs::dayTitle_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("key");
    QTest::newRow("1 January") << 0 << "2025"
                               << "Prenotazione del 1 gennaio 2025"
                               << "gen_01";
    QTest::newRow("29 February") << int(PlannerRecord::Feb29) << "2024"
                                 << "Prenotazione del 29 febbraio 2024"
                                 << "feb_29";
    QTest::newRow("1 March, leap year") << int(PlannerRecord::Feb29 + 1) << "2024"
                                        << "Prenotazione del 1 marzo 2024"
                                        << "mar_01";
    QTest::newRow("31 December") << 365 << "2023"
                                 << "Prenotazione del 31 dicembre 2023"
                                 << "dic_31";
}

void TestBookingDialogs::dayTitle()
{
    QFETCH(int, day);
    QFETCH(QString, year);
    QFETCH(QString, title);
    QFETCH(QString, key);
    openPlanner(year);
    QVERIFY(withDay(day, [&](TfrmGiorno *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Prenotazione box"));
        QCOMPARE(dialog->infGiorno->text(), title);
        QCOMPARE(dialog->infCamera->text(), QStringLiteral("Box n. 7"));
        QCOMPARE(dialog->lblMemory->text(), key);
        QCOMPARE(dialog->txtPrenotazione->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dialog->txtPrenotazione);
    }));
}

void TestBookingDialogs::tileOpensTheDayDialogAndApplyIsStoredOnLeaving()
{
    openPlanner(QStringLiteral("2025"));
    QVERIFY(withDay(0, [](TfrmGiorno *dialog) {
        QTest::keyClicks(dialog->txtPrenotazione, QStringLiteral("  Rex 333 "));
        QVERIFY(dialog->icoLibera->isHidden());
        QVERIFY(!dialog->icoOccupata->isHidden());
        dialog->btnChiudi->click();
    }));
    QCOMPARE(frmPlanning->dayText(0), QStringLiteral("Rex 333"));
    QVERIFY(frmPlanning->libDay(0)->isHidden());
    QVERIFY(!frmPlanning->occDay(0)->isHidden());

    // The booked tile opens the dialog with the text and the booked picture.
    QVERIFY(withDay(0, [](TfrmGiorno *dialog) {
        QCOMPARE(dialog->txtPrenotazione->text(), QStringLiteral("Rex 333"));
        QVERIFY(dialog->icoLibera->isHidden());
        QVERIFY(!dialog->icoOccupata->isHidden());
        dialog->btnAnnulla->click();
    }));

    frmPlanning->close();
    const QByteArray bytes = readFile(programFile(QStringLiteral("Prenotazioni box 7 anno 2025.pln")));
    QCOMPARE(bytes.size(), 18775);
    // The first day's field, after the box's head: its length, then the trimmed text.
    QCOMPARE(bytes.mid(109, 8), QByteArray("\x07Rex 333"));
}

void TestBookingDialogs::dayApply_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed"); // replaces the edit's text
    QTest::addColumn<QString>("after");
    QTest::newRow("free, booked trimmed") << ""
                                          << "  Rex "
                                          << "Rex";
    QTest::newRow("booked, blanks free it") << "Fido"
                                            << "   "
                                            << "";
    QTest::newRow("booked, new text replaces") << "Fido"
                                               << "Argo"
                                               << "Argo";
    QTest::newRow("free, empty stays free") << ""
                                            << ""
                                            << "";
}

void TestBookingDialogs::dayApply()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    openPlanner(QStringLiteral("2024"));
    const int day = PlannerRecord::Feb29;
    frmPlanning->setDay(day, before);
    frmPlanning->setDay(day + 1, QStringLiteral("Vicino"));
    QVERIFY(withDay(day, [&](TfrmGiorno *dialog) {
        dialog->txtPrenotazione->selectAll();
        QTest::keyClick(dialog->txtPrenotazione, Qt::Key_Delete);
        QTest::keyClicks(dialog->txtPrenotazione, typed);
        dialog->btnChiudi->click();
    }));
    QCOMPARE(frmPlanning->dayText(day), after);
    QCOMPARE(frmPlanning->libDay(day)->isHidden(), !after.isEmpty());
    QCOMPARE(frmPlanning->occDay(day)->isHidden(), after.isEmpty());
    QCOMPARE(frmPlanning->dayText(day + 1), QStringLiteral("Vicino"));
    QCOMPARE(m_scene->messages.count(), 0);
}

void TestBookingDialogs::dayClearThenCancelOrApply()
{
    openPlanner(QStringLiteral("2025"));
    frmPlanning->setDay(40, QStringLiteral("Fido"));
    for (const bool apply : { false, true }) {
        QVERIFY(withDay(40, [apply](TfrmGiorno *dialog) {
            dialog->btnChiudi->setFocus();
            click(dialog->cmdCancella);
            QCOMPARE(dialog->txtPrenotazione->text(), QString());
            QVERIFY(!dialog->icoLibera->isHidden());
            QVERIFY(dialog->icoOccupata->isHidden());
            QCOMPARE(QApplication::focusWidget(), dialog->txtPrenotazione);
            (apply ? dialog->btnChiudi : dialog->btnAnnulla)->click();
        }));
        QCOMPARE(frmPlanning->dayText(40), apply ? QString() : QStringLiteral("Fido"));
        QCOMPARE(frmPlanning->dayBooked(40), !apply);
    }
    // Annulla after typing changes nothing either.
    QVERIFY(withDay(41, [](TfrmGiorno *dialog) {
        QTest::keyClicks(dialog->txtPrenotazione, QStringLiteral("Argo"));
        dialog->btnAnnulla->click();
    }));
    QVERIFY(!frmPlanning->dayBooked(41));
}

void TestBookingDialogs::dayKeyMatchesExactly()
{
    openPlanner(QStringLiteral("2024"));
    const struct {
        QString key;
        int day; // -1: nothing changes
    } cases[] = { { QStringLiteral(" feb_29 "), PlannerRecord::Feb29 }, { QStringLiteral("GEN_01"), -1 },
        { QStringLiteral("Gen_01"), -1 }, { QStringLiteral("xyz"), -1 } };
    for (const auto &c : cases) {
        frmPlanning->cmdNuovoClick();
        TfrmGiorno dialog(frmPlanning);
        dialog.lblMemory->setText(c.key);
        dialog.txtPrenotazione->setText(QStringLiteral("Rex"));
        dialog.btnChiudiClick();
        int booked = 0;
        for (int day = 0; day < PlannerRecord::DayCount; ++day)
            booked += frmPlanning->dayBooked(day) ? 1 : 0;
        QCOMPARE(booked, c.day < 0 ? 0 : 1);
        if (c.day >= 0)
            QCOMPARE(frmPlanning->dayText(c.day), QStringLiteral("Rex"));
    }
}

void TestBookingDialogs::dayPictureFollowsTheText()
{
    TfrmGiorno dialog;
    QVERIFY(!dialog.icoLibera->isHidden());
    QVERIFY(dialog.icoOccupata->isHidden());
    dialog.show();
    QTest::keyClicks(dialog.txtPrenotazione, QStringLiteral(" "));
    QVERIFY(!dialog.icoLibera->isHidden());
    QTest::keyClicks(dialog.txtPrenotazione, QStringLiteral("R"));
    QVERIFY(dialog.icoLibera->isHidden());
    QVERIFY(!dialog.icoOccupata->isHidden());
    QTest::keyClick(dialog.txtPrenotazione, Qt::Key_Backspace);
    QVERIFY(!dialog.icoLibera->isHidden());
    QVERIFY(dialog.icoOccupata->isHidden());
    // At most 50 typed characters.
    QTest::keyClicks(dialog.txtPrenotazione, QStringLiteral("x").repeated(60));
    QCOMPARE(dialog.txtPrenotazione->text().size(), 50);
    dialog.hide();
}

void TestBookingDialogs::enterInTheDayTextDoesNothing()
{
    openPlanner(QStringLiteral("2025"));
    bool stillOpen = false;
    QVERIFY(withDay(10, [&](TfrmGiorno *dialog) {
        QTest::keyClicks(dialog->txtPrenotazione, QStringLiteral("Rex"));
        QTest::keyClick(dialog->txtPrenotazione, Qt::Key_Return);
        QTest::keyClick(dialog->txtPrenotazione, Qt::Key_Enter);
        QTest::keyClick(dialog->txtPrenotazione, Qt::Key_Escape);
        stillOpen = dialog->isVisible() && QApplication::focusWidget() == dialog->txtPrenotazione;
        dialog->btnAnnulla->click();
    }));
    QVERIFY(stillOpen);
    QVERIFY(!frmPlanning->dayBooked(10));
}

// ---------------------------------------------------------------------------
// Interval dialog

void TestBookingDialogs::intervalOpensEmptyWithYearAndBox()
{
    openPlanner(QStringLiteral("2024"));
    withInterval([](TfrmIntervallo *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral(" Prenotazione box per intervallo di tempo"));
        QCOMPARE(d->lblAnnoInizio->text(), QStringLiteral("2024"));
        QCOMPARE(d->lblAnnoFine->text(), QStringLiteral("2024"));
        QCOMPARE(d->infCamera->text(), QStringLiteral("Box n. 7"));
        for (PickList *p : { d->txtGiornoInizio, d->txtMeseInizio, d->txtGiornoFine, d->txtMeseFine }) {
            QCOMPARE(p->currentText(), QString());
            QCOMPARE(p->currentIndex(), -1);
        }
        QCOMPARE(d->txtGiornoInizio->count(), 31);
        QCOMPARE(d->txtGiornoInizio->itemText(4), QStringLiteral("05"));
        QCOMPARE(d->txtMeseFine->itemText(11), QStringLiteral("Dicembre"));
        QCOMPARE(QApplication::focusWidget(), d->txtPrenotazione);
        // Tab order: text, Applica, Annulla, start day, start month.
        QTest::keyClick(d->txtPrenotazione, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->btnChiudi);
        QTest::keyClick(d->btnChiudi, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->btnAnnulla);
        QTest::keyClick(d->btnAnnulla, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->txtGiornoInizio);
        QVERIFY(d->txtGiornoInizio->frame()->isVisible());
        QTest::keyClick(d->txtGiornoInizio, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->txtMeseInizio);
        QVERIFY(!d->txtGiornoInizio->frame()->isVisible());
        // Enter walks the pickers to the text, then to "Applica e chiudi" without pressing it.
        QTest::keyClick(d->txtMeseInizio, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->txtGiornoFine);
        QTest::keyClick(d->txtGiornoFine, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), d->txtMeseFine);
        QTest::keyClick(d->txtMeseFine, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->txtPrenotazione);
        QTest::keyClick(d->txtPrenotazione, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->btnChiudi);
        QVERIFY(d->isVisible());
    });
    QCOMPARE(m_scene->messages.count(), 0);
}

void TestBookingDialogs::pickerKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    const int none = Qt::NoModifier;
    QTest::newRow("letter") << int(Qt::Key_A) << none << "15";
    QTest::newRow("digit") << int(Qt::Key_3) << none << "15";
    QTest::newRow("space") << int(Qt::Key_Space) << none << "15";
    QTest::newRow("Up") << int(Qt::Key_Up) << none << "15";
    QTest::newRow("Down") << int(Qt::Key_Down) << none << "15";
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "15";
    QTest::newRow("End") << int(Qt::Key_End) << none << "15";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "15";
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "15";
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "15";
    QTest::newRow("Left") << int(Qt::Key_Left) << none << "15";
    QTest::newRow("Backspace empties all") << int(Qt::Key_Backspace) << none << "";
    QTest::newRow("Delete empties all") << int(Qt::Key_Delete) << none << "";
}

void TestBookingDialogs::pickerKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QApplication::clipboard()->setText(QStringLiteral("07"));
    TfrmIntervallo dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    PickList *picker = dialog.txtGiornoFine;
    picker->setCurrentIndex(14);
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(picker->currentText(), after);
    QCOMPARE(QApplication::focusWidget(), picker);
    dialog.hide();
}

void TestBookingDialogs::pickerCheckOnLeaving_data()
{
    QTest::addColumn<bool>("month");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::newRow("day 05") << false << "05"
                            << "05";
    QTest::newRow("day 05 between blanks kept as it is") << false << " 05 "
                                                         << " 05 ";
    QTest::newRow("day 5") << false << "5"
                           << "";
    QTest::newRow("day 32") << false << "32"
                            << "";
    QTest::newRow("empty stays empty") << false << ""
                                       << "";
    QTest::newRow("MARZO") << true << "MARZO"
                           << "MARZO";
    QTest::newRow("marzo") << true << "marzo"
                           << "marzo";
    QTest::newRow("Marz") << true << "Marz"
                          << "";
    QTest::newRow("blanks") << true << "   "
                            << "";
}

void TestBookingDialogs::pickerCheckOnLeaving()
{
    QFETCH(bool, month);
    QFETCH(QString, text);
    QFETCH(QString, after);
    TfrmIntervallo dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    PickList *picker = month ? dialog.txtMeseInizio : dialog.txtGiornoInizio;
    picker->setFocus();
    QVERIFY(picker->frame()->isVisible());
    picker->setEditText(text); // as a drop or another road past the key filter would
    dialog.txtPrenotazione->setFocus();
    QCOMPARE(picker->currentText(), after);
    QVERIFY(!picker->frame()->isVisible());
    QCOMPARE(m_scene->messages.count(), 0);
    dialog.hide();
}

void TestBookingDialogs::pickerCaseIncluded()
{
    const QStringList months = PickList::months();
    QVERIFY(PickList::accepts(months, QStringLiteral(" Marzo "), PickList::Compare::CaseIncluded));
    QVERIFY(!PickList::accepts(months, QStringLiteral("marzo"), PickList::Compare::CaseIncluded));
    QVERIFY(PickList::accepts(months, QStringLiteral("mARZO"), PickList::Compare::LowerCased));
    QWidget window;
    auto *picker = new PickList(&window, QStringLiteral("cboMese"), months, PickList::Compare::CaseIncluded, {});
    auto *other = new QLineEdit(&window);
    other->move(0, 60);
    QCOMPARE(picker->frame()->objectName(), QStringLiteral("effMese"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    picker->setFocus();
    picker->setEditText(QStringLiteral("MARZO"));
    other->setFocus();
    QCOMPARE(picker->currentText(), QString());
    picker->setFocus();
    picker->setCurrentIndex(2);
    other->setFocus();
    QCOMPARE(picker->currentText(), QStringLiteral("Marzo"));
}

void TestBookingDialogs::copyToClipboard()
{
    openPlanner(QStringLiteral("2025"));
    withInterval([this](TfrmIntervallo *d) {
        QApplication::clipboard()->setText(QStringLiteral("prima"));
        d->txtPrenotazione->setText(QStringLiteral("   "));
        d->btnChiudi->setFocus();
        click(d->cmdClipboard);
        QCOMPARE(m_scene->messages.count(), 1);
        QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Warning);
        QCOMPARE(m_scene->messages.text(0),
            QStringLiteral("Attenzione: il campo di testo non contiene nessun dato da copiare in memoria."));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("prima"));
        QCOMPARE(QApplication::focusWidget(), d->txtPrenotazione);

        d->txtPrenotazione->setText(QStringLiteral("  Rex e Fido "));
        d->btnChiudi->setFocus();
        click(d->cmdClipboard);
        QCOMPARE(m_scene->messages.count(), 2);
        QCOMPARE(m_scene->messages.kind(1), MessageBoxes::Kind::Information);
        QCOMPARE(m_scene->messages.text(1),
            QStringLiteral("Il contenuto del campo di testo \u00E8 stato copiato in memoria."));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("  Rex e Fido "));
        QCOMPARE(QApplication::focusWidget(), d->btnChiudi);

        // Clear keeps the pickers and focuses the text.
        d->txtGiornoInizio->setCurrentIndex(0);
        click(d->cmdCancella);
        QCOMPARE(d->txtPrenotazione->text(), QString());
        QCOMPARE(d->txtGiornoInizio->currentText(), QStringLiteral("01"));
        QCOMPARE(QApplication::focusWidget(), d->txtPrenotazione);
    });
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        QVERIFY(!frmPlanning->dayBooked(day));
}

void TestBookingDialogs::intervalStopsKeepTheDialogOpen()
{
    openPlanner(QStringLiteral("2024"));
    withInterval([this](TfrmIntervallo *d) {
        // No start day: warning, focus on it.
        d->btnChiudi->click();
        QCOMPARE(m_scene->messages.count(), 1);
        QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Warning);
        QCOMPARE(m_scene->messages.text(0),
            QStringLiteral(
                "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."));
        QCOMPARE(QApplication::focusWidget(), d->txtGiornoInizio);
        QVERIFY(d->isVisible());

        // 31 April: plain box, focus on the start day; the date label keeps the text.
        d->txtGiornoInizio->setCurrentIndex(30);
        d->txtMeseInizio->setCurrentIndex(3);
        d->txtGiornoFine->setCurrentIndex(0);
        d->txtMeseFine->setCurrentIndex(4);
        d->btnChiudi->setFocus();
        d->btnChiudi->click();
        QCOMPARE(m_scene->messages.lastKind(), MessageBoxes::Kind::Plain);
        QVERIFY(m_scene->messages.lastText().startsWith(QStringLiteral("Attenzione: la data 31/04/2024 di inizio")));
        QCOMPARE(QApplication::focusWidget(), d->txtGiornoInizio);
        QCOMPARE(d->lblDataInizio->text(), QStringLiteral("31/04/2024"));
        QCOMPARE(d->lblDataFine->text(), QString());

        // End before start: the focus stays where it was.
        d->txtGiornoInizio->setCurrentIndex(9);
        d->txtMeseInizio->setCurrentIndex(4);
        d->txtGiornoFine->setCurrentIndex(8);
        d->btnChiudi->setFocus();
        d->btnChiudi->click();
        QVERIFY(m_scene->messages.lastText().startsWith(
            QStringLiteral("Attenzione: la data di fine intervallo (09/05/2024)")));
        QCOMPARE(QApplication::focusWidget(), d->btnChiudi);

        // Text missing: focus on the text.
        d->txtGiornoFine->setCurrentIndex(10);
        d->btnChiudi->click();
        QCOMPARE(m_scene->messages.lastKind(), MessageBoxes::Kind::Warning);
        QCOMPARE(QApplication::focusWidget(), d->txtPrenotazione);
        QCOMPARE(m_scene->messages.count(), 4);
        QVERIFY(d->isVisible());
    });
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        QVERIFY(!frmPlanning->dayBooked(day));
}

void TestBookingDialogs::intervalMarking_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("startDay");
    QTest::addColumn<int>("startMonth");
    QTest::addColumn<int>("endDay");
    QTest::addColumn<int>("endMonth");
    QTest::addColumn<int>("booked");
    QTest::newRow("28/02-01/03 in 2024") << "2024" << 28 << 2 << 1 << 3 << 3;
    QTest::newRow("28/02-01/03 in 2023") << "2023" << 28 << 2 << 1 << 3 << 2;
    QTest::newRow("whole 2024") << "2024" << 1 << 1 << 31 << 12 << 366;
    QTest::newRow("whole 2023") << "2023" << 1 << 1 << 31 << 12 << 365;
    QTest::newRow("across a month end") << "2025" << 30 << 4 << 2 << 5 << 3;
}

void TestBookingDialogs::intervalMarking()
{
    QFETCH(QString, year);
    QFETCH(int, startDay);
    QFETCH(int, startMonth);
    QFETCH(int, endDay);
    QFETCH(int, endMonth);
    QFETCH(int, booked);
    openPlanner(year);
    // A day inside already booked gets the new text; one outside keeps its own.
    const int outside = PlannerRecord::dayIndex(startMonth, startDay) - 1;
    if (outside >= 0)
        frmPlanning->setDay(outside, QStringLiteral("Prima"));
    const int inside = PlannerRecord::dayIndex(endMonth, endDay);
    frmPlanning->setDay(inside, QStringLiteral("Vecchio"));
    m_scene->messages.answerNext(true);
    bool closed = false;
    withInterval([&](TfrmIntervallo *d) {
        d->txtGiornoInizio->setCurrentIndex(startDay - 1);
        d->txtMeseInizio->setCurrentIndex(startMonth - 1);
        d->txtGiornoFine->setCurrentIndex(endDay - 1);
        d->txtMeseFine->setCurrentIndex(endMonth - 1);
        d->txtPrenotazione->setText(QStringLiteral("  Rex  "));
        d->btnChiudi->click();
        closed = !d->isVisible();
    });
    QVERIFY(closed);
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Confirmation);
    QCOMPARE(m_scene->messages.text(0),
        QStringLiteral("INTERVALLO SELEZIONATO:  DAL  %1/%2/%5 AL %3/%4/%5.\r\n\r\nSi conferma la prenotazione?")
            .arg(startDay, 2, 10, QLatin1Char('0'))
            .arg(startMonth, 2, 10, QLatin1Char('0'))
            .arg(endDay, 2, 10, QLatin1Char('0'))
            .arg(endMonth, 2, 10, QLatin1Char('0'))
            .arg(year));
    int count = 0;
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        if (frmPlanning->dayText(day) == QStringLiteral("Rex")) {
            ++count;
            QVERIFY(frmPlanning->libDay(day)->isHidden());
            QVERIFY(!frmPlanning->occDay(day)->isHidden());
        }
    QCOMPARE(count, booked);
    QCOMPARE(frmPlanning->dayText(inside), QStringLiteral("Rex"));
    if (outside >= 0)
        QCOMPARE(frmPlanning->dayText(outside), QStringLiteral("Prima"));
    if (year == QStringLiteral("2023"))
        QVERIFY(!frmPlanning->dayBooked(PlannerRecord::Feb29));
}

void TestBookingDialogs::intervalNoLeavesThePlannerUnchanged()
{
    openPlanner(QStringLiteral("2024"));
    m_scene->messages.answerNext(false);
    bool open = false;
    withInterval([&](TfrmIntervallo *d) {
        d->txtGiornoInizio->setCurrentIndex(0);
        d->txtMeseInizio->setCurrentIndex(0);
        d->txtGiornoFine->setCurrentIndex(4);
        d->txtMeseFine->setCurrentIndex(0);
        d->txtPrenotazione->setText(QStringLiteral("Rex"));
        d->btnChiudi->click();
        open = d->isVisible() && d->txtPrenotazione->text() == QStringLiteral("Rex")
            && d->txtGiornoFine->currentText() == QStringLiteral("05");
    });
    QVERIFY(open);
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Confirmation);
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        QVERIFY(!frmPlanning->dayBooked(day));
}

// Pictures of the two dialogs over the planner (for a look under a real
// display: KENNORA_SHOTS names the folder).
void TestBookingDialogs::screenshots()
{
    const QString folder = qEnvironmentVariable("KENNORA_SHOTS");
    if (folder.isEmpty())
        QSKIP("KENNORA_SHOTS not set");
    openPlanner(QStringLiteral("2024"));
    frmPlanning->setDay(3, QStringLiteral("Fido"));
    QTest::qWait(500); // the window manager maximises the planner
    QVERIFY(withDay(3, [&](TfrmGiorno *dialog) {
        QTest::keyClicks(dialog->txtPrenotazione, QStringLiteral(" e Rex"));
        QTest::qWait(400);
        QProcess::execute(QStringLiteral("import"), { "-window", "root", folder + "/giorno.png" });
        dialog->btnAnnulla->click();
    }));
    withInterval([&](TfrmIntervallo *d) {
        d->txtGiornoInizio->setCurrentIndex(27);
        d->txtMeseInizio->setCurrentIndex(1);
        d->txtGiornoFine->setCurrentIndex(0);
        d->txtMeseFine->setCurrentIndex(2);
        d->txtPrenotazione->setText(QStringLiteral("Rossi - Argo"));
        d->txtMeseInizio->setFocus();
        QTest::qWait(400);
        QProcess::execute(QStringLiteral("import"), { "-window", "root", folder + "/intervallo.png" });
    });
}

QTEST_MAIN(TestBookingDialogs)
#include "tst_bookingdialogs.moc"
