#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class QIODevice;
class RecordLayout;

// The spreadsheet file that every export of the program writes: an HTML table
// with spreadsheet markup, in Windows-1252, all on one line (no CR or LF byte
// anywhere). A header naming the sheet, a title row (bold, left-aligned, with
// each column's width), one row per data row, and the closing tags.
//
// Cell texts and titles are trimmed, their '&', '<' and '>' written as
// entities (so the spreadsheet shows the text as typed and a stray "<!--"
// cannot swallow the rest of the table), and any control character inside
// them (a line break, BEL, ESC, VT, ...) written as a blank; a character the
// code page lacks becomes '?'.
//
// Code-like columns (VAT number, fiscal code, phones, postcode, card, IBAN,
// box and service codes) are marked as text: their data cells carry the text
// class declared in the header (read by Excel and LibreOffice) and the
// LibreOffice text format, so "01234567890" keeps its leading zero and a long
// digit run does not turn into a number in exponent form. A data cell of any
// other column that a spreadsheet would read as a formula (its text begins
// with '=', or with '+', '-' or '@' and is not a plain number such as
// "-12,50") is written as a text cell too, with the text format in its own
// style, so "=HYPERLINK(...)" stays the text that was typed.
namespace SpreadsheetExport
{

struct Column {
    QString title;
    int width = 0;
    bool alignRight = false; // data cells right-aligned (titles are always left)
    bool text = false; // data cells kept as typed text (code-like contents)
};

// What one export writes: its file in the program folder, its sheet name and
// its columns in file order.
struct Sheet {
    QString fileName;
    QString sheetName;
    QList<Column> columns;
};

// The data rows: `count` rows; cell(row, column) is the text of an exported
// column (0-based among the sheet's columns), before trimming. A source that
// holds the file bytes already (record fields in Windows-1252) may give
// appendCell instead, which appends exactly what cellBytes() would give for
// the cell's text; the writer then uses it.
struct Rows {
    Rows() = default;
    Rows(qsizetype count, std::function<QString(qsizetype row, int column)> cell)
        : count(count)
        , cell(std::move(cell))
    {
    }

    qsizetype count = 0;
    std::function<QString(qsizetype row, int column)> cell;
    std::function<void(qsizetype row, int column, QByteArray &out)> appendCell;
    // Fastest: appends a whole row, each cell c preceded by before[c] and the
    // last one followed by rowEnd; the writer then uses it.
    std::function<void(qsizetype row, const QList<QByteArray> &before, const QByteArray &rowEnd, QByteArray &out)>
        appendRow;
};

// A write that did not reach the device or the file.
class WriteError : public std::runtime_error
{
public:
    explicit WriteError(const QString &detail)
        : std::runtime_error(detail.toStdString())
    {
    }
};

// Writes the whole file to an open device in one pass, handing it large
// blocks; the file is never held in memory as a whole. Throws WriteError when
// the device refuses a write or takes less than it was given.
void write(QIODevice &device, const QString &sheetName, const QList<Column> &columns, const Rows &rows);

// Writes the file at `path` through a SafeFileWriter: a temporary file that
// replaces the old one only when every byte was written and reached the disk
// (each write checked, then a sync before the replacement). A failed export
// leaves the previous file as it was and no half file; a folder, device, pipe
// or socket at the path is refused before anything is written. Throws
// WriteError with the reason in Italian.
void writeFile(const QString &path, const QString &sheetName, const QList<Column> &columns, const Rows &rows);

// The bytes of one cell text or title as they stand in the file.
QByteArray cellBytes(QStringView text);
void appendCellBytes(QByteArray &out, QStringView text);
// The same for a text field stored in a record (length byte, then `capacity`
// bytes of Windows-1252 text; a length above the capacity counts as the
// capacity): appends what cellBytes() gives for the field's loaded text.
void appendFieldBytes(QByteArray &out, const char *field, int capacity);

// Where an exported cell comes from in a record of an archive: one stored text
// field, or two joined with one blank (town and province: "Forlì FC", and
// either alone when the other is empty). With no field the cell holds the
// row's 1-based number (the grid's "N." column); with kRowKey it holds the
// row's key of a selection (see RecordSelection).
struct RecordText {
    int field = -1;
    int second = -1;

