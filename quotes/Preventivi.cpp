#include "quotes/Preventivi.h"
#include "quotes/AnteprimaPrev.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Logo.h"
#include "quotes/Numerazione.h"
#include "quotes/PreventiviLayout.h"
#include "quotes/QuoteControls.h"
#include "quotes/Sospesi.h"
#include "quotes/StampaPrev.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteNumbering.h"

#include "app/checkers/OpenChecker.h"
#include "app/core/Ini.h"
#include "app/dialogs/Guida.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/Provinces.h"
#include "common/TextRoutines.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/Art.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/TextFit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "owners/TrovaClienti.h"
#include "quotes/core/IssuerSettings.h"
#include "quotes/core/QuoteCalculation.h"
#include "quotes/core/QuoteFields.h"
#include "quotes/core/QuoteRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <type_traits>

TfrmPreventivi *frmPreventivi = nullptr;

namespace
{

using EditKit::Casing;
using EditKit::EditRow;
using EditKit::Filter;
using QuoteRecord::rowField;

constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;

const QString kCalculationFailed
    = QStringLiteral("Attenzione: il campo evidenziato non contiene un numero valido, per cui non \u00E8 possibile "
                     "calcolare i totali del preventivo.\n\r\n\rPer poter salvare la scheda \u00E8 necessario "
                     "correggere il valore indicato.");
const QString kInvalidDate = QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la "
                                            "scheda \u00E8 necessario indicare una data valida nel formato "
                                            "gg/mm/anno.");

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// A label the window fills (a row number, an amount, a total): it does not
// catch the mouse, so the hint line sees what lies beneath.
QLabel *valueLabel(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &picture, bool ownStyle = true)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(Art::pixmap(picture, QSize(20, 20))));
    button->setIconSize(QSize(18, 18));
    button->setCursor(Qt::PointingHandCursor);
    if (ownStyle)
        button->setStyleSheet(EditorWindow::smallButtonStyle());
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The key filter of the quantity, price, discount and VAT-rate edits: every
// key pressed first empties the row's amount and the five totals; then Enter
// goes on to the edit's kit (its successor), the editing keys, digits and the
// comma reach the edit, every other key is dropped. Two edits also cut their
// text to a length at every key release.
class AmountKeys : public QObject
{
public:
    AmountKeys(QLineEdit *edit, QLabel *amount, QList<QLabel *> totals, int clamp)
        : QObject(edit)
        , m_edit(edit)
        , m_amount(amount)
        , m_totals(std::move(totals))
        , m_clamp(clamp)
    {
        // Typed text comes as key presses only: an input method's commit
        // would pass by the filter.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (m_amount)
                m_amount->clear();
            for (QLabel *total : std::as_const(m_totals))
                total->clear();
            return QuoteFields::amountKey(key->key(), key->text(), int(key->modifiers()))
                == QuoteFields::AmountKey::Refuse;
        }
        if (event->type() == QEvent::KeyRelease && m_clamp > 0) {
            const QString cut = QuoteFields::clamped(m_edit->text(), m_clamp);
            if (cut != m_edit->text())
                m_edit->setText(cut);
        }
        return false;
    }

private:
    QLineEdit *m_edit;
    QLabel *m_amount;
    QList<QLabel *> m_totals;
    int m_clamp;
};

