#pragma once

#include <QString>

class QWidget;

// Opening the identifier checkers from an editor: each call makes a new
// checker owned by `owner`, puts the trimmed `text` (the editor's field, as it
// is) into the checker's edit, shows it modally and destroys it when it
// closes. Nothing is read back.

// The editors' fiscal-code buttons: a non-empty text of digits 0-9 only opens
// the VAT-number checker, any other text (the empty one included) the
// fiscal-code checker.
void OpenChecker(QWidget *owner, const QString &text);

void OpenCodFiscChecker(QWidget *owner, const QString &text); // TfrmCodFisc, txtCodFisc
void OpenPartitaIvaChecker(QWidget *owner, const QString &text); // TfrmPartitaIva, txtPartitaIva
void OpenCartaChecker(QWidget *owner, const QString &text); // TfrmCarta, txtNumero
void OpenIbanChecker(QWidget *owner, const QString &text); // TfrmIban, txtIban
