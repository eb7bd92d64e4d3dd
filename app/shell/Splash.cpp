#include "app/shell/Splash.h"

#include "app/dialogs/OpenURL.h"
#include "app/shell/Avvio.h"
#include "common/ui/WindowNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSplash *frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Kennora - Gestione della pensione per cani \u00A9 Kennora"))
{
    setObjectName(QLatin1String(WindowNames::frmSplash));
    setStyleSheet(QStringLiteral("TfrmSplash { background: white; }"));
    auto *body = new QVBoxLayout(this);
    body->setContentsMargins(0, 0, 0, 16);
    body->setSpacing(14);

    imgLogo = Art::pictureLabel(this, "imgLogo", QStringLiteral("splash"), QSize(600, 300));
    body->addWidget(imgLogo);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(22, 0, 22, 0);
    row->setSpacing(10);
    imgWeb = Art::pictureLabel(this, "imgWeb", QStringLiteral("web"), QSize(28, 28));
    lnkWeb = new QLabel(QLatin1String(Maker::WebAddress), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setFont(Style::shellFont(13));
    btnChiudi = ShellArt::button(this, "btnChiudi", QStringLiteral("Chiudi"));
    row->addWidget(imgWeb);
    row->addWidget(lnkWeb);
    row->addStretch(1);
    row->addWidget(btnChiudi);
    body->addLayout(row);

    WindowKit::linkPressColour(lnkWeb, { imgWeb });
    for (QWidget *link : { static_cast<QWidget *>(lnkWeb), static_cast<QWidget *>(imgWeb) }) {
        WindowKit::onClick(link, [this] {
            WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
            TMisc::Open(QLatin1String(Maker::WebAddress));
        });
    }
    WindowKit::closeOnClick(btnChiudi, this);

    finishLayout(QSize(600, 370));
}
