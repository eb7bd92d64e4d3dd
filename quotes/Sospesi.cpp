#include "quotes/Sospesi.h"

#include "common/ui/WindowNames.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteListing.h"
#include "quotes/core/QuoteRecord.h"

namespace
{

ListWindow::Setup pendingSetup(QWidget *self)
{
    ListWindow::Setup s;
    s.caption = QStringLiteral(" Riepilogo preventivi in sospeso");
    s.printTitle = QStringLiteral("Riepilogo preventivi in sospeso");
    s.lastSearchText = &TfrmSospesi::lastSearchText();
    s.itemWidth = 1600;
    s.headingArt = QStringLiteral("preventivi");
    s.sorted = false;
    s.fill = ListWindow::archiveFill(
        &QuoteDelivery::yearFile, QuoteRecord::size(), &QuoteListing::isPending, QuoteListing::lineShape());
    s.pick = QuoteDelivery::pick(self, TfrmSospesi::deliveries());
    return s;
}

} // namespace

TfrmSospesi::TfrmSospesi(QWidget *owner)
    : ListWindow(owner, pendingSetup(this))
{
    setObjectName(QLatin1String(WindowNames::frmSospesi));
}

const Delivery::Table &TfrmSospesi::deliveries()
{
    static const Delivery::Table t { &QuoteRecord::layout(), { QuoteDelivery::editorRoute(QString()) } };
    return t;
}

QString &TfrmSospesi::lastSearchText()
{
    static QString text;
    return text;
}
