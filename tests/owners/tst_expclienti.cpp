#include "app/dialogs/OpenURL.h"
#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/RecordLayout.h"
#include "common/ui/WindowKit.h"
#include "owners/ExpClienti.h"
#include "owners/core/OwnerRecord.h"
#include "tests/support/FailDevice.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/SheetFile.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

// Three owners: a full one with accents and markup, one without birthplace,
// one with only a name.
void writeOwners()
{
    RecordBuffer record(OwnerRecord::layout());
    ArchiveFile archive(OwnerRecord::path(), OwnerRecord::size());

    record.clear();
    record.setText(OwnerRecord::Cliente, u"Rossi Mario");
    record.setText(OwnerRecord::DataNasc, u"01/02/1970");
    record.setText(OwnerRecord::ComuneNasc, u"Roma");
    record.setText(OwnerRecord::ProvNasc, u"RM");
    record.setText(OwnerRecord::Sesso, u"M");
    record.setText(OwnerRecord::Recapito, u"06 1234567");
    record.setText(OwnerRecord::IndirizzoRes, u"Via Po, 3");
    record.setText(OwnerRecord::ComuneRes, QString::fromUtf8("Forlì"));
    record.setText(OwnerRecord::ProvRes, u"FC");
    record.setText(OwnerRecord::CapRes, u"47121");
    record.setText(OwnerRecord::Estremi, u"Bonifico");
    record.setText(OwnerRecord::CodFisc, u"RSSMRA70B01H501X");
    record.setText(OwnerRecord::PartitaIva, u"12345678901");
    record.setText(OwnerRecord::Iban, u"IT60X0542811101000000123456");
    record.setText(OwnerRecord::Note, u"<b>&");
    record.setFlag(OwnerRecord::Ricontatta, true);
    archive.append(record.bytes());

    record.clear();
    record.setText(OwnerRecord::Cliente, u"Bianchi Anna");
    record.setText(OwnerRecord::ComuneRes, u"Milano");
    record.setText(OwnerRecord::Questioni, QString::fromUtf8("Saldo di 20 € già concordato"));
    archive.append(record.bytes());

    record.clear();
    record.setText(OwnerRecord::Cliente, u"Verdi Luca");
    archive.append(record.bytes());
}

QTableView *gridOf(QWidget &window)
{
    return window.findChild<QTableView *>(QStringLiteral("grdRecords"));
}

} // namespace

class TestExpClienti : public QObject
{
    Q_OBJECT
private slots:
    void emptyArchiveWritesTheGoldenFile();
    void ownersFillTheGridAndTheFile();
    void typedCellReachesTheFileNotTheArchive();
    void noToTheFirstQuestionWritesNothing();
    void targetThatCannotBeWrittenShowsThePlainBox();
    void hintLine();
    void longCellsShowWhatTheWholeTextShows_data();
    void longCellsShowWhatTheWholeTextShows();
    void openedModallyWithHelpAndExit();
    void libreOfficeReadsOneRowPerOwner();
    void libreOfficeKeepsCodesAsTyped();
    void exportOnFullDiskShowsTheFailureAndKeepsTheEarlierFile();
    void hugeSparseArchiveShowsAMessageWithinASecond();
};

void TestExpClienti::emptyArchiveWritesTheGoldenFile()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false); // do not open
    OpenedUrls opened;

    TfrmExpClienti window;
    window.show();
    QTableView *grid = gridOf(window);
    QVERIFY(grid);
    QCOMPARE(grid->model()->rowCount(), 10);
    QCOMPARE(grid->model()->columnCount(), 26);
    QVERIFY(QFileInfo::exists(folder.file("Proprietari.pro"))); // opened (created) to fill the grid

    press(window, "cmdEsporta");
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.kind(0), Kind::Confirmation);
    QCOMPARE(boxes.text(0),
        QString::fromUtf8("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda "
                          "del numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i "
                          "dati adesso?"));
    QCOMPARE(boxes.kind(1), Kind::Confirmation);
    QCOMPARE(boxes.text(1),
        QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole "
                       "aprire il file di Excel?"));
    QVERIFY(opened.urls.isEmpty());

    const QByteArray golden = readFile(QFINDTESTDATA("data/Proprietari_empty.xls"));
    QCOMPARE(golden.size(), 14495);
    const QByteArray written = readFile(folder.file("Proprietari.xls"));
    QCOMPARE(written, golden);
    QVERIFY(!written.contains('\r'));
    QVERIFY(!written.contains('\n'));
    QVERIFY(written.contains("width=250>Modalit\xE0 di pagamento</td>"));
}

