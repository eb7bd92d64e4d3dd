#pragma once

#include "common/ui/Delivery.h"
#include "common/ui/ListWindow.h"

#include <QString>
#include <QStringList>

class QLabel;
class QShowEvent;
class QWidget;

// The price-list import of a quote row: the services of Listino_Prezzi.pro
// that can be provided (flag "No"), sorted; a double click copies the chosen
// service's code, whole description and price into the row of the quote
// editor named by the caller mode ("pre_art_01" ... "pre_art_30") and empties
// that row's amount and the five totals, as typing in the row does, so no
// total that disagrees with the rows is ever shown or printed. Quantity,
// discount and the exempt mark stay. An unknown row key imports nothing.
class TfrmImportaMagazzinoDoc : public ListWindow
{
    Q_OBJECT
public:
    explicit TfrmImportaMagazzinoDoc(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();

    // The editor's import command of row `row` (1..30): a fresh list owned by
    // `owner`, in mode rowKey(row), shown modally.
    static void openForRow(QWidget *owner, int row);

    // "pre_art_07" for row 7.
    static QString rowKey(int row);
    // One route per row key into the quote editor (frmPreventivi).
    static const Delivery::Table &deliveries();
    // The editor labels a row's import empties: its amount and the five totals.
    static QStringList emptiedControls(int row);

    // The caller mode: the row key.
    QLabel *lblMemory = nullptr;

protected:
    // Centred on the screen, not on the editor.
    void showEvent(QShowEvent *event) override;

private:
    bool m_centred = false;
};
