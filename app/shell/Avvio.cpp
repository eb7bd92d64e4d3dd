#include "app/shell/Avvio.h"

#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "app/shell/Info.h"
#include "app/shell/Splash.h"
#include "common/ui/Art.h"
#include "common/ui/Layout.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmAvvio *frmAvvio = nullptr;

namespace ShellArt
{

QFrame *titleBand(QWidget *parent, const QString &objectName, const QString &title)
{
    auto *band = new QFrame(parent);
    band->setObjectName(objectName);
    band->setStyleSheet(QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                       "stop:0 %2, stop:1 %3); }")
                            .arg(objectName, Style::css(Style::BrandBlue), Style::css(Style::BrandBlueLight)));
    band->setFixedHeight(84);
    // The logo, then the product's name over the window's title. The band
    // takes its window's width, so the texts run to the right and are cut by it.
    QLabel *logo = Art::pictureLabel(band, "imgLogo", QStringLiteral("logo"), QSize(60, 60));
    logo->setGeometry(Layout::rect(22, 12, 60, 60));
    auto *product = new QLabel(QStringLiteral("Kennora"), band);
    product->setObjectName(QStringLiteral("lblProdotto"));
    product->setFont(Style::shellFont(20, true));
    product->setStyleSheet(QStringLiteral("color: white;"));
    product->setGeometry(Layout::rect(98, 12, 2000, 36));
    auto *subtitle = new QLabel(title, band);
    subtitle->setObjectName(QStringLiteral("lblSottotitolo"));
    subtitle->setFont(Style::shellFont(11));
    subtitle->setStyleSheet(Style::sheet(QStringLiteral("color: @SubtitlePale;")));
    subtitle->setGeometry(Layout::rect(98, 48, 2000, 22));
    return band;
}

BandAndBody bandAndBody(QWidget *window, const QString &title)
{
    BandAndBody made;
    made.shpTitolo = titleBand(window, QStringLiteral("shpTitolo"), title);
    made.imgLogo = made.shpTitolo->findChild<QLabel *>(QStringLiteral("imgLogo"));
    made.shpSfondo = new QFrame(window);
    made.shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    made.shpSfondo->setStyleSheet(QStringLiteral("#shpSfondo { background: white; }"));
    return made;
}

QPushButton *button(QWidget *parent, const char *objectName, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(objectName));
    b->setFont(Style::shellFont(10));
    b->setMinimumSize(QSize(b->sizeHint().width() + 16, 32));
    return b;
}

} // namespace ShellArt

