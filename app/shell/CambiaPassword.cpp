#include "app/shell/CambiaPassword.h"

#include "app/core/Crypt.h"
#include "app/shell/Avvio.h"
#include "app/shell/Password.h"
#include "common/TextRoutines.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCambiaPassword *frmCambiaPassword = nullptr;

const QString TfrmCambiaPassword::kWrongOldPassword = QStringLiteral("Attenzione: vecchia password errata.");
const QString TfrmCambiaPassword::kNotConfirmed
    = QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata correttamente. "
                     "E' necessario reinserire entrambi i valori.");
const QString TfrmCambiaPassword::kNotStorable
    = QStringLiteral("Attenzione: la nuova password contiene caratteri che non possono essere memorizzati. "
                     "E' necessario reinserire entrambi i valori.");
const QString TfrmCambiaPassword::kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString TfrmCambiaPassword::kChangeError
    = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di modifica della password. "
                     "Si consiglia di reinstallare il software.");

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Cambia password"))
{
    setObjectName(QLatin1String(WindowNames::frmCambiaPassword));
    const ShellArt::BandAndBody made = ShellArt::bandAndBody(this, QStringLiteral("Cambia password"));
    shpTitolo = made.shpTitolo;
    imgLogo = made.imgLogo;
    shpSfondo = made.shpSfondo;
    auto *body = made.body;
    body->setContentsMargins(36, 22, 36, 24);
    body->setSpacing(4);

    const QList<EditKit::EditRow> rows = {
        { "txtPasswordOld", 0, "txtPasswordNew" },
        { "txtPasswordNew", 0, "txtConferma" },
        { "txtConferma", 0, "txtPasswordOld" },
    };
    const QList<QPair<const char *, QString>> captions = {
        { "lblRigo05", QStringLiteral("Vecchia password:") },
        { "lblRigo06", QStringLiteral("Nuova password:") },
        { "lblRigo07", QStringLiteral("Conferma nuova password:") },
    };
    QList<QLineEdit *> edits;
    for (int i = 0; i < rows.size(); ++i) {
        auto *label = new QLabel(captions[i].second, shpSfondo);
        label->setObjectName(QLatin1String(captions[i].first));
        label->setFont(Style::shellFont(11));
        auto *edit = EditKit::makeEdit(shpSfondo, rows[i]);
        edit->setEchoMode(QLineEdit::Password);
        edit->setFont(Style::shellFont(12, true));
        edit->setMinimumHeight(32);
        body->addWidget(label);
        body->addLayout(ShellArt::framed(edit));
        body->addSpacing(6);
        edits.append(edit);
    }
    // Each member is the control of its own name.
    txtPasswordOld = shpSfondo->findChild<QLineEdit *>(QStringLiteral("txtPasswordOld"));
    txtPasswordNew = shpSfondo->findChild<QLineEdit *>(QStringLiteral("txtPasswordNew"));
    txtConferma = shpSfondo->findChild<QLineEdit *>(QStringLiteral("txtConferma"));
    lblRigo05 = shpSfondo->findChild<QLabel *>(QStringLiteral("lblRigo05"));
    lblRigo06 = shpSfondo->findChild<QLabel *>(QStringLiteral("lblRigo06"));
    lblRigo07 = shpSfondo->findChild<QLabel *>(QStringLiteral("lblRigo07"));
    body->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    cmdOK = ShellArt::button(shpSfondo, "cmdOK", QStringLiteral("OK"));
    cmdEsci = ShellArt::button(shpSfondo, "cmdEsci", QStringLiteral("Chiudi"));
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    body->addLayout(buttons);

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    cmdOK->setEnabled(false);
    WindowKit::enableWhenFilled(cmdOK, edits);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::changePassword);
    WindowKit::closeOnClick(cmdEsci, this);

    finishLayout(QSize(460, 400));
}

void TfrmCambiaPassword::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::changePassword()
{
    try {
        const QString path = passwordSettingsPath();
        if (PasswordStore::read(path) != TrimText(AsciiUpper(txtPasswordOld->text()))) {
            MessageBoxes::plain(kWrongOldPassword, this);
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            return;
        }
        if (TrimText(txtPasswordNew->text()) != TrimText(txtConferma->text())) {
            MessageBoxes::plain(kNotConfirmed, this);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }
        const QString newPassword = TrimText(AsciiUpper(txtPasswordNew->text()));
        // A character the settings file cannot hold would be stored as '?',
        // and the new password would then never match.
        if (!Crypt::canScramble(newPassword)) {
            MessageBoxes::warning(kNotStorable, this);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }
        PasswordStore::write(path, newPassword);
    } catch (...) {
        MessageBoxes::plain(kChangeError, this);
        return;
    }
    MessageBoxes::plain(kChanged, this);
    close();
}

void TfrmCambiaPassword::closeCommand()
{
    // Back to the login window with an empty field: the user logs in again.
    if (frmPassword) {
        frmPassword->txtPassword->clear();
        frmPassword->lblMemory->clear();
        WindowKit::switchWindow(this, frmPassword);
        frmPassword->activateWindow();
        frmPassword->txtPassword->setFocus();
    }
    hide();
}