void TestExpClienti::ownersFillTheGridAndTheFile()
{
    TempProgramFolder folder;
    writeOwners();
    MessageRecorder boxes; // Yes to both questions
    OpenedUrls opened;

    TfrmExpClienti window;
    window.show();
    ExportWindow::Grid &grid = window.grid();
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.text(0, 0), QStringLiteral("1"));
    QCOMPARE(grid.text(2, 0), QStringLiteral("3"));
    QCOMPARE(grid.text(0, grid.column(u"colCliente")), QStringLiteral("Rossi Mario"));
    QCOMPARE(grid.text(0, grid.column(u"colComuneNasc")), QStringLiteral("Roma RM"));
    QCOMPARE(
        grid.text(1, grid.column(u"colComuneNasc")), QStringLiteral(" ")); // a single blank, trimmed away in the file
    QCOMPARE(grid.text(0, grid.column(u"colComuneRes")), QString::fromUtf8("Forlì FC"));
    QCOMPARE(grid.text(0, grid.column(u"colPartitaIva")), QStringLiteral("12345678901"));
    QCOMPARE(grid.text(0, grid.column(u"colNote")), QStringLiteral("<b>&"));
    QCOMPARE(grid.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
        QStringLiteral("Comune / Stato estero di nascita"));

    // A record stored after the window was shown is not exported.
    {
        RecordBuffer late(OwnerRecord::layout());
        late.setText(OwnerRecord::Cliente, u"Neri Ugo");
        ArchiveFile(OwnerRecord::path(), OwnerRecord::size()).append(late.bytes());
    }

    press(window, "cmdEsporta");
    QCOMPARE(boxes.count(), 2);
    const QString path = folder.file("Proprietari.xls");
    QCOMPARE(opened.urls, QList<QUrl> { QUrl::fromLocalFile(path) });

    const QByteArray file = readFile(path);
    QVERIFY(!file.contains('\r'));
    QVERIFY(!file.contains('\n'));
    QVERIFY(!file.contains("Neri Ugo"));
    const QList<QByteArrayList> rows = SheetFile::dataRows(file);
    QCOMPARE(rows.size(), 3);
    for (const QByteArrayList &row : rows)
        QCOMPARE(row.size(), 25);
    QCOMPARE(rows[0][0], "Rossi Mario");
    QCOMPARE(rows[0][1], "01/02/1970");
    QCOMPARE(rows[0][2], "Roma RM");
    QCOMPARE(rows[0][3], "06 1234567");
    QCOMPARE(rows[0][5], "Forl\xEC FC");
    QCOMPARE(rows[0][6], "Bonifico");
    QCOMPARE(rows[0][12], "RSSMRA70B01H501X");
    QCOMPARE(rows[0][13], "12345678901");
    QCOMPARE(rows[0][16], "IT60X0542811101000000123456");
    QCOMPARE(rows[0][24], "&lt;b&gt;&amp;");
    QCOMPARE(rows[1][2], "");
    QCOMPARE(rows[1][5], "Milano");
    QCOMPARE(rows[1][23], "Saldo di 20 \x80 gi\xE0 concordato");
    QCOMPARE(rows[2], QByteArrayList({ "Verdi Luca" }) + QByteArrayList(24, QByteArray()));
    QVERIFY(!file.contains(">M<")); // Sesso is not exported
    QVERIFY(!file.contains("47121")); // nor CapRes

    // Exporting again replaces the file; No to the second question opens nothing.
    window.grid().setData(
        window.grid().index(2, window.grid().column(u"colNote")), QStringLiteral("seconda"), Qt::EditRole);
    boxes.answerNext(true);
    boxes.answerNext(false);
    press(window, "cmdEsporta");
    QCOMPARE(opened.urls.size(), 1);
    QCOMPARE(SheetFile::dataRows(readFile(path)).at(2).at(24), "seconda");
}

