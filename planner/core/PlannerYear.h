#pragma once

#include "planner/core/PlannerRecord.h"

#include <QString>
#include <QStringList>

// One box's year as the planner holds it: the four box texts of the header and
// the booking text of each of the 366 days (empty: free), and the planner file
// that keeps it as record 0.
class PlannerYear
{
public:
    // What a load found.
    enum class Load {
        Read, // record 0 read
        Empty, // an empty file (just created, or never saved): every day free
        ReadLonger, // record 0 read from a file longer than one record; the rest stays
        Short, // a file shorter than one record: nothing read, it must not be overwritten
        CannotOpen, // the file could be neither opened nor created: nothing read
        Failed, // the file was opened but its record could not be read
    };

    PlannerYear();

    void clear(); // every day free (the header is kept)

    QString header(int field) const { return m_header.at(field); }
    void setHeader(int field, const QString &text);
    QString day(int day) const { return m_days.at(day); }
    // Stores the text trimmed (the file keeps at most 50 characters of it).
    void setDay(int day, const QString &text);
    bool booked(int day) const { return !m_days.at(day).isEmpty(); }
    int bookedCount() const;

    // Opens the file (creating it empty when missing) and reads record 0 into
    // the days; the stored header is not read back. On anything but Read,
    // Empty and ReadLonger the days stay free.
    Load load(const QString &path);
    // Writes header and days as record 0 (the rest of a longer file stays as
    // it was). Throws ArchiveAccessError when the file cannot be written.
    void save(const QString &path) const;

    // The record bytes of header and days.
    QByteArray record() const;

private:
    QStringList m_header;
    QStringList m_days;
};
