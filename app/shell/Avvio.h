#pragma once

#include "common/ui/Art.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"

#include <QFont>
#include <QPixmap>

class QBoxLayout;
class QVBoxLayout;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The maker of the program, as the information and splash windows show it.
namespace Maker
{
inline constexpr char WebAddress[] = "https://kennora.example/";
inline constexpr char EMail[] = "assistenza@kennora.example";
} // namespace Maker

// The start menu: six tiles lead to the owners, dogs, price list and boxes,
// planner, deadlines and quotes windows (a tile whose window does not exist is
// disabled); the small commands open the information window, the general
// help, the splash window, the maker's web site, and end the program, as does
// closing the menu.
class TfrmAvvio : public WindowKit::MainWindowBase
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    // A tile: its picture, its caption and the global name of the window it opens.
    struct Tile {
        QLabel *picture;
        QLabel *caption;
        QString target;
    };
    const QList<Tile> &tiles() const { return m_tiles; }
    // Enables each tile whose window exists (run whenever the menu is shown).
    void refreshTiles();

    QFrame *panContainer;
    QWidget *shpSfondo;
    QLabel *imgTitolo, *imgSottotitolo;
    QLabel *imgProprietari, *btnProprietari, *imgCani, *btnCani, *imgListino, *btnListino;
    QLabel *imgPrenotazioni, *btnPrenotazioni, *imgScadenze, *btnScadenze, *imgFatture, *btnFatture;
    QLabel *imgInfo, *imgGuida, *imgCopyright, *imgEsci;
    QWidget *imgSito;

protected:
    void onClosed() override;
    void showEvent(QShowEvent *event) override;

private:
    void openTile(const QString &target);
    QList<Tile> m_tiles;
};

extern TfrmAvvio *frmAvvio;

// The layout pieces shared by the shell's windows (pictures and fonts come
// from Art and Style): the title band, buttons.
namespace ShellArt
{
// The coloured band at the top of the small windows: logo (imgLogo) and a title.
QFrame *titleBand(QWidget *parent, const QString &objectName, const QString &title);
// The pieces of the small windows: the title band and the white body under
// it (their places are the window's table: bandRows()).
struct BandAndBody {
    QFrame *shpTitolo = nullptr;
    QLabel *imgLogo = nullptr;
    QFrame *shpSfondo = nullptr;
};
BandAndBody bandAndBody(QWidget *window, const QString &title);
QPushButton *button(QWidget *parent, const char *objectName, const QString &text);
} // namespace ShellArt
