#include "common/SpreadsheetExport.h"

#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/RecordLayout.h"
#include "common/SafeFileWriter.h"
#include "common/SideBySide.h"
#include "common/TextRoutines.h"

#include <QFileDevice>
#include <QIODevice>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <limits>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>
#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace SpreadsheetExport
{

namespace
{

// Everything up to the sheet name, and from it to the title row.
constexpr char kHead[] = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
                         " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
                         " xmlns=\"http://www.w3.org/TR/REC-html40\">"
                         "<head>"
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                         "<!--[if gte mso 9]><xml>"
                         "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
                         "<x:Name>";
constexpr char kAfterName[]
    = "</x:Name>"
      "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
      "</x:Pane></x:Panes>"
      "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
      "<x:ProtectScenarios>False</x:ProtectScenarios>"
      "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
      "</xml><![endif]-->";
// Declared only when a column is marked as text: its cells keep what was typed.
constexpr char kTextStyle[] = "<style>td.txt{mso-number-format:\"\\@\";}</style>";
constexpr char kBodyOpen[] = "</head><body><table x:str>";
constexpr char kTitleOpen[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char kLeftOpen[] = "<td style=\"text-align: left;\">";
constexpr char kRightOpen[] = "<td style=\"text-align: right;\">";
constexpr char kLeftTextOpen[] = "<td style=\"text-align: left;\" class=\"txt\" sdnum=\"1040;0;@\">";
constexpr char kRightTextOpen[] = "<td style=\"text-align: right;\" class=\"txt\" sdnum=\"1040;0;@\">";
// A cell of another column that a spreadsheet would read as a formula: the
// text format in the cell itself (the header may declare no text class).
constexpr char kLeftFormulaOpen[]
    = "<td style=\"text-align: left; mso-number-format:'\\@';\" class=\"txt\" sdnum=\"1040;0;@\">";
constexpr char kRightFormulaOpen[]
    = "<td style=\"text-align: right; mso-number-format:'\\@';\" class=\"txt\" sdnum=\"1040;0;@\">";
constexpr char kCellClose[] = "</td>";
constexpr char kRowOpen[] = "<tr>";
constexpr char kRowClose[] = "</tr>";
constexpr char kTail[] = "</table></body></html>";

constexpr qsizetype kBlock = 1 << 20;

// The bytes that a cell cannot hold as they are: markup, and the control
// characters (line breaks, BEL, ESC, VT, ...), which are written as blanks.
struct SpecialBytes {
    bool table[256] = {};
    constexpr SpecialBytes()
    {
        for (int b = 0; b < 0x20; ++b)
            table[b] = true;
        table[0x7F] = true;
        table[uchar('&')] = table[uchar('<')] = table[uchar('>')] = true;
    }
};
constexpr SpecialBytes kSpecial;

// Appends Windows-1252 bytes with markup written as entities and control
// characters as blanks.
void appendEscaped(QByteArray &out, const char *s, qsizetype n)
{
    qsizetype run = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(s[i]);
        if (!kSpecial.table[b])
            continue;
        out.append(s + run, i - run);
        run = i + 1;
        switch (b) {
        case '&':
            out.append("&amp;", 5);
            break;
        case '<':
            out.append("&lt;", 4);
            break;
        case '>':
            out.append("&gt;", 4);
            break;
        default:
            out.append(' ');
            break;
        }
    }
    out.append(s + run, n - run);
}

// An archive of this many bytes and more is read into a grid in parts side
// by side. Not less: each part's read block stays with its thread's memory,
// and a grid holds no more than its archive.
constexpr qint64 kBytesPerPart = qint64(16) << 20;

// How many parts side by side for an archive of `bytes`: one per
// kBytesPerPart, at most half the machine's threads, at least one.
int partsToRead(qint64 bytes)
{
    const qint64 helpersAtMost = qMax(1, int(std::thread::hardware_concurrency()) / 2);
    return int(qBound(qint64(1), bytes / kBytesPerPart, helpersAtMost));
}

// The same into room made beforehand (at most five bytes for each byte).
char *putEscaped(char *p, const char *s, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(s[i]);
        if (!kSpecial.table[b]) {
            *p++ = char(b);
            continue;
        }
        switch (b) {
        case '&':
            std::memcpy(p, "&amp;", 5);
            p += 5;
            break;
        case '<':
            std::memcpy(p, "&lt;", 4);
            p += 4;
            break;
        case '>':
            std::memcpy(p, "&gt;", 4);
            p += 4;
            break;
        default:
            *p++ = ' ';
            break;
        }
    }
    return p;
}

// Whether a spreadsheet would read a cell (its bytes as written) as a
// formula: it begins with '=', or with '+', '-' or '@' and is not a plain
// number (a sign, then digits with single '.' or ',' between them).
bool readAsFormula(QByteArrayView cell)
{
    if (cell.isEmpty())
        return false;
    const char lead = cell.front();
    if (lead == '=')
        return true;
    if (lead != '+' && lead != '-' && lead != '@')
        return false;
    if (lead == '@' || cell.size() == 1)
        return true;
    bool digitBefore = false;
    for (qsizetype i = 1; i < cell.size(); ++i) {
        const char c = cell[i];
        if (c >= '0' && c <= '9') {
            digitBefore = true;
        } else if ((c == '.' || c == ',') && digitBefore) {
            digitBefore = false;
        } else {
            return true;
        }
    }
    return !digitBefore;
}

// A cell that a spreadsheet would read as a formula (its bytes from `cell` to
// the end of `out`, behind its opening tag) gets the opening tag of a text
// cell in place of a plain one, so it is shown as the text it is.
void keepFormulaAsText(QByteArray &out, qsizetype cell)
{
    if (!readAsFormula(QByteArrayView(out).sliced(cell)))
        return;
    for (const auto &[plain, text] :
        { std::pair { kLeftOpen, kLeftFormulaOpen }, std::pair { kRightOpen, kRightFormulaOpen } }) {
        const qsizetype n = qsizetype(std::strlen(plain));
        if (cell >= n && QByteArrayView(out).sliced(cell - n, n) == QByteArrayView(plain, n)) {
            out.replace(cell - n, n, text);
            return;
        }
    }
}

// A stored field's text, trimmed as loading trims it (codes 32 and below).
QByteArrayView trimmedField(const char *field, int capacity)
{
    const char *s = field + 1;
    qsizetype begin = 0;
    qsizetype end = qMin(int(uchar(field[0])), capacity);
    while (begin < end && uchar(s[begin]) <= 32)
        ++begin;
    while (end > begin && uchar(s[end - 1]) <= 32)
        --end;
    return QByteArrayView(s + begin, end - begin);
}

// Collects the pieces and hands the device blocks of about 1 MB; every write
// is checked to its last byte. A file (a SafeFileWriter, or an open file the
// caller gives) is written by a second thread while the next blocks are made.
// A failed write is thrown to the caller at the next block or at finish().
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice &device)
        : m_device(device)
    {
        m_buffer.reserve(kBlock + 64 * 1024);
        const auto *file = qobject_cast<QFileDevice *>(&device);
        if (qobject_cast<SafeFileWriter *>(&device) || (file && file->handle() >= 0))
            m_thread = std::thread([this] { writeLoop(); });
    }
    ~BlockWriter()
    {
        if (m_thread.joinable()) {
            {
                std::lock_guard lock(m_mutex);
                m_stop = true;
            }
            m_changed.notify_all();
            m_thread.join();
        }
    }
    BlockWriter(const BlockWriter &) = delete;
    BlockWriter &operator=(const BlockWriter &) = delete;

    QByteArray &buffer() { return m_buffer; }

    template <qsizetype N> void put(const char (&literal)[N]) { m_buffer.append(literal, N - 1); }
    void put(const QByteArray &bytes) { m_buffer.append(bytes); }
    void putText(QStringView text) { appendCellBytes(m_buffer, text); }
    void flushIfFull()
    {
        if (m_buffer.size() >= kBlock)
            flush();
    }
    void flush()
    {
        if (!m_thread.joinable()) {
            writeBlock(m_buffer);
            m_buffer.resize(0);
            return;
        }
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_queue.size() < kQueued || !m_error.isNull(); });
        if (!m_error.isNull())
            throw WriteError(m_error);
        m_queue.push_back(std::move(m_buffer));
        if (m_free.empty()) {
            m_buffer = QByteArray();
            m_buffer.reserve(kBlock + 64 * 1024);
        } else {
            m_buffer = std::move(m_free.back());
            m_free.pop_back();
        }
        lock.unlock();
        m_changed.notify_all();
    }
    // Writes what is left and waits until every byte is with the device.
    void finish()
    {
        flush();
        if (!m_thread.joinable())
            return;
        {
            std::unique_lock lock(m_mutex);
            m_done = true;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_queue.empty() || !m_error.isNull(); });
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
        if (!m_error.isNull())
            throw WriteError(m_error);
    }

