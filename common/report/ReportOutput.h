#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <stdexcept>

class QPrinter;
class QWidget;
class Report;

// A failure of the printer, the preview or the file; its text is shown to the
// user as it stands.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The three outputs of every report: print, preview and PDF.
namespace ReportOutput
{

// Shows the print dialog for `printer` (the default printer preselected);
// true when the user confirmed. Test seam: setPrintDialog replaces it
// (nullptr restores the real dialog).
using PrintDialog = std::function<bool(QPrinter &printer, QWidget *parent)>;
void setPrintDialog(PrintDialog dialog);

// Prints through the print dialog. Returns false when the user cancelled
// (nothing printed, nothing shown); throws ReportError when printing fails.
// Printing to a PDF file chosen in the dialog goes through writePdf().
bool print(const Report &report, QWidget *parent);

// Shows the pages in a modal preview window (print, zoom, full screen,
// close); returns when it is closed. Printing from it goes through print().
void preview(const Report &report, QWidget *parent);

// Document information written into a PDF.
struct PdfProperties {
    QString title;
    QString subject;
    QString author = QStringLiteral("Kennora");
    QString creator = QStringLiteral("Kennora");
};

// Writes the report as a PDF file, replacing an existing file without a
// question: not encrypted, page content stored uncompressed, embedded fonts
// compressed, the document information set. The whole document is made in
// memory first, then written with writeFile(); throws ReportError when
// anything fails, and then an earlier file of that name is left as it was.
void writePdf(const Report &report, const QString &path, const PdfProperties &properties);

// Writes a whole document file (PDF, rich text): the bytes go to a temporary
// file beside the target, which is flushed, synced and read back to the last
// byte before it replaces the target in one rename. A target that is a folder
// or a special file (FIFO, device) is refused before anything is written; a
// symbolic link to a file has that file replaced. On any failure the
// temporary file is removed, an earlier file stays as it was, and ReportError
// names the path.
void writeFile(const QString &path, const QByteArray &bytes);

// The PDF document as bytes (the same steps without the file).
QByteArray pdfBytes(const Report &report, const PdfProperties &properties);

// One page rendered to an image at `dotsPerInch` (white paper).
QImage renderPage(const Report &report, int page, double dotsPerInch);

} // namespace ReportOutput
