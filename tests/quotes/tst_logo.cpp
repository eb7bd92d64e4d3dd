// The company logo dialog and Logo.bmp.
#include "common/ui/Application.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxes.h"
#include "quotes/Logo.h"
#include "tests/support/FailDevice.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Logo.bmp as the dialog wrote it: a Windows bitmap, decoded.
QImage storedBitmap(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "bmp")
        return QImage();
    return reader.read();
}

bool allWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestLogo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noLogoShowsTheDefaultAndApplyStoresIt();
    void pictureCommandsThenApply_data();
    void pictureCommandsThenApply();
    void browsedPictureIsStoredAsABitmapOfItsSize_data();
    void browsedPictureIsStoredAsABitmapOfItsSize();
    void annullaLeavesLogoByteIdentical_data();
    void annullaLeavesLogoByteIdentical();
    void damagedLogoShowsTheDefaultSilently_data();
    void damagedLogoShowsTheDefaultSilently();
    void unreadableImageGivesAClearMessage_data();
    void unreadableImageGivesAClearMessage();
    void failedStoreIsReportedAndKeepsTheEarlierLogo_data();
    void failedStoreIsReportedAndKeepsTheEarlierLogo();
    void openableByGlobalName();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_boxes;
};

void TestLogo::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestLogo::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MessageRecorder>();
    FileDialogs::clearAnswers();
}

void TestLogo::cleanup()
{
    FileDialogs::clearAnswers();
    m_boxes.reset();
    m_folder.reset();
}

void TestLogo::noLogoShowsTheDefaultAndApplyStoresIt()
{
    TfrmLogo dialog;
    dialog.show();
    QCOMPARE(dialog.picture().size(), QSize(297, 184));
    QCOMPARE(dialog.picture(), LogoFile::defaultPicture());
    QVERIFY(!QFile::exists(LogoFile::path())); // showing writes nothing
    QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QImage stored = storedBitmap(LogoFile::path());
    QCOMPARE(stored.size(), QSize(297, 184));
    QCOMPARE(stored.convertToFormat(QImage::Format_RGB32), LogoFile::defaultPicture());
    QCOMPARE(m_boxes->count(), 0);
}

void TestLogo::pictureCommandsThenApply_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<bool>("white");
    QTest::newRow("eraser: a 2 x 2 white bitmap") << QStringList { "btnCancLogo" } << QSize(2, 2) << true;
    QTest::newRow("eraser, then euro: the default again")
        << QStringList { "btnCancLogo", "imgEuro" } << QSize(297, 184) << false;
}

void TestLogo::pictureCommandsThenApply()
{
    QFETCH(QStringList, clicks);
    QFETCH(QSize, stored);
    QFETCH(bool, white);
    writeFile(LogoFile::path(), encoded(solid(QSize(10, 10), Qt::green), "BMP"));
    TfrmLogo dialog;
    dialog.show();
    QCOMPARE(dialog.picture().size(), QSize(10, 10));
    for (const QString &name : clicks)
        QTest::mouseClick(dialog.findChild<QLabel *>(name), Qt::LeftButton);
    QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
    const QImage bitmap = storedBitmap(LogoFile::path());
    QCOMPARE(bitmap.size(), stored);
    QCOMPARE(allWhite(bitmap), white);
}

void TestLogo::browsedPictureIsStoredAsABitmapOfItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("JPEG of another size") << "ditta.jpg" << QByteArray("JPG") << QSize(640, 480);
    QTest::newRow("small JPEG, capital extension") << "DITTA.JPEG" << QByteArray("JPG") << QSize(33, 17);
    QTest::newRow("bitmap") << "ditta.bmp" << QByteArray("BMP") << QSize(120, 80);
}

