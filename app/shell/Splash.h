#pragma once

#include "common/ui/WindowKit.h"

class QLabel;
class QPushButton;

// The splash window: the product picture and the maker's web address.
class TfrmSplash : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    QLabel *imgLogo, *imgWeb, *lnkWeb;
    QPushButton *btnChiudi;
};

extern TfrmSplash *frmSplash;
