#pragma once

#include "common/ui/WindowKit.h"

class QFrame;
class QLabel;
class QPushButton;

// The information window: the product, and the maker's e-mail address, whose
// link opens a new message in the user's mail program.
class TfrmInfo : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);

    // The text handed to the shell-open routine by the e-mail link (quoted).
    static QString mailtoCommand();

    QFrame *shpSfondo;
    QLabel *imgLogo, *lblTitolo, *imgEmail, *lnkWeb;
    QWidget *imgUtente, *imgWarning;
    QPushButton *btnChiudi;
};

extern TfrmInfo *frmInfo;
