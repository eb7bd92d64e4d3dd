#include "deadlines/DeadlineControls.h"

#include "deadlines/core/DeadlineRecord.h"

namespace DeadlineControls
{

QString name(int field)
{
    using namespace DeadlineRecord;
    if (isFlag(field))
        return QStringLiteral("chk") + layout().name(field);
    if (field == Anno || field == Data || field == Ora)
        return QStringLiteral("lbl") + layout().name(field);
    return QStringLiteral("txt") + layout().name(field);
}

} // namespace DeadlineControls
