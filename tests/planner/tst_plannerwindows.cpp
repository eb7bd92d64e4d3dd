// The planner's chooser and window: the list of bookable boxes, "Apri" and
// what it refuses (no file is touched then), the first visit and the save on
// leaving, 29 February, files that cannot be read or written, the hint line.

#include "catalog/core/BoxRecord.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "planner/DayTile.h"
#include "planner/MenuDisponibili.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"
#include "planner/core/PlannerYear.h"
#include "tests/planner/PlannerScene.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

struct Box {
    QString number, dimensions, capacity, price, notBookable;
};

void writeBoxes(const QList<Box> &boxes)
{
    QByteArray bytes;
    for (const Box &box : boxes) {
        RecordBuffer record(BoxRecord::layout());
        record.clear();
        record.setText(BoxRecord::Box, box.number);
        record.setText(BoxRecord::Dimensioni, box.dimensions);
        record.setText(BoxRecord::Capacita, box.capacity);
        record.setText(BoxRecord::Prezzo, box.price);
        record.setText(BoxRecord::NonPrenotabile, box.notBookable);
        bytes += record.bytes();
    }
    writeFile(BoxRecord::path(), bytes);
}

QStringList lines(const BoxChoiceList *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->text(i);
    return out;
}

QStringList folderEntries()
{
    return QDir(programFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name);
}

} // namespace

class TestPlannerWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void chooserListsBookableBoxesInOrder();
    void chooserPicksTheCurrentLine();
    void showingResetsModeAndList();
    void missingBoxArchiveIsCreatedAndApriWarns();
    void helpShowsThePlannerTopic();
    void yearTakesDigitsOnlyAndTabMovesOn();
    void apriRefusesAndTouchesNoFile_data();
    void apriRefusesAndTouchesNoFile();
    void firstVisitCreatesFileAndLeavingWritesTheYear();
    void secondVisitShowsTheBookings();
    void february29_data();
    void february29();
    void unreadableRecordIsNeverOverwritten();
    void failedLoadIsNeverWrittenOnLeaving_data();
    void failedLoadIsNeverWrittenOnLeaving();
    void failedSaveIsReportedAndStartMenuFollows();
    void hintLineOverTilesAndBackground();
    void screenshot();

private:
    void openPlanner(const QString &year, int row);

    std::unique_ptr<PlannerScene> m_scene;
};

void TestPlannerWindows::init()
{
    m_scene = std::make_unique<PlannerScene>();
}

void TestPlannerWindows::cleanup()
{
    m_scene.reset();
}

void TestPlannerWindows::openPlanner(const QString &year, int row)
{
    frmMenuDisponibili->show();
    frmMenuDisponibili->txtAnnoFatture->setText(year);
    frmMenuDisponibili->lstRecords->setCurrentRow(row);
    frmMenuDisponibili->btnApriFattureClick();
}

