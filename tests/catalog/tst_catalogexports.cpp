// The exports of the price list and of the boxes, each case on both twins:
// the file and sheet names, the title row, an empty archive exporting its ten
// empty design rows, records filling grid and file (codes kept as text, the
// flag as "Sì"/"No"), the editable columns, and LibreOffice Calc reading the
// file back row by row (skipped where LibreOffice is absent).

#include "app/dialogs/OpenURL.h"
#include "catalog/Box_Cani.h"
#include "catalog/ExpBox.h"
#include "catalog/ExpListino.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/SheetFile.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace TestSupport;

namespace
{

// Two records: a full one flagged "No" whose code begins with zeros, and one
// with only its code, flagged "Sì".
void writeRecords(const QString &twin)
{
    if (twin == QLatin1String("services")) {
        RecordBuffer r(ServiceRecord::layout());
        ArchiveFile archive(ServiceRecord::path(), ServiceRecord::size());
        r.clear();
        const QStringList texts = { "007", "Toelettatura <completa>", "35,00", "Igiene", "Unghie: 5 €", "Sala", "1 ora",
            "Nessuno", "Lucia Ferrè", "Note & altro" };
        for (int f = 0; f < texts.size(); ++f)
            r.setText(f, texts.at(f));
        r.setFlag(ServiceRecord::NonErogabile, false);
        archive.append(r.bytes());
        r.clear();
        r.setText(ServiceRecord::Codice, u"PASS02");
        r.setFlag(ServiceRecord::NonErogabile, true);
        archive.append(r.bytes());
    } else {
        RecordBuffer r(BoxRecord::layout());
        ArchiveFile archive(BoxRecord::path(), BoxRecord::size());
        r.clear();
        const QStringList texts = { "007", "3 x 2 m", "2", "18,00", "Interno", "Piccola", "Box <con> cuccia",
            "Ala nord", "Ciotole", "Note & altro" };
        for (int f = 0; f < texts.size(); ++f)
            r.setText(f, texts.at(f));
        r.setFlag(BoxRecord::NonPrenotabile, false);
        archive.append(r.bytes());
        r.clear();
        r.setText(BoxRecord::Box, u"B12");
        r.setFlag(BoxRecord::NonPrenotabile, true);
        archive.append(r.bytes());
    }
}

// A twin of the catalogue: its archive, its export and its editor.
struct Twin {
    QString (*path)();
    QString (*fileName)();
    std::function<std::unique_ptr<ExportWindow>()> exportWindow;
    std::function<std::unique_ptr<TCatalogEditor>()> editor;
};

const Twin &twinOf(const QString &name)
{
    static const Twin services { &ServiceRecord::path, &TfrmExpListino::fileName,
        [] { return std::make_unique<TfrmExpListino>(); }, [] { return std::make_unique<TfrmListino_Prezzi>(); } };
    static const Twin boxes { &BoxRecord::path, &TfrmExpBox::fileName, [] { return std::make_unique<TfrmExpBox>(); },
        [] { return std::make_unique<TfrmBox_Cani>(); } };
    return name == QLatin1String("services") ? services : boxes;
}

// The cells of the rows of an exported file (the title row first), each cell
// with its opening tag.
QList<QByteArrayList> rowsOf(const QByteArray &file)
{
    QList<QByteArrayList> rows;
    const QByteArray body = file.mid(file.indexOf("<table x:str>"));
    for (const QByteArray &piece : body.split('<')) {
        if (piece == "tr>")
            rows.append(QByteArrayList());
        else if (piece.startsWith("td ") && !rows.isEmpty())
            rows.last().append(piece);
    }
    return rows;
}

QByteArray cellText(const QByteArray &cell)
{
    return cell.mid(cell.indexOf('>') + 1);
}

const QStringList kServiceTitles = { "Codice", "Descrizione", "Prezzo in euro", "Tipologia", "Supplementi", "Luogo",
    "Durata", "Vincoli", "Responsabile", "Note", "Non erogabile" };
const QStringList kBoxTitles = { "Box n.", "Dimensioni", "Capacità ospitativa", "Prezzo in euro", "Tipologia",
    "Taglia cane", "Descrizione", "Collocazione", "Accessori", "Note", "Non prenotabile" };

} // namespace

