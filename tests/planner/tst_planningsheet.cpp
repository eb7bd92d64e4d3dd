// The planner's year grid: the sheet filled from the planner (title, box
// values, the 366 cells from the booked tiles, saved or not, the stamp), its
// print through the print dialog to one A4 landscape page, a cancelled print,
// and the preview and print windows opened by the planner's commands.

#include "common/Clock.h"
#include "common/report/ReportCommands.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/ui/MessageBoxes.h"
#include "planner/AnteprimaPlanning.h"
#include "planner/Planning.h"
#include "planner/PlanningSheet.h"
#include "planner/StampaPlanning.h"
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

class TestPlanningSheet : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptyPlannerGivesBlankCells();
    void bookingsOfThisVisitAreMarked();
    void printGoesThroughTheDialogToOneLandscapePage();
    void commandsOpenTheirWindows();

private:
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Clock::Fixed> m_clock;
    std::unique_ptr<TfrmPlanning> m_planner;
};

void TestPlanningSheet::init()
{
    m_messages = std::make_unique<MessageRecorder>();
    m_clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2025, 3, 14), QTime(9, 5, 7)));
    m_planner = std::make_unique<TfrmPlanning>();
    frmPlanning = m_planner.get();
    m_planner->txtAnno->setText(QStringLiteral(" 2025 "));
    m_planner->txtBox->setText(QStringLiteral("10"));
    m_planner->txtDimensioni->setText(QStringLiteral(" 3 x 2 m "));
    m_planner->txtCapacita->setText(QStringLiteral("2"));
    m_planner->txtPrezzo->setText(QStringLiteral("[18,00]"));
}

void TestPlanningSheet::cleanup()
{
    frmPlanning = nullptr;
    m_planner.reset();
    m_clock.reset();
    m_messages.reset();
}

