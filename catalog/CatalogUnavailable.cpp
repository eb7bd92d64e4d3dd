#include "catalog/CatalogUnavailable.h"

#include "catalog/core/ServiceRecord.h"

namespace
{

ListWindow::Setup unavailableSetup(const TCatalogUnavailable::Twin &twin)
{
    ListWindow::Setup s;
    s.caption = QString::fromUtf8(twin.caption);
    s.printTitle = s.caption.trimmed();
    s.lastSearchText = twin.lastSearchText;
    s.itemWidth = 1600;
    s.headingArt = twin.layout == &ServiceRecord::layout() ? QStringLiteral("listino") : QStringLiteral("box");
    s.fill = ListWindow::archiveFill(twin.path, twin.layout->size(), twin.flagged, twin.line);
    s.pick = ListWindow::tablePick(twin.path, twin.layout->size(), *twin.deliveries);
    return s;
}

} // namespace

TCatalogUnavailable::TCatalogUnavailable(const Twin &twin, QWidget *owner)
    : ListWindow(owner, unavailableSetup(twin))
{
}
