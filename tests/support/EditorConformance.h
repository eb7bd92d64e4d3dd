#pragma once

// Checks an archive editor window against its record layout, given as a table
// of {field -> control, Enter successor}:
//  - every field of the layout has its control, found by objectName (a missing
//    control, a control named twice, a flag without a check box, a table row
//    for a field the layout lacks are failures);
//  - the typing limit of every typed control (edit or editable combo; read-only
//    edits, labels and check boxes are not typed into) is the field's capacity,
//    and typing stops there;
//  - storing what loading a golden record put on screen gives the record back,
//    byte for byte in its used bytes (each length byte and its text);
//  - Enter in each control of the chain moves the focus to its successor.
// Each check returns the failures it found, one line each, so a test shows them
// all at once: QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n'))).

#include "common/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace EditorConformance
{

struct Row {
    QString field; // the layout's field name ("Cliente")
    QString control; // objectName of its control ("txtCliente")
    QString successor; // objectName focused by Enter in the control; empty: not checked
    QString typed = QStringLiteral("7"); // a character the control accepts when typed
};
using Table = QList<Row>;

// How a record reaches the controls and comes back. Left empty, the generic
// moves of the archive editor are used (ArchiveEditor::loadControls and
// storeControls, with the table's control names).
struct RecordMoves {
    std::function<void(const RecordBuffer &)> load;
    std::function<void(RecordBuffer &)> store; // into a zeroed buffer
};

QStringList checkControls(const QWidget *window, const RecordLayout &layout, const Table &table);
// Needs the window shown (typing goes through the focused control).
QStringList checkTypingLimits(QWidget *window, const RecordLayout &layout, const Table &table);
// `golden` holds one or more whole records; each is checked.
QStringList checkRoundTrip(QWidget *window, const RecordLayout &layout, const Table &table, const QByteArray &golden,
    const RecordMoves &moves = {});
// Needs the window shown; activates it.
QStringList checkEnterChain(QWidget *window, const Table &table);

// All four, in the order above.
QStringList check(QWidget *window, const RecordLayout &layout, const Table &table, const QByteArray &golden,
    const RecordMoves &moves = {});

} // namespace EditorConformance
