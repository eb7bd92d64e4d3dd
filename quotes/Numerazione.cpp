#include "quotes/Numerazione.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "quotes/core/QuoteNumbering.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

const QString kMode = QStringLiteral("preventivi");

Layout::Table dialogTable()
{
    return {
        .name = QStringLiteral("numbering dialog"),
        .client = QSize(400, 170),
        .items = {
            { .name = "grpNumerazione", .x = 16, .y = 14, .w = 368, .h = 106 },
            { .name = "txtInizio", .in = "grpNumerazione", .x = 27, .y = 46, .w = 314, .h = 30,
                .font = { "Verdana", 12, true }, .align = Qt::AlignCenter },
            { .name = "btnAnnulla", .x = 16, .y = 134, .w = 80, .h = 22 },
            { .name = "btnApplica", .x = 280, .y = 134, .w = 104, .h = 22 },
        },
        .tabOrder = { "txtInizio", "btnAnnulla", "btnApplica" },
    };
}

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget *owner)
    : FixedDialog(owner, QStringLiteral(" Impostazione inizio numerazione"))
{
    setObjectName(QLatin1String(WindowNames::frmNumerazione));
    // The controls with their behaviour; places and fonts come from the table.
    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));
    txtInizio = EditKit::makeEdit(grpNumerazione, { "txtInizio", 5, "btnApplica", EditKit::Filter::Numeric });
    txtInizio->setText(QStringLiteral("1"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    Layout::apply(this, dialogTable());

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");
    lblMemory->setText(QStringLiteral("lblMemory"));

    // Leaving the edit makes its text a whole number.
    EditKit::onExit(txtInizio, [this] { txtInizio->setText(QuoteNumbering::normalise(txtInizio->text())); });
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::applyCommand);
    WindowKit::closeOnClick(btnAnnulla, this);

    finishLayout(size()); // the table's client size
}

void TfrmNumerazione::openForQuotes(QWidget *owner)
{
    WindowKit::openModalDialog<TfrmNumerazione>(owner, [](TfrmNumerazione &d) {
        d.lblMemory->setText(kMode);
        d.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione preventivi"));
    });
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    if (WindowKit::modeIs(lblMemory, kMode)) {
        // Shown as stored, whatever it holds; the exit step makes it a number.
        QString stored;
        if (CommandGuard(MessageBoxes::Kind::Error, kArchiveAccessMessage)
                .run([&stored] { stored = QuoteNumbering::stored(); }, this))
            txtInizio->setText(stored.isEmpty() ? QStringLiteral("1") : stored);
    }
    txtInizio->setCursorPosition(0);
    txtInizio->setFocus();
}

void TfrmNumerazione::applyCommand()
{
    // The number written is always the normalised one, even when the command
    // was given while the edit still had the focus.
    txtInizio->setText(QuoteNumbering::normalise(txtInizio->text()));
    if (WindowKit::modeIs(lblMemory, kMode)) {
        const QString value = TrimText(txtInizio->text());
        if (!CommandGuard(MessageBoxes::Kind::Error, kArchiveAccessMessage)
                 .run([&value] { QuoteNumbering::store(value); }, this))
            return; // the dialog stays open: the user may retry or cancel
    }
    accept();
}
