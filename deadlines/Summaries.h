#pragma once

#include "common/ui/ListWindow.h"
#include "deadlines/core/DeadlineListing.h"

class QWidget;

// The summaries of the year open in the deadlines editor: one line per record
// of its year file that meets the summary's condition, sorted; find, print,
// and a double click that loads the line's own record into the editor with
// its position, so that the editor's next save overwrites it:
//   PaymentsToMake " Riepilogo pagamenti da effettuare"   (TfrmConfermati)
//   PaymentsMade   " Riepilogo pagamenti effettuati"      (TfrmNonConfermati)
//   ToConfirm      " Riepilogo appuntamenti da confermare" (TfrmDaConfermare)
class DeadlineSummary : public ListWindow
{
    Q_OBJECT
public:
    using Kind = DeadlineListing::Summary;

    DeadlineSummary(QWidget *owner, Kind kind);

    static QString printTitle(Kind kind);
    static const char *globalName(Kind kind);
    // Each summary's LastSearchText.
    static QString &lastSearchText(Kind kind);

    // The editor's commands cmdDaEffettuare, cmdEffettuate and cmdDaConfermare.
    static void open(QWidget *editor, Kind kind);

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

class TfrmConfermati : public DeadlineSummary
{
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget *owner = nullptr)
        : DeadlineSummary(owner, Kind::PaymentsToMake)
    {
    }
};

class TfrmNonConfermati : public DeadlineSummary
{
    Q_OBJECT
public:
    explicit TfrmNonConfermati(QWidget *owner = nullptr)
        : DeadlineSummary(owner, Kind::PaymentsMade)
    {
    }
};

class TfrmDaConfermare : public DeadlineSummary
{
    Q_OBJECT
public:
    explicit TfrmDaConfermare(QWidget *owner = nullptr)
        : DeadlineSummary(owner, Kind::ToConfirm)
    {
    }
};
