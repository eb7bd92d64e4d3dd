#include "common/SpreadsheetExport.h"

#include "common/Cp1252.h"
#include "common/TextRoutines.h"

#include <QIODevice>
#include <QSaveFile>

namespace SpreadsheetExport {

namespace {

// Everything up to the sheet name, and from it to the title row.
constexpr char kHead[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
    " xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";
constexpr char kAfterName[] =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]--></head><body><table x:str>";
constexpr char kTitleOpen[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char kLeftOpen[] = "<td style=\"text-align: left;\">";
constexpr char kRightOpen[] = "<td style=\"text-align: right;\">";
constexpr char kCellClose[] = "</td>";
constexpr char kRowOpen[] = "<tr>";
constexpr char kRowClose[] = "</tr>";
constexpr char kTail[] = "</table></body></html>";

constexpr qsizetype kBlock = 1 << 20;

// Collects the pieces and hands the device blocks of about 1 MB; every write
// is checked.
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice &device) : m_device(device) { m_buffer.reserve(kBlock + 4096); }

    template<qsizetype N>
    void put(const char (&literal)[N])
    {
        m_buffer.append(literal, N - 1);
        flushIfFull();
    }
    void put(const QByteArray &bytes)
    {
        m_buffer.append(bytes);
        flushIfFull();
    }
    void putText(QStringView text)
    {
        appendCell(m_buffer, text);
        flushIfFull();
    }
    void flush()
    {
        const char *p = m_buffer.constData();
        qsizetype left = m_buffer.size();
        while (left > 0) {
            const qint64 done = m_device.write(p, left);
            if (done <= 0)
                throw WriteError(m_device.errorString());
            p += done;
            left -= done;
        }
        m_buffer.resize(0);
    }

    static void appendCell(QByteArray &out, QStringView text)
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
            case u'\r':
            case u'\n':
                out.append(' ');
                continue;
            default:
                break;
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

private:
    void flushIfFull()
    {
        if (m_buffer.size() >= kBlock)
            flush();
    }

    QIODevice &m_device;
    QByteArray m_buffer;
};

} // namespace

QByteArray cellBytes(QStringView text)
{
    QByteArray out;
    BlockWriter::appendCell(out, text);
    return out;
}

void write(QIODevice &device, const QString &sheetName, const QList<Column> &columns, const Rows &rows)
{
    BlockWriter out(device);
    out.put(kHead);
    out.putText(sheetName);
    out.put(kAfterName);

    out.put(kRowOpen);
    for (const Column &column : columns) {
        out.put(kTitleOpen);
        out.put(QByteArray::number(column.width));
        out.put(">");
        out.putText(column.title);
        out.put(kCellClose);
    }
    out.put(kRowClose);

    const int columnCount = int(columns.size());
    for (qsizetype row = 0; row < rows.count; ++row) {
        out.put(kRowOpen);
        for (int c = 0; c < columnCount; ++c) {
            if (columns[c].alignRight)
                out.put(kRightOpen);
            else
                out.put(kLeftOpen);
            if (rows.cell)
                out.putText(rows.cell(row, c));
            out.put(kCellClose);
        }
        out.put(kRowClose);
    }
    out.put(kTail);
    out.flush();
}

void writeFile(const QString &path, const QString &sheetName, const QList<Column> &columns, const Rows &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw WriteError(file.errorString());
    try {
        write(file, sheetName, columns, rows);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!file.commit())
        throw WriteError(file.errorString());
}

} // namespace SpreadsheetExport
