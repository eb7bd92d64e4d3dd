#include "app/shell/Password.h"

#include "app/core/Crypt.h"
#include "app/shell/Avvio.h"
#include "app/shell/CambiaPassword.h"
#include "app/shell/StartUp.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPassword *frmPassword = nullptr;

const QString TfrmPassword::kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString TfrmPassword::kReadError
    = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di lettura della password. "
                     "Si consiglia di reinstallare il software.");

QString passwordSettingsPath()
{
    return programFile(QLatin1String(PasswordStore::FileName));
}

namespace
{

// The title band above the white body: the instruction, the password, then
// "Cambia password" at the left and "OK", "Esci" at the right.
Layout::Table loginTable()
{
    using namespace Layout;
    const Font button { "Tahoma", 10 };
    Table t;
    t.name = QStringLiteral("login");
    t.client = QSize(460, 300);
    t.items = {
        { .name = "shpTitolo", .x = 0, .y = 0, .w = 460, .h = 84 },
        { .name = "shpSfondo", .x = 0, .y = 84, .w = 460, .h = 216 },
        { .name = "lblRigo05", .in = "shpSfondo", .x = 36, .y = 26, .w = 388, .h = 18, .font = { "Tahoma", 11 } },
        { .name = "txtPassword",
            .in = "shpSfondo",
            .x = 41,
            .y = 59,
            .w = 378,
            .h = 36,
            .font = { "Tahoma", 14, true } },
        { .name = "btnCambiaPassword", .in = "shpSfondo", .x = 36, .y = 160, .w = 140, .h = 32, .font = button },
        { .name = "cmdOK", .in = "shpSfondo", .x = 222, .y = 160, .w = 96, .h = 32, .font = button },
        { .name = "cmdEsci", .in = "shpSfondo", .x = 328, .y = 160, .w = 96, .h = 32, .font = button },
    };
    t.tabOrder = { "txtPassword", "btnCambiaPassword", "cmdOK", "cmdEsci" };
    return t;
}

} // namespace

TfrmPassword::TfrmPassword(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Kennora - Accesso"))
{
    setObjectName(QLatin1String(WindowNames::frmPassword));
    const ShellArt::BandAndBody made = ShellArt::bandAndBody(this, QStringLiteral("Accesso al programma"));
    shpTitolo = made.shpTitolo;
    imgLogo = made.imgLogo;
    shpSfondo = made.shpSfondo;

    lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), shpSfondo);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));

    txtPassword = EditKit::makeEdit(shpSfondo, { "txtPassword" });
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->installEventFilter(this);

    btnCambiaPassword = ShellArt::button(shpSfondo, "btnCambiaPassword", QStringLiteral("Cambia password"));
    cmdOK = ShellArt::button(shpSfondo, "cmdOK", QStringLiteral("OK"));
    cmdEsci = ShellArt::button(shpSfondo, "cmdEsci", QStringLiteral("Esci"));
    Layout::apply(this, loginTable());

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    cmdOK->setEnabled(false);
    WindowKit::enableWhenFilled(cmdOK, { txtPassword });
    WindowKit::focusFirstField(this, txtPassword);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::login);
    WindowKit::closeOnClick(cmdEsci, this);
    connect(btnCambiaPassword, &QPushButton::clicked, this, [this] {
        StartUp::completeWindowSet();
        WindowKit::switchWindow(this, frmCambiaPassword);
    });

    finishLayout(size());
}

void TfrmPassword::login()
{
    QString stored;
    try {
        stored = PasswordStore::read(passwordSettingsPath());
    } catch (...) {
        MessageBoxes::plain(kReadError, this);
        return;
    }
    // The unscrambled password stays in this command: nothing keeps it.
    if (TrimText(AsciiUpper(txtPassword->text())) == stored) {
        StartUp::completeWindowSet();
        WindowKit::switchWindow(this, WindowKit::startMenu());
        return;
    }
    MessageBoxes::plain(kWrongPassword, this);
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::closeCommand()
{
    // The main window: closing it ends the program.
    hide();
    QCoreApplication::quit();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !TrimText(txtPassword->text()).isEmpty())
            login();
    }
    return FixedDialog::eventFilter(watched, event);
}