void TestExpClienti::typedCellReachesTheFileNotTheArchive()
{
    TempProgramFolder folder;
    writeOwners();
    const QByteArray archiveBefore = readFile(OwnerRecord::path());
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);

    TfrmExpClienti window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableView *grid = gridOf(window);
    ExportWindow::Grid &cells = window.grid();

    // A read-only column refuses typing.
    const int name = cells.column(u"colCliente");
    grid->setFocus();
    grid->setCurrentIndex(cells.index(1, name));
    QTest::keyClick(grid, Qt::Key_X);
    QCOMPARE(cells.text(1, name), QStringLiteral("Bianchi Anna"));

    // Typing into the note of the second owner; the export is given while the
    // cell is still being edited.
    const int note = cells.column(u"colNote");
    grid->setCurrentIndex(cells.index(1, note));
    QTest::keyClick(grid, 'N');
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClicks(editor, "uova nota");
    press(window, "cmdEsporta");

    QCOMPARE(cells.text(1, note), QStringLiteral("Nuova nota"));
    QCOMPARE(SheetFile::dataRows(readFile(folder.file("Proprietari.xls"))).at(1).at(24), "Nuova nota");
    QCOMPARE(readFile(OwnerRecord::path()), archiveBefore);
}

void TestExpClienti::noToTheFirstQuestionWritesNothing()
{
    TempProgramFolder folder;
    writeOwners();
    MessageRecorder boxes;
    boxes.answerNext(false);
    OpenedUrls opened;

    TfrmExpClienti window;
    window.show();
    press(window, "cmdEsporta");
    QCOMPARE(boxes.count(), 1);
    QVERIFY(!QFileInfo::exists(folder.file("Proprietari.xls")));
    QVERIFY(opened.urls.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "Proprietari.pro" });
}

void TestExpClienti::targetThatCannotBeWrittenShowsThePlainBox()
{
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir("Proprietari.xls"));
    MessageRecorder boxes;
    OpenedUrls opened;

    TfrmExpClienti window;
    window.show();
    press(window, "cmdEsporta");
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.kind(1), Kind::Plain);
    QCOMPARE(boxes.text(1),
        QString::fromUtf8("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto."));
    QVERIFY(opened.urls.isEmpty());
    QVERIFY(QFileInfo(folder.file("Proprietari.xls")).isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "Proprietari.pro" }); // no temporary left
}

