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

bool isBookable(const char *record)
{
    const QByteArrayView flag = FieldRef::of(BoxRecord::layout(), BoxRecord::NonPrenotabile).trimmedBytes(record);
    return flag != QByteArrayView("S\xEC", 2);
}

const SearchMatch::LineShape &shape()
{
    const RecordLayout &layout = BoxRecord::layout();
    const auto field = [&](int f) { return FieldRef::of(layout, f); };
    static const SearchMatch::LineShape lineShape({ { QStringLiteral("Box n. "), field(BoxRecord::Box), 25 },
        { QStringLiteral("  Dim. "), field(BoxRecord::Dimensioni), 25 },
        { QStringLiteral("  Posti: "), field(BoxRecord::Capacita), 20 },
        { QStringLiteral("  Prezzo: \u20AC "), field(BoxRecord::Prezzo) } });
    return lineShape;
}

QString line(const char *record)
{
    return shape()(record);
}

Entry entry(const char *record, qint64 index)
{
    const RecordLayout &layout = BoxRecord::layout();
    Entry e;
    e.record = index;
    e.box = FieldRef::of(layout, BoxRecord::Box).load(record);
    e.dimensioni = FieldRef::of(layout, BoxRecord::Dimensioni).load(record);
    e.capacita = FieldRef::of(layout, BoxRecord::Capacita).load(record);
    e.prezzo = FieldRef::of(layout, BoxRecord::Prezzo).load(record);
    e.line = line(e.box, e.dimensioni, e.capacita, e.prezzo);
    return e;
}

SearchMatch::RecordListing listing(const QString &archivePath)
{
    SearchMatch::RecordListing out;
    out.collect(archivePath, BoxRecord::size(), &isBookable, shape());
    out.sort();
    return out;
}

} // namespace BoxChoice
