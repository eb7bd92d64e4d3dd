#include "owners/Ricontatta.h"

#include "owners/core/OwnerListing.h"
#include "owners/core/OwnerRecord.h"
#include "owners/TrovaClienti.h"

namespace
{

ListWindow::Setup callBackSetup()
{
    ListWindow::Setup s;
    s.caption = QStringLiteral(" Riepilogo proprietari da ricontattare");
    s.printTitle = QStringLiteral("Riepilogo proprietari da ricontattare");
    s.lastSearchText = &TfrmRicontatta::lastSearchText();
    s.itemWidth = 1600;
    s.fill = ListWindow::archiveFill(
        &OwnerRecord::path, OwnerRecord::size(), &OwnerListing::isCallBack, &OwnerListing::callBackLine);
    s.pick = ListWindow::archivePick(
        &OwnerRecord::path, OwnerRecord::size(), [](const QByteArray &record, qint64 position) {
            OwnerDelivery::deliver(QStringLiteral("clienti"), record, position);
        });
    return s;
}

} // namespace

TfrmRicontatta::TfrmRicontatta(QWidget *owner)
    : ListWindow(owner, callBackSetup())
{
}

QString &TfrmRicontatta::lastSearchText()
{
    static QString text;
    return text;
}
