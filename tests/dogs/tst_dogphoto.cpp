// The dog's photo: stored as a JPEG in Album under the record position when
// the record is saved, whatever format it came from; read back when a stored
// dog is shown, the blank picture for a dog without one; a cleared photo
// removes its file; pictures that cannot be used and an Album that cannot be
// written are reported, and the picture on screen stays as it was.

#include "common/ui/Application.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "dogs/DogPhoto.h"
#include "dogs/PhotoView.h"
#include "dogs/core/DogRecord.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

QImage picture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A picture file of the given format in the program folder.
QString pictureFile(const TempProgramFolder &folder, const QString &name, const char *format, QColor colour)
{
    const QString path = folder.file(name);
    if (!picture(QSize(64, 48), colour).save(path, format))
        qFatal("cannot write the test picture");
    return path;
}

// A bitmap header announcing width x height pixels, without the pixels.
QByteArray bitmapHeader(int width, int height)
{
    QByteArray b(54, '\0');
    auto put32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    auto put16 = [&b](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    return b;
}

} // namespace

class TestDogPhoto : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void savedAsJpegWhateverTheSource_data();
    void savedAsJpegWhateverTheSource();
    void browsingShowsEachDogsPhotoOrBlank();
    void clearedPhotoRemovesFile();
    void unchangedPhotoNotWrittenAgain();
    void loadCancelledChangesNothing();
    void unusablePictureReportedAndKept_data();
    void unusablePictureReportedAndKept();
    void unwritableAlbumReportedAndPictureKept_data();
    void unwritableAlbumReportedAndPictureKept();
    void copySavedOrReported();
    void photoOfNewPositionAfterAppend();
    void largePhotoShownReducedKeptWhole();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_boxes;
    std::unique_ptr<TfrmCani> m_window;

    void fillHeader(const QString &name);
    void loadPhoto(const QString &path);
};

void TestDogPhoto::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MessageRecorder>();
    m_window = std::make_unique<TfrmCani>();
    WindowRegistry::set(QLatin1String(WindowNames::frmCani), m_window.get());
    m_window->show();
}

void TestDogPhoto::cleanup()
{
    FileDialogs::clearAnswers();
    WindowRegistry::clear();
    m_window.reset();
    m_boxes.reset();
    if (m_folder && QFileInfo(DogRecord::albumFolder()).isDir())
        QFile::setPermissions(DogRecord::albumFolder(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); // so the folder can be removed
    m_folder.reset();
}

void TestDogPhoto::fillHeader(const QString &name)
{
    m_window->txtNome->setText(name);
    m_window->txtSesso->setText(QStringLiteral("M"));
    m_window->txtDataNasc->setText(QStringLiteral("01/02/2020"));
    m_window->txtGruppo->setText(QStringLiteral("Gruppo 1"));
    m_window->txtRazza->setText(QStringLiteral("Pastore"));
}

void TestDogPhoto::loadPhoto(const QString &path)
{
    FileDialogs::setNextAnswer(path);
    m_window->btnCaricaFoto->click();
}

void TestDogPhoto::savedAsJpegWhateverTheSource_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("PNG") << "png";
    QTest::newRow("BMP") << "bmp";
    QTest::newRow("JPEG") << "jpg";
}

void TestDogPhoto::savedAsJpegWhateverTheSource()
{
    QFETCH(QString, format);
    loadPhoto(pictureFile(*m_folder, "source." + format, qPrintable(format), Qt::red));
    QVERIFY(!m_window->imgFoto->isBlank());
    QVERIFY(!QFileInfo::exists(DogRecord::photoPath("1"))); // nothing written before the save
    fillHeader(QStringLiteral("Rex"));
    m_window->cmdSalva->click();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    const QByteArray stored = readFile(m_folder->file(QStringLiteral("Album/Cane_1.jpg")));
    QVERIFY(stored.startsWith("\xFF\xD8"));
    QImage back;
    QVERIFY(back.loadFromData(stored));
    QCOMPARE(back.size(), QSize(64, 48)); // at the picture's own size
}

