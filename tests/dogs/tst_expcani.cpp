// The dogs export: the grid of Anagrafica_Cani.pro with its editable columns,
// Cani.xls with the sheet "Riepilogo Cani", its 25 titles and one row per
// grid row (the empty design rows of an empty archive included), the fields
// that never reach the file, a typed cell, and LibreOffice Calc reading the
// file back.

#include "app/dialogs/OpenURL.h"
#include "common/ArchiveFile.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "dogs/ExpCani.h"
#include "dogs/core/DogRecord.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/SheetFile.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QUrl>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

void writeDogs()
{
    RecordBuffer record(DogRecord::layout());
    ArchiveFile archive(DogRecord::path(), DogRecord::size());
    for (int f = 0; f < DogRecord::FieldCount; ++f)
        record.setText(f, DogRecord::layout().name(f).left(DogRecord::layout().capacity(f)));
    record.setText(DogRecord::Nome, u"Rex");
    record.setText(DogRecord::Microchip, u"380260000123456");
    record.setText(DogRecord::InizioProp, QStringLiteral("propriet\u00E0"));
    record.setText(DogRecord::Note, u"a<b & c");
    archive.append(record.bytes());
    record.clear();
    record.setText(DogRecord::Nome, u"Briciola");
    record.setText(DogRecord::Note, u"ultima");
    archive.append(record.bytes());
}

} // namespace

class TestExpCani : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }
    void emptyArchiveExportsTitlesAndDesignRows();
    void dogsFillTheGridAndTheFile();
    void editableColumns();
    void editorCommandOpensTheExport();
    void libreOfficeReadsOneRowPerDog();
};

void TestExpCani::emptyArchiveExportsTitlesAndDesignRows()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    OpenedUrls opened;
    TfrmExpCani window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral(" Esporta archivio anagrafico cani in Microsoft Excel"));
    QCOMPARE(window.grid().rows(), 10);
    QCOMPARE(window.grid().columns(), 26);
    QVERIFY(QFileInfo(DogRecord::path()).isFile());
    press(window, "cmdEsporta");
    QCOMPARE(boxes.count(), 2);
    QVERIFY(opened.urls.isEmpty());

    const QByteArray file = readFile(folder.file(QStringLiteral("Cani.xls")));
    QVERIFY(file.contains("<x:Name>Riepilogo Cani</x:Name>"));
    QVERIFY(!file.contains('\r'));
    QVERIFY(!file.contains('\n'));
    const QByteArrayList expected = { "Nome cane|250", "Sesso|100", "Data nascita|200", "Gruppo appartenenza|250",
        "Razza|250", "Colore mantello|250", "Segni particolari|250", "Sterilizzato|250", "Libretto sanitario|250",
        "Medico veterinario|250", "Numero ROI|250", "Codice microchip|250", "Data applicazione|200",
        "Localizzazione|250", "Tatuaggio|250", "Pedigree|250", "Proprietario attuale|250", "Telefono preferenziale|250",
        "Codice fiscale|250", "Comune di residenza|250", "Data inizio propriet\xE0|200", "Allevatore|250",
        "Vaccinazioni|350", "Alimentazione|350", "Note|350" };
    QCOMPARE(SheetFile::titles(file), expected);
    const QList<QByteArrayList> rows = SheetFile::dataRows(file);
    QCOMPARE(rows.size(), 10);
    for (const QByteArrayList &row : rows)
        QCOMPARE(row, QByteArrayList(25, QByteArray()));
}