void TestPlannerWindows::chooserListsBookableBoxesInOrder()
{
    writeBoxes({ { "2", "3 x 2 m", "2", "18,00", "No" }, { "10", "4 x 3 m", "4", "25,50", "" },
        { "9", "2 x 2 m", "1", "12,00", QStringLiteral("S\u00EC") }, { "a1", "2 x 1", "1", "10,00", "sì" },
        { "1", "Grande box coperto con recinto esterno", "3", "30,00", " No " } });
    frmMenuDisponibili->show();
    const QString euro = QStringLiteral("\u20AC");
    const QStringList expected = {
        QStringLiteral("Box n. 1                          Dim. Grande box coperto con re  Posti: 3                     "
                       "Prezzo: %1 30,00")
            .arg(euro),
        QStringLiteral("Box n. 10                         Dim. 4 x 3 m                    Posti: 4                     "
                       "Prezzo: %1 25,50")
            .arg(euro),
        QStringLiteral("Box n. 2                          Dim. 3 x 2 m                    Posti: 2                     "
                       "Prezzo: %1 18,00")
            .arg(euro),
        QStringLiteral("Box n. a1                         Dim. 2 x 1                      Posti: 1                     "
                       "Prezzo: %1 10,00")
            .arg(euro),
    };
    QCOMPARE(lines(frmMenuDisponibili->lstRecords), expected);
    QCOMPARE(frmMenuDisponibili->txtAnnoFatture->text(), QStringLiteral("2025"));
    QCOMPARE(frmMenuDisponibili->lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(frmMenuDisponibili->icoMano->isHidden());
    QCOMPARE(m_scene->messages.count(), 0);
}

void TestPlannerWindows::chooserPicksTheCurrentLine()
{
    // Two boxes whose lines are equal in their shown columns: each line picks its own record.
    const QString longA = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY-1");
    const QString longB = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY-2");
    writeBoxes({ { longA, "3 x 2", "2", "18,00", "No" }, { longB, "3 x 2", "2", "18,00", QStringLiteral("S\u00EC") },
        { longB, "3 x 2", "2", "18,00", "No" } });
    frmMenuDisponibili->show();
    QCOMPARE(frmMenuDisponibili->lstRecords->count(), 2);
    frmMenuDisponibili->lstRecords->setCurrentRow(0); // as the arrow keys do
    QCOMPARE(frmMenuDisponibili->lblBox->text(), longA);
    QVERIFY(frmMenuDisponibili->icoMano->isVisible());
    QTest::keyClick(frmMenuDisponibili->lstRecords, Qt::Key_Down);
    QCOMPARE(frmMenuDisponibili->lstRecords->currentRow(), 1);
    QCOMPARE(frmMenuDisponibili->lblBox->text(), longB);
    frmMenuDisponibili->txtAnnoFatture->setText(QStringLiteral("2025"));
    frmMenuDisponibili->btnApriFattureClick();
    QCOMPARE(m_scene->messages.count(), 0);
    QCOMPARE(frmMenuDisponibili->lblFile->text(),
        programFolder() + QStringLiteral("Prenotazioni box ") + longB + QStringLiteral(" anno 2025.pln"));
    QCOMPARE(frmPlanning->windowTitle(), QStringLiteral(" Kennora - Planner prenotazioni box anno 2025"));
    QCOMPARE(frmPlanning->txtBox->text(), longB);
    QVERIFY(frmPlanning->isVisible());
    QVERIFY(!frmMenuDisponibili->isVisible());
}

void TestPlannerWindows::showingResetsModeAndList()
{
    writeBoxes({ { "1", "a", "b", "c", "No" } });
    openPlanner(QStringLiteral("2024"), 0);
    QVERIFY(frmPlanning->isVisible());
    frmPlanning->close();
    QVERIFY(m_scene->startMenu.isVisible());
    // The box archive turns into a folder: the next showing reports it and
    // keeps neither the earlier lines nor the mode "planning".
    QVERIFY(QFile::remove(BoxRecord::path()));
    QVERIFY(QDir().mkdir(BoxRecord::path()));
    m_scene->messages.clear();
    frmMenuDisponibili->show();
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.lastText(), kArchiveAccessMessage);
    QCOMPARE(frmMenuDisponibili->lstRecords->count(), 0);
    QCOMPARE(frmMenuDisponibili->lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(frmMenuDisponibili->lblBox->text().isEmpty());
    frmMenuDisponibili->close();
    QVERIFY(!frmPlanning->isVisible());
    QVERIFY(m_scene->startMenu.isVisible());
}

void TestPlannerWindows::missingBoxArchiveIsCreatedAndApriWarns()
{
    frmMenuDisponibili->show();
    QVERIFY(QFileInfo::exists(BoxRecord::path()));
    QCOMPARE(QFileInfo(BoxRecord::path()).size(), 0);
    QCOMPARE(frmMenuDisponibili->lstRecords->count(), 0);
    frmMenuDisponibili->btnApriFattureClick();
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.text(0), TfrmMenuDisponibili::emptyListWarning());
    QVERIFY(m_scene->messages.text(0).contains(QStringLiteral("voce.\n\r\n\rPer poter")));
    // Every box flagged not bookable: the list is empty as well.
    writeBoxes(
        { { "1", "a", "b", "c", QStringLiteral("S\u00EC") }, { "2", "a", "b", "c", QStringLiteral(" S\u00EC ") } });
    frmMenuDisponibili->hide();
    frmMenuDisponibili->show();
    QCOMPARE(frmMenuDisponibili->lstRecords->count(), 0);
}

void TestPlannerWindows::helpShowsThePlannerTopic()
{
    writeBoxes({ { "1", "a", "b", "c", "No" } });
    openPlanner(QStringLiteral("2024"), 0);
    for (QWidget *help :
        { static_cast<QWidget *>(frmMenuDisponibili->imgGuida), static_cast<QWidget *>(frmPlanning->cmdGuida) }) {
        help->window()->show();
        QString title;
        onNextModal([&](QWidget *modal) {
            if (auto *label = modal->findChild<QLabel *>(QStringLiteral("lblTitolo")))
                title = label->text();
            modal->close();
        });
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("App Planner Prenotazioni Box"));
    }
}

