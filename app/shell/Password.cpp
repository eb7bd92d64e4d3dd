#include "app/shell/Password.h"

#include "app/core/Crypt.h"
#include "app/shell/Avvio.h"
#include "app/shell/CambiaPassword.h"
#include "app/shell/StartUp.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"
#include "common/ui/EditKit.h"
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

TfrmPassword::TfrmPassword(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Kennora - Accesso"))
{
    setObjectName(QLatin1String(WindowNames::frmPassword));
    const ShellArt::BandAndBody made = ShellArt::bandAndBody(this, QStringLiteral("Accesso al programma"));
    shpTitolo = made.shpTitolo;
    imgLogo = made.imgLogo;
    shpSfondo = made.shpSfondo;
    auto *body = made.body;
    body->setContentsMargins(36, 26, 36, 24);
    body->setSpacing(10);

    lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), shpSfondo);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    lblRigo05->setFont(Style::shellFont(11));
    body->addWidget(lblRigo05);

    txtPassword = EditKit::makeEdit(shpSfondo, { "txtPassword" });
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setFont(Style::shellFont(14, true));
    txtPassword->setMinimumHeight(36);
    txtPassword->installEventFilter(this);
    body->addLayout(ShellArt::framed(txtPassword));
    body->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    btnCambiaPassword = ShellArt::button(shpSfondo, "btnCambiaPassword", QStringLiteral("Cambia password"));
    cmdOK = ShellArt::button(shpSfondo, "cmdOK", QStringLiteral("OK"));
    cmdEsci = ShellArt::button(shpSfondo, "cmdEsci", QStringLiteral("Esci"));
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    body->addLayout(buttons);

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

    finishLayout(QSize(460, 300));
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