private:
    static constexpr size_t kQueued = 4;

    void writeBlock(const QByteArray &block)
    {
        const char *p = block.constData();
        qsizetype left = block.size();
        while (left > 0) {
            const qint64 done = m_device.write(p, left);
            if (done <= 0) {
                const QString reason = m_device.errorString();
                throw WriteError(reason.isEmpty() ? QStringLiteral("scrittura non riuscita") : reason);
            }
            p += done;
            left -= done;
        }
    }

    void writeLoop()
    {
        for (;;) {
            QByteArray block;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_queue.empty() || m_stop; });
                if (m_queue.empty() || (m_stop && !m_done))
                    return;
                block = std::move(m_queue.front());
                m_queue.pop_front();
            }
            QString error;
            try {
                writeBlock(block);
            } catch (const WriteError &e) {
                error = QString::fromStdString(e.what());
            }
            {
                std::lock_guard lock(m_mutex);
                if (!error.isNull()) {
                    m_error = error;
                    m_queue.clear();
                }
                block.resize(0);
                m_free.push_back(std::move(block));
            }
            m_changed.notify_all();
            if (!error.isNull())
                return;
        }
    }

    QIODevice &m_device;
    QByteArray m_buffer;

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_queue;
    std::vector<QByteArray> m_free;
    QString m_error;
    bool m_done = false;
    bool m_stop = false;
};

