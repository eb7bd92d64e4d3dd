#include "deadlines/DeadlineEditorLink.h"

#include "common/TextRoutines.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DeadlineControls.h"
#include "deadlines/core/DeadlineRecord.h"

#include <QCalendarWidget>
#include <QWidget>

namespace DeadlineEditorLink
{

namespace
{

Delivery::Route editorRoute(const QString &mode)
{
    Delivery::Route r { mode, WindowNames::frmScadenzario, {}, true, {} };
    for (int f = 0; f < DeadlineRecord::FieldCount; ++f)
        r.fields.push_back({ f, DeadlineControls::name(f) });
    return r;
}

} // namespace

QWidget *editor()
{
    return WindowRegistry::get(QLatin1String(WindowNames::frmScadenzario));
}

QString openFile()
{
    const QWidget *w = editor();
    return w ? TrimText(ControlText::named(w, QStringLiteral("lblFile"))) : QString();
}

QDate calendarDate()
{
    const QWidget *w = editor();
    const auto *calendar = w ? w->findChild<QCalendarWidget *>(QStringLiteral("calAppuntamenti")) : nullptr;
    return calendar ? calendar->selectedDate() : QDate();
}

const Delivery::Table &summaryDeliveries()
{
    static const Delivery::Table t { &DeadlineRecord::layout(), { editorRoute(QString()) } };
    return t;
}

const Delivery::Table &searchDeliveries()
{
    static const Delivery::Table t { &DeadlineRecord::layout(), { editorRoute(QStringLiteral("Scadenzario")) } };
    return t;
}

} // namespace DeadlineEditorLink
