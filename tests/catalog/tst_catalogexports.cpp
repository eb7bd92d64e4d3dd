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

#include <memory>

using namespace TestSupport;

namespace
{

bool isServices(const QString &twin)
{
    return twin == QLatin1String("services");
}

std::unique_ptr<ExportWindow> exportWindow(const QString &twin)
{
    if (isServices(twin))
        return std::make_unique<TfrmExpListino>();
    return std::make_unique<TfrmExpBox>();
}

QString fileName(const QString &twin)
{
    return isServices(twin) ? TfrmExpListino::fileName() : TfrmExpBox::fileName();
}

// Two records: a full one flagged "No" whose code begins with zeros, and one
// with only its code, flagged "Sì".
void writeRecords(const QString &twin)
{
    if (isServices(twin)) {
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

void press(QWidget &window, const char *command)
{
    auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(command));
    QVERIFY2(button, command);
    button->click();
}

struct Opened {
    QList<QUrl> urls;
    Opened()
    {
        TMisc::setOpener([this](const QUrl &url) { urls.append(url); });
    }
    ~Opened() { TMisc::setOpener(nullptr); }
};

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
    static void addTwins()
    {
        QTest::addColumn<QString>("twin");
        QTest::newRow("listino") << "services";
        QTest::newRow("box") << "boxes";
    }
};

void TestCatalogExports::emptyArchiveExportsTitlesAndTenEmptyRows()
{
    QFETCH(QString, twin);
    TempProgramFolder folder;
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    auto window = exportWindow(twin);
    QCOMPARE(window->windowTitle(),
        isServices(twin) ? QStringLiteral(" Esporta listino prezzi in Microsoft Excel")
                         : QStringLiteral(" Esporta archivio box per cani in Microsoft Excel"));
    window->show();
    QCOMPARE(window->grid().rows(), 10);
    QCOMPARE(window->grid().columns(), 12);
    press(*window, "cmdEsporta");
    QCOMPARE(boxes.count(), 2);

    const QByteArray file = readFile(folder.file(fileName(twin)));
    const QByteArray sheet
        = isServices(twin) ? "<x:Name>Listino Prezzi</x:Name>" : "<x:Name>Riepilogo Box Cani</x:Name>";
    QVERIFY(file.contains(sheet));
    const QList<QByteArrayList> rows = rowsOf(file);
    QCOMPARE(rows.size(), 11);
    const QStringList titles = isServices(twin) ? kServiceTitles : kBoxTitles;
    QCOMPARE(rows.first().size(), titles.size());
    for (int c = 0; c < titles.size(); ++c) {
        QVERIFY(rows.first().at(c).contains("font-weight: bold;"));
        QCOMPARE(cellText(rows.first().at(c)), Cp1252::encode(titles.at(c)));
    }
    // The widths in the file.
    const QList<int> widths = isServices(twin) ? QList<int> { 250, 300, 250, 250, 350, 250, 250, 350, 350, 350, 150 }
                                               : QList<int> { 250, 250, 250, 250, 250, 250, 350, 350, 350, 350, 150 };
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
    TempProgramFolder folder;
    writeRecords(twin);
    MessageRecorder boxes; // Yes to both questions
    Opened opened;
    auto window = exportWindow(twin);
    window->show();
    ExportWindow::Grid &grid = window->grid();
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.text(1, 0), QStringLiteral("2"));
    QCOMPARE(grid.text(0, 1), QStringLiteral("007"));
    QCOMPARE(grid.text(0, 11), QStringLiteral("No"));
    QCOMPARE(grid.text(1, 11), QString::fromUtf8("Sì"));
    press(*window, "cmdEsporta");
    const QString path = folder.file(fileName(twin));
    QCOMPARE(opened.urls, QList<QUrl> { QUrl::fromLocalFile(path) });

    const QList<QByteArrayList> rows = rowsOf(readFile(path));
    QCOMPARE(rows.size(), 3);
    // The code column is kept as text; the others are plain cells.
    QVERIFY(rows.at(1).at(0).contains("class=\"txt\""));
    QCOMPARE(cellText(rows.at(1).at(0)), QByteArray("007"));
    QVERIFY(!rows.at(1).at(1).contains("class=\"txt\""));
    const QByteArrayList expected = isServices(twin)
        ? QByteArrayList { "007", "Toelettatura &lt;completa&gt;", "35,00", "Igiene", "Unghie: 5 \x80", "Sala", "1 ora",
              "Nessuno", "Lucia Ferr\xE8", "Note &amp; altro", "No" }
        : QByteArrayList { "007", "3 x 2 m", "2", "18,00", "Interno", "Piccola", "Box &lt;con&gt; cuccia", "Ala nord",
              "Ciotole", "Note &amp; altro", "No" };
    QByteArrayList first;
    for (const QByteArray &cell : rows.at(1))
        first.append(cellText(cell));
    QCOMPARE(first, expected);
    QCOMPARE(cellText(rows.at(2).at(0)), isServices(twin) ? QByteArray("PASS02") : QByteArray("B12"));
    QCOMPARE(cellText(rows.at(2).at(10)), QByteArray("S\xEC"));
}

