#include "app/checkers/Iban.h"

namespace
{
const EditKit::EditRow kInput = {
    .name = "txtIban",
    .maxLength = 27,
    .successor = "btnControlla",
    .filter = EditKit::Filter::None,
    .casing = EditKit::Casing::UpperTyping,
    .look = EditKit::Look::None,
};
} // namespace

TfrmIban::TfrmIban(QWidget *owner)
    : CheckerDialog(owner, QStringLiteral(" Controllo IBAN"),
        QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."), kInput, IbanVerdict)
{
    txtIban = input();
}
