#pragma once

#include "common/ui/Delivery.h"
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
// The three are the routes of the delivery table OwnerDelivery::table().
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
// The owner picker's deliveries, one route per caller mode (see the class).
const Delivery::Table &table();
// The whole owner record and its position into the owner editor, as mode
// "clienti" writes it (the call-back list's one route too).
Delivery::Route ownerEditorRoute(const QString &mode);
// Writes an owner record (raw bytes) into the start-up window of `mode`, as
// the owner search does; `position` is its 1-based place in the archive.
// Nothing happens for another mode or when that window does not exist; a
// target that lacks a control throws Delivery::MissingControls.
void deliver(const QString &mode, const QByteArray &record, qint64 position);
} // namespace OwnerDelivery