void TestExpClienti::hintLine()
{
    TempProgramFolder folder;
    TfrmExpClienti window;
    window.show();
    auto *panInfo = window.findChild<QLabel *>(QStringLiteral("panInfo"));
    QVERIFY(panInfo);
    QCOMPARE(panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    const auto move = [](QWidget *w) {
        const QPointF at(3, 3);
        QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    move(window.cmdEsporta);
    QCOMPARE(panInfo->text(), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    move(window.cmdGuida);
    QCOMPARE(panInfo->text(), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    move(window.cmdEsci);
    QCOMPARE(panInfo->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
    move(window.grdRecords->viewport());
    QCOMPARE(panInfo->text(), QString());
    move(window.cmdEsporta);
    move(&window);
    QCOMPARE(panInfo->text(), QString());
}

void TestExpClienti::longCellsShowWhatTheWholeTextShows_data()
{
    // Texts typed into every cell of the first rows: the grid must look exactly as an item view
    // drawing the whole text would draw it (elided at the same place, lines and direction kept).
    QTest::addColumn<QString>("text");
    const QString words = QStringLiteral("Via Giuseppe Garibaldi 12, Forlì ");
    QTest::newRow("short") << QStringLiteral("Rossi");
    QTest::newRow("just past the edge") << QString(QStringLiteral("W")).repeated(40);
    QTest::newRow("long words") << words.repeated(10);
    QTest::newRow("kerning pairs and narrow letters")
        << QStringLiteral("AVAVAV To Ty Wa ") + QString(QStringLiteral("il.")).repeated(120);
    QTest::newRow("code page signs") << QStringLiteral("€ „quoted” … ‰ • – — ™ ").repeated(12);
    QTest::newRow("line break far on") << words.repeated(6) + QStringLiteral("\nseconda riga");
    QTest::newRow("tab far on") << words.repeated(6) + QStringLiteral("\tdopo");
    QTest::newRow("right-to-left far on") << words.repeated(6) + QStringLiteral("\u05E9\u05DC\u05D5\u05DD");
    QTest::newRow("right-to-left from the start")
        << QString(QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD ")).repeated(20) + words;
    QTest::newRow("direction mark far on") << words.repeated(6) + QStringLiteral("\u202Efine");
}

void TestExpClienti::longCellsShowWhatTheWholeTextShows()
{
    QFETCH(QString, text);
    TempProgramFolder folder;
    TfrmExpClienti window;
    window.show();
    ExportWindow::Grid &grid = window.grid();
    for (qsizetype row = 0; row < qMin<qsizetype>(grid.rows(), 6); ++row) {
        for (int column = 0; column < grid.columns(); ++column)
            grid.setText(row, column, text.mid(row * 3 + column));
    }
    QTableView *view = window.grdRecords;
    const QImage drawn = view->viewport()->grab().toImage();
    QAbstractItemDelegate *cells = view->itemDelegate();
    QStyledItemDelegate whole;
    view->setItemDelegate(&whole);
    const QImage wholeDrawn = view->viewport()->grab().toImage();
    view->setItemDelegate(cells);
    QVERIFY(!drawn.isNull());
    QVERIFY(drawn == wholeDrawn);
}

void TestExpClienti::openedModallyWithHelpAndExit()
{
    TempProgramFolder folder;
    QWidget owner;
    owner.show();

    // Opened as the owner editor opens it; the help command, then the exit command.
    QString caption;
    QSize size;
    QWidget *parent = nullptr;
    QString helpTitle;
    onNextModal([&](QWidget *modal) {
        auto *window = qobject_cast<TfrmExpClienti *>(modal);
        if (!window) {
            modal->close();
            return;
        }
        caption = window->windowTitle();
        size = window->size();
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
    WindowKit::openModalDialog<TfrmExpClienti>(&owner);
    QCOMPARE(caption, QStringLiteral(" Esporta archivio proprietari in Microsoft Excel"));
    QCOMPARE(size, QSize(862, 560));
    QCOMPARE(parent, &owner);
    QCOMPARE(helpTitle, QStringLiteral("Esportazione archivio proprietari in Microsoft Excel"));
    QVERIFY(owner.findChildren<TfrmExpClienti *>().isEmpty()); // freed when closed
}

void TestExpClienti::libreOfficeReadsOneRowPerOwner()
{
    if (SheetFile::soffice().isEmpty())
        QSKIP("soffice is not installed");
    TempProgramFolder folder;
    writeOwners();
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    TfrmExpClienti window;
    window.show();
    press(window, "cmdEsporta");

    const QStringList lines = SheetFile::calcLines(folder.path(), "Proprietari.xls");
    QCOMPARE(lines.size(), 4); // titles and three owners
    QVERIFY(lines[0].startsWith(QString::fromUtf8("Cognome e nome,Data di nascita,Comune di nascita,")));
    QVERIFY(lines[0].contains(QString::fromUtf8("Modalità di pagamento")));
    QVERIFY(lines[1].startsWith(u"Rossi Mario,01/02/1970,Roma RM,06 1234567,\"Via Po, 3\",Forlì FC,Bonifico,"));
    QVERIFY(lines[1].endsWith(u",<b>&"));
    QVERIFY(lines[2].startsWith(u"Bianchi Anna,,,,,Milano,"));
    QVERIFY(lines[2].contains(QString::fromUtf8("Saldo di 20 € già concordato")));
    QVERIFY(lines[3].startsWith(u"Verdi Luca,"));
}

void TestExpClienti::libreOfficeKeepsCodesAsTyped()
{
    if (SheetFile::soffice().isEmpty())
        QSKIP("soffice is not installed");
    TempProgramFolder folder;
    {
        RecordBuffer record(OwnerRecord::layout());
        record.clear();
        record.setText(OwnerRecord::Cliente, u"Gialli Ada");
        record.setText(OwnerRecord::Recapito, u"0543123456");
        record.setText(OwnerRecord::TelCasa, u"0123456789012345678");
        record.setText(OwnerRecord::TelUff, u"+390543123456");
        record.setText(OwnerRecord::TelCel, u"00393331234567");
        record.setText(OwnerRecord::Fax, u"0543 12 34 56");
        record.setText(OwnerRecord::CodFisc, u"GLLDAA80A41D704E");
        record.setText(OwnerRecord::PartitaIva, u"01234567890");
        record.setText(OwnerRecord::Carta, u"4111111111111111");
        record.setText(OwnerRecord::ScadeCarta, u"03/27");
        record.setText(OwnerRecord::Iban, u"IT60X0542811101000000123456");
        ArchiveFile(OwnerRecord::path(), OwnerRecord::size()).append(record.bytes());
    }
    MessageRecorder boxes;
    boxes.answerNext(true);
    boxes.answerNext(false);
    TfrmExpClienti window;
    window.show();
    // A code typed into the grid is kept as typed too.
    window.grid().setData(
        window.grid().index(0, window.grid().column(u"colIban")), QStringLiteral("00012"), Qt::EditRole);
    press(window, "cmdEsporta");

    const QStringList lines = SheetFile::calcLines(folder.path(), "Proprietari.xls");
    QCOMPARE(lines.size(), 2);
    const QStringList cells = lines[1].split(u',');
    QCOMPARE(cells.size(), 25);
    QCOMPARE(cells[0], u"Gialli Ada");
    QCOMPARE(cells[3], u"0543123456");
    QCOMPARE(cells[7], u"0123456789012345678");
    QCOMPARE(cells[8], u"+390543123456");
    QCOMPARE(cells[9], u"00393331234567");
    QCOMPARE(cells[10], u"0543 12 34 56");
    QCOMPARE(cells[12], u"GLLDAA80A41D704E");
    QCOMPARE(cells[13], u"01234567890");
    QCOMPARE(cells[14], u"4111111111111111");
    QCOMPARE(cells[15], u"03/27");
    QCOMPARE(cells[16], u"00012");
}

void TestExpClienti::exportOnFullDiskShowsTheFailureAndKeepsTheEarlierFile()
{
    TempProgramFolder folder;
    writeOwners();
    const QString path = folder.file("Proprietari.xls");
    const QByteArray earlier = "export precedente, completo";
    writeFile(path, earlier);
    MessageRecorder boxes; // Yes to the question; no success question may follow
    OpenedUrls opened;

    TfrmExpClienti window;
    window.show();
    {
        TestSupport::FileSizeLimit disk { 4096 };
        press(window, "cmdEsporta");
    }
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.kind(1), Kind::Plain);
    QCOMPARE(boxes.text(1), ExportWindow::kFailure);
    QVERIFY(opened.urls.isEmpty());
    QCOMPARE(readFile(path), earlier);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({ "Proprietari.pro", "Proprietari.xls" }));
}

void TestExpClienti::hugeSparseArchiveShowsAMessageWithinASecond()
{
    TempProgramFolder folder;
    if (QProcess::execute(
            QStringLiteral("truncate"), { QStringLiteral("-s"), QStringLiteral("1T"), OwnerRecord::path() })
        != 0)
        QSKIP("truncate cannot make a sparse file here");
    MessageRecorder boxes;
    QElapsedTimer timer;
    timer.start();
    {
        TfrmExpClienti window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 1, 1000);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(boxes.kind(0), Kind::Warning);
        QCOMPARE(boxes.text(0), ExportWindow::kTooLarge);
        QCOMPARE(window.grid().rows(), 10); // the empty rows of the layout stay
    }
    QVERIFY(QFile::remove(OwnerRecord::path()));
}

QTEST_MAIN(TestExpClienti)
#include "tst_expclienti.moc"
