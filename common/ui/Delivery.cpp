#include "common/ui/Delivery.h"

#include "common/TextRoutines.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowRegistry.h"

#include <QDebug>
#include <QWidget>

namespace Delivery
{

QStringList Route::controls() const
{
    QStringList names;
    names.reserve(qsizetype(fields.size()) + 1);
    for (const Field &f : fields)
        names << f.control;
    if (withPosition)
        names << QString::fromLatin1(kPositionControl);
    return names;
}

const Route *Table::route(const QString &mode) const
{
    const QString trimmed = TrimText(mode);
    for (const Route &r : routes) {
        if (r.mode == trimmed)
            return &r;
    }
    return nullptr;
}

MissingControls::MissingControls(QString target, QStringList names)
    : std::runtime_error("delivery into missing controls")
    , m_target(std::move(target))
    , m_names(std::move(names))
{
}

QString MissingControls::message() const
{
    return QStringLiteral("Attenzione: la scheda scelta non \u00E8 stata caricata, perch\u00E9 nella finestra "
                          "di destinazione (%1) mancano i campi: %2.")
        .arg(m_target, m_names.join(QStringLiteral(", ")));
}

QStringList missingControls(const Route &route, const QWidget *window)
{
    QStringList missing;
    for (const QString &name : route.controls()) {
        if (!window || !window->findChild<QWidget *>(name))
            missing << name;
    }
    return missing;
}

QStringList missingControls(const Route &route, const QStringList &controlNames)
{
    QStringList missing;
    for (const QString &name : route.controls()) {
        if (!controlNames.contains(name))
            missing << name;
    }
    return missing;
}

void write(const Route &route, QWidget *target, const RecordBuffer &record, qint64 position)
{
    const QStringList missing = missingControls(route, target);
    if (!missing.isEmpty()) {
        qCritical(
            "delivery into %s: no control named %s", route.target, qPrintable(missing.join(QStringLiteral(", "))));
        throw MissingControls(QString::fromLatin1(route.target), missing);
    }
    for (const Field &f : route.fields) {
        // One field at a time, in the route's order, as the editors load it.
        ArchiveEditor::loadControls(
            target, record, [&f](int field) { return field == f.field ? f.control : QString(); });
    }
    if (route.withPosition)
        ControlText::setNamed(target, QString::fromLatin1(kPositionControl), QString::number(position));
    if (route.after)
        route.after(target, record, position);
}

namespace
{
QList<const Table *> &tables()
{
    static QList<const Table *> list;
    return list;
}
} // namespace

void enlist(const Table &table)
{
    if (!tables().contains(&table))
        tables().append(&table);
}

QList<const Table *> enlisted()
{
    return tables();
}

void deliver(const Table &table, const QString &mode, const QByteArray &record, qint64 position)
{
    const Route *route = table.route(mode);
    if (!route)
        return;
    QWidget *target = WindowRegistry::get(QString::fromLatin1(route->target));
    if (!target)
        return;
    RecordBuffer buffer(*table.layout);
    buffer.bytes() = record;
    write(*route, target, buffer, position);
}

} // namespace Delivery
