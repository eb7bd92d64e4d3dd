#include "deadlines/TrovaScadenzario.h"

#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "deadlines/DeadlineEditorLink.h"
#include "deadlines/core/DeadlineListing.h"
#include "deadlines/core/DeadlineRecord.h"

#include <QLabel>
#include <QLineEdit>

namespace
{

SearchWindow::Setup deadlineSearchSetup(TfrmTrovaScadenzario *self)
{
    const std::vector<FieldRef> fields = DeadlineListing::filterFields();
    SearchWindow::Setup s;
    s.list.caption = QStringLiteral(" Trova scadenze pagamenti in archivio");
    s.list.printTitle = QStringLiteral("Riepilogo scadenze e appuntamenti");
    s.list.lastSearchText = &TfrmTrovaScadenzario::lastSearchText();
    s.list.itemWidth = 1600;
    s.list.headingArt = QStringLiteral("scadenze");
    s.list.pick = ListWindow::tablePick(&DeadlineEditorLink::openFile, DeadlineRecord::size(),
        DeadlineEditorLink::searchDeliveries(), [self] { return self->mode(); });
    s.filters = {
        { "txtData", QStringLiteral("Data scadenza (gg/mm/aaaa):"), fields[0], "txtOra" },
        { "txtOra", QStringLiteral("Ora appuntamento (hh:mm):"), fields[1], "txtProprietario" },
        { "txtProprietario", QStringLiteral("Proprietario:"), fields[2], "txtCodFisc" },
        { "txtCodFisc", QStringLiteral("Codice fiscale:"), fields[3], "txtNome" },
        { "txtNome", QStringLiteral("Nome cane:"), fields[4], "txtRazza" },
        { "txtRazza", QStringLiteral("Razza:"), fields[5], "txtMicrochip" },
        { "txtMicrochip", QStringLiteral("Codice microchip:"), fields[6], "txtPersona" },
        { "txtPersona", QStringLiteral("Persona da incontrare:"), fields[7], "txtDettagli" },
        { "txtDettagli", QStringLiteral("Causale scadenza:"), fields[8], "txtNote" },
        { "txtNote", QStringLiteral("Note:"), fields[9], "txtData" },
    };
    s.path = &DeadlineEditorLink::openFile;
    s.recordSize = DeadlineRecord::size();
    s.line = DeadlineListing::summaryShape();
    s.minLineChars = DeadlineListing::kFixedChars;
    s.countBeginning = SearchMatch::kElencoBeginning;
    return s;
}

} // namespace

TfrmTrovaScadenzario::TfrmTrovaScadenzario(QWidget *owner)
    : SearchWindow(owner, deadlineSearchSetup(this))
{
    setObjectName(QLatin1String(WindowNames::frmTrovaScadenzario));
    // Each member is the filter of its own name, whatever the order of the filter table.
    const auto named = [this](const char *name) { return WindowKit::named<QLineEdit>(this, name); };
    txtData = named("txtData");
    txtOra = named("txtOra");
    txtProprietario = named("txtProprietario");
    txtCodFisc = named("txtCodFisc");
    txtNome = named("txtNome");
    txtRazza = named("txtRazza");
    txtMicrochip = named("txtMicrochip");
    txtPersona = named("txtPersona");
    txtDettagli = named("txtDettagli");
    txtNote = named("txtNote");
}

QString &TfrmTrovaScadenzario::lastSearchText()
{
    static QString text;
    return text;
}

void TfrmTrovaScadenzario::openPicker(QWidget *owner, const QString &mode)
{
    WindowKit::openModalDialog<TfrmTrovaScadenzario>(
        owner, [&mode](TfrmTrovaScadenzario &d) { d.lblMemory->setText(mode); });
}
