// The families of windows held to their common contracts, member by member.
// No member is listed here: the window set (StartUp::windowTable, the one
// place every window of the program is made) is read for the export, search
// and list windows by their kind; the pickers enlist their delivery tables
// when they are made (Delivery::enlisted); the pictures are read from the
// resource (Art::names). A new member is held to its family's contract as soon
// as it exists.

#include "app/dialogs/OpenURL.h"
#include "app/shell/StartUp.h"
#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/Delivery.h"
#include "common/ui/ExportWindow.h"
#include "common/ui/ListWindow.h"
#include "common/ui/SearchWindow.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/SheetFile.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>

using namespace TestSupport;

namespace
{

// The global names of the windows of the set that `is` takes, in creation order.
QStringList members(const std::function<bool(QWidget *)> &is)
{
    QStringList names;
    for (const StartUp::WindowEntry &entry : StartUp::windowTable()) {
        QWidget *window = WindowRegistry::get(QLatin1String(entry.globalName));
        if (window && is(window))
            names << QLatin1String(entry.globalName);
    }
    return names;
}

// One data row per member; a family without members fails (its registry broke).
void addMemberRows(const QStringList &names)
{
    QTest::addColumn<QString>("member");
    if (names.isEmpty())
        QFAIL("the family has no member");
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

bool isSearch(QWidget *w)
{
    return qobject_cast<SearchWindow *>(w) != nullptr;
}

bool isList(QWidget *w)
{
    return qobject_cast<ListWindow *>(w) != nullptr && !isSearch(w);
}

bool isExport(QWidget *w)
{
    return qobject_cast<ExportWindow *>(w) != nullptr;
}

} // namespace

class TestWindowFamilies : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void deliveryRoutesMeetTheirTargets_data();
    void deliveryRoutesMeetTheirTargets();
    void everyPictureDraws_data();
    void everyPictureDraws();
    void windowSetAsksForNoMissingPicture();
    void exportWindowNoWritesNothing_data() { addMemberRows(members(isExport)); }
    void exportWindowNoWritesNothing();
    void exportWindowWritesItsGrid_data() { addMemberRows(members(isExport)); }
    void exportWindowWritesItsGrid();
    void searchWindowCountsSetFiltersAndReports_data() { addMemberRows(members(isSearch)); }
    void searchWindowCountsSetFiltersAndReports();
    void listWindowShownEmptyClosesWithoutPick_data() { addMemberRows(members(isList)); }
    void listWindowShownEmptyClosesWithoutPick();

private:
    // The folder the window set was made in, and each test's own.
    std::unique_ptr<TempProgramFolder> m_setFolder;
    std::unique_ptr<TempProgramFolder> m_folder;
};

void TestWindowFamilies::initTestCase()
{
    m_setFolder = std::make_unique<TempProgramFolder>();
    StartUp::createWindowSet();
}

void TestWindowFamilies::cleanupTestCase()
{
    StartUp::destroyWindowSet();
    m_setFolder.reset();
}

void TestWindowFamilies::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
}

void TestWindowFamilies::cleanup()
{
    for (const StartUp::WindowEntry &entry : StartUp::windowTable()) {
        if (QWidget *window = WindowRegistry::get(QLatin1String(entry.globalName)))
            window->hide();
    }
    m_folder.reset();
}

// Every route of every enlisted table writes into the real start-up instance
// of its target: each control there, each field of the table's layout at most
// once, and a route that also writes the position loads the whole record.
void TestWindowFamilies::deliveryRoutesMeetTheirTargets_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("route");
    const QList<const Delivery::Table *> tables = Delivery::enlisted();
    if (tables.isEmpty())
        QFAIL("no picker enlisted its delivery table");
    for (qsizetype t = 0; t < tables.size(); ++t) {
        for (size_t r = 0; r < tables.at(t)->routes.size(); ++r) {
            const Delivery::Route &route = tables.at(t)->routes.at(r);
            QTest::addRow("table %d, mode '%s' into %s", int(t), qPrintable(route.mode), route.target)
                << int(t) << int(r);
        }
    }
}

