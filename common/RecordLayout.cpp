#include "common/RecordLayout.h"

#include "common/Cp1252.h"
#include "common/TextRoutines.h"

#include <cstring>

RecordLayout::RecordLayout(std::initializer_list<FieldSpec> fields)
    : m_fields(fields)
{
    index();
}

RecordLayout::RecordLayout(std::vector<FieldSpec> fields)
    : m_fields(std::move(fields))
{
    index();
}

void RecordLayout::index()
{
    m_offsets.reserve(m_fields.size());
    m_byName.reserve(qsizetype(m_fields.size()));
    for (size_t i = 0; i < m_fields.size(); ++i) {
        Q_ASSERT(m_fields[i].capacity >= 1 && m_fields[i].capacity <= 255);
        m_offsets.push_back(m_size);
        m_size += m_fields[i].capacity + 1;
        const QString &name = m_fields[i].name;
        Q_ASSERT_X(!name.isEmpty() && !m_byName.contains(name), "RecordLayout", qPrintable(name));
        m_byName.insert(name, int(i));
    }
}

QString RecordLayout::numberedName(const QString &name, int number, int digits)
{
    const QString numberText = QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
    if (name.contains(QLatin1String("%1")))
        return QString(name).replace(QLatin1String("%1"), numberText);
    return name + numberText;
}

RecordLayout::Builder &RecordLayout::Builder::add(std::initializer_list<FieldSpec> fields)
{
    m_fields.insert(m_fields.end(), fields.begin(), fields.end());
    return *this;
}

RecordLayout::Builder &RecordLayout::Builder::add(const QString &name, int capacity)
{
    m_fields.push_back({ name, capacity });
    return *this;
}

RecordLayout::Builder &RecordLayout::Builder::repeat(
    int count, std::initializer_list<FieldSpec> fields, int first, int digits)
{
    m_fields.reserve(m_fields.size() + size_t(count) * fields.size());
    for (int n = first; n < first + count; ++n)
        for (const FieldSpec &field : fields)
            m_fields.push_back({ numberedName(field.name, n, digits), field.capacity });
    return *this;
}

RecordLayout RecordLayout::Builder::build() const
{
    return RecordLayout(m_fields);
}

int RecordLayout::indexOf(QStringView name) const
{
    return m_byName.value(name.toString(), -1);
}

int RecordLayout::require(QStringView name) const
{
    const int index = indexOf(name);
    Q_ASSERT_X(index >= 0, "RecordLayout::require", qPrintable(name.toString()));
    return index;
}

namespace RecordField
{

void storeText(char *field, int capacity, QStringView text)
{
    QByteArray bytes = Cp1252::encode(TrimText(text));
    const int length = int(qMin<qsizetype>(bytes.size(), qMin(capacity, 255)));
    field[0] = char(length);
    std::memcpy(field + 1, bytes.constData(), size_t(length));
}

QString loadText(const char *field, int capacity)
{
    const int length = qMin(int(static_cast<unsigned char>(field[0])), capacity);
    return TrimText(Cp1252::decode(field + 1, length));
}

void storeFlag(char *field, bool yes)
{
    static const char kYes[] = { 2, 'S', char(0xEC) };
    static const char kNo[] = { 2, 'N', 'o' };
    std::memcpy(field, yes ? kYes : kNo, 3);
}

std::optional<bool> loadFlag(const char *field)
{
    const QString text = loadText(field, 2);
    if (text == QStringLiteral("S\u00EC"))
        return true;
    if (text == QLatin1String("No"))
        return false;
    return std::nullopt;
}

} // namespace RecordField

RecordBuffer::RecordBuffer(const RecordLayout &layout)
    : m_layout(&layout)
    , m_bytes(layout.size(), '\0')
{
}

void RecordBuffer::clear()
{
    m_bytes.fill('\0', m_layout->size());
}

void RecordBuffer::setText(int index, QStringView text)
{
    RecordField::storeText(m_bytes.data() + m_layout->offset(index), m_layout->capacity(index), text);
}

QString RecordBuffer::text(int index) const
{
    return RecordField::loadText(m_bytes.constData() + m_layout->offset(index), m_layout->capacity(index));
}

void RecordBuffer::setFlag(int index, bool yes)
{
    Q_ASSERT(m_layout->capacity(index) == 2);
    RecordField::storeFlag(m_bytes.data() + m_layout->offset(index), yes);
}

std::optional<bool> RecordBuffer::flag(int index) const
{
    return RecordField::loadFlag(m_bytes.constData() + m_layout->offset(index));
}
