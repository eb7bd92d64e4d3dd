#include "quotes/Preventivi.h"
#include "quotes/AnteprimaPrev.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Logo.h"
#include "quotes/Numerazione.h"
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

// Header panels: a caption column, then the edits; one field every kPitch.
constexpr int kCaptionX = 8;
constexpr int kCaptionWidth = 130;
constexpr int kEditX = 140;
constexpr int kEditHeight = 22;
constexpr int kPitch = 31;
constexpr int kFirstTop = 8;
constexpr int kSmallButton = 26;

// Row pages: the place of row r (1..5) of a page and the columns.
constexpr int kRowTop = 66;
constexpr int kRowPitch = 32;

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

QLabel *caption(QWidget *parent, const QString &text, const QRect &place, qreal points = 8, bool bold = true)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Style::verdana(points, bold));
    label->setGeometry(place);
    // Labels do not catch the mouse: the hint line sees what lies beneath.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A rectangle behind other controls; named, so the hint line can clear over it.
QFrame *rectangle(
    QWidget *parent, const QString &name, const QRect &place, const QString &fill, const QString &border = QString())
{
    QFrame *frame = Style::shape(parent, name, place,
        QStringLiteral("background: %1; border: %2; border-radius: 5px;")
            .arg(fill, border.isEmpty() ? QStringLiteral("none") : QStringLiteral("1px solid ") + border));
    frame->lower();
    return frame;
}

// A rectangle of the row pages, drawn by its page's style sheet (one sheet
// for the page, not one for each of its many rectangles).
QFrame *pageShape(QWidget *page, const QString &name, const QRect &place, const char *role)
{
    auto *frame = new QFrame(page);
    frame->setObjectName(name);
    frame->setProperty("role", QLatin1String(role));
    frame->setGeometry(place);
    frame->lower();
    return frame;
}

