#pragma once

#include "common/ui/WindowKit.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The login window, the program's main window: compares the typed password
// with the one stored scrambled in unins000.dll and opens the start menu.
// Closing it (or "Esci") ends the program.
class TfrmPassword : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // The login command (cmdOK, or Enter in txtPassword with a filled field).
    void login();

    static const QString kWrongPassword;
    static const QString kReadError;

    QFrame *shpSfondo, *shpTitolo;
    QLabel *imgLogo, *lblRigo05, *lblMemory;
    QLineEdit *txtPassword;
    QPushButton *cmdOK, *cmdEsci, *btnCambiaPassword;

protected:
    void closeCommand() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TfrmPassword *frmPassword;

// The full path of the settings file that holds the password.
QString passwordSettingsPath();
