#include "quotes/Logo.h"

#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/ui/Art.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QtNumeric>
#include <cerrno>

namespace LogoFile
{

namespace
{

// Larger files are no logo: a camera picture of many megapixels still fits.
constexpr qint64 kMaxBytes = 128 * 1024 * 1024;
const QSize kDefaultSize(297, 184);

quint32 littleEndian(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | quint8(bytes.at(at + k));
    return value;
}

// A bitmap whose pixels end before the picture does (a copy broken off half
// way) is damaged: the decoder would fill the missing rows with anything.
bool cutBitmap(const QByteArray &bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 34)
        return false;
    const quint32 pixelsAt = littleEndian(bytes, 10, 4);
    const qint64 width = qint32(littleEndian(bytes, 18, 4));
    const qint64 height = qAbs(qint64(qint32(littleEndian(bytes, 22, 4))));
    const qint64 bitCount = littleEndian(bytes, 28, 2);
    const quint32 compression = littleEndian(bytes, 30, 4);
    if (compression != 0 && compression != 3) // run-length packed: no fixed size
        return false;
    // A header may name any size: a picture whose pixels no file could hold
    // is damaged as well.
    qint64 bits = 0;
    qint64 pixelBytes = 0;
    qint64 end = 0;
    if (qMulOverflow(width, bitCount, &bits) || qMulOverflow((bits + 31) / 32 * 4, height, &pixelBytes)
        || qAddOverflow(qint64(pixelsAt), pixelBytes, &end))
        return true;
    return qint64(bytes.size()) < end;
}

QImage decode(const QByteArray &bytes)
{
    if (cutBitmap(bytes))
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

QString path()
{
    return programFile(QStringLiteral("Logo.bmp"));
}

QImage defaultPicture()
{
    // Drawn once: every start-up instance of the logo's readers holds it.
    static const QImage picture = [] {
        QImage drawn(kDefaultSize, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        Art::paint(painter, QStringLiteral("logo-euro"), QRectF(QPointF(0, 0), QSizeF(kDefaultSize)));
        painter.end();
        return drawn;
    }();
    return picture;
}

QImage blankPicture()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage load()
{
    QByteArray bytes;
    if (SafeFile::readWhole(path(), kMaxBytes, bytes))
        return QImage();
    return decode(bytes);
}

QImage read(const QString &file, QString *error)
{
    QByteArray bytes;
    QString reason;
    QImage picture;
    if (const FileFailure failure = SafeFile::readWhole(file, kMaxBytes, bytes)) {
        reason = QStringLiteral("Attenzione: non \u00E8 stato possibile leggere il file \"%1\".\r\n\r\n%2")
                     .arg(QDir::toNativeSeparators(file), failure.reason());
    } else {
        picture = decode(bytes);
        if (picture.isNull())
            reason = QStringLiteral("Attenzione: il file \"%1\" non contiene un'immagine in formato Jpeg o Bitmap "
                                    "leggibile.\r\n\r\nVerr\u00E0 mostrato il logo predefinito.")
                         .arg(QDir::toNativeSeparators(file));
    }
    if (error)
        *error = reason;
    return picture;
}

QByteArray bmpBytes(const QImage &picture)
{
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(opaque))
        return QByteArray();
    return bytes;
}

FileFailure store(const QImage &picture)
{
    const QByteArray bytes = bmpBytes(picture.isNull() ? defaultPicture() : picture);
    if (bytes.isEmpty())
        return FileFailure::system(EINVAL);
    return SafeFile::writeWhole(path(), bytes);
}

} // namespace LogoFile

namespace
{

// The dialog in units: the instructions at the top, the logo in its frame
// with the two picture commands in the frame's bottom corners, the buttons.
Layout::Table logoTable()
{
    using Layout::Font;
    using Layout::Item;
    using Layout::Kind;
    const Font buttons { "Verdana", 8 };
    return {
        .name = QStringLiteral("logo dialog"),
        .client = QSize(362, 368),
        .backgroundTop = Style::SteelBlue,
        .backgroundBottom = Style::White,
        .items = {
            { .name = "shpIstruzioni", .x = 17, .y = 16, .w = 328, .h = 74, .kind = Kind::Shape,
                .fill = Style::White, .stroke = Style::PanelBorder },
            { .name = "imgTitolo", .x = 26, .y = 25, .w = 301, .h = 57 },
            { .name = "lblTitolo", .in = "imgTitolo", .w = 301, .h = 20, .font = { "Verdana", 10, true },
                .colour = Style::HeadingBlue },
            { .name = "lblIstruzioni", .in = "imgTitolo", .y = 22, .w = 301, .h = 35, .font = { "Verdana", 8 },
                .align = Qt::AlignLeft | Qt::AlignTop },
            { .name = "shpTesto", .x = 18, .y = 98, .w = 326, .h = 214, .kind = Kind::Shape,
                .fill = Style::SteelBlue, .fillBottom = Style::White, .stroke = Style::White },
            { .name = "imgLogo", .x = 32, .y = 112, .w = 297, .h = 184 },
            { .name = "imgEuro", .x = 23, .y = 285, .w = 22, .h = 22, .over = true },
            { .name = "btnCancLogo", .x = 317, .y = 285, .w = 22, .h = 22, .over = true },
            { .name = "btnAnnulla", .x = 18, .y = 323, .w = 86, .h = 28, .font = buttons },
            { .name = "btnSfoglia", .x = 113, .y = 323, .w = 86, .h = 28, .font = buttons },
            { .name = "btnApplica", .x = 208, .y = 323, .w = 137, .h = 28, .font = buttons },
        },
        .tabOrder = { "btnApplica", "btnAnnulla", "btnSfoglia" },
    };
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel *pictureCommand(QWidget *parent, const char *name, const QString &art)
{
    QLabel *label = Art::pictureLabel(parent, name, art, QSize(22, 22));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Impostazione logo"))
{
    setObjectName(QLatin1String(WindowNames::frmLogo));

    // The title picture: a heading and the sentence under it.
    auto *title = new QWidget(this);
    title->setObjectName(QStringLiteral("imgTitolo"));
    auto *heading = new QLabel(QStringLiteral("IMPOSTAZIONE LOGO"), title);
    heading->setObjectName(QStringLiteral("lblTitolo"));
    auto *sentence = new QLabel(QStringLiteral("Caricare il logo della Ditta in formato Jpeg o Bitmap con dimensioni "
                                               "uguali a 297x184 pixel."),
        title);
    sentence->setObjectName(QStringLiteral("lblIstruzioni"));
    sentence->setWordWrap(true);

    // The logo, as it will be stored.
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgEuro = pictureCommand(this, "imgEuro", QStringLiteral("euro-piccolo"));
    btnCancLogo = pictureCommand(this, "btnCancLogo", QStringLiteral("gomma"));
    WindowKit::onClick(imgEuro, [this] { useDefault(); });
    WindowKit::onClick(btnCancLogo, [this] { clearLogo(); });

    QLabel *imgTemp = WindowKit::hiddenLabel(this, "imgTemp");
    imgTemp->setPixmap(QPixmap::fromImage(LogoFile::defaultPicture()));
    QLabel *imgBianco = WindowKit::hiddenLabel(this, "imgBianco");
    imgBianco->setPixmap(QPixmap::fromImage(LogoFile::blankPicture()));

    btnAnnulla = button(this, "btnAnnulla", QStringLiteral("Annulla"));
    btnSfoglia = button(this, "btnSfoglia", QStringLiteral("Sfoglia..."));
    btnApplica = button(this, "btnApplica", QStringLiteral("Applica e chiudi"));
    WindowKit::closeOnClick(btnAnnulla, this);
    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::browse);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::apply);

    Layout::apply(this, logoTable());
    finishLayout(QSize(362, 368));
}

int TfrmLogo::openModal(QWidget *owner)
{
    return WindowKit::openModalDialog<TfrmLogo>(owner);
}

void TfrmLogo::setPicture(const QImage &picture)
{
    m_picture = picture;
    // Shown as printed: in proportion, from the top-left corner.
    imgLogo->setPixmap(
        QPixmap::fromImage(picture.scaled(imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmLogo::browse()
{
    const QString file
        = FileDialogs::openFile(this, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
            QStringLiteral("Immagine JPEG (*.jpg; *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (file.isEmpty())
        return;
    QString error;
    const QImage picture = LogoFile::read(file, &error);
    if (picture.isNull()) {
        setPicture(LogoFile::defaultPicture());
        MessageBoxes::warning(error, this);
        return;
    }
    setPicture(picture);
}

void TfrmLogo::useDefault()
{
    setPicture(LogoFile::defaultPicture());
}

void TfrmLogo::clearLogo()
{
    setPicture(LogoFile::blankPicture());
}

void TfrmLogo::apply()
{
    // The new logo replaces the file in one step; when it cannot be stored the
    // user is told, the earlier file stays and the dialog stays open.
    if (const FileFailure failure = LogoFile::store(m_picture)) {
        MessageBoxes::warning(
            QStringLiteral("Attenzione: non \u00E8 stato possibile salvare il logo nel file \"%1\".\r\n\r\n%2")
                .arg(QDir::toNativeSeparators(LogoFile::path()), failure.reason()),
            this);
        return;
    }
    accept();
}

void TfrmLogo::showEvent(QShowEvent *event)
{
    // Every showing starts again from Logo.bmp; a missing or damaged file
    // shows the default picture without a word.
    if (!event->spontaneous()) {
        const QImage stored = LogoFile::load();
        setPicture(stored.isNull() ? LogoFile::defaultPicture() : stored);
        btnApplica->setFocus();
    }
    WindowKit::FixedDialog::showEvent(event);
}