// The record bytes of an archive as read, in memory the system hands out in
// large pages where it can (fewer faults while reading).
void *allocateLarge(size_t bytes)
{
#ifdef Q_OS_LINUX
    void *p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return nullptr;
    ::madvise(p, bytes, MADV_HUGEPAGE);
    return p;
#else
    return std::malloc(bytes);
#endif
}

void releaseLarge(void *p, size_t bytes)
{
    if (!p)
        return;
#ifdef Q_OS_LINUX
    ::munmap(p, bytes);
#else
    Q_UNUSED(bytes);
    std::free(p);
#endif
}

// What an export may hold of an archive: half of the computer's memory.
qint64 memoryBound()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return qint64(1) << 30;
    return qint64(pages) * pageSize / 2;
}

// Puts `order` (0, 1, ... n - 1) in the order of the keys, compared without
// case as QString::compare does it, equal keys in their first order. Short
// ASCII keys (the usual case: dates, times, codes) are compared as bytes
// folded once; any other key set is compared as strings.
void sortByKey(const std::vector<QString> &keys, std::vector<qint64> &order)
{
    constexpr qsizetype kShort = 24;
    struct Folded {
        char bytes[kShort];
        quint8 length;
        quint32 index;
    };
    const size_t n = keys.size();
    bool bytewise = n <= std::numeric_limits<quint32>::max();
    std::vector<Folded> folded;
    if (bytewise)
        folded.resize(n);
    for (size_t i = 0; bytewise && i < n; ++i) {
        const QString &key = keys[i];
        Folded &f = folded[i];
        if (key.size() > kShort) {
            bytewise = false;
            break;
        }
        f.length = quint8(key.size());
        f.index = quint32(i);
        std::memset(f.bytes, 0, sizeof f.bytes);
        for (qsizetype k = 0; k < key.size(); ++k) {
            const char16_t c = key.at(k).unicode();
            if (c >= 0x80) {
                bytewise = false;
                break;
            }
            f.bytes[k] = char(c >= u'A' && c <= u'Z' ? c + 32 : c);
        }
    }
    if (!bytewise) {
        std::stable_sort(order.begin(), order.end(), [&keys](qint64 a, qint64 b) {
            return QString::compare(keys[size_t(a)], keys[size_t(b)], Qt::CaseInsensitive) < 0;
        });
        return;
    }
    std::sort(folded.begin(), folded.end(), [](const Folded &a, const Folded &b) {
        // Lower-case folding, as the string comparison folds ASCII; a key
        // that is the beginning of another comes first.
        if (const int c = std::memcmp(a.bytes, b.bytes, std::min(a.length, b.length)); c != 0)
            return c < 0;
        if (a.length != b.length)
            return a.length < b.length;
        return a.index < b.index;
    });
    for (size_t i = 0; i < n; ++i)
        order[i] = qint64(folded[i].index);
}

} // namespace

// ---------------------------------------------------------------------------

void appendCellBytes(QByteArray &out, QStringView text)
{
    const QStringView cell = TrimmedView(text);
    const QChar *s = cell.data();
    const qsizetype n = cell.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ch = s[i].unicode();
        switch (ch) {
        case u'&':
            out.append("&amp;", 5);
            continue;
        case u'<':
            out.append("&lt;", 4);
            continue;
        case u'>':
            out.append("&gt;", 4);
            continue;
        default:
            break;
        }
        if (ch < 0x20 || ch == 0x7F) {
            out.append(' '); // a control character: line breaks, BEL, ESC, VT...
            continue;
        }
        if (QChar::isHighSurrogate(ch) && i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
            out.append('?'); // one character beyond the code page, one '?'
            ++i;
            continue;
        }
        const int b = Cp1252::byteFor(ch);
        out.append(char(b < 0 ? '?' : b));
    }
}

