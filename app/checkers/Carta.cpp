#include "app/checkers/Carta.h"

namespace
{
const EditKit::EditRow kInput = {
    .name = "txtNumero",
    .maxLength = 30,
    .successor = "btnControlla",
    .filter = EditKit::Filter::Numeric,
    .casing = EditKit::Casing::UpperTyping,
    .look = EditKit::Look::None,
};
} // namespace

TfrmCarta::TfrmCarta(QWidget *owner)
    : CheckerDialog(owner, QStringLiteral(" Controllo carta di credito"),
        QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."), kInput,
        CartaVerdict)
{
    txtNumero = input();
}
