#include "catalog/MenuPrimanota.h"

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "common/ui/Art.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmMenuPrimanota *frmMenuPrimanota = nullptr;

namespace
{

QPushButton *menuButton(QWidget *parent, const char *objectName, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFont(Style::shellFont(12, true));
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(QSize(200, 40));
    return button;
}

} // namespace

TfrmMenuPrimanota::TfrmMenuPrimanota(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora - Listino Prezzi e Box per Cani"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmMenuPrimanota));
    panContainer = WindowKit::menuPanel(this, QStringLiteral("TfrmMenuPrimanota"), QSize(760, 500));

    auto *body = new QVBoxLayout(panContainer);
    body->setContentsMargins(26, 22, 26, 20);
    body->setSpacing(0);

    auto *top = new QHBoxLayout;
    imgTitolo = new QLabel(QStringLiteral("Listino Prezzi e Box per Cani"), panContainer);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setFont(Style::shellFont(24, true));
    imgTitolo->setStyleSheet(QStringLiteral("color: %1;").arg(Style::css(Style::BrandBlue)));
    imgTitolo->setAlignment(Qt::AlignCenter);
    imgGuida = Art::commandPicture(panContainer, "imgGuida", QStringLiteral("guida"), QStringLiteral("Guida"));
    top->addSpacing(40);
    top->addWidget(imgTitolo, 1);
    top->addWidget(imgGuida, 0, Qt::AlignTop);
    body->addLayout(top);
    body->addSpacing(14);

    lblIstruzioni = new QLabel(QStringLiteral("Premere il pulsante per redigere il listino prezzi o per schedare i "
                                              "box per cani presenti nella pensione."),
        panContainer);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setFont(Style::shellFont(12));
    lblIstruzioni->setStyleSheet(Style::sheet(QStringLiteral("color: @InstructionGrey;")));
    lblIstruzioni->setAlignment(Qt::AlignCenter);
    lblIstruzioni->setWordWrap(true);
    body->addWidget(lblIstruzioni);
    body->addStretch(1);

    // The two commands, each under its picture on a coloured card.
    auto *cards = new QHBoxLayout;
    cards->setSpacing(40);
    auto card = [this](const char *name, const char *pictureName, const QString &picture, const char *buttonName,
                    const QString &text, QRgb colour) {
        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QLatin1String(name));
        frame->setStyleSheet(QStringLiteral("#%1 { background: %2; border-radius: 12px; }")
                                 .arg(QLatin1String(name), Style::css(colour)));
        auto *column = new QVBoxLayout(frame);
        column->setContentsMargins(24, 20, 24, 20);
        column->setSpacing(16);
        column->addWidget(Art::pictureLabel(frame, pictureName, picture, QSize(120, 120)), 0, Qt::AlignHCenter);
        QPushButton *button = menuButton(frame, buttonName, text);
        column->addWidget(button, 0, Qt::AlignHCenter);
        return std::make_pair(frame, button);
    };
    auto [shpListino, registra] = card("shpListino", "imgListino", QStringLiteral("listino"), "btnRegistra",
        QStringLiteral("Listino prezzi"), Style::ServicesTileFill);
    auto [shpBox, riepiloga] = card("shpBox", "imgBox", QStringLiteral("box"), "btnRiepiloga",
        QStringLiteral("Box per cani"), Style::BoxesTileFill);
    // Each member is the control of its own name.
    imgListino = shpListino->findChild<QLabel *>(QStringLiteral("imgListino"));
    imgBox = shpBox->findChild<QLabel *>(QStringLiteral("imgBox"));
    btnRegistra = registra;
    btnRiepiloga = riepiloga;
    cards->addStretch(1);
    cards->addWidget(shpListino);
    cards->addWidget(shpBox);
    cards->addStretch(1);
    body->addLayout(cards);
    body->addStretch(1);

    auto *bottom = new QHBoxLayout;
    imgEsci = Art::commandPicture(panContainer, "imgEsci", QStringLiteral("esci"), QStringLiteral("Esci"));
    bottom->addStretch(1);
    bottom->addWidget(imgEsci);
    body->addLayout(bottom);

    lblMemory = WindowKit::hiddenLabel(panContainer, "lblMemory");
    lblMemory->setText(QStringLiteral("avvio"));

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