QByteArray cellBytes(QStringView text)
{
    QByteArray out;
    appendCellBytes(out, text);
    return out;
}

void appendFieldBytes(QByteArray &out, const char *field, int capacity)
{
    const QByteArrayView text = trimmedField(field, capacity);
    appendEscaped(out, text.data(), text.size());
}

void write(QIODevice &device, const QString &sheetName, const QList<Column> &columns, const Rows &rows)
{
    BlockWriter out(device);
    out.put(kHead);
    out.putText(sheetName);
    out.put(kAfterName);
    bool anyText = false;
    for (const Column &column : columns)
        anyText = anyText || column.text;
    if (anyText)
        out.put(kTextStyle);
    out.put(kBodyOpen);

    out.put(kRowOpen);
    for (const Column &column : columns) {
        out.put(kTitleOpen);
        out.put(QByteArray::number(column.width));
        out.put(">");
        out.putText(column.title);
        out.put(kCellClose);
    }
    out.put(kRowClose);
    out.flushIfFull();

    // What stands before each data cell of a row: the closing of the cell
    // before it (or the row's opening) and the cell's opening tag.
    const int columnCount = int(columns.size());
    QList<QByteArray> before;
    for (int c = 0; c < columnCount; ++c) {
        QByteArray piece = c == 0 ? QByteArray(kRowOpen) : QByteArray(kCellClose);
        const Column &column = columns[c];
        if (column.text)
            piece += column.alignRight ? kRightTextOpen : kLeftTextOpen;
        else
            piece += column.alignRight ? kRightOpen : kLeftOpen;
        before.append(piece);
    }
    const QByteArray rowEnd = columnCount > 0 ? QByteArray(kCellClose) + kRowClose : QByteArray(kRowOpen) + kRowClose;

    QByteArray &buffer = out.buffer();
    for (qsizetype row = 0; row < rows.count; ++row) {
        if (rows.appendRow) {
            rows.appendRow(row, before, rowEnd, buffer);
            out.flushIfFull();
            continue;
        }
        for (int c = 0; c < columnCount; ++c) {
            buffer.append(before[c]);
            const qsizetype cell = buffer.size();
            if (rows.appendCell)
                rows.appendCell(row, c, buffer);
            else if (rows.cell)
                appendCellBytes(buffer, rows.cell(row, c));
            keepFormulaAsText(buffer, cell);
        }
        buffer.append(rowEnd);
        out.flushIfFull();
    }
    out.put(kTail);
    out.finish();
}

void writeFile(const QString &path, const QString &sheetName, const QList<Column> &columns, const Rows &rows)
{
    // Every byte goes through a checked write to the temporary; the commit
    // syncs it and puts it in place only when all of it reached the disk.
    SafeFileWriter file(path);
    const auto reason = [&file] {
        const QString text = file.failure().reason();
        return text.isEmpty() ? QStringLiteral("scrittura non riuscita") : text;
    };
    if (!file.open(QIODevice::WriteOnly))
        throw WriteError(reason());
    try {
        write(file, sheetName, columns, rows);
    } catch (...) {
        file.cancel();
        throw;
    }
    if (!file.commit())
        throw WriteError(reason());
}

// ---------------------------------------------------------------------------

struct RecordRows::Buffer {
    explicit Buffer(size_t bytes)
        : size(bytes)
        , data(static_cast<char *>(allocateLarge(bytes)))
    {
        if (!data)
            throw std::bad_alloc();
    }
    ~Buffer() { releaseLarge(data, size); }
    Buffer(const Buffer &) = delete;
    Buffer &operator=(const Buffer &) = delete;

    size_t size;
    char *data;
};

