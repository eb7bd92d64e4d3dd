#pragma once

#include "common/RecordLayout.h"
#include "common/ui/Delivery.h"
#include "common/ui/ListWindow.h"

#include <functional>

class QWidget;

// The lists of unavailable services and of boxes that cannot be booked, one
// design for both: when shown, every record of the editor's archive whose
// flag is exactly "Sì" (trimmed), one fixed-width line each; a double click
// loads the chosen record and its position into the editor.
class TCatalogUnavailable : public ListWindow
{
    Q_OBJECT
public:
    struct Twin {
        const char *caption; // " Riepilogo servizi non erogabili", also the print title
        const RecordLayout *layout;
        std::function<QString()> path;
        SearchMatch::RecordTest flagged;
        SearchMatch::LineBuilder line;
        QString *lastSearchText;
        const Delivery::Table *deliveries;
    };

    TCatalogUnavailable(const Twin &twin, QWidget *owner = nullptr);
};
