#include "common/YearFile.h"

#include "common/ProgramFolder.h"

namespace YearFile
{

bool isYear(QStringView text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString path(QStringView year, QStringView extension)
{
    Q_ASSERT(isYear(year));
    return programFile(year.toString() + extension.toString());
}

} // namespace YearFile
