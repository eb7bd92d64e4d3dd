#pragma once

#include "common/ui/SearchWindow.h"

#include <QByteArray>
#include <QString>

class QLineEdit;
class QWidget;

// The owner search and picker: ten filters over Proprietari.pro, one line per
// owner found, and on a double click the chosen owner written into the window
// of the caller mode:
//   "clienti"    the whole record and its position into the owner editor (frmClienti);
//   "cani"       name, phone, fiscal code and town into the dog editor (frmCani);
//   "preventivi" the customer fields of the quote editor (frmPreventivi).
// Any other mode (the comparison is exact: "Clienti" is no mode) writes nothing.
class TfrmTrovaClienti : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();

    // OpenPicker: a fresh search owned by `owner`, in `mode`, shown modally.
    static void openPicker(QWidget *owner, const QString &mode);

    QLineEdit *txtCliente = nullptr;
    QLineEdit *txtComuneRes = nullptr;
    QLineEdit *txtPartitaIva = nullptr;
    QLineEdit *txtCodFisc = nullptr;
    QLineEdit *txtDocumento = nullptr;
    QLineEdit *txtOccupazione = nullptr;
    QLineEdit *txtCaniOra = nullptr;
    QLineEdit *txtCaniPrima = nullptr;
    QLineEdit *txtQuestioni = nullptr;
    QLineEdit *txtNote = nullptr;
};

namespace OwnerDelivery
{
// Writes an owner record (raw bytes) into the start-up window of `mode`, as
// the owner search does; `position` is its 1-based place in the archive.
// Nothing happens for another mode or when that window does not exist.
void deliver(const QString &mode, const QByteArray &record, qint64 position);
} // namespace OwnerDelivery
