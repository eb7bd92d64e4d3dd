#include "quotes/DatiVeicolo.h"

#include "common/TextRoutines.h"
#include "common/ui/ControlText.h"
#include "common/ui/Delivery.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/QuoteControls.h"
#include "quotes/core/QuoteRecord.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kMode = QStringLiteral("preventivi");

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
    auto *body = new QVBoxLayout(this);
    body->setContentsMargins(18, 16, 18, 14);
    body->setSpacing(10);

    auto *instruction = new QLabel(QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante "
                                                  "Salva per salvare le modifiche."),
        this);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);
    body->addWidget(instruction);

    const int width = QuoteRecord::layout().capacity(QuoteRecord::Veicolo);
    const QList<EditKit::EditRow> rows = {
        { "txtVeicolo", width, "txtMarca" },
        { "txtMarca", width, "txtColore" },
        { "txtColore", width, "txtImmatricolazione" },
        { "txtImmatricolazione", width, "txtAlimentazione" },
        { "txtAlimentazione", width, "txtTarga" },
        { "txtTarga", width, "txtVeicolo" },
    };
    const QStringList captions = { QStringLiteral("Nome animale:"), QStringLiteral("Razza:"),
        QStringLiteral("Colore mantello:"), QStringLiteral("Codice microchip:"), QStringLiteral("Data e ora ingresso:"),
        QStringLiteral("Data e ora uscita:") };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    for (int i = 0; i < rows.size(); ++i) {
        auto *label = new QLabel(captions[i], this);
        auto *edit = EditKit::makeEdit(this, rows[i]);
        edit->setMinimumWidth(300);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        edits << edit;
    }
    body->addLayout(grid);
    txtVeicolo = edits[0];
    txtMarca = edits[1];
    txtColore = edits[2];
    txtImmatricolazione = edits[3];
    txtAlimentazione = edits[4];
    txtTarga = edits[5];

    auto *buttons = new QHBoxLayout;
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnApplica);
    body->addSpacing(4);
    body->addLayout(buttons);
    setTabOrder(txtTarga, btnAnnulla);
    setTabOrder(btnAnnulla, btnApplica);

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");
    lblMemory->setText(QStringLiteral("lblMemory"));

    connect(btnApplica, &QPushButton::clicked, this, &TfrmDatiVeicolo::applyCommand);
    WindowKit::closeOnClick(btnAnnulla, this);
    finishLayout();
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