RecordRows::RecordRows(const RecordLayout &layout, QList<RecordText> columns)
    : m_layout(&layout)
    , m_columns(std::move(columns))
    , m_recordSize(layout.size())
{
    // Only the byte ranges of the fields shown are kept; ranges a few bytes
    // apart are kept as one.
    QList<QPair<int, int>> spans;
    for (const RecordText &source : std::as_const(m_columns)) {
        for (int field : { source.field, source.second }) {
            if (field >= 0)
                spans.append({ layout.offset(field), layout.offset(field) + layout.capacity(field) + 1 });
        }
    }
    std::sort(spans.begin(), spans.end());
    for (const auto &span : std::as_const(spans)) {
        if (!m_ranges.isEmpty() && span.first <= m_ranges.last().from + m_ranges.last().length + 16) {
            Range &last = m_ranges.last();
            last.length = qMax(last.length, span.second - last.from);
        } else {
            m_ranges.append({ span.first, span.second - span.first, 0 });
        }
    }
    // Columns that show nearly the whole record keep it whole: it is then
    // read straight into place, with no second copy.
    int shown = 0;
    for (const Range &range : std::as_const(m_ranges))
        shown += range.length;
    if (shown > 0 && shown * 10 >= m_recordSize * 9)
        m_ranges = { { 0, m_recordSize, 0 } };
    m_keptSize = 0;
    for (Range &range : m_ranges) {
        range.kept = m_keptSize;
        m_keptSize += range.length;
    }
    for (const RecordText &source : std::as_const(m_columns)) {
        int worst = 20; // a row number
        if (source.isRowKey())
            m_hasKeyColumn = true;
        else if (!source.isRowNumber())
            worst
                = 5 * layout.capacity(source.field) + (source.second >= 0 ? 1 + 5 * layout.capacity(source.second) : 0);
        m_worstCell.push_back(worst);
    }
    m_fieldOffset.assign(size_t(layout.fieldCount()), -1);
    for (int field = 0; field < layout.fieldCount(); ++field) {
        for (const Range &range : std::as_const(m_ranges)) {
            if (layout.offset(field) >= range.from && layout.offset(field) < range.from + range.length)
                m_fieldOffset[size_t(field)] = range.kept + layout.offset(field) - range.from;
        }
    }
    // The packed form keeps the shown fields in record order.
    m_packedSlot.assign(size_t(layout.fieldCount()), -1);
    for (const RecordText &source : std::as_const(m_columns)) {
        for (int field : { source.field, source.second }) {
            if (field >= 0)
                m_packedSlot[size_t(field)] = 0;
        }
    }
    std::vector<int> shownFields;
    for (int field = 0; field < layout.fieldCount(); ++field) {
        if (m_packedSlot[size_t(field)] == 0)
            shownFields.push_back(field);
    }
    std::sort(
        shownFields.begin(), shownFields.end(), [&](int a, int b) { return layout.offset(a) < layout.offset(b); });
    for (int field : shownFields) {
        m_packedSlot[size_t(field)] = int(m_packedOffset.size());
        m_packedOffset.push_back(layout.offset(field));
        m_packedCapacity.push_back(layout.capacity(field));
    }
}

RecordRows::~RecordRows() = default;

void RecordRows::load(const QString &path)
{
    // Opened as every reader opens it: created empty when missing.
    ArchiveFile archive(path, m_recordSize);

    // Bounded by the whole records the file holds and by the memory.
    const qint64 records = archive.count();
    const qint64 kept = records * m_keptSize;
    if (!archive.fitsInMemory() || kept > memoryBound())
        throw TooLargeError();
    std::unique_ptr<Buffer> buffer;
    try {
        if (kept > 0)
            buffer = std::make_unique<Buffer>(size_t(kept));
    } catch (const std::bad_alloc &) {
        throw TooLargeError();
    }

    // The file is read in a few parts side by side (a large archive), each
    // part in blocks of about 1 MB: whole records straight into place, else
    // keeping the fields' bytes of each record. A read that fails or finds
    // the file shorter keeps the whole records before it.
    const int parts = partsToRead(records * m_recordSize);
    const qint64 perPart = parts > 0 ? (records + parts - 1) / parts : records;
    std::vector<qint64> readInPart(size_t(parts), 0);
    // Columns that show nearly the whole record keep it packed: each shown
    // field as its length byte and its text, without the unused room after
    // the text. A part packs its records from the place of its first record
    // on; the room it leaves unused is never touched.
    const bool packed = m_keptSize == m_recordSize;
    std::vector<qint64> packedAt(packed ? size_t(records) : 0);
    std::vector<qint64> packedInPart(size_t(parts), 0);
    const auto readPart = [&](int part) {
        const qint64 first = qMin(records, part * perPart);
        const qint64 last = qMin(records, first + perPart);
        qint64 &done = readInPart[size_t(part)];
        try {
            if (packed) {
                QByteArray block;
                char *const from0 = buffer->data + first * m_keptSize;
                char *to = from0;
                const size_t fields = m_packedOffset.size();
                archive.scanRange(
                    first, last,
                    [&](qint64 index, const char *from) {
                        packedAt[size_t(index)] = to - buffer->data;
                        for (size_t i = 0; i < fields; ++i) {
                            const char *stored = from + m_packedOffset[i];
                            const int length = qMin(int(uchar(stored[0])), m_packedCapacity[i]);
                            *to = char(length);
                            std::memcpy(to + 1, stored + 1, size_t(length));
                            to += 1 + length;
                        }
                        ++done;
                        packedInPart[size_t(part)] = to - from0;
                    },
                    block);
                return;
            }
            QByteArray block;
            char *to = buffer ? buffer->data + first * m_keptSize : nullptr;
            archive.scanRange(
                first, last,
                [&](qint64, const char *from) {
                    for (const Range &range : std::as_const(m_ranges)) {
                        std::memcpy(to, from + range.from, size_t(range.length));
                        to += range.length;
                    }
                    ++done;
                },
                block);
        } catch (const ArchiveAccessError &) {
            // `done` holds the records before the failure.
        } catch (const std::bad_alloc &) {
        }
    };
    if (records > 0)
        SideBySide::run(size_t(parts), [&](size_t part) { readPart(int(part)); });
    qint64 read = 0;
    qsizetype packedBytes = 0;
    for (int part = 0; part < parts; ++part) {
        read += readInPart[size_t(part)];
        packedBytes += packedInPart[size_t(part)];
        if (readInPart[size_t(part)] < qMin(records, (part + 1) * perPart) - qMin(records, part * perPart))
            break; // the records after a gap are not shown
    }
    packedAt.resize(packed ? size_t(read) : 0);

    m_bytes = std::move(buffer);
    m_compact = packed;
    m_packedAt = std::move(packedAt);
    m_compactBytes = packedBytes;
    m_records = read;
    m_count = m_records;
    m_fileRecords = read;
    m_numbers.clear();
    m_keys.clear();
    m_slots.clear();
    m_typed.clear();
}

