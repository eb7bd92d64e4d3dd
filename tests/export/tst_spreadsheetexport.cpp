#include "common/SpreadsheetExport.h"
#include "tests/support/CoreSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace TestSupport;
using SpreadsheetExport::Column;
using SpreadsheetExport::Rows;

namespace {

// A device that accepts `capacity` bytes and refuses every write after them.
class FailDevice : public QIODevice
{
public:
    explicit FailDevice(qint64 capacity) : m_capacity(capacity) { open(QIODevice::WriteOnly); }
    qint64 written() const { return m_written; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override
    {
        const qint64 room = m_capacity - m_written;
        if (room <= 0) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        const qint64 n = qMin(len, room);
        m_written += n;
        return n;
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
};

const QByteArray kHeadBeforeName =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
    " xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html;"
    " charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";
const QByteArray kHeadAfterName =
    "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3"
    "</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False"
    "</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
    "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";

Rows table(const QList<QStringList> &cells)
{
    return Rows{cells.size(), [cells](qsizetype r, int c) { return cells.at(r).at(c); }};
}

QByteArray writeToBuffer(const QString &sheet, const QList<Column> &columns, const Rows &rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetExport::write(buffer, sheet, columns, rows);
    return buffer.data();
}

} // namespace

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT
private slots:
    void wholeFileWithRightAlignedColumn();
    void cellBytes_data();
    void cellBytes();
    void markupInCellsAndTitlesIsEscaped();
    void largeExportHasNoLineBreakAndEveryRow();
    void refusedWriteThrows_data();
    void refusedWriteThrows();
    void writeFileReplacesAnExistingFile();
    void failedWriteFileKeepsThePreviousFile();
    void targetThatCannotBeWrittenThrows();
};

void TestSpreadsheetExport::wholeFileWithRightAlignedColumn()
{
    const QList<Column> columns{{"Descrizione", 250}, {"Totale", 120, true}};
    const QByteArray bytes = writeToBuffer("Listino Prezzi", columns, table({{"Toelettatura ", "12,50"}, {"", " "}}));
    const QByteArray expected =
        kHeadBeforeName + "Listino Prezzi" + kHeadAfterName
        + "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Descrizione</td>"
          "<td style=\"text-align: left; font-weight: bold;\" width=120>Totale</td></tr>"
          "<tr><td style=\"text-align: left;\">Toelettatura</td><td style=\"text-align: right;\">12,50</td></tr>"
          "<tr><td style=\"text-align: left;\"></td><td style=\"text-align: right;\"></td></tr>"
          "</table></body></html>";
    QCOMPARE(bytes, expected);
}

void TestSpreadsheetExport::cellBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "Rossi Mario" << QByteArray("Rossi Mario");
    QTest::newRow("trimmed") << "  Roma \t" << QByteArray("Roma");
    QTest::newRow("lone blank") << " " << QByteArray();
    QTest::newRow("accent is one byte") << QString::fromUtf8("Modalità") << QByteArray("Modalit\xE0");
    QTest::newRow("euro") << QString::fromUtf8("5 €") << QByteArray("5 \x80");
    QTest::newRow("markup") << "<b>&" << QByteArray("&lt;b&gt;&amp;");
    QTest::newRow("entity stays visible") << "&amp;" << QByteArray("&amp;amp;");
    QTest::newRow("inner line break") << "riga uno\r\nriga due" << QByteArray("riga uno  riga due");
    QTest::newRow("outside code page") << QString::fromUtf8("Zoë 日本") << QByteArray("Zo\xEB ??");
    QTest::newRow("one ? per character beyond 16 bits") << QString::fromUtf8("a🐕b") << QByteArray("a?b");
}

void TestSpreadsheetExport::cellBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(SpreadsheetExport::cellBytes(text), bytes);
}

