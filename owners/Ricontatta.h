#pragma once

#include "common/ui/Delivery.h"
#include "common/ui/ListWindow.h"

class QWidget;

// The call-back list: every owner whose call-back flag is "Sì", with the
// questions still open, so the user sees why to call. A double click loads
// the owner into the owner editor (frmClienti) with its position.
class TfrmRicontatta : public ListWindow
{
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget *owner = nullptr);

    // The one delivery of the list: the owner and its position into the
    // owner editor (frmClienti), as the owner picker's mode "clienti".
    static const Delivery::Table &deliveries();

    // The unit's LastSearchText.
    static QString &lastSearchText();
};
