#pragma once

#include "common/ui/WindowKit.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The quotes year chooser, between the start menu and the quote editor: the
// user types a year and presses "Apri"; the editor gets that year's file in
// its lblFile and its caption, and is shown when the chooser closes. The
// hidden lblMemory holds the window that the closing shows: "avvio" (set at
// every showing; the start menu) or "preventivi" (the editor). The link
// "Imposta logo Ditta" opens the company logo dialog.
class TfrmMenuPreventivi : public WindowKit::MainWindowBase
{
    Q_OBJECT
public:
    explicit TfrmMenuPreventivi(QWidget *parent = nullptr);

    // "Apri": true when the year was accepted and the chooser closed.
    bool openYear();

    QFrame *panContainer = nullptr;
    QLineEdit *txtAnnoPreventivi = nullptr;
    QPushButton *btnApriPreventivi = nullptr;
    QLabel *lblMemory = nullptr;
    QLabel *lnkWeb = nullptr, *imgEmail = nullptr, *imgGuida = nullptr, *imgEsci = nullptr;

    static const QString kYearWarning;

protected:
    void onClosed() override;
    void showEvent(QShowEvent *event) override;
};

extern TfrmMenuPreventivi *frmMenuPreventivi;
