#pragma once

#include "app/checkers/CheckerDialog.h"

// The checker of an IBAN.
class TfrmIban : public CheckerDialog
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *owner = nullptr);

    QLineEdit *txtIban = nullptr;
};
