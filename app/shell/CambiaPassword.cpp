#include "app/shell/CambiaPassword.h"

#include "app/core/Crypt.h"
#include "app/shell/Avvio.h"
#include "app/shell/Password.h"
#include "common/TextRoutines.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
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

namespace
{

// The title band above the white body: each password under its caption,
// then "OK" and "Chiudi" at the right.
Layout::Table changeTable()
{
    using namespace Layout;
    const Font caption { "Tahoma", 11 };
    const Font edit { "Tahoma", 12, true };
    const Font button { "Tahoma", 10 };
    Table t;
    t.name = QStringLiteral("password change");
    t.client = QSize(460, 400);
    t.items = {
        { .name = "shpTitolo", .x = 0, .y = 0, .w = 460, .h = 84 },
        { .name = "shpSfondo", .x = 0, .y = 84, .w = 460, .h = 316 },
        { .name = "lblRigo05", .in = "shpSfondo", .x = 36, .y = 22, .w = 388, .h = 18, .font = caption },
        { .name = "txtPasswordOld", .in = "shpSfondo", .x = 41, .y = 49, .w = 378, .h = 32, .font = edit },
        { .name = "lblRigo06", .in = "shpSfondo", .x = 36, .y = 96, .w = 388, .h = 18, .font = caption },
        { .name = "txtPasswordNew", .in = "shpSfondo", .x = 41, .y = 123, .w = 378, .h = 32, .font = edit },
        { .name = "lblRigo07", .in = "shpSfondo", .x = 36, .y = 170, .w = 388, .h = 18, .font = caption },
        { .name = "txtConferma", .in = "shpSfondo", .x = 41, .y = 197, .w = 378, .h = 32, .font = edit },
        { .name = "cmdOK", .in = "shpSfondo", .x = 222, .y = 260, .w = 96, .h = 32, .font = button },
        { .name = "cmdEsci", .in = "shpSfondo", .x = 328, .y = 260, .w = 96, .h = 32, .font = button },
    };
    t.tabOrder = { "txtPasswordOld", "txtPasswordNew", "txtConferma", "cmdOK", "cmdEsci" };
    return t;
}

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Cambia password"))
{
    setObjectName(QLatin1String(WindowNames::frmCambiaPassword));
    const ShellArt::BandAndBody made = ShellArt::bandAndBody(this, QStringLiteral("Cambia password"));
    shpTitolo = made.shpTitolo;
    imgLogo = made.imgLogo;
    shpSfondo = made.shpSfondo;

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
        auto *edit = EditKit::makeEdit(shpSfondo, rows[i]);
        edit->setEchoMode(QLineEdit::Password);
        edits.append(edit);
    }
    // Each member is the control of its own name.
    txtPasswordOld = shpSfondo->findChild<QLineEdit *>(QStringLiteral("txtPasswordOld"));
    txtPasswordNew = shpSfondo->findChild<QLineEdit *>(QStringLiteral("txtPasswordNew"));
    txtConferma = shpSfondo->findChild<QLineEdit *>(QStringLiteral("txtConferma"));
    lblRigo05 = shpSfondo->findChild<QLabel *>(QStringLiteral("lblRigo05"));
    lblRigo06 = shpSfondo->findChild<QLabel *>(QStringLiteral("lblRigo06"));
    lblRigo07 = shpSfondo->findChild<QLabel *>(QStringLiteral("lblRigo07"));

    cmdOK = ShellArt::button(shpSfondo, "cmdOK", QStringLiteral("OK"));
    cmdEsci = ShellArt::button(shpSfondo, "cmdEsci", QStringLiteral("Chiudi"));
    Layout::apply(this, changeTable());

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    cmdOK->setEnabled(false);
    WindowKit::enableWhenFilled(cmdOK, edits);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::changePassword);
    WindowKit::closeOnClick(cmdEsci, this);

    finishLayout(size());
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
