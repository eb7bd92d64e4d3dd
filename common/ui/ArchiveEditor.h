#pragma once

#include "common/RecordLayout.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class ArchiveFile;

class QAbstractButton;
class QLabel;
class QWidget;

// The commands that every archive editor shares: first, previous, next and
// last record, save, new and duplicate. An editor gives what differs as data
// and small callbacks (archive, layout, mandatory fields, how a record moves
// between the buffer and its controls); the steps and the messages are the
// same for all.
//
// The record position is the editor's position label: empty for a record not
// yet stored (a save appends) or the 1-based number of the stored record shown
// (a save overwrites it). Every command opens the archive anew and closes it
// before returning, so a record appended elsewhere is seen at once; no command
// reads more of the archive than the one record it needs.
//
// A command that fails shows the archive access message and leaves the
// position label as it found it; nothing is written after a failed read.
class ArchiveEditor : public QObject
{
    Q_OBJECT
public:
    enum class Command { First, Previous, Next, Last, Save, New, Duplicate };

    // A field that must be filled before a save: its control's trimmed text
    // must not be empty; otherwise the warning is shown and the focus goes to
    // the control. Checked in the order given; the first failing one stops.
    struct MandatoryField
    {
        QWidget *control = nullptr;
        QString warning;
    };

    struct Setup
    {
        const RecordLayout *layout = nullptr;
        std::function<QString()> path;   // the archive file, computed at each command
        QLabel *position = nullptr;      // lblPosizione
        QWidget *firstField = nullptr;   // focused by new and duplicate
        QList<MandatoryField> mandatory; // in the editor's fixed order
        // Moves a record read from the archive into the controls.
        std::function<void(const RecordBuffer &)> load;
        // Moves the controls into a zeroed record buffer.
        std::function<void(RecordBuffer &)> store;
        // Empties every record control (the position is emptied by the controller).
        std::function<void()> clear;
        // Empties the attachment slots (duplicate); may be left empty.
        std::function<void()> clearAttachments;
        // Further checks of a field's form, run after the mandatory fields;
        // each shows its own message and returns false to stop the save.
        std::function<bool()> checkBeforeSave;
        // Runs after a successful save with the record's position.
        std::function<void(qint64)> afterSave;
        // The information shown after an append.
        QString appendedMessage;
        // Commands whose archive failure is shown in a warning box instead of
        // an error box.
        QList<Command> accessFailureAsWarning;
    };

    ArchiveEditor(QWidget *window, Setup setup);

    // Each returns true when the command ran to its end (a message that ends
    // it by design, such as an empty archive, counts as an end).
    bool first();
    bool previous();
    bool next();
    bool last();
    bool save();
    bool newRecord();
    bool duplicate();
    bool run(Command command);

    // Presses of the button run the command.
    void connectButton(QAbstractButton *button, Command command);

    // Loads a record that another window picked, with its 1-based position,
    // so that the next save overwrites it.
    void showRecord(const RecordBuffer &record, qint64 position);

    const RecordLayout &layout() const { return *m_setup.layout; }
    QString archivePath() const { return m_setup.path(); }

    // The editor's texts.
    static const QString kEmptyArchive;
    static const QString kOverwritten;
    static const QString kAppended;
    static const QString kDuplicateNeedsStoredRecord;
    static const QString kDuplicated;
    // The start shared by every mandatory-field warning.
    static const QString kMandatoryPrefix;

    // Generic moves between a record and controls found by name under
    // `window`: controlName(field) names the control of each field (an empty
    // name skips the field). Text fields go to line edits, combos and labels
    // (trimmed); flags to check boxes ("Sì" checks, "No" unchecks, anything
    // else leaves the box as it is). Store trims and cuts to each capacity.
    static void loadControls(QWidget *window, const RecordBuffer &record,
                             const std::function<QString(int)> &controlName);
    static void storeControls(const QWidget *window, RecordBuffer &record,
                              const std::function<QString(int)> &controlName);

private:
    bool guarded(Command command, const std::function<void()> &body);
    QString positionText() const;
    void setPosition(const QString &text);
    void loadRecord(const RecordBuffer &record);
    // Reads record `index`, closes the file, shows the record and its position.
    void showStored(ArchiveFile &file, qint64 index);
    void focusFirstField();

    QPointer<QWidget> m_window;
    Setup m_setup;
    RecordBuffer m_buffer;
};
