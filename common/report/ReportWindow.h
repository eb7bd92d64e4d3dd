#pragma once

#include "common/report/ReportCommands.h"
#include "common/report/ReportOutput.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/Layout.h"
#include "common/ui/WindowKit.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class Report;

// The small modal windows that print, preview or export one sheet of the
// window that opened them (the dog, service, box and quote sheets, the planner
// grid, the rich-text dog sheet): a fixed window centred on its owner with a
// steel-blue-to-white background, a white panel shpSfondo with the
// instructions, and two buttons, btnAnnulla "Annulla" (closes) and the action
// button. The action fills the sheet from the owner's controls at that moment
// and ends in one of four ways:
//
//   Print    print dialog (a cancel is silent), then the window closes;
//   Preview  the modal preview, then the window closes when it is closed;
//   Pdf      the file is written and checked, then the question whether to
//            open it: Yes opens it and closes the window, No keeps it open;
//   Custom   a step of the window's own (the rich-text export), then it closes.
//
// The action runs inside the window's guard. A failure is reported once: with
// a fixed message (the print and preview warnings) the window then closes;
// with the standard guard (the failure's own text in an error box) it stays
// open, as a command that never reached its end.
//
// A window with a caller mode has a hidden lblMemory; its action runs only
// when the trimmed label text equals the mode, and otherwise does nothing.
// A window with a picture (the dog's photo, the company logo) loads it each
// time it is shown into the hidden imgLogo, the default picture (imgTemp)
// taking its place when the load gives nothing or fails.
class ReportWindow : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    enum class Output { Print, Preview, Pdf, Custom };

    // The words inside shpSfondo: a heading and a sentence at the top, the
    // separator bar, then the picture and the instruction beside it.
    struct Instructions {
        QString heading; // "Stampa scheda"
        QString description; // "Questa operazione provvederà a stampare ..."
        QString instruction; // "Premere il pulsante Stampa per ..."
        QPixmap picture; // a printer, a magnifier, a PDF document (optional)
    };

    struct Setup {
        QString objectName; // "frmStampaPrev"
        QString caption; // " Stampa scheda"
        QSize clientSize = QSize(364, 287);
        Output output = Output::Print;
        QString actionName = QStringLiteral("btnStampa");
        QString actionText = QStringLiteral("Stampa");
        Instructions instructions;
        // How a failure of the action is reported (see above).
        CommandGuard guard;
        // Print, Preview, Pdf: the filled sheet, made when the action runs.
        std::function<std::unique_ptr<Report>(const ReportWindow &window)> build;
        // Pdf: the path (built when the action runs), the document
        // information and the shell-open routine (TMisc::Open).
        std::function<QString()> pdfPath;
        ReportOutput::PdfProperties pdfProperties;
        ReportCommands::OpenFile open;
        // Custom: the window's own step; it may throw.
        std::function<void(ReportWindow &window)> run;
        // Picture loaded on show; `defaultPicture` replaces a null or failed load.
        std::function<QImage()> loadPicture;
        QImage defaultPicture;
        // Non-empty: the caller mode the action requires in lblMemory.
        QString requiredMode;
    };

    // The print window of an editor's current record (" Stampa scheda"): its
    // texts, picture and printer failure box; the caller adds `build`.
    static Setup sheetPrint(const QString &objectName);

    // The layout every sheet window shares: client size, steel-blue-to-white
    // background, the white panel 18 units in with the heading, sentence and
    // reader picture, the separator bar, the window's picture and instruction
    // beside it, and the two buttons 137 x 28 at 18 and 208 from the left,
    // 44 units above the bottom edge; Tab from "Annulla" to the action.
    static Layout::Table sheetTable(const Setup &setup);

    // Builds the window and lays it out from `table` (empty: sheetTable()).
    ReportWindow(QWidget *owner, Setup setup, const Layout::Table &table = {});
    ~ReportWindow() override;

    const Setup &setup() const { return m_setup; }
    // The picture loaded on the last show (imgLogo's picture).
    QImage picture() const { return m_picture; }
    QLabel *lblMemory() const { return m_lblMemory; }
    QPushButton *btnAnnulla() const { return m_btnAnnulla; }
    QPushButton *actionButton() const { return m_action; }

    // What a click on the action button does.
    void runAction();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPanel();
    void loadPicture();

    Setup m_setup;
    QImage m_picture;
    QLabel *m_imgLogo = nullptr;
    QLabel *m_lblMemory = nullptr;
    QPushButton *m_btnAnnulla = nullptr;
    QPushButton *m_action = nullptr;
};
