#pragma once

#include "common/ui/WindowKit.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The password change: checks the old password, takes the new one twice and
// stores it scrambled in unins000.dll. However it closes, the login window
// comes back with an empty field, so the user logs in again.
class TfrmCambiaPassword : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

    // The change command (cmdOK).
    void changePassword();

    static const QString kWrongOldPassword;
    static const QString kNotConfirmed;
    static const QString kNotStorable;
    static const QString kChanged;
    static const QString kChangeError;

    QFrame *shpSfondo, *shpTitolo;
    QLabel *imgLogo, *lblRigo05, *lblRigo06, *lblRigo07, *lblMemory;
    QLineEdit *txtPasswordOld, *txtPasswordNew, *txtConferma;
    QPushButton *cmdOK, *cmdEsci;

protected:
    void closeCommand() override;
    void showEvent(QShowEvent *event) override;
};

extern TfrmCambiaPassword *frmCambiaPassword;
