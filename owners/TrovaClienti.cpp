#include "owners/TrovaClienti.h"

#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "owners/OwnerControls.h"
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
    s.list.headingArt = QStringLiteral("proprietari");
    s.list.pick = ListWindow::tablePick(
        &OwnerRecord::path, OwnerRecord::size(), OwnerDelivery::table(), [self] { return self->mode(); });
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
    s.line = OwnerListing::searchShape();
    s.minLineChars = OwnerListing::kFixedChars;
    s.countBeginning = SearchMatch::kRiepilogoBeginning;
    return s;
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner)
    : SearchWindow(owner, ownerSearchSetup(this))
{
    // Each member is the filter of its own name.
    const auto filter = [this](const char *name) { return WindowKit::named<QLineEdit>(this, name); };
    txtCliente = filter("txtCliente");
    txtComuneRes = filter("txtComuneRes");
    txtPartitaIva = filter("txtPartitaIva");
    txtCodFisc = filter("txtCodFisc");
    txtDocumento = filter("txtDocumento");
    txtOccupazione = filter("txtOccupazione");
    txtCaniOra = filter("txtCaniOra");
    txtCaniPrima = filter("txtCaniPrima");
    txtQuestioni = filter("txtQuestioni");
    txtNote = filter("txtNote");
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

Delivery::Route ownerEditorRoute(const QString &mode)
{
    Delivery::Route r { mode, WindowNames::frmClienti, {}, true, {} };
    for (int f = 0; f < OwnerRecord::FieldCount; ++f)
        r.fields.push_back({ f, OwnerControls::name(f) });
    return r;
}

const Delivery::Table &table()
{
    using O = OwnerRecord::Field;
    static const Delivery::Table t { &OwnerRecord::layout(),
        {
            ownerEditorRoute(QStringLiteral("clienti")),
            { QStringLiteral("cani"), WindowNames::frmCani,
                { { O::Cliente, QStringLiteral("txtProprietario") }, { O::Recapito, QStringLiteral("txtRecapito") },
                    { O::CodFisc, QStringLiteral("txtCodFisc") }, { O::ComuneRes, QStringLiteral("txtComuneRes") } },
                false, {} },
            { QStringLiteral("preventivi"), WindowNames::frmPreventivi,
                { { O::Cliente, QStringLiteral("txtCliente") }, { O::IndirizzoRes, QStringLiteral("txtViaCliente") },
                    { O::CapRes, QStringLiteral("txtCapCliente") }, { O::ComuneRes, QStringLiteral("txtCittaCliente") },
                    { O::ProvRes, QStringLiteral("txtProvCliente") },
                    { O::CodFisc, QStringLiteral("txtCodFiscCliente") },
                    { O::PartitaIva, QStringLiteral("txtIvaCliente") } },
                false, {} },
        } };
    return t;
}

void deliver(const QString &mode, const QByteArray &record, qint64 position)
{
    Delivery::deliver(table(), mode, record, position);
}

} // namespace OwnerDelivery
