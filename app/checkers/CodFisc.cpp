#include "app/checkers/CodFisc.h"

namespace
{
const EditKit::EditRow kInput = {
    .name = "txtCodFisc",
    .maxLength = 16,
    .successor = "btnControlla",
    .filter = EditKit::Filter::None,
    .casing = EditKit::Casing::UpperTyping,
    .look = EditKit::Look::None,
};
} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget *owner)
    : CheckerDialog(owner, QStringLiteral(" Controllo codice fiscale"),
        QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."), kInput, CodFiscVerdict)
{
    txtCodFisc = input();
}
