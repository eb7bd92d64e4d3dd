#include "owners/OwnerSheet.h"

#include "app/dialogs/OpenURL.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/MessageBoxes.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"
#include "common/report/KennelLogo.h"
#include "common/report/ReportOutput.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/ControlText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace OwnerSheet {

namespace {

constexpr int kRows = 24;
const QString kName = QStringLiteral("Scheda informativa");
const QColor kDarkOrange(255, 140, 0);
const QColor kTeal(0, 128, 128);

QString objectName(const QString &prefix, int row)
{
    return prefix + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace

Values values(const QWidget *editor, const QDateTime &now)
{
    auto v = [editor](const char *name) { return TrimText(ControlText::named(editor, QString::fromLatin1(name))); };
    Values out;
    out.title = QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO");
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("Cognome e nome:"), v("txtCliente")},
        {QStringLiteral("Data di nascita:"), v("txtDataNasc")},
        {QStringLiteral("Comune di nascita:"), v("txtComuneNasc") + QLatin1Char(' ') + v("txtProvNasc")},
        {QStringLiteral("Sesso:"), v("txtSesso")},
        {QStringLiteral("Telefono preferenziale:"), v("txtRecapito")},
        {QStringLiteral("Indirizzo di residenza:"), v("txtIndirizzoRes")},
        {QStringLiteral("Comune di residenza:"), v("txtComuneRes") + QLatin1Char(' ') + v("txtProvRes")},
        {QStringLiteral("Modalit\u00E0 pagamento:"), v("txtEstremi")},
        {QStringLiteral("Tel. casa:"), v("txtTelCasa")},
        {QStringLiteral("Tel. ufficio:"), v("txtTelUff")},
        {QStringLiteral("Tel. cellulare:"), v("txtTelCel")},
        {QStringLiteral("Fax:"), v("txtFax")},
        {QStringLiteral("E-mail:"), v("txtEmail")},
        {QStringLiteral("Codice fiscale:"), v("txtCodFisc")},
        {QStringLiteral("Partita IVA:"), v("txtPartitaIva")},
        {QStringLiteral("Carta di credito:"),
         QStringLiteral("N. ") + v("txtCarta") + QStringLiteral("  -  Scadenza: ") + v("txtScadeCarta")},
        {QStringLiteral("IBAN:"), v("txtIban")},
        {QStringLiteral("Estremi documento:"), v("txtDocumento")},
        {QStringLiteral("Occupazione:"), v("txtOccupazione")},
        {QStringLiteral("Titoli e qualifiche:"), v("txtTitoli")},
        {QStringLiteral("Cani posseduti attualmente:"), v("txtCaniOra")},
        {QStringLiteral("Cani posseduti in passato:"), v("txtCaniPrima")},
        {QStringLiteral("Questioni in sospeso:"), v("txtQuestioni")},
        {QStringLiteral("Note:"), v("txtNote")},
    };
    for (const auto &row : rows) {
        out.captions.append(row.first);
        out.values.append(row.second);
    }
    out.footer = QStringLiteral("Stampa eseguita in data ") + FormatDate(now.date()) + QStringLiteral(" alle ore ")
                 + now.time().toString(QStringLiteral("HH:mm:ss"));
    return out;
}

std::unique_ptr<ReportTemplate> makeTemplate()
{
    auto sheet = std::make_unique<ReportTemplate>(kName, QPageLayout::Portrait);
    const QRectF logo(3, 3, 17, 13);
    sheet->addPicture(QStringLiteral("imgLogo"), logo, KennelLogo(logo.size()));
    sheet->addText(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), ReportTemplate::font(QStringLiteral("Arial"), 16),
                   QStringLiteral("Titolo Scheda"), Qt::AlignCenter, Qt::white, kDarkOrange);
    sheet->addLine(QStringLiteral("linSepara01"), QPointF(23, 16), QPointF(188, 16));
    for (int k = 1; k <= kRows; ++k) {
        const double top = 24 + 10 * (k - 1);
        const QString design = QStringLiteral("Campo %1").arg(k);
        sheet->addText(objectName(QStringLiteral("titCampo"), k), QRectF(3, top, 52, 6),
                       ReportTemplate::font(QStringLiteral("Arial"), 9), design, Qt::AlignLeft | Qt::AlignVCenter,
                       Qt::white, kTeal);
        sheet->addText(objectName(QStringLiteral("txtCampo"), k), QRectF(60, top, 128, 6),
                       ReportTemplate::font(QStringLiteral("Arial"), 10), design, Qt::AlignLeft | Qt::AlignVCenter);
    }
    sheet->addLine(QStringLiteral("linSepara02"), QPointF(3, 265), QPointF(188, 265));
    sheet->addText(QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), ReportTemplate::font(QStringLiteral("Arial"), 10),
                   QStringLiteral("Termine scheda"), Qt::AlignCenter, Qt::white, kDarkOrange);
    return sheet;
}

void fill(ReportTemplate &sheet, const Values &values)
{
    sheet.setOrientation(QPageLayout::Portrait);
    sheet.setText(QStringLiteral("txtTitolo"), values.title);
    for (int k = 1; k <= kRows; ++k) {
        sheet.setText(objectName(QStringLiteral("titCampo"), k), values.captions.value(k - 1));
        sheet.setText(objectName(QStringLiteral("txtCampo"), k), values.values.value(k - 1));
    }
    sheet.setText(QStringLiteral("txtCalce"), values.footer);
}

QString pdfPath()
{
    return programFile(QStringLiteral("Proprietario.pdf"));
}

QString pdfQuestion()
{
    return QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire il file?");
}

void print(QWidget *editor)
{
    RunGuarded(
        [editor] {
            auto sheet = makeTemplate();
            fill(*sheet, values(editor));
            ReportOutput::print(*sheet, editor);
        },
        editor);
}

void preview(QWidget *editor)
{
    RunGuarded(
        [editor] {
            auto sheet = makeTemplate();
            fill(*sheet, values(editor));
            ReportOutput::preview(*sheet, editor);
        },
        editor);
}

void exportPdf(QWidget *editor)
{
    const QString path = pdfPath();
    const bool written = RunGuarded(
        [&] {
            auto sheet = makeTemplate();
            fill(*sheet, values(editor));
            ReportOutput::writePdf(*sheet, path, {kName, kName});
        },
        editor);
    if (written && MessageBoxes::confirmation(pdfQuestion(), editor))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

} // namespace OwnerSheet
