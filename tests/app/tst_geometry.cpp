// Every window laid out from tables, held against the tables it applied: each
// row's control is there, at its place and size (as proportions of the window,
// within a small tolerance), inside the control it lies in and clear of the
// other controls there, with its text colour, font and alignment; the rows lie
// one above the other in table order and Tab follows the table's order.
//
// One row per window: a window laid out from tables joins by adding its row.
#include "catalog/NonErogabili.h"
#include "catalog/NonPrenotabili.h"
#include "catalog/TrovaBox.h"
#include "catalog/TrovaListino.h"
#include "common/ui/Application.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/Summaries.h"
#include "deadlines/TrovaScadenzario.h"
#include "dogs/TrovaCani.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "planner/Disponibilita.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using Factory = QWidget *(*)();
Q_DECLARE_METATYPE(Factory)

namespace
{

// How far a place or size may stray, as a share of the window's width or height.
constexpr double kTolerance = 0.004;

QRect actualRect(const QWidget *window, const QWidget *control)
{
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

bool near(int actual, int expected, int whole)
{
    return std::abs(actual - expected) <= kTolerance * whole + 0.5;
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windowsHoldTheirTables_data();
    void windowsHoldTheirTables();
};

void TestGeometry::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestGeometry::cleanup()
{
    WindowRegistry::clear();
}

void TestGeometry::windowsHoldTheirTables_data()
{
    QTest::addColumn<Factory>("make");
    QTest::newRow("TfrmTrovaClienti") << Factory([]() -> QWidget * { return new TfrmTrovaClienti; });
    QTest::newRow("TfrmRicontatta") << Factory([]() -> QWidget * { return new TfrmRicontatta; });
    QTest::newRow("TfrmTrovaCani") << Factory([]() -> QWidget * { return new TfrmTrovaCani; });
    QTest::newRow("TfrmTrovaListino") << Factory([]() -> QWidget * { return new TfrmTrovaListino; });
    QTest::newRow("TfrmTrovaBox") << Factory([]() -> QWidget * { return new TfrmTrovaBox; });
    QTest::newRow("TfrmNonErogabili") << Factory([]() -> QWidget * { return new TfrmNonErogabili; });
    QTest::newRow("TfrmNonPrenotabili") << Factory([]() -> QWidget * { return new TfrmNonPrenotabili; });
    QTest::newRow("TfrmDisponibilita") << Factory([]() -> QWidget * { return new TfrmDisponibilita; });
    QTest::newRow("TfrmTrovaPreventivi") << Factory([]() -> QWidget * { return new TfrmTrovaPreventivi; });
    QTest::newRow("TfrmSospesi") << Factory([]() -> QWidget * { return new TfrmSospesi; });
    QTest::newRow("TfrmImportaMagazzinoDoc") << Factory([]() -> QWidget * { return new TfrmImportaMagazzinoDoc; });
    QTest::newRow("TfrmConfermati") << Factory([]() -> QWidget * { return new TfrmConfermati; });
    QTest::newRow("TfrmNonConfermati") << Factory([]() -> QWidget * { return new TfrmNonConfermati; });
    QTest::newRow("TfrmDaConfermare") << Factory([]() -> QWidget * { return new TfrmDaConfermare; });
    QTest::newRow("TfrmTrovaScadenzario") << Factory([]() -> QWidget * { return new TfrmTrovaScadenzario; });
}

void TestGeometry::windowsHoldTheirTables()
{
    QFETCH(Factory, make);
    TestSupport::TempProgramFolder folder;
    std::unique_ptr<QWidget> window(make());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const QList<Layout::Table> tables = Layout::tables(window.get());
    QVERIFY2(!tables.isEmpty(), "the window applied no layout table");
    const int W = window->width(), H = window->height();

    for (const Layout::Table &table : tables) {
        if (table.client.isValid())
            QCOMPARE(window->size(), Layout::rect(0, 0, table.client.width(), table.client.height()).size());

        QHash<QString, QList<QRect>> controlsIn; // the control rows' rectangles, by the control they lie in
        QHash<QString, int> lastStackIndex;
        for (const Layout::Item &item : table.items) {
            const QString where = table.name + QLatin1Char('/') + QLatin1String(item.name);
            QWidget *control = Layout::find(window.get(), item);
            QVERIFY2(control, qPrintable(where + QStringLiteral(": missing")));

            const QRect actual = actualRect(window.get(), control);
            const QRect expected = Layout::windowRect(window.get(), item);
            const bool placed = near(actual.x(), expected.x(), W) && near(actual.y(), expected.y(), H)
                && near(actual.width(), expected.width(), W) && near(actual.height(), expected.height(), H);
            QVERIFY2(placed,
                qPrintable(QStringLiteral("%1: at %2, table %3").arg(where, describe(actual), describe(expected))));

            QWidget *parent = control->parentWidget();
            if (parent != window.get()) {
                const QRect inside = actualRect(window.get(), parent);
                QVERIFY2(inside.contains(actual), qPrintable(where + QStringLiteral(": outside its parent")));
            }
            const QString parentName = item.in ? QLatin1String(item.in) : QString();
            if (item.kind == Layout::Kind::Control && !control->isHidden()) {
                for (const QRect &other : std::as_const(controlsIn[parentName]))
                    QVERIFY2(
                        !other.intersects(actual), qPrintable(where + QStringLiteral(": overlaps ") + describe(other)));
                controlsIn[parentName] << actual;
            }

            const int stackIndex = int(parent->children().indexOf(control));
            QVERIFY2(stackIndex > lastStackIndex.value(parentName, -1),
                qPrintable(where + QStringLiteral(": below an earlier row")));
            lastStackIndex[parentName] = stackIndex;

            if (item.colour != 0)
                QCOMPARE(control->palette().color(QPalette::WindowText).rgba(), item.colour);
            if (item.font.family) {
                QCOMPARE(control->font().family(), QString::fromLatin1(item.font.family));
                QCOMPARE(control->font().pixelSize(), Style::pixelsForPoints(item.font.points));
                QCOMPARE(control->font().bold(), item.font.bold);
            }
            if (item.align != 0) {
                if (auto *label = qobject_cast<QLabel *>(control))
                    QCOMPARE(int(label->alignment()), item.align);
                else if (auto *edit = qobject_cast<QLineEdit *>(control))
                    QCOMPARE(int(edit->alignment()), item.align);
            }
        }

        // Tab walks the table's controls in the table's order.
        QList<QWidget *> order;
        for (const char *name : table.tabOrder)
            order << window->findChild<QWidget *>(QLatin1String(name));
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QWidget *next = order.at(i)->nextInFocusChain();
            while (next != order.at(i) && !order.contains(next))
                next = next->nextInFocusChain();
            QVERIFY2(next == order.at(i + 1),
                qPrintable(table.name + QStringLiteral(": Tab after ") + QLatin1String(table.tabOrder.at(i))));
        }
    }
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
