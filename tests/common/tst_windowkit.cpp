#include "common/TextRoutines.h"
#include "common/ui/Application.h"
#include "common/ui/EditKit.h"
#include "common/ui/ListWindow.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>
#include <QVBoxLayout>

using namespace WindowKit;

namespace
{

// Records shows and hides of watched windows, in order.
class ShowHideLog : public QObject
{
public:
    void watch(QWidget *w) { w->installEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            events << QStringLiteral("show ") + o->objectName();
        else if (e->type() == QEvent::Hide)
            events << QStringLiteral("hide ") + o->objectName();
        return false;
    }
};

// A small fixed dialog: a mode label, an edit, a command.
class TestDialog : public FixedDialog
{
public:
    explicit TestDialog(QWidget *owner)
        : FixedDialog(owner, QStringLiteral("Prova"))
    {
        lblMemory = hiddenLabel(this, "lblMemory");
        auto *layout = new QVBoxLayout(this);
        txtCerca = EditKit::makeEdit(this, { .name = "txtCerca", .maxLength = 20 });
        layout->addWidget(txtCerca);
        btnTrova = new QPushButton(QStringLiteral("Trova"), this);
        btnTrova->setObjectName(QStringLiteral("btnTrova"));
        layout->addWidget(btnTrova);
        btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
        btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
        layout->addWidget(btnChiudi);
        closeOnClick(btnChiudi, this);
        connect(btnTrova, &QPushButton::clicked, this, [this] { ++finds; });
        connect(btnTrova, &QPushButton::clicked, this, &TestDialog::deliver);
        finishLayout(QSize(300, 160));
    }

    // Delivers the edit's text to the caller's start-up instance, by mode.
    void deliver()
    {
        const char *target = modeIs(lblMemory, u"clienti") ? "frmClienti"
            : modeIs(lblMemory, u"cani")                   ? "frmCani"
                                                           : nullptr;
        if (!target)
            return;
        if (QWidget *window = WindowRegistry::get(QLatin1String(target)))
            window->findChild<QLineEdit *>(QStringLiteral("txtNome"))->setText(txtCerca->text());
    }

    int closeCommands = 0;
    int finds = 0;
    QLabel *lblMemory;
    QLineEdit *txtCerca;
    QPushButton *btnTrova;
    QPushButton *btnChiudi;

protected:
    void closeCommand() override
    {
        ++closeCommands;
        FixedDialog::closeCommand();
    }
};

QWidget *namedWindow(const QString &name, QWidget *keep = nullptr)
{
    auto *w = new QWidget;
    w->setObjectName(name);
    w->resize(200, 100);
    auto *edit = new QLineEdit(w);
    edit->setObjectName(QStringLiteral("txtNome"));
    Q_UNUSED(keep);
    return w;
}

class TestMain : public MainWindowBase
{
public:
    TestMain()
        : MainWindowBase(QStringLiteral("Anagrafica"))
    {
        setObjectName(QStringLiteral("frmClienti"));
    }
    int closes = 0;

protected:
    void onClosed() override
    {
        ++closes;
        MainWindowBase::onClosed();
    }
};

} // namespace

class TestWindowKit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void cleanup();

    void fixedDialogKind();
    void minimisedModalDialogComesBack_data();
    void minimisedModalDialogComesBack();
    void fontSizesInPointsHaveOneScale_data();
    void fontSizesInPointsHaveOneScale();
    void escapeLeavesFixedDialogOpen();
    void windowManagerCloseRunsCloseCommand();
    void enterInDialogPressesNothing();
    void modalDialogIsFreshAndDestroyed();
    void callerMode_data();
    void callerMode();
    void switchShowsBeforeHiding();
    void mainWindowReturnsToStartMenu();
    void menuCloseRouting_data();
    void menuCloseRouting();
    void hintLine();
    void linkColours();
    void enableWhenFilled_data();
    void enableWhenFilled();
    void focusFirstFieldOnShow();
    void longListLinesShowWhatTheWholeLineShows_data();
    void longListLinesShowWhatTheWholeLineShows();

private:
    QList<QWidget *> m_windows;
};

void TestWindowKit::cleanup()
{
    WindowRegistry::clear();
    setStartMenu(nullptr);
    qDeleteAll(m_windows);
    m_windows.clear();
}

