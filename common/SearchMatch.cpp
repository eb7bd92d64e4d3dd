#include "common/SearchMatch.h"

#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/TextRoutines.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace SearchMatch
{
const QString kRiepilogoBeginning = QStringLiteral("Il presente riepilogo contiene ");
const QString kElencoBeginning = QStringLiteral("Il presente elenco contiene ");
const QString kFindNotApplicable = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
} // namespace SearchMatch

namespace
{

inline char16_t foldUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

inline unsigned char foldByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

// True when `needle` (already folded) occurs in the first `length` bytes of
// `hay`, hay folded on the fly.
bool containsFolded(const unsigned char *hay, int length, const QByteArray &needle)
{
    const int n = int(needle.size());
    if (n == 0 || n > length)
        return false;
    const auto *pattern = reinterpret_cast<const unsigned char *>(needle.constData());
    const unsigned char first = pattern[0];
    const int last = length - n;
    for (int i = 0; i <= last; ++i) {
        if (foldByte(hay[i]) != first)
            continue;
        int j = 1;
        while (j < n && foldByte(hay[i + j]) == pattern[j])
            ++j;
        if (j == n)
            return true;
    }
    return false;
}

// Windows-1252 byte -> UTF-16, built once from the codec.
const char16_t *decodeTable()
{
    static const auto table = [] {
        std::array<char16_t, 256> t {};
        char bytes[256];
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        const QString all = Cp1252::decode(bytes, 256);
        Q_ASSERT(all.size() == 256);
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = all.at(i).unicode();
        return t;
    }();
    return table.data();
}

// The trimmed text of a raw field: bytes [begin, end) of the field (a length
// byte above the capacity counts as the capacity). Bytes up to 32 decode to
// the same codes, so trimming the bytes trims the text.
void trimmedSpan(const unsigned char *field, int capacity, int &begin, int &end)
{
    const int length = qMin(int(field[0]), capacity);
    begin = 1;
    end = 1 + length;
    while (begin < end && field[begin] <= 32)
        ++begin;
    while (end > begin && field[end - 1] <= 32)
        --end;
}

} // namespace

int FieldRef::trimmedLength(const char *record) const
{
    int begin, end;
    trimmedSpan(reinterpret_cast<const unsigned char *>(record + offset), capacity, begin, end);
    return end - begin;
}

qsizetype FieldRef::appendTo(QString &line, const char *record, int width) const
{
    const auto *field = reinterpret_cast<const unsigned char *>(record + offset);
    int begin, end;
    trimmedSpan(field, capacity, begin, end);
    int take = end - begin;
    if (width >= 0)
        take = qMin(take, width);
    const char16_t *table = decodeTable();
    const qsizetype start = line.size();
    const qsizetype total = width >= 0 ? width : take;
    line.resize(start + total);
    QChar *out = line.data() + start;
    for (int i = 0; i < take; ++i)
        out[i] = QChar(table[field[begin + i]]);
    for (qsizetype i = take; i < total; ++i)
        out[i] = QLatin1Char(' ');
    return total;
}

namespace SearchMatch
{

void appendColumn(QString &line, QStringView text, int width)
{
    const qsizetype take = qMin<qsizetype>(text.size(), width);
    line.append(text.left(take));
    for (qsizetype i = take; i < width; ++i)
        line.append(QLatin1Char(' '));
}

QString column(QStringView text, int width)
{
    QString out;
    out.reserve(width);
    appendColumn(out, text, width);
    return out;
}

bool lineLess(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldUpper(a[i].unicode());
        const char16_t y = foldUpper(b[i].unicode());
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

void sortLines(ListLines &lines)
{
    std::stable_sort(
        lines.begin(), lines.end(), [](const ListLine &a, const ListLine &b) { return lineLess(a.text, b.text); });
}

QString countSentence(const QString &beginning, qint64 n)
{
    return beginning + QString::number(n) + QStringLiteral(" schede.");
}

MultiFilter::MultiFilter(const QStringList &filterTexts, std::vector<FieldRef> fields)
{
    Q_ASSERT(filterTexts.size() == qsizetype(fields.size()));
    for (qsizetype i = 0; i < filterTexts.size(); ++i) {
        const QString &typed = filterTexts.at(i);
        if (TrimText(typed).isEmpty())
            continue;
        Active a;
        a.filter = int(i);
        a.field = fields[size_t(i)];
        a.encodable = Cp1252::canEncode(typed);
        a.folded = Cp1252::encode(typed);
        for (char &c : a.folded)
            c = char(foldByte(static_cast<unsigned char>(c)));
        m_active.push_back(std::move(a));
    }
}

bool MultiFilter::matches(const char *record) const
{
    for (const Active &a : m_active) {
        if (!a.encodable)
            return false;
        // The field as it reads (stored texts are trimmed anyway).
        const auto *field = reinterpret_cast<const unsigned char *>(record + a.field.offset);
        int begin, end;
        trimmedSpan(field, a.field.capacity, begin, end);
        if (!containsFolded(field + begin, end - begin, a.folded))
            return false;
    }
    return true;
}

void collectLines(
    const QString &path, int recordSize, const RecordTest &accept, const LineBuilder &line, ListLines &out)
{
    ArchiveFile file(path, recordSize);
    file.scan([&](qint64 index, const char *record) {
        if (!accept || accept(record))
            out.push_back(ListLine { line(record), index });
    });
    file.close();
}

void readRecord(const QString &path, int recordSize, qint64 index, QByteArray &record)
{
    ArchiveFile file(path, recordSize);
    if (index < 0 || index >= file.count())
        throw ArchiveAccessError();
    file.seek(index);
    record.resize(recordSize);
    file.read(record);
    file.close();
}

FindOutcome findNext(
    int count, const std::function<QString(int)> &lineAt, int selected, const QString &typed, const QString &lastSearch)
{
    Q_ASSERT(count > 0);
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString t = AsciiLower(typed);
    FindOutcome outcome { selected, t };
    if (t.isEmpty())
        return outcome;
    auto hit = [&](int i) { return ContainsNoCase(lineAt(i), t); };
    int start;
    if (t != lastSearch) {
        start = 0;
        if (hit(0)) {
            outcome.selected = 0;
            return outcome;
        }
    } else {
        start = selected;
    }
    int i = start;
    do {
        i = (i + 1) % count;
        if (hit(i)) {
            outcome.selected = i;
            return outcome;
        }
    } while (i != start);
    return outcome;
}

} // namespace SearchMatch
