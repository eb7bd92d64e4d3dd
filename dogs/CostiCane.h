#pragma once

#include "common/ui/WindowKit.h"

#include <QString>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class RecordList;

// The cost ledger of one dog, Costi_Cane_<n>.pro (n: the dog's record
// position): the costs in file order with their total, find, print, and one
// cost at a time added or changed. A new window for every visit, owned by the
// dog editor and shown modally; it takes the dog's name, breed and position
// from the editor's controls (txtNome, txtRazza, lblPosizione) and writes
// nothing back.
//
// Two pages: the list panContainer (shown first) and the cost editor panCosti;
// "Aggiungi costo" and "Modifica costo" switch to the editor, and either
// "Chiudi" closes the whole window. A saved cost shows in the list the next
// time the ledger is opened. Every line keeps its record number, so
// "Modifica costo" edits the very record the selected line came from.
class TfrmCostiCane : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmCostiCane(QWidget *owner = nullptr);

    // The commands, as their buttons run them.
    void openLedger(); // when the window is shown
    void addCommand();
    void editCommand();
    void saveCommand();
    void findCommand();
    void printCommand();
    void todayCommand(); // impData: today's date into txtData

    // What "Stampa riepilogo" prints: its title and its lines.
    QString printTitle() const;
    QStringList printLines() const;

    // The messages of the window.
    static const QString kAdded;
    static const QString kChanged;
    static const QString kEditEmptyList;
    static const QString kEditNoSelection;

    // List page
    QFrame *panContainer;
    QLabel *lblTitolo;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    RecordList *lstRecords;
    QLabel *lblTotale;
    QPushButton *btnChiudi, *btnAggiungi, *btnModifica, *btnStampa;
    // Cost editor page
    QFrame *panCosti;
    QLineEdit *txtData, *txtCausale, *txtPagatore, *txtBeneficiario, *txtImporto;
    QLabel *impData;
    QPushButton *btnSalva, *cmdClose;
    // Hidden: the ledger's path and the position of the cost being edited.
    QLabel *lblFile, *lblPosizione;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildListPage();
    void buildEditPage();
    void showEditor();
    QString dogText(const char *control) const;

    QString m_lastSearchText;
};
