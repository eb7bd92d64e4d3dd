#include "common/report/ReportCommands.h"

#include "common/TextRoutines.h"
#include "common/report/Report.h"
#include "common/ui/MessageBoxes.h"

namespace ReportCommands
{

namespace
{

// Builds inside the guard; a build that gives nothing is a failure too.
std::unique_ptr<Report> built(const Build &build)
{
    std::unique_ptr<Report> report = build ? build() : nullptr;
    if (!report)
        throw ReportError(QStringLiteral("Attenzione: il documento da stampare non \u00E8 disponibile."));
    return report;
}

} // namespace

QString printFailureMessage()
{
    return QStringLiteral("Attenzione: la stampa della scheda non \u00E8 andata a buon fine.\n\r\n\r"
                          "Si consiglia di controllare le impostazioni della stampante.");
}

QString previewFailureMessage()
{
    return QStringLiteral(
        "Attenzione: la visualizzazione dell'anteprima di stampa non \u00E8 andata a buon fine.\n\r\n\r"
        "Si consiglia di controllare le impostazioni della stampante.");
}

QString pdfQuestion()
{
    return QStringLiteral(
        "L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire il file?");
}

QString printStamp(const QDateTime &now)
{
    return QStringLiteral("Stampa eseguita in data ") + FormatDate(now.date()) + QStringLiteral(" alle ore ")
        + now.time().toString(QStringLiteral("HH:mm:ss"));
}

bool print(QWidget *parent, const Build &build, const CommandGuard &guard)
{
    return guard.run([&] { ReportOutput::print(*built(build), parent); }, parent);
}

bool preview(QWidget *parent, const Build &build, const CommandGuard &guard)
{
    return guard.run([&] { ReportOutput::preview(*built(build), parent); }, parent);
}

PdfOutcome exportPdf(QWidget *parent, const Build &build, const QString &path,
    const ReportOutput::PdfProperties &properties, const OpenFile &open, const CommandGuard &guard)
{
    const bool written = guard.run([&] { ReportOutput::writePdf(*built(build), path, properties); }, parent);
    if (!written)
        return PdfOutcome::Failed;
    if (!MessageBoxes::confirmation(pdfQuestion(), parent))
        return PdfOutcome::Kept;
    if (open)
        open(QLatin1Char('"') + path + QLatin1Char('"'));
    return PdfOutcome::Opened;
}

} // namespace ReportCommands