void TestExpCani::dogsFillTheGridAndTheFile()
{
    TempProgramFolder folder;
    writeDogs();
    MessageRecorder boxes;
    OpenedUrls opened;
    TfrmExpCani window;
    window.show();
    ExportWindow::Grid &grid = window.grid();
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.text(1, 0), QStringLiteral("2"));
    QCOMPARE(grid.text(0, grid.column(u"colNome")), QStringLiteral("Rex"));
    QCOMPARE(grid.text(0, grid.column(u"colMantello")), QStringLiteral("Mantello"));
    QCOMPARE(
        grid.headerData(21, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Data inizio propriet\u00E0"));

    press(window, "cmdEsporta");
    const QString path = folder.file(QStringLiteral("Cani.xls"));
    QCOMPARE(opened.urls, QList<QUrl> { QUrl::fromLocalFile(path) });
    const QByteArray file = readFile(path);
    const QList<QByteArrayList> rows = SheetFile::dataRows(file);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].size(), 25);
    const QByteArrayList first
        = { "Rex", "S", "DataNasc", "Gruppo", "Razza", "Mantello", "Segni", "Sterilizzato", "Libretto", "Medico", "ROI",
              "380260000123456", "DataApp", "Localizzazione", "Tatuaggio", "Pedigree", "Proprietario", "Recapito",
              "CodFisc", "ComuneRes", "propriet\xE0", "Allevatore", "Vaccinazioni", "Alimentazione", "a&lt;b &amp; c" };
    QCOMPARE(rows[0], first);
    QCOMPARE(rows[1].first(), "Briciola");
    QCOMPARE(rows[1].last(), "ultima"); // the note is the last column
    // Neither the body measures nor the genealogy beyond the breeder.
    for (const char *absent : { ">Pelo<", ">Peso<", ">Padre<", ">NonniPat<", ">Titoli<", ">Sverminazioni<" })
        QVERIFY2(!file.contains(absent), absent);
}

void TestExpCani::editableColumns()
{
    TempProgramFolder folder;
    writeDogs();
    MessageRecorder boxes;
    TfrmExpCani window;
    window.show();
    QStringList editable;
    ExportWindow::Grid &grid = window.grid();
    for (int c = 0; c < grid.columns(); ++c)
        if (grid.flags(grid.index(0, c)) & Qt::ItemIsEditable)
            editable.append(QString::fromLatin1(TfrmExpCani::columns().at(c).name));
    QCOMPARE(editable,
        QStringList({ "colMantello", "colLocalizzazione", "colPedigree", "colProprietario", "colRecapito", "colCodFisc",
            "colInizioProp", "colAlimentazione" }));
}

void TestExpCani::editorCommandOpensTheExport()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    TfrmCani editor;
    editor.show();
    QString opened;
    QWidget *owner = nullptr;
    onNextModal([&](QWidget *modal) {
        opened = QString::fromLatin1(modal->metaObject()->className());
        owner = modal->parentWidget();
        qobject_cast<QDialog *>(modal)->reject();
    });
    QTest::mouseClick(editor.cmdEsporta, Qt::LeftButton);
    QCOMPARE(opened, QStringLiteral("TfrmExpCani"));
    QCOMPARE(owner, static_cast<QWidget *>(&editor));
    QVERIFY(editor.findChildren<TfrmExpCani *>().isEmpty());
}

void TestExpCani::libreOfficeReadsOneRowPerDog()
{
    if (SheetFile::soffice().isEmpty())
        QSKIP("soffice is not installed");
    TempProgramFolder folder;
    writeDogs();
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    TfrmExpCani window;
    window.show();
    press(window, "cmdEsporta");

    const QStringList lines = SheetFile::calcLines(folder.path(), "Cani.xls");
    QCOMPARE(lines.size(), 3); // titles and two dogs
    QVERIFY(lines[0].startsWith(u"Nome cane,Sesso,Data nascita,Gruppo appartenenza,Razza,"));
    QVERIFY(lines[0].contains(QStringLiteral("Data inizio propriet\u00E0")));
    QVERIFY(lines[0].endsWith(u",Note"));
    QVERIFY2(lines[1].startsWith(u"Rex,S,DataNasc,"), qPrintable(lines[1]));
    QVERIFY(lines[1].contains(u",380260000123456,")); // the microchip kept as typed
    QVERIFY(lines[1].contains(QStringLiteral(",propriet\u00E0,")));
    QVERIFY(lines[1].endsWith(u",a<b & c"));
    QVERIFY(lines[2].startsWith(u"Briciola,"));
    QVERIFY(lines[2].endsWith(u",ultima"));
}

QTEST_MAIN(TestExpCani)
#include "tst_expcani.moc"