void TestWindowKit::fixedDialogKind()
{
    auto *owner = namedWindow(QStringLiteral("frmOwner"));
    m_windows << owner;
    owner->setGeometry(100, 100, 700, 500);
    owner->show();
    TestDialog dialog(owner);
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.minimumSize(), QSize(300, 160));
    QCOMPARE(dialog.maximumSize(), QSize(300, 160));
    QCOMPARE(dialog.frameGeometry().center(), owner->frameGeometry().center());
    QVERIFY(!dialog.btnTrova->autoDefault());
    QVERIFY(!dialog.btnChiudi->autoDefault());
    QCOMPARE(dialog.lblMemory->objectName(), QStringLiteral("lblMemory"));
    // Centred again when shown, on where the owner is now.
    owner->move(160, 120);
    dialog.show();
    QCOMPARE(dialog.frameGeometry().center(), owner->frameGeometry().center());
    QVERIFY(!dialog.lblMemory->isVisible());

    // Without an owner: centred on the screen.
    TestDialog alone(nullptr);
    QCOMPARE(alone.frameGeometry().center(), alone.screen()->availableGeometry().center());
}

// A modal window minimised (its own minimise, or its owner's taking it along)
// would leave the program blocked behind a window the user cannot see.
void TestWindowKit::minimisedModalDialogComesBack_data()
{
    QTest::addColumn<bool>("ownerMinimised");
    QTest::newRow("dialog minimised") << false;
    QTest::newRow("owner minimised") << true;
}

void TestWindowKit::minimisedModalDialogComesBack()
{
    QFETCH(bool, ownerMinimised);
    auto *owner = namedWindow(QStringLiteral("frmOwner"));
    m_windows << owner;
    owner->show();
    QVERIFY(!(fixedWindowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)));
    bool restored = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        QWidget *minimised = ownerMinimised ? owner : modal;
        minimised->showMinimized();
        // Closed whatever happens, so a failure never leaves the test blocked.
        const bool back = QTest::qWaitFor([&] { return !minimised->isMinimized(); }, 2000);
        restored = back && !owner->isMinimized() && !modal->isMinimized() && modal->isVisible();
        qobject_cast<QDialog *>(modal)->reject();
    });
    TestDialog dialog(owner);
    dialog.exec();
    QVERIFY(restored);
    // A dialog that is not modal may be minimised like any window.
    dialog.show();
    dialog.showMinimized();
    QTest::qWait(20);
    QVERIFY(dialog.isMinimized());
}

void TestWindowKit::fontSizesInPointsHaveOneScale_data()
{
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("8") << 8.0 << 11;
    QTest::newRow("10") << 10.0 << 13;
    QTest::newRow("12") << 12.0 << 16;
    QTest::newRow("16") << 16.0 << 21;
}

// The same size in points is drawn at one size in every window (96 dots per inch).
void TestWindowKit::fontSizesInPointsHaveOneScale()
{
    QFETCH(qreal, points);
    QFETCH(int, pixels);
    QCOMPARE(Style::pixelsForPoints(points), pixels);
    QCOMPARE(Style::font(QStringLiteral("Tahoma"), points).pixelSize(), pixels);
    QCOMPARE(Style::shellFont(points, true).pixelSize(), pixels);
    QVERIFY(Style::shellFont(points, true).bold());
}

void TestWindowKit::escapeLeavesFixedDialogOpen()
{
    bool stillOpen = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        QTest::keyClick(modal->findChild<QLineEdit *>(QStringLiteral("txtCerca")), Qt::Key_Escape);
        stillOpen = modal->isVisible() && QApplication::activeModalWidget() == modal;
        modal->findChild<QPushButton *>(QStringLiteral("btnChiudi"))->click();
    });
    openModalDialog<TestDialog>(nullptr);
    QVERIFY(stillOpen);
}

void TestWindowKit::windowManagerCloseRunsCloseCommand()
{
    int commands = -1;
    QPointer<TestDialog> seen;
    TestSupport::onNextModal([&](QWidget *modal) {
        seen = static_cast<TestDialog *>(modal);
        modal->close(); // as the window manager does
    });
    const int result = openModalDialog<TestDialog>(nullptr,
        [&](TestDialog &d) { QObject::connect(&d, &QDialog::finished, &d, [&] { commands = d.closeCommands; }); });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(commands, 1);
    QVERIFY(!seen); // destroyed after
}

void TestWindowKit::enterInDialogPressesNothing()
{
    int finds = -1;
    bool open = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        auto *d = static_cast<TestDialog *>(modal);
        d->txtCerca->setFocus();
        QTest::keyClick(d->txtCerca, Qt::Key_Return);
        QTest::keyClick(d, Qt::Key_Enter, Qt::KeypadModifier);
        finds = d->finds;
        open = d->isVisible();
        // Enter on the focused button presses it.
        d->btnTrova->setFocus();
        QTest::keyClick(d->btnTrova, Qt::Key_Return);
        finds += 10 * d->finds;
        d->btnChiudi->click();
    });
    openModalDialog<TestDialog>(nullptr);
    QCOMPARE(finds, 10);
    QVERIFY(open);
}

