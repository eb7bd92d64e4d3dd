#pragma once

#include "common/ui/ListWindow.h"

class TfrmPlanning;
class QWidget;

// The booking summary of the open planner: one line per booked day in
// calendar order, read from the planner's day controls (it opens no file),
// with find and print under the title of the planner's box and year. It has
// no double click: a line is only looked at.
class TfrmDisponibilita : public ListWindow
{
    Q_OBJECT
public:
    // `owner` is the planner window whose days are listed.
    explicit TfrmDisponibilita(QWidget *owner = nullptr);

    // The unit's LastSearchText.
    static QString &lastSearchText();
};
