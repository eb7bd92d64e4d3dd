#pragma once

#include "common/ui/EditorWindow.h"

class PickList;
class QCalendarWidget;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The deadlines and appointments of the kennel, one year file <year>.sca per
// calendar year. Two panels of the same size, one visible at a time:
//  - panAvvio, the start panel: the year to open ("Apri"), the alert of the
//    imminent deadlines of the current year (banner, "OK" for their list, the
//    sound Avviso.mp3 of the program folder), the calendar whose day or month
//    the date lists show, help and exit;
//  - panContainer, the record editor: the fields of one deadline, the command
//    column, the navigation strip and the hint line.
//
// Every record control is named after its field (DeadlineControls::name),
// so the lists, the summaries, the search and the dog picker write into this
// window by name; lblFile holds the open year file. The start-up creates the
// one instance (the global frmScadenzario); the start menu shows it, and
// closing it returns to the start menu.
class TfrmScadenzario : public EditorWindow
{
    Q_OBJECT
public:
    explicit TfrmScadenzario(QWidget *parent = nullptr);

    // Opens the year typed in txtAnno ("Apri").
    void openYear();
    // Empties the record editor as a new record starts (ClearScheda).
    void clearScheda();

    // ArchiveForm steps.
    void clearRecord() override;
    void clearForDuplicate() override;
    void prepareSave() override;

    // The start panel.
    QFrame *panAvvio;
    QLabel *imgTitolo, *lblInfo05, *lblApri, *lblInfo06, *lblOK, *icoIstruzioni;
    QLineEdit *txtAnno;
    QPushButton *btnApri, *btnOK, *btnGiorno, *btnMese;
    QLabel *imgPresenti, *imgAssenti, *imgGuida, *imgEsci;
    QCalendarWidget *calAppuntamenti;
    QLabel *lblFile;

    // The record editor.
    QGroupBox *grpData, *grpOra;
    PickList *txtGiorno, *txtMese, *txtOreApp, *txtMinutiApp;
    QLabel *lblAnno, *lblData, *lblOra;
    QLineEdit *txtAvviso, *txtProprietario, *txtCodFisc, *txtRecapito, *txtNome, *txtDataNasc, *txtRazza, *txtMantello,
        *txtMicrochip, *txtSegni, *txtPersona, *txtDettagli, *txtOfficina, *txtCosto, *txtContatto, *txtNote;
    QCheckBox *chkDaConfermare, *chkEffettuata;
    QPushButton *btnCodFisc;
    QPushButton *cmdNuovo, *cmdDuplica, *cmdImporta, *cmdSalva, *cmdTrova, *cmdStampa, *cmdEsporta, *cmdDaConfermare,
        *cmdDaEffettuare, *cmdEffettuate, *cmdGuida, *cmdEsci;

    // The save's texts.
    static const QString kAppended;
    static const QString kYearWarning;

protected:
    // Each showing (not a restore): start panel, this year in txtAnno, the alert.
    void shown() override;
    // Closing: back to the start panel, the sound stopped, the start menu shown.
    void onClosed() override;

private:
    void buildStartPanel();
    void buildFields();
    void buildCommands();
    void buildArchiveEditor();
    void showStartPanel(bool start);
    void alert();
    // Opens a window of the deadlines by its global name: a dialog modally,
    // another window shown; nothing when no such window exists.

    bool m_soundLoaded = false;
};

extern TfrmScadenzario *frmScadenzario;
