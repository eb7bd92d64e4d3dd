#pragma once

#include "common/RecordLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class ArchiveFile;

// Searching and listing the records of an archive: the line of a record, the
// order of a list, the multi-filter match, the count sentence and the find
// command. No widget here; the search and list windows are built on it.

// One line of a search or list window and the record it came from (0-based
// index in its archive; -1 for a line that stands for no record).
struct ListLine {
    QString text;
    qint64 record = -1;
};
using ListLines = std::vector<ListLine>;

// Where a text field lies in the raw bytes of a record.
struct FieldRef {
    int offset = 0;
    int capacity = 0;

    static FieldRef of(const RecordLayout &layout, int field)
    {
        return { layout.offset(field), layout.capacity(field) };
    }
    // The trimmed text of the field in a raw record.
    QString load(const char *record) const { return RecordField::loadText(record + offset, capacity); }
    // Appends the trimmed text of the field to `line`, decoded on the fly;
    // with width >= 0 as a column of exactly `width` characters (see
    // SearchMatch::appendColumn). Returns the number of characters appended.
    qsizetype appendTo(QString &line, const char *record, int width = -1) const;
    // The length of the trimmed text (to size a line before building it).
    int trimmedLength(const char *record) const;
    // The stored Windows-1252 bytes of the trimmed text, undecoded (to test a
    // field against a fixed text without building a string).
    QByteArrayView trimmedBytes(const char *record) const;
};

namespace SearchMatch
{

// A column of a list line: the text followed by `width` blanks, cut to its
// first `width` characters, so the column is exactly `width` wide.
void appendColumn(QString &line, QStringView text, int width);
QString column(QStringView text, int width);

// The order of every sorted list: code units compared after folding a-z to
// A-Z; a line that is the beginning of another comes first.
bool lineLess(QStringView a, QStringView b);
// Sorts by lineLess; lines that compare equal keep their file order. The sort
// works on a compact key per line (its first characters folded into bytes,
// with the line's index) and compares whole lines only where two keys tie, so
// it touches each line's text about once instead of at every comparison.
void sortLines(ListLines &lines);

// "<beginning><n> schede." ("Il presente riepilogo contiene 3 schede.").
QString countSentence(const QString &beginning, qint64 n);
extern const QString kRiepilogoBeginning; // "Il presente riepilogo contiene "
extern const QString kElencoBeginning; // "Il presente elenco contiene "

// The filters of a search window, in their order. A filter is set when its
// trimmed text is not empty; a set filter is matched as typed (blanks kept),
// ASCII letters compared without case, and must occur somewhere in its field's
// stored text as it is (blanks that a record holds around its text count).
// A record is listed when every set filter occurs in its field, so with no
// filter set every record is listed. A filter that holds only blanks is not
// set and is not matched at all.
class MultiFilter
{
public:
    MultiFilter(const QStringList &filterTexts, std::vector<FieldRef> fields);

    // The number of set filters (what the window shows as its count).
    int setCount() const { return int(m_active.size()); }
    // Matches on the raw bytes of a record, without decoding it.
    bool matches(const char *record) const;

private:
    struct Active {
        int filter;
        FieldRef field;
        QByteArray folded; // Windows-1252 bytes, a-z folded to A-Z
        bool encodable; // false: the text holds a character no record can hold
    };
    std::vector<Active> m_active;
};

// A listing that memory cannot hold: shown with kMemoryMessage, never with
// the archive access message (the archive itself is fine).
class ListingMemoryError : public std::runtime_error
{
public:
    ListingMemoryError()
        : std::runtime_error("not enough memory for the listing")
    {
    }
};
extern const QString kMemoryMessage; // "Attenzione: memoria insufficiente per completare la ricerca."

// The bytes this process can still allocate (MemoryRoom::available()). A test
// may set a fixed figure for the listings' bound (a negative figure goes back
// to the measured one).
qint64 availableMemory();
void setAvailableMemoryForTest(qint64 bytes);
// How many parts a large listing or sort is cut into, side by side, is the
// machine's to say; a test may set it (0 goes back to the machine's).
void setSideBySideForTest(int parts);

// What one listed line of at least `minChars` characters costs: its text, its
// place in the list and its sort key.
qint64 lineBytes(int minChars);

// A line made of columns, each a fixed text followed by a field of the
// record: its trimmed text padded with blanks and cut to `width` characters,
// or whole (width < 0). A column may join a second field to the first (the
// first field, `between`, the second field), the whole then padded and cut to
// `width`. A shape is a LineBuilder (its call makes the line) and also writes
// a line's sort key straight from the record's bytes, with no line made.
class LineShape
{
public:
    struct Column {
        QString before;
        FieldRef field;
        int width = -1;
        QString between = {};
        FieldRef second = {};
    };
    explicit LineShape(std::vector<Column> columns);

