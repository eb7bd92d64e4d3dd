#include "deadlines/core/Imminence.h"

#include "common/ArchiveFile.h"
#include "common/RecordLayout.h"
#include "common/TextRoutines.h"
#include "deadlines/core/DeadlineRecord.h"

namespace Imminence
{

namespace
{

// A whole number as typed into the notice: an optional sign and digits.
std::optional<int> wholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int start = (text.at(0) == u'+' || text.at(0) == u'-') ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    for (int i = start; i < text.size(); ++i)
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return std::nullopt;
    return text.toInt();
}

} // namespace

std::optional<Deadline> parse(const char *record)
{
    const RecordLayout &layout = DeadlineRecord::layout();
    using namespace DeadlineRecord;
    const QString dateText = RecordField::loadText(record + layout.offset(Data), layout.capacity(Data));
    const QString noticeText = RecordField::loadText(record + layout.offset(Avviso), layout.capacity(Avviso));
    const std::optional<QDate> date = ParseDate(dateText);
    const std::optional<int> notice = wholeNumber(noticeText);
    if (!date || !notice)
        return std::nullopt;
    return Deadline { *date, *notice };
}

bool isImminent(const QDate &date, int notice, const QDate &today)
{
    if (!(date.addDays(-notice) <= today))
        return false;
    return today <= date;
}

Scan scan(const QString &path, const QDate &today)
{
    Scan out;
    ArchiveFile file(path, DeadlineRecord::size());
    file.scan([&](qint64 index, const char *record) {
        const std::optional<Deadline> deadline = parse(record);
        if (!deadline) {
            ++out.damaged;
            return;
        }
        if (isImminent(deadline->date, deadline->notice, today))
            out.positions.push_back(index + 1);
    });
    return out;
}

QString currentYearPath(const QDate &today)
{
    return DeadlineRecord::path(QString::number(today.year()).rightJustified(4, u'0'));
}

} // namespace Imminence