void TestPlanningSheet::emptyPlannerGivesBlankCells()
{
    const auto sheet = PlanningSheet::build(*m_planner);
    QCOMPARE(sheet->pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(sheet->text(QStringLiteral("txtTitolo")), QStringLiteral("PLANNER PRENOTAZIONI ANNO 2025"));
    QCOMPARE(sheet->text(QStringLiteral("txtBox")), QStringLiteral("10"));
    QCOMPARE(sheet->text(QStringLiteral("txtDimensioni")), QStringLiteral("3 x 2 m"));
    QCOMPARE(sheet->text(QStringLiteral("txtPrezzo")), QStringLiteral("[18,00]"));
    QCOMPARE(sheet->text(QStringLiteral("txtCalce")),
        QStringLiteral("Stampa eseguita in data 14/03/2025 alle ore 09:05:07"));
    int cells = 0;
    for (const ReportTemplate::Item &item : sheet->items()) {
        if (item.kind != ReportTemplate::ItemKind::Text || PlannerRecord::dayOfKey(item.name.mid(3)) < 0
            || !item.name.startsWith(QLatin1String("txt")))
            continue;
        ++cells;
        QCOMPARE(item.text, QStringLiteral(" "));
    }
    QCOMPARE(cells, 366);
    QVERIFY(sheet->contains(QStringLiteral("txtFeb_29")));
    QVERIFY(!sheet->contains(QStringLiteral("txtFeb_30")));
    QVERIFY(!sheet->contains(QStringLiteral("txtApr_31")));
}

void TestPlanningSheet::bookingsOfThisVisitAreMarked()
{
    const int feb29 = PlannerRecord::Feb29;
    const int june27 = PlannerRecord::dayIndex(6, 27);
    m_planner->setDay(feb29, QStringLiteral("Rex"));
    m_planner->setDay(june27, QStringLiteral("Fido"));
    m_planner->setDay(365, QStringLiteral("Birba"));
    m_planner->setDay(365, QString()); // freed again
    const auto sheet = PlanningSheet::build(*m_planner);
    QCOMPARE(sheet->text(QStringLiteral("txtFeb_29")), QStringLiteral("X"));
    QCOMPARE(sheet->text(QStringLiteral("txtGiu_27")), QStringLiteral("X"));
    QCOMPARE(sheet->text(QStringLiteral("txtDic_31")), QStringLiteral(" "));
    QCOMPARE(sheet->text(QStringLiteral("txtGen_01")), QStringLiteral(" "));
}

void TestPlanningSheet::printGoesThroughTheDialogToOneLandscapePage()
{
    m_planner->setDay(PlannerRecord::dayIndex(6, 27), QStringLiteral("Fido"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("planning.pdf"));
    PrintToFile dialog;
    dialog.path = path;
    dialog.accept = false;
    {
        TfrmStampaPlanning window(m_planner.get());
        window.show();
        window.actionButton()->click(); // cancelled in the dialog
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(dialog.shown, 1);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m_messages->count(), 0);

    dialog.accept = true;
    {
        TfrmStampaPlanning window(m_planner.get());
        window.show();
        window.actionButton()->click();
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(dialog.shown, 2);
    QCOMPARE(m_messages->count(), 0);
    const QString info = runPdfTool(QStringLiteral("pdfinfo"), { path });
    QCOMPARE(pdfInfoValue(info, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY2(pdfInfoValue(info, QStringLiteral("Page size")).startsWith(QLatin1String("842 x 595")), qPrintable(info));
    const QString text = pdfText(path);
    QVERIFY2(text.contains(QStringLiteral("PLANNER PRENOTAZIONI ANNO 2025")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("GIUGNO:")));
    QVERIFY(text.contains(QStringLiteral("Capacit\u00E0 ospitativa:")));
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 14/03/2025 alle ore 09:05:07")));
    // Only the one booked day is marked.
    QCOMPARE(text.count(QLatin1Char('X')), 1);
    QString june;
    for (const QString &line : text.split(QLatin1Char('\n')))
        if (line.contains(QLatin1String("GIUGNO:")))
            june = line;
    QVERIFY2(june.contains(QLatin1Char('X')), qPrintable(june));
}

void TestPlanningSheet::commandsOpenTheirWindows()
{
    QVERIFY(m_planner->cmdAnteprima->isEnabled());
    QVERIFY(m_planner->cmdStampa->isEnabled());
    m_planner->show();
    m_messages->clear(); // the planner has no file here; its load says so
    // The preview: the window, then the modal preview of one page; both close.
    QString caption;
    bool previewShown = false;
    onNextModal([&](QWidget *w) {
        auto *window = qobject_cast<TfrmAnteprimaPlanning *>(w);
        if (!window) {
            w->close();
            return;
        }
        caption = window->windowTitle();
        onNextModal([&](QWidget *preview) {
            previewShown = qobject_cast<ReportPreviewDialog *>(preview) && preview->isModal();
            preview->close();
        });
        window->actionButton()->click();
    });
    m_planner->cmdAnteprima->click();
    QCOMPARE(caption, QStringLiteral(" Anteprima di stampa"));
    QVERIFY(previewShown);

    // The print window: Annulla closes it and prints nothing.
    int dialogs = 0;
    ReportOutput::setPrintDialog([&](QPrinter &, QWidget *) {
        ++dialogs;
        return false;
    });
    onNextModal([&](QWidget *w) {
        auto *window = qobject_cast<TfrmStampaPlanning *>(w);
        if (window)
            caption = window->windowTitle();
        if (window)
            window->btnAnnulla()->click();
        else
            w->close();
    });
    m_planner->cmdStampa->click();
    ReportOutput::setPrintDialog(nullptr);
    QCOMPARE(caption, QStringLiteral(" Stampa scheda corrente"));
    QCOMPARE(dialogs, 0);
    QVERIFY2(m_messages->count() == 0, qPrintable(m_messages->lastText()));
}

QTEST_MAIN(TestPlanningSheet)
#include "tst_planningsheet.moc"