void TestWindowFamilies::deliveryRoutesMeetTheirTargets()
{
    QFETCH(int, table);
    QFETCH(int, route);
    const Delivery::Table &t = *Delivery::enlisted().at(table);
    const Delivery::Route &r = t.routes.at(size_t(route));
    QVERIFY(t.layout);
    QWidget *target = WindowRegistry::get(QLatin1String(r.target));
    QVERIFY2(target, r.target);
    QCOMPARE(target->objectName(), QLatin1String(r.target));
    QCOMPARE(Delivery::missingControls(r, target), QStringList());
    QSet<int> fields;
    QSet<QString> controls;
    for (const Delivery::Field &f : r.fields) {
        QVERIFY2(f.field >= 0 && f.field < t.layout->fieldCount(), qPrintable(f.control));
        QVERIFY2(!fields.contains(f.field), qPrintable(t.layout->name(f.field)));
        QVERIFY2(!controls.contains(f.control), qPrintable(f.control));
        fields.insert(f.field);
        controls.insert(f.control);
    }
    if (r.withPosition) {
        QCOMPARE(fields.size(), t.layout->fieldCount());
        QCOMPARE(r.controls().last(), QLatin1String(Delivery::kPositionControl));
    }
    // The route of its mode is found by that mode, blanks around it or not.
    QCOMPARE(t.route(QStringLiteral(" ") + r.mode + QStringLiteral(" ")), &r);
}

void TestWindowFamilies::everyPictureDraws_data()
{
    addMemberRows(Art::names());
}

void TestWindowFamilies::everyPictureDraws()
{
    QFETCH(QString, member);
    QVERIFY(Art::exists(member));
    const QImage image = Art::image(member, QSize(32, 32));
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
    QVERIFY(drawn);
}

// Every picture a window of the set asks for is in the resource (each window
// is shown once, so the pictures drawn on first show are asked for too).
void TestWindowFamilies::windowSetAsksForNoMissingPicture()
{
    MessageRecorder boxes;
    for (const StartUp::WindowEntry &entry : StartUp::windowTable()) {
        QWidget *window = WindowRegistry::get(QLatin1String(entry.globalName));
        QVERIFY2(window, entry.globalName);
        window->ensurePolished();
        for (QWidget *child : window->findChildren<QWidget *>())
            child->ensurePolished();
    }
    QCOMPARE(Art::missing(), QStringList());
}

// An export window fills its grid from its archive, and its export writes the
// sheet, the exported titles in order with their widths, and every grid row
// through the exported columns; a cell typed into an editable column (and only
// those take typing) reaches the file and never the archive; "No" to the open
// question opens nothing.
void TestWindowFamilies::exportWindowWritesItsGrid()
{
    QFETCH(QString, member);
    auto *window = qobject_cast<ExportWindow *>(WindowRegistry::get(member));
    QVERIFY(window);
    const ExportWindow::Setup &setup = window->setup();
    const QString archive = setup.archive ? setup.archive() : QString();
    if (!archive.isEmpty()) {
        // Two records: every field holding its own name, then one with the first only.
        RecordBuffer record(*setup.layout);
        for (int f = 0; f < setup.layout->fieldCount(); ++f)
            record.setText(f, setup.layout->name(f).left(setup.layout->capacity(f)));
        QByteArray bytes = record.bytes();
        record.clear();
        record.setText(0, u"Secondo");
        writeFile(archive, bytes + record.bytes());
    }
    const QByteArray archiveBefore = archive.isEmpty() ? QByteArray() : readFile(archive);
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    OpenedUrls opened;
    window->show();
    window->fill(); // the start-up instance may have been shown before, on another folder
    QCOMPARE(window->windowTitle(), setup.caption);
    ExportWindow::Grid &grid = window->grid();
    QCOMPARE(grid.columns(), int(setup.columns.size()));

    QByteArrayList expectedTitles;
    QList<int> exported;
    for (int c = 0; c < grid.columns(); ++c) {
        const ExportWindow::Column &column = setup.columns.at(c);
        QCOMPARE(grid.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), column.header);
        const bool editable = column.flags.testFlag(ExportWindow::Editable);
        for (qsizetype r = 0; r < grid.rows(); ++r) {
            QCOMPARE(bool(grid.flags(grid.index(int(r), c)) & Qt::ItemIsEditable), editable);
            if (editable)
                QVERIFY(
                    grid.setData(grid.index(int(r), c), QStringLiteral("Scritto %1 %2").arg(r).arg(c), Qt::EditRole));
        }
        if (!column.title.isEmpty()) {
            expectedTitles << Cp1252::encode(column.title + QLatin1Char('|') + QString::number(column.width));
            exported << c;
        }
    }
    // The file holds every grid cell trimmed.
    QList<QByteArrayList> expectedRows;
    for (qsizetype r = 0; r < grid.rows(); ++r) {
        expectedRows.append(QByteArrayList());
        for (int c : exported)
            expectedRows.last() << Cp1252::encode(TrimText(grid.text(r, c)));
    }

    auto *command = window->findChild<QAbstractButton *>(QStringLiteral("cmdEsporta"));
    QVERIFY(command && command->isEnabled());
    command->click();
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.text(0), ExportWindow::kAskExport);
    QCOMPARE(boxes.text(1), ExportWindow::kAskOpen);
    QVERIFY(opened.urls.isEmpty());

    const QByteArray file = readFile(programFile(setup.fileName));
    QVERIFY2(file.contains("<x:Name>" + Cp1252::encode(setup.sheetName) + "</x:Name>"), qPrintable(setup.fileName));
    QCOMPARE(SheetFile::titles(file), expectedTitles);
    QCOMPARE(SheetFile::dataRows(file), expectedRows);
    if (!archive.isEmpty())
        QCOMPARE(readFile(archive), archiveBefore);
}

