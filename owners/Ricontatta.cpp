#include "owners/Ricontatta.h"

#include "owners/TrovaClienti.h"
#include "owners/core/OwnerListing.h"
#include "owners/core/OwnerRecord.h"

namespace
{

ListWindow::Setup callBackSetup()
{
    ListWindow::Setup s;
    s.caption = QStringLiteral(" Riepilogo proprietari da ricontattare");
    s.printTitle = QStringLiteral("Riepilogo proprietari da ricontattare");
    s.lastSearchText = &TfrmRicontatta::lastSearchText();
    s.itemWidth = 1600;
    s.headingArt = QStringLiteral("proprietari");
    s.fill = ListWindow::archiveFill(
        &OwnerRecord::path, OwnerRecord::size(), &OwnerListing::isCallBack, OwnerListing::callBackShape());
    s.pick = ListWindow::tablePick(&OwnerRecord::path, OwnerRecord::size(), TfrmRicontatta::deliveries());
    return s;
}

} // namespace

TfrmRicontatta::TfrmRicontatta(QWidget *owner)
    : ListWindow(owner, callBackSetup())
{
}

const Delivery::Table &TfrmRicontatta::deliveries()
{
    static const Delivery::Table t { &OwnerRecord::layout(), { OwnerDelivery::ownerEditorRoute(QString()) } };
    return t;
}

QString &TfrmRicontatta::lastSearchText()
{
    static QString text;
    return text;
}
