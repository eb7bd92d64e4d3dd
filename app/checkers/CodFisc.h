#pragma once

#include "app/checkers/CheckerDialog.h"

// The checker of an Italian fiscal code.
class TfrmCodFisc : public CheckerDialog
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *owner = nullptr);

    QLineEdit *txtCodFisc = nullptr;
};