void TestWindowKit::modalDialogIsFreshAndDestroyed()
{
    auto *owner = namedWindow(QStringLiteral("frmOwner"));
    m_windows << owner;
    QList<QPointer<TestDialog>> instances;
    QStringList modesSeen;
    for (int i = 0; i < 2; ++i) {
        TestSupport::onNextModal([&](QWidget *modal) {
            auto *d = static_cast<TestDialog *>(modal);
            modesSeen << WindowKit::callerMode(d->lblMemory) + QLatin1Char('|') + d->txtCerca->text();
            QCOMPARE(d->parentWidget(), owner);
            d->btnChiudi->click();
        });
        openModalDialog<TestDialog>(owner, [&](TestDialog &d) {
            instances << &d;
            d.lblMemory->setText(QStringLiteral("  clienti "));
            d.txtCerca->setText(QString::number(i));
        });
    }
    QCOMPARE(modesSeen, QStringList({ QStringLiteral("clienti|0"), QStringLiteral("clienti|1") }));
    QCOMPARE(instances.size(), 2);
    QVERIFY(!instances[0] && !instances[1]);
    QVERIFY(owner->findChildren<TestDialog *>().isEmpty());
}

void TestWindowKit::callerMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("clienti");
    QTest::addColumn<QString>("cani");
    QTest::newRow("clienti") << "clienti"
                             << "Rossi"
                             << "";
    QTest::newRow("blanks around") << " clienti\t"
                                   << "Rossi"
                                   << "";
    QTest::newRow("cani") << "cani"
                          << ""
                          << "Rossi";
    QTest::newRow("Clienti, capital C") << "Clienti"
                                        << ""
                                        << "";
    QTest::newRow("CANI") << "CANI"
                          << ""
                          << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("unknown") << "preventivi"
                             << ""
                             << "";
}

void TestWindowKit::callerMode()
{
    QFETCH(QString, mode);
    QFETCH(QString, clienti);
    QFETCH(QString, cani);
    QWidget *frmClienti = namedWindow(QStringLiteral("frmClienti"));
    QWidget *frmCani = namedWindow(QStringLiteral("frmCani"));
    m_windows << frmClienti << frmCani;
    WindowRegistry::set(QStringLiteral("frmClienti"), frmClienti);
    WindowRegistry::set(QStringLiteral("frmCani"), frmCani);
    TestSupport::onNextModal([](QWidget *modal) {
        auto *d = static_cast<TestDialog *>(modal);
        d->btnTrova->click();
        d->btnChiudi->click();
    });
    openModalDialog<TestDialog>(frmClienti, [&](TestDialog &d) {
        d.lblMemory->setText(mode);
        d.txtCerca->setText(QStringLiteral("Rossi"));
    });
    QCOMPARE(frmClienti->findChild<QLineEdit *>()->text(), clienti);
    QCOMPARE(frmCani->findChild<QLineEdit *>()->text(), cani);
}

void TestWindowKit::switchShowsBeforeHiding()
{
    QWidget *from = namedWindow(QStringLiteral("frmAvvio"));
    QWidget *to = namedWindow(QStringLiteral("frmCani"));
    m_windows << from << to;
    from->show();
    ShowHideLog log;
    log.watch(from);
    log.watch(to);
    switchWindow(from, to);
    QCOMPARE(log.events, QStringList({ QStringLiteral("show frmCani"), QStringLiteral("hide frmAvvio") }));
    QVERIFY(to->isVisible());
    QVERIFY(!from->isVisible());
}

void TestWindowKit::mainWindowReturnsToStartMenu()
{
    QWidget *frmAvvio = namedWindow(QStringLiteral("frmAvvio"));
    auto *main = new TestMain;
    m_windows << frmAvvio << main;
    WindowRegistry::set(QStringLiteral("frmAvvio"), frmAvvio);
    main->showMaximised();
    QVERIFY(main->windowState() & Qt::WindowMaximized);
    QVERIFY(main->windowFlags() & Qt::WindowCloseButtonHint || !(main->windowFlags() & Qt::CustomizeWindowHint));
    ShowHideLog log;
    log.watch(frmAvvio);
    log.watch(main);
    QVERIFY(main->close());
    QCOMPARE(main->closes, 1);
    QCOMPARE(log.events, QStringList({ QStringLiteral("show frmAvvio"), QStringLiteral("hide frmClienti") }));
    QVERIFY(!main->isVisible());
    // A start menu set explicitly wins over the registry.
    QWidget *other = namedWindow(QStringLiteral("frmMenu"));
    m_windows << other;
    setStartMenu(other);
    main->show();
    main->close();
    QVERIFY(other->isVisible());
}

