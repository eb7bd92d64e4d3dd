#include "app/core/Crypt.h"
#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "app/shell/Avvio.h"
#include "app/shell/CambiaPassword.h"
#include "app/shell/Info.h"
#include "app/shell/Password.h"
#include "app/shell/Splash.h"
#include "app/shell/StartUp.h"
#include "common/ui/WindowRegistry.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace TestSupport;

namespace
{

const QByteArray kShipped = "[Accesso]\r\nValore=5B44E17518F04E5B993B47A1533D\r\n";

QByteArray settingsWith(const QString &hex)
{
    return "[Ditta]\r\nNome=Pensione Fido\r\n\r\n[Accesso]\r\nValore=" + hex.toLatin1() + "\r\n";
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown.append(w);
    return shown;
}

// Makes every write to a file fail while alive: a read-only folder for a
// normal user; for root (who may write anyway) a file-size limit.
class FailingWrites
{
public:
    explicit FailingWrites(const QString &folder)
        : m_folder(folder)
    {
        if (geteuid() != 0) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FailingWrites()
    {
        if (geteuid() != 0) {
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return;
        }
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_previous);
    }

private:
    QString m_folder;
    rlimit m_old {};
    void (*m_previous)(int) = nullptr;
};

} // namespace

class TestShellWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpShowsOnlyTheLoginWindowAndTouchesNoFile();
    void login_data();
    void login();
    void loginNeedsAFilledField();
    void startMakesTheLoginWindowFirstAndTheRestInOrder_data();
    void startMakesTheLoginWindowFirstAndTheRestInOrder();
    void passwordChangeStoresTheNewPassword();
    void passwordChangeRefusals_data();
    void passwordChangeRefusals();
    void passwordChangeWriteFailureKeepsTheOldPassword();
    void changeWindowAlwaysReturnsToTheLogin();
    void tilesSwitchToTheirWindows();
    void programEnds_data();
    void programEnds();
    void linksOpenTheMakersAddresses();
    void infoAndSplashOpenModally();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_messages;
    QList<QUrl> m_opened;

    QString settings() const { return m_folder->file(QStringLiteral("unins000.dll")); }
    void typeAndLogin(const QString &typed, bool viaEnter = false)
    {
        frmPassword->txtPassword->clear();
        QTest::keyClicks(frmPassword->txtPassword, typed);
        if (viaEnter)
            QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
        else
            click(frmPassword->cmdOK);
    }
    void fillChange(const QString &oldPassword, const QString &newPassword, const QString &confirmation)
    {
        frmCambiaPassword->txtPasswordOld->setText(oldPassword);
        frmCambiaPassword->txtPasswordNew->setText(newPassword);
        frmCambiaPassword->txtConferma->setText(confirmation);
    }
};

void TestShellWindows::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_messages = std::make_unique<MessageRecorder>();
    m_opened.clear();
    TMisc::setOpener([this](const QUrl &url) { m_opened.append(url); });
    StartUp::createWindowSet();
    frmPassword->show();
}

void TestShellWindows::cleanup()
{
    StartUp::destroyWindowSet();
    TMisc::setOpener(nullptr);
    m_messages.reset();
    m_folder.reset();
}

