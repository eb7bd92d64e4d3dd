#pragma once

#include "common/ui/WindowKit.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// The quote numbering dialog: shows the start number of Numerazione.ini
// (QuoteNumbering) and writes it back on "Applica e chiudi". Only the caller
// mode "preventivi" reads and writes the setting; "Annulla" never writes.
// The edit takes digits only, up to five; leaving it (or applying) turns the
// text into a whole number ("00050" -> "50", empty or no number -> "1"). A
// write that fails is reported and the dialog stays open.
class TfrmNumerazione : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *owner = nullptr);

    // The editor's numbering command: a fresh dialog owned by `owner`, in mode
    // "preventivi", with the quotes' caption, shown modally.
    static void openForQuotes(QWidget *owner);

    void applyCommand();

    QGroupBox *grpNumerazione = nullptr;
    QLineEdit *txtInizio = nullptr;
    QPushButton *btnApplica = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QLabel *lblMemory = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