class TestCatalogExports : public QObject
{
    Q_OBJECT
private slots:
    void emptyArchiveExportsTitlesAndTenEmptyRows_data() { addTwins(); }
    void emptyArchiveExportsTitlesAndTenEmptyRows();
    void recordsFillGridAndFile_data() { addTwins(); }
    void recordsFillGridAndFile();
    void editedCellReachesTheFileOnlyInEditableColumns_data() { addTwins(); }
    void editedCellReachesTheFileOnlyInEditableColumns();
    void editorCommandOpensExportWithItsHelp_data() { addTwins(); }
    void editorCommandOpensExportWithItsHelp();
    void libreOfficeReadsRowByRow_data() { addTwins(); }
    void libreOfficeReadsRowByRow();

private:
    // What each twin's export shows and writes; each test reads the columns it needs.
    static void addTwins()
    {
        QTest::addColumn<QString>("twin");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QByteArrayList>("firstRow"); // the first record's cells in the file
        QTest::addColumn<QByteArray>("secondCode");
        QTest::addColumn<QList<int>>("editable"); // the grid columns that take typing
        QTest::addColumn<QString>("helpTitle");
        QTest::addColumn<QStringList>("calcRows"); // the two records as Calc reads them
        QTest::newRow("listino") << "services"
                                 << " Esporta listino prezzi in Microsoft Excel" << QByteArray("Listino Prezzi")
                                 << kServiceTitles
                                 << QList<int> { 250, 300, 250, 250, 350, 250, 250, 350, 350, 350, 150 }
                                 << QByteArrayList { "007", "Toelettatura &lt;completa&gt;", "35,00", "Igiene",
                                        "Unghie: 5 \x80", "Sala", "1 ora", "Nessuno", "Lucia Ferr\xE8",
                                        "Note &amp; altro", "No" }
                                 << QByteArray("PASS02") << QList<int> { 7, 10, 11 } // Durata, Note, Non erogabile
                                 << "Esportazione listino prezzi in Microsoft Excel"
                                 << QStringList { QString::fromUtf8("007,Toelettatura <completa>,\"35,00\",Igiene,"
                                                                    "Unghie: 5 €,Sala,1 ora,Nessuno,Lucia Ferrè,"
                                                                    "Note & altro,No"),
                                        QString::fromUtf8("PASS02,,,,,,,,,,Sì") };
        QTest::newRow("box") << "boxes"
                             << " Esporta archivio box per cani in Microsoft Excel" << QByteArray("Riepilogo Box Cani")
                             << kBoxTitles << QList<int> { 250, 250, 250, 250, 250, 250, 350, 350, 350, 350, 150 }
                             << QByteArrayList { "007", "3 x 2 m", "2", "18,00", "Interno", "Piccola",
                                    "Box &lt;con&gt; cuccia", "Ala nord", "Ciotole", "Note &amp; altro", "No" }
                             << QByteArray("B12") << QList<int> { 6, 10, 11 } // Taglia cane, Note, Non prenotabile
                             << "Esportazione archivio box per cani in Microsoft Excel"
                             << QStringList { QString::fromUtf8("007,3 x 2 m,2,\"18,00\",Interno,Piccola,"
                                                                "Box <con> cuccia,Ala nord,Ciotole,Note & altro,No"),
                                    QString::fromUtf8("B12,,,,,,,,,,Sì") };
    }
};

void TestCatalogExports::emptyArchiveExportsTitlesAndTenEmptyRows()
{
    QFETCH(QString, twin);
    QFETCH(QString, caption);
    QFETCH(QByteArray, sheet);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    const Twin &t = twinOf(twin);
    TempProgramFolder folder;
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    auto window = t.exportWindow();
    QCOMPARE(window->windowTitle(), caption);
    window->show();
    QCOMPARE(window->grid().rows(), 10);
    QCOMPARE(window->grid().columns(), 12);
    press(*window, "cmdEsporta");
    QCOMPARE(boxes.count(), 2);

    const QByteArray file = readFile(folder.file(t.fileName()));
    QVERIFY(file.contains("<x:Name>" + sheet + "</x:Name>"));
    const QList<QByteArrayList> rows = rowsOf(file);
    QCOMPARE(rows.size(), 11);
    QCOMPARE(rows.first().size(), titles.size());
    for (int c = 0; c < titles.size(); ++c) {
        QVERIFY(rows.first().at(c).contains("font-weight: bold;"));
        QCOMPARE(cellText(rows.first().at(c)), Cp1252::encode(titles.at(c)));
    }
    // The widths in the file.
    for (int c = 0; c < widths.size(); ++c)
        QVERIFY2(rows.first().at(c).contains("width=" + QByteArray::number(widths.at(c)) + ">"),
            rows.first().at(c).constData());
    for (int r = 1; r < rows.size(); ++r) {
        QCOMPARE(rows.at(r).size(), 11);
        for (const QByteArray &cell : rows.at(r))
            QCOMPARE(cellText(cell), QByteArray());
    }
}