void TestWindowKit::menuCloseRouting_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("shown");
    QTest::newRow("avvio") << "avvio"
                           << "frmAvvio";
    QTest::newRow("avvio with blanks") << " avvio "
                                       << "frmAvvio";
    QTest::newRow("planning") << "planning"
                              << "frmPlanning";
    QTest::newRow("Planning") << "Planning"
                              << "";
    QTest::newRow("Avvio") << "Avvio"
                           << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("unknown") << "registra"
                             << "";
}

void TestWindowKit::menuCloseRouting()
{
    QFETCH(QString, word);
    QFETCH(QString, shown);
    QWidget *frmAvvio = namedWindow(QStringLiteral("frmAvvio"));
    QWidget *frmPlanning = namedWindow(QStringLiteral("frmPlanning"));
    QWidget *chooser = namedWindow(QStringLiteral("frmMenuDisponibili"));
    m_windows << frmAvvio << frmPlanning << chooser;
    WindowRegistry::set(QStringLiteral("frmAvvio"), frmAvvio);
    WindowRegistry::set(QStringLiteral("frmPlanning"), frmPlanning);
    QLabel *lblMemory = hiddenLabel(chooser, "lblMemory");
    lblMemory->setText(word);
    QWidget *result
        = WindowKit::menuCloseRouting(lblMemory, { { QStringLiteral("planning"), QStringLiteral("frmPlanning") } });
    QCOMPARE(result ? result->objectName() : QString(), shown);
    QCOMPARE(frmAvvio->isVisible(), shown == QLatin1String("frmAvvio"));
    QCOMPARE(frmPlanning->isVisible(), shown == QLatin1String("frmPlanning"));
}

void TestWindowKit::hintLine()
{
    auto *window = new QWidget;
    m_windows << window;
    window->setObjectName(QStringLiteral("frmClienti"));
    window->resize(400, 200);
    auto *panel = new QWidget(window);
    panel->setGeometry(0, 0, 400, 160);
    auto *cmdSalva = new QPushButton(QStringLiteral("Salva"), panel);
    cmdSalva->setGeometry(10, 10, 100, 30);
    auto *cmdTrova = new QPushButton(QStringLiteral("Trova"), panel);
    cmdTrova->setGeometry(10, 60, 100, 30);
    auto *panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), window);
    panInfo->setGeometry(0, 170, 400, 30);
    auto *hints = new HintLine(panInfo);
    hints->addCommand(cmdSalva, QStringLiteral("Salva la scheda."));
    hints->addCommand(cmdTrova, QStringLiteral("Cerca una scheda."));
    hints->addBackground(window);
    hints->addBackground(panel);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QCOMPARE(panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QTest::mouseMove(window->windowHandle(), cmdSalva->geometry().center());
    QTRY_COMPARE(panInfo->text(), QStringLiteral("Salva la scheda."));
    QTest::mouseMove(window->windowHandle(), cmdTrova->geometry().center());
    QTRY_COMPARE(panInfo->text(), QStringLiteral("Cerca una scheda."));
    QTest::mouseMove(window->windowHandle(), QPoint(300, 120)); // the panel
    QTRY_COMPARE(panInfo->text(), QString());
    QTest::mouseMove(window->windowHandle(), cmdSalva->geometry().center());
    QTRY_COMPARE(panInfo->text(), QStringLiteral("Salva la scheda."));
    QTest::mouseMove(window->windowHandle(), QPoint(300, 165)); // the window itself, between panel and hint line
    QTRY_COMPARE(panInfo->text(), QString());
}