QPushButton *pictureButton(
    QWidget *parent, const QString &name, const QString &picture, const QRect &place, bool ownStyle = true)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(Art::pixmap(picture, QSize(20, 20))));
    button->setIconSize(QSize(18, 18));
    button->setCursor(Qt::PointingHandCursor);
    if (ownStyle)
        button->setStyleSheet(EditorWindow::smallButtonStyle());
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(place);
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
                       .commandOrigin = QPoint(16, 27),
                       .gradientTop = Style::SteelBlue },
        parent)
{
    // The hint bar at the bottom left, the notes and the flag beside it.
    panInfo->setGeometry(16, 642, 449, 32);
    rectangle(panContainer, QStringLiteral("shpSezione01"), QRect(16, 80, 961, 556), QStringLiteral("white"),
        Style::css(Style::SectionEdge));
    buildHeader();
    buildRows();
    buildTotals();
    buildCommands();
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
    const QFont editFont = Style::verdana(10);
    auto panel = [this](const char *name, const QRect &place) {
        QFrame *frame = rectangle(
            panContainer, QLatin1String(name), place, Style::css(Style::SectionFill), Style::css(Style::SectionEdge));
        frame->raise();
        return frame;
    };
    panDitta = panel("panDitta", QRect(24, 88, 360, 254));
    panCliente = panel("panCliente", QRect(392, 88, 360, 254));
    panNumFattura = panel("panNumFattura", QRect(760, 88, 209, 254));

    auto edit = [&](QFrame *parent, const EditRow &row, int line, int width, const char *text,
                    int x = kEditX) -> QLineEdit * {
        if (text)
            caption(
                parent, QString::fromUtf8(text), QRect(kCaptionX, kFirstTop + line * kPitch + 3, kCaptionWidth, 16));
        QLineEdit *e = EditKit::makeEdit(parent, row);
        e->setFont(editFont);
        e->setGeometry(x, kFirstTop + line * kPitch, width, kEditHeight);
        keepMouse(e);
        return e;
    };
    auto province = [&](QFrame *parent, const EditRow &row, int line) {
        caption(parent, QStringLiteral("Prov."), QRect(232, kFirstTop + line * kPitch + 3, 40, 16));
        auto *combo = new QComboBox(parent);
        combo->addItems(Provinces::codes());
        combo->setMaxVisibleItems(16);
        EditKit::applyCombo(combo, row);
        combo->setCurrentIndex(-1);
        combo->setFont(editFont);
        combo->lineEdit()->setFont(editFont);
        combo->setGeometry(276, kFirstTop + line * kPitch, 76, kEditHeight);
        keepMouse(combo);
        return combo;
    };
    auto button = [&](QFrame *parent, const char *name, const char *picture, int line, int x = 326) {
        return pictureButton(parent, QLatin1String(name), QLatin1String(picture),
            QRect(x, kFirstTop + line * kPitch, kSmallButton, kEditHeight));
    };

    // The issuing company.
    txtDitta = edit(panDitta, { .name = "txtDitta", .successor = "txtViaDitta" }, 0, 150, "Ditta emittente:");
    btnLogo = button(panDitta, "btnLogo", "tavolozza", 0, 294);
    btnCancDitta = button(panDitta, "btnCancDitta", "cancella", 0, 326);
    txtViaDitta = edit(panDitta, { .name = "txtViaDitta", .successor = "txtCapDitta" }, 1, 212, "Via e numero civico:");
    txtCapDitta = edit(panDitta, { .name = "txtCapDitta", .successor = "txtCittaDitta" }, 2, 86, "CAP:");
    txtProvDitta
        = province(panDitta, { .name = "txtProvDitta", .successor = "txtIvaDitta", .casing = Casing::UpperTyping }, 2);
    txtCittaDitta = edit(panDitta, { .name = "txtCittaDitta", .successor = "txtProvDitta" }, 3, 212, "Citt\u00E0:");
    txtIvaDitta = edit(panDitta, { .name = "txtIvaDitta", .successor = "txtCodFiscDitta", .filter = Filter::Numeric },
        4, 180, "Partita IVA:");
    txtIvaDitta->setAttribute(Qt::WA_InputMethodEnabled, false);
    btnIvaDitta = button(panDitta, "btnIvaDitta", "spunta", 4);
    txtCodFiscDitta
        = edit(panDitta, { .name = "txtCodFiscDitta", .successor = "txtLibero01", .casing = Casing::UpperTyping }, 5,
            180, "Codice fiscale:");
    btnCodFiscDitta = button(panDitta, "btnCodFiscDitta", "spunta", 5);
    txtLibero01 = edit(panDitta, { .name = "txtLibero01", .successor = "txtLibero02" }, 6, 212, "Campo libero 1:");
    txtLibero02 = edit(panDitta, { .name = "txtLibero02", .successor = "txtCliente" }, 7, 212, "Campo libero 2:");

    // The customer.
    txtCliente = edit(panCliente, { .name = "txtCliente", .successor = "txtViaCliente" }, 0, 180, "Cliente:");
    impCliente = button(panCliente, "impCliente", "importa", 0);
    txtViaCliente
        = edit(panCliente, { .name = "txtViaCliente", .successor = "txtCapCliente" }, 1, 212, "Via e numero civico:");
    txtCapCliente = edit(panCliente, { .name = "txtCapCliente", .successor = "txtCittaCliente" }, 2, 86, "CAP:");
    txtProvCliente = province(panCliente,
        { .name = "txtProvCliente", .successor = "txtIvaCliente", .casing = Casing::UpperTypingAndExit }, 2);
    txtCittaCliente
        = edit(panCliente, { .name = "txtCittaCliente", .successor = "txtProvCliente" }, 3, 212, "Citt\u00E0:");
    txtIvaCliente
        = edit(panCliente, { .name = "txtIvaCliente", .successor = "txtCodFiscCliente", .filter = Filter::Numeric }, 4,
            180, "Partita IVA:");
    txtIvaCliente->setAttribute(Qt::WA_InputMethodEnabled, false);
    btnIvaCliente = button(panCliente, "btnIvaCliente", "spunta", 4);
    txtCodFiscCliente = edit(panCliente,
        { .name = "txtCodFiscCliente", .successor = "txtRiferimenti", .casing = Casing::UpperTyping }, 5, 180,
        "Codice fiscale:");
    btnCodFiscCliente = button(panCliente, "btnCodFiscCliente", "spunta", 5);
    txtRiferimenti = edit(panCliente, { .name = "txtRiferimenti", .successor = "txtNumFatt" }, 6, 212, "Riferimenti:");
    cmdDatiComputer = new QPushButton(QStringLiteral("Altre informazioni"), panCliente);
    cmdDatiComputer->setObjectName(QStringLiteral("cmdDatiComputer"));
    cmdDatiComputer->setFont(Style::verdana(8, true));
    cmdDatiComputer->setCursor(Qt::PointingHandCursor);
    cmdDatiComputer->setGeometry(kEditX, kFirstTop + 7 * kPitch, 212, kEditHeight + 2);
    memVeicolo = WindowKit::hiddenLabel(panCliente, "memVeicolo");
    memMarca = WindowKit::hiddenLabel(panCliente, "memMarca");
    memColore = WindowKit::hiddenLabel(panCliente, "memColore");
    memImmatricolazione = WindowKit::hiddenLabel(panCliente, "memImmatricolazione");
    memAlimentazione = WindowKit::hiddenLabel(panCliente, "memAlimentazione");
    memTarga = WindowKit::hiddenLabel(panCliente, "memTarga");

    // The quote's own data: captions above the edits in the narrow panel.
    rectangle(panNumFattura, QStringLiteral("shpNumFattura"), QRect(4, 3, 201, 46), Style::css(Style::AmountFill));
    auto stacked = [&](const EditRow &row, int item, int width, const char *text) {
        caption(panNumFattura, QString::fromUtf8(text), QRect(8, 6 + 48 * item, 193, 15));
        QLineEdit *e = EditKit::makeEdit(panNumFattura, row);
        e->setFont(editFont);
        e->setGeometry(8, 23 + 48 * item, width, kEditHeight);
        keepMouse(e);
        return e;
    };
    txtNumFatt = stacked({ .name = "txtNumFatt", .successor = "txtData" }, 0, 193, "Preventivo n.");
    txtNumFatt->setAlignment(Qt::AlignCenter);
    txtData = stacked({ .name = "txtData", .successor = "txtPagamento" }, 1, 160, "Data emissione:");
    impOggi = pictureButton(panNumFattura, QStringLiteral("impOggi"), QStringLiteral("importa"),
        QRect(175, 23 + 48, kSmallButton, kEditHeight));
    txtPagamento = stacked({ .name = "txtPagamento", .successor = "txtBanca" }, 2, 193, "Pagamento:");
    txtBanca = stacked({ .name = "txtBanca", .successor = "txtIban" }, 3, 193, "Banca d'appoggio:");
    txtIban = stacked({ .name = "txtIban", .successor = "txtNote", .casing = Casing::UpperTyping }, 4, 193, "IBAN:");

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

    for (QFrame *p : { panDitta, panCliente, panNumFattura })
        addHintBackground(p);
    addHintBackground(panNumFattura->findChild<QFrame *>(QStringLiteral("shpNumFattura")));
}

