// The dog's documents: the rich-text sheet Scheda_Cane.rtf (the golden file
// of an empty dog, Windows-1252 accents, escaped braces and backslashes read
// back by LibreOffice Writer, the two questions, a target that cannot be
// written), the printed sheet (the editor's values and photo, rendered to PDF
// and read back with pdftotext) and the editor commands that open them.

#include "app/dialogs/OpenURL.h"
#include "common/Clock.h"
#include "common/FileFailure.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Application.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "dogs/CreaRTF.h"
#include "dogs/PhotoView.h"
#include "dogs/StampaCane.h"
#include "dogs/core/DogSheetRtf.h"
#include "tests/support/FixtureData.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

QStringList emptyValues()
{
    return QStringList(DogSheetRtf::fields().size(), QString());
}

// Runs a program; its standard output, or a null string when it failed.
QString run(const QString &program, const QStringList &arguments, const QString &folder = QString())
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestDogSheets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void emptyDogGivesTheGoldenDocument();
    void accentsAreWindows1252();
    void valuesAreEscaped_data();
    void valuesAreEscaped();
    void libreOfficeReadsBracesAndBackslashes();
    void questionsDecideWriteAndOpen_data();
    void questionsDecideWriteAndOpen();
    void targetThatCannotBeWrittenKeepsNoHalfFile();
    void otherCallerModeDoesNothing();
    void printedSheetHoldsTheEditorValues();
    void printedSheetCarriesThePhoto();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_boxes;
    std::unique_ptr<TfrmCani> m_editor;
};

void TestDogSheets::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MessageRecorder>();
    m_editor = std::make_unique<TfrmCani>();
    frmCani = m_editor.get();
    WindowRegistry::set(QLatin1String(WindowNames::frmCani), m_editor.get());
    m_editor->show();
}

void TestDogSheets::cleanup()
{
    WindowRegistry::clear();
    frmCani = nullptr;
    m_editor.reset();
    m_boxes.reset();
    m_folder.reset();
}

void TestDogSheets::emptyDogGivesTheGoldenDocument()
{
    const QByteArray golden = FixtureData::bytes(QStringLiteral("dogsheet/empty.rtf"));
    QCOMPARE(golden.size(), 2456);
    QCOMPARE(DogSheetRtf::document(emptyValues()), golden);
    // The editor's blanks count as empty.
    for (QLineEdit *edit : m_editor->edits())
        edit->setText(QStringLiteral("  "));
    QCOMPARE(DogSheetRtf::document(TfrmCreaRTF::values(m_editor.get())), golden);
}

void TestDogSheets::accentsAreWindows1252()
{
    m_editor->txtNome->setText(QStringLiteral("Rex"));
    m_editor->txtSesso->setText(QStringLiteral("M"));
    m_editor->txtNote->setText(QStringLiteral("citt\u00E0"));
    const QByteArray rtf = DogSheetRtf::document(TfrmCreaRTF::values(m_editor.get()));
    QCOMPARE(rtf.size(), 2465);
    QVERIFY(
        rtf.contains("\\par \\pard\\f0\\fs20 Nome cane:\\b0\\f1  \\f0 Rex\\par\\par \\b Sesso:\\b0\\f1  \\f0 M\\par"));
    QVERIFY(rtf.endsWith("\\par\\par \\b Note:\\b0\\f1  \\f0 citt\xE0\\b\\par\\par }"));
    QVERIFY(!rtf.contains('\r'));
    QVERIFY(!rtf.contains('\n'));
}

void TestDogSheets::valuesAreEscaped_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("plain text unchanged") << "Rex" << QByteArray("Rex");
    QTest::newRow("backslash and braces") << "C:\\par {x}" << QByteArray("C:\\\\par \\{x\\}");
    QTest::newRow("lone closing brace") << "}" << QByteArray("\\}");
    QTest::newRow("euro sign") << QStringLiteral("20 \u20AC") << QByteArray("20 \x80");
    QTest::newRow("no equivalent") << QStringLiteral("\u4E2D") << QByteArray("?");
    QTest::newRow("line break kept off the one line") << "a\r\nb" << QByteArray("a  b");
    QTest::newRow("BEL, ESC, VT and DEL as blanks") << "a\ab\x1B[31mc\vd\x7F" << QByteArray("a b [31mc d ");
}