// On an empty program folder the grid keeps its empty design rows; "No" to the
// export question writes no file.
void TestWindowFamilies::exportWindowNoWritesNothing()
{
    QFETCH(QString, member);
    auto *window = qobject_cast<ExportWindow *>(WindowRegistry::get(member));
    QVERIFY(window);
    MessageRecorder boxes;
    boxes.answerNext(false);
    window->show();
    QCOMPARE(window->grid().rows(), window->setup().designRows);
    window->findChild<QAbstractButton *>(QStringLiteral("cmdEsporta"))->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), ExportWindow::kAskExport);
    QVERIFY(!QFileInfo::exists(programFile(window->setup().fileName)));
}

// A search in an empty program folder either lists nothing under its count
// sentence or, when its archive cannot be read, says so and stays on the
// filter page. A filter of blanks only is not set: the count of set filters
// counts only the filters holding more than blanks, one by one and all
// together. A pick without a selected line closes the window and shows
// nothing. (The start-up instance is shown once: a search window does not go
// back to its filter page within one opening.)
void TestWindowFamilies::searchWindowCountsSetFiltersAndReports()
{
    QFETCH(QString, member);
    auto *window = qobject_cast<SearchWindow *>(WindowRegistry::get(member));
    QVERIFY(window);
    QVERIFY(!window->filterEdits.isEmpty());
    MessageRecorder boxes;
    window->show();
    QVERIFY(window->panAvvio->isVisible());
    QTest::mouseClick(window->btnCerca, Qt::LeftButton);
    QCOMPARE(window->lblConta->text(), QStringLiteral("0"));
    const bool listed = window->panContainer->isVisible();
    if (listed) {
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(window->listedLines(), QStringList());
        QVERIFY2(
            window->lblTrovate->text().endsWith(QStringLiteral(" 0 schede.")), qPrintable(window->lblTrovate->text()));
    } else {
        QVERIFY(window->panAvvio->isVisible());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
        QCOMPARE(boxes.lastText(), kArchiveAccessMessage);
    }

    for (QLineEdit *edit : window->filterEdits) {
        QVERIFY(!edit->objectName().isEmpty());
        edit->setText(QStringLiteral("   "));
    }
    window->searchCommand();
    QCOMPARE(window->lblConta->text(), QStringLiteral("0"));
    int set = 0;
    for (QLineEdit *edit : window->filterEdits) {
        edit->setText(QStringLiteral(" x "));
        window->searchCommand();
        QCOMPARE(window->lblConta->text(), QString::number(++set));
    }

    if (listed) {
        boxes.clear();
        window->pickCommand();
        QVERIFY(!window->isVisible());
        QCOMPARE(boxes.count(), 0);
    }
}

// A list window shown on an empty program folder lists nothing and says
// nothing, starts with an empty find field each time it is shown, and a pick
// without a selected line closes it.
void TestWindowFamilies::listWindowShownEmptyClosesWithoutPick()
{
    QFETCH(QString, member);
    auto *window = qobject_cast<ListWindow *>(WindowRegistry::get(member));
    QVERIFY(window);
    MessageRecorder boxes;
    window->show();
    QCOMPARE(window->listedLines(), QStringList());
    QCOMPARE(boxes.count(), 0);
    window->txtTrova->setText(QStringLiteral("Rossi"));
    window->hide();
    window->show();
    QCOMPARE(window->txtTrova->text(), QString());
    window->pickCommand();
    QVERIFY(!window->isVisible());
    QCOMPARE(boxes.count(), 0);
}

QTEST_MAIN(TestWindowFamilies)
#include "tst_windowfamilies.moc"
