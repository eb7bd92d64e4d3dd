#pragma once

#include "common/SearchMatch.h"
#include "common/ui/ListWindow.h"

#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The search windows: a filter page `panAvvio` with up to ten filters, each
// looking in one field of the archive, "Cerca" and "Chiudi"; after a search
// the result page `panContainer` of ListWindow with the count sentence in
// `lblTrovate`. The filter page is not shown again during that opening.
// The filters lie in two columns with their labels above them, the last two
// as wide as both columns; "Chiudi" at the left, "Cerca" at the right.
//
// A search reads the archive once, in file order, and lists every record in
// which each filter that is set (its trimmed text not empty) occurs in its
// field, matched as typed with ASCII letters compared without case (see
// SearchMatch::MultiFilter). `lblConta` gets the number of set filters.
// A failure to read the archive shows the archive access message in a plain
// box; the window then stays on the filter page. A listing that memory could
// not hold (every record of the archive listed, each line at least
// `minLineChars` long, against the memory left) is refused before the archive
// is read, and memory that runs out during the search ends it the same way:
// a plain box with SearchMatch::kMemoryMessage, the window on its filter page.
//
// The caller mode is the trimmed text of the hidden `lblMemory`, written by
// the caller between creation and the modal show (see openPicker of each
// search window); the pick decides from it what to write and where.
class SearchWindow : public ListWindow
{
    Q_OBJECT
public:
    struct Filter {
        const char *name; // "txtCliente"
        QString caption; // "Cognome e nome:"
        FieldRef field; // where it looks in the record
        const char *successor; // Enter moves the focus there
    };

    struct Setup {
        ListWindow::Setup list; // caption, print title, LastSearchText, item width, pick (its fill is unused)
        QList<Filter> filters;
        std::function<QString()> path; // the archive searched
        int recordSize = 0;
        SearchMatch::LineBuilder line;
        int minLineChars = 0; // the shortest line `line` builds (its fixed columns)
        QString countBeginning = SearchMatch::kRiepilogoBeginning;
    };

    SearchWindow(QWidget *owner, Setup setup);

    // The caller mode (trimmed lblMemory).
    QString mode() const;

    // The controls of the filter page.
    QWidget *panAvvio = nullptr;
    QList<QLineEdit *> filterEdits;
    QPushButton *btnCerca = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QLabel *lblMemory = nullptr;
    QLabel *lblConta = nullptr;
    QLabel *lblAttendere = nullptr;

    void searchCommand();

    void done(int result) override;

private:
    // The labels above the filters, in filter order.
    static constexpr const char *kFilterLabels[] = { "lblCampo01", "lblCampo02", "lblCampo03", "lblCampo04",
        "lblCampo05", "lblCampo06", "lblCampo07", "lblCampo08", "lblCampo09", "lblCampo10" };

    Layout::Table filterPageTable() const;
    void buildFilterPage();

    Setup m_search;
};
