#include "common/ui/ControlNames.h"

#include "common/RecordLayout.h"

namespace ControlNames
{

QString editorControl(const RecordLayout &layout, int field, int flagField, int firstFile)
{
    const QString &name = layout.name(field);
    if (field == flagField)
        return QStringLiteral("chk") + name;
    if (firstFile >= 0 && field >= firstFile)
        return QStringLiteral("lbl") + name;
    return QStringLiteral("txt") + name;
}

} // namespace ControlNames