void TestCatalogExports::recordsFillGridAndFile()
{
    QFETCH(QString, twin);
    QFETCH(QByteArrayList, firstRow);
    QFETCH(QByteArray, secondCode);
    const Twin &t = twinOf(twin);
    TempProgramFolder folder;
    writeRecords(twin);
    MessageRecorder boxes; // Yes to both questions
    OpenedUrls opened;
    auto window = t.exportWindow();
    window->show();
    ExportWindow::Grid &grid = window->grid();
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.text(1, 0), QStringLiteral("2"));
    QCOMPARE(grid.text(0, 1), QStringLiteral("007"));
    QCOMPARE(grid.text(0, 11), QStringLiteral("No"));
    QCOMPARE(grid.text(1, 11), QString::fromUtf8("Sì"));
    press(*window, "cmdEsporta");
    const QString path = folder.file(t.fileName());
    QCOMPARE(opened.urls, QList<QUrl> { QUrl::fromLocalFile(path) });

    const QList<QByteArrayList> rows = rowsOf(readFile(path));
    QCOMPARE(rows.size(), 3);
    // The code column is kept as text; the others are plain cells.
    QVERIFY(rows.at(1).at(0).contains("class=\"txt\""));
    QCOMPARE(cellText(rows.at(1).at(0)), QByteArray("007"));
    QVERIFY(!rows.at(1).at(1).contains("class=\"txt\""));
    QByteArrayList first;
    for (const QByteArray &cell : rows.at(1))
        first.append(cellText(cell));
    QCOMPARE(first, firstRow);
    QCOMPARE(cellText(rows.at(2).at(0)), secondCode);
    QCOMPARE(cellText(rows.at(2).at(10)), QByteArray("S\xEC"));
}

void TestCatalogExports::editedCellReachesTheFileOnlyInEditableColumns()
{
    QFETCH(QString, twin);
    QFETCH(QList<int>, editable);
    const Twin &t = twinOf(twin);
    TempProgramFolder folder;
    writeRecords(twin);
    const QByteArray before = readFile(t.path());
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    auto window = t.exportWindow();
    window->show();
    ExportWindow::Grid &grid = window->grid();
    for (int c = 1; c < 12; ++c)
        QCOMPARE(bool(grid.flags(grid.index(0, c)) & Qt::ItemIsEditable), editable.contains(c));
    QVERIFY(grid.setData(grid.index(0, 10), QStringLiteral("modificata"), Qt::EditRole));
    press(*window, "cmdEsporta");
    QCOMPARE(cellText(rowsOf(readFile(folder.file(t.fileName()))).at(1).at(9)), QByteArray("modificata"));
    QCOMPARE(readFile(t.path()), before);
}

void TestCatalogExports::editorCommandOpensExportWithItsHelp()
{
    QFETCH(QString, twin);
    QFETCH(QString, caption);
    QFETCH(QString, helpTitle);
    TempProgramFolder folder;
    std::unique_ptr<TCatalogEditor> editor = twinOf(twin).editor();
    editor->show();
    QString shownCaption;
    QWidget *parent = nullptr;
    QString shownHelpTitle;
    onNextModal([&](QWidget *modal) {
        auto *window = qobject_cast<ExportWindow *>(modal);
        if (!window) {
            modal->close();
            return;
        }
        shownCaption = window->windowTitle();
        parent = window->parentWidget();
        QTimer::singleShot(8000, window, &QDialog::reject); // never hang, whatever happens below
        onNextModal([&, window](QWidget *help) {
            if (auto *title = help->findChild<QLabel *>(QStringLiteral("lblTitolo")))
                shownHelpTitle = title->text();
            help->close();
            QTimer::singleShot(0, window->cmdEsci, &QAbstractButton::click);
        });
        window->cmdGuida->click();
    });
    editor->cmdEsporta->click();
    QCOMPARE(shownCaption, caption);
    QCOMPARE(parent, editor.get());
    QCOMPARE(shownHelpTitle, helpTitle);
    QVERIFY(editor->findChildren<ExportWindow *>().isEmpty()); // freed when closed
}

void TestCatalogExports::libreOfficeReadsRowByRow()
{
    QFETCH(QString, twin);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, calcRows);
    if (SheetFile::soffice().isEmpty())
        QSKIP("soffice is not installed");
    const Twin &t = twinOf(twin);
    TempProgramFolder folder;
    writeRecords(twin);
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    auto window = t.exportWindow();
    window->show();
    press(*window, "cmdEsporta");

    const QStringList lines = SheetFile::calcLines(folder.path(), t.fileName());
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], titles.join(u','));
    QCOMPARE(lines.mid(1), calcRows);
}

QTEST_MAIN(TestCatalogExports)
#include "tst_catalogexports.moc"
