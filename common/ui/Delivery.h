#pragma once

#include "common/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <vector>

class QWidget;

// What a picker (a search or list window) writes into another window when the
// user double-clicks a line, declared as data: one table per picker, one route
// per caller mode. A route names the target window by its global name
// (WindowNames), maps record fields to the target's control names, says
// whether the record's 1-based position goes into the target's lblPosizione
// (last, so that its next save overwrites that record), and may add a step
// that runs after everything is written (a photo to load, say).
//
// The control names are a contract with the target window: missingControls
// lists the names a route writes that the window lacks, so a test can open
// each real target and hold every table to it. At run time a delivery whose
// target lacks a control writes nothing and throws MissingControls; it never
// leaves the target half loaded with the missing fields still showing the
// record shown before.
namespace Delivery
{

inline constexpr char kPositionControl[] = "lblPosizione";

struct Field {
    int field; // index in the record layout
    QString control; // objectName of the target's control
};

struct Route {
    QString mode; // the caller mode; empty in a list window's one fixed route
    const char *target = nullptr; // WindowNames::...
    std::vector<Field> fields; // written in this order
    bool withPosition = false; // lblPosizione := the 1-based position, last
    std::function<void(QWidget *target, const RecordBuffer &record, qint64 position)> after;

    // Every control the route writes, in the order written.
    QStringList controls() const;
};

struct Table {
    const RecordLayout *layout = nullptr;
    std::vector<Route> routes;

    // The route of a caller mode: the mode is trimmed and then compared
    // exactly, case included; nullptr for a mode that no route has.
    const Route *route(const QString &mode) const;
};

// A delivery into a window that lacks some of the route's controls.
class MissingControls : public std::runtime_error
{
public:
    MissingControls(QString target, QStringList names);
    const QString &target() const { return m_target; }
    const QStringList &names() const { return m_names; }
    // The Italian text shown to the user.
    QString message() const;

private:
    QString m_target;
    QStringList m_names;
};

// The controls of `route` that `window` does not have (child objectName), or
// that are not among `controlNames` (a window known only by its control list).
QStringList missingControls(const Route &route, const QWidget *window);
QStringList missingControls(const Route &route, const QStringList &controlNames);

// Writes a record into `target` along `route`: every field as the archive
// editors load a record (trimmed text; a check box takes "Sì"/"No" and keeps
// its state for anything else), then the position, then the after-step.
// Throws MissingControls (before writing anything) when a control is missing.
void write(const Route &route, QWidget *target, const RecordBuffer &record, qint64 position);

// The tables of the pickers made so far: ListWindow::tablePick enlists the
// table of every picker it serves, so a test that makes the window set can hold
// every table to its real target windows without keeping a list of its own.
// Each table once, in the order enlisted.
void enlist(const Table &table);
QList<const Table *> enlisted();

// The delivery of a picker: the route of `mode` into the registered start-up
// instance of its target. A mode without a route writes nothing, and so does a
// route whose target window does not exist (yet). Throws MissingControls.
void deliver(const Table &table, const QString &mode, const QByteArray &record, qint64 position);

} // namespace Delivery
