#include "common/FileFailure.h"
#include "common/RecordLayout.h"
#include "common/SpreadsheetExport.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/FailDevice.h"
#include "tests/support/NonRegularFiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace TestSupport;
using SpreadsheetExport::Column;
using SpreadsheetExport::Rows;

namespace
{

// A device that takes at most a few bytes from each write (as a pipe may).
class TrickleDevice : public QBuffer
{
public:
    TrickleDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 writeData(const char *data, qint64 len) override { return QBuffer::writeData(data, qMin<qint64>(len, 7)); }
};

const QByteArray kHeadBeforeName
    = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
      " xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html;"
      " charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
      "<x:Name>";
const QByteArray kHeadAfterName
    = "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3"
      "</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False"
      "</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
      "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";

Rows table(const QList<QStringList> &cells)
{
    return Rows { cells.size(), [cells](qsizetype r, int c) { return cells.at(r).at(c); } };
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
    void specialTargetIsRefusedWithoutBlocking_data();
    void specialTargetIsRefusedWithoutBlocking();
    void everyByteReachesADeviceThatTakesLittleAtATime();
    void exportOnFullDiskKeepsTheEarlierFile_data();
    void exportOnFullDiskKeepsTheEarlierFile();
    void textColumnsKeepTheirCellsAsText();
    void cellsThatReadAsFormulasAreText_data();
    void cellsThatReadAsFormulasAreText();
    void recordCellsAreWrittenAsTheirTexts_data();
    void recordCellsAreWrittenAsTheirTexts();
    void hugeSparseArchiveFailsCleanlyWithinASecond();
};

void TestSpreadsheetExport::wholeFileWithRightAlignedColumn()
{
    const QList<Column> columns { { "Descrizione", 250 }, { "Totale", 120, true } };
    const QByteArray bytes
        = writeToBuffer("Listino Prezzi", columns, table({ { "Toelettatura ", "12,50" }, { "", " " } }));
    const QByteArray expected = kHeadBeforeName + "Listino Prezzi" + kHeadAfterName
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
    QTest::newRow("inner BEL, ESC, VT, DEL") << "a\ab\x1B[31mc\vd\x7F." << QByteArray("a b [31mc d .");
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
    const QByteArray bytes
        = writeToBuffer("A&B", { { "<Note>", 300 } }, table({ { "<!-- vedi sotto" }, { "Bianchi" } }));
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
    const Rows rows { count, [](qsizetype r, int c) { return QStringLiteral("r%1\nc%2\r").arg(r).arg(c); } };
    const QByteArray bytes = writeToBuffer("Foglio", { { "A", 10 }, { "B", 10 }, { "C", 10 } }, rows);
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
    QTest::newRow("last byte refused") << qint64(-1); // counted from the end of the whole file
}

void TestSpreadsheetExport::refusedWriteThrows()
{
    QFETCH(qint64, capacity);
    const Rows rows { 100000, [](qsizetype, int) { return QStringLiteral("Proprietario di prova"); } };
    if (capacity < 0)
        capacity += writeToBuffer("Foglio", { { "A", 10 }, { "B", 10 } }, rows).size();
    FailDevice device(capacity);
    QVERIFY_THROWS_EXCEPTION(
        SpreadsheetExport::WriteError, SpreadsheetExport::write(device, "Foglio", { { "A", 10 }, { "B", 10 } }, rows));
    QCOMPARE(device.written().size(), capacity);
}

void TestSpreadsheetExport::writeFileReplacesAnExistingFile()
{
    TempProgramFolder folder;
    const QString path = folder.file("Prova.xls");
    writeFile(path, QByteArray(50000, 'x'));
    SpreadsheetExport::writeFile(path, "Foglio", { { "A", 10 } }, table({ { "uno" } }));
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.startsWith("<html "));
    QVERIFY(bytes.endsWith("<tr><td style=\"text-align: left;\">uno</td></tr></table></body></html>"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "Prova.xls" }); // no temporary left
}

