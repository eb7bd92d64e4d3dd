#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

// One field of a record: a text of `capacity` characters, stored as a length
// byte and `capacity` bytes of Windows-1252 text. A yes/no flag is a text
// field of capacity 2 holding "Sì" or "No". The name is held by the field
// (and so by its layout), so generated names need no storage of their own.
struct FieldSpec {
    QString name;
    int capacity;
};

// A record layout given as the list of its fields in file order; offsets and
// the record size follow from it (each field takes capacity + 1 bytes).
//
// Repeated blocks (the rows of a grid, the days of a year) are generated:
//
//     RecordLayout::Builder()
//         .add({{"NumFatt", 30}, {"Data", 10}})
//         .repeat(30, {{"Quant", 6}})          // Quant01 .. Quant30
//         .repeat(30, {{"Codice", 20}})        // then Codice01 .. Codice30
//         .build();
//
// A block of several fields repeats them together (row by row): the fields
// of number 1, then those of number 2, and so on.
class RecordLayout
{
public:
    class Builder
    {
    public:
        // Fields appended as given.
        Builder &add(std::initializer_list<FieldSpec> fields);
        Builder &add(const QString &name, int capacity);
        // `count` copies of `fields`, numbered from `first`: each name gets the
        // number with `digits` digits (zero-padded) in place of "%1", or at its
        // end when it has no "%1" ("Quant" -> "Quant01").
        Builder &repeat(int count, std::initializer_list<FieldSpec> fields, int first = 1, int digits = 2);
        RecordLayout build() const;

    private:
        std::vector<FieldSpec> m_fields;
    };

    RecordLayout(std::initializer_list<FieldSpec> fields);
    explicit RecordLayout(std::vector<FieldSpec> fields);

    // The name a repeated block gives to copy `number` of `name`.
    static QString numberedName(const QString &name, int number, int digits = 2);

    int size() const { return m_size; }
    int fieldCount() const { return int(m_fields.size()); }
    const FieldSpec &field(int index) const { return m_fields[size_t(index)]; }
    const QString &name(int index) const { return m_fields[size_t(index)].name; }
    int offset(int index) const { return m_offsets[size_t(index)]; }
    int capacity(int index) const { return m_fields[size_t(index)].capacity; }
    // Index of the named field; -1 when the layout has none.
    int indexOf(QStringView name) const;
    // As indexOf, but a missing name is a programming error (asserts).
    int require(QStringView name) const;

private:
    void index();

    std::vector<FieldSpec> m_fields;
    std::vector<int> m_offsets;
    QHash<QString, int> m_byName;
    int m_size = 0;
};

// Field routines on raw record bytes.
namespace RecordField
{
// Trims, converts to Windows-1252, keeps at most `capacity` bytes; writes the
// length byte and the text, leaving the bytes after it alone.
void storeText(char *field, int capacity, QStringView text);
// Reads the text (a length byte above the capacity counts as the capacity)
// and trims it.
QString loadText(const char *field, int capacity);
void storeFlag(char *field, bool yes);
// true for "Sì", false for "No", nothing for anything else.
std::optional<bool> loadFlag(const char *field);
} // namespace RecordField

// A record-sized buffer read from or written to an archive, addressed by field.
class RecordBuffer
{
public:
    explicit RecordBuffer(const RecordLayout &layout);

    const RecordLayout &layout() const { return *m_layout; }
    QByteArray &bytes() { return m_bytes; }
    const QByteArray &bytes() const { return m_bytes; }
    // Zero-fills the whole record (done before storing a record, so nothing of
    // an earlier record lingers after a shorter text).
    void clear();

    void setText(int index, QStringView text);
    QString text(int index) const;
    void setFlag(int index, bool yes);
    std::optional<bool> flag(int index) const;

    void setText(QStringView name, QStringView text) { setText(m_layout->require(name), text); }
    QString text(QStringView name) const { return text(m_layout->require(name)); }
    void setFlag(QStringView name, bool yes) { setFlag(m_layout->require(name), yes); }
    std::optional<bool> flag(QStringView name) const { return flag(m_layout->require(name)); }

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};
