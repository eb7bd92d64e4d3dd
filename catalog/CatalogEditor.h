#pragma once

#include "app/core/HelpText.h"
#include "common/RecordLayout.h"
#include "common/ui/EditorWindow.h"

#include <QList>
#include <QString>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The catalogue editor: the services of the price list and the kennel's boxes
// are kept by two windows of one design, which differ only in the table below
// (record, edits and captions, mandatory fields, flag, texts). Each field is
// an edit named after its record field, so the searches and the lists can
// load a record by control name.
//
// Ten edits stand in tab order: nine in a column, the notes along the bottom
// with the flag's check box beside them; Enter walks them and the notes lead
// back to the first. The price takes digits and commas only and is normalised
// to two decimals when it is left and when the record is saved. Every showing
// starts a new, empty record; closing returns to the start menu.
class TCatalogEditor : public EditorWindow
{
    Q_OBJECT
public:
    // One edit: its record field and its caption.
    struct FieldRow {
        int field;
        const char *caption;
    };
    // One mandatory field of a save, in the order of the checks.
    struct Mandatory {
        int field;
        const char *warning;
    };
    struct Twin {
        const char *caption; // " Kennora - Listino Prezzi"
        const char *globalName; // "frmListino_Prezzi"
        const RecordLayout *layout;
        std::function<QString()> path;
        std::function<QString(int)> controlName;
        QList<FieldRow> fields; // the ten edits in tab order, the notes last
        int priceField; // the price edit's field
        bool firstFieldIsBoxNumber; // the first edit becomes part of file names
        int flagField;
        const char *flagCaption; // "Non erogabile"
        const char *flagHint;
        QList<Mandatory> mandatory;
        HelpTopic help;
        const char *attachmentMode; // lblMemory of the attachments dialog, also the search's mode
        // The list of unavailable records: its command and the window it opens.
        const char *unavailableName; // "cmdNonErogabile"
        const char *unavailableCaption;
        const char *unavailableHint;
        std::function<void(QWidget *owner)> openUnavailable;
        // The sheet window and the export window, opened modally.
        std::function<void(QWidget *owner)> openSheet;
        std::function<void(QWidget *owner)> openExport;
        // OpenPicker of the search window, with its owner and mode.
        std::function<void(QWidget *owner, const QString &mode)> openSearch;
    };

    TCatalogEditor(const Twin &twin, QWidget *parent = nullptr);

    // The edit of a record field.
    QLineEdit *edit(int field) const;
    // The edits in tab order.
    const QList<QLineEdit *> &edits() const { return m_edits; }

    QLineEdit *txtPrezzo = nullptr;
    QLineEdit *txtNote = nullptr;
    QCheckBox *chkFlag = nullptr; // chkNonErogabile / chkNonPrenotabile
    QWidget *icoTitoli = nullptr;
    QLabel *titNote = nullptr;
    QPushButton *cmdNuovo = nullptr, *cmdDuplica = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr,
                *cmdFile = nullptr, *cmdStampa = nullptr, *cmdEsporta = nullptr, *cmdNonDisponibili = nullptr,
                *cmdGuida = nullptr, *cmdEsci = nullptr;

    // ArchiveForm: an empty record shows the price "0,00"; a save stores the
    // price normalised, so "12,5" or "1,2,3" never reach the file as typed.
    void clearRecord() override;
    void prepareSave() override;

private:
    QList<Layout::Item> panelRows() const;
    QList<const char *> tabOrder() const;
    void buildFields();
    void buildCommands();
    void buildArchiveEditor();

    Twin m_twin;
    QList<QLineEdit *> m_edits;
};