void TestSpreadsheetExport::failedWriteFileKeepsThePreviousFile()
{
    // A failure in the middle of an export leaves the previous file whole, not half a new one.
    TempProgramFolder folder;
    const QString path = folder.file("Prova.xls");
    const QByteArray previous = "export precedente";
    writeFile(path, previous);
    const Rows rows { 200000, [](qsizetype r, int) -> QString {
                         if (r == 150000)
                             throw SpreadsheetExport::WriteError(QStringLiteral("interrotto"));
                         return QStringLiteral("Proprietario di prova");
                     } };
    QVERIFY_THROWS_EXCEPTION(
        SpreadsheetExport::WriteError, SpreadsheetExport::writeFile(path, "Foglio", { { "A", 10 } }, rows));
    QCOMPARE(readFile(path), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "Prova.xls" });
}

void TestSpreadsheetExport::targetThatCannotBeWrittenThrows()
{
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir("Occupato.xls"));
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::WriteError,
        SpreadsheetExport::writeFile(folder.file("Occupato.xls"), "Foglio", { { "A", 10 } }, table({ { "uno" } })));
    QVERIFY(QFileInfo(folder.file("Occupato.xls")).isDir());
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::WriteError,
        SpreadsheetExport::writeFile(folder.file("manca/Prova.xls"), "Foglio", { { "A", 10 } }, table({ { "uno" } })));
}

void TestSpreadsheetExport::specialTargetIsRefusedWithoutBlocking_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("fifo") << "fifo"; // opening it for writing would wait for a reader
    QTest::newRow("link to /dev/null") << "/dev/null";
    QTest::newRow("link to /dev/zero") << "/dev/zero";
    QTest::newRow("broken link") << "/nonexistent/Proprietari.xls";
}

void TestSpreadsheetExport::specialTargetIsRefusedWithoutBlocking()
{
    QFETCH(QString, kind);
    TempProgramFolder folder;
    const QString path = folder.file("Proprietari.xls");
    QVERIFY(makeSpecial(kind, path));
    const QFileInfo before(path);
    QElapsedTimer clock;
    clock.start();
    QString reason;
    try {
        SpreadsheetExport::writeFile(path, "Proprietari", { { "Cliente", 250 } }, table({ { "Rossi" } }));
    } catch (const SpreadsheetExport::WriteError &e) {
        reason = QString::fromStdString(e.what());
    }
    QCOMPARE(reason, FileFailure::notRegular().reason());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    // Left as it was, nothing written beside it, and a device stays a device.
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isFile(), false);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        QStringList { "Proprietari.xls" });
    if (kind.startsWith("/dev/")) {
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(kind).constData(), &st) == 0 && S_ISCHR(st.st_mode));
    }
}

void TestSpreadsheetExport::everyByteReachesADeviceThatTakesLittleAtATime()
{
    const Rows rows { 3000, [](qsizetype r, int c) { return QStringLiteral("riga %1 colonna %2").arg(r).arg(c); } };
    const QList<Column> columns { { "A", 10 }, { "B", 10, false, true } };
    TrickleDevice device;
    SpreadsheetExport::write(device, "Foglio", columns, rows);
    QCOMPARE(device.data(), writeToBuffer("Foglio", columns, rows));
}

void TestSpreadsheetExport::exportOnFullDiskKeepsTheEarlierFile_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<qint64>("room"); // bytes the disk takes; negative: counted from the end of the new file
    // A small export is less than one block: its last piece is the whole file.
    QTest::newRow("small, nothing written") << 100 << qint64(0);
    QTest::newRow("small, one page") << 100 << qint64(4096);
    QTest::newRow("small, all but the last byte") << 100 << qint64(-1);
    QTest::newRow("large, half way") << 40000 << qint64(2 << 20);
    QTest::newRow("large, all but the last byte") << 40000 << qint64(-1);
}

