#pragma once

#include "app/checkers/CheckerDialog.h"

// The checker of a payment card number, naming its card family.
class TfrmCarta : public CheckerDialog
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *owner = nullptr);

    QLineEdit *txtNumero = nullptr;
};
