// The price list and boxes menu: its two commands open the two editors, its
// close paths end at the start menu, every showing resets its mode, its help
// shows the fifteen paragraphs; the start menu's tile opens it.

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "app/shell/Avvio.h"
#include "app/shell/StartUp.h"
#include "catalog/Box_Cani.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/MenuPrimanota.h"
#include "common/ui/Application.h"
#include "common/ui/Art.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace TestSupport;

class TestMenuPrimanota : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowAndTexts();
    void commandOpensItsEditor_data();
    void commandOpensItsEditor();
    void closePathsEndAtStartMenu_data();
    void closePathsEndAtStartMenu();
    void showingResetsTheMode();
    void helpShowsFifteenParagraphs();
    void startMenuTileOpensTheMenu();
    void windowSetHoldsTheCatalogueInOrder();
    void boxPictureIsDrawn();
    void screenshots();

private:
    void openMenu()
    {
        m_avvio->hide();
        m_menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_menu.get()));
    }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<TfrmAvvio> m_avvio;
    std::unique_ptr<TfrmMenuPrimanota> m_menu;
    std::unique_ptr<TfrmListino_Prezzi> m_services;
    std::unique_ptr<TfrmBox_Cani> m_boxes;
};

void TestMenuPrimanota::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestMenuPrimanota::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_avvio = std::make_unique<TfrmAvvio>();
    m_menu = std::make_unique<TfrmMenuPrimanota>();
    m_services = std::make_unique<TfrmListino_Prezzi>();
    m_boxes = std::make_unique<TfrmBox_Cani>();
    frmMenuPrimanota = m_menu.get();
    frmListino_Prezzi = m_services.get();
    frmBox_Cani = m_boxes.get();
    WindowKit::setStartMenu(m_avvio.get());
    WindowRegistry::set("frmAvvio", m_avvio.get());
    WindowRegistry::set("frmMenuPrimanota", m_menu.get());
    WindowRegistry::set("frmListino_Prezzi", m_services.get());
    WindowRegistry::set("frmBox_Cani", m_boxes.get());
}

void TestMenuPrimanota::cleanup()
{
    WindowKit::setStartMenu(nullptr);
    WindowRegistry::clear();
    frmMenuPrimanota = nullptr;
    frmListino_Prezzi = nullptr;
    frmBox_Cani = nullptr;
    m_boxes.reset();
    m_services.reset();
    m_menu.reset();
    m_avvio.reset();
    m_folder.reset();
}

void TestMenuPrimanota::windowAndTexts()
{
    QCOMPARE(m_menu->windowTitle(), QString(" Kennora - Listino Prezzi e Box per Cani"));
    QCOMPARE(m_menu->btnRegistra->text(), QString("Listino prezzi"));
    QCOMPARE(m_menu->btnRiepiloga->text(), QString("Box per cani"));
    QCOMPARE(m_menu->lblIstruzioni->text(),
        QString("Premere il pulsante per redigere il listino prezzi o per schedare i box per cani presenti nella "
                "pensione."));
    QCOMPARE(m_menu->lblMemory->text(), QString("avvio"));
    QVERIFY(m_menu->lblMemory->isHidden());
    QVERIFY(m_menu->windowState() & Qt::WindowMaximized);
    QCOMPARE(m_services->windowTitle(), QString(" Kennora - Listino Prezzi"));
    QCOMPARE(m_boxes->windowTitle(), QString(" Kennora - Box per Cani"));
    QCOMPARE(m_services->chkNonErogabile->objectName(), QString("chkNonErogabile"));
    QCOMPARE(m_services->chkNonErogabile->text(), QString("Non erogabile"));
    QCOMPARE(m_boxes->chkNonPrenotabile->objectName(), QString("chkNonPrenotabile"));
    QCOMPARE(m_boxes->chkNonPrenotabile->text(), QString("Non prenotabile"));
    // Each editor has the commands of its search, sheet, export and list.
    for (const char *name : { "cmdTrova", "cmdStampa", "cmdEsporta", "cmdNonErogabile" })
        QVERIFY2(m_services->findChild<QPushButton *>(QLatin1String(name)), name);
    for (const char *name : { "cmdTrova", "cmdStampa", "cmdEsporta", "cmdNonPrenotabile" })
        QVERIFY2(m_boxes->findChild<QPushButton *>(QLatin1String(name)), name);
    QVERIFY(!m_services->findChild<QWidget *>(QStringLiteral("cmdNonPrenotabile")));
    QVERIFY(!m_boxes->findChild<QWidget *>(QStringLiteral("cmdNonErogabile")));
}

