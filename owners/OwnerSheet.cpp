#include "owners/OwnerSheet.h"

#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"
#include "common/report/KennelLogo.h"
#include "common/report/ReportCommands.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/ControlText.h"

#include <QWidget>

namespace OwnerSheet
{

namespace
{

const QString kName = QStringLiteral("Scheda informativa");

} // namespace

Values values(const QWidget *editor, const QDateTime &now)
{
    auto v = [editor](const char *name) { return TrimText(ControlText::named(editor, QString::fromLatin1(name))); };
    Values out;
    out.title = QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO");
    const QList<QPair<QString, QString>> rows = {
        { QStringLiteral("Cognome e nome:"), v("txtCliente") },
        { QStringLiteral("Data di nascita:"), v("txtDataNasc") },
        { QStringLiteral("Comune di nascita:"), v("txtComuneNasc") + QLatin1Char(' ') + v("txtProvNasc") },
        { QStringLiteral("Sesso:"), v("txtSesso") },
        { QStringLiteral("Telefono preferenziale:"), v("txtRecapito") },
        { QStringLiteral("Indirizzo di residenza:"), v("txtIndirizzoRes") },
        { QStringLiteral("Comune di residenza:"), v("txtComuneRes") + QLatin1Char(' ') + v("txtProvRes") },
        { QStringLiteral("Modalit\u00E0 pagamento:"), v("txtEstremi") },
        { QStringLiteral("Tel. casa:"), v("txtTelCasa") },
        { QStringLiteral("Tel. ufficio:"), v("txtTelUff") },
        { QStringLiteral("Tel. cellulare:"), v("txtTelCel") },
        { QStringLiteral("Fax:"), v("txtFax") },
        { QStringLiteral("E-mail:"), v("txtEmail") },
        { QStringLiteral("Codice fiscale:"), v("txtCodFisc") },
        { QStringLiteral("Partita IVA:"), v("txtPartitaIva") },
        { QStringLiteral("Carta di credito:"),
            QStringLiteral("N. ") + v("txtCarta") + QStringLiteral("  -  Scadenza: ") + v("txtScadeCarta") },
        { QStringLiteral("IBAN:"), v("txtIban") },
        { QStringLiteral("Estremi documento:"), v("txtDocumento") },
        { QStringLiteral("Occupazione:"), v("txtOccupazione") },
        { QStringLiteral("Titoli e qualifiche:"), v("txtTitoli") },
        { QStringLiteral("Cani posseduti attualmente:"), v("txtCaniOra") },
        { QStringLiteral("Cani posseduti in passato:"), v("txtCaniPrima") },
        { QStringLiteral("Questioni in sospeso:"), v("txtQuestioni") },
        { QStringLiteral("Note:"), v("txtNote") },
    };
    for (const auto &row : rows) {
        out.captions.append(row.first);
        out.values.append(row.second);
    }
    out.footer = ReportCommands::printStamp(now);
    return out;
}

namespace
{

// The sheet filled from the editor at the moment of the command.
ReportCommands::Build built(const QWidget *editor)
{
    return [editor]() -> std::unique_ptr<Report> {
        auto sheet = makeTemplate();
        OwnerSheet::fill(*sheet, values(editor));
        return sheet;
    };
}

} // namespace

std::unique_ptr<ReportTemplate> makeTemplate()
{
    return InfoSheet::makeTemplate(KennelLogo(QSizeF(17, 13)));
}

void fill(ReportTemplate &sheet, const Values &values)
{
    InfoSheet::fill(sheet, values);
}

QString pdfPath()
{
    return programFile(QStringLiteral("Proprietario.pdf"));
}

QString pdfQuestion()
{
    return ReportCommands::pdfQuestion();
}

void print(QWidget *editor)
{
    ReportCommands::print(editor, built(editor));
}

void preview(QWidget *editor)
{
    ReportCommands::preview(editor, built(editor));
}

void exportPdf(QWidget *editor)
{
    ReportCommands::exportPdf(editor, built(editor), pdfPath(), { kName, kName }, TMisc::Open);
}

} // namespace OwnerSheet
