#pragma once

#include "common/ui/ArchiveEditor.h"
#include "common/ui/ArchiveForm.h"
#include "common/ui/Layout.h"
#include "common/ui/WindowKit.h"

#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The window of an archive editor (owners, dogs, services, boxes, deadlines,
// quotes): opened maximised on a vertical gradient, its content in a centred
// panel of fixed size; the commands as buttons with hint sentences, laid out
// as a column at the right or as a bar at the top; the hint line panInfo at
// the bottom; the navigation strip cmdPrimo, cmdIndietro, lblPosizione,
// cmdAvanti, cmdUltimo; the six hidden attachment labels. It is also the
// ArchiveForm of its ArchiveEditor: the record moves between the buffer and
// the controls named by the editor's controlName, and a "new" empties them.
//
// An editor declares itself in its constructor, in this order:
//
//     TfrmCani::TfrmCani(QWidget *parent) : EditorWindow(chrome(), parent)
//     {
//         buildFields();                      // its own controls, in tab order
//         addCommands(commandTable());        // buttons, hints, navigation strip
//         ArchiveEditor::Setup s;             // layout, path, first field, checks
//         ...
//         setUpArchive(s, &DogRecord::controlName);
//         applyPanel(panelRows(), tabOrder);  // its table, with the kit's rows
//         finishWindow();
//     }
//
// The panel is laid out from one table (Layout): the window's own rows
// (captions, fields, pictures, its small buttons) and the kit's rows (the
// panel centred in the window, the commands, the navigation strip, the hint
// line), which addCommands works out from the command table. Until a window
// applies its table, the kit's controls stand at their rows' places all the
// same, so a window may still read or move them.
//
// and overrides the ArchiveForm steps it needs (afterShow, afterWrite, ...).
class EditorWindow : public WindowKit::MainWindowBase, public ArchiveForm
{
    Q_OBJECT
public:
    enum class CommandLayout {
        Column, // top to bottom at `commandOrigin` (owners); the navigation strip beside the hint line
        Bar, // left to right at `commandOrigin` (dogs); the navigation strip where the table puts it
    };

    // One command button: object name, caption, hint sentence, group (a gap
    // separates consecutive groups) and, optionally, a picture (Art) shown
    // left of the caption. In a bar, the row named kNavigationStrip places
    // the navigation strip.
    struct Command {
        const char *name;
        const char *caption = nullptr;
        const char *hint = nullptr;
        int group = 0;
        const char *picture = nullptr;
    };
    static constexpr const char *kNavigationStrip = "<navigation>";

    struct Chrome {
        QString caption; // window caption (" Kennora - Anagrafica Proprietari")
        QString objectName; // global name ("frmClienti")
        QSize panel; // the centred panel
        CommandLayout layout = CommandLayout::Column;
        QPoint commandOrigin; // top-left of the first command in the panel
        QRgb gradientTop = Style::EditorGroundTop;
    };

    // The sizes of the command buttons.
    static constexpr QSize kColumnButton { 148, 32 };
    static constexpr int kBarButtonHeight = 32;

    // The metrics every editor's panel shares (units): the margin inside the
    // panel; a field as its caption with the edit under it, kCaptionGap apart
    // so that the edit's focus frame clears the caption; the small picture
    // buttons beside an edit (checkers, pickers, e-mail).
    static constexpr int kMargin = 8;
    static constexpr int kCaptionHeight = 15;
    static constexpr int kCaptionGap = 4;
    static constexpr int kEditHeight = 26;
    static constexpr int kSmallButtonWidth = 30;
    static constexpr int kSmallButtonGap = 5;
    static constexpr Layout::Font kCaptionFont { "Verdana", 9, true };

    // The rows of a captioned field in `in` (nullptr: the panel): the fixed
    // caption `text` (a label named `caption`) at x, y and, under it, the
    // control `control`, both as wide as `width`; the control with its font
    // and alignment.
    static QList<Layout::Item> captionedField(const char *control, const char *caption, const QString &text,
        const char *in, qreal x, qreal y, qreal width, Layout::Font font, int align = 0);
    // The row of a small button `name` right of the row `beside`, as high.
    static Layout::Item besideRow(
        const char *name, const Layout::Item &beside, qreal width = kSmallButtonWidth, qreal gap = kSmallButtonGap);
    // A small picture button (Art `picture`, hand cursor, smallButtonStyle)
    // with its hint sentence; its place comes from the table.
    QPushButton *addSmallButton(
        QWidget *parent, const char *name, const char *picture, const QString &hint, int pictureSide = 22);