void TestLogo::browsedPictureIsStoredAsABitmapOfItsSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(name);
    const QByteArray sourceBytes = encoded(solid(size, QColor(200, 30, 40)), format.constData());
    writeFile(source, sourceBytes);

    TfrmLogo dialog;
    dialog.show();
    FileDialogs::setNextAnswer(source);
    QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
    const FileDialogs::Request asked = FileDialogs::lastRequest();
    QCOMPARE(asked.title, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
    QVERIFY2(asked.filter.startsWith(QStringLiteral("Immagine JPEG (")), qPrintable(asked.filter));
    QVERIFY(asked.filter.contains(QStringLiteral(";;Immagine Bitmap (")));
    QCOMPARE(dialog.picture().size(), size);
    QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);

    const QImage bitmap = storedBitmap(LogoFile::path());
    QCOMPARE(bitmap.size(), size);
    const QColor middle = bitmap.pixelColor(size.width() / 2, size.height() / 2);
    QVERIFY2(qAbs(middle.red() - 200) < 12 && qAbs(middle.green() - 30) < 12 && qAbs(middle.blue() - 40) < 12,
        qPrintable(middle.name()));
    QCOMPARE(readFile(source), sourceBytes); // the chosen file is only read
    QCOMPARE(m_boxes->count(), 0);
}

void TestLogo::annullaLeavesLogoByteIdentical_data()
{
    QTest::addColumn<bool>("windowClose"); // closed by the window manager instead of "Annulla"
    QTest::newRow("Annulla") << false;
    QTest::newRow("window closed") << true;
}

void TestLogo::annullaLeavesLogoByteIdentical()
{
    QFETCH(bool, windowClose);
    const QByteArray earlier = encoded(solid(QSize(12, 7), Qt::blue), "BMP");
    writeFile(LogoFile::path(), earlier);
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(QStringLiteral("nuovo.jpg"));
    writeFile(source, encoded(solid(QSize(50, 50), Qt::yellow), "JPG"));

    TfrmLogo dialog;
    dialog.show();
    // A cancelled chooser changes nothing.
    FileDialogs::setNextAnswer(QString());
    QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
    QCOMPARE(dialog.picture().size(), QSize(12, 7));
    FileDialogs::setNextAnswer(source);
    QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QLabel *>(QStringLiteral("btnCancLogo")), Qt::LeftButton);
    if (windowClose)
        dialog.close();
    else
        QTest::mouseClick(dialog.btnAnnulla, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(readFile(LogoFile::path()), earlier);
    QCOMPARE(filesIn(m_folder->path()), QStringList { "Logo.bmp" });
    // The next showing starts again from the file.
    dialog.show();
    QCOMPARE(dialog.picture().size(), QSize(12, 7));
}

void TestLogo::damagedLogoShowsTheDefaultSilently_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("folder");
    const QByteArray bmp = encoded(solid(QSize(30, 20), Qt::red), "BMP");
    QTest::newRow("no picture") << QByteArray("BM not a bitmap at all") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("cut bitmap") << bmp.left(70) << false;
    // A header naming a picture larger than any file.
    const auto sized = [&bmp](const char *fourBytes) {
        return QByteArray(bmp).replace(18, 4, fourBytes, 4).replace(22, 4, fourBytes, 4);
    };
    QTest::newRow("width and height 0x7fffffff") << sized("\xff\xff\xff\x7f") << false;
    QTest::newRow("width and height 0x80000000") << sized("\x00\x00\x00\x80") << false;
    QTest::newRow("a folder named Logo.bmp") << QByteArray() << true;
}

void TestLogo::damagedLogoShowsTheDefaultSilently()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, folder);
    if (folder)
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Logo.bmp")));
    else
        writeFile(LogoFile::path(), bytes);
    QVERIFY(LogoFile::load().isNull());
    TfrmLogo dialog;
    dialog.show();
    QCOMPARE(dialog.picture(), LogoFile::defaultPicture());
    QCOMPARE(m_boxes->count(), 0);
    if (!folder)
        QCOMPARE(readFile(LogoFile::path()), bytes); // nothing written
}

void TestLogo::unreadableImageGivesAClearMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::newRow("a text file named .jpg") << "appunti.jpg" << QByteArray("Solo testo, nessuna immagine.\r\n");
    QTest::newRow("a bitmap broken off half way")
        << "rotto.bmp" << encoded(solid(QSize(30, 20), Qt::red), "BMP").left(70);
    QTest::newRow("file gone") << "sparito.jpg" << QByteArray();
}

