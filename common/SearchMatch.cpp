#include "common/SearchMatch.h"

#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/MemoryRoom.h"
#include "common/SideBySide.h"
#include "common/TextRoutines.h"

#include <QList>
#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <type_traits>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif
#include <unistd.h>

namespace SearchMatch
{
const QString kRiepilogoBeginning = QStringLiteral("Il presente riepilogo contiene ");
const QString kElencoBeginning = QStringLiteral("Il presente elenco contiene ");
const QString kFindNotApplicable = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString kMemoryMessage = QStringLiteral("Attenzione: memoria insufficiente per completare la ricerca.");
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

// The stored text of a raw field: bytes [1, 1 + length) of the field (a
// length byte above the capacity counts as the capacity).
int storedLength(const unsigned char *field, int capacity)
{
    return qMin(int(field[0]), capacity);
}

// The trimmed text of a raw field: bytes [begin, end) of the field. Bytes up
// to 32 decode to the same codes, so trimming the bytes trims the text.
void trimmedSpan(const unsigned char *field, int capacity, int &begin, int &end)
{
    begin = 1;
    end = 1 + storedLength(field, capacity);
    while (begin < end && field[begin] <= 32)
        ++begin;
    while (end > begin && field[end - 1] <= 32)
        --end;
}

// Three-way lineLess. Runs of code units that are the same in both lines
// fold the same, so they are skipped a block at a time; only a block where
// the lines differ is compared unit by unit.
int lineCompare(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    const QChar *x = a.data();
    const QChar *y = b.data();
    constexpr qsizetype kBlockUnits = 16;
    for (qsizetype i = 0; i < n; i += kBlockUnits) {
        const qsizetype units = qMin(kBlockUnits, n - i);
        if (std::memcmp(x + i, y + i, size_t(units) * sizeof(QChar)) == 0)
            continue;
        for (qsizetype k = i; k < i + units; ++k) {
            const char16_t p = foldUpper(x[k].unicode());
            const char16_t q = foldUpper(y[k].unicode());
            if (p != q)
                return p < q ? -1 : 1;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The compact sort key of a line: its first kKeyChars characters, folded, one
// byte each, then zeros. Characters below U+00FF keep their order as bytes; the
// first one from U+00FF up becomes 0xFF and ends the key, since bytes can no
// longer tell such characters apart. So a key that is smaller belongs to a
// line that sorts first, and equal keys leave the order to the whole lines.
constexpr int kKeyChars = 80;
// Lists from this many lines on are sorted in parts side by side.
constexpr size_t kPartLines = 16384;
// Archives from this many bytes on are read in parts side by side.
constexpr qint64 kPartRecordBytes = qint64(4) << 20;
// The records a worker takes at a time when a listing is read side by side.
constexpr qint64 kChunkBytes = qint64(2) << 20;
struct SortKey {
    unsigned char bytes[kKeyChars];
    quint32 index;
};

void makeKeyBytes(unsigned char (&bytes)[kKeyChars], QStringView text)
{
    std::memset(bytes, 0, sizeof bytes);
    const qsizetype n = qMin<qsizetype>(text.size(), kKeyChars);
    const QChar *c = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t f = foldUpper(c[i].unicode());
        if (f >= 0xFF) {
            bytes[i] = 0xFF;
            break;
        }
        bytes[i] = static_cast<unsigned char>(f);
    }
}

void makeKey(SortKey &key, QStringView text, quint32 index)
{
    makeKeyBytes(key.bytes, text);
    key.index = index;
}

// The sort key of a listed line: its whole text folded (a-z as A-Z) into
// bytes that sort as the text does: a code unit below U+00FF as one byte, any
// other as 0xFF and its two bytes, high first. Keys compare (bytes, then the
// shorter first) exactly as their lines do under lineLess, and equal keys
// belong to lines that lineLess holds equal, so the record (or the line's
// place) settles the rest without looking at the lines again.
// A key lives in its part's byte store at `at`.
struct KeyRef {
    quint64 at;
    qint64 record;
    quint32 length;
};

// The bytes of a part's keys, grown without clearing bytes that are about to
// be written anyway.
class KeyStore
{
public:
    // Room for `n` more bytes after those kept.
    unsigned char *room(size_t n)
    {
        if (m_size + n > m_capacity) {
            const size_t capacity = std::max({ 2 * m_capacity, m_size + n, m_hint, size_t(1) << 16 });
            std::unique_ptr<unsigned char[]> bytes(new unsigned char[capacity]);
            if (m_size > 0)
                std::memcpy(bytes.get(), m_bytes.get(), m_size);
            m_bytes = std::move(bytes);
            m_capacity = capacity;
        }
        return m_bytes.get() + m_size;
    }
    void keep(size_t n) { m_size += n; }
    size_t size() const { return m_size; }
    const unsigned char *data() const { return m_bytes.get(); }
    // The size to take at the first growth (an estimate of the whole).
    void hint(size_t bytes) { m_hint = bytes; }

private:
    std::unique_ptr<unsigned char[]> m_bytes;
    size_t m_size = 0;
    size_t m_capacity = 0;
    size_t m_hint = 0;
};

// Cp1252 byte -> its folded key bytes (one, or 0xFF and two), built once.
struct KeyBytes {
    unsigned char count;
    unsigned char bytes[3];
};
const KeyBytes *keyTable()
{
    static const auto table = [] {
        std::array<KeyBytes, 256> t {};
        const char16_t *decode = decodeTable();
        for (int i = 0; i < 256; ++i) {
            const char16_t f = foldUpper(decode[i]);
            if (f < 0xFF)
                t[size_t(i)] = { 1, { static_cast<unsigned char>(f), 0, 0 } };
            else
                t[size_t(i)]
                    = { 3, { 0xFF, static_cast<unsigned char>(f >> 8), static_cast<unsigned char>(f & 0xFF) } };
        }
        return t;
    }();
    return table.data();
}

size_t writeTextKey(QStringView text, unsigned char *out)
{
    size_t k = 0;
    for (const QChar c : text) {
        const char16_t f = foldUpper(c.unicode());
        if (f < 0xFF) {
            out[k++] = static_cast<unsigned char>(f);
        } else {
            out[k++] = 0xFF;
            out[k++] = static_cast<unsigned char>(f >> 8);
            out[k++] = static_cast<unsigned char>(f & 0xFF);
        }
    }
    return k;
}

void appendKey(KeyStore &store, KeyRef &ref, QStringView text)
{
    const size_t start = store.size();
    const size_t k = writeTextKey(text, store.room(3 * size_t(text.size())));
    store.keep(k);
    ref.at = start;
    ref.length = quint32(k);
}

bool keyLess(const unsigned char *storeA, const KeyRef &a, const unsigned char *storeB, const KeyRef &b)
{
    const quint32 common = qMin(a.length, b.length);
    if (const int c = std::memcmp(storeA + a.at, storeB + b.at, common); c != 0)
        return c < 0;
    if (a.length != b.length)
        return a.length < b.length;
    return a.record < b.record;
}

// The number of bytes at which two runs of `n` bytes first differ (n if none).
size_t commonPrefix(const unsigned char *a, const unsigned char *b, size_t n)
{
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            return i + size_t(qCountTrailingZeroBits(qFromLittleEndian(x) ^ qFromLittleEndian(y)) / 8);
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// Sorts the keys of one store by keyLess. A string sort that looks at each
// key's bytes a few at a time from the depth where its group of keys starts
// to differ: eight bytes of every key of a group are loaded once into a
// compact array and sorted there; keys that agree on them form a smaller
// group sorted from eight bytes further. Lines share long beginnings (padded
// columns, fixed texts), which a comparison sort would compare again and
// again from the first byte.
class KeySorter
{
public:
    explicit KeySorter(const unsigned char *store)
        : m_store(store)
    {
    }
    void sort(KeyRef *refs, size_t n)
    {
        m_cached.resize(n);
        m_scratch.resize(n);
        sortFrom(refs, n, 0);
    }

private:
    struct Cached {
        quint64 bytes; // big-endian: compares as the bytes do
        quint32 avail; // how many of the eight bytes the key has
        quint32 index;
    };
    static bool cachedLess(const Cached &a, const Cached &b)
    {
        return a.bytes != b.bytes ? a.bytes < b.bytes : a.avail < b.avail;
    }
    static bool sameCached(const Cached &a, const Cached &b) { return a.bytes == b.bytes && a.avail == b.avail; }

    Cached load(const KeyRef &ref, quint32 depth, quint32 index) const
    {
        const quint32 avail = ref.length > depth ? qMin<quint32>(ref.length - depth, 8) : 0;
        const unsigned char *p = m_store + ref.at + depth;
        quint64 v = 0;
        if (avail == 8) {
            v = qFromBigEndian<quint64>(p);
        } else {
            for (quint32 i = 0; i < avail; ++i)
                v |= quint64(p[i]) << (56 - 8 * i);
        }
        return { v, avail, index };
    }

    static void byRecord(KeyRef *refs, size_t n)
    {
        std::sort(refs, refs + n, [](const KeyRef &a, const KeyRef &b) { return a.record < b.record; });
    }

    void sortFrom(KeyRef *refs, size_t n, quint32 depth)
    {
        constexpr size_t kSmall = 24;
        while (n > 1) {
            if (n <= kSmall) {
                std::sort(refs, refs + n,
                    [this](const KeyRef &a, const KeyRef &b) { return keyLess(m_store, a, m_store, b); });
                return;
            }
            Cached *cached = m_cached.data();
            for (size_t i = 0; i < n; ++i) {
                if (i + 8 < n)
                    __builtin_prefetch(m_store + refs[i + 8].at + depth);
                cached[i] = load(refs[i], depth, quint32(i));
            }
            bool same = true;
            for (size_t i = 1; i < n && same; ++i)
                same = sameCached(cached[i], cached[0]);
            if (same) {
                if (cached[0].avail < 8) { // every key ends here: equal keys
                    byRecord(refs, n);
                    return;
                }
                // Every key holds these eight bytes: go on from where the
                // keys first differ.
                const KeyRef &first = refs[0];
                size_t common = first.length - depth;
                for (size_t i = 1; i < n && common > 8; ++i) {
                    const size_t room = qMin(first.length, refs[i].length) - depth;
                    common = commonPrefix(m_store + first.at + depth, m_store + refs[i].at + depth, qMin(common, room));
                }
                depth += quint32(qMax<size_t>(common, 8));
                continue;
            }
            std::sort(cached, cached + n, cachedLess);
            KeyRef *scratch = m_scratch.data();
            for (size_t i = 0; i < n; ++i)
                scratch[i] = refs[cached[i].index];
            std::copy(scratch, scratch + n, refs);
            // The groups of keys that agree on these bytes, then each sorted on.
            std::vector<std::pair<size_t, size_t>> groups; // (start, size) of groups with more to see
            std::vector<std::pair<size_t, size_t>> ended; // groups of equal keys
            for (size_t i = 0; i < n;) {
                size_t j = i + 1;
                while (j < n && sameCached(cached[j], cached[i]))
                    ++j;
                if (j - i > 1)
                    (cached[i].avail == 8 ? groups : ended).emplace_back(i, j - i);
                i = j;
            }
            for (const auto &[at, size] : ended)
                byRecord(refs + at, size);
            for (const auto &[at, size] : groups)
                sortFrom(refs + at, size, depth + 8);
            return;
        }
    }

    const unsigned char *m_store;
    std::vector<Cached> m_cached;
    std::vector<KeyRef> m_scratch;
};

void sortKeys(const unsigned char *store, std::vector<KeyRef> &refs)
{
    if (refs.size() > 1)
        KeySorter(store).sort(refs.data(), refs.size());
}

// The keys of a list, in memory of their own; a long list's keys in large
// pages where the system gives them, so they cost few page faults.
constexpr size_t kLargeKeyBytes = size_t(8) << 20;
struct KeyArray {
    explicit KeyArray(size_t count)
        : bytes(qMax<size_t>(1, count) * sizeof(SortKey))
    {
        void *p = nullptr;
#ifdef Q_OS_LINUX
        mapped = bytes >= kLargeKeyBytes;
        if (mapped) {
            p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (p == MAP_FAILED)
                throw std::bad_alloc();
            ::madvise(p, bytes, MADV_HUGEPAGE);
        }
#endif
        if (!mapped) {
            p = std::malloc(bytes);
            if (!p)
                throw std::bad_alloc();
        }
        data = static_cast<SortKey *>(p);
    }
    ~KeyArray()
    {
#ifdef Q_OS_LINUX
        if (mapped) {
            ::munmap(data, bytes);
            return;
        }
#endif
        std::free(data);
    }
    KeyArray(const KeyArray &) = delete;
    KeyArray &operator=(const KeyArray &) = delete;

    size_t bytes;
    bool mapped = false;
    SortKey *data = nullptr;
};
static_assert(std::is_trivially_copyable_v<SortKey>);

// How many parts side by side for `count` items of which `partFrom` make one
// part worth its thread: up to six, leaving two of the machine's threads to
// the rest of the desktop (the display server draws while a window fills).
int g_testParts = 0;

size_t partsFor(size_t count, size_t partFrom)
{
    const size_t hardware = std::thread::hardware_concurrency();
    const size_t spare = hardware > 2 ? hardware - 2 : 1;
    const size_t parts = g_testParts > 0 ? size_t(g_testParts) : std::min<size_t>(spare, 6);
    return count >= partFrom ? parts : 1;
}

qint64 g_testAvailable = -1;

} // namespace

int FieldRef::trimmedLength(const char *record) const
{
    int begin, end;
    trimmedSpan(reinterpret_cast<const unsigned char *>(record + offset), capacity, begin, end);
    return end - begin;
}

QByteArrayView FieldRef::trimmedBytes(const char *record) const
{
    int begin, end;
    trimmedSpan(reinterpret_cast<const unsigned char *>(record + offset), capacity, begin, end);
    return QByteArrayView(record + offset + begin, end - begin);
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

struct LineShape::Data {
    struct Column {
        LineShape::Column column;
        QByteArray beforeKey; // the folded key bytes of the fixed texts
        QByteArray betweenKey;
        // Whether the text before the column goes into the key: not when it
        // stands at the same place in every line (every column before it is
        // of a fixed width), where it can never decide an order.
        bool keyBefore = true;
    };
    std::vector<Column> columns;
    qsizetype fixedChars = 0;
    size_t maxKeyBytes = 0;
};

LineShape::LineShape(std::vector<Column> columns)
{
    auto data = std::make_shared<Data>();
    const auto key = [](const QString &text) {
        QByteArray bytes(3 * text.size(), Qt::Uninitialized);
        bytes.truncate(qsizetype(writeTextKey(text, reinterpret_cast<unsigned char *>(bytes.data()))));
        return bytes;
    };
    bool samePlace = true; // every column so far of a fixed width
    for (Column &c : columns) {
        const bool keyBefore = !samePlace;
        if (c.width < 0)
            samePlace = false;
        data->fixedChars += c.before.size() + qMax(0, c.width);
        data->maxKeyBytes += size_t(3 * c.before.size());
        if (c.width >= 0)
            data->maxKeyBytes += size_t(3 * c.width);
        else
            data->maxKeyBytes += size_t(3 * (c.field.capacity + c.between.size() + c.second.capacity));
        Data::Column d { std::move(c), {}, {}, keyBefore };
        d.beforeKey = key(d.column.before);
        d.betweenKey = key(d.column.between);
        data->columns.push_back(std::move(d));
    }
    m_data = std::move(data);
}

size_t LineShape::maxKeyBytes() const
{
    return m_data->maxKeyBytes;
}

QString LineShape::operator()(const char *record) const
{
    QString out;
    const Data::Column &last = m_data->columns.back();
    out.reserve(m_data->fixedChars + (last.column.width < 0 ? last.column.field.trimmedLength(record) : 0));
    for (const Data::Column &d : m_data->columns) {
        const Column &c = d.column;
        out += c.before;
        if (c.second.capacity == 0) {
            c.field.appendTo(out, record, c.width);
            continue;
        }
        const qsizetype start = out.size();
        c.field.appendTo(out, record);
        out += c.between;
        c.second.appendTo(out, record);
        if (c.width < 0)
            continue;
        if (out.size() > start + c.width)
            out.truncate(start + c.width);
        else
            out.append(QString(start + c.width - out.size(), QLatin1Char(' ')));
    }
    return out;
}

size_t LineShape::writeKey(const char *record, unsigned char *out) const
{
    const KeyBytes *table = keyTable();
    size_t k = 0;
    // The trimmed text of a field, at most `budget` characters of it; the
    // characters written are taken from the budget.
    const auto field = [&](const FieldRef &f, qsizetype &budget) {
        const auto *bytes = reinterpret_cast<const unsigned char *>(record + f.offset);
        int begin, end;
        trimmedSpan(bytes, f.capacity, begin, end);
        const qsizetype take = qMin<qsizetype>(end - begin, budget);
        for (qsizetype i = 0; i < take; ++i) {
            const KeyBytes &b = table[bytes[begin + i]];
            out[k] = b.bytes[0];
            if (b.count == 1) {
                ++k;
            } else {
                out[k + 1] = b.bytes[1];
                out[k + 2] = b.bytes[2];
                k += 3;
            }
        }
        budget -= take;
    };
    const auto fixed = [&](const QByteArray &key) {
        std::memcpy(out + k, key.constData(), size_t(key.size()));
        k += size_t(key.size());
    };
    constexpr qsizetype kWhole = std::numeric_limits<qsizetype>::max() / 2;
    for (const Data::Column &d : m_data->columns) {
        const Column &c = d.column;
        if (d.keyBefore)
            fixed(d.beforeKey);
        qsizetype budget = c.width < 0 ? kWhole : c.width;
        field(c.field, budget);
        if (c.second.capacity > 0) {
            if (budget >= c.between.size()) {
                fixed(d.betweenKey);
                budget -= c.between.size();
            } else {
                // The joining text cut inside: its first characters only.
                k += writeTextKey(QStringView(c.between).left(budget), out + k);
                budget = 0;
            }
            field(c.second, budget);
        }
        if (c.width >= 0) {
            std::memset(out + k, ' ', size_t(budget));
            k += size_t(budget);
        }
    }
    return k;
}

bool lineLess(QStringView a, QStringView b)
{
    return lineCompare(a, b) < 0;
}

void sortLines(ListLines &lines)
{
    const size_t n = lines.size();
    if (n < 2)
        return;
    Q_ASSERT(n <= std::numeric_limits<quint32>::max());
    KeyArray keyArray(n);
    SortKey *keys = keyArray.data;
    const auto less = [&lines](const SortKey &a, const SortKey &b) {
        if (const int c = std::memcmp(a.bytes, b.bytes, sizeof a.bytes); c != 0)
            return c < 0;
        // Equal whole keys of two lines at least kKeyChars long say that their
        // first kKeyChars characters compare equal: the lines differ after them.
        const QString &x = lines[a.index].text;
        const QString &y = lines[b.index].text;
        const bool wholeKeys
            = x.size() >= kKeyChars && y.size() >= kKeyChars && std::memchr(a.bytes, 0xFF, sizeof a.bytes) == nullptr;
        const qsizetype from = wholeKeys ? kKeyChars : 0;
        if (const int c = lineCompare(QStringView(x).mid(from), QStringView(y).mid(from)); c != 0)
            return c < 0;
        return a.index < b.index; // equal lines keep their file order
    };
    // A long list is keyed and sorted in a few parts side by side, then the
    // sorted parts are merged; the order is total (the index decides last),
    // so the result is the same as one sort.
    const size_t parts = partsFor(n, kPartLines);
    std::vector<size_t> bounds(parts + 1);
    for (size_t p = 0; p <= parts; ++p)
        bounds[p] = n * p / parts;
    const auto sortPart = [&](size_t p) {
        for (size_t i = bounds[p]; i < bounds[p + 1]; ++i)
            makeKey(keys[i], lines[i].text, quint32(i));
        std::sort(keys + std::ptrdiff_t(bounds[p]), keys + std::ptrdiff_t(bounds[p + 1]), less);
    };
    SideBySide::run(parts, sortPart);
    // The merged keys end in either array: both live until the lines are moved.
    std::optional<KeyArray> mergedArray;
    if (parts > 1) {
        mergedArray.emplace(n);
        SortKey *merged = mergedArray->data;
        for (size_t width = 1; width < parts; width *= 2) {
            const size_t pairs = (parts + 2 * width - 1) / (2 * width);
            SideBySide::run(pairs, [&](size_t pair) {
                const size_t first = bounds[2 * width * pair];
                const size_t middle = bounds[std::min(parts, 2 * width * pair + width)];
                const size_t last = bounds[std::min(parts, 2 * width * (pair + 1))];
                std::merge(keys + std::ptrdiff_t(first), keys + std::ptrdiff_t(middle), keys + std::ptrdiff_t(middle),
                    keys + std::ptrdiff_t(last), merged + std::ptrdiff_t(first), less);
            });
            std::swap(keys, merged);
        }
    }
    ListLines sorted;
    sorted.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const SortKey &key = keys[i];
        sorted.push_back(std::move(lines[key.index]));
    }
    lines.swap(sorted);
}

qint64 availableMemory()
{
    if (g_testAvailable >= 0)
        return g_testAvailable;
    return MemoryRoom::available();
}

void setAvailableMemoryForTest(qint64 bytes)
{
    g_testAvailable = bytes;
}

void setSideBySideForTest(int parts)
{
    g_testParts = qMax(0, parts);
}

qint64 lineBytes(int minChars)
{
    // The line in the list (twice while the list grows), its text with the
    // string header and terminator, its sort key, and the model's copy of
    // the line record.
    return qint64(3 * sizeof(ListLine)) + 16 + 2 * (qint64(minChars) + 1) + qint64(sizeof(SortKey));
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
        // The field's stored text as it is, blanks around it included.
        const auto *field = reinterpret_cast<const unsigned char *>(record + a.field.offset);
        if (!containsFolded(field + 1, storedLength(field, a.field.capacity), a.folded))
            return false;
    }
    return true;
}

void collectLines(const QString &path, int recordSize, const RecordTest &accept, const LineBuilder &line,
    ListLines &out, qint64 bytesPerLine)
{
    ArchiveFile file(path, recordSize);
    const qint64 records = file.count();
    if (!file.fitsInMemory())
        throw ListingMemoryError();
    if (bytesPerLine > 0) {
        const qint64 room = availableMemory();
        if (records > 0 && (records > room / bytesPerLine))
            throw ListingMemoryError();
    }
    // A large archive is read in a few parts side by side, each part making
    // its own lines; the parts are then joined in file order. A part that
    // fails keeps the lines before its failure, and the parts after it are
    // dropped, so the outcome is that of one pass.
    const size_t parts = partsFor(size_t(records), size_t(kPartRecordBytes / recordSize));
    std::vector<ListLines> partLines(parts);
    std::vector<std::exception_ptr> failures(parts);
    // The read blocks come from this thread, whose memory is already at hand.
    std::vector<QByteArray> blocks(parts);
    try {
        for (QByteArray &block : blocks)
            block.reserve(qMax(1 << 20, recordSize));
    } catch (const std::bad_alloc &) {
        throw ListingMemoryError();
    }
    SideBySide::run(parts, [&](size_t part) {
        const qint64 first = records * qint64(part) / qint64(parts);
        const qint64 last = records * qint64(part + 1) / qint64(parts);
        ListLines &lines = parts == 1 ? out : partLines[part];
        try {
            file.scanRange(
                first, last,
                [&](qint64 index, const char *record) {
                    if (!accept || accept(record))
                        lines.push_back(ListLine { line(record), index });
                },
                blocks[part]);
        } catch (...) {
            failures[part] = std::current_exception();
        }
    });
    try {
        for (size_t part = 0; part < parts; ++part) {
            if (failures[part]) {
                try {
                    std::rethrow_exception(failures[part]);
                } catch (const std::bad_alloc &) {
                    throw;
                } catch (...) {
                    for (ListLine &l : partLines[part])
                        out.push_back(std::move(l));
                    throw;
                }
            }
            if (parts == 1)
                break;
            if (part == 0) {
                size_t total = out.size();
                for (const ListLines &lines : partLines)
                    total += lines.size();
                out.reserve(total);
            }
            for (ListLine &l : partLines[part])
                out.push_back(std::move(l));
            ListLines().swap(partLines[part]);
        }
    } catch (const std::bad_alloc &) {
        ListLines().swap(out); // give the memory back before anything else runs
        partLines.clear();
        throw ListingMemoryError();
    }
    file.close();
}

// The keys that collect makes, one array per part of the archive read side
// by side (each in file order).
struct RecordListing::Keys {
    struct Part {
        KeyStore store;
        std::vector<KeyRef> refs;
        bool sorted = false;
    };
    std::vector<Part> parts;
};

RecordListing::RecordListing() = default;
RecordListing::~RecordListing() = default;
RecordListing::RecordListing(RecordListing &&) noexcept = default;
RecordListing &RecordListing::operator=(RecordListing &&) noexcept = default;

void RecordListing::clear()
{
    m_records = {};
    m_texts = {};
    m_recent = {};
    m_keys.reset();
    m_file.reset();
    m_line = {};
    m_recordSize = 0;
}

void RecordListing::append(const QString &text, qint64 record)
{
    Q_ASSERT(!m_file);
    m_records.push_back(record);
    m_texts.push_back(text);
}

void RecordListing::collect(
    const QString &path, int recordSize, const RecordTest &accept, const LineBuilder &line, qint64 bytesPerLine)
{
    clear();
    m_file = std::make_unique<ArchiveFile>(path, recordSize);
    m_recordSize = recordSize;
    m_line = line;
    const ArchiveFile &file = *m_file;
    const qint64 records = file.count();
    if (!file.fitsInMemory()) {
        clear();
        throw ListingMemoryError();
    }
    if (bytesPerLine > 0) {
        const qint64 room = availableMemory();
        if (records > 0 && (records > room / bytesPerLine))
            throw ListingMemoryError();
    }
    // A large archive is read by a few workers side by side, each taking the
    // next chunk of records as it comes free (so a worker that starts late or
    // runs slow takes fewer chunks) and keeping its own records (and keys).
    // A chunk that fails keeps what it took before its failure, and what
    // lies after that record is dropped, so the outcome is that of one pass.
    const size_t workers = partsFor(size_t(records), size_t(kPartRecordBytes / recordSize));
    const qint64 perChunk = workers == 1 ? qMax<qint64>(1, records) : qMax<qint64>(1, kChunkBytes / recordSize);
    const qint64 chunks = (records + perChunk - 1) / perChunk;
    // The records a worker took from one chunk: [from, to) of its records or keys.
    struct Span {
        qint64 chunk;
        size_t from, to;
    };
    struct WorkerOut {
        std::vector<qint64> records;
        KeyStore store; // the worker's keys
        std::vector<KeyRef> refs;
        std::vector<Span> spans;
        QByteArray block;
        std::exception_ptr failure; // that of its first failing chunk
        qint64 failedChunk = std::numeric_limits<qint64>::max();
        qint64 failedAt = 0; // the first record that chunk did not take
        std::exception_ptr sortFailure;
    };
    std::vector<WorkerOut> outs(workers);
    try {
        for (WorkerOut &out : outs) {
            out.block.reserve(qMax(1 << 20, recordSize));
            out.spans.reserve(size_t(chunks));
        }
    } catch (const std::bad_alloc &) {
        clear();
        throw ListingMemoryError();
    }
    const bool keyed = m_sorted;
    const LineShape *shape = line.target<LineShape>();
    const size_t maxKey = shape ? shape->maxKeyBytes() : 0;
    std::atomic<qint64> nextChunk { 0 };
    std::atomic<qint64> firstFailure { std::numeric_limits<qint64>::max() };
    // About a worker's share, with room to spare: memory never touched costs nothing.
    const size_t share = workers == 1 ? size_t(records)
                                      : size_t(records) / workers + size_t(records) / (2 * workers) + size_t(perChunk);
    SideBySide::run(workers, [&](size_t worker) {
        WorkerOut &out = outs[worker];
        try {
            if (keyed)
                out.refs.reserve(share);
            else
                out.records.reserve(share);
        } catch (const std::bad_alloc &) {
            out.failure = std::current_exception();
            out.failedChunk = -1;
            firstFailure.store(-1);
            return;
        }
        for (;;) {
            const qint64 chunk = nextChunk.fetch_add(1);
            // Chunks after a failed one are not needed.
            if (chunk >= chunks || chunk > firstFailure.load())
                break;
            const qint64 first = chunk * perChunk;
            const qint64 last = qMin(records, first + perChunk);
            qint64 reached = first;
            const size_t from = keyed ? out.refs.size() : out.records.size();
            try {
                file.scanRange(
                    first, last,
                    [&](qint64 index, const char *record) {
                        reached = index + 1;
                        if (accept && !accept(record))
                            return;
                        if (!keyed) {
                            out.records.push_back(index);
                            return;
                        }
                        KeyRef &key = out.refs.emplace_back();
                        key.record = index;
                        if (shape) {
                            if (out.refs.size() == 1) // the keys are about as long as the first
                                out.store.hint(share * (shape->writeKey(record, out.store.room(maxKey)) + 8));
                            key.at = out.store.size();
                            key.length = quint32(shape->writeKey(record, out.store.room(maxKey)));
                            out.store.keep(key.length);
                        } else {
                            appendKey(out.store, key, line(record));
                        }
                    },
                    out.block);
            } catch (...) {
                if (chunk < out.failedChunk) {
                    out.failure = std::current_exception();
                    out.failedChunk = chunk;
                    out.failedAt = reached;
                }
                qint64 seen = firstFailure.load();
                while (chunk < seen && !firstFailure.compare_exchange_weak(seen, chunk)) { }
            }
            out.spans.push_back({ chunk, from, keyed ? out.refs.size() : out.records.size() });
        }
        out.block = QByteArray();
        // The worker's keys sorted here, while they are at hand.
        if (keyed) {
            try {
                sortKeys(out.store.data(), out.refs);
            } catch (...) {
                out.sortFailure = std::current_exception();
            }
        }
    });
    // The first failure in file order: what lies after its record is dropped.
    const WorkerOut *failed = nullptr;
    for (const WorkerOut &out : outs)
        if (out.failure && (!failed || out.failedChunk < failed->failedChunk))
            failed = &out;
    std::exception_ptr failure = failed ? failed->failure : nullptr;
    const qint64 keptBelow = failed ? failed->failedAt : records;
    if (!failure)
        for (const WorkerOut &out : outs)
            if (out.sortFailure)
                failure = out.sortFailure;
    try {
        if (failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const std::bad_alloc &) {
                throw;
            } catch (...) {
            }
        }
        if (keyed) {
            // Each worker's keys stay one sorted run; a failure only drops keys.
            m_keys = std::make_unique<Keys>();
            size_t total = 0;
            for (WorkerOut &out : outs) {
                if (keptBelow < records)
                    out.refs.erase(std::remove_if(out.refs.begin(), out.refs.end(),
                                       [keptBelow](const KeyRef &k) { return k.record >= keptBelow; }),
                        out.refs.end());
                total += out.refs.size();
            }
            m_records.reserve(total);
            for (WorkerOut &out : outs) {
                for (const KeyRef &key : out.refs)
                    m_records.push_back(key.record);
                m_keys->parts.push_back({ std::move(out.store), std::move(out.refs), !out.sortFailure });
            }
        } else {
            // The chunks joined in file order, up to the failure.
            std::vector<std::pair<qint64, std::pair<const WorkerOut *, Span>>> order;
            size_t total = 0;
            for (const WorkerOut &out : outs)
                for (const Span &span : out.spans)
                    if (span.chunk * perChunk < keptBelow) {
                        order.push_back({ span.chunk, { &out, span } });
                        total += span.to - span.from;
                    }
            std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
            m_records.reserve(total);
            for (const auto &[chunk, where] : order) {
                const auto &[out, span] = where;
                for (size_t i = span.from; i < span.to; ++i)
                    if (out->records[i] < keptBelow)
                        m_records.push_back(out->records[i]);
            }
        }
    } catch (const std::bad_alloc &) {
        outs.clear();
        clear(); // give the memory back before anything else runs
        throw ListingMemoryError();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void RecordListing::sort()
{
    const size_t n = m_records.size();
    const bool given = !m_file; // a list given its texts
    std::vector<Keys::Part> parts;
    if (m_keys) {
        parts = std::move(m_keys->parts);
        m_keys.reset();
    } else if (given && n > 1) {
        Keys::Part &part = parts.emplace_back();
        part.refs.resize(n);
        for (size_t i = 0; i < n; ++i) {
            part.refs[i].record = qint64(i);
            appendKey(part.store, part.refs[i], m_texts[i]);
        }
    }
    if (n < 2 || parts.empty())
        return;
    // Each part sorted on its own thread (collect sorts the parts it reads;
    // a part with many lines is sorted here in pieces side by side), then
    // the sorted runs merged in one pass; the order is total (the record
    // decides last), so the result is that of one sort.
    struct Run {
        const unsigned char *store;
        std::vector<KeyRef> refs;
    };
    std::vector<Run> runs;
    for (Keys::Part &part : parts) {
        if (part.sorted)
            runs.push_back({ part.store.data(), std::move(part.refs) });
    }
    const size_t sortedRuns = runs.size();
    std::vector<Run *> unsorted;
    for (Keys::Part &part : parts) {
        if (part.sorted)
            continue;
        const size_t count = part.refs.size();
        const size_t pieces = partsFor(count, kPartLines);
        for (size_t p = 0; p < pieces; ++p)
            runs.push_back({ part.store.data(),
                std::vector<KeyRef>(part.refs.begin() + std::ptrdiff_t(count * p / pieces),
                    part.refs.begin() + std::ptrdiff_t(count * (p + 1) / pieces)) });
        std::vector<KeyRef>().swap(part.refs);
    }
    for (size_t r = sortedRuns; r < runs.size(); ++r)
        unsorted.push_back(&runs[r]);
    if (!unsorted.empty())
        SideBySide::run(unsorted.size(), [&](size_t u) { sortKeys(unsorted[u]->store, unsorted[u]->refs); });
    // The merge: the smallest head of the runs, each time. A long list is
    // merged in slices side by side: keys of the longest run at even steps
    // cut every run, and slice j of the list is the merge of the runs' slices
    // j (the order is total, so the cuts agree across the runs).
    std::vector<qint64> order(n);
    size_t longest = 0;
    for (size_t r = 1; r < runs.size(); ++r)
        if (runs[r].refs.size() > runs[longest].refs.size())
            longest = r;
    const size_t slices = runs.size() > 1 ? partsFor(n, kPartLines) : 1;
    // cuts[j][r]: where slice j begins in run r.
    std::vector<std::vector<size_t>> cuts(slices + 1, std::vector<size_t>(runs.size(), 0));
    for (size_t r = 0; r < runs.size(); ++r)
        cuts[slices][r] = runs[r].refs.size();
    for (size_t j = 1; j < slices; ++j) {
        const Run &big = runs[longest];
        const KeyRef &cut = big.refs[big.refs.size() * j / slices];
        for (size_t r = 0; r < runs.size(); ++r) {
            const Run &run = runs[r];
            cuts[j][r]
                = size_t(std::lower_bound(run.refs.begin(), run.refs.end(), cut, [&](const KeyRef &a, const KeyRef &b) {
                      return keyLess(run.store, a, big.store, b);
                  }) - run.refs.begin());
        }
    }
    // Every slice's memory taken here: nothing is allocated on the helper threads.
    std::vector<std::vector<size_t>> headsOf(cuts.begin(), cuts.end() - 1);
    std::vector<std::vector<size_t>> queues(slices);
    for (std::vector<size_t> &queue : queues)
        queue.reserve(runs.size());
    SideBySide::run(slices, [&](size_t j) {
        size_t at = 0;
        for (size_t r = 0; r < runs.size(); ++r)
            at += cuts[j][r];
        std::vector<size_t> &heads = headsOf[j];
        const std::vector<size_t> &ends = cuts[j + 1];
        const auto greater = [&](size_t a, size_t b) { // a heap's "less" for the smallest on top
            return keyLess(runs[b].store, runs[b].refs[heads[b]], runs[a].store, runs[a].refs[heads[a]]);
        };
        std::vector<size_t> &queue = queues[j];
        for (size_t r = 0; r < runs.size(); ++r)
            if (heads[r] < ends[r])
                queue.push_back(r);
        std::make_heap(queue.begin(), queue.end(), greater);
        constexpr size_t kAhead = 8;
        while (!queue.empty()) {
            std::pop_heap(queue.begin(), queue.end(), greater);
            const size_t r = queue.back();
            order[at++] = runs[r].refs[heads[r]].record;
            if (heads[r] + kAhead < ends[r])
                __builtin_prefetch(runs[r].store + runs[r].refs[heads[r] + kAhead].at);
            if (++heads[r] < ends[r])
                std::push_heap(queue.begin(), queue.end(), greater);
            else
                queue.pop_back();
        }
    });
    runs.clear();
    parts.clear();
    if (given) {
        std::vector<qint64> records(n);
        std::vector<QString> texts(n);
        for (size_t i = 0; i < n; ++i) {
            const size_t from = size_t(order[i]);
            records[i] = m_records[from];
            texts[i] = std::move(m_texts[from]);
        }
        m_records.swap(records);
        m_texts.swap(texts);
    } else {
        m_records.swap(order);
    }
    m_recent = {};
}

bool RecordListing::readRecord(qint64 record, QByteArray &bytes) const
{
    if (!m_file)
        return false;
    bool read = false;
    try {
        // The record is read into `bytes` itself.
        m_file->scanRange(
            record, record + 1, [&](qint64, const char *) { read = true; }, bytes);
    } catch (...) {
        return false;
    }
    return read;
}

QString RecordListing::makeText(qint64 record) const
{
    QByteArray bytes;
    if (!m_line || !readRecord(record, bytes))
        return QString();
    try {
        return m_line(bytes.constData());
    } catch (...) {
        return QString();
    }
}

QString RecordListing::text(qsizetype row) const
{
    if (row < 0 || row >= size())
        return QString();
    if (m_texts.size() == m_records.size())
        return m_texts[size_t(row)];
    if (m_recent.empty())
        m_recent.assign(kRecentLines, { qsizetype(-1), QString() });
    auto &slot = m_recent[size_t(row) % kRecentLines];
    if (slot.first != row)
        slot = { row, makeText(m_records[size_t(row)]) };
    return slot.second;
}

void RecordListing::readTexts(const std::vector<std::pair<qint64, quint32>> &byRecord, std::vector<QString> &out) const
{
    qint64 count = 0;
    try {
        count = m_file ? m_file->count() : 0;
    } catch (...) {
    }
    if (byRecord.empty() || count == 0)
        return;
    if (qint64(byRecord.size()) * 32 < count) {
        // A few lines of a large archive: each read on its own.
        for (const auto &[record, slot] : byRecord)
            out[slot] = makeText(record);
        return;
    }
    const qint64 first = byRecord.front().first;
    const qint64 last = qMin(count, byRecord.back().first + 1);
    if (last <= first)
        return;
    const size_t parts = partsFor(size_t(last - first), size_t(kPartRecordBytes / m_recordSize));
    SideBySide::run(parts, [&](size_t part) {
        const qint64 from = first + (last - first) * qint64(part) / qint64(parts);
        const qint64 to = first + (last - first) * qint64(part + 1) / qint64(parts);
        auto at = std::lower_bound(byRecord.begin(), byRecord.end(), std::pair<qint64, quint32>(from, 0));
        QByteArray block;
        try {
            m_file->scanRange(
                from, to,
                [&](qint64 index, const char *record) {
                    while (at != byRecord.end() && at->first == index) {
                        out[at->second] = m_line(record);
                        ++at;
                    }
                },
                block);
        } catch (...) {
            // Lines that could not be read stay empty.
        }
    });
}

void RecordListing::makeAllTexts() const
{
    const size_t n = m_records.size();
    if (m_texts.size() == n)
        return;
    std::vector<QString> texts(n);
    // The rows in file order, so that the archive is read forwards once.
    std::vector<std::pair<qint64, quint32>> byRecord(n);
    for (size_t row = 0; row < n; ++row)
        byRecord[row] = { m_records[row], quint32(row) };
    std::sort(byRecord.begin(), byRecord.end());
    readTexts(byRecord, texts);
    m_texts.swap(texts);
    m_recent = {};
}

QStringList RecordListing::texts() const
{
    makeAllTexts();
    return QStringList(m_texts.begin(), m_texts.end());
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
