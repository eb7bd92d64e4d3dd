#include "quotes/Logo.h"

#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/ui/Art.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"

#include <QBuffer>
#include <QDir>
#include <QFrame>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLinearGradient>
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

const QColor kSteelBlue(70, 130, 180);
const QRect kFrame(18, 98, 326, 214); // shpTesto, the frame of the logo

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(Style::verdana(8));
    b->setGeometry(geometry);
    return b;
}

QLabel *pictureCommand(QWidget *parent, const char *name, const QString &art, const QPoint &at)
{
    QLabel *label = Art::pictureLabel(parent, name, art, QSize(22, 22));
    label->move(at);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Impostazione logo"))
{
    setObjectName(QLatin1String(WindowNames::frmLogo));

    // The instructions in a white panel at the top.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpIstruzioni"));
    panel->setGeometry(17, 16, 328, 74);
    panel->setStyleSheet(Style::whitePanelSheet(QStringLiteral("shpIstruzioni")));
    auto *title = new QWidget(this);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setGeometry(26, 25, 301, 57);
    auto *heading = new QLabel(QStringLiteral("IMPOSTAZIONE LOGO"), title);
    heading->setObjectName(QStringLiteral("lblTitolo"));
    heading->setFont(Style::verdana(10, true));
    heading->setStyleSheet(Style::sheet(QStringLiteral("color: @HeadingBlue;")));
    heading->setGeometry(0, 0, 301, 20);
    auto *sentence = new QLabel(QStringLiteral("Caricare il logo della Ditta in formato Jpeg o Bitmap con dimensioni "
                                               "uguali a 297x184 pixel."),
        title);
    sentence->setObjectName(QStringLiteral("lblIstruzioni"));
    sentence->setFont(Style::verdana(8));
    sentence->setWordWrap(true);
    sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sentence->setGeometry(0, 22, 301, 35);

    // The logo, as it will be stored, in its frame (painted by paintEvent).
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(32, 112, 297, 184);
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgEuro = pictureCommand(this, "imgEuro", QStringLiteral("euro-piccolo"), QPoint(23, 285));
    btnCancLogo = pictureCommand(this, "btnCancLogo", QStringLiteral("gomma"), QPoint(317, 285));
    WindowKit::onClick(imgEuro, [this] { useDefault(); });
    WindowKit::onClick(btnCancLogo, [this] { clearLogo(); });

    QLabel *imgTemp = WindowKit::hiddenLabel(this, "imgTemp");
    imgTemp->setPixmap(QPixmap::fromImage(LogoFile::defaultPicture()));
    QLabel *imgBianco = WindowKit::hiddenLabel(this, "imgBianco");
    imgBianco->setPixmap(QPixmap::fromImage(LogoFile::blankPicture()));

    btnAnnulla = button(this, "btnAnnulla", QStringLiteral("Annulla"), QRect(18, 323, 86, 28));
    btnSfoglia = button(this, "btnSfoglia", QStringLiteral("Sfoglia..."), QRect(113, 323, 86, 28));
    btnApplica = button(this, "btnApplica", QStringLiteral("Applica e chiudi"), QRect(208, 323, 137, 28));
    setTabOrder(btnApplica, btnAnnulla);
    setTabOrder(btnAnnulla, btnSfoglia);
    WindowKit::closeOnClick(btnAnnulla, this);
    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::browse);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::apply);

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

void TfrmLogo::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, kSteelBlue);
    background.setColorAt(1, Qt::white);
    painter.fillRect(rect(), background);
    QLinearGradient frame(0, kFrame.top(), 0, kFrame.bottom());
    frame.setColorAt(0, kSteelBlue);
    frame.setColorAt(1, Qt::white);
    painter.setBrush(frame);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(kFrame.adjusted(0, 0, -1, -1));
    WindowKit::FixedDialog::paintEvent(event);
}