void TestPlannerWindows::yearTakesDigitsOnlyAndTabMovesOn()
{
    writeBoxes({ { "1", "a", "b", "c", "No" } });
    frmMenuDisponibili->show();
    QApplication::setActiveWindow(frmMenuDisponibili);
    QLineEdit *year = frmMenuDisponibili->txtAnnoFatture;
    year->clear();
    year->setFocus();
    QTest::keyClicks(year, QStringLiteral("2a0 2x45"));
    QCOMPARE(year->text(), QStringLiteral("2024"));
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), frmMenuDisponibili->btnApriFatture);
    year->setFocus();
    QTest::keyClick(year, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), frmMenuDisponibili->btnApriFatture);
    QCOMPARE(year->text(), QStringLiteral("2024"));
}

void TestPlannerWindows::apriRefusesAndTouchesNoFile_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("warning");
    const QString year = TfrmMenuDisponibili::yearWarning();
    const QString name = TfrmMenuDisponibili::boxNameWarning();
    QTest::newRow("three digits") << "B12"
                                  << "202" << 0 << year;
    QTest::newRow("empty year") << "B12"
                                << "" << 0 << year;
    QTest::newRow("letters") << "B12"
                             << "ab12" << 0 << year;
    QTest::newRow("blank around the year") << "B12"
                                           << " 202" << 0 << year;
    QTest::newRow("no line picked") << "B12"
                                    << "2025" << -1 << TfrmMenuDisponibili::selectBoxWarning();
    QTest::newRow("slash") << "A/B"
                           << "2025" << 0 << name;
    QTest::newRow("up a folder") << "../x"
                                 << "2025" << 0 << name;
    QTest::newRow("dot dot") << ".."
                             << "2025" << 0 << name;
    QTest::newRow("four dots") << "...."
                               << "2026" << 0 << name;
    QTest::newRow("vertical bar") << "A|B"
                                  << "2025" << 0 << name;
    QTest::newRow("colon") << "C:1"
                           << "2025" << 0 << name;
    QTest::newRow("empty number") << ""
                                  << "2025" << 0 << name;
}

void TestPlannerWindows::apriRefusesAndTouchesNoFile()
{
    QFETCH(QString, box);
    QFETCH(QString, year);
    QFETCH(int, row);
    QFETCH(QString, warning);
    writeBoxes({ { box, "3 x 2", "2", "18,00", "No" } });
    const QStringList before = folderEntries();
    openPlanner(year, row);
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Warning);
    QCOMPARE(m_scene->messages.text(0), warning);
    QVERIFY(frmMenuDisponibili->isVisible());
    QVERIFY(!frmPlanning->isVisible());
    QVERIFY(frmMenuDisponibili->lblFile->text().isEmpty());
    QCOMPARE(folderEntries(), before);
}

void TestPlannerWindows::firstVisitCreatesFileAndLeavingWritesTheYear()
{
    writeBoxes({ { "B12", "3 x 2 m", "2 cani", "18,00", "No" } });
    const QString path = programFile(QStringLiteral("Prenotazioni box B12 anno 2024.pln"));
    openPlanner(QStringLiteral("2024"), 0);
    QCOMPARE(m_scene->messages.count(), 0);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(frmPlanning->txtAnno->text(), QStringLiteral("2024"));
    QCOMPARE(frmPlanning->txtCapacita->text(), QStringLiteral("2 cani"));
    QCOMPARE(frmPlanning->lblPosizione->text(), QStringLiteral("1"));
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        QVERIFY(!frmPlanning->dayBooked(day));

    frmPlanning->setDay(PlannerRecord::Feb29, QStringLiteral("  Fido  "));
    frmPlanning->setDay(365, QStringLiteral("X").repeated(60));
    QVERIFY(frmPlanning->libDay(365)->isHidden());
    QVERIFY(!frmPlanning->occDay(365)->isHidden());
    frmPlanning->close();
    QVERIFY(m_scene->startMenu.isVisible());
    QVERIFY(!frmPlanning->isVisible());
    QCOMPARE(m_scene->messages.count(), 0);
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 18775);
    QCOMPARE(bytes.left(4),
        QByteArray("\x03"
                   "B12"));
    QCOMPARE(bytes.mid(3118, 5),
        QByteArray("\x04"
                   "Fido"));
    QCOMPARE(int(quint8(bytes.at(18724))), 50);
    QCOMPARE(bytes.mid(18725, 50), QByteArray(50, 'X'));
}

