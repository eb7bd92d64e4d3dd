// The booking summary over an open planner: its lines in calendar order with
// their day prefixes (bookings of this visit included), find-next, Enter in
// the find field, the last find text emptied for every new window, and the
// print under the planner's title.

#include "common/Clock.h"
#include "common/report/ReportOutput.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowKit.h"
#include "planner/Disponibilita.h"
#include "planner/Planning.h"
#include "planner/core/BookingSummary.h"
#include "planner/core/PlannerRecord.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

int day(int month, int dayOfMonth)
{
    return PlannerRecord::dayIndex(month, dayOfMonth);
}

} // namespace

class TestBookingSummary : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void linesInCalendarOrder();
    void dayPrefixes_data();
    void dayPrefixes();
    void findNextCyclesThroughTheMatches();
    void findOnAnEmptyListShowsThePlainBox();
    void enterInTheFindFieldMovesToTrova();
    void lastSearchTextEmptiedForANewWindow();
    void summaryCommandOpensTheWindowModally();
    void printCarriesThePlannerTitle();

private:
    // The planner's 4-label fixture: three bookings and one blank day.
    void bookFixture();

    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Clock::Fixed> m_clock;
    std::unique_ptr<TfrmPlanning> m_planner;
};

void TestBookingSummary::init()
{
    m_messages = std::make_unique<MessageRecorder>();
    m_clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2025, 3, 14), QTime(9, 0)));
    m_planner = std::make_unique<TfrmPlanning>();
    frmPlanning = m_planner.get();
    m_planner->txtBox->setText(QStringLiteral(" 10 "));
    m_planner->txtAnno->setText(QStringLiteral("2025"));
}

void TestBookingSummary::cleanup()
{
    frmPlanning = nullptr;
    m_planner.reset();
    m_clock.reset();
    m_messages.reset();
}

void TestBookingSummary::bookFixture()
{
    m_planner->setDay(day(1, 1), QStringLiteral("Rex"));
    m_planner->setDay(day(2, 29), QStringLiteral("X"));
    m_planner->setDay(day(9, 1), QStringLiteral("  Fido "));
    m_planner->setDay(day(12, 31), QStringLiteral("   "));
}

void TestBookingSummary::linesInCalendarOrder()
{
    bookFixture();
    TfrmDisponibilita window(m_planner.get());
    window.show();
    QCOMPARE(window.listedLines(),
        QStringList({ QStringLiteral("01 gennaio     Rex"), QStringLiteral("29 febbraio    X"),
            QStringLiteral("01 settembre   Fido") }));
    QCOMPARE(window.lstRecords->currentRow(), -1);
    QVERIFY(window.lblRigo03->isHidden());
}

void TestBookingSummary::dayPrefixes_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("1 January") << day(1, 1) << "01 gennaio     ";
    QTest::newRow("29 February") << day(2, 29) << "29 febbraio    ";
    QTest::newRow("1 September") << day(9, 1) << "01 settembre   ";
    QTest::newRow("31 December") << day(12, 31) << "31 dicembre    ";
}

void TestBookingSummary::dayPrefixes()
{
    QFETCH(int, day);
    QFETCH(QString, prefix);
    QCOMPARE(BookingSummary::dayPrefix(day), prefix);
    QCOMPARE(prefix.size(), 15);
}

void TestBookingSummary::findNextCyclesThroughTheMatches()
{
    m_planner->setDay(day(1, 3), QStringLiteral("Rex"));
    m_planner->setDay(day(2, 1), QStringLiteral("Fido"));
    m_planner->setDay(day(3, 5), QStringLiteral("rex bis"));
    m_planner->setDay(day(4, 7), QStringLiteral("REX ter"));
    TfrmDisponibilita window(m_planner.get());
    window.show();
    QCOMPARE(window.lstRecords->count(), 4);

    window.txtTrova->setText(QStringLiteral("rex"));
    QList<int> rows;
    for (int i = 0; i < 4; ++i) {
        window.btnTrova->click();
        rows << window.lstRecords->currentRow();
    }
    QCOMPARE(rows, QList<int>({ 0, 2, 3, 0 }));

    // A new text starts again from the first line.
    window.txtTrova->setText(QStringLiteral("FIDO"));
    window.btnTrova->click();
    QCOMPARE(window.lstRecords->currentRow(), 1);
    QCOMPARE(m_messages->count(), 0);
}

