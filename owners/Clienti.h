#pragma once

#include "common/RecordLayout.h"
#include "common/ui/WindowKit.h"

#include <QStringList>

class ArchiveEditor;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The owner editor: the address book of the dog owners, one record per owner
// in Proprietari.pro. Every field is a control named after its record field
// (OwnerRecord::controlName), so the owner search and the call-back list can
// load a record by name, and the sheets can read the fields by name.
//
// The start-up creates the one instance (the global frmClienti) and registers
// it in the WindowRegistry as "frmClienti"; the start menu shows it, and
// closing it returns to the start menu. Each time it is shown it starts empty.
class TfrmClienti : public WindowKit::MainWindowBase
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);

    // The 112 province codes of the two province combos, in list order.
    static const QStringList &provinces();

    // Loads a record that another window picked, with its 1-based position,
    // so the next save overwrites it.
    void showRecord(const RecordBuffer &record, qint64 position);
    // The trimmed text of a field's control (edits, combos, hidden labels;
    // "Sì"/"No" for the call-back flag), for the sheets.
    QString fieldText(int field) const;
    // The current record as the next save would store it (for sheets and exports).
    RecordBuffer currentRecord() const;
    // Empties the window as the "new" command and every show do.
    void clearWindow();

    ArchiveEditor *archiveEditor() const { return m_editor; }

    // Fields, section by section.
    QLineEdit *txtCliente, *txtDataNasc, *txtComuneNasc;
    QComboBox *txtProvNasc;
    QLineEdit *txtSesso, *txtRecapito, *txtIndirizzoRes;
    QComboBox *txtProvRes;
    QLineEdit *txtComuneRes, *txtCapRes, *txtEstremi;
    QLineEdit *txtTelCasa, *txtTelUff, *txtTelCel, *txtFax, *txtEmail;
    QLineEdit *txtCodFisc, *txtCarta, *txtScadeCarta, *txtPartitaIva, *txtIban;
    QLineEdit *txtDocumento, *txtOccupazione, *txtCivile, *txtTitoli, *txtCaniOra, *txtCaniPrima;
    QLineEdit *txtQuestioni, *txtNote;
    QCheckBox *chkRicontatta;
    QPushButton *btnEmail, *btnCodFisc, *btnCarta, *btnPartitaIva, *btnIban;
    QLabel *icoEmail;

    // The command column.
    QPushButton *cmdNuovo, *cmdDuplica, *cmdFile, *cmdSalva, *cmdTrova, *cmdAnteprima, *cmdStampa, *cmdPDF,
        *cmdRicontatta, *cmdEsporta, *cmdGuida, *cmdEsci;

    // Hint line and navigation strip.
    QLabel *panInfo;
    QPushButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QLabel *lblPosizione;

    // The record's attachment slots, between loading and the next save.
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03;

    QFrame *panContainer;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildFields();
    void buildCommands();
    void buildNavigation();
    void buildArchiveEditor();
    void emailClick();
    void placePanel();

    ArchiveEditor *m_editor = nullptr;
    WindowKit::HintLine *m_hints = nullptr;
};

extern TfrmClienti *frmClienti;