void TestDogPhoto::browsingShowsEachDogsPhotoOrBlank()
{
    fillHeader(QStringLiteral("Con foto"));
    loadPhoto(pictureFile(*m_folder, "a.png", "png", Qt::blue));
    m_window->cmdSalva->click();
    m_window->cmdNuovo->click();
    QVERIFY(m_window->imgFoto->isBlank());
    fillHeader(QStringLiteral("Senza foto"));
    m_window->cmdSalva->click();
    QVERIFY(!QFileInfo::exists(DogRecord::photoPath("2")));

    m_window->cmdPrimo->click();
    QVERIFY(!m_window->imgFoto->isBlank());
    QCOMPARE(m_window->imgFoto->image().size(), QSize(64, 48));
    m_window->cmdAvanti->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("2"));
    QVERIFY(m_window->imgFoto->isBlank()); // never the photo of the dog shown before

    // An Album removed by hand: the next browse makes it again and shows the blank picture.
    QVERIFY(QDir(DogRecord::albumFolder()).removeRecursively());
    m_window->cmdPrimo->click();
    QVERIFY(m_window->imgFoto->isBlank());
    QVERIFY(QFileInfo(DogRecord::albumFolder()).isDir());
}

void TestDogPhoto::clearedPhotoRemovesFile()
{
    fillHeader(QStringLiteral("Rex"));
    loadPhoto(pictureFile(*m_folder, "a.png", "png", Qt::green));
    m_window->cmdSalva->click();
    QVERIFY(QFileInfo::exists(DogRecord::photoPath("1")));
    m_window->btnCancFoto->click();
    QVERIFY(m_window->imgFoto->isBlank());
    QVERIFY(QFileInfo::exists(DogRecord::photoPath("1"))); // only the save changes the file
    m_window->cmdSalva->click();
    QVERIFY(!QFileInfo::exists(DogRecord::photoPath("1")));
    m_window->cmdPrimo->click();
    QVERIFY(m_window->imgFoto->isBlank()); // the cleared state survives the next browse
}

void TestDogPhoto::unchangedPhotoNotWrittenAgain()
{
    fillHeader(QStringLiteral("Rex"));
    loadPhoto(pictureFile(*m_folder, "a.jpg", "jpg", Qt::yellow));
    m_window->cmdSalva->click();
    const QByteArray first = readFile(DogRecord::photoPath("1"));
    m_window->cmdPrimo->click();
    m_window->txtRazza->setText(QStringLiteral("Meticcio"));
    m_window->cmdSalva->click();
    QCOMPARE(readFile(DogRecord::photoPath("1")), first); // not encoded once more
}

void TestDogPhoto::loadCancelledChangesNothing()
{
    loadPhoto(pictureFile(*m_folder, "a.png", "png", Qt::red));
    const QImage before = m_window->imgFoto->image();
    loadPhoto(QString()); // cancelled
    QCOMPARE(m_window->imgFoto->image(), before);
    QCOMPARE(m_boxes->count(), 0);
    QCOMPARE(
        FileDialogs::lastRequest().title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
}

void TestDogPhoto::unusablePictureReportedAndKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a picture") << QByteArray("Questo non \xE8 un'immagine.\r\n") << "formato riconosciuto";
    QTest::newRow("empty") << QByteArray() << "vuoto";
    QTest::newRow("huge, 12000 x 9000") << bitmapHeader(12000, 9000) << "troppo grande (12000 x 9000 pixel)";
    QTest::newRow("missing") << QByteArray("-") << "non \u00E8 possibile leggere";
}

void TestDogPhoto::unusablePictureReportedAndKept()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    loadPhoto(pictureFile(*m_folder, "good.png", "png", Qt::red));
    const QImage before = m_window->imgFoto->image();
    const QString bad = m_folder->file(QStringLiteral("bad.jpg"));
    if (content != "-")
        writeFile(bad, content);
    loadPhoto(bad);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QVERIFY2(m_boxes->lastText().contains(reason), qPrintable(m_boxes->lastText()));
    QCOMPARE(m_window->imgFoto->image(), before); // no change
}

void TestDogPhoto::unwritableAlbumReportedAndPictureKept_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("read-only Album") << "read-only";
    QTest::newRow("a file named Album") << "file";
    QTest::newRow("a folder named Cane_1.jpg") << "folder";
}

