#include "common/ui/WindowRegistry.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace WindowRegistry
{

namespace
{
QHash<QString, QPointer<QWidget>> &windows()
{
    static QHash<QString, QPointer<QWidget>> map;
    return map;
}
} // namespace

void set(const QString &globalName, QWidget *window)
{
    windows().insert(globalName, window);
}

QWidget *get(const QString &globalName)
{
    return windows().value(globalName);
}

void clear()
{
    windows().clear();
}

} // namespace WindowRegistry
