#include "planner/core/BoxChoice.h"

#include "catalog/core/BoxRecord.h"
#include "common/ArchiveFile.h"
#include "common/RecordLayout.h"
#include "common/TextRoutines.h"

#include <algorithm>

namespace BoxChoice
{

namespace
{

QString column(const QString &text, int width)
{
    return LeftText(TrimText(text) + QString(width, QLatin1Char(' ')), quint16(width));
}

QChar folded(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
}

} // namespace

QString line(const QString &box, const QString &dimensioni, const QString &capacita, const QString &prezzo)
{
    return QStringLiteral("Box n. ") + column(box, 25) + QStringLiteral("  Dim. ") + column(dimensioni, 25)
        + QStringLiteral("  Posti: ") + column(capacita, 20) + QStringLiteral("  Prezzo: \u20AC ") + TrimText(prezzo);
}

bool lessThan(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QChar x = folded(a.at(i));
        const QChar y = folded(b.at(i));
        if (x != y)
            return x.unicode() < y.unicode();
    }
    return a.size() < b.size();
}

QList<Entry> read(const QString &archivePath)
{
    QList<Entry> entries;
    ArchiveFile file(archivePath, BoxRecord::size());
    RecordBuffer buffer(BoxRecord::layout());
    file.scan([&](qint64 index, const char *bytes) {
        std::copy(bytes, bytes + BoxRecord::size(), buffer.bytes().data());
        if (buffer.text(BoxRecord::NonPrenotabile) == QStringLiteral("S\u00EC"))
            return;
        Entry entry;
        entry.record = index;
        entry.box = buffer.text(BoxRecord::Box);
        entry.dimensioni = buffer.text(BoxRecord::Dimensioni);
        entry.capacita = buffer.text(BoxRecord::Capacita);
        entry.prezzo = buffer.text(BoxRecord::Prezzo);
        entry.line = line(entry.box, entry.dimensioni, entry.capacita, entry.prezzo);
        entries.append(entry);
    });
    file.close();
    std::stable_sort(
        entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return lessThan(a.line, b.line); });
    return entries;
}

} // namespace BoxChoice
