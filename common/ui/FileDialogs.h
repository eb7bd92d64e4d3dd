#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QWidget;

// The program's file choosers (attachments, the dog photo, the quote logo).
// Each opens Qt's own chooser (Italian texts, large enough to read every
// column) and returns the chosen path, or an empty string when the user
// cancels. Tests answer the choosers without showing them.
namespace FileDialogs
{

enum class Kind { Open, Save };

// What a window asked for.
struct Request {
    Kind kind = Kind::Open;
    QWidget *parent = nullptr;
    QString title;
    // e.g. "Tutti i file (*)", "Immagine JPEG (*.jpg; *.jpeg);;Immagine Bitmap (*.bmp)":
    // entries separated by ";;", each shown as written; the patterns in its
    // last parentheses (separated by blanks or ";") match in any letter case.
    QString filter;
    QString directory; // where the chooser starts (empty: the current folder)
};

// An existing file to read.
QString openFile(QWidget *parent, const QString &title, const QString &filter, const QString &directory = {});
// A file to write (the chooser asks before replacing an existing one).
QString saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &directory = {});

// The size a chooser opens at: 1000x640, less on a smaller screen.
QSize chooserSize(const QWidget *parent);

// ---------------------------------------------------------------------------
// Test seam. Answers are used in this order: the queued next answers (one per
// chooser, first queued first used), then the answerer; with neither, the
// chooser is shown.

// The next chooser returns `path` (empty: as if cancelled) without being shown.
void setNextAnswer(const QString &path);
// Every chooser is answered by `answerer` until it is cleared with nullptr.
using Answerer = std::function<QString(const Request &request)>;
void setAnswerer(Answerer answerer);
// Drops the queued answers and the answerer.
void clearAnswers();
// The last request seen (shown or answered), for tests.
Request lastRequest();

} // namespace FileDialogs