    QString operator()(const char *record) const;
    // Writes the sort key of the line (see RecordListing) to `out`, which
    // has room for maxKeyBytes(); returns the number of bytes written. A
    // fixed text that stands at the same place in every line (every column
    // before it of a fixed width) is left out: it never decides an order.
    size_t writeKey(const char *record, unsigned char *out) const;
    size_t maxKeyBytes() const;

private:
    struct Data;
    std::shared_ptr<const Data> m_data;
};

// Reads every record of an archive once, in file order, in large blocks; for
// each record that `accept` takes (every record when it is empty) appends
// `line(record)` with its record index to `out`. A failure throws
// ArchiveAccessError; the lines appended before it stay in `out`. A missing
// archive is created empty.
// An archive beyond the memory bound of every whole read (see
// ArchiveFile::fitsInMemory) throws ListingMemoryError at once.
// With `bytesPerLine` > 0 the listing is bounded by what the file can hold:
// when every record of the file listed at that cost would not fit in
// availableMemory(), nothing is read and ListingMemoryError is thrown at once.
// Memory that runs out while collecting throws ListingMemoryError too, with
// `out` emptied.
using RecordTest = std::function<bool(const char *record)>;
using LineBuilder = std::function<QString(const char *record)>;
void collectLines(const QString &path, int recordSize, const RecordTest &accept, const LineBuilder &line,
    ListLines &out, qint64 bytesPerLine = 0);

// The lines of a list window, kept lean: for each listed record only its
// number and, until the list is sorted, its sort key (the line folded into
// about one byte a character; a LineShape writes it from the record's bytes,
// any other LineBuilder through the line's text). A line's text is
// made from its record when it is asked for (drawn, found, printed), read
// again from the archive file as it was opened for the listing; a few recent
// lines are kept, and all of them once every line has been asked for at once.
// The lines and their order are those that collectLines and sortLines give.
// A list may instead be given its texts (a list that comes from no archive).
class RecordListing
{
public:
    RecordListing();
    ~RecordListing();
    RecordListing(RecordListing &&) noexcept;
    RecordListing &operator=(RecordListing &&) noexcept;

    // Whether collect keeps the sort keys that sort() needs (set first).
    void setSorted(bool sorted) { m_sorted = sorted; }
    bool isSorted() const { return m_sorted; }

    // Reads the archive as collectLines does, keeping the records that
    // `accept` takes, in file order; the same failures, with the records
    // kept before a failure listed (a memory failure leaves the list empty).
    void collect(const QString &path, int recordSize, const RecordTest &accept, const LineBuilder &line,
        qint64 bytesPerLine = 0);
    // A line that comes from no archive, with the number it stands for.
    void append(const QString &text, qint64 record);
    // Puts the lines in list order (lineLess, equal lines in file order).
    void sort();
    void clear();

    qsizetype size() const { return qsizetype(m_records.size()); }
    qint64 record(qsizetype row) const { return m_records[size_t(row)]; }
    // The line of `row`; empty when its record can no longer be read.
    QString text(qsizetype row) const;
    // Every line, top to bottom (each made at most once).
    QStringList texts() const;
    // Makes every line now, so that walking them all reads the archive once.
    void makeAllTexts() const;

private:
    struct Part;
    QString makeText(qint64 record) const;
    bool readRecord(qint64 record, QByteArray &bytes) const;
    // The lines of the records of `byRecord` (in file order), each into its place in `out`.
    void readTexts(const std::vector<std::pair<qint64, quint32>> &byRecord, std::vector<QString> &out) const;

    bool m_sorted = true;
    std::vector<qint64> m_records; // by row
    std::unique_ptr<ArchiveFile> m_file; // the archive the lines come from
    int m_recordSize = 0;
    LineBuilder m_line;
    // The lines made so far: every line (by row) or a few recent ones.
    mutable std::vector<QString> m_texts;
    static constexpr int kRecentLines = 256;
    mutable std::vector<std::pair<qsizetype, QString>> m_recent;
    // The sort keys made by collect (file order) until sort() uses them.
    struct Keys;
    std::unique_ptr<Keys> m_keys;
};

// Reads record `index` (0-based) of an archive into `record`; throws
// ArchiveAccessError when it fails or the archive no longer holds it.
void readRecord(const QString &path, int recordSize, qint64 index, QByteArray &record);

// The find command of every search and list window.
extern const QString kFindNotApplicable; // plain box shown on an empty list
struct FindOutcome {
    int selected; // the line to select (unchanged when nothing was found)
    QString lastSearch; // what LastSearchText holds afterwards
};
// `lineAt(i)` gives line i of `count` (count > 0). `selected` is -1 when no
// line is selected; line 0 is then selected before the search. A text that
// differs from `lastSearch` is searched from the top, line 0 first; the same
// text again searches on from the line after the selection, wrapping round,
// the selected line tested last. An empty text never matches.
FindOutcome findNext(int count, const std::function<QString(int)> &lineAt, int selected, const QString &typed,
    const QString &lastSearch);

} // namespace SearchMatch
