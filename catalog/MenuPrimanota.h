#pragma once

#include "common/ui/WindowKit.h"

class QFrame;
class QLabel;
class QPushButton;

// The price list and boxes menu: two commands open the services editor and
// the boxes editor. The hidden lblMemory holds the word of the window to show
// when the menu closes: "avvio" (set at every showing; the start menu),
// "registra" (the services editor) or "riepiloga" (the boxes editor).
class TfrmMenuPrimanota : public WindowKit::MainWindowBase
{
    Q_OBJECT
public:
    explicit TfrmMenuPrimanota(QWidget *parent = nullptr);

    QFrame *panContainer = nullptr;
    QLabel *imgTitolo = nullptr, *lblIstruzioni = nullptr;
    QLabel *imgListino = nullptr, *imgBox = nullptr;
    QPushButton *btnRegistra = nullptr, *btnRiepiloga = nullptr;
    QLabel *imgGuida = nullptr, *imgEsci = nullptr;
    QLabel *lblMemory = nullptr;

protected:
    void onClosed() override;
    void showEvent(QShowEvent *event) override;

private:
    void openEditor(const char *word);
};

extern TfrmMenuPrimanota *frmMenuPrimanota;