void TestBookingSummary::findOnAnEmptyListShowsThePlainBox()
{
    TfrmDisponibilita window(m_planner.get());
    window.show();
    QCOMPARE(window.lstRecords->count(), 0);
    window.btnTrova->click();
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(m_messages->lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestBookingSummary::enterInTheFindFieldMovesToTrova()
{
    bookFixture();
    TfrmDisponibilita window(m_planner.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.txtTrova->setFocus();
    QTest::keyClicks(window.txtTrova, QStringLiteral("fido"));
    QTest::keyClick(window.txtTrova, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window.btnTrova);
    QCOMPARE(window.lstRecords->currentRow(), -1); // no search yet
    QTest::keyClick(window.btnTrova, Qt::Key_Space);
    QCOMPARE(window.lstRecords->currentRow(), 2);
}

void TestBookingSummary::lastSearchTextEmptiedForANewWindow()
{
    m_planner->setDay(day(1, 1), QStringLiteral("Rex"));
    m_planner->setDay(day(1, 2), QStringLiteral("Rex bis"));
    {
        TfrmDisponibilita first(m_planner.get());
        first.show();
        first.txtTrova->setText(QStringLiteral("rex"));
        first.btnTrova->click();
        QCOMPARE(TfrmDisponibilita::lastSearchText(), QStringLiteral("rex"));
    }
    // The first search of a later visit with the same text finds the first line first.
    TfrmDisponibilita second(m_planner.get());
    second.show();
    QVERIFY(TfrmDisponibilita::lastSearchText().isEmpty());
    QVERIFY(second.txtTrova->text().isEmpty());
    second.txtTrova->setText(QStringLiteral("rex"));
    second.btnTrova->click();
    QCOMPARE(second.lstRecords->currentRow(), 0);
}

void TestBookingSummary::summaryCommandOpensTheWindowModally()
{
    QVERIFY(m_planner->cmdRiepilogo->isEnabled());
    m_planner->show();
    // A booking of this visit, not saved yet, is listed.
    m_planner->setDay(day(6, 27), QStringLiteral("Birba"));
    QStringList listed;
    bool modal = false;
    QString caption;
    onNextModal([&](QWidget *w) {
        auto *window = qobject_cast<TfrmDisponibilita *>(w);
        if (window) {
            listed = window->listedLines();
            modal = window->isModal();
            caption = window->windowTitle();
        }
        w->close();
    });
    m_planner->cmdRiepilogo->click();
    QVERIFY(modal);
    QCOMPARE(caption, QStringLiteral(" Riepilogo prenotazioni box"));
    QCOMPARE(listed, QStringList({ QStringLiteral("27 giugno      Birba") }));
    QCOMPARE(m_planner->dayText(day(6, 27)), QStringLiteral("Birba"));
}

void TestBookingSummary::printCarriesThePlannerTitle()
{
    QCOMPARE(BookingSummary::printTitle(QStringLiteral(" 10 "), QStringLiteral(" 2025 ")),
        QStringLiteral("Riepilogo prenotazioni box n. 10 anno 2025"));
    bookFixture();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("riepilogo.pdf"));
    PrintToFile dialog;
    dialog.path = path;
    dialog.accept = false;
    TfrmDisponibilita window(m_planner.get());
    window.show();
    window.btnStampa->click(); // cancelled
    QVERIFY(!QFile::exists(path));
    dialog.accept = true;
    window.btnStampa->click();
    QCOMPARE(dialog.shown, 2);
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(window.isVisible()); // the window stays open with its lines
    QCOMPARE(window.lstRecords->count(), 3);
    const QString text = pdfText(path);
    QVERIFY2(text.contains(QStringLiteral("Riepilogo prenotazioni box n. 10 anno 2025")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("01 settembre   Fido")));
}

QTEST_MAIN(TestBookingSummary)
#include "tst_bookingsummary.moc"