void TestSpreadsheetExport::exportOnFullDiskKeepsTheEarlierFile()
{
    QFETCH(int, rowCount);
    QFETCH(qint64, room);
    const QList<Column> columns { { "Cliente", 250 }, { "Partita IVA", 250, false, true } };
    const Rows rows { rowCount,
        [](qsizetype r, int c) { return c == 0 ? QStringLiteral("Rossi %1").arg(r) : "01234567890"; } };
    const qint64 size = writeToBuffer("Foglio", columns, rows).size();
    QVERIFY(size > 4096);
    if (room < 0)
        room += size;

    TempProgramFolder folder;
    const QString path = folder.file("Prova.xls");
    const QByteArray earlier = "export precedente, completo";
    writeFile(path, earlier);
    {
        TestSupport::FileSizeLimit disk { qint64(room) };
        QVERIFY_THROWS_EXCEPTION(
            SpreadsheetExport::WriteError, SpreadsheetExport::writeFile(path, "Foglio", columns, rows));
    }
    QCOMPARE(readFile(path), earlier);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "Prova.xls" });

    // With room for the whole file the export goes through.
    {
        TestSupport::FileSizeLimit disk { qint64(size) };
        SpreadsheetExport::writeFile(path, "Foglio", columns, rows);
    }
    QCOMPARE(readFile(path), writeToBuffer("Foglio", columns, rows));
}

void TestSpreadsheetExport::textColumnsKeepTheirCellsAsText()
{
    const QList<Column> columns { { "Cliente", 250 }, { "Partita IVA", 150, false, true },
        { "Codice", 80, true, true } };
    const QByteArray bytes = writeToBuffer("Foglio", columns, table({ { "Rossi", "01234567890", " 007 " } }));
    QVERIFY(bytes.contains("<![endif]--><style>td.txt{mso-number-format:\"\\@\";}</style></head><body>"));
    QVERIFY(bytes.contains("<tr><td style=\"text-align: left;\">Rossi</td>"
                           "<td style=\"text-align: left;\" class=\"txt\" sdnum=\"1040;0;@\">01234567890</td>"
                           "<td style=\"text-align: right;\" class=\"txt\" sdnum=\"1040;0;@\">007</td></tr>"));
    // Titles are not marked.
    QVERIFY(bytes.contains("<td style=\"text-align: left; font-weight: bold;\" width=150>Partita IVA</td>"));
}

void TestSpreadsheetExport::cellsThatReadAsFormulasAreText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("formula");
    QTest::newRow("formula") << "=HYPERLINK(\"http://esempio.it\";\"clic\")" << true;
    QTest::newRow("lone equals") << "=" << true;
    QTest::newRow("blanks before equals") << "  =1+1" << true;
    QTest::newRow("at sign") << "@somma" << true;
    QTest::newRow("plus and words") << "+39 0543 123456" << true;
    QTest::newRow("minus and a formula") << "-1+SOMMA(A1)" << true;
    QTest::newRow("lone minus") << "-" << true;
    QTest::newRow("two signs") << "--5" << true;
    QTest::newRow("separator first") << "-,5" << true;
    QTest::newRow("separator last") << "-5," << true;
    QTest::newRow("two separators together") << "-1,,5" << true;
    QTest::newRow("exponent") << "-1E5" << true;
    QTest::newRow("negative amount") << "-12,50" << false;
    QTest::newRow("signed integer") << "+5" << false;
    QTest::newRow("thousands and decimals") << "-1.234,56" << false;
    QTest::newRow("point decimals") << "-0.5" << false;
    QTest::newRow("no sign") << "12-3" << false;
    QTest::newRow("words") << "Toelettatura" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSpreadsheetExport::cellsThatReadAsFormulasAreText()
{
    // As typed, whatever the column: left, right, already text.
    QFETCH(QString, text);
    QFETCH(bool, formula);
    const QList<Column> columns { { "Note", 250 }, { "Totale", 120, true }, { "Codice", 80, false, true } };
    const QByteArray bytes = writeToBuffer("Foglio", columns, table({ { text, text, text } }));
    const QByteArray cell = SpreadsheetExport::cellBytes(text) + "</td>";
    const QByteArray row = formula
        ? "<tr><td style=\"text-align: left; mso-number-format:'\\@';\" class=\"txt\" sdnum=\"1040;0;@\">" + cell
            + "<td style=\"text-align: right; mso-number-format:'\\@';\" class=\"txt\" sdnum=\"1040;0;@\">" + cell
            + "<td style=\"text-align: left;\" class=\"txt\" sdnum=\"1040;0;@\">" + cell + "</tr>"
        : "<tr><td style=\"text-align: left;\">" + cell + "<td style=\"text-align: right;\">" + cell
            + "<td style=\"text-align: left;\" class=\"txt\" sdnum=\"1040;0;@\">" + cell + "</tr>";
    QVERIFY2(bytes.contains(row), bytes.mid(bytes.indexOf("</tr>") + 5).constData());
}

