#include "app/shell/Info.h"

#include "common/ui/Style.h"

#include "app/dialogs/OpenURL.h"
#include "app/shell/Avvio.h"
#include "common/ui/WindowNames.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmInfo *frmInfo = nullptr;

namespace
{

// A picture with a line of text beside it.
QWidget *noticePicture(QWidget *parent, const char *objectName, const QString &picture, const QString &text)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QLatin1String(objectName));
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(Art::pictureLabel(box, "", picture, QSize(36, 36)), 0, Qt::AlignTop);
    auto *label = new QLabel(text, box);
    label->setFont(Style::shellFont(10));
    label->setWordWrap(true);
    label->setStyleSheet(Style::sheet(QStringLiteral("color: @InfoTextInk;")));
    row->addWidget(label, 1);
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
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 14, 14, 14);

    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setStyleSheet(Style::sheet(
        QStringLiteral("#shpSfondo { background: white; border: 1px solid @FrameBlue; border-radius: 10px; }")));
    outer->addWidget(shpSfondo, 1);
    auto *body = new QVBoxLayout(shpSfondo);
    body->setContentsMargins(24, 18, 24, 18);
    body->setSpacing(12);

    auto *head = new QHBoxLayout;
    head->setSpacing(16);
    imgLogo = Art::pictureLabel(shpSfondo, "imgLogo", QStringLiteral("logo"), QSize(76, 76));
    head->addWidget(imgLogo);
    auto *names = new QVBoxLayout;
    auto *product = new QLabel(QStringLiteral("Kennora"), shpSfondo);
    product->setFont(Style::shellFont(20, true));
    product->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    lblTitolo = new QLabel(QStringLiteral("Gestione della pensione per cani"), shpSfondo);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Style::shellFont(12, true));
    lblTitolo->setStyleSheet(QStringLiteral("color: crimson;"));
    names->addStretch(1);
    names->addWidget(product);
    names->addWidget(lblTitolo);
    names->addStretch(1);
    head->addLayout(names, 1);
    body->addLayout(head);

    imgUtente = noticePicture(shpSfondo, "imgUtente", QStringLiteral("utente"),
        QStringLiteral("Archivi di proprietari e cani, listino prezzi e box, planner delle "
                       "prenotazioni, scadenze e appuntamenti, preventivi."));
    imgWarning = noticePicture(shpSfondo, "imgWarning", QStringLiteral("warning"),
        QStringLiteral("Tutti i dati sono conservati nella cartella del programma: "
                       "copiare regolarmente la cartella per farne una copia di sicurezza."));
    body->addWidget(imgUtente);
    body->addWidget(imgWarning);
    body->addStretch(1);

    auto *contact = new QHBoxLayout;
    contact->setSpacing(10);
    imgEmail = Art::pictureLabel(shpSfondo, "imgEmail", QStringLiteral("email"), QSize(30, 30));
    lnkWeb = new QLabel(QLatin1String(Maker::EMail), shpSfondo);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setFont(Style::shellFont(14));
    contact->addWidget(imgEmail);
    contact->addWidget(lnkWeb);
    contact->addStretch(1);
    btnChiudi = ShellArt::button(shpSfondo, "btnChiudi", QStringLiteral("Chiudi"));
    contact->addWidget(btnChiudi);
    body->addLayout(contact);

    WindowKit::linkPressColour(lnkWeb, { imgEmail });
    for (QWidget *link : { static_cast<QWidget *>(lnkWeb), static_cast<QWidget *>(imgEmail) }) {
        WindowKit::onClick(link, [this] {
            WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
            TMisc::Open(mailtoCommand());
        });
    }
    WindowKit::closeOnClick(btnChiudi, this);

    finishLayout(QSize(560, 340));
}