void TestMenuPrimanota::commandOpensItsEditor_data()
{
    QTest::addColumn<bool>("services");
    QTest::newRow("Listino prezzi") << true;
    QTest::newRow("Box per cani") << false;
}

void TestMenuPrimanota::commandOpensItsEditor()
{
    QFETCH(bool, services);
    openMenu();
    TCatalogEditor *editor = services ? static_cast<TCatalogEditor *>(m_services.get()) : m_boxes.get();
    TCatalogEditor *other = services ? static_cast<TCatalogEditor *>(m_boxes.get()) : m_services.get();
    QTest::mouseClick(services ? m_menu->btnRegistra : m_menu->btnRiepiloga, Qt::LeftButton);
    QVERIFY(editor->isVisible());
    QVERIFY(!other->isVisible());
    QVERIFY(!m_menu->isVisible());
    QVERIFY(!m_avvio->isVisible());
    QCOMPARE(m_menu->lblMemory->text(), QString(services ? "registra" : "riepiloga"));
    QCOMPARE(editor->txtPrezzo->text(), QString("0,00"));
    QVERIFY(editor->lblPosizione->text().isEmpty());
    // The editor closes to the start menu, never to the menu.
    QTest::mouseClick(editor->cmdEsci, Qt::LeftButton);
    QVERIFY(!editor->isVisible());
    QVERIFY(m_avvio->isVisible());
    QVERIFY(!m_menu->isVisible());
}

void TestMenuPrimanota::closePathsEndAtStartMenu_data()
{
    QTest::addColumn<bool>("byPicture");
    QTest::newRow("close picture") << true;
    QTest::newRow("window manager") << false;
}

void TestMenuPrimanota::closePathsEndAtStartMenu()
{
    QFETCH(bool, byPicture);
    openMenu();
    if (byPicture)
        QTest::mouseClick(m_menu->imgEsci, Qt::LeftButton);
    else
        m_menu->close();
    QVERIFY(!m_menu->isVisible());
    QVERIFY(m_avvio->isVisible());
    QVERIFY(!m_services->isVisible());
    QVERIFY(!m_boxes->isVisible());
}

void TestMenuPrimanota::showingResetsTheMode()
{
    openMenu();
    QTest::mouseClick(m_menu->btnRiepiloga, Qt::LeftButton);
    QVERIFY(m_boxes->isVisible());
    m_boxes->close();
    QVERIFY(m_avvio->isVisible());
    // Opened again and closed at once: the start menu, not the boxes editor.
    openMenu();
    QCOMPARE(m_menu->lblMemory->text(), QString("avvio"));
    m_menu->close();
    QVERIFY(m_avvio->isVisible());
    QVERIFY(!m_boxes->isVisible());
    // A word no command writes shows nothing.
    openMenu();
    m_menu->lblMemory->setText(QStringLiteral("Registra"));
    m_avvio->hide();
    m_menu->close();
    QVERIFY(!m_avvio->isVisible());
    QVERIFY(!m_services->isVisible());
}

void TestMenuPrimanota::helpShowsFifteenParagraphs()
{
    openMenu();
    bool seen = false;
    onNextModal([&](QWidget *modal) {
        auto *viewer = qobject_cast<TfrmGuida *>(modal);
        QVERIFY(viewer);
        QCOMPARE(viewer->lblTitolo->text(), QString("App Listino Prezzi e Box per Cani"));
        QCOMPARE(viewer->text(), HelpText::text(HelpTopic::PriceListAndBoxes));
        QCOMPARE(HelpText::paragraphs(HelpTopic::PriceListAndBoxes).size(), 15);
        QVERIFY(m_menu->isVisible());
        viewer->close();
        seen = true;
    });
    QTest::mouseClick(m_menu->imgGuida, Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(m_menu->isVisible());
}

void TestMenuPrimanota::startMenuTileOpensTheMenu()
{
    m_avvio->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_avvio.get()));
    QVERIFY(m_avvio->imgListino->isEnabled());
    QVERIFY(m_avvio->btnListino->isEnabled());
    QTest::mouseClick(m_avvio->btnListino, Qt::LeftButton);
    QVERIFY(m_menu->isVisible());
    QVERIFY(!m_avvio->isVisible());
    QCOMPARE(m_menu->lblMemory->text(), QString("avvio"));
}