void TestLogo::unreadableImageGivesAClearMessage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(name);
    if (!bytes.isEmpty())
        writeFile(source, bytes);
    TfrmLogo dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QLabel *>(QStringLiteral("btnCancLogo")), Qt::LeftButton);
    FileDialogs::setNextAnswer(source);
    QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->kind(0), Kind::Warning);
    QVERIFY2(m_boxes->text(0).startsWith(QStringLiteral("Attenzione: ")), qPrintable(m_boxes->text(0)));
    QVERIFY2(m_boxes->text(0).contains(QDir::toNativeSeparators(source)), qPrintable(m_boxes->text(0)));
    QCOMPARE(dialog.picture(), LogoFile::defaultPicture());
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(LogoFile::path()));
}

void TestLogo::failedStoreIsReportedAndKeepsTheEarlierLogo_data()
{
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("the disk fills up") << false;
    QTest::newRow("a folder named Logo.bmp") << true;
}

void TestLogo::failedStoreIsReportedAndKeepsTheEarlierLogo()
{
    QFETCH(bool, folderInTheWay);
    const QByteArray earlier = encoded(solid(QSize(8, 8), Qt::darkGreen), "BMP");
    if (folderInTheWay)
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Logo.bmp")));
    else
        writeFile(LogoFile::path(), earlier);
    TfrmLogo dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QLabel *>(QStringLiteral("imgEuro")), Qt::LeftButton);
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!folderInTheWay)
            limit = std::make_unique<FileSizeLimit>(1000);
        QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
    }
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->kind(0), Kind::Warning);
    QVERIFY2(m_boxes->text(0).contains(QStringLiteral("Logo.bmp")), qPrintable(m_boxes->text(0)));
    QVERIFY(dialog.isVisible()); // the user may try again or leave
    QCOMPARE(filesIn(m_folder->path()), QStringList { "Logo.bmp" }); // no temporary left
    if (folderInTheWay) {
        QVERIFY(QFileInfo(LogoFile::path()).isDir());
    } else {
        QCOMPARE(readFile(LogoFile::path()), earlier);
        // Once there is room again the same picture is stored.
        QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(storedBitmap(LogoFile::path()).size(), QSize(297, 184));
    }
}

void TestLogo::openableByGlobalName()
{
    TfrmLogo startUp;
    QWidget owner;
    QCOMPARE(startUp.objectName(), QStringLiteral("frmLogo"));
    QVERIFY(!QFile::exists(LogoFile::path())); // the start-up instance reads nothing
    QWidget *shown = nullptr;
    QString caption;
    QSize size;
    QString focus;
    QStringList tabChain; // names only: the dialog is gone once it closes
    onNextModal([&](QWidget *modal) {
        shown = modal;
        caption = modal->windowTitle();
        size = modal->size();
        focus = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
        auto *dialog = qobject_cast<TfrmLogo *>(modal);
        QVERIFY(dialog);
        QVERIFY(modal->parentWidget() == &owner);
        auto nextTab = [](QWidget *w) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
            return w;
        };
        tabChain = { dialog->btnApplica->objectName(), nextTab(dialog->btnApplica)->objectName(),
            nextTab(nextTab(dialog->btnApplica))->objectName() };
        QTest::mouseClick(dialog->btnAnnulla, Qt::LeftButton);
    });
    int result = -1;
    QVERIFY(QMetaObject::invokeMethod(&startUp, "openModal", Q_RETURN_ARG(int, result), Q_ARG(QWidget *, &owner)));
    QVERIFY(shown && shown != &startUp);
    QCOMPARE(caption, QStringLiteral(" Impostazione logo"));
    QCOMPARE(size, QSize(362, 368));
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(tabChain, (QStringList { "btnApplica", "btnAnnulla", "btnSfoglia" }));
    QCOMPARE(focus, QStringLiteral("btnApplica"));
    QVERIFY(owner.findChildren<TfrmLogo *>().isEmpty());
    QVERIFY(!QFile::exists(LogoFile::path()));
}

QTEST_MAIN(TestLogo)
#include "tst_logo.moc"
