#include "quotes/TrovaPreventivi.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/ui/ControlText.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/QuoteControls.h"
#include "quotes/core/QuoteListing.h"
#include "quotes/core/QuoteRecord.h"

#include <QLabel>
#include <QLineEdit>

namespace
{

SearchWindow::Setup quoteSearchSetup(TfrmTrovaPreventivi *self)
{
    const RecordLayout &layout = QuoteRecord::layout();
    auto field = [&](int f) { return FieldRef::of(layout, f); };
    using namespace QuoteRecord;
    SearchWindow::Setup s;
    s.list.caption = QStringLiteral(" Trova preventivi in archivio");
    s.list.printTitle = QStringLiteral("Riepilogo preventivi emessi");
    s.list.lastSearchText = &TfrmTrovaPreventivi::lastSearchText();
    s.list.itemWidth = 1600;
    s.list.headingArt = QStringLiteral("preventivi");
    s.list.pick = QuoteDelivery::pick(self, QuoteDelivery::searchTable(), [self] { return self->mode(); });
    s.filters = {
        { "txtNumFatt", QStringLiteral("Preventivo n."), field(NumFatt), "txtData" },
        { "txtData", QStringLiteral("Data emissione (gg/mm/aaaa):"), field(Data), "txtCliente" },
        { "txtCliente", QStringLiteral("Cliente:"), field(Cliente), "txtViaCliente" },
        { "txtViaCliente", QStringLiteral("Via e numero civico:"), field(ViaCliente), "txtCittaCliente" },
        { "txtCittaCliente", QStringLiteral("Citt\u00E0:"), field(CittaCliente), "txtPagamento" },
        { "txtPagamento", QStringLiteral("Pagamento:"), field(Pagamento), "txtIvaCliente" },
        { "txtIvaCliente", QStringLiteral("Partita IVA:"), field(IvaCliente), "txtCodFiscCliente" },
        { "txtCodFiscCliente", QStringLiteral("Codice fiscale:"), field(CodFiscCliente), "txtRiferimenti" },
        { "txtRiferimenti", QStringLiteral("Riferimenti:"), field(Riferimenti), "txtNote" },
        { "txtNote", QStringLiteral("Note:"), field(Note), "txtNumFatt" },
    };
    s.path = &QuoteDelivery::yearFile;
    s.recordSize = QuoteRecord::size();
    s.line = QuoteListing::lineShape();
    s.minLineChars = QuoteListing::kFixedChars;
    s.countBeginning = SearchMatch::kElencoBeginning;
    return s;
}

} // namespace

TfrmTrovaPreventivi::TfrmTrovaPreventivi(QWidget *owner)
    : SearchWindow(owner, quoteSearchSetup(this))
{
    setObjectName(QLatin1String(WindowNames::frmTrovaPreventivi));
    // Each member is the filter edit of its name: a filter renamed or left
    // out of the table fails here, not in a search that reads the wrong edit.
    const auto filter
        = [this](const char *name) { return WindowKit::named<QLineEdit>(panAvvio, name, Qt::FindDirectChildrenOnly); };
    txtNumFatt = filter("txtNumFatt");
    txtData = filter("txtData");
    txtCliente = filter("txtCliente");
    txtViaCliente = filter("txtViaCliente");
    txtCittaCliente = filter("txtCittaCliente");
    txtPagamento = filter("txtPagamento");
    txtIvaCliente = filter("txtIvaCliente");
    txtCodFiscCliente = filter("txtCodFiscCliente");
    txtRiferimenti = filter("txtRiferimenti");
    txtNote = filter("txtNote");
}

QString &TfrmTrovaPreventivi::lastSearchText()
{
    static QString text;
    return text;
}

void TfrmTrovaPreventivi::openPicker(QWidget *owner)
{
    WindowKit::openModalDialog<TfrmTrovaPreventivi>(
        owner, [](TfrmTrovaPreventivi &d) { d.lblMemory->setText(QStringLiteral("preventivi")); });
}

namespace QuoteDelivery
{

QString yearFile()
{
    return TrimText(
        ControlText::named(WindowRegistry::get(QLatin1String(WindowNames::frmPreventivi)), QStringLiteral("lblFile")));
}

Delivery::Route editorRoute(const QString &mode)
{
    Delivery::Route r { mode, WindowNames::frmPreventivi, {}, true, {} };
    for (int f = 0; f < QuoteRecord::FieldCount; ++f)
        r.fields.push_back({ f, QuoteControls::name(f) });
    return r;
}

const Delivery::Table &searchTable()
{
    static const Delivery::Table t { &QuoteRecord::layout(), { editorRoute(QStringLiteral("preventivi")) } };
    return t;
}

std::function<void(qint64)> pick(QWidget *list, const Delivery::Table &table, std::function<QString()> mode)
{
    const auto load = ListWindow::tablePick(&yearFile, QuoteRecord::size(), table, std::move(mode));
    return [list, load](qint64 record) {
        try {
            load(record);
        } catch (const ArchiveAccessError &) {
            MessageBoxes::plain(kArchiveAccessMessage, list);
            throw;
        }
    };
}

} // namespace QuoteDelivery