void TestShellWindows::startUpShowsOnlyTheLoginWindowAndTouchesNoFile()
{
    QCOMPARE(StartUp::windowTable().first().globalName, "frmPassword");
    for (const StartUp::WindowEntry &entry : StartUp::windowTable())
        QVERIFY2(WindowRegistry::get(QLatin1String(entry.globalName)), entry.globalName);
    QCOMPARE(WindowRegistry::get("frmAvvio"), frmAvvio);
    QCOMPARE(WindowKit::startMenu(), frmAvvio);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmPassword });
    QVERIFY(!frmPassword->cmdOK->isEnabled());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestShellWindows::login_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<bool>("folderInstead");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("viaEnter");
    QTest::addColumn<QString>("message"); // empty: the start menu opens

    const QString wrong = TfrmPassword::kWrongPassword;
    const QString readError = TfrmPassword::kReadError;
    QTest::newRow("shipped, blanks around") << kShipped << false << " girasolemattin " << false << "";
    QTest::newRow("mixed case, Enter") << kShipped << false << "GiraSoleMattin" << true << "";
    QTest::newRow("wrong") << kShipped << false << "girasole" << false << wrong;
    QTest::newRow("wrong, Enter") << kShipped << false << "girasole" << true << wrong;
    QTest::newRow("missing file") << QByteArray() << false << "girasolemattin" << false << wrong;
    QTest::newRow("missing key") << QByteArray("[Accesso]\r\nAltro=1\r\n") << false << "girasolemattin" << false
                                 << wrong;
    QTest::newRow("trailing odd digit ignored")
        << settingsWith("5B44E17518F04E5B993B47A1533D7") << false << "girasolemattin" << false << "";
    QTest::newRow("odd length cut inside")
        << settingsWith("5B44E17518F04E5B993B47A1533") << false << "girasolemattin" << false << wrong;
    QTest::newRow("stored lower case never matches")
        << settingsWith(EncryptToHex("girasolemattin")) << false << "girasolemattin" << false << wrong;
    QTest::newRow("not hexadecimal") << settingsWith("5B44G1") << false << "girasolemattin" << false << readError;
    QTest::newRow("unreadable file") << QByteArray() << true << "girasolemattin" << false << readError;
}

void TestShellWindows::login()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, folderInstead);
    QFETCH(QString, typed);
    QFETCH(bool, viaEnter);
    QFETCH(QString, message);
    if (!file.isEmpty())
        writeFile(settings(), file);
    if (folderInstead)
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("unins000.dll")));

    typeAndLogin(typed, viaEnter);

    if (message.isEmpty()) {
        QCOMPARE(m_messages->count(), 0);
        QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
        QVERIFY(frmAvvio->isMaximized() || frmAvvio->windowState().testFlag(Qt::WindowMaximized));
        return;
    }
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(m_messages->lastText(), message);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmPassword });
    // A wrong password empties the field; a read error leaves the window as it was.
    QCOMPARE(frmPassword->txtPassword->text(), message == TfrmPassword::kWrongPassword ? QString() : typed);
    if (!file.isEmpty())
        QCOMPARE(readFile(settings()), file);
}

void TestShellWindows::startMakesTheLoginWindowFirstAndTheRestInOrder_data()
{
    QTest::addColumn<bool>("loginAtOnce");
    QTest::newRow("rest made while the login window waits") << false;
    QTest::newRow("password typed before the rest exists") << true;
}

