#pragma once

#include "common/RecordLayout.h"
#include "common/ui/ArchiveForm.h"
#include "common/ui/MessageBoxes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class ArchiveFile;

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// The commands that every archive editor shares: first, previous, next and
// last record, save, new and duplicate. An editor gives what differs as data
// (archive, layout, position label, first field, the checks of a save) and as
// an ArchiveForm (how a record moves between the buffer and its controls, and
// the steps it adds to the commands); the steps and the messages are the same
// for all.
//
// The record position is the editor's position label: empty for a record not
// yet stored (a save appends) or the 1-based number of the stored record shown
// (a save overwrites it). Every command opens the archive anew and closes it
// before returning, so a record appended elsewhere is seen at once; no command
// reads more of the archive than the one record it needs.
//
// A command that fails shows the archive access message and leaves the
// position label as it found it; nothing is written after a failed read.
//
// Where the editor's steps run:
//   first/previous/next/last: read, close, loadRecord, position, afterShow
//   save: prepareSave, the checks in order (the first refusal shows its box,
//         focuses its control and ends the save), open, storeRecord, write,
//         close, position, afterWrite, notice
//   new:  [count the records], clearRecord, position emptied, first field
//         focused, afterNew(count)
//   duplicate: position must be set; [open the archive], clearForDuplicate,
//         position emptied, first field focused, notice
class ArchiveEditor : public QObject
{
    Q_OBJECT
public:
    enum class Command { First, Previous, Next, Last, Save, New, Duplicate };

    // Why a save is refused: the box to show, its text and the control that
    // takes the focus after it.
    struct Refusal {
        MessageBoxes::Kind kind = MessageBoxes::Kind::Warning;
        QString text;
        QWidget *focus = nullptr;
    };
    // One check of a save: nothing when it passes. Checks run in the order
    // given, after prepareSave and before the archive is opened; a check may
    // compute what later checks read (the deadline's date from its parts).
    using SaveCheck = std::function<std::optional<Refusal>()>;

    // A field that must be filled: the control's trimmed text must not be
    // empty, else the warning and the focus on the control.
    static SaveCheck mandatory(QWidget *control, const QString &warning);
    // Any other test: when `passes` answers false, a box of `kind` with `text`
    // and the focus on `focus`.
    static SaveCheck check(std::function<bool()> passes, MessageBoxes::Kind kind, const QString &text, QWidget *focus);
    // An amount edit whose text, as leaving the edit would make it, would not
    // come back as it is from its field of `capacity` characters (longer, so
    // cut, or in exponent form): the warning kAmountTooLarge and the focus on
    // the edit. Every editor refuses such an amount at Save, so no amount is
    // stored cut.
    static std::optional<Refusal> amountRefusal(QLineEdit *edit, int capacity);
    static SaveCheck amountFits(QLineEdit *edit, int capacity);

    // How a duplicate treats the archive.
    enum class DuplicateStep {
        OpensArchive, // opens (creates) the archive before anything changes (owners, deadlines)
        WithoutArchive, // the archive is not opened (dogs)
    };

    struct Setup {
        const RecordLayout *layout = nullptr;
        std::function<QString()> path; // the archive file, computed at each command
        QLabel *position = nullptr; // lblPosizione
        QWidget *firstField = nullptr; // focused by new and duplicate
        QList<SaveCheck> checks; // in the editor's fixed order
        // The information shown after an append.
        QString appendedMessage;
        // Commands whose archive failure is shown in a warning box instead of
        // an error box.
        QList<Command> accessFailureAsWarning;
        // "new" counts the archive's records (opening it, created when
        // missing) before it empties the window, and hands the count to
        // afterNew; a failure leaves the window as it was.
        bool newCountsRecords = false;
        DuplicateStep duplicate = DuplicateStep::OpensArchive;
    };

    // The form outlives the editor (it is normally the window itself).
    ArchiveEditor(QWidget *window, ArchiveForm &form, Setup setup);

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
    static const QString kAmountTooLarge;
    // The start shared by every mandatory-field warning.
    static const QString kMandatoryPrefix;
    // The box of a kind, as the commands show it.
    static void showBox(MessageBoxes::Kind kind, const QString &text, QWidget *parent);

    // Generic moves between a record and controls found by name under
    // `window`: controlName(field) names the control of each field (an empty
    // name skips the field). Text fields go to line edits, combos and labels
    // (trimmed); flags to check boxes ("Sì" checks, "No" unchecks, anything
    // else leaves the box as it is). Store trims and cuts to each capacity.
    static void loadControls(
        QWidget *window, const RecordBuffer &record, const std::function<QString(int)> &controlName);
    static void storeControls(
        const QWidget *window, RecordBuffer &record, const std::function<QString(int)> &controlName);

private:
    bool guarded(Command command, const std::function<void()> &body);
    QString positionText() const;
    void setPosition(const QString &text);
    // Reads record `index`, closes the file, shows the record and its position.
    void showStored(ArchiveFile &file, qint64 index);
    // Runs afterShow for a record shown by a command that ran to its end.
    bool finishShow(Command command, bool ran);
    void focusFirstField();

    QPointer<QWidget> m_window;
    ArchiveForm &m_form;
    qint64 m_shown = -1; // the position a navigation command has just shown
    Setup m_setup;
    RecordBuffer m_buffer;
};
