#include "app/shell/Info.h"

#include "common/ui/Style.h"

#include "app/dialogs/OpenURL.h"
#include "app/shell/Avvio.h"
#include "common/ui/Layout.h"
#include "common/ui/WindowNames.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TfrmInfo *frmInfo = nullptr;

namespace
{

// The window: the white panel with the product picture and names at the
// top, two notices (a picture and a line of text beside it), and at the
// bottom the e-mail link with its envelope and "Chiudi".
Layout::Table infoTable()
{
    const Layout::Font notice { "Tahoma", 10 };
    Layout::Table t;
    t.name = QStringLiteral("information window");
    t.client = QSize(560, 340);
    t.items = {
        { .name = "shpSfondo", .x = 14, .y = 14, .w = 532, .h = 312 },
        { .name = "imgLogo", .in = "shpSfondo", .x = 25, .y = 19, .w = 76, .h = 76 },
        { .name = "lblProdotto",
            .in = "shpSfondo",
            .x = 117,
            .y = 24,
            .w = 390,
            .h = 32,
            .font = { "Tahoma", 20, true },
            .colour = Style::BrandBlue },
        { .name = "lblTitolo",
            .in = "shpSfondo",
            .x = 117,
            .y = 72,
            .w = 390,
            .h = 19,
            .font = { "Tahoma", 12, true },
            .colour = Style::Crimson },
        { .name = "imgUtente", .in = "shpSfondo", .x = 25, .y = 107, .w = 482, .h = 36 },
        { .name = "icoUtente",
            .in = "imgUtente",
            .w = 36,
            .h = 36,
            .kind = Layout::Kind::Picture,
            .art = QStringLiteral("utente") },
        { .name = "lblUtente",
            .in = "imgUtente",
            .x = 48,
            .w = 434,
            .h = 36,
            .font = notice,
            .colour = Style::InfoTextInk },
        { .name = "imgWarning", .in = "shpSfondo", .x = 25, .y = 155, .w = 482, .h = 36 },
        { .name = "icoWarning",
            .in = "imgWarning",
            .w = 36,
            .h = 36,
            .kind = Layout::Kind::Picture,
            .art = QStringLiteral("warning") },
        { .name = "lblWarning",
            .in = "imgWarning",
            .x = 48,
            .w = 434,
            .h = 36,
            .font = notice,
            .colour = Style::InfoTextInk },
        { .name = "imgEmail", .in = "shpSfondo", .x = 25, .y = 262, .w = 30, .h = 30 },
        { .name = "lnkWeb", .in = "shpSfondo", .x = 65, .y = 261, .w = 284, .h = 32, .font = { "Tahoma", 14 } },
        { .name = "btnChiudi", .in = "shpSfondo", .x = 411, .y = 261, .w = 96, .h = 32, .font = { "Tahoma", 10 } },
    };
    t.tabOrder = { "btnChiudi" };
    return t;
}

// A notice: the line of text `label` in the box `objectName`, its picture
// beside it made by the table.
QWidget *notice(QWidget *parent, const char *objectName, const char *label, const QString &text)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QLatin1String(objectName));
    auto *line = new QLabel(text, box);
    line->setObjectName(QLatin1String(label));
    line->setWordWrap(true);
    return box;
}

} // namespace

QString TfrmInfo::mailtoCommand()
{
    return QLatin1Char('"') + QStringLiteral("mailto:") + QLatin1String(Maker::EMail) + QStringLiteral("?subject=")
        + QStringLiteral("Software Kennora") + QStringLiteral("&body=")
        + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:")
        + QLatin1Char('"');
}

TfrmInfo::TfrmInfo(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Informazioni su Kennora"))
{
    setObjectName(QLatin1String(WindowNames::frmInfo));

    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setStyleSheet(Style::sheet(
        QStringLiteral("#shpSfondo { background: white; border: 1px solid @FrameBlue; border-radius: 10px; }")));

    imgLogo = Art::pictureLabel(shpSfondo, "imgLogo", QStringLiteral("logo"), QSize(76, 76));
    auto *product = new QLabel(QStringLiteral("Kennora"), shpSfondo);
    product->setObjectName(QStringLiteral("lblProdotto"));
    lblTitolo = new QLabel(QStringLiteral("Gestione della pensione per cani"), shpSfondo);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));

    imgUtente = notice(shpSfondo, "imgUtente", "lblUtente",
        QStringLiteral("Archivi di proprietari e cani, listino prezzi e box, planner delle "
                       "prenotazioni, scadenze e appuntamenti, preventivi."));
    imgWarning = notice(shpSfondo, "imgWarning", "lblWarning",
        QStringLiteral("Tutti i dati sono conservati nella cartella del programma: "
                       "copiare regolarmente la cartella per farne una copia di sicurezza."));

    imgEmail = Art::pictureLabel(shpSfondo, "imgEmail", QStringLiteral("email"), QSize(30, 30));
    lnkWeb = new QLabel(QLatin1String(Maker::EMail), shpSfondo);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    btnChiudi = ShellArt::button(shpSfondo, "btnChiudi", QStringLiteral("Chiudi"));

    Layout::apply(this, infoTable());

    WindowKit::linkPressColour(lnkWeb, { imgEmail });
    for (QWidget *link : { static_cast<QWidget *>(lnkWeb), static_cast<QWidget *>(imgEmail) }) {
        WindowKit::onClick(link, [this] {
            WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
            TMisc::Open(mailtoCommand());
        });
    }
    WindowKit::closeOnClick(btnChiudi, this);

    finishLayout(size());
}
