#pragma once

#include "common/ui/Delivery.h"
#include "common/ui/SearchWindow.h"

#include <QByteArray>
#include <QString>

class QLineEdit;
class QWidget;

// The dog search and picker: ten filters over Anagrafica_Cani.pro, one line
// per dog found, and on a double click the chosen dog written into the window
// of the caller mode:
//   "cani"        the whole record, its position and its photo into the dog editor (frmCani);
//   "scadenzario" nine dog and owner fields into the deadlines editor (frmScadenzario).
// Any other mode writes nothing. The routes are DogDelivery::table().
class TfrmTrovaCani : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaCani(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();

    // A fresh search owned by `owner`, in `mode`, shown modally.
    static void openPicker(QWidget *owner, const QString &mode);

    QLineEdit *txtNome = nullptr;
    QLineEdit *txtDataNasc = nullptr;
    QLineEdit *txtGruppo = nullptr;
    QLineEdit *txtRazza = nullptr;
    QLineEdit *txtMedico = nullptr;
    QLineEdit *txtMicrochip = nullptr;
    QLineEdit *txtProprietario = nullptr;
    QLineEdit *txtCodFisc = nullptr;
    QLineEdit *txtROI = nullptr;
    QLineEdit *txtNote = nullptr;
};

namespace DogDelivery
{
// The dog picker's deliveries, one route per caller mode (see the class).
const Delivery::Table &table();
// Writes a dog record (raw bytes) into the start-up window of `mode`;
// `position` is its 1-based place in the archive.
void deliver(const QString &mode, const QByteArray &record, qint64 position);
} // namespace DogDelivery
