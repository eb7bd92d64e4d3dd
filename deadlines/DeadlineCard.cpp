#include "deadlines/DeadlineCard.h"

#include "common/TextRoutines.h"
#include "common/report/ReportCommands.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"

#include <QAbstractButton>
#include <QWidget>

namespace DeadlineCard
{

InfoSheet::Values values(const QWidget *editor, const QDateTime &now)
{
    auto v = [editor](const char *name) { return TrimText(ControlText::named(editor, QString::fromLatin1(name))); };
    auto yesNo = [editor](const char *name) {
        const auto *box = editor->findChild<QAbstractButton *>(QString::fromLatin1(name));
        return box && box->isChecked() ? QStringLiteral("S\u00EC") : QStringLiteral("No");
    };
    InfoSheet::Values out;
    out.title = QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO");
    const QList<QPair<QString, QString>> rows = {
        { QStringLiteral("Data scadenza:"),
            v("txtGiorno") + QLatin1Char(' ') + v("txtMese") + QLatin1Char(' ') + v("lblAnno") },
        { QStringLiteral("Ora appuntamento:"), v("txtOreApp") + QLatin1Char(':') + v("txtMinutiApp") },
        { QStringLiteral("Giorni preavviso:"), v("txtAvviso") },
        { QStringLiteral("Proprietario:"), v("txtProprietario") },
        { QStringLiteral("Codice fiscale:"), v("txtCodFisc") },
        { QStringLiteral("Telefono preferenziale:"), v("txtRecapito") },
        { QStringLiteral("Nome cane:"), v("txtNome") },
        { QStringLiteral("Data nascita:"), v("txtDataNasc") },
        { QStringLiteral("Razza:"), v("txtRazza") },
        { QStringLiteral("Colore mantello:"), v("txtMantello") },
        { QStringLiteral("Codice microchip:"), v("txtMicrochip") },
        { QStringLiteral("Segni particolari:"), v("txtSegni") },
        { QStringLiteral("Persona da incontrare:"), v("txtPersona") },
        { QStringLiteral("Causale scadenza:"), v("txtDettagli") },
        { QStringLiteral("Modalit\u00E0 di pagamento:"), v("txtOfficina") },
        { QStringLiteral("Importo in euro:"), v("txtCosto") },
        { QStringLiteral("Estremi ricevuta:"), v("txtContatto") },
        { QStringLiteral("Note:"), v("txtNote") },
        { QStringLiteral("Appuntamento da confermare:"), yesNo("chkDaConfermare") },
        { QStringLiteral("Pagamento effettuato:"), yesNo("chkEffettuata") },
    };
    for (const auto &row : rows) {
        out.captions.append(row.first);
        out.values.append(row.second);
    }
    while (out.captions.size() < InfoSheet::Rows) {
        out.captions.append(QStringLiteral(" "));
        out.values.append(QStringLiteral(" "));
    }
    out.footer = ReportCommands::printStamp(now);
    return out;
}

std::unique_ptr<ReportTemplate> makeTemplate()
{
    // The folder icon of the card, at about 250 dots per inch.
    return InfoSheet::makeTemplate(Art::pixmap(QStringLiteral("cartella"), QSize(170, 130)).toImage());
}

void print(QWidget *editor)
{
    ReportCommands::print(editor, [editor]() -> std::unique_ptr<Report> {
        auto card = makeTemplate();
        InfoSheet::fill(*card, values(editor));
        return card;
    });
}

} // namespace DeadlineCard
