#include "dogs/TrovaCani.h"

#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "dogs/Cani.h"
#include "dogs/DogControls.h"
#include "dogs/core/DogListing.h"
#include "dogs/core/DogRecord.h"

#include <QLabel>
#include <QLineEdit>

namespace
{

SearchWindow::Setup dogSearchSetup(TfrmTrovaCani *self)
{
    const RecordLayout &layout = DogRecord::layout();
    auto field = [&](int f) { return FieldRef::of(layout, f); };
    SearchWindow::Setup s;
    s.list.caption = QStringLiteral(" Trova cani in archivio");
    s.list.printTitle = QStringLiteral("Riepilogo cani in archivio");
    s.list.lastSearchText = &TfrmTrovaCani::lastSearchText();
    s.list.itemWidth = 1600;
    s.list.headingArt = QStringLiteral("cani");
    s.list.pick = ListWindow::tablePick(
        &DogRecord::path, DogRecord::size(), DogDelivery::table(), [self] { return self->mode(); });
    s.filters = {
        { "txtNome", QStringLiteral("Nome cane:"), field(DogRecord::Nome), "txtDataNasc" },
        { "txtDataNasc", QStringLiteral("Data nascita:"), field(DogRecord::DataNasc), "txtGruppo" },
        { "txtGruppo", QStringLiteral("Gruppo appartenenza:"), field(DogRecord::Gruppo), "txtRazza" },
        { "txtRazza", QStringLiteral("Razza:"), field(DogRecord::Razza), "txtMedico" },
        { "txtMedico", QStringLiteral("Medico veterinario:"), field(DogRecord::Medico), "txtMicrochip" },
        { "txtMicrochip", QStringLiteral("Codice microchip:"), field(DogRecord::Microchip), "txtProprietario" },
        { "txtProprietario", QStringLiteral("Proprietario attuale:"), field(DogRecord::Proprietario), "txtCodFisc" },
        { "txtCodFisc", QStringLiteral("Codice fiscale:"), field(DogRecord::CodFisc), "txtROI" },
        { "txtROI", QStringLiteral("Numero ROI/LOI/RSR/LIR/ES:"), field(DogRecord::ROI), "txtNote" },
        { "txtNote", QStringLiteral("Note:"), field(DogRecord::Note), "txtNome" },
    };
    s.path = &DogRecord::path;
    s.recordSize = DogRecord::size();
    s.line = DogListing::searchShape();
    s.minLineChars = DogListing::kFixedChars;
    s.countBeginning = SearchMatch::kRiepilogoBeginning;
    return s;
}

} // namespace

TfrmTrovaCani::TfrmTrovaCani(QWidget *owner)
    : SearchWindow(owner, dogSearchSetup(this))
{
    // Each member is the filter of its own name.
    const auto filter = [this](const char *name) { return WindowKit::named<QLineEdit>(this, name); };
    txtNome = filter("txtNome");
    txtDataNasc = filter("txtDataNasc");
    txtGruppo = filter("txtGruppo");
    txtRazza = filter("txtRazza");
    txtMedico = filter("txtMedico");
    txtMicrochip = filter("txtMicrochip");
    txtProprietario = filter("txtProprietario");
    txtCodFisc = filter("txtCodFisc");
    txtROI = filter("txtROI");
    txtNote = filter("txtNote");
}

QString &TfrmTrovaCani::lastSearchText()
{
    static QString text;
    return text;
}

void TfrmTrovaCani::openPicker(QWidget *owner, const QString &mode)
{
    WindowKit::openModalDialog<TfrmTrovaCani>(owner, [&mode](TfrmTrovaCani &d) { d.lblMemory->setText(mode); });
}

namespace DogDelivery
{

namespace
{

Delivery::Route dogEditorRoute()
{
    Delivery::Route r { QStringLiteral("cani"), WindowNames::frmCani, {}, true, {} };
    for (int f = 0; f < DogRecord::FieldCount; ++f)
        r.fields.push_back({ f, DogControls::name(f) });
    // The photo of the picked position, as the editor's browsing loads it.
    r.after = [](QWidget *target, const RecordBuffer &, qint64 position) {
        if (auto *editor = qobject_cast<TfrmCani *>(target))
            editor->afterShow(position);
    };
    return r;
}

} // namespace

const Delivery::Table &table()
{
    using D = DogRecord::Field;
    static const Delivery::Table t { &DogRecord::layout(),
        {
            dogEditorRoute(),
            { QStringLiteral("scadenzario"), WindowNames::frmScadenzario,
                { { D::Nome, QStringLiteral("txtNome") }, { D::DataNasc, QStringLiteral("txtDataNasc") },
                    { D::Razza, QStringLiteral("txtRazza") }, { D::Mantello, QStringLiteral("txtMantello") },
                    { D::Microchip, QStringLiteral("txtMicrochip") }, { D::Segni, QStringLiteral("txtSegni") },
                    { D::Proprietario, QStringLiteral("txtProprietario") },
                    { D::Recapito, QStringLiteral("txtRecapito") }, { D::CodFisc, QStringLiteral("txtCodFisc") } },
                false, {} },
        } };
    return t;
}

void deliver(const QString &mode, const QByteArray &record, qint64 position)
{
    Delivery::deliver(table(), mode, record, position);
}

} // namespace DogDelivery