void RecordRows::load(const QString &path, const RecordSelection &selection)
{
    if (!selection.accept && !selection.key) {
        load(path);
        return;
    }
    // Opened as every reader opens it: created empty when missing.
    ArchiveFile archive(path, m_recordSize);
    const qint64 records = archive.count();
    if (!archive.fitsInMemory() || records * m_keptSize > memoryBound())
        throw TooLargeError();

    // The file is read in a few parts side by side (a large archive), each
    // part in blocks of about 1 MB, keeping the shown bytes of each selected
    // record from the place of the part's first record on (a part selects at
    // most its own records), with the record's key. Joined in reading order,
    // the selected records are numbered 1, 2, ...; the kept bytes stay where
    // they were put and the order of the rows is an index over them. A read
    // that fails or finds the file shorter ends its part, and the parts after
    // it are dropped.
    std::unique_ptr<Buffer> buffer;
    const int parts = partsToRead(records * m_recordSize);
    struct Part {
        qint64 first = 0;
        qint64 last = 0;
        qint64 read = 0; // records read
        std::vector<QString> keys;
        qint64 selected = 0;
        bool outOfMemory = false;
    };
    std::vector<Part> part(static_cast<size_t>(parts));
    for (int p = 0; p < parts; ++p) {
        part[size_t(p)].first = records * p / parts;
        part[size_t(p)].last = records * (p + 1) / parts;
    }
    try {
        if (records > 0 && m_keptSize > 0)
            buffer = std::make_unique<Buffer>(size_t(records) * size_t(m_keptSize));
    } catch (const std::bad_alloc &) {
        throw TooLargeError();
    }
    const auto readPart = [&](int p) {
        Part &mine = part[size_t(p)];
        try {
            QByteArray block;
            archive.scanRange(
                mine.first, mine.last,
                [&](qint64 index, const char *from) {
                    mine.read = index + 1 - mine.first;
                    if (selection.accept && !selection.accept(index, from))
                        return;
                    char *to = buffer ? buffer->data + (mine.first + mine.selected) * m_keptSize : nullptr;
                    for (const Range &range : std::as_const(m_ranges)) {
                        std::memcpy(to, from + range.from, size_t(range.length));
                        to += range.length;
                    }
                    if (selection.key)
                        mine.keys.push_back(selection.key(from));
                    ++mine.selected;
                },
                block);
        } catch (const ArchiveAccessError &) {
            // The part ends at the failure; `read` holds the records before it.
        } catch (const std::bad_alloc &) {
            mine.outOfMemory = true;
        }
    };
    SideBySide::run(size_t(parts), [&](size_t p) { readPart(int(p)); });

    // Joined in reading order, up to the first part that did not end.
    std::vector<qint64> places;
    std::vector<QString> keys;
    qint64 at = 0;
    bool complete = true;
    try {
        for (const Part &p : part) {
            if (p.outOfMemory)
                throw std::bad_alloc();
        }
        for (Part &p : part) {
            for (qint64 j = 0; j < p.selected; ++j)
                places.push_back(p.first + j);
            for (QString &key : p.keys)
                keys.push_back(std::move(key));
            at = p.first + p.read;
            if (p.read < p.last - p.first) {
                complete = false;
                break;
            }
        }
    } catch (const std::bad_alloc &) {
        throw TooLargeError();
    }

    // The order: by key when the whole file was read, else reading order.
    const size_t n = places.size();
    std::vector<qint64> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = qint64(i);
    if (selection.key && complete)
        sortByKey(keys, order);
    std::vector<qint64> sortedNumbers(n);
    std::vector<QString> sortedKeys(keys.empty() ? 0 : n);
    std::vector<qint64> sortedSlots(n);
    for (size_t i = 0; i < n; ++i) {
        sortedNumbers[i] = order[i] + 1;
        sortedSlots[i] = places[size_t(order[i])];
        if (!keys.empty())
            sortedKeys[i] = std::move(keys[size_t(order[i])]);
    }

    m_bytes = std::move(buffer);
    m_compact = false;
    m_packedAt.clear();
    m_compactBytes = 0;
    m_records = qint64(n);
    m_count = m_records;
    m_fileRecords = at;
    m_numbers = std::move(sortedNumbers);
    m_keys = std::move(sortedKeys);
    m_slots = std::move(sortedSlots);
    m_typed.clear();
}