void TestWindowKit::linkColours()
{
    auto *window = new QWidget;
    m_windows << window;
    auto *lnkWeb = new QLabel(QStringLiteral("kennora.example"), window);
    auto *imgWeb = new QLabel(window);
    imgWeb->setGeometry(0, 30, 20, 20);
    linkPressColour(lnkWeb, { imgWeb });
    int opened = 0;
    onClick(lnkWeb, [&] { ++opened; });
    QCOMPARE(linkColour(lnkWeb), LinkRestColour);
    QVERIFY(lnkWeb->font().underline());
    QTest::mousePress(lnkWeb, Qt::LeftButton);
    QCOMPARE(linkColour(lnkWeb), LinkPressedColour);
    QTest::mouseRelease(lnkWeb, Qt::LeftButton);
    QCOMPARE(linkColour(lnkWeb), LinkRestColour);
    QCOMPARE(opened, 1);
    QTest::mousePress(imgWeb, Qt::LeftButton);
    QCOMPARE(linkColour(lnkWeb), LinkPressedColour);
    QTest::mouseRelease(imgWeb, Qt::LeftButton);
    QCOMPARE(linkColour(lnkWeb), LinkRestColour);
    QCOMPARE(opened, 1);
    // A press that ends outside is no click.
    QTest::mousePress(lnkWeb, Qt::LeftButton);
    QTest::mouseRelease(lnkWeb, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(opened, 1);
}

void TestWindowKit::enableWhenFilled_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("all filled") << QStringList { "a", "b", "c" } << true;
    QTest::newRow("one empty") << QStringList { "a", "", "c" } << false;
    QTest::newRow("one blank only") << QStringList { "a", "  ", "c" } << false;
    QTest::newRow("blanks around") << QStringList { " a ", "b ", " c" } << true;
    QTest::newRow("all empty") << QStringList { "", "", "" } << false;
}

void TestWindowKit::enableWhenFilled()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, enabled);
    auto *window = new QWidget;
    m_windows << window;
    QList<QLineEdit *> edits;
    for (int i = 0; i < 3; ++i)
        edits << new QLineEdit(window);
    auto *cmdOK = new QPushButton(window);
    WindowKit::enableWhenFilled(cmdOK, edits);
    QVERIFY(!cmdOK->isEnabled()); // starts disabled
    for (int i = 0; i < 3; ++i)
        edits[i]->setText(texts[i]); // by code
    QCOMPARE(cmdOK->isEnabled(), enabled);
    // Typing re-evaluates too.
    window->show();
    edits[1]->setFocus();
    edits[1]->clear();
    QVERIFY(!cmdOK->isEnabled());
    QTest::keyClicks(edits[1], "x");
    QCOMPARE(cmdOK->isEnabled(), !TrimText(texts[0]).isEmpty() && !TrimText(texts[2]).isEmpty());
}

void TestWindowKit::focusFirstFieldOnShow()
{
    auto *window = new QWidget;
    m_windows << window;
    auto *first = new QLineEdit(window);
    auto *second = new QLineEdit(window);
    second->setGeometry(0, 40, 100, 25);
    focusFirstField(window, second);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_VERIFY(second->hasFocus());
    first->setFocus();
    window->hide();
    window->show();
    // The window's own focus is the field again (it gets the keys once active).
    QCOMPARE(window->focusWidget(), second);
}

QTEST_MAIN(TestWindowKit)
void TestWindowKit::longListLinesShowWhatTheWholeLineShows_data()
{
    // A result list of long lines, scrolled sideways to `scroll` (a share of its range): it must look
    // exactly as a list drawing every line whole would look.
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("scroll");
    const QString owner = QStringLiteral("ROSSI MARIO          Via Garibaldi 12     Forlì FC  0543 123456  € 12,50 ");
    for (int scroll : { 0, 37, 100 }) {
        const QByteArray at = QByteArray::number(scroll);
        QTest::newRow("short, " + at) << QStringLiteral("BIANCHI ANNA") << scroll;
        QTest::newRow("owner columns, " + at) << owner.repeated(4) << scroll;
        QTest::newRow("far past the view, " + at) << owner.repeated(12) << scroll;
        QTest::newRow("right-to-left far on, " + at)
            << owner.repeated(6) + QStringLiteral("\u05E9\u05DC\u05D5\u05DD") << scroll;
    }
}

void TestWindowKit::longListLinesShowWhatTheWholeLineShows()
{
    QFETCH(QString, line);
    QFETCH(int, scroll);
    RecordList list;
    ListLines lines;
    for (int row = 0; row < 30; ++row)
        lines.push_back({ line.mid(row % 7), row });
    list.lines()->setLines(lines);
    list.lines()->setItemWidth(QFontMetrics(list.font()).horizontalAdvance(line) + 8);
    list.resize(801, 297);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setCurrentRow(2);
    QScrollBar *across = list.horizontalScrollBar();
    across->setValue(across->maximum() * scroll / 100);
    const QImage drawn = list.viewport()->grab().toImage();
    QAbstractItemDelegate *own = list.itemDelegate();
    QStyledItemDelegate whole;
    list.setItemDelegate(&whole);
    const QImage wholeDrawn = list.viewport()->grab().toImage();
    list.setItemDelegate(own);
    QVERIFY(!drawn.isNull());
    QVERIFY(drawn == wholeDrawn);
}

#include "tst_windowkit.moc"