void TestSpreadsheetExport::recordCellsAreWrittenAsTheirTexts_data()
{
    // Raw field bytes (length byte, then the text) of a record {Nome 10, Comune 8, Prov 2}, and the
    // exported cells: the name, and town and province joined.
    QTest::addColumn<QByteArray>("nome");
    QTest::addColumn<QByteArray>("comune");
    QTest::addColumn<QByteArray>("prov");
    QTest::addColumn<QByteArray>("nomeCell");
    QTest::addColumn<QByteArray>("luogoCell");
    QTest::newRow("plain") << QByteArray("\x05Rossi") << QByteArray("\x04Roma") << QByteArray("\x02RM")
                           << QByteArray("Rossi") << QByteArray("Roma RM");
    QTest::newRow("blanks and controls around") << QByteArray("\x08  Rossi\t") << QByteArray("\x05 Roma")
                                                << QByteArray("\x02  ") << QByteArray("Rossi") << QByteArray("Roma");
    QTest::newRow("town empty") << QByteArray("\x00", 1) << QByteArray("\x00", 1)
                                << QByteArray("\x02"
                                              "FC")
                                << QByteArray() << QByteArray("FC");
    QTest::newRow("markup and line breaks")
        << QByteArray("\x09<b>&\r\nx>y")
        << QByteArray("\x03"
                      "a&b")
        << QByteArray("\x01<") << QByteArray("&lt;b&gt;&amp;  x&gt;y") << QByteArray("a&amp;b &lt;");
    QTest::newRow("length above capacity")
        << QByteArray("\xFFRossiMario") << QByteArray("\x09PortoAzz") << QByteArray("\x03LI")
        << QByteArray("RossiMario") << QByteArray("PortoAzz LI");
    QTest::newRow("control characters inside") << QByteArray("\7a\ab\33c\vd") << QByteArray("\3x\177y") << QByteArray()
                                               << QByteArray("a b c d") << QByteArray("x y");
    QTest::newRow("formula-like texts") << QByteArray("\x0A=SOMMA(A1)") << QByteArray("\x06-12,50")
                                        << QByteArray("\x02@a") << QByteArray("=SOMMA(A1)") << QByteArray("-12,50 @a");
    QTest::newRow("code page bytes") << QByteArray("\x05\x80\x81\xA0\xE0\x9D") << QByteArray("\x03\xA0z\xA0")
                                     << QByteArray() << QByteArray("\x80\x81\xA0\xE0\x9D") << QByteArray("\xA0z\xA0");
}

