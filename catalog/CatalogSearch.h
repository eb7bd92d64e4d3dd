#pragma once

#include "common/RecordLayout.h"
#include "common/ui/Delivery.h"
#include "common/ui/SearchWindow.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// The searches of the price list and of the boxes, one design for both: ten
// filters over the editor's archive, one fixed-width line per record found,
// and on a double click the chosen record and its position written into the
// editor, when the caller mode is the twin's own ("listino_prezzi",
// "box_cani"; compared exactly). Any other mode writes nothing.
class TCatalogSearch : public SearchWindow
{
    Q_OBJECT
public:
    // One filter: the record field it looks in and its caption; the edit is
    // named after the field's editor control, Enter leads to the next filter
    // and the last one back to the first.
    struct FilterRow {
        int field;
        const char *name; // "txtCodice"
        const char *caption; // "Codice:"
    };
    struct Twin {
        const char *caption; // " Trova servizio in listino prezzi"
        const char *printTitle; // "Listino prezzi servizi"
        const RecordLayout *layout;
        std::function<QString()> path;
        QList<FilterRow> filters;
        SearchMatch::LineBuilder line;
        int minLineChars;
        QString *lastSearchText;
        const Delivery::Table *deliveries;
    };

    TCatalogSearch(const Twin &twin, QWidget *owner = nullptr);

    // The route of a catalogue picker: the whole record of `layout` into the
    // editor `target`, every field into its editor control, then the position.
    static Delivery::Route editorRoute(
        const QString &mode, const char *target, const RecordLayout &layout, QString (*controlName)(int));
};
