// Every window of the window set laid out from tables, held against the
// tables it applied: each row's control is there, at its place and size (as
// proportions of the window, within a small tolerance), inside the control it
// lies in and clear of the other controls there, with its text colour, font
// and alignment; the rows lie one above the other in table order and Tab
// follows the table's order.
//
// The rows are the window set itself (StartUp::windowTable): every window
// lays itself out from tables, so a window that applies none fails.
#include "app/shell/StartUp.h"
#include "common/ProgramFolder.h"
#include "common/ui/Application.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace
{

// How far a place or size may stray, as a share of the window's width or height.
constexpr double kTolerance = 0.004;

// The least a window needs before it can be shown: the planner opens on a
// planner file named by its chooser.
void prepare(const QString &name)
{
    if (name == QLatin1String("frmPlanning")) {
        QWidget *chooser = WindowRegistry::get(QStringLiteral("frmMenuDisponibili"));
        if (auto *file = chooser ? chooser->findChild<QLabel *>(QStringLiteral("lblFile")) : nullptr)
            file->setText(programFile(QStringLiteral("Prenotazioni box 1 anno 2024.pln")));
    }
}

// A text that TextFit keeps whole may take the narrow face and a smaller size
// than its table gives; the weight stays.
bool keptWholeByTextFit(const QWidget *control)
{
    return control->findChild<QObject *>(QStringLiteral("textFit"), Qt::FindDirectChildrenOnly)
        && control->font().family() == QLatin1String(Style::NarrowFamily);
}

QRect actualRect(const QWidget *window, const QWidget *control)
{
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

bool near(int actual, int expected, int whole)
{
    return std::abs(actual - expected) <= kTolerance * whole + 0.5;
}

// Two colours alike but for the rounding of a gradient's steps.
bool alike(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 6 && std::abs(a.green() - b.green()) <= 6
        && std::abs(a.blue() - b.blue()) <= 6;
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
    void cleanupTestCase();
    void cleanup();
    void windowsHoldTheirTables_data();
    void windowsHoldTheirTables();

private:
    std::unique_ptr<TestSupport::TempProgramFolder> m_folder;
};

void TestGeometry::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
    m_folder = std::make_unique<TestSupport::TempProgramFolder>();
    StartUp::createWindowSet();
}

void TestGeometry::cleanupTestCase()
{
    StartUp::destroyWindowSet();
    m_folder.reset();
}

void TestGeometry::cleanup()
{
    for (const StartUp::WindowEntry &entry : StartUp::windowTable()) {
        if (QWidget *window = WindowRegistry::get(QLatin1String(entry.globalName)))
            window->hide();
    }
}

void TestGeometry::windowsHoldTheirTables_data()
{
    QTest::addColumn<QString>("name");
    for (const StartUp::WindowEntry &entry : StartUp::windowTable())
        QTest::newRow(entry.globalName) << QString::fromLatin1(entry.globalName);
}

void TestGeometry::windowsHoldTheirTables()
{
    QFETCH(QString, name);
    QWidget *window = WindowRegistry::get(name);
    QVERIFY(window);
    prepare(name);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const QList<Layout::Table> tables = Layout::tables(window);
    QVERIFY2(!tables.isEmpty(), "the window applied no layout table");
    const int W = window->width(), H = window->height();

    for (const Layout::Table &table : tables) {
        if (table.client.isValid())
            QCOMPARE(window->size(), Layout::rect(0, 0, table.client.width(), table.client.height()).size());

        QHash<QString, QList<QRect>> controlsIn; // the control rows' rectangles, by the control they lie in
        QHash<QString, int> lastStackIndex;
        for (const Layout::Item &item : table.items) {
            const QString where = table.name + QLatin1Char('/') + QLatin1String(item.name);
            QWidget *control = Layout::find(window, item);
            QVERIFY2(control, qPrintable(where + QStringLiteral(": missing")));

            const QRect actual = actualRect(window, control);
            const QRect expected = Layout::windowRect(window, item);
            const bool placed = near(actual.x(), expected.x(), W) && near(actual.y(), expected.y(), H)
                && near(actual.width(), expected.width(), W) && near(actual.height(), expected.height(), H);
            QVERIFY2(placed,
                qPrintable(QStringLiteral("%1: at %2, table %3").arg(where, describe(actual), describe(expected))));

            QWidget *parent = control->parentWidget();
            if (parent != window) {
                const QRect inside = actualRect(window, parent);
                QVERIFY2(inside.contains(actual), qPrintable(where + QStringLiteral(": outside its parent")));
            }
            const QString parentName = item.in ? QLatin1String(item.in) : QString();
            if (item.kind == Layout::Kind::Control && !control->isHidden() && !item.over) {
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
            if (item.kind == Layout::Kind::Shape && item.fill != 0) {
                // A plain fill inside the stroke; a gradient from its top colour to its bottom one.
                const QImage drawn = control->grab().toImage();
                const int x = drawn.width() / 2;
                const QColor top = drawn.pixelColor(x, item.fillBottom ? 1 : drawn.height() / 2);
                QVERIFY2(alike(top, QColor::fromRgba(item.fill)),
                    qPrintable(where + QStringLiteral(": filled with ") + top.name()));
                if (item.fillBottom != 0) {
                    const QColor bottom = drawn.pixelColor(x, drawn.height() - 2);
                    QVERIFY2(alike(bottom, QColor::fromRgba(item.fillBottom)),
                        qPrintable(where + QStringLiteral(": gradient ends in ") + bottom.name()));
                }
            }
            if (item.font.family && keptWholeByTextFit(control)) {
                QVERIFY(control->font().pixelSize() <= Style::pixelsForPoints(item.font.points));
                QCOMPARE(control->font().bold(), item.font.bold);
            } else if (item.font.family) {
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