void TestMenuPrimanota::windowSetHoldsTheCatalogueInOrder()
{
    QStringList names;
    for (const StartUp::WindowEntry &entry : StartUp::windowTable())
        names.append(QLatin1String(entry.globalName));
    const qsizetype menu = names.indexOf("frmMenuPrimanota");
    const qsizetype boxes = names.indexOf("frmBox_Cani");
    const qsizetype services = names.indexOf("frmListino_Prezzi");
    QVERIFY(menu > names.indexOf("frmAvvio"));
    QVERIFY(menu < boxes);
    QVERIFY(boxes < services);
}

void TestMenuPrimanota::boxPictureIsDrawn()
{
    QVERIFY(Art::exists(QStringLiteral("box")));
    const QImage image = Art::image(QStringLiteral("box"), QSize(32, 32));
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
    QVERIFY(drawn);
}

void TestMenuPrimanota::screenshots()
{
    // A look at the menu and the two editors on a real screen:
    // KENNORA_SCREENSHOTS names the folder of the pictures (run under an X
    // server with a window manager).
    const QString folder = qEnvironmentVariable("KENNORA_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("KENNORA_SCREENSHOTS not set");
    m_menu->showMaximized();
    QTest::qWait(600);
    QVERIFY(m_menu->screen()->grabWindow(0).save(folder + QStringLiteral("/menu.png")));
    m_menu->hide();

    const auto fill = [](TCatalogEditor *editor, const QStringList &texts) {
        for (int i = 0; i < texts.size(); ++i)
            editor->edits().at(i)->setText(texts.at(i));
    };
    m_services->showMaximized();
    QTest::qWait(300);
    fill(m_services.get(),
        { QStringLiteral("TOEL-LUNGO-0001"), QString::fromUtf8("Toelettatura completa per cani a pelo lungo e folto"),
            QStringLiteral("135,50"), QStringLiteral("Igiene e bellezza"),
            QString::fromUtf8("Supplemento di 10 euro per cani di taglia gigante, 5 euro per il taglio unghie"),
            QStringLiteral("Locale toelettatura"), QStringLiteral("Circa due ore"),
            QString::fromUtf8("Solo su appuntamento, cani vaccinati"), QStringLiteral("Giulia Ferri"),
            QString::fromUtf8("Prodotti anallergici disponibili su richiesta del proprietario") });
    m_services->chkNonErogabile->setChecked(true);
    m_services->edits().at(1)->setFocus();
    QTest::qWait(500);
    QVERIFY(m_services->screen()->grabWindow(0).save(folder + QStringLiteral("/services.png")));
    m_services->hide();

    m_boxes->showMaximized();
    QTest::qWait(300);
    fill(m_boxes.get(),
        { QStringLiteral("12-B"), QStringLiteral("3 x 2 metri"), QStringLiteral("Due cani di taglia media"),
            QStringLiteral("25,00"), QStringLiteral("Box coperto riscaldato"), QStringLiteral("Media e grande"),
            QString::fromUtf8("Box in muratura con cuccia rialzata e recinto esterno"),
            QStringLiteral("Ala nord, vicino all'ingresso"), QStringLiteral("Cuccia, ciotole, gioco"),
            QStringLiteral("Disponibile da aprile") });
    m_boxes->txtPrezzo->setFocus();
    QTest::qWait(500);
    QVERIFY(m_boxes->screen()->grabWindow(0).save(folder + QStringLiteral("/boxes.png")));
}

QTEST_MAIN(TestMenuPrimanota)
#include "tst_menuprimanota.moc"