void TestPlannerWindows::secondVisitShowsTheBookings()
{
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" } });
    openPlanner(QStringLiteral("2024"), 0);
    frmPlanning->setDay(0, QStringLiteral("Briciola"));
    frmPlanning->close();
    openPlanner(QStringLiteral("2024"), 0);
    QVERIFY(frmPlanning->dayBooked(0));
    QCOMPARE(frmPlanning->memDay(0)->text(), QStringLiteral("Briciola"));
    QCOMPARE(frmPlanning->memDay(0)->objectName(), QStringLiteral("memGen_01"));
    // Another year of the same box is another file.
    frmPlanning->close();
    openPlanner(QStringLiteral("2025"), 0);
    QVERIFY(!frmPlanning->dayBooked(0));
    QVERIFY(frmPlanning->memDay(0)->text().isEmpty());
}

void TestPlannerWindows::february29_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("2024") << "2024" << true;
    QTest::newRow("2000") << "2000" << true;
    QTest::newRow("2023") << "2023" << false;
    QTest::newRow("1900") << "1900" << false;
    QTest::newRow("2100") << "2100" << false;
}

void TestPlannerWindows::february29()
{
    QFETCH(QString, year);
    QFETCH(bool, accepted);
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" } });
    openPlanner(year, 0);
    QVERIFY(frmPlanning->isVisible());
    m_scene->messages.clear();
    // Both tiles of the day lead to the same test; the day is shown in every year.
    QVERIFY(!frmPlanning->libDay(PlannerRecord::Feb29)->isHidden());
    bool dialogShown = false;
    if (accepted) // the day dialog opens; it is left with "Annulla"
        onNextModal([&dialogShown](QWidget *modal) {
            dialogShown = true;
            modal->findChild<QPushButton *>(QStringLiteral("btnAnnulla"))->click();
        });
    QTest::mouseClick(frmPlanning->libDay(PlannerRecord::Feb29), Qt::LeftButton);
    QCOMPARE(dialogShown, accepted);
    QCOMPARE(frmPlanning->dayAccepted(PlannerRecord::Feb29), accepted);
    if (accepted) {
        QCOMPARE(m_scene->messages.count(), 0);
    } else {
        QCOMPARE(m_scene->messages.count(), 2);
        QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Warning);
        QCOMPARE(m_scene->messages.text(0),
            QStringLiteral("Attenzione: la data 29/02/") + year
                + QStringLiteral(" non esiste.\n\r\n\rPer poter effettuare la prenotazione \u00E8 necessario "
                                 "indicare una data valida."));
    }
    // Other days are never tested.
    QVERIFY(frmPlanning->dayAccepted(PlannerRecord::Feb29 - 1));
    QVERIFY(frmPlanning->dayAccepted(PlannerRecord::Feb29 + 1));
}

void TestPlannerWindows::unreadableRecordIsNeverOverwritten()
{
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" } });
    const QString path = programFile(QStringLiteral("Prenotazioni box 1 anno 2024.pln"));
    const QByteArray cut = QByteArray(18000, 'z');
    writeFile(path, cut);
    openPlanner(QStringLiteral("2024"), 0);
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.text(0), TfrmPlanning::shortFileWarning());
    QVERIFY(frmPlanning->lblPosizione->text().isEmpty());
    frmPlanning->setDay(3, QStringLiteral("Rex"));
    frmPlanning->close();
    QCOMPARE(readFile(path), cut);
    QVERIFY(m_scene->startMenu.isVisible());
}

void TestPlannerWindows::failedLoadIsNeverWrittenOnLeaving_data()
{
    QTest::addColumn<bool>("link"); // a link into a missing folder, else a folder in the file's place
    QTest::newRow("a folder in its place") << false;
    QTest::newRow("a link whose folder comes back during the visit") << true;
}

