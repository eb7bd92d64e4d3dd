#include "planner/core/PlannerYear.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"

#include <QFileInfo>

PlannerYear::PlannerYear()
    : m_header(PlannerRecord::HeaderCount)
    , m_days(PlannerRecord::DayCount)
{
}

void PlannerYear::clear()
{
    for (QString &text : m_days)
        text.clear();
}

void PlannerYear::setHeader(int field, const QString &text)
{
    m_header[field] = TrimText(text);
}

void PlannerYear::setDay(int day, const QString &text)
{
    m_days[day] = TrimText(text);
}

int PlannerYear::bookedCount() const
{
    int count = 0;
    for (const QString &text : m_days)
        count += text.isEmpty() ? 0 : 1;
    return count;
}

PlannerYear::Load PlannerYear::load(const QString &path)
{
    clear();
    const RecordLayout &layout = PlannerRecord::layout();
    ArchiveFile file;
    try {
        file.open(path, layout.size());
    } catch (const ArchiveAccessError &) {
        return Load::CannotOpen;
    }
    try {
        if (file.count() == 0)
            return QFileInfo(path).size() == 0 ? Load::Empty : Load::Short;
        const bool longer = QFileInfo(path).size() > layout.size();
        RecordBuffer buffer(layout);
        file.seek(0);
        file.read(buffer.bytes());
        for (int day = 0; day < PlannerRecord::DayCount; ++day)
            m_days[day] = buffer.text(PlannerRecord::dayField(day));
        return longer ? Load::ReadLonger : Load::Read;
    } catch (const ArchiveAccessError &) {
        clear();
        return Load::Failed;
    }
}

QByteArray PlannerYear::record() const
{
    RecordBuffer buffer(PlannerRecord::layout());
    buffer.clear();
    for (int field = 0; field < PlannerRecord::HeaderCount; ++field)
        buffer.setText(field, m_header.at(field));
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        buffer.setText(PlannerRecord::dayField(day), m_days.at(day));
    return buffer.bytes();
}

void PlannerYear::save(const QString &path) const
{
    ArchiveFile file(path, PlannerRecord::size());
    file.seek(0);
    file.write(record());
    file.close();
}
