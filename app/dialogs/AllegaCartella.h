#pragma once

#include "common/ui/WindowKit.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The attachments dialog: the three attachment slots (file name and
// description) of the record shown in the calling editor. Choosing a file
// copies it at once into the attachment folder; "Applica e chiudi" hands the
// six values back to the caller named by the mode in lblMemory ("clienti",
// "cani", "listino_prezzi", "box_cani"), whose labels lblFile01..03 and
// lblDesc01..03 receive them; the record changes only with the editor's next
// save.
class TfrmAllegaCartella : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *owner = nullptr);

    // Opens a fresh dialog owned by `editor` in `mode`, preloaded with the
    // trimmed texts of the editor's six attachment labels, modally.
    static void open(QWidget *editor, const QString &mode);

    // The file chooser (title, filter) -> chosen path or empty for cancel.
    // Tests replace it (it becomes the FileDialogs answerer); nullptr restores
    // the standard chooser of FileDialogs.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title, const QString &filter)>;
    static void setFileChooser(FileChooser chooser);

    static const QString kChooserTitle;
    static const QString kChooserFilter;

    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    QLabel *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton *btnApplica, *btnAnnulla;
    QLabel *lblMemory;

    // The commands, as the buttons run them (slot 0, 1 or 2).
    void chooseAndCopy(int slot);
    void openSlot(int slot);
    void emptySlot(int slot);
    // False when the caller mode is unknown (nothing written, still open).
    bool applyAndClose();

private:
    QLineEdit *fileEdit(int slot) const;
};