void TestPlannerWindows::failedLoadIsNeverWrittenOnLeaving()
{
    QFETCH(bool, link);
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" } });
    const QString path = programFile(QStringLiteral("Prenotazioni box 1 anno 2024.pln"));
    const QString target = programFile(QStringLiteral("condivisa/Prenotazioni.pln"));
    if (link)
        QVERIFY(QFile::link(target, path));
    else
        QVERIFY(QDir().mkdir(path));
    openPlanner(QStringLiteral("2024"), 0);
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Error);
    QCOMPARE(m_scene->messages.text(0), kArchiveAccessMessage);
    QVERIFY(frmPlanning->lblPosizione->text().isEmpty());
    frmPlanning->setDay(0, QStringLiteral("Visita"));

    // The share is back before leaving, holding bookings of its own.
    PlannerYear stored;
    stored.setDay(1, QStringLiteral("Stored"));
    stored.setDay(PlannerRecord::dayIndex(12, 25), QStringLiteral("Natale"));
    if (link) {
        QVERIFY(QDir().mkdir(programFile(QStringLiteral("condivisa"))));
        writeFile(target, stored.record());
    }
    frmPlanning->close();
    QCOMPARE(m_scene->messages.count(), 2);
    QCOMPARE(m_scene->messages.kind(1), MessageBoxes::Kind::Warning);
    QCOMPARE(m_scene->messages.text(1), TfrmPlanning::unsavedVisitWarning());
    QVERIFY(m_scene->startMenu.isVisible());
    QVERIFY(!frmPlanning->isVisible());
    if (!link) {
        QVERIFY(QFileInfo(path).isDir());
        return;
    }
    QCOMPARE(readFile(target), stored.record());

    // The next visit reads the file and writes it on leaving, without a word.
    m_scene->messages.clear();
    openPlanner(QStringLiteral("2024"), 0);
    QCOMPARE(frmPlanning->memDay(1)->text(), QStringLiteral("Stored"));
    QVERIFY(!frmPlanning->dayBooked(0));
    frmPlanning->close();
    QCOMPARE(m_scene->messages.count(), 0);
    QCOMPARE(readFile(target).size(), 18775);
}

void TestPlannerWindows::failedSaveIsReportedAndStartMenuFollows()
{
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" } });
    const QString path = programFile(QStringLiteral("Prenotazioni box 1 anno 2024.pln"));
    openPlanner(QStringLiteral("2024"), 0);
    QCOMPARE(m_scene->messages.count(), 0);
    // The file goes away during the visit and a folder takes its place.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
    frmPlanning->setDay(3, QStringLiteral("Rex"));
    frmPlanning->close();
    QCOMPARE(m_scene->messages.count(), 1);
    QCOMPARE(m_scene->messages.kind(0), MessageBoxes::Kind::Error);
    QCOMPARE(m_scene->messages.text(0), kArchiveAccessMessage);
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(m_scene->startMenu.isVisible());
    QVERIFY(!frmPlanning->isVisible());
}

void TestPlannerWindows::hintLineOverTilesAndBackground()
{
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" } });
    openPlanner(QStringLiteral("2024"), 0);
    QCOMPARE(frmPlanning->findChildren<DayTile *>().size(), 732);
    QLabel *panInfo = frmPlanning->panInfo;
    const auto move = [](QWidget *w, QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    move(frmPlanning->libDay(100), QPoint(5, 5));
    QCOMPARE(panInfo->text(), TfrmPlanning::tileHint());
    move(frmPlanning->shpSezione01, QPoint(2, 2));
    QVERIFY(panInfo->text().isEmpty());
    move(frmPlanning->cmdEsci, QPoint(5, 5));
    QCOMPARE(panInfo->text(), QStringLiteral("Esci da questa schermata di lavoro."));
}

void TestPlannerWindows::screenshot()
{
    // A look at the chooser and the planner on a real screen: KENNORA_SCREENSHOTS
    // names the folder of the pictures (run under an X server with a window manager).
    const QString folder = qEnvironmentVariable("KENNORA_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("KENNORA_SCREENSHOTS not set");
    writeBoxes({ { "1", "3 x 2 m", "2", "18,00", "No" }, { "10", "4 x 3 m coperto", "4", "25,50", "" },
        { "2", "Grande box con recinto esterno riscaldato", "3", "30,00", "No" },
        { "B12", "2 x 2 m", "1", "12,00", "No" }, { "Chiuso", "2 x 2 m", "1", "12,00", QStringLiteral("S\u00EC") } });
    frmMenuDisponibili->show();
    frmMenuDisponibili->lstRecords->setCurrentRow(2);
    QTest::qWait(600);
    QVERIFY(frmMenuDisponibili->screen()->grabWindow(0).save(folder + QStringLiteral("/planner-chooser.png")));
    frmMenuDisponibili->txtAnnoFatture->setText(QStringLiteral("2024"));
    frmMenuDisponibili->btnApriFattureClick();
    for (int day : { 0, 1, 2, 40, 59, 100, 101, 102, 103, 226, 227, 228, 350, 358, 359, 365 })
        frmPlanning->setDay(day, QStringLiteral("Fido - Rossi"));
    const QPointF at(5, 5);
    QMouseEvent move(
        QEvent::MouseMove, at, frmPlanning->libDay(200)->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(frmPlanning->libDay(200), &move);
    QTest::qWait(600);
    QVERIFY(frmPlanning->screen()->grabWindow(0).save(folder + QStringLiteral("/planner-window.png")));
    QCOMPARE(m_scene->messages.count(), 0);
}

QTEST_MAIN(TestPlannerWindows)
#include "tst_plannerwindows.moc"