void RecordRows::setEmptyRows(qsizetype count)
{
    m_bytes.reset();
    m_compact = false;
    m_packedAt.clear();
    m_compactBytes = 0;
    m_records = 0;
    m_count = count;
    m_fileRecords = 0;
    m_numbers.clear();
    m_keys.clear();
    m_slots.clear();
    m_typed.clear();
}

void RecordRows::swap(RecordRows &other) noexcept
{
    std::swap(m_layout, other.m_layout);
    std::swap(m_columns, other.m_columns);
    std::swap(m_recordSize, other.m_recordSize);
    std::swap(m_ranges, other.m_ranges);
    std::swap(m_keptSize, other.m_keptSize);
    std::swap(m_fieldOffset, other.m_fieldOffset);
    std::swap(m_worstCell, other.m_worstCell);
    std::swap(m_bytes, other.m_bytes);
    std::swap(m_records, other.m_records);
    std::swap(m_count, other.m_count);
    std::swap(m_typed, other.m_typed);
    std::swap(m_hasKeyColumn, other.m_hasKeyColumn);
    std::swap(m_numbers, other.m_numbers);
    std::swap(m_keys, other.m_keys);
    std::swap(m_fileRecords, other.m_fileRecords);
    std::swap(m_slots, other.m_slots);
    std::swap(m_compact, other.m_compact);
    std::swap(m_packedOffset, other.m_packedOffset);
    std::swap(m_packedCapacity, other.m_packedCapacity);
    std::swap(m_packedSlot, other.m_packedSlot);
    std::swap(m_packedAt, other.m_packedAt);
    std::swap(m_compactBytes, other.m_compactBytes);
}

const char *RecordRows::record(qsizetype row) const
{
    if (row >= m_records)
        return nullptr;
    if (m_compact)
        return m_bytes->data + m_packedAt[size_t(row)];
    return m_bytes->data + (m_slots.empty() ? row : m_slots[size_t(row)]) * m_keptSize;
}

const char *RecordRows::field(const char *bytes, int which) const
{
    if (!m_compact)
        return bytes + m_fieldOffset[size_t(which)];
    const int slot = m_packedSlot[size_t(which)];
    for (int i = 0; i < slot; ++i)
        bytes += 1 + qMin(int(uchar(bytes[0])), m_packedCapacity[size_t(i)]);
    return bytes;
}

QString RecordRows::text(qsizetype row, int column) const
{
    if (!m_typed.isEmpty()) {
        const auto typed = m_typed.constFind(key(row, column));
        if (typed != m_typed.cend())
            return *typed;
    }
    const char *bytes = record(row);
    if (!bytes)
        return {};
    const RecordText &source = m_columns.at(column);
    if (source.isRowNumber())
        return QString::number(rowNumber(row));
    if (source.isRowKey())
        return rowKey(row);
    const auto load = [&](int which) { return RecordField::loadText(field(bytes, which), m_layout->capacity(which)); };
    if (source.second < 0)
        return load(source.field);
    return load(source.field) + QLatin1Char(' ') + load(source.second);
}

