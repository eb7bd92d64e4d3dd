#include "app/checkers/PartitaIVA.h"

namespace
{
const EditKit::EditRow kInput = {
    .name = "txtPartitaIva",
    .maxLength = 11,
    .successor = "btnControlla",
    .filter = EditKit::Filter::Numeric,
    .casing = EditKit::Casing::None,
    .look = EditKit::Look::None,
};
} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget *owner)
    : CheckerDialog(owner, QStringLiteral(" Controllo partita IVA"),
        QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."), kInput,
        PartitaIvaVerdict)
{
    txtPartitaIva = input();
}
