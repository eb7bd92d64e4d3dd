#include "dogs/CreaRTF.h"

#include "app/dialogs/OpenURL.h"
#include "common/FileFailure.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/core/DogSheetRtf.h"

#include <stdexcept>

const QString TfrmCreaRTF::kAskCreate = QStringLiteral(
    "Questa procedura esporter\u00E0 la scheda corrente in un documento in formato RTF.\r\n\r\nSi conferma la "
    "creazione del file?");
const QString TfrmCreaRTF::kAskOpen
    = QStringLiteral("Il file RTF \u00E8 stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
const QString TfrmCreaRTF::kFailure = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il documento non sia gi\u00E0 "
    "aperto.");

namespace
{

ReportWindow::Setup sheetSetup()
{
    ReportWindow::Setup s;
    s.objectName = QLatin1String(WindowNames::frmCreaRTF);
    s.caption = QStringLiteral(" Esporta scheda in RTF");
    s.clientSize = QSize(364, 287);
    s.output = ReportWindow::Output::Custom;
    s.actionText = QStringLiteral("Esporta e stampa");
    s.instructions = { QStringLiteral("Esporta scheda in RTF"),
        QStringLiteral("Questa operazione provveder\u00E0 a esportare la scheda corrente in un documento RTF, "
                       "da aprire e stampare con un programma di videoscrittura."),
        QStringLiteral("Premere il pulsante Esporta e stampa per creare il documento oppure premere Annulla per "
                       "annullare l'operazione."),
        Art::pixmap(QStringLiteral("sezione-documento"), QSize(48, 48)) };
    s.guard = CommandGuard(MessageBoxes::Kind::Plain, TfrmCreaRTF::kFailure);
    s.run = [](ReportWindow &window) {
        const QWidget *editor
            = window.parentWidget() ? window.parentWidget() : WindowRegistry::get(QLatin1String(WindowNames::frmCani));
        WriteDogSheetRtf(editor, &window);
    };
    s.requiredMode = QStringLiteral("cani");
    return s;
}

} // namespace

TfrmCreaRTF::TfrmCreaRTF(QWidget *owner)
    : ReportWindow(owner, sheetSetup())
{
}

QStringList TfrmCreaRTF::values(const QWidget *editor)
{
    QStringList out;
    for (const DogSheetRtf::Field &field : DogSheetRtf::fields())
        out.append(editor ? TrimText(ControlText::named(editor, QLatin1String(field.control))) : QString());
    return out;
}

void WriteDogSheetRtf(const QWidget *editor, QWidget *parent)
{
    if (!MessageBoxes::confirmation(TfrmCreaRTF::kAskCreate, parent))
        return;
    const QString path = DogSheetRtf::path();
    if (const FileFailure failure = DogSheetRtf::write(path, TfrmCreaRTF::values(editor)))
        throw std::runtime_error(failure.reason().toStdString());
    if (MessageBoxes::confirmation(TfrmCreaRTF::kAskOpen, parent))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}