// The program shows its login window before making the rest of the window
// set; a login or a password change never finds a window missing.
void TestShellWindows::startMakesTheLoginWindowFirstAndTheRestInOrder()
{
    QFETCH(bool, loginAtOnce);
    StartUp::destroyWindowSet();
    QVERIFY(!frmPassword && !frmAvvio);
    QWidget *login = StartUp::startWindowSet();
    QCOMPARE(login, frmPassword);
    QVERIFY(!frmCambiaPassword && !frmAvvio && !WindowRegistry::get("frmClienti"));
    QVERIFY(!StartUp::windowSetComplete());
    login->show();
    if (loginAtOnce) {
        QFile file(m_folder->path() + QStringLiteral("/unins000.dll"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kShipped);
        file.close();
        typeAndLogin(QStringLiteral("girasolemattin"));
        QVERIFY(StartUp::windowSetComplete());
        QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
    } else {
        // The windows that exist are always the first ones of the table.
        bool prefix = true;
        int seenCounts = 0;
        QVERIFY(QTest::qWaitFor(
            [&] {
                bool gap = false;
                for (const StartUp::WindowEntry &entry : StartUp::windowTable()) {
                    const bool exists = WindowRegistry::get(QLatin1String(entry.globalName)) != nullptr;
                    prefix = prefix && !(exists && gap);
                    gap = gap || !exists;
                }
                ++seenCounts;
                return StartUp::windowSetComplete();
            },
            5000));
        QVERIFY(prefix);
        QVERIFY(seenCounts > 1);
        for (const StartUp::WindowEntry &entry : StartUp::windowTable())
            QVERIFY2(WindowRegistry::get(QLatin1String(entry.globalName)), entry.globalName);
        QCOMPARE(visibleWindows(), QList<QWidget *> { frmPassword });
    }
    QCOMPARE(WindowKit::startMenu(), frmAvvio);
}

void TestShellWindows::loginNeedsAFilledField()
{
    writeFile(settings(), kShipped);
    QTest::keyClicks(frmPassword->txtPassword, "  ");
    QVERIFY(!frmPassword->cmdOK->isEnabled());
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    QCOMPARE(m_messages->count(), 0);
    QTest::keyClicks(frmPassword->txtPassword, "x");
    QVERIFY(frmPassword->cmdOK->isEnabled());
}

void TestShellWindows::passwordChangeStoresTheNewPassword()
{
    writeFile(settings(), settingsWith(EncryptToHex("GIRASOLEMATTIN")));
    click(frmPassword->btnCambiaPassword);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmCambiaPassword });
    QVERIFY(!frmCambiaPassword->cmdOK->isEnabled());

    fillChange(" girasolemattin", "Nuova Perché ", " Nuova Perché");
    QVERIFY(frmCambiaPassword->cmdOK->isEnabled());
    click(frmCambiaPassword->cmdOK);

    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->lastKind(), MessageBoxes::Kind::Plain);
    QCOMPARE(m_messages->lastText(), TfrmCambiaPassword::kChanged);
    // Upper-cased (a-z only), trimmed, scrambled; the other section kept.
    QCOMPARE(readFile(settings()), settingsWith(EncryptToHex(QStringLiteral("NUOVA PERCHé"))));
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmPassword });
    QVERIFY(frmPassword->txtPassword->text().isEmpty());

    m_messages->clear();
    typeAndLogin("girasolemattin");
    QCOMPARE(m_messages->lastText(), TfrmPassword::kWrongPassword);
    frmPassword->txtPassword->setText(QStringLiteral("nuova perché"));
    click(frmPassword->cmdOK);
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
}

void TestShellWindows::passwordChangeRefusals_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("emptied");

    const int plain = int(MessageBoxes::Kind::Plain);
    QTest::newRow("wrong old password") << kShipped << "girasole"
                                        << "nuova"
                                        << "nuova" << plain << TfrmCambiaPassword::kWrongOldPassword << "txtPasswordOld"
                                        << QStringList { "txtPasswordOld" };
    QTest::newRow("missing file: old password wrong") << QByteArray() << "x"
                                                      << "nuova"
                                                      << "nuova" << plain << TfrmCambiaPassword::kWrongOldPassword
                                                      << "txtPasswordOld" << QStringList { "txtPasswordOld" };
    QTest::newRow("confirmation compared before upper-casing")
        << kShipped << "girasolemattin"
        << "abc"
        << "ABC" << plain << TfrmCambiaPassword::kNotConfirmed << "txtPasswordNew"
        << QStringList { "txtPasswordNew", "txtConferma" };
    QTest::newRow("character the file cannot hold")
        << kShipped << "girasolemattin" << QStringLiteral("cane\u2713") << QStringLiteral("cane\u2713")
        << int(MessageBoxes::Kind::Warning) << TfrmCambiaPassword::kNotStorable << "txtPasswordNew"
        << QStringList { "txtPasswordNew", "txtConferma" };
    QTest::newRow("stored value not hexadecimal")
        << settingsWith("XY") << "girasolemattin"
        << "nuova"
        << "nuova" << plain << TfrmCambiaPassword::kChangeError << "" << QStringList {};
}

