#include "dogs/DogPhoto.h"

#include "common/SafeFile.h"
#include "common/SafeFileWriter.h"
#include "dogs/core/DogRecord.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace DogPhoto
{

namespace
{

constexpr int kJpegQuality = 92;

const QString kUnchanged = QStringLiteral("\n\nLa foto non \u00E8 stata cambiata.");

// Creates the Album folder when missing; false when it is not there after.
bool makeAlbum()
{
    const QString folder = DogRecord::albumFolder();
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

// Writes `image` to `path` in `format` through a writer that puts the file in
// place only when it is whole. Empty text on success.
QString write(const QImage &image, const QString &path, const QByteArray &format)
{
    SafeFileWriter file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.failure().reason();
    QImageWriter writer(&file, format);
    if (format == "jpg" || format == "jpeg")
        writer.setQuality(kJpegQuality);
    const bool written = writer.write(image);
    if (!written) {
        const FileFailure failure = file.failure();
        file.cancel();
        return failure ? failure.reason() : writer.errorString();
    }
    if (!file.commit())
        return file.failure().reason();
    return QString();
}

} // namespace

QImage read(const QString &path, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text + kUnchanged;
        return QImage();
    };
    QByteArray bytes;
    const FileFailure failure = SafeFile::readWhole(path, kMaxFileBytes, bytes);
    if (failure.kind() == FileFailure::Kind::TooLarge)
        return fail(QStringLiteral("Attenzione: il file scelto \u00E8 troppo grande per essere usato come foto."));
    if (failure)
        return fail(QStringLiteral("Attenzione: non \u00E8 possibile leggere il file scelto.\n\n") + failure.reason());
    if (bytes.isEmpty())
        return fail(QStringLiteral("Attenzione: il file scelto \u00E8 vuoto."));

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return fail(QStringLiteral("Attenzione: il file scelto non contiene un'immagine in un formato riconosciuto."));
    if (qint64(size.width()) * size.height() > kMaxPixels)
        return fail(QStringLiteral("Attenzione: l'immagine scelta \u00E8 troppo grande (%1 x %2 pixel): sono ammesse "
                                   "immagini fino a %3 milioni di pixel.")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kMaxPixels / 1'000'000));
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("Attenzione: il file scelto non contiene un'immagine leggibile."));
    if (error)
        error->clear();
    return image;
}

QString save(const QImage &image, const QString &position)
{
    const QString notSaved = QStringLiteral("Attenzione: la foto del cane non \u00E8 stata salvata nella cartella "
                                            "Album.\n\n");
    if (!makeAlbum())
        return notSaved
            + QStringLiteral("La cartella %1 non pu\u00F2 essere creata.")
                  .arg(QDir::toNativeSeparators(DogRecord::albumFolder()));
    const QString path = DogRecord::photoPath(position);
    if (image.isNull()) {
        // The blank picture: the position keeps no photo file.
        if (SafeFile::kindOf(path) == SafeFile::Kind::Missing || QFile::remove(path))
            return QString();
        return QStringLiteral("Attenzione: non \u00E8 possibile togliere la foto cancellata dalla cartella Album:\n%1")
            .arg(QDir::toNativeSeparators(path));
    }
    const QString failure = write(image, path, "jpg");
    return failure.isEmpty() ? QString() : notSaved + failure;
}

QImage load(const QString &position, QSize fit, bool *reduced)
{
    if (reduced)
        *reduced = false;
    if (!makeAlbum())
        return QImage();
    QByteArray bytes;
    if (SafeFile::readWhole(DogRecord::photoPath(position), kMaxFileBytes, bytes) || bytes.isEmpty())
        return QImage();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels)
        return QImage();
    const QSize most = fit * 2;
    if (fit.isValid() && (size.width() > most.width() || size.height() > most.height())) {
        reader.setScaledSize(size.scaled(most, Qt::KeepAspectRatio));
        if (reduced)
            *reduced = true;
    }
    return reader.read();
}

QString saveCopy(const QImage &image, const QString &path)
{
    if (image.isNull())
        return QStringLiteral("Attenzione: non c'\u00E8 nessuna foto da salvare.");
    QString target = path;
    QByteArray format = QFileInfo(target).suffix().toLower().toLatin1();
    if (format.isEmpty()) {
        target += QStringLiteral(".jpg");
        format = "jpg";
    }
    if (!QImageWriter::supportedImageFormats().contains(format))
        return QStringLiteral("Attenzione: la foto non \u00E8 stata salvata: l'estensione \".%1\" non indica un "
                              "formato di immagine.")
            .arg(QString::fromLatin1(format));
    const QString failure = write(image, target, format);
    if (failure.isEmpty())
        return QString();
    return QStringLiteral("Attenzione: la foto non \u00E8 stata salvata.\n\n") + failure;
}

} // namespace DogPhoto
