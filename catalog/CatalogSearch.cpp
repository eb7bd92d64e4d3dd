#include "catalog/CatalogSearch.h"

#include "catalog/core/ServiceRecord.h"

#include <QLineEdit>

namespace
{

SearchWindow::Setup catalogSearchSetup(const TCatalogSearch::Twin &twin, TCatalogSearch *self)
{
    SearchWindow::Setup s;
    s.list.caption = QString::fromUtf8(twin.caption);
    s.list.printTitle = QString::fromUtf8(twin.printTitle);
    s.list.lastSearchText = twin.lastSearchText;
    s.list.itemWidth = 1600;
    s.list.headingArt = twin.layout == &ServiceRecord::layout() ? QStringLiteral("listino") : QStringLiteral("box");
    s.list.pick
        = ListWindow::tablePick(twin.path, twin.layout->size(), *twin.deliveries, [self] { return self->mode(); });
    const qsizetype n = twin.filters.size();
    for (qsizetype i = 0; i < n; ++i) {
        const TCatalogSearch::FilterRow &row = twin.filters.at(i);
        s.filters.append({ row.name, QString::fromUtf8(row.caption), FieldRef::of(*twin.layout, row.field),
            twin.filters.at((i + 1) % n).name });
    }
    s.path = twin.path;
    s.recordSize = twin.layout->size();
    s.line = twin.line;
    s.minLineChars = twin.minLineChars;
    s.countBeginning = SearchMatch::kRiepilogoBeginning;
    return s;
}

} // namespace

TCatalogSearch::TCatalogSearch(const Twin &twin, QWidget *owner)
    : SearchWindow(owner, catalogSearchSetup(twin, this))
{
}

Delivery::Route TCatalogSearch::editorRoute(
    const QString &mode, const char *target, const RecordLayout &layout, QString (*controlName)(int))
{
    Delivery::Route r { mode, target, {}, true, {} };
    for (int f = 0; f < layout.fieldCount(); ++f)
        r.fields.push_back({ f, controlName(f) });
    return r;
}
