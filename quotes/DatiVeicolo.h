#pragma once

#include "common/ui/WindowKit.h"

#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// The extra dog data of a quote: six free texts (name, breed, coat colour,
// microchip, entry and exit) that the quote editor keeps in six hidden labels
// (memVeicolo ... memTarga). "Applica e chiudi" writes all six, trimmed,
// into the editor (frmPreventivi) in the caller mode "preventivi" only; the
// editor's save then stores them. "Annulla" writes nothing.
class TfrmDatiVeicolo : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmDatiVeicolo(QWidget *owner = nullptr);

    // The editor's "Altre informazioni" command: a fresh dialog owned by
    // `editor`, in mode "preventivi", its edits preloaded with the trimmed
    // texts of the editor's six labels, shown modally.
    static void openFor(QWidget *editor);

    // The editor labels, in the order of the edits and of the writing.
    static const QStringList &editorLabels();

    void applyCommand();

    QLineEdit *txtVeicolo = nullptr;
    QLineEdit *txtMarca = nullptr;
    QLineEdit *txtColore = nullptr;
    QLineEdit *txtImmatricolazione = nullptr;
    QLineEdit *txtAlimentazione = nullptr;
    QLineEdit *txtTarga = nullptr;
    QList<QLineEdit *> edits; // the six, in order
    QPushButton *btnApplica = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QLabel *lblMemory = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