void TestDogSheets::valuesAreEscaped()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, stored);
    QStringList values = emptyValues();
    values[1] = value;
    QVERIFY(DogSheetRtf::document(values).contains("\\b Sesso:\\b0\\f1  \\f0 " + stored + "\\par"));
}

void TestDogSheets::libreOfficeReadsBracesAndBackslashes()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice is not installed");
    // The office suite may come without its word processor (Calc only).
    const QString program = QFileInfo(QFileInfo(soffice).canonicalFilePath()).absolutePath();
    if (!QFileInfo::exists(program + QStringLiteral("/libswlo.so")))
        QSKIP("LibreOffice Writer is not installed");
    QStringList values = emptyValues();
    values[0] = QStringLiteral("Rex");
    values[4] = QStringLiteral("Bassotto {nano}");
    values[53] = QStringLiteral("C:\\par {x} citt\u00E0");
    const QString path = m_folder->file(QStringLiteral("Scheda_Cane.rtf"));
    QVERIFY(!DogSheetRtf::write(path, values));
    const QString profile = QStringLiteral("-env:UserInstallation=file://") + m_folder->path() + "lo-profile";
    QVERIFY(!run(soffice,
        { profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
            QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"), m_folder->path() + "txt", path })
                 .isNull());
    const QString text = QString::fromUtf8(readFile(m_folder->file(QStringLiteral("txt/Scheda_Cane.txt"))));
    QVERIFY2(text.contains(QStringLiteral("SCHEDA ANAGRAFICA CANE")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Nome cane: Rex")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Razza: Bassotto {nano}")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Note: C:\\par {x} citt\u00E0")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Localizzazione microchip:")));
}

void TestDogSheets::questionsDecideWriteAndOpen_data()
{
    QTest::addColumn<bool>("create");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("questions");
    QTest::newRow("yes, yes: written and opened") << true << true << true << 2;
    QTest::newRow("yes, no: written, not opened") << true << false << true << 2;
    QTest::newRow("no: the earlier file untouched") << false << false << false << 1;
}

void TestDogSheets::questionsDecideWriteAndOpen()
{
    QFETCH(bool, create);
    QFETCH(bool, open);
    QFETCH(bool, written);
    QFETCH(int, questions);
    OpenedUrls opened;
    const QString path = DogSheetRtf::path();
    QCOMPARE(path, m_folder->file(QStringLiteral("Scheda_Cane.rtf")));
    writeFile(path, "earlier");
    m_editor->txtNome->setText(QStringLiteral("Rex"));
    m_boxes->answerNext(create);
    m_boxes->answerNext(open);

    QString mode;
    bool closed = false;
    onNextModal([&](QWidget *modal) {
        auto *window = qobject_cast<TfrmCreaRTF *>(modal);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral(" Esporta scheda in RTF"));
        QCOMPARE(window->actionButton()->text(), QStringLiteral("Esporta e stampa"));
        mode = window->lblMemory()->text();
        QTest::mouseClick(window->actionButton(), Qt::LeftButton);
        closed = !window->isVisible();
    });
    QTest::mouseClick(m_editor->cmdAnteprima, Qt::LeftButton);
    QCOMPARE(mode, QStringLiteral("cani"));
    QVERIFY(closed);
    QCOMPARE(m_boxes->count(), questions);
    QCOMPARE(m_boxes->kind(0), Kind::Confirmation);
    QCOMPARE(m_boxes->text(0), TfrmCreaRTF::kAskCreate);
    if (questions == 2)
        QCOMPARE(m_boxes->text(1), TfrmCreaRTF::kAskOpen);
    const QByteArray file = readFile(path);
    if (written) {
        QVERIFY(file.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(file.contains("Nome cane:\\b0\\f1  \\f0 Rex\\par"));
    } else {
        QCOMPARE(file, QByteArray("earlier"));
    }
    QCOMPARE(opened.urls.size(), open ? 1 : 0);
    if (open)
        QCOMPARE(opened.urls.first(), QUrl::fromLocalFile(path));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList { QStringLiteral("Scheda_Cane.rtf") });
}