namespace
{

// The six tiles, two rows of three: picture, caption, art, text, window opened.
struct TileDef {
    const char *picture, *caption, *image, *text, *target;
};
const TileDef kTiles[] = {
    { "imgProprietari", "btnProprietari", "proprietari", "Proprietari", WindowNames::frmClienti },
    { "imgCani", "btnCani", "cani", "Cani", WindowNames::frmCani },
    { "imgListino", "btnListino", "listino", "Listino prezzi e box", WindowNames::frmMenuPrimanota },
    { "imgPrenotazioni", "btnPrenotazioni", "prenotazioni", "Prenotazioni box", WindowNames::frmMenuDisponibili },
    { "imgScadenze", "btnScadenze", "scadenze", "Scadenze e appuntamenti", WindowNames::frmScadenzario },
    { "imgFatture", "btnFatture", "preventivi", "Preventivi", WindowNames::frmMenuPreventivi },
};

// The start menu: a white panel centred in the maximised window; the small
// commands in its corners, the title and subtitle at the top, the tiles in
// two rows of three (picture 112 x 112, caption centred under it), the web
// strip along the bottom edge.
Layout::Table startTable()
{
    using Layout::Centre;
    const Layout::Font caption { "Tahoma", 12, true };
    Layout::Table t;
    t.name = QStringLiteral("start menu");
    t.backgroundTop = Style::StartGround;
    t.backgroundBottom = Style::StartGround;
    t.items = {
        { .name = "panContainer", .x = Centre, .y = Centre, .w = 860, .h = 640 },
        { .name = "shpSfondo",
            .in = "panContainer",
            .w = 860,
            .h = 640,
            .kind = Layout::Kind::Shape,
            .fill = Style::White,
            .stroke = Style::FrameBlue,
            .radius = 14 },
        { .name = "imgInfo", .in = "panContainer", .x = 26, .y = 22, .w = 40, .h = 40 },
        { .name = "imgTitolo",
            .in = "panContainer",
            .x = 66,
            .y = 22,
            .w = 728,
            .h = 47,
            .font = { "Tahoma", 30, true },
            .align = Qt::AlignCenter },
        { .name = "imgGuida", .in = "panContainer", .x = 794, .y = 22, .w = 40, .h = 40 },
        { .name = "imgSottotitolo",
            .in = "panContainer",
            .x = 26,
            .y = 69,
            .w = 808,
            .h = 20,
            .font = { "Tahoma", 13 },
            .align = Qt::AlignCenter },
    };
    int index = 0;
    for (const TileDef &def : kTiles) {
        const qreal centre = 150 + 280 * (index % 3);
        const qreal top = 158 + 169 * (index / 3);
        t.items.append({ .name = def.picture, .in = "panContainer", .x = centre - 56, .y = top, .w = 112, .h = 112 });
        t.items.append({ .name = def.caption,
            .in = "panContainer",
            .x = centre - 130,
            .y = top + 118,
            .w = 260,
            .h = 22,
            .font = caption,
            .align = Qt::AlignHCenter | Qt::AlignTop });
        ++index;
    }
    t.items += {
        { .name = "imgCopyright", .in = "panContainer", .x = 26, .y = 534, .w = 40, .h = 40 },
        { .name = "imgEsci", .in = "panContainer", .x = 794, .y = 534, .w = 40, .h = 40 },
        { .name = "imgSito", .in = "panContainer", .x = 26, .y = 584, .w = 808, .h = 40 },
        { .name = "imgSitoGlobo",
            .in = "imgSito",
            .x = 249,
            .y = 8,
            .w = 24,
            .h = 24,
            .kind = Layout::Kind::Picture,
            .art = QStringLiteral("web") },
        { .name = "lblSito",
            .in = "imgSito",
            .x = 279,
            .y = 4,
            .w = 300,
            .h = 32,
            .font = { "Tahoma", 11 },
            .align = Qt::AlignLeft | Qt::AlignVCenter },
    };
    return t;
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmAvvio));
    setWindowState(Qt::WindowMaximized);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));

    imgInfo = Art::commandPicture(
        panContainer, "imgInfo", QStringLiteral("info"), QStringLiteral("Informazioni su Kennora"));
    imgGuida = Art::commandPicture(panContainer, "imgGuida", QStringLiteral("guida"), QStringLiteral("Guida"));
    imgTitolo = new QLabel(QStringLiteral("Kennora"), panContainer);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    imgSottotitolo = new QLabel(QStringLiteral("Gestione della pensione per cani"), panContainer);
    imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
    imgSottotitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @InstructionGrey;")));

    for (const TileDef &def : kTiles) {
        QLabel *picture = Art::pictureLabel(panContainer, def.picture, QLatin1String(def.image), QSize(112, 112));
        auto *caption = new QLabel(QString::fromUtf8(def.text), panContainer);
        caption->setObjectName(QLatin1String(def.caption));
        caption->setStyleSheet(Style::sheet(
            QStringLiteral("QLabel { color: @CaptionInk; } QLabel:disabled { color: @DisabledCaption; }")));
        const QString target = QLatin1String(def.target);
        for (QLabel *part : { picture, caption }) {
            part->setCursor(Qt::PointingHandCursor);
            WindowKit::onClick(part, [this, target] { openTile(target); });
        }
        m_tiles.append({ picture, caption, target });
    }

    imgCopyright = Art::commandPicture(
        panContainer, "imgCopyright", QStringLiteral("copyright"), QStringLiteral("Kennora - note sul software"));
    imgEsci
        = Art::commandPicture(panContainer, "imgEsci", QStringLiteral("esci"), QStringLiteral("Esci dal programma"));

    imgSito = new QFrame(panContainer);
    imgSito->setObjectName(QStringLiteral("imgSito"));
    imgSito->setStyleSheet(Style::sheet(QStringLiteral("#imgSito { background: @SiteLinkFill; border-radius: 8px; }")));
    imgSito->setCursor(Qt::PointingHandCursor);
    auto *address = new QLabel(QStringLiteral("Visita il sito %1").arg(QLatin1String(Maker::WebAddress)), imgSito);
    address->setObjectName(QStringLiteral("lblSito"));
    address->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));

    Layout::apply(this, startTable());

    // Each member is the control of its own name.
    const auto part = [this](const char *name) { return WindowKit::named<QLabel>(panContainer, name); };
    shpSfondo = panContainer->findChild<QWidget *>(QStringLiteral("shpSfondo"));
    imgProprietari = part("imgProprietari");
    btnProprietari = part("btnProprietari");
    imgCani = part("imgCani");
    btnCani = part("btnCani");
    imgListino = part("imgListino");
    btnListino = part("btnListino");
    imgPrenotazioni = part("imgPrenotazioni");
    btnPrenotazioni = part("btnPrenotazioni");
    imgScadenze = part("imgScadenze");
    btnScadenze = part("btnScadenze");
    imgFatture = part("imgFatture");
    btnFatture = part("btnFatture");

    WindowKit::onClick(imgInfo, [this] { WindowKit::openModalDialog<TfrmInfo>(this); });
    WindowKit::onClick(imgCopyright, [this] { WindowKit::openModalDialog<TfrmSplash>(this); });
    WindowKit::onClick(imgSito, [] { TMisc::Open(QLatin1String(Maker::WebAddress)); });
    WindowKit::onClick(imgEsci, [] { QCoreApplication::quit(); });
    WindowKit::onClick(imgGuida, [this] { ShowHelp(this, HelpTopic::General); });

    refreshTiles();
}

void TfrmAvvio::refreshTiles()
{
    for (const Tile &tile : std::as_const(m_tiles)) {
        const bool exists = WindowRegistry::get(tile.target) != nullptr;
        tile.picture->setEnabled(exists);
        tile.caption->setEnabled(exists);
    }
}

void TfrmAvvio::openTile(const QString &target)
{
    QWidget *window = WindowRegistry::get(target);
    if (!window)
        return;
    if (auto *main = qobject_cast<WindowKit::MainWindowBase *>(window))
        main->showMaximised();
    else
        window->show();
    hide();
}

void TfrmAvvio::showEvent(QShowEvent *event)
{
    refreshTiles();
    MainWindowBase::showEvent(event);
}

void TfrmAvvio::onClosed()
{
    QCoreApplication::quit();
}
