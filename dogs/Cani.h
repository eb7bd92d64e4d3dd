#pragma once

#include "common/RecordLayout.h"
#include "common/ui/EditorWindow.h"

#include <QList>

class QFrame;
class QLineEdit;
class QPushButton;
class TPhotoView;

// The dog editor: one record per dog in Anagrafica_Cani.pro, a header of five
// fields and four tab panels ("Dati psicosomatici" with the photo, "Albero
// genealogico" with the owner picker, "Situazione sanitaria", "Documenti e
// costi" with the linked folder). Every field is an edit named after its
// record field (DogControls::name), so the owner search and the sheets
// find them by name. The record position keys the dog's photo in Album and its
// linked folder in Cartelle_Abbinate.
//
// The start-up creates the one instance (the global frmCani); the start menu
// shows it, and closing it returns to the start menu. Each time it is shown it
// starts empty, with "Dati psicosomatici" in front.
class TfrmCani : public EditorWindow
{
    Q_OBJECT
public:
    explicit TfrmCani(QWidget *parent = nullptr);

    // The four tab panels, in the order of their buttons.
    enum class Tab { Psicosomatica, Albero, Sanitaria, Documenti };
    void showTab(Tab tab);
    Tab visibleTab() const;

    // The photo commands, as their buttons run them.
    void loadPhotoCommand();
    void savePhotoCopyCommand();
    void clearPhotoCommand();
    void zoomCommand();
    void linkedFolderCommand();
    // "Annota costi": the cost ledger of the stored dog shown.
    void costsCommand();

    // The photo shown, at its own pixel size (a stored photo is shown from a
    // reduced copy while browsing; this reads it whole). Null for the blank picture.
    QImage photo() const;

    // The edits in record order (54).
    QList<QLineEdit *> edits() const { return m_edits; }

    QLineEdit *txtNome, *txtSesso, *txtDataNasc, *txtGruppo, *txtRazza;
    QLineEdit *txtMantello, *txtNote, *txtProprietario, *txtRecapito, *txtCodFisc, *txtComuneRes, *txtIscrizioni;
    QLineEdit *txtVaccinazioni, *txtAlimentazione;

    QFrame *panPsicosomatica, *panAlbero, *panSanitaria, *panDocumenti;
    QPushButton *btnPsicosomatica, *btnAlbero, *btnSanitaria, *btnDocumenti;
    QPushButton *btnCarta, *btnCodFisc, *btnCartella, *btnCosti;
    QPushButton *btnCaricaFoto, *btnSalvaFoto, *btnCancFoto, *btnZoomFoto;
    TPhotoView *imgFoto, *imgBianco;

    QPushButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova, *cmdFile, *cmdAnteprima, *cmdStampa, *cmdEsporta,
        *cmdGuida, *cmdEsci;

    // ArchiveForm steps: the photo follows the record.
    void clearRecord() override;
    void clearForDuplicate() override;
    void afterShow(qint64 position) override;
    void afterWrite(qint64 position) override;

private:
    void buildHeader();
    void buildTabs();
    void buildPanel(QFrame *panel, int firstField, int lastField);
    void buildPhoto();
    void buildDocuments();
    void buildCommands();
    void buildArchiveEditor();
    void setPhoto(const QImage &image);
    QFrame *panel(Tab tab) const;
    QPushButton *tabButton(Tab tab) const;

    QList<QLineEdit *> m_edits;
    // The position whose stored photo imgFoto shows unchanged (empty once the
    // picture changed), so a save does not write the same photo again.
    QString m_photoFrom;
    // imgFoto shows a reduced copy of the stored photo of m_photoFrom.
    bool m_photoReduced = false;
};

extern TfrmCani *frmCani;