void TestCatalogExports::editedCellReachesTheFileOnlyInEditableColumns()
{
    QFETCH(QString, twin);
    TempProgramFolder folder;
    writeRecords(twin);
    const QString archive = isServices(twin) ? ServiceRecord::path() : BoxRecord::path();
    const QByteArray before = readFile(archive);
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    auto window = exportWindow(twin);
    window->show();
    ExportWindow::Grid &grid = window->grid();
    // Services: Durata, Note, Non erogabile; boxes: Taglia cane, Note, Non prenotabile.
    const QList<int> editable = isServices(twin) ? QList<int> { 7, 10, 11 } : QList<int> { 6, 10, 11 };
    for (int c = 1; c < 12; ++c)
        QCOMPARE(bool(grid.flags(grid.index(0, c)) & Qt::ItemIsEditable), editable.contains(c));
    QVERIFY(grid.setData(grid.index(0, 10), QStringLiteral("modificata"), Qt::EditRole));
    press(*window, "cmdEsporta");
    QCOMPARE(cellText(rowsOf(readFile(folder.file(fileName(twin)))).at(1).at(9)), QByteArray("modificata"));
    QCOMPARE(readFile(archive), before);
}

void TestCatalogExports::editorCommandOpensExportWithItsHelp()
{
    QFETCH(QString, twin);
    TempProgramFolder folder;
    std::unique_ptr<TCatalogEditor> editor;
    if (isServices(twin))
        editor = std::make_unique<TfrmListino_Prezzi>();
    else
        editor = std::make_unique<TfrmBox_Cani>();
    editor->show();
    QString caption;
    QWidget *parent = nullptr;
    QString helpTitle;
    onNextModal([&](QWidget *modal) {
        auto *window = qobject_cast<ExportWindow *>(modal);
        if (!window) {
            modal->close();
            return;
        }
        caption = window->windowTitle();
        parent = window->parentWidget();
        QTimer::singleShot(8000, window, &QDialog::reject); // never hang, whatever happens below
        onNextModal([&, window](QWidget *help) {
            if (auto *title = help->findChild<QLabel *>(QStringLiteral("lblTitolo")))
                helpTitle = title->text();
            help->close();
            QTimer::singleShot(0, window->cmdEsci, &QAbstractButton::click);
        });
        window->cmdGuida->click();
    });
    editor->cmdEsporta->click();
    QCOMPARE(caption,
        isServices(twin) ? QStringLiteral(" Esporta listino prezzi in Microsoft Excel")
                         : QStringLiteral(" Esporta archivio box per cani in Microsoft Excel"));
    QCOMPARE(parent, editor.get());
    QCOMPARE(helpTitle,
        isServices(twin) ? QStringLiteral("Esportazione listino prezzi in Microsoft Excel")
                         : QStringLiteral("Esportazione archivio box per cani in Microsoft Excel"));
    QVERIFY(editor->findChildren<ExportWindow *>().isEmpty()); // freed when closed
}

void TestCatalogExports::libreOfficeReadsRowByRow()
{
    QFETCH(QString, twin);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice is not installed");
    TempProgramFolder folder;
    writeRecords(twin);
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    auto window = exportWindow(twin);
    window->show();
    press(*window, "cmdEsporta");

    QProcess office;
    office.setWorkingDirectory(folder.path());
    office.start(soffice,
        { "-env:UserInstallation=file://" + folder.path() + "lo-profile", "--headless", "--infilter=calc_HTML_WebQuery",
            "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", folder.path() + "csv",
            folder.file(fileName(twin)) });
    QVERIFY(office.waitForFinished(120000));
    const QString csv = folder.path() + "csv/" + QFileInfo(fileName(twin)).completeBaseName() + ".csv";
    const QStringList lines = QString::fromUtf8(readFile(csv)).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], (isServices(twin) ? kServiceTitles : kBoxTitles).join(u','));
    if (isServices(twin)) {
        QCOMPARE(lines[1],
            QString::fromUtf8("007,Toelettatura <completa>,\"35,00\",Igiene,Unghie: 5 €,Sala,1 ora,Nessuno,"
                              "Lucia Ferrè,Note & altro,No"));
        QCOMPARE(lines[2], QString::fromUtf8("PASS02,,,,,,,,,,Sì"));
    } else {
        QCOMPARE(lines[1],
            QString::fromUtf8("007,3 x 2 m,2,\"18,00\",Interno,Piccola,Box <con> cuccia,Ala nord,Ciotole,"
                              "Note & altro,No"));
        QCOMPARE(lines[2], QString::fromUtf8("B12,,,,,,,,,,Sì"));
    }
}

QTEST_MAIN(TestCatalogExports)
#include "tst_catalogexports.moc"
