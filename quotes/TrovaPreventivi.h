#pragma once

#include "common/ui/Delivery.h"
#include "common/ui/SearchWindow.h"

#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

// The quote search of the quote editor: ten filters over the year file open
// in the editor (its hidden lblFile), one line per quote found, sorted; a
// double click loads the chosen quote whole into the editor (frmPreventivi),
// every field and its position, so the editor's next save rewrites that
// record. Only the caller mode "preventivi" loads; any other writes nothing.
class TfrmTrovaPreventivi : public SearchWindow
{
    Q_OBJECT
public:
    explicit TfrmTrovaPreventivi(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();

    // The editor's find command: a fresh search owned by `owner`, in mode
    // "preventivi", shown modally.
    static void openPicker(QWidget *owner);

    QLineEdit *txtNumFatt = nullptr;
    QLineEdit *txtData = nullptr;
    QLineEdit *txtCliente = nullptr;
    QLineEdit *txtViaCliente = nullptr;
    QLineEdit *txtCittaCliente = nullptr;
    QLineEdit *txtPagamento = nullptr;
    QLineEdit *txtIvaCliente = nullptr;
    QLineEdit *txtCodFiscCliente = nullptr;
    QLineEdit *txtRiferimenti = nullptr;
    QLineEdit *txtNote = nullptr;
};

// The quote editor as the quote windows reach it: by its global name and
// control names only.
namespace QuoteDelivery
{
// The year file open in the editor: the trimmed text of its lblFile (empty
// when the editor does not exist).
QString yearFile();
// Every field of a quote into the editor's control of the same name, then
// the position into lblPosizione.
Delivery::Route editorRoute(const QString &mode);
// The quote search's one route, mode "preventivi".
const Delivery::Table &searchTable();
// The double click of the quote search and of the pending list: the quote at
// `record` (0-based) of the year file into the editor, through `table`. A
// year file that cannot be read then (a folder in its place, a file cut
// short) is reported in a plain box over `list` with the archive access
// message; the editor stays as it was and the list closes.
std::function<void(qint64)> pick(QWidget *list, const Delivery::Table &table, std::function<QString()> mode = {});
} // namespace QuoteDelivery