void TfrmPreventivi::buildRows()
{
    const QFont rowFont = Style::verdana(12, true);
    const QFont titleFont = Style::verdana(9, true);
    const char letters[] = "ABCDEF";
    for (int page = 0; page < kPages; ++page) {
        const QString letter = QString(QLatin1Char(letters[page]));
        auto *grp = new QFrame(panContainer);
        grp->setObjectName(QStringLiteral("grpPage%1").arg(two(page + 1)));
        grp->setGeometry(24, 350, 945, 230);
        grp->setStyleSheet(
            Style::sheet(
                QStringLiteral(
                    "#%1 { background: @RowPageFill; border: 1px solid @SectionEdge; border-radius: 6px; }"
                    "QFrame[role=\"importo\"] { background: @AmountFill; border: none; border-radius: 5px; }"
                    "QFrame[role=\"arrow\"] { background: white; border: 1px solid @SectionEdge; border-radius: 5px; }"
                    "QLabel[role=\"number\"] { color: @Maroon; }"
                    "QLabel[role=\"column\"] { color: @DarkBlue; }"
                    "QLabel[role=\"title\"] { color: white; border-radius: 5px; background: "
                    "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandTop, stop:1 @CommandBottom); }"))
                .arg(grp->objectName())
            + EditorWindow::smallButtonStyle());
        grpPage[page] = grp;
        addHintBackground(grp);

        QFrame *back = pageShape(grp, QStringLiteral("shpIndietro_") + letter, QRect(8, 8, 50, 30), "arrow");
        QFrame *forth = pageShape(grp, QStringLiteral("shpAvanti_") + letter, QRect(887, 8, 50, 30), "arrow");
        auto *title = new QLabel(
            QStringLiteral("Articoli del preventivo: righe da %1 a %2").arg(page * 5 + 1).arg(page * 5 + 5), grp);
        title->setObjectName(QStringLiteral("titProdotti_") + letter);
        title->setGeometry(64, 8, 817, 30);
        title->setAlignment(Qt::AlignCenter);
        title->setFont(Style::verdana(10, true));
        title->setProperty("role", QStringLiteral("title"));
        for (QWidget *area :
            { static_cast<QWidget *>(back), static_cast<QWidget *>(forth), static_cast<QWidget *>(title) })
            addHintBackground(area);

        // The arrows: active ones with a hand; page 1 has no way back, page 6 none forward.
        auto arrow = [&](const QString &name, const char *picture, int x, bool active) {
            QLabel *img = Art::pictureLabel(grp, name.toLatin1().constData(), QLatin1String(picture), QSize(22, 15));
            img->setGeometry(x, 16, 22, 15);
            if (active)
                img->setCursor(Qt::PointingHandCursor);
            else {
                img->setEnabled(false);
                img->setAttribute(Qt::WA_NoMousePropagation);
            }
            return img;
        };
        imgIndietro[page] = arrow(QStringLiteral("imgIndietro_") + letter, "indietro", 20, page > 0);
        imgAvanti[page] = arrow(QStringLiteral("imgAvanti_") + letter, "avanti", 902, page < kPages - 1);
        if (page > 0) {
            WindowKit::onClick(imgIndietro[page], [this, page]() { turnTo(page); });
            addHint(imgIndietro[page], QStringLiteral("Visualizza i cinque articoli precedenti."));
        }
        if (page < kPages - 1) {
            WindowKit::onClick(imgAvanti[page], [this, page]() { turnTo(page + 2); });
            addHint(imgAvanti[page], QStringLiteral("Visualizza i prossimi cinque articoli."));
        }

        const struct {
            const char *text;
            int x;
        } titles[] = { { "Quant.", 44 }, { "Codice articolo:", 108 }, { "Descrizione:", 260 }, { "Prezzo:", 570 },
            { "% Sc.", 688 }, { "Importo tot.", 752 }, { "Es.", 871 } };
        for (const auto &t : titles) {
            QLabel *l = caption(grp, QString::fromUtf8(t.text), QRect(t.x, 46, 120, 16), 9, true);
            l->setFont(titleFont);
            l->setProperty("role", QStringLiteral("column"));
        }

        for (int place = 0; place < 5; ++place) {
            const int i = page * 5 + place; // 0-based row
            const QString nn = two(i + 1);
            const int y = kRowTop + kRowPitch * place;
            QLabel *number = caption(grp, QStringLiteral("%1.").arg(i + 1), QRect(6, y + 2, 30, 18), 12, true);
            number->setObjectName(QStringLiteral("lblNum") + nn);
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            number->setProperty("role", QStringLiteral("number"));

            auto rowEdit = [&](const QString &name, const QString &successor, int x, int width, Filter filter,
                               Qt::Alignment align) {
                const QByteArray n = name.toLatin1(), s = successor.toLatin1();
                QLineEdit *e
                    = EditKit::makeEdit(grp, { .name = n.constData(), .successor = s.constData(), .filter = filter });
                e->setFont(rowFont);
                e->setAlignment(align);
                e->setGeometry(x, y, width, kEditHeight);
                keepMouse(e);
                return e;
            };
            txtQuant[i] = rowEdit(QStringLiteral("txtQuant") + nn, QStringLiteral("txtCodice") + nn, 44, 54,
                Filter::None, Qt::AlignCenter);
            txtCodice[i] = rowEdit(QStringLiteral("txtCodice") + nn, QStringLiteral("txtDesc") + nn, 108, 142,
                Filter::None, Qt::AlignLeft | Qt::AlignVCenter);
            txtDesc[i] = rowEdit(QStringLiteral("txtDesc") + nn, QStringLiteral("txtPrezzo") + nn, 260, 300,
                Filter::QuoteDescription, Qt::AlignLeft | Qt::AlignVCenter);
            txtPrezzo[i] = rowEdit(QStringLiteral("txtPrezzo") + nn, QStringLiteral("txtPercSconto") + nn, 570, 108,
                Filter::None, Qt::AlignRight | Qt::AlignVCenter);
            txtPercSconto[i] = rowEdit(QStringLiteral("txtPercSconto") + nn, QStringLiteral("chkEs") + nn, 688, 54,
                Filter::None, Qt::AlignCenter);

            pageShape(grp, QStringLiteral("shpImporto") + nn, QRect(752, y, 108, kEditHeight), "importo");
            addHintBackground(grp->findChild<QFrame *>(QStringLiteral("shpImporto") + nn));
            txtImporto[i] = caption(grp, QString(), QRect(756, y + 2, 100, 18), 10, true);
            txtImporto[i]->setObjectName(QStringLiteral("txtImporto") + nn);
            txtImporto[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

            chkEs[i] = new QCheckBox(grp);
            chkEs[i]->setObjectName(QStringLiteral("chkEs") + nn);
            chkEs[i]->setGeometry(871, y - 1, 26, 25);
            chkEs[i]->setCursor(Qt::PointingHandCursor);
            addHint(chkEs[i], QStringLiteral("Contrassegna come articolo esente da IVA."));

            impMag[i] = pictureButton(
                grp, QStringLiteral("impMag") + nn, QStringLiteral("listino"), QRect(910, y, 22, 22), false);
            addHint(impMag[i], QStringLiteral("Importa i dati dell'articolo dal listino prezzi."));
            connect(impMag[i], &QPushButton::clicked, this,
                [this, i]() { TfrmImportaMagazzinoDoc::openForRow(this, i + 1); });
        }
        grp->setVisible(page == 0);
    }

    // Page 1: the exempt boxes of rows 04 and 05 come after every other field.
    QList<QWidget *> order;
    for (int i = 0; i < 5; ++i) {
        order << txtQuant[i] << txtCodice[i] << txtDesc[i] << txtPrezzo[i] << txtPercSconto[i];
        if (i < 3)
            order << chkEs[i];
    }
    order << chkEs[3] << chkEs[4];
    for (qsizetype k = 0; k + 1 < order.size(); ++k)
        setTabOrder(order.at(k), order.at(k + 1));
}

void TfrmPreventivi::buildTotals()
{
    const QFont totalFont = Style::verdana(10, true);
    auto total = [&](const char *shapeName, const char *name, const char *text, int x, int width) {
        caption(panContainer, QString::fromUtf8(text), QRect(x + 2, 582, width, 15));
        QFrame *frame = rectangle(panContainer, QLatin1String(shapeName), QRect(x, 598, width, 26),
            Style::css(Style::AmountFill), Style::css(Style::AmountEdge));
        frame->raise();
        addHintBackground(frame);
        QLabel *label = caption(frame, QString(), QRect(4, 3, width - 8, 20), 10, true);
        label->setObjectName(QLatin1String(name));
        label->setFont(totalFont);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    txtTotImponibile = total("shpTotImponibile", "txtTotImponibile", "Tot. imponibile:", 24, 120);

    caption(panContainer, QStringLiteral("IVA:"), QRect(156, 582, 47, 15));
    txtPercIva = EditKit::makeEdit(panContainer, { .name = "txtPercIva", .successor = "txtNote" });
    txtPercIva->setFont(Style::verdana(12, true));
    txtPercIva->setAlignment(Qt::AlignCenter);
    txtPercIva->setGeometry(154, 600, 47, kEditHeight);
    keepMouse(txtPercIva);
    caption(panContainer, QStringLiteral("%"), QRect(205, 602, 14, 18), 10, true);

    txtTotImposta = total("shpTotImposta", "txtTotImposta", "Tot. imposta:", 224, 120);
    txtTotIva = total("shpTotIva", "txtTotIva", "Tot. IVA inclusa:", 352, 130);
    txtTotEsente = total("shpTotEsente", "txtTotEsente", "Tot. esente:", 490, 120);

    cmdCalcola = new QPushButton(QStringLiteral("Calcola"), panContainer);
    cmdCalcola->setObjectName(QStringLiteral("cmdCalcola"));
    cmdCalcola->setFont(Style::verdana(10, true));
    cmdCalcola->setCursor(Qt::PointingHandCursor);
    cmdCalcola->setGeometry(620, 597, 96, 28);
    addHint(cmdCalcola, QStringLiteral("Effettua il calcolo dei totali."));
    connect(cmdCalcola, &QPushButton::clicked, this, [this]() { calculate(); });

    QFrame *grand = rectangle(panContainer, QStringLiteral("shpTotFattura"), QRect(726, 592, 243, 36),
        Style::css(Style::GrandTotalFill), Style::css(Style::GrandTotalEdge));
    grand->raise();
    addHintBackground(grand);
    caption(grand, QStringLiteral("TOTALE:"), QRect(8, 8, 80, 20), 11, true);
    txtTotFattura = caption(grand, QString(), QRect(84, 6, 151, 24), 12, true);
    txtTotFattura->setObjectName(QStringLiteral("txtTotFattura"));
    txtTotFattura->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Quantities, prices, discounts, the VAT rate and the amounts always show whole.
    for (int i = 0; i < kRows; ++i) {
        for (QLineEdit *edit : { txtQuant[i], txtPrezzo[i], txtPercSconto[i] })
            TextFit::keepWhole(edit);
        TextFit::keepWhole(txtImporto[i]);
    }
    TextFit::keepWhole(txtPercIva);
    for (QLabel *label : totals())
        TextFit::keepWhole(label);

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

    caption(panContainer, QStringLiteral("NOTE:"), QRect(478, 651, 46, 16), 9, true);
    txtNote = EditKit::makeEdit(panContainer, { .name = "txtNote", .successor = "txtDitta" });
    txtNote->setFont(Style::verdana(10));
    txtNote->setGeometry(524, 648, 342, kEditHeight);
    keepMouse(txtNote);
    chkSaldata = new QCheckBox(QStringLiteral("In sospeso"), panContainer);
    chkSaldata->setObjectName(QStringLiteral("chkSaldata"));
    chkSaldata->setFont(Style::verdana(9, true));
    chkSaldata->setCursor(Qt::PointingHandCursor);
    chkSaldata->setGeometry(878, 647, 100, 25);
    addHint(chkSaldata, QStringLiteral("Contrassegna come preventivo in sospeso."));
}

void TfrmPreventivi::buildCommands()
{
    const QList<QPushButton *> buttons = addCommands({
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
    QPushButton **members[] = { &cmdNuovo, &cmdSalva, &cmdTrova, &cmdSospese, &cmdAnteprima, &cmdStampa, &cmdPDF,
        &cmdNumerazione, &cmdEsporta, &cmdGuida, &cmdEsci };
    for (int i = 0; i < buttons.size(); ++i)
        *members[i] = buttons.at(i);
    layOutBar();
    addHint(cmdPrimo, QStringLiteral("Visualizza il primo preventivo in archivio."));
    addHint(cmdIndietro, QStringLiteral("Visualizza il preventivo precedente in archivio."));
    addHint(cmdAvanti, QStringLiteral("Visualizza il preventivo successivo in archivio."));
    addHint(cmdUltimo, QStringLiteral("Visualizza l'ultimo preventivo in archivio."));

    // The command groups on their backgrounds.
    const struct {
        const char *name;
        QList<QWidget *> members;
    } groups[] = {
        { "shpNuovo", { cmdNuovo, cmdSospese } },
        { "shpStampa", { cmdAnteprima, cmdPDF } },
        { "shpRecord", { cmdPrimo, cmdUltimo } },
        { "shpNumerazione", { cmdNumerazione, cmdEsporta } },
        { "shpEsci", { cmdGuida, cmdEsci } },
    };
    for (const auto &g : groups) {
        const QRect area = g.members.first()->geometry().united(g.members.last()->geometry()).adjusted(-4, -8, 4, 8);
        QFrame *frame = rectangle(
            panContainer, QLatin1String(g.name), area, Style::css(Style::GroupFill), Style::css(Style::GroupEdge));
        frame->lower();
        addHintBackground(frame);
    }
    QFrame *bar
        = rectangle(panContainer, QStringLiteral("shpInfo"), panInfo->geometry(), Style::css(Style::QuoteHintColour));
    addHintBackground(bar);
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

void TfrmPreventivi::layOutBar()
{
    // Eleven commands and the navigation strip span the top of the panel from
    // x 16 to x 976, the room left over shared by the gaps between the groups.
    const QList<QList<QPushButton *>> groups = { { cmdNuovo, cmdSalva, cmdTrova, cmdSospese },
        { cmdAnteprima, cmdStampa, cmdPDF }, {}, { cmdNumerazione, cmdEsporta }, { cmdGuida, cmdEsci } };
    const QList<QWidget *> strip = { cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo };
    const int stripLeft = cmdPrimo->x();
    const int stripWidth = cmdUltimo->geometry().right() + 1 - stripLeft;
    constexpr int left = 16, right = 976, spacing = 4, padding = 14;
    QFont font = cmdNuovo->font();
    QList<int> widths;
    int gap = 0;
    for (int pixels = Style::pixelsForPoints(11); pixels >= 9; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        widths.clear();
        int used = stripWidth;
        for (const auto &group : groups) {
            for (QPushButton *button : group) {
                widths.append(metrics.horizontalAdvance(button->text()) + padding);
                used += widths.last();
            }
            used += spacing * qMax(0, int(group.size()) - 1);
        }
        gap = (right - left - used) / int(groups.size() - 1);
        if (gap >= 10)
            break;
    }
    int x = left, k = 0;
    for (const auto &group : groups) {
        if (group.isEmpty()) {
            for (QWidget *w : strip)
                w->move(w->x() - stripLeft + x, w->y());
            x += stripWidth;
        }
        for (int i = 0; i < group.size(); ++i) {
            QPushButton *button = group.at(i);
            button->setFont(font);
            button->setGeometry(x, button->y(), widths.at(k++), button->height());
            x += button->width() + (i + 1 < group.size() ? spacing : 0);
        }
        x += gap;
    }
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
