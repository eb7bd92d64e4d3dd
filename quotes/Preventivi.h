#pragma once

#include "common/ui/EditorWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The quote editor: the quotes of one year, in the year file that the year
// chooser names in the hidden lblFile. A header of three panels (issuing
// company, customer, the quote's number, date and payment), 30 item rows shown
// five at a time on six row pages, the totals with the VAT rate, the notes and
// the "In sospeso" flag. Every record field has its control named after it
// (QuoteControls::name), so the quote windows around it (search, pending
// list, owner picker, extra data, output) read and write it by name.
//
// The company block, payment, bank, IBAN and VAT rate come from
// Numerazione.ini [Ditta Emittente] at every showing and go back there at
// every closing; a new quote keeps them.
class TfrmPreventivi : public EditorWindow
{
    Q_OBJECT
public:
    static constexpr int kRows = 30;
    static constexpr int kPages = 6;

    explicit TfrmPreventivi(QWidget *parent = nullptr);

    // "Calcola": the row amounts and the five totals from the rows and the VAT
    // rate. False when a text it reads is no number; then the five totals
    // read "0,00" and `faultControl` (when given) names the control at fault.
    bool calculate(QString *faultControl = nullptr);
    // Empties the quote on screen (not the company block, payment, bank, IBAN,
    // VAT rate); page 1 shown, position emptied, focus in txtCliente.
    void clearQuoteForm();
    // "btnCancDitta": empties the nine company controls.
    void clearCompany();
    // Shows row page `page` (1..6) and hides the others.
    void showPage(int page);
    // A page arrow: shows `page` and puts the focus in its first quantity.
    void turnTo(int page);
    // The row page shown (1..6).
    int visiblePage() const;
    // The new-quote command (cmdNuovo).
    bool newQuote();

    // Header.
    QFrame *panDitta = nullptr, *panCliente = nullptr, *panNumFattura = nullptr;
    QLineEdit *txtDitta = nullptr, *txtViaDitta = nullptr, *txtCapDitta = nullptr, *txtCittaDitta = nullptr;
    QComboBox *txtProvDitta = nullptr;
    QLineEdit *txtIvaDitta = nullptr, *txtCodFiscDitta = nullptr, *txtLibero01 = nullptr, *txtLibero02 = nullptr;
    QLineEdit *txtCliente = nullptr, *txtViaCliente = nullptr, *txtCapCliente = nullptr, *txtCittaCliente = nullptr;
    QComboBox *txtProvCliente = nullptr;
    QLineEdit *txtIvaCliente = nullptr, *txtCodFiscCliente = nullptr, *txtRiferimenti = nullptr;
    QLineEdit *txtNumFatt = nullptr, *txtData = nullptr, *txtPagamento = nullptr, *txtBanca = nullptr,
              *txtIban = nullptr;
    QPushButton *btnCancDitta = nullptr, *btnLogo = nullptr, *btnIvaDitta = nullptr, *btnCodFiscDitta = nullptr;
    QPushButton *impCliente = nullptr, *btnIvaCliente = nullptr, *btnCodFiscCliente = nullptr;
    QPushButton *cmdDatiComputer = nullptr, *impOggi = nullptr;

    // Item rows (index 0 is row 01).
    std::array<QFrame *, kPages> grpPage {};
    std::array<QLabel *, kPages> imgAvanti {}, imgIndietro {};
    std::array<QLineEdit *, kRows> txtQuant {}, txtCodice {}, txtDesc {}, txtPrezzo {}, txtPercSconto {};
    std::array<QLabel *, kRows> txtImporto {};
    std::array<QCheckBox *, kRows> chkEs {};
    std::array<QPushButton *, kRows> impMag {};

    // Totals, notes, state.
    QLabel *txtTotImponibile = nullptr, *txtTotImposta = nullptr, *txtTotIva = nullptr, *txtTotEsente = nullptr,
           *txtTotFattura = nullptr;
    QLineEdit *txtPercIva = nullptr, *txtNote = nullptr;
    QPushButton *cmdCalcola = nullptr;
    QCheckBox *chkSaldata = nullptr;

    // Hidden bookkeeping.
    QLabel *lblFile = nullptr, *lblInizio = nullptr;
    QLabel *memVeicolo = nullptr, *memMarca = nullptr, *memColore = nullptr, *memImmatricolazione = nullptr,
           *memAlimentazione = nullptr, *memTarga = nullptr;
    QPushButton *btnFocus = nullptr;

    // Commands.
    QPushButton *cmdNuovo = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr, *cmdSospese = nullptr;
    QPushButton *cmdAnteprima = nullptr, *cmdStampa = nullptr, *cmdPDF = nullptr;
    QPushButton *cmdNumerazione = nullptr, *cmdEsporta = nullptr, *cmdGuida = nullptr, *cmdEsci = nullptr;

    // The five total labels, in the order the calculation writes them.
    QList<QLabel *> totals() const;

protected:
    void shown() override;
    void onClosed() override;
    void clearRecord() override;
    void prepareSave() override;
    void afterNew(qint64 count) override;

private:
    void buildHeader();
    void buildRows();
    void buildTotals();
    void buildCommands();
    void buildArchiveEditor();
    void readSettings();
    void writeSettings();
    // Opens the start-up instance of another window modally (nothing when it
    // is not there); `preload` fills it first.

    qint64 m_newCount = -1; // records counted by the running new-quote command
    bool m_calculated = true; // outcome of the last calculation
    QString m_faultControl;
};

extern TfrmPreventivi *frmPreventivi;