    static constexpr int kRowKey = -2;
    bool isRowNumber() const { return field == -1; }
    bool isRowKey() const { return field == kRowKey; }
};

// Which records of an archive become rows, and in what order: `accept` takes
// a whole record by its 0-based index and bytes (null: every record); `key`
// gives a record's key, shown in the kRowKey columns, and the rows are then
// sorted by it (compared without case, rows with equal keys in file order).
// The row number of a selected row is its place in reading order among the
// selected records (1, 2, ...), kept through the sort.
struct RecordSelection {
    std::function<bool(qint64 index, const char *record)> accept;
    std::function<QString(const char *record)> key;
};

// An archive too large to be held in memory for an export.
class TooLargeError : public std::runtime_error
{
public:
    TooLargeError()
        : std::runtime_error("archive too large")
    {
    }
};

// The rows of an archive export: the records of the archive as they were when
// it was read (the bytes of the fields shown, held once, nothing decoded
// ahead), the cells of the columns taken from them on demand, and the cells
// typed over them kept apart. An edit never reaches the archive.
class RecordRows
{
public:
    RecordRows(const RecordLayout &layout, QList<RecordText> columns);
    ~RecordRows();
    RecordRows(const RecordRows &) = delete;
    RecordRows &operator=(const RecordRows &) = delete;

    // Reads every whole record of the archive at `path` (created empty when
    // missing) in one pass. What the reading holds is bounded by the file's
    // whole records and by the memory of the computer: an archive that cannot
    // be held throws TooLargeError before anything is allocated or changed. A
    // failure to open the archive throws ArchiveAccessError and changes
    // nothing; a read that fails midway keeps the records read before it.
    void load(const QString &path);
    // The same for the records that `selection` takes, in its order. The
    // archive is read in one pass, in file order; a read that fails midway
    // keeps the selected records before it, in reading order, unsorted.
    void load(const QString &path, const RecordSelection &selection);
    // Replaces the rows with `count` empty rows (no record behind them).
    void setEmptyRows(qsizetype count);
    // Takes over the rows of `other` (which is left empty).
    void swap(RecordRows &other) noexcept;

    qsizetype count() const { return m_count; }
    // The number of records behind the rows (0 for empty rows).
    qsizetype records() const { return m_records; }
    // The whole records the archive held when it was last read.
    qsizetype fileRecords() const { return m_fileRecords; }
    int columns() const { return int(m_columns.size()); }

    // The cell's text: typed over, else loaded from the record (trimmed
    // fields), else empty.
    QString text(qsizetype row, int column) const;
    void setText(qsizetype row, int column, const QString &text);
    bool isEdited(qsizetype row, int column) const;

    // The export rows of the given columns (file column c is this table's
    // column exported[c]); they read this table, which must outlive them.
    Rows exportRows(const QList<int> &exported) const;

    // Bytes held for the records (for measuring).
    qsizetype heldBytes() const { return m_compact ? m_compactBytes : m_records * m_keptSize; }

private:
    struct Buffer;
    void appendCell(qsizetype row, int column, QByteArray &out) const;
    void appendRow(qsizetype row, const QList<int> &exported, const QList<QByteArray> &before, const QByteArray &rowEnd,
        QByteArray &out) const;
    const char *record(qsizetype row) const;
    // Where a field's length byte stands among the kept bytes of a record.
    const char *field(const char *bytes, int field) const;
    qint64 rowNumber(qsizetype row) const { return m_numbers.empty() ? row + 1 : m_numbers[size_t(row)]; }
    QString rowKey(qsizetype row) const { return size_t(row) < m_keys.size() ? m_keys[size_t(row)] : QString(); }
    bool m_hasKeyColumn = false;
    std::vector<qint64> m_numbers; // a selection's reading-order numbers
    std::vector<QString> m_keys; // a selection's row keys
    std::vector<qint64> m_slots; // a selection's row -> place of its kept bytes
    qsizetype m_fileRecords = 0;
    static quint64 key(qsizetype row, int column) { return (quint64(row) << 16) | quint64(column); }

    const RecordLayout *m_layout;
    QList<RecordText> m_columns;
    int m_recordSize = 0;
    // The byte ranges of a record that the columns show, and where each
    // field starts among the kept bytes of a record.
    struct Range {
        int from;
        int length;
        int kept;
    };
    QList<Range> m_ranges;
    int m_keptSize = 0;
    std::vector<int> m_fieldOffset;
    std::vector<int> m_worstCell; // the most bytes a column's cell can take in the file
    // Packed records (columns that show nearly a whole record, read in file
    // order): each shown field kept as its length byte and its text only, the
    // fields one after another in m_packedOffset order; m_packedSlot gives a
    // field's place there (-1: not kept), m_packedAt a row's first byte.
    bool m_compact = false;
    std::vector<int> m_packedOffset; // each kept field's place in a record
    std::vector<int> m_packedCapacity;
    std::vector<int> m_packedSlot;
    std::vector<qint64> m_packedAt;
    qsizetype m_compactBytes = 0;
    std::unique_ptr<Buffer> m_bytes;
    qsizetype m_records = 0;
    qsizetype m_count = 0;
    QHash<quint64, QString> m_typed;
};

} // namespace SpreadsheetExport