void TestSpreadsheetExport::markupInCellsAndTitlesIsEscaped()
{
    // A note holding "<!--" would otherwise hide every later row from the spreadsheet.
    const QByteArray bytes = writeToBuffer("A&B", {{"<Note>", 300}}, table({{"<!-- vedi sotto"}, {"Bianchi"}}));
    QVERIFY(bytes.contains("<x:Name>A&amp;B</x:Name>"));
    QVERIFY(bytes.contains("width=300>&lt;Note&gt;</td>"));
    QVERIFY(bytes.contains(">&lt;!-- vedi sotto</td>"));
    QVERIFY(bytes.contains(">Bianchi</td>"));
    QCOMPARE(bytes.count("<!--"), 1); // only the header's own conditional comment
}

void TestSpreadsheetExport::largeExportHasNoLineBreakAndEveryRow()
{
    // More than one block of output, with line breaks inside the cells.
    const qsizetype count = 20000;
    const Rows rows{count, [](qsizetype r, int c) { return QStringLiteral("r%1\nc%2\r").arg(r).arg(c); }};
    const QByteArray bytes = writeToBuffer("Foglio", {{"A", 10}, {"B", 10}, {"C", 10}}, rows);
    QVERIFY(bytes.size() > 2 * (1 << 20));
    QVERIFY(!bytes.contains('\r'));
    QVERIFY(!bytes.contains('\n'));
    QCOMPARE(bytes.count("<tr>"), count + 1);
    QVERIFY(bytes.contains(">r19999 c2</td></tr></table></body></html>"));
    QVERIFY(bytes.endsWith("</table></body></html>"));
}

void TestSpreadsheetExport::refusedWriteThrows_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::newRow("nothing accepted") << qint64(0);
    QTest::newRow("header cut") << qint64(100);
    QTest::newRow("rows cut") << qint64(3 << 20);
}

void TestSpreadsheetExport::refusedWriteThrows()
{
    QFETCH(qint64, capacity);
    FailDevice device(capacity);
    const Rows rows{100000, [](qsizetype, int) { return QStringLiteral("Proprietario di prova"); }};
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::WriteError,
                             SpreadsheetExport::write(device, "Foglio", {{"A", 10}, {"B", 10}}, rows));
    QCOMPARE(device.written(), capacity);
}

void TestSpreadsheetExport::writeFileReplacesAnExistingFile()
{
    TempProgramFolder folder;
    const QString path = folder.file("Prova.xls");
    writeFile(path, QByteArray(50000, 'x'));
    SpreadsheetExport::writeFile(path, "Foglio", {{"A", 10}}, table({{"uno"}}));
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.startsWith("<html "));
    QVERIFY(bytes.endsWith("<tr><td style=\"text-align: left;\">uno</td></tr></table></body></html>"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Prova.xls"}); // no temporary left
}

void TestSpreadsheetExport::failedWriteFileKeepsThePreviousFile()
{
    // A failure in the middle of an export leaves the previous file whole, not half a new one.
    TempProgramFolder folder;
    const QString path = folder.file("Prova.xls");
    const QByteArray previous = "export precedente";
    writeFile(path, previous);
    const Rows rows{200000, [](qsizetype r, int) -> QString {
                        if (r == 150000)
                            throw SpreadsheetExport::WriteError(QStringLiteral("interrotto"));
                        return QStringLiteral("Proprietario di prova");
                    }};
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::WriteError,
                             SpreadsheetExport::writeFile(path, "Foglio", {{"A", 10}}, rows));
    QCOMPARE(readFile(path), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Prova.xls"});
}

void TestSpreadsheetExport::targetThatCannotBeWrittenThrows()
{
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir("Occupato.xls"));
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::WriteError,
                             SpreadsheetExport::writeFile(folder.file("Occupato.xls"), "Foglio", {{"A", 10}},
                                                          table({{"uno"}})));
    QVERIFY(QFileInfo(folder.file("Occupato.xls")).isDir());
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::WriteError,
                             SpreadsheetExport::writeFile(folder.file("manca/Prova.xls"), "Foglio", {{"A", 10}},
                                                          table({{"uno"}})));
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
