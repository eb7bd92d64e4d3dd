#pragma once

#include "common/ui/ExportWindow.h"
#include "deadlines/core/DeadlineListing.h"

class QWidget;

// The deadlines of one year file that meet a date rule, in a grid in
// chronological order (the key column "Codice univoco", MMDDHHMM), exported
// on request to the rule's spreadsheet file:
//   Imminent  " Scadenze imminenti"  today's year file, the alert's own rule
//             (Imminence::scan), so the list holds what the alert counted;
//   Day       " Scadenze del giorno" the date of the editor's calendar;
//   Month     " Scadenze del mese"   the month and year of that date.
// Column "N." gives each row's place in reading order and moves with it.
// A new window for every use, owned by the deadlines editor and shown
// modally; the grid is filled once, when the window is shown.
class DeadlineDateList : public ExportWindow
{
    Q_OBJECT
public:
    using Rule = DeadlineListing::DateRule;

    DeadlineDateList(QWidget *owner, Rule rule);

    // The grid columns of the deadline grids: colNum ... colNote, and with
    // `withKey` the key column colCodice.
    static QList<Column> columns(bool withKey);

    static QString caption(Rule rule);
    static QString fileName(Rule rule);
    static QString sheetName(Rule rule);
    static const char *globalName(Rule rule);

    // The editor's commands btnOK, btnGiorno and btnMese: a fresh list owned
    // by `editor`, shown modally, freed when it closes.
    static void open(QWidget *editor, Rule rule);

    Rule rule() const { return m_rule; }

private:
    Rule m_rule;
};

// The three lists under their own names (the start-up set and the editor's
// commands know them by these).
class TfrmExpImminenti : public DeadlineDateList
{
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *owner = nullptr)
        : DeadlineDateList(owner, Rule::Imminent)
    {
    }
};

class TfrmExpGiornaliere : public DeadlineDateList
{
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget *owner = nullptr)
        : DeadlineDateList(owner, Rule::Day)
    {
    }
};

class TfrmExpMensili : public DeadlineDateList
{
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget *owner = nullptr)
        : DeadlineDateList(owner, Rule::Month)
    {
    }
};