void TestSpreadsheetExport::recordCellsAreWrittenAsTheirTexts()
{
    QFETCH(QByteArray, nome);
    QFETCH(QByteArray, comune);
    QFETCH(QByteArray, prov);
    QFETCH(QByteArray, nomeCell);
    QFETCH(QByteArray, luogoCell);
    // Two archives: one whose columns show every field (held packed, each text without the room after it)
    // and one with a long field no column shows (held as the shown fields' bytes).
    static const RecordLayout shownWhole { { "Nome", 10 }, { "Comune", 8 }, { "Prov", 2 } };
    static const RecordLayout withUnshown { { "Nome", 10 }, { "Altro", 40 }, { "Comune", 8 }, { "Prov", 2 } };
    for (const RecordLayout *form : { &shownWhole, &withUnshown }) {
        const RecordLayout &layout = *form;
        const int nomeField = 0;
        const int comuneField = layout.fieldCount() - 2;
        const int provField = layout.fieldCount() - 1;
        QVERIFY(nome.size() <= 11 && comune.size() <= 9 && prov.size() <= 3);
        QByteArray record(layout.size(), '\0');
        record.replace(layout.offset(nomeField), nome.size(), nome);
        record.replace(layout.offset(comuneField), comune.size(), comune);
        record.replace(layout.offset(provField), prov.size(), prov);

        TempProgramFolder folder;
        const QString path = folder.file("Prova.dat");
        writeFile(path, record + record + QByteArray(5, 'x')); // two records and a torn tail
        SpreadsheetExport::RecordRows rows(layout, { {}, { nomeField }, { comuneField, provField } });
        rows.load(path);
        QCOMPARE(rows.count(), 2);
        QVERIFY(rows.heldBytes() <= 2 * layout.size());
        const Rows exported = rows.exportRows({ 0, 1, 2 });
        for (qsizetype r = 0; r < 2; ++r) {
            QByteArray cells[3];
            for (int c = 0; c < 3; ++c) {
                exported.appendCell(r, c, cells[c]);
                // The bytes taken straight from the record are those of the cell's text.
                QCOMPARE(cells[c], SpreadsheetExport::cellBytes(rows.text(r, c)));
            }
            QCOMPARE(cells[0], QByteArray::number(r + 1));
            QCOMPARE(cells[1], nomeCell);
            QCOMPARE(cells[2], luogoCell);
        }

        // The whole file made straight from the records is the file made from the cells' texts.
        const QList<Column> columns { { "N.", 5 }, { "Nome", 10 }, { "Luogo", 10, false, true } };
        const Rows texts { rows.count(), [&rows](qsizetype r, int c) { return rows.text(r, c); } };
        QCOMPARE(writeToBuffer("Foglio", columns, exported), writeToBuffer("Foglio", columns, texts));

        // A typed cell replaces the record's text in the export and leaves the archive alone.
        rows.setText(1, 2, QStringLiteral(" Forlì <FC> "));
        QCOMPARE(writeToBuffer("Foglio", columns, exported), writeToBuffer("Foglio", columns, texts));
        QByteArray typed;
        exported.appendCell(1, 2, typed);
        QCOMPARE(typed, QByteArray("Forl\xEC &lt;FC&gt;"));
        QByteArray untouched;
        exported.appendCell(0, 2, untouched);
        QCOMPARE(untouched, luogoCell);
        QCOMPARE(readFile(path), record + record + QByteArray(5, 'x'));
    }
}

void TestSpreadsheetExport::hugeSparseArchiveFailsCleanlyWithinASecond()
{
    TempProgramFolder folder;
    const QString path = folder.file("Enorme.dat");
    if (QProcess::execute(QStringLiteral("truncate"), { QStringLiteral("-s"), QStringLiteral("1T"), path }) != 0)
        QSKIP("truncate cannot make a sparse file here");
    static const RecordLayout layout { { "Nome", 50 }, { "Note", 250 } };
    SpreadsheetExport::RecordRows rows(layout, { {}, { 0 }, { 1 } });
    rows.setEmptyRows(10);
    QElapsedTimer timer;
    timer.start();
    QVERIFY_THROWS_EXCEPTION(SpreadsheetExport::TooLargeError, rows.load(path));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(rows.count(), 10); // the rows it had stay
    QCOMPARE(rows.records(), 0);
    QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