void TestDogSheets::targetThatCannotBeWrittenKeepsNoHalfFile()
{
    OpenedUrls opened;
    const QString path = DogSheetRtf::path();
    QVERIFY(QDir().mkpath(path)); // a folder where the document goes
    TfrmCreaRTF window(m_editor.get());
    window.lblMemory()->setText(QStringLiteral("cani"));
    window.show();
    window.runAction();
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_boxes->kind(1), Kind::Plain);
    QCOMPARE(m_boxes->text(1), TfrmCreaRTF::kFailure);
    QVERIFY(!window.isVisible());
    QVERIFY(opened.urls.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).isEmpty()); // no temporary left

    // The writer reports the reason without touching the folder.
    const FileFailure failure = DogSheetRtf::write(path, emptyValues());
    QVERIFY(failure.failed());
}

void TestDogSheets::otherCallerModeDoesNothing()
{
    TfrmCreaRTF window(m_editor.get());
    window.lblMemory()->setText(QStringLiteral("Cani"));
    window.show();
    window.runAction();
    QCOMPARE(m_boxes->count(), 0);
    QVERIFY(window.isVisible());
    QVERIFY(!QFileInfo::exists(DogSheetRtf::path()));
}

void TestDogSheets::printedSheetHoldsTheEditorValues()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const Clock::Fixed clock(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)));
    PrintToFile dialog;
    dialog.path = m_folder->file(QStringLiteral("scheda.pdf"));
    // A dog never saved: every value memo gets its edit's text, trimmed.
    for (const QString &memo : TfrmStampaCane::valueMemos())
        m_editor->findChild<QLineEdit *>(memo)->setText(QStringLiteral(" V") + memo.mid(3) + QStringLiteral(" "));
    m_editor->findChild<QLineEdit *>(QStringLiteral("txtPelo"))->setText(QStringLiteral("Corto")); // not on the sheet
    m_editor->findChild<QLineEdit *>(QStringLiteral("txtInizioProp"))->setText(QStringLiteral("propriet\u00E0"));

    bool opened = false;
    onNextModal([&](QWidget *modal) {
        auto *window = qobject_cast<TfrmStampaCane *>(modal);
        QVERIFY(window);
        opened = true;
        QCOMPARE(window->windowTitle(), QStringLiteral(" Stampa scheda"));
        window->actionButton()->click();
    });
    QTest::mouseClick(m_editor->cmdStampa, Qt::LeftButton);
    QVERIFY(opened);
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(m_boxes->count(), 0);
    QVERIFY(m_editor->findChildren<TfrmStampaCane *>().isEmpty());

    const QString text = run(pdftotext, { QStringLiteral("-enc"), QStringLiteral("UTF-8"), dialog.path, "-" });
    QVERIFY(!text.isNull());
    QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &memo : TfrmStampaCane::valueMemos()) {
        if (memo != QLatin1String("txtInizioProp"))
            QVERIFY2(words.contains(QStringLiteral("V") + memo.mid(3)), qPrintable(memo));
    }
    QVERIFY(words.contains(QStringLiteral("propriet\u00E0")));
    QVERIFY(!words.contains(QStringLiteral("Corto")));
    for (const char *caption : { "NASCITA:", "STERILIZZATO:", "ALIMENTAZIONE:", "NOTE:", "PROPRIETA':" })
        QVERIFY2(words.contains(QLatin1String(caption)), caption);
    QVERIFY(text.simplified().contains(QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:26:53")));
}

void TestDogSheets::printedSheetCarriesThePhoto()
{
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    m_editor->imgFoto->setImage(photo);
    TfrmStampaCane window(m_editor.get());
    window.show();
    QCOMPARE(window.picture().pixelColor(0, 0), QColor(Qt::red));
    auto sheet = TfrmStampaCane::filled(m_editor.get(), window.picture(), Clock::now());
    const QImage page = ReportOutput::renderPage(*sheet, 0, 50);
    // The middle of the photo area (1 + 94 mm, 14 + 56 mm inside 10 mm margins).
    const double dotsPerMm = 50 / 25.4;
    QCOMPARE(page.pixelColor(qRound(105 * dotsPerMm), qRound(80 * dotsPerMm)), QColor(Qt::red));

    // The blank picture gives an empty photo area.
    m_editor->clearPhotoCommand();
    TfrmStampaCane blank(m_editor.get());
    blank.show();
    auto empty = TfrmStampaCane::filled(m_editor.get(), blank.picture(), Clock::now());
    const QImage white = ReportOutput::renderPage(*empty, 0, 50);
    QCOMPARE(white.pixelColor(qRound(105 * dotsPerMm), qRound(80 * dotsPerMm)), QColor(Qt::white));
}

QTEST_MAIN(TestDogSheets)
#include "tst_dogsheets.moc"
