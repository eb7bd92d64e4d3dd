#pragma once

#include "app/checkers/CheckerDialog.h"

// The checker of an Italian VAT number, naming the tax office that issued it.
class TfrmPartitaIva : public CheckerDialog
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *owner = nullptr);

    QLineEdit *txtPartitaIva = nullptr;
};
