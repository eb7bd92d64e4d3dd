#include "dogs/StampaCane.h"

#include "common/TextRoutines.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowNames.h"
#include "dogs/Cani.h"

namespace
{

// One field of the sheet: caption over a framed value box.
struct Box {
    const char *caption;
    const char *memo;
    double left;
    double top;
    double width;
};

constexpr double kLeft = 1;
constexpr double kRight = 97;
constexpr double kColumn = 92;

const QList<Box> &boxes()
{
    static const QList<Box> list = {
        { "DATA NASCITA:", "txtDataNasc", kLeft, 131, 39 },
        { "SESSO:", "txtSesso", 42, 131, 17 },
        { "STERILIZZATO:", "txtSterilizzato", 61, 131, 32 },
        { "GRUPPO APPARTENENZA:", "txtGruppo", kRight, 131, kColumn },
        { "RAZZA:", "txtRazza", kLeft, 145, kColumn },
        { "COLORE MANTELLO:", "txtMantello", kRight, 145, kColumn },
        { "SEGNI PARTICOLARI:", "txtSegni", kLeft, 159, kColumn },
        { "LIBRETTO SANITARIO:", "txtLibretto", kRight, 159, kColumn },
        { "MEDICO VETERINARIO:", "txtMedico", kLeft, 173, kColumn },
        { "CODICE MICROCHIP:", "txtMicrochip", kRight, 173, kColumn },
        { "LOCALIZZAZIONE MICROCHIP:", "txtLocalizzazione", kLeft, 187, kColumn },
        { "TATUAGGIO:", "txtTatuaggio", kRight, 187, kColumn },
        { "PROPRIETARIO ATTUALE:", "txtProprietario", kLeft, 201, kColumn },
        { "TELEFONO PREFERENZIALE:", "txtRecapito", kRight, 201, 53 },
        { "INIZIO PROPRIETA':", "txtInizioProp", 152, 201, 36 },
        { "NUMERO ROI:", "txtROI", kLeft, 215, kColumn },
        { "ALLEVATORE:", "txtAllevatore", kRight, 215, kColumn },
        { "PADRE:", "txtPadre", kLeft, 229, kColumn },
        { "MADRE:", "txtMadre", kRight, 229, kColumn },
        { "VACCINAZIONI:", "txtVaccinazioni", kLeft, 243, kColumn },
        { "ALIMENTAZIONE:", "txtAlimentazione", kRight, 243, kColumn },
    };
    return list;
}

QFont arial(double points, bool bold = false)
{
    return ReportTemplate::font(QStringLiteral("Arial"), points, bold);
}

// A framed value box 6 mm high at `top`, its memo 1 mm inside.
void addValueBox(ReportTemplate &sheet, const QString &memo, double left, double top, double width)
{
    sheet.addRectangle(QStringLiteral("shp") + memo.mid(3), QRectF(left, top, width, 6));
    sheet.addText(memo, QRectF(left + 1, top + 1, width - 2, 4), arial(9), QString());
}

ReportWindow::Setup sheetSetup()
{
    ReportWindow::Setup s = ReportWindow::sheetPrint(QLatin1String(WindowNames::frmStampaCane));
    s.build = [](const ReportWindow &window) -> std::unique_ptr<Report> {
        const QWidget *editor = window.parentWidget() ? window.parentWidget() : frmCani;
        return TfrmStampaCane::filled(editor, window.picture(), Clock::now());
    };
    // The dog's photo as the editor holds it; the blank picture gives none.
    s.loadPicture = [] { return frmCani ? frmCani->photo() : QImage(); };
    return s;
}

} // namespace

TfrmStampaCane::TfrmStampaCane(QWidget *owner)
    : ReportWindow(owner, sheetSetup())
{
}

const QStringList &TfrmStampaCane::valueMemos()
{
    static const QStringList memos = { QStringLiteral("txtNome"), QStringLiteral("txtSesso"),
        QStringLiteral("txtDataNasc"), QStringLiteral("txtGruppo"), QStringLiteral("txtRazza"),
        QStringLiteral("txtMantello"), QStringLiteral("txtSegni"), QStringLiteral("txtSterilizzato"),
        QStringLiteral("txtLibretto"), QStringLiteral("txtMedico"), QStringLiteral("txtROI"),
        QStringLiteral("txtMicrochip"), QStringLiteral("txtLocalizzazione"), QStringLiteral("txtTatuaggio"),
        QStringLiteral("txtProprietario"), QStringLiteral("txtRecapito"), QStringLiteral("txtInizioProp"),
        QStringLiteral("txtAllevatore"), QStringLiteral("txtPadre"), QStringLiteral("txtMadre"),
        QStringLiteral("txtVaccinazioni"), QStringLiteral("txtAlimentazione"), QStringLiteral("txtNote") };
    return memos;
}

std::unique_ptr<ReportTemplate> TfrmStampaCane::makeTemplate()
{
    auto sheet = std::make_unique<ReportTemplate>(QStringLiteral("Scheda Cane"));
    sheet->addText(QStringLiteral("txtNome"), QRectF(1, 1, 188, 10), arial(12, true), QStringLiteral("Nome cane"),
        Qt::AlignCenter, Qt::black, QColor(0xB0, 0xC4, 0xDE));
    sheet->addRectangle(QStringLiteral("shpFoto"), QRectF(1, 14, 188, 112), QColor(0xB0, 0xC4, 0xDE));
    sheet->addPicture(
        QStringLiteral("imgLogo"), QRectF(1, 14, 188, 112), QImage(), ReportTemplate::PictureFit::KeepAspectCentred);
    for (const Box &box : boxes()) {
        const QString memo = QLatin1String(box.memo);
        sheet->addText(QStringLiteral("tit") + memo.mid(3), QRectF(box.left, box.top, box.width, 5), arial(8),
            QString::fromUtf8(box.caption));
        addValueBox(*sheet, memo, box.left, box.top + 6, box.width);
    }
    sheet->addText(QStringLiteral("titNote"), QRectF(1, 257, 188, 5), arial(9, true), QStringLiteral("NOTE:"),
        Qt::AlignCenter, Qt::black, QColor(0xE6, 0xE6, 0xFA));
    addValueBox(*sheet, QStringLiteral("txtNote"), 1, 263, 188);
    sheet->addText(QStringLiteral("txtCalce"), QRectF(1, 270, 188, 6), arial(8), QStringLiteral("Data e ora stampa"),
        Qt::AlignCenter, Qt::black, QColor(0xFF, 0xD7, 0x00));
    return sheet;
}

std::unique_ptr<ReportTemplate> TfrmStampaCane::filled(const QWidget *editor, const QImage &photo, const QDateTime &now)
{
    auto sheet = makeTemplate();
    sheet->setOrientation(QPageLayout::Portrait);
    sheet->setPicture(QStringLiteral("imgLogo"), photo);
    for (const QString &memo : valueMemos())
        sheet->setText(memo, editor ? TrimText(ControlText::named(editor, memo)) : QString());
    sheet->setText(QStringLiteral("txtCalce"), ReportCommands::printStamp(now));
    return sheet;
}
