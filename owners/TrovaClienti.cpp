#include "owners/TrovaClienti.h"

#include "common/ui/WindowRegistry.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "owners/core/OwnerListing.h"
#include "owners/core/OwnerRecord.h"

#include <QLabel>
#include <QLineEdit>

namespace
{

SearchWindow::Setup ownerSearchSetup(TfrmTrovaClienti *self)
{
    const RecordLayout &layout = OwnerRecord::layout();
    auto field = [&](int f) { return FieldRef::of(layout, f); };
    SearchWindow::Setup s;
    s.list.caption = QStringLiteral(" Trova proprietari in archivio");
    s.list.printTitle = QStringLiteral("Riepilogo proprietari cani");
    s.list.lastSearchText = &TfrmTrovaClienti::lastSearchText();
    s.list.itemWidth = 1600;
    s.list.pick = ListWindow::archivePick(&OwnerRecord::path, OwnerRecord::size(),
        [self](const QByteArray &record, qint64 position) { OwnerDelivery::deliver(self->mode(), record, position); });
    s.filters = {
        { "txtCliente", QStringLiteral("Cognome e nome:"), field(OwnerRecord::Cliente), "txtComuneRes" },
        { "txtComuneRes", QStringLiteral("Comune di residenza:"), field(OwnerRecord::ComuneRes), "txtPartitaIva" },
        { "txtPartitaIva", QStringLiteral("Partita IVA:"), field(OwnerRecord::PartitaIva), "txtCodFisc" },
        { "txtCodFisc", QStringLiteral("Codice fiscale:"), field(OwnerRecord::CodFisc), "txtDocumento" },
        { "txtDocumento", QStringLiteral("Estremi documento:"), field(OwnerRecord::Documento), "txtOccupazione" },
        { "txtOccupazione", QStringLiteral("Occupazione:"), field(OwnerRecord::Occupazione), "txtCaniOra" },
        { "txtCaniOra", QStringLiteral("Cani posseduti attualmente:"), field(OwnerRecord::CaniOra), "txtCaniPrima" },
        { "txtCaniPrima", QStringLiteral("Cani posseduti in passato:"), field(OwnerRecord::CaniPrima), "txtQuestioni" },
        { "txtQuestioni", QStringLiteral("Questioni in sospeso:"), field(OwnerRecord::Questioni), "txtNote" },
        { "txtNote", QStringLiteral("Note:"), field(OwnerRecord::Note), "txtCliente" },
    };
    s.path = &OwnerRecord::path;
    s.recordSize = OwnerRecord::size();
    s.line = &OwnerListing::searchLine;
    s.countBeginning = SearchMatch::kRiepilogoBeginning;
    return s;
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner)
    : SearchWindow(owner, ownerSearchSetup(this))
{
    QLineEdit **members[] = { &txtCliente, &txtComuneRes, &txtPartitaIva, &txtCodFisc, &txtDocumento, &txtOccupazione,
        &txtCaniOra, &txtCaniPrima, &txtQuestioni, &txtNote };
    for (qsizetype i = 0; i < filterEdits.size(); ++i)
        *members[i] = filterEdits.at(i);
}

QString &TfrmTrovaClienti::lastSearchText()
{
    static QString text;
    return text;
}

void TfrmTrovaClienti::openPicker(QWidget *owner, const QString &mode)
{
    WindowKit::openModalDialog<TfrmTrovaClienti>(owner, [&mode](TfrmTrovaClienti &d) { d.lblMemory->setText(mode); });
}

namespace OwnerDelivery
{

void deliver(const QString &mode, const QByteArray &record, qint64 position)
{
    RecordBuffer buffer(OwnerRecord::layout());
    buffer.bytes() = record;
    auto text = [&](int f) { return buffer.text(f); };

    if (mode == QLatin1String("clienti")) {
        QWidget *editor = WindowRegistry::get(QStringLiteral("frmClienti"));
        if (!editor)
            return;
        ArchiveEditor::loadControls(editor, buffer, &OwnerRecord::controlName);
        ControlText::setNamed(editor, QStringLiteral("lblPosizione"), QString::number(position)); // last
    } else if (mode == QLatin1String("cani")) {
        QWidget *editor = WindowRegistry::get(QStringLiteral("frmCani"));
        if (!editor)
            return;
        ControlText::setNamed(editor, QStringLiteral("txtProprietario"), text(OwnerRecord::Cliente));
        ControlText::setNamed(editor, QStringLiteral("txtRecapito"), text(OwnerRecord::Recapito));
        ControlText::setNamed(editor, QStringLiteral("txtCodFisc"), text(OwnerRecord::CodFisc));
        ControlText::setNamed(editor, QStringLiteral("txtComuneRes"), text(OwnerRecord::ComuneRes));
    } else if (mode == QLatin1String("preventivi")) {
        QWidget *editor = WindowRegistry::get(QStringLiteral("frmPreventivi"));
        if (!editor)
            return;
        ControlText::setNamed(editor, QStringLiteral("txtCliente"), text(OwnerRecord::Cliente));
        ControlText::setNamed(editor, QStringLiteral("txtViaCliente"), text(OwnerRecord::IndirizzoRes));
        ControlText::setNamed(editor, QStringLiteral("txtCapCliente"), text(OwnerRecord::CapRes));
        ControlText::setNamed(editor, QStringLiteral("txtCittaCliente"), text(OwnerRecord::ComuneRes));
        ControlText::setNamed(editor, QStringLiteral("txtProvCliente"), text(OwnerRecord::ProvRes));
        ControlText::setNamed(editor, QStringLiteral("txtCodFiscCliente"), text(OwnerRecord::CodFisc));
        ControlText::setNamed(editor, QStringLiteral("txtIvaCliente"), text(OwnerRecord::PartitaIva));
    }
}

} // namespace OwnerDelivery
