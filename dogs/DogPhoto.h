#pragma once

#include <QImage>
#include <QString>

// The dog's photo on disk: Album/Cane_<n>.jpg in the program folder, always
// a JPEG at the picture's own pixel size, whatever it was loaded from. Every
// routine answers with an Italian sentence for the user when it fails (empty
// when it did its work), so the editor can report it and keep the picture it
// shows.
namespace DogPhoto
{

// The largest picture accepted from a file: its width times its height.
inline constexpr qint64 kMaxPixels = 40'000'000;
// The largest picture file read.
inline constexpr qint64 kMaxFileBytes = 200 * 1024 * 1024;

// A picture file chosen by the user (a JPEG, a bitmap, any format Qt reads).
// A file that cannot be read, is empty, holds no picture or a picture larger
// than kMaxPixels gives a null image and the reason in `error`.
QImage read(const QString &path, QString *error);

// Writes the photo of a stored record at `position`; a null picture (the
// blank one) removes the position's photo file instead, so a cleared photo
// stays cleared. The Album folder is created when missing. Returns the
// failure, or an empty text.
QString save(const QImage &image, const QString &position);

// The stored photo of a position; a null image when there is none or it
// cannot be read. The Album folder is created when missing. With a `fit`
// size, a larger photo is decoded only as large as needed to show it there
// (twice that size at most), which keeps browsing quick with camera photos;
// `reduced` then tells whether the image is smaller than the file's.
QImage load(const QString &position, QSize fit = QSize(), bool *reduced = nullptr);

// A copy of the photo at a path chosen by the user, in the format its
// extension names (a name without extension gets ".jpg"). Returns the
// failure, or an empty text; an existing file is replaced only when the whole
// copy was written.
QString saveCopy(const QImage &image, const QString &path);

} // namespace DogPhoto
