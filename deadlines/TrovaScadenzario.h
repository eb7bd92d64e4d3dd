#pragma once

#include "common/ui/SearchWindow.h"

class QLineEdit;
class QWidget;

// The deadline search: ten filters over the year file open in the deadlines
// editor (its lblFile), one summary line per deadline found, and on a double
// click the chosen deadline loaded into the editor with its position, only in
// the caller mode "Scadenzario" (exactly; any other mode writes nothing and
// the window still closes).
class TfrmTrovaScadenzario : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaScadenzario(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();

    // OpenPicker: a fresh search owned by `owner`, in `mode`, shown modally.
    // The editor's cmdTrova opens it in mode "Scadenzario".
    static void openPicker(QWidget *owner, const QString &mode = QStringLiteral("Scadenzario"));

    QLineEdit *txtData = nullptr;
    QLineEdit *txtOra = nullptr;
    QLineEdit *txtProprietario = nullptr;
    QLineEdit *txtCodFisc = nullptr;
    QLineEdit *txtNome = nullptr;
    QLineEdit *txtRazza = nullptr;
    QLineEdit *txtMicrochip = nullptr;
    QLineEdit *txtPersona = nullptr;
    QLineEdit *txtDettagli = nullptr;
    QLineEdit *txtNote = nullptr;
};