void TestShellWindows::passwordChangeRefusals()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QStringList, emptied);
    if (!file.isEmpty())
        writeFile(settings(), file);
    click(frmPassword->btnCambiaPassword);
    QApplication::setActiveWindow(frmCambiaPassword);
    fillChange(oldPassword, newPassword, confirmation);
    click(frmCambiaPassword->cmdOK);

    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(int(m_messages->lastKind()), kind);
    QCOMPARE(m_messages->lastText(), message);
    QCOMPARE(readFile(settings()), file);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmCambiaPassword });
    for (QLineEdit *edit : frmCambiaPassword->findChildren<QLineEdit *>()) {
        QCOMPARE(edit->text().isEmpty(), emptied.contains(edit->objectName()));
        if (!focus.isEmpty() && edit->objectName() == focus)
            QVERIFY(edit->hasFocus());
    }
}

void TestShellWindows::passwordChangeWriteFailureKeepsTheOldPassword()
{
    writeFile(settings(), kShipped);
    click(frmPassword->btnCambiaPassword);
    fillChange("girasolemattin", "nuova", "nuova");
    {
        FailingWrites failing(m_folder->path());
        click(frmCambiaPassword->cmdOK);
    }
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->lastText(), TfrmCambiaPassword::kChangeError);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmCambiaPassword });
    QCOMPARE(readFile(settings()), kShipped);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList { "unins000.dll" });

    click(frmCambiaPassword->cmdEsci);
    m_messages->clear();
    typeAndLogin("girasolemattin");
    QCOMPARE(m_messages->count(), 0);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
}

void TestShellWindows::changeWindowAlwaysReturnsToTheLogin()
{
    frmPassword->txtPassword->setText(QStringLiteral("bozza"));
    click(frmPassword->btnCambiaPassword);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmCambiaPassword });
    QTest::keyClicks(frmCambiaPassword->txtPasswordOld, "abc");
    // Escape does nothing; Chiudi, like a close from the window manager, returns.
    QTest::keyClick(frmCambiaPassword, Qt::Key_Escape);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmCambiaPassword });
    click(frmCambiaPassword->cmdEsci);
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmPassword });
    QVERIFY(frmPassword->txtPassword->text().isEmpty());
    // Shown again, the change window starts empty.
    click(frmPassword->btnCambiaPassword);
    QVERIFY(frmCambiaPassword->txtPasswordOld->text().isEmpty());
    frmCambiaPassword->close();
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmPassword });
    QCOMPARE(m_messages->count(), 0);
}

void TestShellWindows::tilesSwitchToTheirWindows()
{
    QWidget owners;
    WindowRegistry::set(QStringLiteral("frmClienti"), &owners);
    WindowKit::switchWindow(frmPassword, frmAvvio);
    const QStringList built = { QStringLiteral("frmClienti"), QStringLiteral("frmCani"),
        QStringLiteral("frmMenuPrimanota"), QStringLiteral("frmMenuDisponibili"), QStringLiteral("frmScadenzario"),
        QStringLiteral("frmMenuPreventivi") };
    for (const TfrmAvvio::Tile &tile : frmAvvio->tiles()) {
        const bool exists = built.contains(tile.target);
        QCOMPARE(tile.picture->isEnabled(), exists);
        QCOMPARE(tile.caption->isEnabled(), exists);
    }
    for (QLabel *part : { frmAvvio->imgProprietari, frmAvvio->btnProprietari }) {
        click(part);
        QCOMPARE(visibleWindows(), QList<QWidget *> { &owners });
        WindowKit::returnToStartMenu(&owners);
        QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
    }
    click(frmAvvio->btnCani);
    QCOMPARE(visibleWindows(), QList<QWidget *> { WindowRegistry::get(QStringLiteral("frmCani")) });
    WindowKit::returnToStartMenu(WindowRegistry::get(QStringLiteral("frmCani")));
    click(frmAvvio->btnScadenze);
    QCOMPARE(visibleWindows(), QList<QWidget *> { WindowRegistry::get(QStringLiteral("frmScadenzario")) });
    WindowKit::returnToStartMenu(WindowRegistry::get(QStringLiteral("frmScadenzario")));
    click(frmAvvio->btnFatture);
    QCOMPARE(visibleWindows(), QList<QWidget *> { WindowRegistry::get(QStringLiteral("frmMenuPreventivi")) });
    WindowRegistry::get(QStringLiteral("frmMenuPreventivi"))->close(); // the chooser closes to the start menu
    QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
}

