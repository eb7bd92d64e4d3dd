#pragma once

#include "common/RecordLayout.h"
#include "common/ui/EditorWindow.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The owner editor: the address book of the dog owners, one record per owner
// in Proprietari.pro. Every field is a control named after its record field
// (OwnerControls::name), so the owner search and the call-back list can
// load a record by name, and the sheets can read the fields by name.
//
// The start-up creates the one instance (the global frmClienti) and registers
// it in the WindowRegistry as "frmClienti"; the start menu shows it, and
// closing it returns to the start menu. Each time it is shown it starts empty.
class TfrmClienti : public EditorWindow
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);

    // The 112 province codes of the two province combos, in list order.
    static const QStringList &provinces();

    // The trimmed text of a field's control (edits, combos, hidden labels;
    // "Sì"/"No" for the call-back flag), for the sheets.
    QString fieldText(int field) const;

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

private:
    void buildFields();
    void buildCommands();
    void buildArchiveEditor();
    void emailClick();
};

extern TfrmClienti *frmClienti;
