#pragma once

#include "common/ui/Delivery.h"
#include "common/ui/ListWindow.h"

class QWidget;

// The pending quotes: every quote of the year open in the quote editor whose
// "In sospeso" flag is "Sì", in file order. A double click loads the quote
// whole into the editor (frmPreventivi) with its position, as the quote
// search does.
class TfrmSospesi : public ListWindow
{
    Q_OBJECT
public:
    explicit TfrmSospesi(QWidget *owner = nullptr);

    // The one delivery of the list: the quote editor route without a mode.
    static const Delivery::Table &deliveries();

    // The unit's LastSearchText.
    static QString &lastSearchText();
};
