#include "quotes/DatiVeicolo.h"

#include "common/TextRoutines.h"
#include "common/ui/ControlText.h"
#include "common/ui/Delivery.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/QuoteControls.h"
#include "quotes/core/QuoteRecord.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

const QString kMode = QStringLiteral("preventivi");

// The six edits in the order of the editor's labels (editorLabels), each with
// its caption and the edit Enter moves to.
struct Field {
    const char *edit;
    const char *caption; // the caption row's name
    const char *text;
    const char *successor;
};
constexpr Field kFields[] = {
    { "txtVeicolo", "titVeicolo", "Nome animale:", "txtMarca" },
    { "txtMarca", "titMarca", "Razza:", "txtColore" },
    { "txtColore", "titColore", "Colore mantello:", "txtImmatricolazione" },
    { "txtImmatricolazione", "titImmatricolazione", "Codice microchip:", "txtAlimentazione" },
    { "txtAlimentazione", "titAlimentazione", "Data e ora ingresso:", "txtTarga" },
    { "txtTarga", "titTarga", "Data e ora uscita:", "txtVeicolo" },
};

Layout::Table dialogTable()
{
    Layout::Table table;
    table.name = QStringLiteral("extra data dialog");
    table.client = QSize(470, 286);
    table.items.append({ .name = "lblIstruzioni", .x = 18, .y = 16, .w = 434, .h = 28 });
    qreal y = 54;
    for (const Field &f : kFields) {
        table.items.append({ .name = f.caption,
            .x = 18,
            .y = y,
            .w = 122,
            .h = 22,
            .kind = Layout::Kind::Text,
            .text = QString::fromUtf8(f.text) });
        table.items.append({ .name = f.edit, .x = 152, .y = y, .w = 300, .h = 22 });
        table.tabOrder.append(f.edit);
        y += 32;
    }
    table.items.append({ .name = "btnAnnulla", .x = 18, .y = 250, .w = 80, .h = 22 });
    table.items.append({ .name = "btnApplica", .x = 348, .y = 250, .w = 104, .h = 22 });
    table.tabOrder << "btnAnnulla"
                   << "btnApplica";
    return table;
}

} // namespace

const QStringList &TfrmDatiVeicolo::editorLabels()
{
    static const QStringList names = [] {
        using namespace QuoteRecord;
        QStringList n;
        for (int f : { Veicolo, Marca, Colore, Immatricolazione, Alimentazione, Targa })
            n << QuoteControls::name(f);
        return n;
    }();
    return names;
}

TfrmDatiVeicolo::TfrmDatiVeicolo(QWidget *owner)
    : FixedDialog(owner, QStringLiteral(" Altre informazioni"))
{
    setObjectName(QLatin1String(WindowNames::frmDatiVeicolo));
    // The controls with their behaviour; places come from the table.
    auto *instruction = new QLabel(QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante "
                                                  "Salva per salvare le modifiche."),
        this);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);

    const int width = QuoteRecord::layout().capacity(QuoteRecord::Veicolo);
    for (const Field &f : kFields)
        edits << EditKit::makeEdit(this, { f.edit, width, f.successor });
    // Each member is the edit of its own name.
    const auto edit = [this](const char *name) { return WindowKit::named<QLineEdit>(this, name); };
    txtVeicolo = edit("txtVeicolo");
    txtMarca = edit("txtMarca");
    txtColore = edit("txtColore");
    txtImmatricolazione = edit("txtImmatricolazione");
    txtAlimentazione = edit("txtAlimentazione");
    txtTarga = edit("txtTarga");

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    Layout::apply(this, dialogTable());

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");
    lblMemory->setText(QStringLiteral("lblMemory"));

    connect(btnApplica, &QPushButton::clicked, this, &TfrmDatiVeicolo::applyCommand);
    WindowKit::closeOnClick(btnAnnulla, this);
    finishLayout(size()); // the table's client size
}

void TfrmDatiVeicolo::openFor(QWidget *editor)
{
    WindowKit::openModalDialog<TfrmDatiVeicolo>(editor, [editor](TfrmDatiVeicolo &d) {
        d.lblMemory->setText(kMode);
        for (int i = 0; i < d.edits.size(); ++i)
            ControlText::setText(d.edits[i], TrimText(ControlText::named(editor, editorLabels()[i])));
    });
}

void TfrmDatiVeicolo::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    txtVeicolo->setFocus();
}

void TfrmDatiVeicolo::applyCommand()
{
    if (WindowKit::modeIs(lblMemory, kMode)) {
        QWidget *editor = WindowRegistry::get(QLatin1String(WindowNames::frmPreventivi));
        if (editor) {
            // All six or none: an editor that lacks a label gets nothing.
            QStringList missing;
            for (const QString &name : editorLabels()) {
                if (!editor->findChild<QWidget *>(name))
                    missing << name;
            }
            if (!missing.isEmpty()) {
                MessageBoxes::error(
                    Delivery::MissingControls(QLatin1String(WindowNames::frmPreventivi), missing).message(), this);
                return;
            }
            for (int i = 0; i < edits.size(); ++i)
                ControlText::setNamed(editor, editorLabels()[i], TrimText(edits[i]->text()));
        }
    }
    accept();
}
