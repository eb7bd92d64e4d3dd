#include "catalog/MenuPrimanota.h"

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "common/ui/Art.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TfrmMenuPrimanota *frmMenuPrimanota = nullptr;

namespace
{

// The menu: a white panel centred in the maximised window, the title with
// the help command beside it, the instruction line, the two commands each
// under its picture on a coloured card, the exit command bottom right.
Layout::Table menuTable()
{
    using Layout::Centre;
    const Layout::Font command { "Tahoma", 12, true };
    Layout::Table t;
    t.name = QStringLiteral("price list and boxes menu");
    t.items = {
        { .name = "panContainer", .x = Centre, .y = Centre, .w = 760, .h = 500 },
        { .name = "imgTitolo",
            .in = "panContainer",
            .x = 68,
            .y = 24,
            .w = 624,
            .h = 40,
            .font = { "Tahoma", 24, true },
            .align = Qt::AlignCenter },
        { .name = "imgGuida", .in = "panContainer", .x = 692, .y = 24, .w = 40, .h = 40 },
        { .name = "lblIstruzioni",
            .in = "panContainer",
            .x = 28,
            .y = 78,
            .w = 704,
            .h = 38,
            .font = { "Tahoma", 12 },
            .align = Qt::AlignCenter },
        { .name = "shpListino", .in = "panContainer", .x = 112, .y = 169, .w = 248, .h = 216 },
        { .name = "imgListino", .in = "shpListino", .x = 64, .y = 20, .w = 120, .h = 120 },
        { .name = "btnRegistra", .in = "shpListino", .x = 24, .y = 156, .w = 200, .h = 40, .font = command },
        { .name = "shpBox", .in = "panContainer", .x = 400, .y = 169, .w = 248, .h = 216 },
        { .name = "imgBox", .in = "shpBox", .x = 64, .y = 20, .w = 120, .h = 120 },
        { .name = "btnRiepiloga", .in = "shpBox", .x = 24, .y = 156, .w = 200, .h = 40, .font = command },
        { .name = "imgEsci", .in = "panContainer", .x = 692, .y = 438, .w = 40, .h = 40 },
    };
    t.tabOrder = { "btnRegistra", "btnRiepiloga" };
    return t;
}

} // namespace

TfrmMenuPrimanota::TfrmMenuPrimanota(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora - Listino Prezzi e Box per Cani"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmMenuPrimanota));
    panContainer = WindowKit::menuPanel(this, QStringLiteral("TfrmMenuPrimanota"));

    imgTitolo = new QLabel(QStringLiteral("Listino Prezzi e Box per Cani"), panContainer);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    imgGuida = Art::commandPicture(panContainer, "imgGuida", QStringLiteral("guida"), QStringLiteral("Guida"));

    lblIstruzioni = new QLabel(QStringLiteral("Premere il pulsante per redigere il listino prezzi o per schedare i "
                                              "box per cani presenti nella pensione."),
        panContainer);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setStyleSheet(Style::sheet(QStringLiteral("color: @InstructionGrey;")));
    lblIstruzioni->setWordWrap(true);

    // The two commands, each under its picture on a coloured card.
    auto card = [this](const char *name, const char *pictureName, const QString &picture, const char *buttonName,
                    const QString &text, QRgb colour) {
        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QLatin1String(name));
        frame->setStyleSheet(QStringLiteral("#%1 { background: %2; border-radius: 12px; }")
                                 .arg(QLatin1String(name), Style::css(colour)));
        Art::pictureLabel(frame, pictureName, picture, QSize(120, 120));
        auto *button = new QPushButton(text, frame);
        button->setObjectName(QLatin1String(buttonName));
        button->setCursor(Qt::PointingHandCursor);
    };
    card("shpListino", "imgListino", QStringLiteral("listino"), "btnRegistra", QStringLiteral("Listino prezzi"),
        Style::ServicesTileFill);
    card("shpBox", "imgBox", QStringLiteral("box"), "btnRiepiloga", QStringLiteral("Box per cani"),
        Style::BoxesTileFill);

    imgEsci = Art::commandPicture(panContainer, "imgEsci", QStringLiteral("esci"), QStringLiteral("Esci"));

    lblMemory = WindowKit::hiddenLabel(panContainer, "lblMemory");
    lblMemory->setText(QStringLiteral("avvio"));

    Layout::apply(this, menuTable());

    // Each member is the control of its own name.
    imgListino = panContainer->findChild<QLabel *>(QStringLiteral("imgListino"));
    imgBox = panContainer->findChild<QLabel *>(QStringLiteral("imgBox"));
    btnRegistra = panContainer->findChild<QPushButton *>(QStringLiteral("btnRegistra"));
    btnRiepiloga = panContainer->findChild<QPushButton *>(QStringLiteral("btnRiepiloga"));
    Q_ASSERT(imgListino && imgBox && btnRegistra && btnRiepiloga);

    WindowKit::prepareButtons(this);
    connect(btnRegistra, &QPushButton::clicked, this, [this] { openEditor("registra"); });
    connect(btnRiepiloga, &QPushButton::clicked, this, [this] { openEditor("riepiloga"); });
    WindowKit::onClick(imgEsci, [this] { close(); });
    WindowKit::onClick(imgGuida, [this] { ShowHelp(this, HelpTopic::PriceListAndBoxes); });
}

void TfrmMenuPrimanota::openEditor(const char *word)
{
    lblMemory->setText(QLatin1String(word));
    close();
}

void TfrmMenuPrimanota::showEvent(QShowEvent *event)
{
    MainWindowBase::showEvent(event);
    if (!event->spontaneous())
        lblMemory->setText(QStringLiteral("avvio"));
}

void TfrmMenuPrimanota::onClosed()
{
    WindowKit::menuCloseRouting(lblMemory,
        { { QStringLiteral("registra"), QLatin1String(WindowNames::frmListino_Prezzi) },
            { QStringLiteral("riepiloga"), QLatin1String(WindowNames::frmBox_Cani) } });
    hide();
}
