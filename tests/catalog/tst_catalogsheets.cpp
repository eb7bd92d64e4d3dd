// The record sheets of the price list and of the boxes, each case on both
// twins: the editor's command opens the sheet window, "Stampa" prints the
// values on screen (saved or not) under their captions with the footer of
// the moment, through the print dialog (here printing to a PDF read back with
// pdftotext), and closes the window; a cancelled dialog closes it silently.

#include "catalog/Box_Cani.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/StampaBox.h"
#include "catalog/StampaListino.h"
#include "common/Clock.h"
#include "common/report/ReportOutput.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>

using namespace TestSupport;

namespace
{

// A twin of the catalogue: its editor, its sheet's table and its sheet window.
struct Twin {
    std::function<std::unique_ptr<TCatalogEditor>()> editor;
    const TCatalogSheet::Twin &(*sheet)();
    std::function<std::unique_ptr<TCatalogSheet>(QWidget *owner)> window;
};

const Twin &twinOf(const QString &name)
{
    static const Twin services { [] { return std::make_unique<TfrmListino_Prezzi>(); }, &TfrmStampaListino::twin,
        [](QWidget *owner) { return std::make_unique<TfrmStampaListino>(owner); } };
    static const Twin boxes { [] { return std::make_unique<TfrmBox_Cani>(); }, &TfrmStampaBox::twin,
        [](QWidget *owner) { return std::make_unique<TfrmStampaBox>(owner); } };
    return name == QLatin1String("services") ? services : boxes;
}

} // namespace

class TestCatalogSheets : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }
    void printedSheetShowsTheEditorValues_data();
    void printedSheetShowsTheEditorValues();
    void cancelledPrintClosesSilently_data() { addTwins(); }
    void cancelledPrintClosesSilently();

private:
    static void addTwins()
    {
        QTest::addColumn<QString>("twin");
        QTest::newRow("listino") << "services";
        QTest::newRow("box") << "boxes";
    }
};

void TestCatalogSheets::printedSheetShowsTheEditorValues_data()
{
    addTwins();
}

void TestCatalogSheets::printedSheetShowsTheEditorValues()
{
    QFETCH(QString, twin);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    TempProgramFolder folder;
    const Clock::Fixed clock(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)));
    MessageRecorder boxes;
    PrintToFile dialog;
    dialog.path = folder.file(QStringLiteral("scheda.pdf"));
    std::unique_ptr<TCatalogEditor> editor = twinOf(twin).editor();
    WindowRegistry::set(editor->objectName(), editor.get());
    editor->show();
    // Values typed and not saved; one edit left empty, one with blanks around.
    const TCatalogSheet::Twin &sheet = twinOf(twin).sheet();
    QStringList values;
    for (int i = 0; i < sheet.rows.size(); ++i) {
        auto *edit = editor->findChild<QLineEdit *>(QLatin1String(sheet.rows.at(i).control));
        QVERIFY2(edit, sheet.rows.at(i).control);
        const QString value = i == 4 ? QString() : QStringLiteral("Valore %1 perché").arg(i + 1);
        edit->setText(i == 1 ? QStringLiteral("  ") + value + QStringLiteral("  ") : value);
        values.append(value);
    }

    bool opened = false;
    onNextModal([&](QWidget *modal) {
        auto *window = qobject_cast<TCatalogSheet *>(modal);
        QVERIFY(window);
        opened = true;
        QCOMPARE(window->windowTitle(), QStringLiteral(" Stampa scheda"));
        QCOMPARE(window->objectName(), QLatin1String(sheet.objectName));
        window->actionButton()->click();
    });
    QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
    QVERIFY(opened);
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(editor->findChildren<TCatalogSheet *>().isEmpty()); // closed and freed

    const QString text = pdfText(dialog.path);
    QVERIFY(!text.isEmpty());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    lines.removeAll(QStringLiteral("\f"));
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.first(), QString::fromUtf8(sheet.title));
    for (int i = 0; i < sheet.rows.size(); ++i) {
        const QString expected
            = (QString::fromUtf8(sheet.rows.at(i).caption) + QLatin1Char(' ') + values.at(i)).trimmed();
        QCOMPARE(lines.at(i + 1), expected);
    }
    QCOMPARE(lines.last(), QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:26:53"));
}

void TestCatalogSheets::cancelledPrintClosesSilently()
{
    QFETCH(QString, twin);
    TempProgramFolder folder;
    MessageRecorder boxes;
    PrintToFile dialog;
    dialog.path = folder.file(QStringLiteral("scheda.pdf"));
    dialog.accept = false;
    QWidget owner;
    std::unique_ptr<TCatalogSheet> window = twinOf(twin).window(&owner);
    window->show();
    window->actionButton()->click();
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!window->isVisible());
    QVERIFY(!QFile::exists(dialog.path));
}

QTEST_MAIN(TestCatalogSheets)
#include "tst_catalogsheets.moc"
