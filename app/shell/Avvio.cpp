#include "app/shell/Avvio.h"

#include "common/ui/Style.h"

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "app/shell/Info.h"
#include "app/shell/Splash.h"
#include "common/ui/Art.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(22, 10, 22, 10);
    row->setSpacing(16);
    row->addWidget(Art::pictureLabel(band, "imgLogo", QStringLiteral("logo"), QSize(60, 60)));
    auto *texts = new QVBoxLayout;
    texts->setSpacing(0);
    auto *product = new QLabel(QStringLiteral("Kennora"), band);
    product->setFont(Style::shellFont(20, true));
    product->setStyleSheet(QStringLiteral("color: white;"));
    auto *subtitle = new QLabel(title, band);
    subtitle->setFont(Style::shellFont(11));
    subtitle->setStyleSheet(Style::sheet(QStringLiteral("color: @SubtitlePale;")));
    texts->addStretch(1);
    texts->addWidget(product);
    texts->addWidget(subtitle);
    texts->addStretch(1);
    row->addLayout(texts, 1);
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

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmAvvio));
    setWindowState(Qt::WindowMaximized);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xEE, 0xF3, 0xF8));
    setPalette(pal);

    auto *outer = new QGridLayout(this);
    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setFixedSize(860, 640);
    outer->addWidget(panContainer, 0, 0, Qt::AlignCenter);

    shpSfondo = new QFrame(panContainer);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setStyleSheet(Style::sheet(
        QStringLiteral("#shpSfondo { background: white; border: 2px solid @FrameBlue; border-radius: 14px; }")));
    shpSfondo->setGeometry(0, 0, 860, 640);

    auto *body = new QVBoxLayout(panContainer);
    body->setContentsMargins(26, 22, 26, 16);
    body->setSpacing(0);

    // Top row: information, title, help.
    auto *top = new QHBoxLayout;
    imgInfo = Art::commandPicture(
        panContainer, "imgInfo", QStringLiteral("info"), QStringLiteral("Informazioni su Kennora"));
    imgGuida = Art::commandPicture(panContainer, "imgGuida", QStringLiteral("guida"), QStringLiteral("Guida"));
    imgTitolo = new QLabel(QStringLiteral("Kennora"), panContainer);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setFont(Style::shellFont(30, true));
    imgTitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    imgTitolo->setAlignment(Qt::AlignCenter);
    top->addWidget(imgInfo, 0, Qt::AlignTop);
    top->addWidget(imgTitolo, 1);
    top->addWidget(imgGuida, 0, Qt::AlignTop);
    body->addLayout(top);
    imgSottotitolo = new QLabel(QStringLiteral("Gestione della pensione per cani"), panContainer);
    imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
    imgSottotitolo->setFont(Style::shellFont(13));
    imgSottotitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @InstructionGrey;")));
    imgSottotitolo->setAlignment(Qt::AlignCenter);
    body->addWidget(imgSottotitolo);
    body->addStretch(1);

    // The six tiles, two rows of three.
    struct TileDef {
        const char *picture, *caption, *image, *text, *target;
    };
    static const TileDef defs[] = {
        { "imgProprietari", "btnProprietari", "proprietari", "Proprietari", WindowNames::frmClienti },
        { "imgCani", "btnCani", "cani", "Cani", WindowNames::frmCani },
        { "imgListino", "btnListino", "listino", "Listino prezzi e box", WindowNames::frmMenuPrimanota },
        { "imgPrenotazioni", "btnPrenotazioni", "prenotazioni", "Prenotazioni box", WindowNames::frmMenuDisponibili },
        { "imgScadenze", "btnScadenze", "scadenze", "Scadenze e appuntamenti", WindowNames::frmScadenzario },
        { "imgFatture", "btnFatture", "preventivi", "Preventivi", WindowNames::frmMenuPreventivi },
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(30);
    grid->setVerticalSpacing(8);
    grid->setRowMinimumHeight(2, 22); // between the two rows of tiles
    int index = 0;
    for (const TileDef &def : defs) {
        QLabel *picture = Art::pictureLabel(panContainer, def.picture, QLatin1String(def.image), QSize(112, 112));
        auto *caption = new QLabel(QString::fromUtf8(def.text), panContainer);
        caption->setObjectName(QLatin1String(def.caption));
        caption->setFont(Style::shellFont(12, true));
        caption->setStyleSheet(Style::sheet(
            QStringLiteral("QLabel { color: @CaptionInk; } QLabel:disabled { color: @DisabledCaption; }")));
        caption->setAlignment(Qt::AlignCenter);
        const QString target = QLatin1String(def.target);
        for (QLabel *part : { picture, caption }) {
            part->setCursor(Qt::PointingHandCursor);
            WindowKit::onClick(part, [this, target] { openTile(target); });
        }
        const int row = (index / 3) * 3;
        grid->addWidget(picture, row, index % 3, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(caption, row + 1, index % 3, Qt::AlignHCenter | Qt::AlignTop);
        m_tiles.append({ picture, caption, target });
        ++index;
    }
    // Each member is the tile part of its own name.
    const auto part = [this](const char *name) {
        auto *label = panContainer->findChild<QLabel *>(QLatin1String(name));
        Q_ASSERT_X(label, "TfrmAvvio", name);
        return label;
    };
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
    body->addLayout(grid);
    body->addStretch(1);

    // Bottom: splash and exit, then the web-site strip.
    auto *bottom = new QHBoxLayout;
    imgCopyright = Art::commandPicture(
        panContainer, "imgCopyright", QStringLiteral("copyright"), QStringLiteral("Kennora - note sul software"));
    imgEsci
        = Art::commandPicture(panContainer, "imgEsci", QStringLiteral("esci"), QStringLiteral("Esci dal programma"));
    bottom->addWidget(imgCopyright);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci);
    body->addLayout(bottom);
    body->addSpacing(10);

    imgSito = new QFrame(panContainer);
    imgSito->setObjectName(QStringLiteral("imgSito"));
    imgSito->setStyleSheet(Style::sheet(QStringLiteral("#imgSito { background: @SiteLinkFill; border-radius: 8px; }")));
    imgSito->setCursor(Qt::PointingHandCursor);
    imgSito->setFixedHeight(40);
    auto *strip = new QHBoxLayout(imgSito);
    strip->setContentsMargins(12, 4, 12, 4);
    strip->addStretch(1);
    strip->addWidget(Art::pictureLabel(imgSito, "imgSitoGlobo", QStringLiteral("web"), QSize(24, 24)));
    auto *address = new QLabel(QStringLiteral("Visita il sito %1").arg(QLatin1String(Maker::WebAddress)), imgSito);
    address->setFont(Style::shellFont(11));
    address->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    strip->addWidget(address);
    strip->addStretch(1);
    body->addWidget(imgSito);

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