// The Enter chain of a row ends at its exempt box: Enter there neither moves
// the focus nor ticks the box (which would change the quote's VAT unseen).
class EnterEndsHere : public QObject
{
public:
    explicit EnterEndsHere(QWidget *box)
        : QObject(box)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

// Rewrites the edit's text with `normalise` when the user leaves it.
void normaliseOnExit(QLineEdit *edit, QString (*normalise)(const QString &))
{
    EditKit::onExit(edit, [edit, normalise]() {
        const QString normal = normalise(edit->text());
        if (normal != edit->text())
            edit->setText(normal);
    });
}

// Edits keep the mouse to themselves: a move over one neither sets nor
// clears the hint line.
void keepMouse(QWidget *control)
{
    control->setAttribute(Qt::WA_NoMousePropagation);
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

// ---------------------------------------------------------------------------

TfrmPreventivi::TfrmPreventivi(QWidget *parent)
    : EditorWindow({ .caption = QStringLiteral(" Kennora - Emissione preventivi anno "),
                       .objectName = QLatin1String(WindowNames::frmPreventivi),
                       .panel = QSize(kPanelWidth, kPanelHeight),
                       .layout = CommandLayout::Bar,
                       .commandOrigin = QPoint(16, 28),
                       .gradientTop = Style::SteelBlue },
        parent)
{
    // The panel on its rectangle and the hint bar first: the hint sentences
    // are fitted to the bar as they are registered.
    Layout::apply(this, PreventiviLayout::hintBarTable());
    buildHeader();
    buildRows();
    buildTotals();
    buildCommands();
    Layout::apply(this, PreventiviLayout::table());
    for (const char *name : PreventiviLayout::shapes())
        addHintBackground(panContainer->findChild<QWidget *>(QLatin1String(name)));
    // Quantities, prices, discounts, the VAT rate and the amounts always show
    // whole, in the fonts of the table.
    for (int i = 0; i < kRows; ++i) {
        for (QLineEdit *edit : { txtQuant[i], txtPrezzo[i], txtPercSconto[i] })
            TextFit::keepWhole(edit);
        TextFit::keepWhole(txtImporto[i]);
    }
    TextFit::keepWhole(txtPercIva);
    for (QLabel *label : totals())
        TextFit::keepWhole(label);
    buildArchiveEditor();
    finishWindow();
    for (QCheckBox *box : chkEs)
        new EnterEndsHere(box);
}

QList<QLabel *> TfrmPreventivi::totals() const
{
    return { txtTotImponibile, txtTotImposta, txtTotIva, txtTotEsente, txtTotFattura };
}

void TfrmPreventivi::buildHeader()
{
    auto panel = [this](const char *name) {
        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QLatin1String(name));
        frame->setStyleSheet(Style::sheet(QStringLiteral("#%1 { background: @SectionFill; border: 1px solid "
                                                         "@SectionEdge; border-radius: 5px; }"))
                                 .arg(QLatin1String(name)));
        addHintBackground(frame);
        return frame;
    };
    panDitta = panel("panDitta");
    panCliente = panel("panCliente");
    panNumFattura = panel("panNumFattura");

    auto edit = [](QFrame *parent, const EditRow &row) {
        QLineEdit *e = EditKit::makeEdit(parent, row);
        keepMouse(e);
        return e;
    };
    auto province = [](QFrame *parent, const EditRow &row) {
        auto *combo = new QComboBox(parent);
        combo->addItems(Provinces::codes());
        combo->setMaxVisibleItems(16);
        EditKit::applyCombo(combo, row);
        combo->setCurrentIndex(-1);
        keepMouse(combo);
        return combo;
    };
    auto button = [](QFrame *parent, const char *name, const char *picture) {
        return pictureButton(parent, QLatin1String(name), QLatin1String(picture));
    };

    // The issuing company.
    txtDitta = edit(panDitta, { .name = "txtDitta", .successor = "txtViaDitta" });
    btnLogo = button(panDitta, "btnLogo", "tavolozza");
    btnCancDitta = button(panDitta, "btnCancDitta", "cancella");
    txtViaDitta = edit(panDitta, { .name = "txtViaDitta", .successor = "txtCapDitta" });
    txtCapDitta = edit(panDitta, { .name = "txtCapDitta", .successor = "txtCittaDitta" });
    txtCittaDitta = edit(panDitta, { .name = "txtCittaDitta", .successor = "txtProvDitta" });
    txtProvDitta
        = province(panDitta, { .name = "txtProvDitta", .successor = "txtIvaDitta", .casing = Casing::UpperTyping });
    txtIvaDitta = edit(panDitta, { .name = "txtIvaDitta", .successor = "txtCodFiscDitta", .filter = Filter::Numeric });
    txtIvaDitta->setAttribute(Qt::WA_InputMethodEnabled, false);
    btnIvaDitta = button(panDitta, "btnIvaDitta", "spunta");
    txtCodFiscDitta
        = edit(panDitta, { .name = "txtCodFiscDitta", .successor = "txtLibero01", .casing = Casing::UpperTyping });
    btnCodFiscDitta = button(panDitta, "btnCodFiscDitta", "spunta");
    txtLibero01 = edit(panDitta, { .name = "txtLibero01", .successor = "txtLibero02" });
    txtLibero02 = edit(panDitta, { .name = "txtLibero02", .successor = "txtCliente" });

    // The customer.
    txtCliente = edit(panCliente, { .name = "txtCliente", .successor = "txtViaCliente" });
    impCliente = button(panCliente, "impCliente", "importa");
    txtViaCliente = edit(panCliente, { .name = "txtViaCliente", .successor = "txtCapCliente" });
    txtCapCliente = edit(panCliente, { .name = "txtCapCliente", .successor = "txtCittaCliente" });
    txtCittaCliente = edit(panCliente, { .name = "txtCittaCliente", .successor = "txtProvCliente" });
    txtProvCliente = province(
        panCliente, { .name = "txtProvCliente", .successor = "txtIvaCliente", .casing = Casing::UpperTypingAndExit });
    txtIvaCliente
        = edit(panCliente, { .name = "txtIvaCliente", .successor = "txtCodFiscCliente", .filter = Filter::Numeric });
    txtIvaCliente->setAttribute(Qt::WA_InputMethodEnabled, false);
    btnIvaCliente = button(panCliente, "btnIvaCliente", "spunta");
    txtCodFiscCliente = edit(
        panCliente, { .name = "txtCodFiscCliente", .successor = "txtRiferimenti", .casing = Casing::UpperTyping });
    btnCodFiscCliente = button(panCliente, "btnCodFiscCliente", "spunta");
    txtRiferimenti = edit(panCliente, { .name = "txtRiferimenti", .successor = "txtNumFatt" });
    cmdDatiComputer = new QPushButton(QStringLiteral("Altre informazioni"), panCliente);
    cmdDatiComputer->setObjectName(QStringLiteral("cmdDatiComputer"));
    cmdDatiComputer->setCursor(Qt::PointingHandCursor);
    memVeicolo = WindowKit::hiddenLabel(panCliente, "memVeicolo");
    memMarca = WindowKit::hiddenLabel(panCliente, "memMarca");
    memColore = WindowKit::hiddenLabel(panCliente, "memColore");
    memImmatricolazione = WindowKit::hiddenLabel(panCliente, "memImmatricolazione");
    memAlimentazione = WindowKit::hiddenLabel(panCliente, "memAlimentazione");
    memTarga = WindowKit::hiddenLabel(panCliente, "memTarga");

    // The quote's own data.
    txtNumFatt = edit(panNumFattura, { .name = "txtNumFatt", .successor = "txtData" });
    txtData = edit(panNumFattura, { .name = "txtData", .successor = "txtPagamento" });
    impOggi = button(panNumFattura, "impOggi", "importa");
    txtPagamento = edit(panNumFattura, { .name = "txtPagamento", .successor = "txtBanca" });
    txtBanca = edit(panNumFattura, { .name = "txtBanca", .successor = "txtIban" });
    txtIban = edit(panNumFattura, { .name = "txtIban", .successor = "txtNote", .casing = Casing::UpperTyping });

    lblFile = WindowKit::hiddenLabel(panContainer, "lblFile");
    lblInizio = WindowKit::hiddenLabel(panContainer, "lblInizio");
    lblInizio->setText(QStringLiteral("1"));
    // Takes the focus at a save: shown but of no size, out of the Tab and
    // click chain, so no field is framed until the user picks one, and the
    // window keeps it when it is activated again (after a message box).
    btnFocus = new QPushButton(panContainer);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setFocusPolicy(Qt::NoFocus);
    btnFocus->setGeometry(0, 0, 0, 0);
}

void TfrmPreventivi::buildRows()
{
    const char letters[] = "ABCDEF";
    for (int page = 0; page < kPages; ++page) {
        const QString letter = QString(QLatin1Char(letters[page]));
        auto *grp = new QFrame(panContainer);
        grp->setObjectName(QStringLiteral("grpPage%1").arg(two(page + 1)));
        grp->setStyleSheet(
            Style::sheet(QStringLiteral("#%1 { background: @RowPageFill; border: 1px solid @SectionEdge; "
                                        "border-radius: 6px; }"
                                        "QLabel[role=\"title\"] { color: white; border-radius: 5px; background: "
                                        "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandTop, stop:1 "
                                        "@CommandBottom); }"))
                .arg(grp->objectName())
            + EditorWindow::smallButtonStyle());
        grpPage[page] = grp;
        addHintBackground(grp);

        auto *title = new QLabel(
            QStringLiteral("Articoli del preventivo: righe da %1 a %2").arg(page * 5 + 1).arg(page * 5 + 5), grp);
        title->setObjectName(QStringLiteral("titProdotti_") + letter);
        title->setProperty("role", QStringLiteral("title"));
        addHintBackground(title);

        // The arrows: active ones with a hand; page 1 has no way back, page 6 none forward.
        auto arrow = [&](const QString &name, const char *picture, bool active) {
            QLabel *img = Art::pictureLabel(grp, name.toLatin1().constData(), QLatin1String(picture), QSize(22, 15));
            if (active)
                img->setCursor(Qt::PointingHandCursor);
            else {
                img->setEnabled(false);
                img->setAttribute(Qt::WA_NoMousePropagation);
            }
            return img;
        };
        imgIndietro[page] = arrow(QStringLiteral("imgIndietro_") + letter, "indietro", page > 0);
        imgAvanti[page] = arrow(QStringLiteral("imgAvanti_") + letter, "avanti", page < kPages - 1);
        if (page > 0) {
            WindowKit::onClick(imgIndietro[page], [this, page]() { turnTo(page); });
            addHint(imgIndietro[page], QStringLiteral("Visualizza i cinque articoli precedenti."));
        }
        if (page < kPages - 1) {
            WindowKit::onClick(imgAvanti[page], [this, page]() { turnTo(page + 2); });
            addHint(imgAvanti[page], QStringLiteral("Visualizza i prossimi cinque articoli."));
        }

        for (int place = 0; place < 5; ++place) {
            const int i = page * 5 + place; // 0-based row
            const QString nn = two(i + 1);
            valueLabel(grp, QStringLiteral("lblNum") + nn, QStringLiteral("%1.").arg(i + 1));

            auto rowEdit = [&](const QString &name, const QString &successor, Filter filter) {
                const QByteArray n = name.toLatin1(), s = successor.toLatin1();
                QLineEdit *e
                    = EditKit::makeEdit(grp, { .name = n.constData(), .successor = s.constData(), .filter = filter });
                keepMouse(e);
                return e;
            };
            txtQuant[i] = rowEdit(QStringLiteral("txtQuant") + nn, QStringLiteral("txtCodice") + nn, Filter::None);
            txtCodice[i] = rowEdit(QStringLiteral("txtCodice") + nn, QStringLiteral("txtDesc") + nn, Filter::None);
            txtDesc[i]
                = rowEdit(QStringLiteral("txtDesc") + nn, QStringLiteral("txtPrezzo") + nn, Filter::QuoteDescription);
            txtPrezzo[i]
                = rowEdit(QStringLiteral("txtPrezzo") + nn, QStringLiteral("txtPercSconto") + nn, Filter::None);
            txtPercSconto[i]
                = rowEdit(QStringLiteral("txtPercSconto") + nn, QStringLiteral("chkEs") + nn, Filter::None);
            txtImporto[i] = valueLabel(grp, QStringLiteral("txtImporto") + nn);

            chkEs[i] = new QCheckBox(grp);
            chkEs[i]->setObjectName(QStringLiteral("chkEs") + nn);
            chkEs[i]->setCursor(Qt::PointingHandCursor);
            addHint(chkEs[i], QStringLiteral("Contrassegna come articolo esente da IVA."));

            impMag[i] = pictureButton(grp, QStringLiteral("impMag") + nn, QStringLiteral("listino"), false);
            addHint(impMag[i], QStringLiteral("Importa i dati dell'articolo dal listino prezzi."));
            connect(impMag[i], &QPushButton::clicked, this,
                [this, i]() { TfrmImportaMagazzinoDoc::openForRow(this, i + 1); });
        }
        grp->setVisible(page == 0);
    }
}

void TfrmPreventivi::buildTotals()
{
    txtTotImponibile = valueLabel(panContainer, QStringLiteral("txtTotImponibile"));
    txtPercIva = EditKit::makeEdit(panContainer, { .name = "txtPercIva", .successor = "txtNote" });
    keepMouse(txtPercIva);
    txtTotImposta = valueLabel(panContainer, QStringLiteral("txtTotImposta"));
    txtTotIva = valueLabel(panContainer, QStringLiteral("txtTotIva"));
    txtTotEsente = valueLabel(panContainer, QStringLiteral("txtTotEsente"));

    cmdCalcola = new QPushButton(QStringLiteral("Calcola"), panContainer);
    cmdCalcola->setObjectName(QStringLiteral("cmdCalcola"));
    cmdCalcola->setCursor(Qt::PointingHandCursor);
    addHint(cmdCalcola, QStringLiteral("Effettua il calcolo dei totali."));
    connect(cmdCalcola, &QPushButton::clicked, this, [this]() { calculate(); });
    txtTotFattura = valueLabel(panContainer, QStringLiteral("txtTotFattura"));

    // The row amounts and the totals empty at every key of these edits.
    for (int i = 0; i < kRows; ++i) {
        new AmountKeys(txtQuant[i], txtImporto[i], totals(), 0);
        new AmountKeys(txtPrezzo[i], txtImporto[i], totals(), i == 1 ? 10 : 0);
        new AmountKeys(txtPercSconto[i], txtImporto[i], totals(), i == 9 ? 6 : 0);
        normaliseOnExit(txtQuant[i], &QuoteFields::quantityNormalised);
        normaliseOnExit(txtPrezzo[i], &QuoteFields::priceNormalised);
        normaliseOnExit(txtPercSconto[i], &QuoteFields::quantityNormalised);
    }
    new AmountKeys(txtPercIva, nullptr, totals(), 0);
    normaliseOnExit(txtPercIva, &QuoteFields::quantityNormalised);

    txtNote = EditKit::makeEdit(panContainer, { .name = "txtNote", .successor = "txtDitta" });
    keepMouse(txtNote);
    chkSaldata = new QCheckBox(QStringLiteral("In sospeso"), panContainer);
    chkSaldata->setObjectName(QStringLiteral("chkSaldata"));
    chkSaldata->setCursor(Qt::PointingHandCursor);
    addHint(chkSaldata, QStringLiteral("Contrassegna come preventivo in sospeso."));
}

void TfrmPreventivi::buildCommands()
{
    addCommands({
        { "cmdNuovo", "Nuovo", "Predispone la schermata per l'emissione di un nuovo preventivo.", 0 },
        { "cmdSalva", "Salva", "Salva o aggiorna il preventivo corrente.", 0 },
        { "cmdTrova", "Trova", "Trova un preventivo in archivio.", 0 },
        { "cmdSospese", "Sospesi", "Visualizza il riepilogo dei preventivi in sospeso.", 0 },
        { "cmdAnteprima", "Anteprima", "Visualizza l'anteprima di stampa del preventivo corrente.", 1 },
        { "cmdStampa", "Stampa", "Stampa il preventivo corrente.", 1 },
        { "cmdPDF", "PDF", "Esporta il preventivo corrente in formato PDF.", 1 },
        { kNavigationStrip, nullptr, nullptr, 2 },
        { "cmdNumerazione", "Numerazione", "Imposta il numero iniziale per la numerazione dei preventivi.", 3 },
        { "cmdEsporta", "Esporta", "Esporta i preventivi in archivio in un file di Microsoft Excel.", 3 },
        { "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.", 4 },
        { "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", 4 },
    });
    // Each member is the command of its name (the names of the table above).
    cmdNuovo = commandNamed("cmdNuovo");
    cmdSalva = commandNamed("cmdSalva");
    cmdTrova = commandNamed("cmdTrova");
    cmdSospese = commandNamed("cmdSospese");
    cmdAnteprima = commandNamed("cmdAnteprima");
    cmdStampa = commandNamed("cmdStampa");
    cmdPDF = commandNamed("cmdPDF");
    cmdNumerazione = commandNamed("cmdNumerazione");
    cmdEsporta = commandNamed("cmdEsporta");
    cmdGuida = commandNamed("cmdGuida");
    cmdEsci = commandNamed("cmdEsci");
    addHint(cmdPrimo, QStringLiteral("Visualizza il primo preventivo in archivio."));
    addHint(cmdIndietro, QStringLiteral("Visualizza il preventivo precedente in archivio."));
    addHint(cmdAvanti, QStringLiteral("Visualizza il preventivo successivo in archivio."));
    addHint(cmdUltimo, QStringLiteral("Visualizza l'ultimo preventivo in archivio."));

    panInfo->setAttribute(Qt::WA_NoMousePropagation);

    addHint(btnLogo, QStringLiteral("Carica il logo della Ditta emittente."));
    addHint(btnCancDitta, QStringLiteral("Cancella i dati della Ditta emittente."));
    addHint(btnIvaDitta, QStringLiteral("Controlla il numero di partita IVA."));
    addHint(btnIvaCliente, QStringLiteral("Controlla il numero di partita IVA."));
    addHint(btnCodFiscDitta, QStringLiteral("Controlla il codice fiscale."));
    addHint(btnCodFiscCliente, QStringLiteral("Controlla il codice fiscale."));
    addHint(impCliente, QStringLiteral("Importa i dati del cliente e del veicolo dall'archivio anagrafico."));
    addHint(cmdDatiComputer, QStringLiteral("Apri la finestra per inserire ulteriori informazioni nel preventivo."));
    addHint(impOggi, QStringLiteral("Inserisci la data corrente."));

    // Windows of the quotes around the editor.
    const auto opener = [this](QPushButton *command, auto dialogTag) {
        using Dialog = typename decltype(dialogTag)::type;
        connect(command, &QPushButton::clicked, this, [this]() { WindowKit::openModalDialog<Dialog>(this); });
    };
    opener(cmdStampa, std::type_identity<TfrmStampaPrev>());
    opener(cmdAnteprima, std::type_identity<TfrmAnteprimaPrev>());
    opener(cmdPDF, std::type_identity<TfrmCrea_PDF_Prev>());
    opener(cmdEsporta, std::type_identity<TfrmExpPreventivi>());
    opener(cmdSospese, std::type_identity<TfrmSospesi>());
    opener(btnLogo, std::type_identity<TfrmLogo>());
    connect(cmdTrova, &QPushButton::clicked, this, [this]() { TfrmTrovaPreventivi::openPicker(this); });
    connect(cmdNumerazione, &QPushButton::clicked, this, [this]() { TfrmNumerazione::openForQuotes(this); });
    connect(cmdDatiComputer, &QPushButton::clicked, this, [this]() { TfrmDatiVeicolo::openFor(this); });
    const QString mode = QStringLiteral("preventivi");
    connect(impCliente, &QPushButton::clicked, this, [this, mode]() { TfrmTrovaClienti::openPicker(this, mode); });

    // The identifier checkers.
    connect(btnIvaDitta, &QPushButton::clicked, this,
        [this]() { OpenPartitaIvaChecker(this, TrimText(txtIvaDitta->text())); });
    connect(btnIvaCliente, &QPushButton::clicked, this,
        [this]() { OpenPartitaIvaChecker(this, TrimText(txtIvaCliente->text())); });
    connect(btnCodFiscDitta, &QPushButton::clicked, this,
        [this]() { OpenChecker(this, TrimText(txtCodFiscDitta->text())); });
    connect(btnCodFiscCliente, &QPushButton::clicked, this,
        [this]() { OpenChecker(this, TrimText(txtCodFiscCliente->text())); });

    connect(btnCancDitta, &QPushButton::clicked, this, &TfrmPreventivi::clearCompany);
    connect(btnFocus, &QPushButton::clicked, this, [this]() { txtNumFatt->setText(TrimText(txtNumFatt->text())); });
    connect(impOggi, &QPushButton::clicked, this, [this]() { txtData->setText(FormatDate(Clock::today())); });
    connect(cmdGuida, &QPushButton::clicked, this, [this]() { ShowHelp(this, HelpTopic::Quotes); });
    WindowKit::closeOnClick(cmdEsci, this);
}

void TfrmPreventivi::buildArchiveEditor()
{
    ArchiveEditor::Setup s;
    s.layout = &QuoteRecord::layout();
    s.path = [this]() { return TrimText(lblFile->text()); };
    s.firstField = txtCliente;
    s.accessFailureAsWarning = { ArchiveEditor::Command::First, ArchiveEditor::Command::Save };

    // A calculation that failed stops the save, with the focus on its field.
    s.checks.append([this]() -> std::optional<ArchiveEditor::Refusal> {
        if (m_calculated)
            return std::nullopt;
        QWidget *field = findChild<QWidget *>(m_faultControl);
        for (int p = 0; field && p < kPages; ++p)
            if (grpPage[p]->isAncestorOf(field))
                showPage(p + 1);
        return ArchiveEditor::Refusal { MessageBoxes::Kind::Warning, kCalculationFailed, field };
    });
    const QString prefix = ArchiveEditor::kMandatoryPrefix;
    s.checks.append(
        ArchiveEditor::mandatory(txtCliente, prefix + QStringLiteral("il nome o la ragione sociale del cliente.")));
    s.checks.append(ArchiveEditor::mandatory(txtNumFatt, prefix + QStringLiteral("il numero del preventivo.")));
    s.checks.append(ArchiveEditor::mandatory(txtData, prefix + QStringLiteral("la data del preventivo.")));
    s.checks.append(ArchiveEditor::check(
        [this]() { return IsValidDate(txtData->text()); }, MessageBoxes::Kind::Warning, kInvalidDate, txtData));
    // An amount edit whose text its field would not hold as it is (cut, or in
    // exponent form), or an amount that its field would cut in its integer
    // part, is not stored: the quote would come back with another value.
    s.checks.append([this]() -> std::optional<ArchiveEditor::Refusal> {
        const RecordLayout &layout = QuoteRecord::layout();
        auto onItsPage = [this](std::optional<ArchiveEditor::Refusal> refusal) {
            for (int p = 0; refusal && p < kPages; ++p)
                if (grpPage[p]->isAncestorOf(refusal->focus))
                    showPage(p + 1);
            return refusal;
        };
        auto amountCut = [&layout](QLabel *amount, int field) {
            return QuoteFields::cutLosesValue(amount->text(), layout.capacity(field));
        };
        auto refuse = [](QWidget *focus) {
            return ArchiveEditor::Refusal { MessageBoxes::Kind::Warning, ArchiveEditor::kAmountTooLarge, focus };
        };
        for (int i = 0; i < kRows; ++i) {
            const int row = i + 1;
            const std::pair<QLineEdit *, QuoteRecord::Field> edits[] = { { txtQuant[i], QuoteRecord::Quant01 },
                { txtPrezzo[i], QuoteRecord::Prezzo01 }, { txtPercSconto[i], QuoteRecord::PercSconto01 } };
            for (const auto &[edit, first] : edits)
                if (auto refusal = ArchiveEditor::amountRefusal(edit, layout.capacity(rowField(first, row))))
                    return onItsPage(refusal);
            if (amountCut(txtImporto[i], rowField(QuoteRecord::Importo01, row)))
                return onItsPage(refuse(txtPrezzo[i]));
        }
        if (auto refusal = ArchiveEditor::amountRefusal(txtPercIva, layout.capacity(QuoteRecord::PercIva)))
            return refusal;
        const QList<QLabel *> labels = totals();
        for (int k = 0; k < labels.size(); ++k) {
            if (!amountCut(labels.at(k), QuoteRecord::TotImponibile + (k == 0 ? 0 : k + 1)))
                continue;
            // A total too large for its field: the largest amount brought it there.
            int largest = 0;
            for (int i = 1; i < kRows; ++i)
                if (TrimText(txtImporto[i]->text()).size() > TrimText(txtImporto[largest]->text()).size())
                    largest = i;
            return onItsPage(refuse(txtPrezzo[largest]));
        }
        return std::nullopt;
    });
    setUpArchive(s, &QuoteControls::name);

    // "Nuovo" counts the quotes first, then empties the window and numbers it.
    cmdNuovo->disconnect(archiveEditor());
    connect(cmdNuovo, &QPushButton::clicked, this, [this]() { newQuote(); });
}

// ---------------------------------------------------------------------------

bool TfrmPreventivi::calculate(QString *faultControl)
{
    QuoteCalculation::Sheet sheet;
    for (int i = 0; i < kRows; ++i) {
        sheet.quantity[i] = txtQuant[i]->text();
        sheet.price[i] = txtPrezzo[i]->text();
        sheet.discount[i] = txtPercSconto[i]->text();
        sheet.amount[i] = txtImporto[i]->text();
        sheet.exempt[i] = chkEs[i]->isChecked();
    }
    sheet.vatRate = txtPercIva->text();
    const QList<QLabel *> labels = totals();
    QString *totalTexts[] = { &sheet.taxable, &sheet.vat, &sheet.withVat, &sheet.exemptTotal, &sheet.total };
    for (int k = 0; k < labels.size(); ++k)
        *totalTexts[k] = labels.at(k)->text();

    const QuoteCalculation::Outcome outcome = QuoteCalculation::calculate(sheet);

    auto put = [](auto *control, const QString &text) {
        if (control->text() != text)
            control->setText(text);
    };
    for (int i = 0; i < kRows; ++i) {
        put(txtQuant[i], sheet.quantity[i]);
        put(txtPrezzo[i], sheet.price[i]);
        put(txtPercSconto[i], sheet.discount[i]);
        put(txtImporto[i], sheet.amount[i]);
    }
    put(txtPercIva, sheet.vatRate);
    for (int k = 0; k < labels.size(); ++k)
        put(labels.at(k), *totalTexts[k]);
    if (faultControl) {
        int field = outcome.faultField;
        // An amount label takes no focus: its row's price does.
        if (field >= QuoteRecord::Importo01 && field < QuoteRecord::Importo01 + kRows)
            field = field - QuoteRecord::Importo01 + QuoteRecord::Prezzo01;
        *faultControl = outcome.ok ? QString() : QuoteControls::name(field);
    }
    return outcome.ok;
}

void TfrmPreventivi::clearQuoteForm()
{
    clearWindow();
}

void TfrmPreventivi::clearRecord()
{
    for (QWidget *w : { static_cast<QWidget *>(txtNumFatt), static_cast<QWidget *>(txtData),
             static_cast<QWidget *>(txtCliente), static_cast<QWidget *>(txtViaCliente),
             static_cast<QWidget *>(txtCapCliente), static_cast<QWidget *>(txtCittaCliente) })
        ControlText::setText(w, QString());
    txtProvCliente->setEditText(QString());
    for (QLineEdit *e : { txtIvaCliente, txtCodFiscCliente, txtRiferimenti, txtNote })
        e->clear();
    for (QLabel *l : { memVeicolo, memMarca, memColore, memImmatricolazione, memAlimentazione, memTarga })
        l->clear();
    for (const auto *column : { &txtQuant, &txtCodice, &txtDesc, &txtPrezzo, &txtPercSconto })
        for (QLineEdit *e : *column)
            e->clear();
    for (QLabel *l : txtImporto)
        l->clear();
    for (QCheckBox *box : chkEs)
        box->setChecked(false);
    for (QLabel *l : totals())
        l->clear();
    showPage(1);
    chkSaldata->setChecked(false);
    // The selection only: the company's province keeps its text.
    for (QComboBox *combo : { txtProvDitta, txtProvCliente }) {
        const QString shown = combo->currentText();
        combo->setCurrentIndex(-1);
        if (combo->currentText() != shown)
            combo->setEditText(shown);
    }
}

void TfrmPreventivi::clearCompany()
{
    for (QLineEdit *e : { txtDitta, txtViaDitta, txtCapDitta, txtCittaDitta })
        e->clear();
    txtProvDitta->setCurrentIndex(-1);
    txtProvDitta->setEditText(QString());
    for (QLineEdit *e : { txtIvaDitta, txtCodFiscDitta, txtLibero01, txtLibero02 })
        e->clear();
    txtDitta->setFocus(Qt::OtherFocusReason);
}

void TfrmPreventivi::showPage(int page)
{
    for (int p = 0; p < kPages; ++p)
        grpPage[p]->setVisible(p + 1 == page);
}

void TfrmPreventivi::turnTo(int page)
{
    // The page shown takes the focus before the others hide: the focus goes
    // from the edit left straight to the page's first quantity.
    grpPage[page - 1]->show();
    txtQuant[(page - 1) * 5]->setFocus(Qt::OtherFocusReason);
    showPage(page);
}

int TfrmPreventivi::visiblePage() const
{
    for (int p = 0; p < kPages; ++p)
        if (!grpPage[p]->isHidden())
            return p + 1;
    return 0;
}

bool TfrmPreventivi::newQuote()
{
    qint64 count = -1;
    const bool counted = RunGuarded(
        [this, &count]() {
            ArchiveFile file(TrimText(lblFile->text()), QuoteRecord::size());
            count = file.count();
            file.close();
        },
        this);
    if (!counted)
        return false;
    m_newCount = count;
    const bool done = archiveEditor()->newRecord();
    m_newCount = -1;
    return done;
}

void TfrmPreventivi::afterNew(qint64)
{
    if (m_newCount < 0)
        return; // the window was only emptied (showing)
    QString start;
    try {
        start = QuoteNumbering::stored();
    } catch (const IniError &) {
        throw ArchiveAccessError();
    }
    lblInizio->setText(TrimText(start).isEmpty() ? QStringLiteral("1") : start);
    const std::optional<qint64> first = QuoteNumbering::parseStart(start);
    if (!first)
        throw ArchiveAccessError();
    const std::optional<qint64> number = *first + m_newCount;
    txtNumFatt->setText(QString::number(*number));
    txtData->setText(FormatDate(Clock::today()));
    txtCliente->setFocus(Qt::OtherFocusReason);
}

void TfrmPreventivi::prepareSave()
{
    // The edit being typed in is left first, so its normaliser runs.
    btnFocus->setFocus(Qt::OtherFocusReason);
    m_calculated = calculate(&m_faultControl);
}

void TfrmPreventivi::shown()
{
    readSettings();
    EditorWindow::shown();
}

void TfrmPreventivi::onClosed()
{
    writeSettings();
    EditorWindow::onClosed();
}

void TfrmPreventivi::readSettings()
{
    QStringList values;
    try {
        values = IssuerSettings::read();
    } catch (const IniError &) {
        MessageBoxes::warning(QString::fromUtf8(IssuerSettings::ReadFailure), this);
        return;
    }
    const QStringList &names = IssuerSettings::controls();
    for (qsizetype i = 0; i < names.size(); ++i) {
        QWidget *control = findChild<QWidget *>(names.at(i));
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setEditText(values.value(i));
        else
            ControlText::setText(control, values.value(i));
    }
}

void TfrmPreventivi::writeSettings()
{
    QStringList values;
    for (const QString &name : IssuerSettings::controls())
        values.append(ControlText::named(this, name));
    try {
        IssuerSettings::write(values);
    } catch (const IniError &) {
        // Reported; the window closes all the same.
        MessageBoxes::error(QString::fromUtf8(IssuerSettings::WriteFailure), this);
    }
}
