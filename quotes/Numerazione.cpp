#include "quotes/Numerazione.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/EditKit.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "quotes/core/QuoteNumbering.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kMode = QStringLiteral("preventivi");

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget *owner)
    : FixedDialog(owner, QStringLiteral(" Impostazione inizio numerazione"))
{
    setObjectName(QLatin1String(WindowNames::frmNumerazione));
    auto *body = new QVBoxLayout(this);
    body->setContentsMargins(16, 14, 16, 14);
    body->setSpacing(14);

    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));
    auto *group = new QHBoxLayout(grpNumerazione);
    group->setContentsMargins(24, 14, 24, 14);
    txtInizio = EditKit::makeEdit(grpNumerazione, { "txtInizio", 5, "btnApplica", EditKit::Filter::Numeric });
    txtInizio->setAlignment(Qt::AlignCenter);
    txtInizio->setText(QStringLiteral("1"));
    txtInizio->setFont(Style::verdana(12, true));
    txtInizio->setMinimumHeight(30);
    group->addWidget(txtInizio);
    body->addWidget(grpNumerazione);

    auto *buttons = new QHBoxLayout;
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnApplica);
    body->addLayout(buttons);

    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");
    lblMemory->setText(QStringLiteral("lblMemory"));

    // Leaving the edit makes its text a whole number.
    EditKit::onExit(txtInizio, [this] { txtInizio->setText(QuoteNumbering::normalise(txtInizio->text())); });
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::applyCommand);
    WindowKit::closeOnClick(btnAnnulla, this);

    finishLayout(QSize(400, 170));
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