    EditorWindow(const Chrome &chrome, QWidget *parent = nullptr);

    // Creates the command buttons in table order (and, for a column, the
    // navigation strip after them), registers their hint sentences and lays
    // them out. Returns the buttons in table order.
    QList<QPushButton *> addCommands(const QList<Command> &commands);
    // The command or navigation button of that name (nullptr when missing).
    QPushButton *command(const QString &name) const;
    // The same for a command the window made: a missing one is a fault of the
    // window (assertion), so a member is always set from its own name.
    QPushButton *commandNamed(const char *name) const;

    // Lays the panel out: the window's `rows` (units of panContainer, or of
    // the control named in a row's `in`, in stacking order) and the kit's
    // rows, as one table; `tabOrder` is the Tab order of the window's
    // controls. Called once, after addCommands. The table's background
    // rectangles and pictures empty the hint line.
    void applyPanel(const QList<Layout::Item> &rows, const QList<const char *> &tabOrder = {});
    // The kit's rows so far (the panel, the hint line, commands, navigation).
    const QList<Layout::Item> &kitRows() const { return m_kitRows; }

    // A hint sentence for a control (HintLine); the hint line's font is fitted
    // so that every sentence registered fits the band.
    void addHint(QWidget *control, const QString &sentence);
    // A background whose mouse move empties the hint line.
    void addHintBackground(QWidget *background);
    QStringList hintSentences() const { return m_sentences; }

    // Creates the ArchiveEditor with this window as its form and the position
    // label lblPosizione; connects the navigation strip and cmdSalva, cmdNuovo
    // and cmdDuplica where present; sets each edit's typing limit to its
    // field's capacity (EditKit::setTypingLimits).
    ArchiveEditor *setUpArchive(ArchiveEditor::Setup setup, std::function<QString(int)> controlName);
    // The last step of a constructor: the window and its panel empty the hint
    // line, every button is prepared (WindowKit::prepareButtons) and the
    // window is cleared.
    void finishWindow();

    ArchiveEditor *archiveEditor() const { return m_editor; }
    const RecordLayout &recordLayout() const { return m_editor->layout(); }
    QString controlName(int field) const { return m_controlName(field); }

    // Loads a record that another window picked, with its 1-based position,
    // so the next save overwrites it.
    void showRecord(const RecordBuffer &record, qint64 position);
    // Empties the window as the "new" command and every show do.
    void clearWindow();
    // The current record as the next save would store it (sheets, exports).
    RecordBuffer currentRecord() const;

    // ArchiveForm: every field to and from its named control; clearing
    // empties every record control (edits, combos with no item selected,
    // check boxes unchecked, labels); a duplicate empties the attachment labels.
    void loadRecord(const RecordBuffer &record) override;
    void storeRecord(RecordBuffer &record) override;
    void clearRecord() override;
    void clearForDuplicate() override;

    // The style of the small picture buttons (navigation arrows, checkers).
    static QString smallButtonStyle();

    QFrame *panContainer = nullptr;
    QLabel *panInfo = nullptr;
    QPushButton *cmdPrimo = nullptr, *cmdIndietro = nullptr, *cmdAvanti = nullptr, *cmdUltimo = nullptr;
    QLabel *lblPosizione = nullptr;
    QLabel *lblFile01 = nullptr, *lblFile02 = nullptr, *lblFile03 = nullptr;
    QLabel *lblDesc01 = nullptr, *lblDesc02 = nullptr, *lblDesc03 = nullptr;

protected:
    // What showing the window does (not a restore from the task bar): by
    // default it clears the window.
    virtual void shown();

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildNavigation(QPoint at, int height);
    void addKitRow(const Layout::Item &row);
    void placePanel();
    void fitHintFont();

    Chrome m_chrome;
    QList<Layout::Item> m_kitRows;
    int m_bandWidth = 0; // the hint line's width
    WindowKit::HintLine *m_hints = nullptr;
    QStringList m_sentences;
    ArchiveEditor *m_editor = nullptr;
    std::function<QString(int)> m_controlName;
};