void TestShellWindows::programEnds_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("closing the start menu") << "menu";
    QTest::newRow("exit picture") << "imgEsci";
    QTest::newRow("Esci of the login window") << "cmdEsci";
}

void TestShellWindows::programEnds()
{
    QFETCH(QString, way);
    if (way != QLatin1String("cmdEsci"))
        WindowKit::switchWindow(frmPassword, frmAvvio);
    QTimer::singleShot(0, this, [way] {
        if (way == QLatin1String("menu"))
            frmAvvio->close();
        else if (way == QLatin1String("imgEsci"))
            click(frmAvvio->imgEsci);
        else
            click(frmPassword->cmdEsci);
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(m_messages->count(), 0);
}

void TestShellWindows::linksOpenTheMakersAddresses()
{
    const QString mailto = QStringLiteral(
        "mailto:assistenza@kennora.example?subject=Software Kennora&body=Salve, desidererei avere le seguenti "
        "informazioni sul software in oggetto:");
    QCOMPARE(TfrmInfo::mailtoCommand(), QLatin1Char('"') + mailto + QLatin1Char('"'));

    TfrmInfo info;
    info.show();
    click(info.lnkWeb);
    click(info.imgEmail);
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.at(0), m_opened.at(1));
    QCOMPARE(m_opened.at(0).toString(), mailto); // blanks reach the mail program as blanks
    QCOMPARE(WindowKit::linkColour(info.lnkWeb), WindowKit::LinkRestColour);

    m_opened.clear();
    TfrmSplash splash;
    splash.show();
    click(splash.lnkWeb);
    click(splash.imgWeb);
    WindowKit::switchWindow(frmPassword, frmAvvio);
    click(frmAvvio->imgSito);
    const QUrl web(QStringLiteral("https://kennora.example/"));
    QCOMPARE(m_opened, (QList<QUrl> { web, web, web }));
}

void TestShellWindows::infoAndSplashOpenModally()
{
    WindowKit::switchWindow(frmPassword, frmAvvio);
    const QList<QPair<QLabel *, QString>> commands = {
        { frmAvvio->imgInfo, QStringLiteral("frmInfo") },
        { frmAvvio->imgCopyright, QStringLiteral("frmSplash") },
        { frmAvvio->imgGuida, QStringLiteral("frmGuida") },
    };
    for (const auto &[command, expected] : commands) {
        QString opened;
        QString title;
        onNextModal([&](QWidget *modal) {
            opened = modal->objectName();
            if (auto *help = qobject_cast<TfrmGuida *>(modal))
                title = help->lblTitolo->text();
            QTest::keyClick(modal, Qt::Key_Escape); // ignored
            modal->findChild<QPushButton *>(QStringLiteral("btnChiudi"))->click();
        });
        click(command);
        QCOMPARE(opened, expected);
        QCOMPARE(visibleWindows(), QList<QWidget *> { frmAvvio });
        if (expected == QLatin1String("frmGuida"))
            QCOMPARE(title, HelpText::title(HelpTopic::General));
    }
    // Only the start-up instances are left.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(
                 windows.begin(), windows.end(), [](QWidget *w) { return qobject_cast<TfrmInfo *>(w) != nullptr; }),
        1);
}

QTEST_MAIN(TestShellWindows)
#include "tst_shellwindows.moc"
