#include "app/shell/Splash.h"

#include "app/dialogs/OpenURL.h"
#include "app/shell/Avvio.h"
#include "common/ui/Layout.h"
#include "common/ui/WindowNames.h"

#include <QLabel>
#include <QPushButton>

TfrmSplash *frmSplash = nullptr;

namespace
{

// The large picture, and under it the web link at the left and "Chiudi" at the right.
Layout::Table splashTable()
{
    using namespace Layout;
    Table t;
    t.name = QStringLiteral("splash");
    t.client = QSize(600, 370);
    t.items = {
        { .name = "imgLogo", .x = 0, .y = 2, .w = 600, .h = 300 },
        { .name = "imgWeb", .x = 22, .y = 320, .w = 28, .h = 28 },
        { .name = "lnkWeb", .x = 60, .y = 318, .w = 215, .h = 32, .font = { "Tahoma", 13 } },
        { .name = "btnChiudi", .x = 482, .y = 318, .w = 96, .h = 32, .font = { "Tahoma", 10 } },
    };
    return t;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget *parent)
    : FixedDialog(parent, QStringLiteral(" Kennora - Gestione della pensione per cani \u00A9 Kennora"))
{
    setObjectName(QLatin1String(WindowNames::frmSplash));
    setStyleSheet(QStringLiteral("TfrmSplash { background: white; }"));
    imgLogo = Art::pictureLabel(this, "imgLogo", QStringLiteral("splash"), QSize(600, 300));
    imgWeb = Art::pictureLabel(this, "imgWeb", QStringLiteral("web"), QSize(28, 28));
    lnkWeb = new QLabel(QLatin1String(Maker::WebAddress), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    btnChiudi = ShellArt::button(this, "btnChiudi", QStringLiteral("Chiudi"));
    Layout::apply(this, splashTable());

    WindowKit::linkPressColour(lnkWeb, { imgWeb });
    for (QWidget *link : { static_cast<QWidget *>(lnkWeb), static_cast<QWidget *>(imgWeb) }) {
        WindowKit::onClick(link, [this] {
            WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
            TMisc::Open(QLatin1String(Maker::WebAddress));
        });
    }
    WindowKit::closeOnClick(btnChiudi, this);

    finishLayout(size());
}