void RecordRows::setText(qsizetype row, int column, const QString &text)
{
    m_typed.insert(key(row, column), text);
}

bool RecordRows::isEdited(qsizetype row, int column) const
{
    return m_typed.contains(key(row, column));
}

void RecordRows::appendCell(qsizetype row, int column, QByteArray &out) const
{
    if (!m_typed.isEmpty()) {
        const auto typed = m_typed.constFind(key(row, column));
        if (typed != m_typed.cend()) {
            appendCellBytes(out, *typed);
            return;
        }
    }
    const char *bytes = record(row);
    if (!bytes)
        return;
    const RecordText &source = m_columns.at(column);
    if (source.isRowNumber()) {
        out.append(QByteArray::number(rowNumber(row)));
        return;
    }
    if (source.isRowKey()) {
        appendCellBytes(out, rowKey(row));
        return;
    }
    const QByteArrayView first = trimmedField(field(bytes, source.field), m_layout->capacity(source.field));
    appendEscaped(out, first.data(), first.size());
    if (source.second >= 0) {
        const QByteArrayView second = trimmedField(field(bytes, source.second), m_layout->capacity(source.second));
        if (!first.isEmpty() && !second.isEmpty())
            out.append(' ');
        appendEscaped(out, second.data(), second.size());
    }
}

void RecordRows::appendRow(qsizetype row, const QList<int> &exported, const QList<QByteArray> &before,
    const QByteArray &rowEnd, QByteArray &out) const
{
    const char *bytes = record(row);
    const int columns = int(exported.size());
    const auto cellByCell = [&] {
        for (int c = 0; c < columns; ++c) {
            out.append(before.at(c));
            const qsizetype cell = out.size();
            appendCell(row, exported.at(c), out);
            keepFormulaAsText(out, cell);
        }
        out.append(rowEnd);
    };
    if (!bytes || !m_typed.isEmpty() || m_hasKeyColumn || before.size() != columns) {
        cellByCell();
        return;
    }
    // A cell that may read as a formula (rare) takes the way cell by cell.
    for (int c = 0; c < columns; ++c) {
        const RecordText &source = m_columns.at(exported.at(c));
        if (source.isRowNumber())
            continue;
        QByteArrayView lead = trimmedField(field(bytes, source.field), m_layout->capacity(source.field));
        if (lead.isEmpty() && source.second >= 0)
            lead = trimmedField(field(bytes, source.second), m_layout->capacity(source.second));
        if (!lead.isEmpty()
            && (lead.front() == '=' || lead.front() == '+' || lead.front() == '-' || lead.front() == '@')) {
            cellByCell();
            return;
        }
    }
    // Straight from the record into room made for the longest row.
    qsizetype worst = rowEnd.size();
    for (int c = 0; c < columns; ++c)
        worst += before.at(c).size() + m_worstCell[size_t(exported.at(c))];
    const qsizetype start = out.size();
    out.resize(start + worst);
    char *const base = out.data();
    char *p = base + start;
    for (int c = 0; c < columns; ++c) {
        const QByteArray &piece = before.at(c);
        std::memcpy(p, piece.constData(), size_t(piece.size()));
        p += piece.size();
        const RecordText &source = m_columns.at(exported.at(c));
        if (source.isRowNumber()) {
            const QByteArray number = QByteArray::number(rowNumber(row));
            std::memcpy(p, number.constData(), size_t(number.size()));
            p += number.size();
            continue;
        }
        const QByteArrayView first = trimmedField(field(bytes, source.field), m_layout->capacity(source.field));
        p = putEscaped(p, first.data(), first.size());
        if (source.second >= 0) {
            const QByteArrayView second = trimmedField(field(bytes, source.second), m_layout->capacity(source.second));
            if (!first.isEmpty() && !second.isEmpty())
                *p++ = ' ';
            p = putEscaped(p, second.data(), second.size());
        }
    }
    std::memcpy(p, rowEnd.constData(), size_t(rowEnd.size()));
    p += rowEnd.size();
    out.resize(p - base);
}

Rows RecordRows::exportRows(const QList<int> &exported) const
{
    Rows rows;
    rows.count = m_count;
    rows.cell = [this, exported](qsizetype row, int column) { return text(row, exported.at(column)); };
    rows.appendCell
        = [this, exported](qsizetype row, int column, QByteArray &out) { appendCell(row, exported.at(column), out); };
    rows.appendRow = [this, exported](qsizetype row, const QList<QByteArray> &before, const QByteArray &rowEnd,
                         QByteArray &out) { appendRow(row, exported, before, rowEnd, out); };
    return rows;
}

} // namespace SpreadsheetExport