void TestDogPhoto::unwritableAlbumReportedAndPictureKept()
{
    QFETCH(QString, obstacle);
    if (obstacle == QLatin1String("file")) {
        writeFile(DogRecord::albumFolder(), "not a folder");
    } else if (obstacle == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(DogRecord::photoPath("1")));
    } else {
        QVERIFY(QDir().mkpath(DogRecord::albumFolder()));
        QFile::setPermissions(DogRecord::albumFolder(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(DogRecord::albumFolder() + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("the folder stays writable for this user (root)");
    }
    fillHeader(QStringLiteral("Rex"));
    loadPhoto(pictureFile(*m_folder, "a.png", "png", Qt::red));
    const QImage before = m_window->imgFoto->image();
    m_window->cmdSalva->click();
    QCOMPARE(m_boxes->count(), 2);
    QCOMPARE(m_boxes->kind(0), Kind::Warning);
    QVERIFY2(m_boxes->text(0).startsWith(QStringLiteral("Attenzione: la foto del cane non \u00E8 stata salvata")),
        qPrintable(m_boxes->text(0)));
    // The record is saved and says so; the picture stays for the next try.
    QCOMPARE(m_boxes->lastText(), QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    QCOMPARE(readFile(DogRecord::path()).size(), DogRecord::size());
    QCOMPARE(m_window->imgFoto->image(), before);
}

void TestDogPhoto::copySavedOrReported()
{
    loadPhoto(pictureFile(*m_folder, "a.bmp", "bmp", Qt::red));
    const QImage before = m_window->imgFoto->image();

    const QString copy = m_folder->file(QStringLiteral("Foto.jpg"));
    FileDialogs::setNextAnswer(copy);
    m_window->btnSalvaFoto->click();
    QCOMPARE(FileDialogs::lastRequest().title,
        QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    QVERIFY(FileDialogs::lastRequest().directory.endsWith(QStringLiteral("/Foto.jpg")));
    QVERIFY(readFile(copy).startsWith("\xFF\xD8"));
    QCOMPARE(m_boxes->count(), 0);

    // Into a folder that does not exist: reported, the picture stays.
    FileDialogs::setNextAnswer(m_folder->file(QStringLiteral("manca/Foto.jpg")));
    m_window->btnSalvaFoto->click();
    QCOMPARE(m_boxes->count(), 1);
    QVERIFY(m_boxes->lastText().startsWith(QStringLiteral("Attenzione: la foto non \u00E8 stata salvata")));
    QCOMPARE(m_window->imgFoto->image(), before);

    // A name whose extension names no picture format.
    FileDialogs::setNextAnswer(m_folder->file(QStringLiteral("Foto.txt")));
    m_window->btnSalvaFoto->click();
    QCOMPARE(m_boxes->count(), 2);
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Foto.txt"))));
    QCOMPARE(m_window->imgFoto->image(), before);
}

void TestDogPhoto::photoOfNewPositionAfterAppend()
{
    // A stale photo file of position 2 (an archive replaced by hand) is not
    // shown for the new dog 2 that has no photo: the save removes it.
    QVERIFY(QDir().mkpath(DogRecord::albumFolder()));
    QVERIFY(picture(QSize(8, 8), Qt::black).save(DogRecord::photoPath("2"), "jpg"));
    fillHeader(QStringLiteral("Uno"));
    m_window->cmdSalva->click();
    m_window->cmdNuovo->click();
    fillHeader(QStringLiteral("Due"));
    m_window->cmdSalva->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("2"));
    QVERIFY(!QFileInfo::exists(DogRecord::photoPath("2")));
}

void TestDogPhoto::largePhotoShownReducedKeptWhole()
{
    // A camera photo is decoded for browsing only as large as the frame needs;
    // the zoom, the copy and the save still get the whole photo.
    RecordBuffer r(DogRecord::layout());
    r.clear();
    r.setText(DogRecord::Nome, QStringLiteral("Rex"));
    writeFile(DogRecord::path(), r.bytes());
    QVERIFY(QDir().mkpath(DogRecord::albumFolder()));
    QVERIFY(picture(QSize(2400, 1800), Qt::darkGreen).save(DogRecord::photoPath("1"), "jpg"));
    const QByteArray stored = readFile(DogRecord::photoPath("1"));

    m_window->cmdPrimo->click();
    QVERIFY(m_window->imgFoto->image().width() < 2400);
    QCOMPARE(m_window->photo().size(), QSize(2400, 1800));

    FileDialogs::setNextAnswer(m_folder->file(QStringLiteral("copia.jpg")));
    m_window->btnSalvaFoto->click();
    QImage copy;
    QVERIFY(copy.load(m_folder->file(QStringLiteral("copia.jpg"))));
    QCOMPARE(copy.size(), QSize(2400, 1800));

    fillHeader(QStringLiteral("Rex"));
    m_window->cmdSalva->click();
    QCOMPARE(readFile(DogRecord::photoPath("1")), stored); // left as it was
    QCOMPARE(m_boxes->lastText(),
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

QTEST_MAIN(TestDogPhoto)
#include "tst_dogphoto.moc"
