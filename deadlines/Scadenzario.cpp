#include "deadlines/Scadenzario.h"

#include "app/checkers/OpenChecker.h"
#include "app/dialogs/Guida.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/SearchMatch.h"
#include "common/TextRoutines.h"
#include "common/YearFile.h"
#include "common/ui/AlertSound.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/PickList.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DateLists.h"
#include "deadlines/DeadlineCard.h"
#include "deadlines/DeadlineControls.h"
#include "deadlines/ExpScadenzario.h"
#include "deadlines/Summaries.h"
#include "deadlines/TrovaScadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "deadlines/core/Imminence.h"
#include "dogs/TrovaCani.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TfrmScadenzario *frmScadenzario = nullptr;

const QString TfrmScadenzario::kAppended = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
const QString TfrmScadenzario::kYearWarning
    = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

namespace
{

using EditKit::Casing;
using EditKit::EditRow;
using EditKit::Filter;

constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;
constexpr int kCaptionHeight = 15;
constexpr int kFrameMargin = 4;
constexpr int kEditHeight = 26;
constexpr int kSelectorHeight = 30;

// The month names of the month selector, lower-cased, in calendar order.
const QStringList &monthsLower()
{
    static const QStringList months = [] {
        QStringList out;
        for (const QString &m : PickList::months())
            out.append(AsciiLower(m));
        return out;
    }();
    return months;
}

bool allDigits(const QString &text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int n = from; n <= to; ++n)
        out.append(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    return out;
}

// One edit of the record editor: its record field (name and typing limit),
// the field Enter moves to, its caption and place, its filter.
struct FieldRow {
    DeadlineRecord::Field field;
    DeadlineRecord::Field successor;
    const char *caption;
    int top; // caption top
    int x;
    int width;
    Filter filter = Filter::None;
    Casing casing = Casing::None;
    Qt::Alignment align = Qt::AlignLeft;
    int amountDecimals = 0;
};

// Rows of captions and edits; a section starts at rows 1 (the dog), 3 (the
// appointment), 4 (the payment) and 5 (confirmation and notes), each after a
// gap that keeps the section tiles apart.
constexpr int kRow0 = 140;
constexpr int kRowPitch = 50;
constexpr int kSectionGap = 12;
constexpr int rowTop(int row)
{
    return kRow0 + row * kRowPitch + kSectionGap * ((row >= 1) + (row >= 3) + (row >= 4) + (row >= 5));
}

const QList<FieldRow> &fieldRows()
{
    using namespace DeadlineRecord;
    static const QList<FieldRow> rows = {
        { Proprietario, CodFisc, "Proprietario:", rowTop(0), 20, 330 },
        { CodFisc, Recapito, "Codice fiscale:", rowTop(0), 362, 224, Filter::None, Casing::UpperKeyUp },
        { Recapito, Nome, "Telefono preferenziale:", rowTop(0), 632, 188 },
        { Nome, DataNasc, "Nome cane:", rowTop(1), 20, 260 },
        { DataNasc, Razza, "Data nascita:", rowTop(1), 292, 196 },
        { Razza, Mantello, "Razza:", rowTop(1), 500, 320 },
        { Mantello, Microchip, "Colore mantello:", rowTop(2), 20, 260 },
        { Microchip, Segni, "Codice microchip:", rowTop(2), 292, 196 },
        { Segni, Persona, "Segni particolari:", rowTop(2), 500, 320 },
        { Persona, Dettagli, "Persona da incontrare:", rowTop(3), 20, 300 },
        { Dettagli, Officina, "Causale scadenza:", rowTop(3), 332, 488 },
        { Officina, Costo, "Modalit\u00E0 di pagamento:", rowTop(4), 20, 380 },
        { Costo, Contatto, "Importo in euro:", rowTop(4), 412, 140, Filter::Amount, Casing::None, Qt::AlignRight, 4 },
        { Contatto, Note, "Estremi ricevuta:", rowTop(4), 564, 256 },
        { Note, Giorno, "Note:", rowTop(5) + 34, 20, 560 },
    };
    return rows;
}

// The sections of the record editor behind the fields: first and last caption top.
struct Section {
    const char *name;
    int top;
    int bottom;
};

} // namespace

// ---------------------------------------------------------------------------

TfrmScadenzario::TfrmScadenzario(QWidget *parent)
    : EditorWindow({ .caption = QStringLiteral(" Kennora - Scadenze e Appuntamenti"),
                       .objectName = QLatin1String(WindowNames::frmScadenzario),
                       .panel = QSize(kPanelWidth, kPanelHeight),
                       .layout = CommandLayout::Column,
                       .commandOrigin = QPoint(kPanelWidth - 8 - kColumnButton.width(), 10),
                       .gradientTop = Style::SteelGround },
        parent)
{
    buildStartPanel();
    buildFields();
    buildCommands();
    buildArchiveEditor();
    finishWindow();
    showStartPanel(true);
}

// ---- the start panel --------------------------------------------------------

void TfrmScadenzario::buildStartPanel()
{
    panAvvio = new QFrame(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setFixedSize(kPanelWidth, kPanelHeight);
    panAvvio->setStyleSheet(Style::sheet(QStringLiteral(
        "#panAvvio { background: @PanelFill; border: 1px solid @PanelEdge; border-radius: 10px; }"
        "QLabel { color: @TextInk; }"
        "QFrame[section=\"true\"] { background: white; border: 1px solid @SectionEdge; border-radius: 8px; }")));

    imgTitolo = new QLabel(QStringLiteral("SCADENZE E APPUNTAMENTI"), panAvvio);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setFont(Style::shellFont(26, true));
    imgTitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    imgTitolo->setAlignment(Qt::AlignCenter);
    imgTitolo->setGeometry(80, 14, kPanelWidth - 160, 56);

    auto section = [this](const char *name, const QRect &r) {
        auto *frame = new QFrame(panAvvio);
        frame->setObjectName(QLatin1String(name));
        frame->setProperty("section", true);
        frame->setGeometry(r);
        return frame;
    };
    auto text = [this](const char *name, const QString &caption, const QRect &r, qreal points, bool bold) {
        auto *label = new QLabel(caption, panAvvio);
        label->setObjectName(QLatin1String(name));
        label->setFont(Style::verdana(points, bold));
        label->setWordWrap(true);
        label->setGeometry(r);
        return label;
    };
    const QString buttonStyle = Style::sheet(QStringLiteral(
        "QPushButton { color: white; font-weight: bold; border: 1px solid @CommandEdge; border-radius: 6px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandTop, stop:1 @CommandBottom); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandHoverTop, stop:1 "
        "@CommandHoverBottom); }"
        "QPushButton:focus { border: 2px solid @FocusGold; }"
        "QPushButton:disabled { color: @CommandDisabledText; border-color: @CommandDisabledEdge; background: "
        "@CommandDisabledFill; }"));
    auto button = [&](const char *name, const QString &caption, const QRect &r) {
        auto *b = new QPushButton(caption, panAvvio);
        b->setObjectName(QLatin1String(name));
        b->setFont(Style::shellFont(11, true));
        b->setStyleSheet(buttonStyle);
        b->setCursor(Qt::PointingHandCursor);
        b->setGeometry(r);
        return b;
    };

    // The imminent deadlines: banner, OK and its labels.
    section("shpImminenti", QRect(20, 84, kPanelWidth - 40, 131));
    imgAssenti = Art::pictureLabel(panAvvio, "imgAssenti", QStringLiteral("scadenze-assenti"), QSize(634, 95));
    imgAssenti->move(36, 102);
    imgPresenti = Art::pictureLabel(panAvvio, "imgPresenti", QStringLiteral("scadenze-presenti"), QSize(634, 95));
    imgPresenti->move(36, 102);
    imgPresenti->hide();
    lblInfo06
        = text("lblInfo06", QStringLiteral("Visualizza le scadenze imminenti."), QRect(690, 98, 270, 20), 10, true);
    lblOK = text("lblOK", QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."), QRect(690, 120, 270, 36),
        9, false);
    btnOK = button("btnOK", QStringLiteral("OK"), QRect(690, 162, 110, 36));

    // The year to open.
    section("shpAnno", QRect(20, 232, 440, 250));
    lblInfo05 = text("lblInfo05", QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."),
        QRect(40, 250, 400, 44), 10, true);
    lblApri
        = text("lblApri", QStringLiteral("Indicare l'anno solare e premere Apri."), QRect(40, 304, 400, 20), 9, false);
    txtAnno = EditKit::makeEdit(panAvvio,
        EditRow { .name = "txtAnno",
            .maxLength = 4,
            .successor = "btnApri",
            .filter = Filter::Numeric,
            .look = EditKit::Look::None });
    txtAnno->setFont(Style::verdana(22, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setGeometry(40, 344, 150, 48);
    btnApri = button("btnApri", QStringLiteral("Apri"), QRect(210, 350, 110, 36));

    // The calendar and the date lists.
    section("shpCalendario", QRect(480, 232, kPanelWidth - 500, 370));
    calAppuntamenti = new QCalendarWidget(panAvvio);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(500, 250, 290, 230);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setSelectedDate(Clock::today()); // once, at start-up
    icoIstruzioni = text("icoIstruzioni",
        QStringLiteral("Selezionare una data dal calendario e fare clic sui pulsanti in calce per visualizzare le "
                       "scadenze relative a un giorno o a un mese dell'anno."),
        QRect(806, 256, 160, 200), 9, false);
    icoIstruzioni->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    btnGiorno = button("btnGiorno", QStringLiteral("SCADENZE DEL GIORNO"), QRect(500, 500, 220, 40));
    btnMese = button("btnMese", QStringLiteral("SCADENZE DEL MESE"), QRect(736, 500, 220, 40));

    imgGuida = Art::pictureLabel(panAvvio, "imgGuida", QStringLiteral("guida"), QSize(48, 48));
    imgGuida->move(24, kPanelHeight - 72);
    imgEsci = Art::pictureLabel(panAvvio, "imgEsci", QStringLiteral("esci"), QSize(48, 48));
    imgEsci->move(kPanelWidth - 72, kPanelHeight - 72);
    for (QLabel *picture : { imgGuida, imgEsci })
        picture->setCursor(Qt::PointingHandCursor);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    imgEsci->setToolTip(QStringLiteral("Esci"));

    lblFile = WindowKit::hiddenLabel(panAvvio, "lblFile");

    connect(btnApri, &QPushButton::clicked, this, &TfrmScadenzario::openYear);
    connect(
        btnOK, &QPushButton::clicked, this, [this] { DeadlineDateList::open(this, DeadlineDateList::Rule::Imminent); });
    connect(
        btnGiorno, &QPushButton::clicked, this, [this] { DeadlineDateList::open(this, DeadlineDateList::Rule::Day); });
    connect(
        btnMese, &QPushButton::clicked, this, [this] { DeadlineDateList::open(this, DeadlineDateList::Rule::Month); });
    WindowKit::onClick(imgGuida, [this] { ShowHelp(this, HelpTopic::Deadlines); });
    WindowKit::onClick(imgEsci, [this] { close(); });
}

// ---- the record editor --------------------------------------------------------

void TfrmScadenzario::buildFields()
{
    const QFont captionFont = Style::verdana(9, true);
    const QFont editFont = Style::verdana(12, true);

    // Section tiles behind the fields.
    const Section sections[] = {
        { "shpProprietario", rowTop(0), rowTop(0) },
        { "shpCane", rowTop(1), rowTop(2) },
        { "shpAppuntamento", rowTop(3), rowTop(3) },
        { "shpPagamento", rowTop(4), rowTop(4) },
    };
    for (const Section &s : sections) {
        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QLatin1String(s.name));
        frame->setProperty("section", true);
        frame->setGeometry(10, s.top - 6, 820, s.bottom - s.top + kCaptionHeight + kFrameMargin + kEditHeight + 12);
        addHintBackground(frame);
    }

    // Date and time: the four selectors.
    auto group = [&](const char *name, const QString &title, const QRect &r) {
        auto *box = new QGroupBox(title, panContainer);
        box->setObjectName(QLatin1String(name));
        box->setFont(captionFont);
        box->setGeometry(r);
        addHintBackground(box);
        return box;
    };
    grpData = group("grpData", QStringLiteral(" Data scadenza: "), QRect(10, 8, 506, 82));
    grpOra = group("grpOra", QStringLiteral(" Ora appuntamento: "), QRect(528, 8, 302, 82));
    auto caption = [&](QWidget *parent, const QString &textValue, const QRect &r) {
        auto *label = new QLabel(textValue, parent);
        label->setFont(captionFont);
        label->setGeometry(r);
        return label;
    };
    auto selector
        = [&](QWidget *parent, const char *name, const QStringList &values, const char *successor, const QRect &r) {
              auto *p = new PickList(
                  parent, QLatin1String(name), values, PickList::Compare::CaseIncluded, QLatin1String(successor));
              p->setTabDiscarded(true);
              p->setDeselectOnFocus(true);
              p->setFont(editFont);
              p->lineEdit()->setFont(editFont);
              p->setMaxVisibleItems(12);
              p->setGeometry(r);
              return p;
          };
    caption(grpData, QStringLiteral("Giorno:"), QRect(14, 36, 56, 22));
    txtGiorno = selector(grpData, "txtGiorno", PickList::days(), "txtMese", QRect(72, 32, 76, kSelectorHeight));
    caption(grpData, QStringLiteral("Mese:"), QRect(166, 36, 44, 22));
    txtMese = selector(grpData, "txtMese", PickList::months(), "txtOreApp", QRect(212, 32, 170, kSelectorHeight));
    lblAnno = new QLabel(QStringLiteral("ANNO"), grpData);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    lblAnno->setFont(Style::verdana(18, true));
    lblAnno->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue;")));
    lblAnno->setGeometry(398, 28, 100, 40);
    lblData = WindowKit::hiddenLabel(grpData, "lblData");

    caption(grpOra, QStringLiteral("Ore:"), QRect(14, 36, 36, 22));
    txtOreApp = selector(grpOra, "txtOreApp", numbers(0, 23), "txtMinutiApp", QRect(52, 32, 72, kSelectorHeight));
    auto *colon = caption(grpOra, QStringLiteral(":"), QRect(132, 34, 10, 22));
    colon->setFont(Style::verdana(12, true));
    caption(grpOra, QStringLiteral("Minuti:"), QRect(150, 36, 56, 22));
    txtMinutiApp = selector(grpOra, "txtMinutiApp", numbers(0, 59), "txtAvviso", QRect(210, 32, 72, kSelectorHeight));
    lblOra = WindowKit::hiddenLabel(grpOra, "lblOra");

    // The notice.
    caption(panContainer, QStringLiteral("Avvisa n."), QRect(20, 104, 80, 22));
    txtAvviso = EditKit::makeEdit(
        panContainer, EditRow { .name = "txtAvviso", .successor = "txtProprietario", .filter = Filter::Numeric });
    txtAvviso->setFont(editFont);
    txtAvviso->setAlignment(Qt::AlignCenter);
    txtAvviso->setGeometry(100, 100, 64, kEditHeight);
    caption(panContainer, QStringLiteral("giorni prima della scadenza."), QRect(176, 104, 300, 22));

    // The fields in rows.
    for (const FieldRow &row : fieldRows()) {
        const QByteArray name = DeadlineControls::name(row.field).toLatin1();
        const QByteArray successor = DeadlineControls::name(row.successor).toLatin1();
        const EditRow edit { .name = name.constData(),
            .successor = successor.constData(),
            .filter = row.filter,
            .casing = row.casing,
            .amountDecimals = row.amountDecimals };
        auto *label = new QLabel(QString::fromUtf8(row.caption), panContainer);
        label->setObjectName(QStringLiteral("lbl") + DeadlineRecord::layout().name(row.field));
        label->setFont(captionFont);
        label->setGeometry(20 + row.x - 20, row.top, row.width + 40, kCaptionHeight);
        QLineEdit *line = EditKit::makeEdit(panContainer, edit);
        line->setFont(editFont);
        line->setAlignment(row.align);
        line->setGeometry(row.x, row.top + kCaptionHeight + kFrameMargin, row.width, kEditHeight);
    }
    auto edit = [this](const char *name) { return panContainer->findChild<QLineEdit *>(QLatin1String(name)); };
    txtProprietario = edit("txtProprietario");
    txtCodFisc = edit("txtCodFisc");
    txtRecapito = edit("txtRecapito");
    txtNome = edit("txtNome");
    txtDataNasc = edit("txtDataNasc");
    txtRazza = edit("txtRazza");
    txtMantello = edit("txtMantello");
    txtMicrochip = edit("txtMicrochip");
    txtSegni = edit("txtSegni");
    txtPersona = edit("txtPersona");
    txtDettagli = edit("txtDettagli");
    txtOfficina = edit("txtOfficina");
    txtCosto = edit("txtCosto");
    txtContatto = edit("txtContatto");
    txtNote = edit("txtNote");

    // The checker beside the fiscal code.
    btnCodFisc = new QPushButton(panContainer);
    btnCodFisc->setObjectName(QStringLiteral("btnCodFisc"));
    btnCodFisc->setIcon(QIcon(Art::pixmap(QStringLiteral("spunta"), QSize(22, 22))));
    btnCodFisc->setIconSize(QSize(22, 22));
    btnCodFisc->setCursor(Qt::PointingHandCursor);
    btnCodFisc->setStyleSheet(smallButtonStyle());
    btnCodFisc->setFocusPolicy(Qt::NoFocus);
    btnCodFisc->setGeometry(txtCodFisc->geometry().right() + 6, txtCodFisc->y(), 30, kEditHeight);
    connect(btnCodFisc, &QPushButton::clicked, this, [this] { OpenChecker(this, TrimText(txtCodFisc->text())); });

    // Confirmation and payment.
    chkDaConfermare = new QCheckBox(QStringLiteral("Appuntamento da confermare"), panContainer);
    chkDaConfermare->setObjectName(QStringLiteral("chkDaConfermare"));
    chkDaConfermare->setFont(Style::verdana(10, true));
    chkDaConfermare->setGeometry(20, rowTop(5) + 2, 320, 26);
    auto *tile = new QFrame(panContainer);
    tile->setObjectName(QStringLiteral("shpEffettuata"));
    tile->setStyleSheet(
        Style::sheet(QStringLiteral("#shpEffettuata { background: @DoneTileFill; border: 1px solid @DoneTileEdge;"
                                    " border-radius: 6px; }")));
    tile->setGeometry(600, txtNote->y() - 6, 230, kEditHeight + 12);
    addHintBackground(tile);
    chkEffettuata = new QCheckBox(QStringLiteral("Pagamento effettuato"), panContainer);
    chkEffettuata->setObjectName(QStringLiteral("chkEffettuata"));
    chkEffettuata->setFont(Style::verdana(10, true));
    chkEffettuata->setGeometry(614, txtNote->y(), 210, kEditHeight);
    tile->lower();

    // Tab order: the selectors, then the record's order with the two check boxes.
    const QList<QWidget *> order = { txtGiorno, txtMese, txtOreApp, txtMinutiApp, txtAvviso, txtProprietario,
        txtCodFisc, txtRecapito, txtNome, txtDataNasc, txtRazza, txtMantello, txtMicrochip, txtSegni, txtPersona,
        txtDettagli, txtOfficina, txtCosto, txtContatto, chkDaConfermare, txtNote, chkEffettuata };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void TfrmScadenzario::buildCommands()
{
    const QList<QPushButton *> buttons = addCommands({
        { "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.", 0 },
        { "cmdDuplica", "Duplica",
            "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.", 0 },
        { "cmdImporta", "Importa dati", "Importa i dati dall'archivio anagrafico dei cani.", 0 },
        { "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", 0 },
        { "cmdTrova", "Trova", "Trova una scheda in archivio.", 1 },
        { "cmdStampa", "Stampa", "Stampa la scheda corrente.", 1 },
        { "cmdEsporta", "Esporta archivio", "Esporta le schede in archivio in un file di Microsoft Excel.", 1 },
        { "cmdDaConfermare", "Da confermare", "Visualizza l'elenco degli appuntamenti in attesa di conferma.", 2 },
        { "cmdDaEffettuare", "Da effettuare",
            "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non.", 2 },
        { "cmdEffettuate", "Effettuati", "Visualizza il riepilogo storico dei pagamenti effettuati.", 2 },
        { "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.", 3 },
        { "cmdEsci", "Esci", "Esci da questa schermata.", 3 },
    });
    // Each member is the command of its own name: a row added, dropped or moved above cannot shift them.
    const auto named = [this](const char *name) {
        QPushButton *button = command(QLatin1String(name));
        Q_ASSERT_X(button, "TfrmScadenzario::buildCommands", name);
        return button;
    };
    cmdNuovo = named("cmdNuovo");
    cmdDuplica = named("cmdDuplica");
    cmdImporta = named("cmdImporta");
    cmdSalva = named("cmdSalva");
    cmdTrova = named("cmdTrova");
    cmdStampa = named("cmdStampa");
    cmdEsporta = named("cmdEsporta");
    cmdDaConfermare = named("cmdDaConfermare");
    cmdDaEffettuare = named("cmdDaEffettuare");
    cmdEffettuate = named("cmdEffettuate");
    cmdGuida = named("cmdGuida");
    cmdEsci = named("cmdEsci");
    // The commands are pictures: a click leaves the focus where it was.
    for (QPushButton *b : buttons)
        b->setFocusPolicy(Qt::NoFocus);
    for (QPushButton *b : { cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo })
        b->setFocusPolicy(Qt::NoFocus);

    addHint(btnCodFisc, QStringLiteral("Controlla il codice fiscale."));
    addHint(chkDaConfermare,
        QStringLiteral("Spunta questa casella per annotare che l'appuntamento \u00E8 in attesa di conferma."));
    addHint(
        chkEffettuata, QStringLiteral("Spunta questa casella per annotare che il pagamento \u00E8 stata effettuato."));
    addHintBackground(lblPosizione);

    connect(cmdImporta, &QPushButton::clicked, this,
        [this] { TfrmTrovaCani::openPicker(this, QStringLiteral("scadenzario")); });
    connect(cmdTrova, &QPushButton::clicked, this,
        [this] { TfrmTrovaScadenzario::openPicker(this, QStringLiteral("Scadenzario")); });
    connect(cmdEsporta, &QPushButton::clicked, this, [this] { TfrmExpScadenzario::open(this); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] { DeadlineCard::print(this); });
    connect(cmdDaConfermare, &QPushButton::clicked, this,
        [this] { DeadlineSummary::open(this, DeadlineSummary::Kind::ToConfirm); });
    connect(cmdDaEffettuare, &QPushButton::clicked, this,
        [this] { DeadlineSummary::open(this, DeadlineSummary::Kind::PaymentsToMake); });
    connect(cmdEffettuate, &QPushButton::clicked, this,
        [this] { DeadlineSummary::open(this, DeadlineSummary::Kind::PaymentsMade); });
    connect(cmdGuida, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpTopic::Deadlines); });
    WindowKit::closeOnClick(cmdEsci, this);
}

void TfrmScadenzario::buildArchiveEditor()
{
    using Kind = MessageBoxes::Kind;
    const QString &must = ArchiveEditor::kMandatoryPrefix;
    auto twoCharacters
        = [](QWidget *control) { return [control] { return TrimText(ControlText::text(control)).size() >= 2; }; };

    ArchiveEditor::Setup s;
    s.layout = &DeadlineRecord::layout();
    s.path = [this] { return TrimText(lblFile->text()); };
    s.firstField = txtGiorno;
    s.appendedMessage = kAppended;
    s.duplicate = ArchiveEditor::DuplicateStep::OpensArchive;
    s.checks = {
        ArchiveEditor::mandatory(txtGiorno, must + QStringLiteral("il giorno della scadenza.")),
        ArchiveEditor::check(twoCharacters(txtGiorno), Kind::Warning,
            must + QStringLiteral("il giorno della scadenza usando due cifre."), txtGiorno),
        ArchiveEditor::mandatory(txtMese, must + QStringLiteral("il mese della scadenza.")),
        ArchiveEditor::mandatory(txtOreApp, must + QStringLiteral("l'ora dell'appuntamento.")),
        ArchiveEditor::mandatory(txtMinutiApp, must + QStringLiteral("i minuti dell'ora dell'appuntamento.")),
        ArchiveEditor::check(twoCharacters(txtOreApp), Kind::Warning,
            must + QStringLiteral("l'ora dell'appuntamento usando due cifre."), txtOreApp),
        ArchiveEditor::check(twoCharacters(txtMinutiApp), Kind::Warning,
            must + QStringLiteral("i minuti dell'ora dell'appuntamento usando due cifre."), txtMinutiApp),
        ArchiveEditor::mandatory(txtAvviso, must + QStringLiteral("i giorni di preavviso.")),
        // A notice that is not a whole number (a record loaded from a damaged
        // file) would hide the deadline from the alert: refused like an empty one.
        ArchiveEditor::check([this] { return allDigits(TrimText(txtAvviso->text())); }, Kind::Warning,
            must + QStringLiteral("i giorni di preavviso."), txtAvviso),
        ArchiveEditor::mandatory(txtProprietario, must + QStringLiteral("il nome del proprietario del cane.")),
        ArchiveEditor::mandatory(txtNome, must + QStringLiteral("il nome del cane a cui la scadenza si riferisce.")),
        ArchiveEditor::mandatory(txtDettagli, must + QStringLiteral("la causale della scadenza.")),
        // The time, from the hour and the minutes.
        [this]() -> std::optional<ArchiveEditor::Refusal> {
            lblOra->setText(TrimText(txtOreApp->currentText()) + u':' + TrimText(txtMinutiApp->currentText()));
            return std::nullopt;
        },
        ArchiveEditor::check([this] { return monthsLower().contains(AsciiLower(TrimText(txtMese->currentText()))); },
            Kind::Warning,
            QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                           "Per poter salvare la scheda \u00E8 necessario indicare una data valida."),
            txtMese),
        // The date, from the day, the month and the year of the file.
        [this]() -> std::optional<ArchiveEditor::Refusal> {
            const int month = int(monthsLower().indexOf(AsciiLower(TrimText(txtMese->currentText())))) + 1;
            lblData->setText(TrimText(txtGiorno->currentText()) + u'/'
                + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) + u'/' + TrimText(lblAnno->text()));
            if (IsValidDate(TrimText(lblData->text())))
                return std::nullopt;
            return ArchiveEditor::Refusal { Kind::Plain,
                QStringLiteral("Attenzione: la data ") + TrimText(lblData->text())
                    + QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare "
                                     "una data valida."),
                txtGiorno };
        },
        ArchiveEditor::amountFits(txtCosto, DeadlineRecord::layout().capacity(DeadlineRecord::Costo)),
    };
    setUpArchive(s, &DeadlineControls::name);
}

// ---- the steps of the commands ---------------------------------------------------

void TfrmScadenzario::clearRecord()
{
    for (PickList *p : { txtGiorno, txtMese, txtOreApp, txtMinutiApp })
        p->setCurrentIndex(-1);
    txtGiorno->setEditText(QString());
    txtMese->setEditText(QString());
    txtOreApp->setEditText(QStringLiteral("00"));
    txtMinutiApp->setEditText(QStringLiteral("00"));
    for (QLineEdit *e : { txtAvviso, txtProprietario, txtCodFisc, txtRecapito, txtNome, txtDataNasc, txtRazza,
             txtMantello, txtMicrochip, txtSegni, txtPersona, txtDettagli, txtOfficina, txtContatto, txtNote })
        e->clear();
    txtCosto->setText(QStringLiteral("0,00"));
    chkDaConfermare->setChecked(false);
    chkEffettuata->setChecked(false);
    // lblAnno, lblFile, lblData and lblOra keep their texts.
}

void TfrmScadenzario::clearScheda()
{
    archiveEditor()->newRecord();
}

void TfrmScadenzario::clearForDuplicate()
{
    EditorWindow::clearForDuplicate();
    for (PickList *p : { txtGiorno, txtMese, txtOreApp, txtMinutiApp })
        p->setCurrentIndex(-1);
    txtGiorno->setEditText(QString());
    txtMese->setEditText(QString());
    txtOreApp->setEditText(QStringLiteral("00"));
    txtMinutiApp->setEditText(QStringLiteral("00"));
}

void TfrmScadenzario::prepareSave()
{
    for (PickList *p : { txtGiorno, txtMese, txtOreApp, txtMinutiApp })
        p->deselect();
    // Also when a check then refuses the save.
    if (TrimText(txtCosto->text()).isEmpty())
        txtCosto->setText(QStringLiteral("0,00"));
}

// ---- opening a year, showing, closing ----------------------------------------------

void TfrmScadenzario::openYear()
{
    const QString typed = txtAnno->text();
    // Four digits and nothing else: no other text may name a file.
    if (!YearFile::isYear(typed)) {
        MessageBoxes::warning(kYearWarning, this);
        txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    lblFile->setText(DeadlineRecord::path(typed));
    lblAnno->setText(typed);
    setWindowTitle(QStringLiteral(" Kennora - Scadenze e appuntamenti anno ") + typed);
    showStartPanel(false);
    clearScheda();
}

void TfrmScadenzario::showStartPanel(bool start)
{
    panAvvio->setVisible(start);
    panContainer->setVisible(!start);
}

void TfrmScadenzario::shown()
{
    setWindowTitle(QStringLiteral(" Kennora - Scadenze e Appuntamenti"));
    showStartPanel(true);
    txtAnno->setText(QString::number(Clock::today().year()).rightJustified(4, u'0'));
    txtAnno->setFocus(Qt::OtherFocusReason);
    alert();
}

void TfrmScadenzario::alert()
{
    const QDate today = Clock::today();
    Imminence::Scan scan;
    try {
        scan = Imminence::scan(Imminence::currentYearPath(today), today);
    } catch (const ArchiveTooLargeError &) {
        // Not read at all: a file beyond what memory can hold.
        MessageBoxes::plain(SearchMatch::kMemoryMessage, this);
        return;
    } catch (...) {
        return; // the file cannot be read: banner and button stay as they are
    }
    const bool some = !scan.positions.empty();
    imgPresenti->setVisible(some);
    imgAssenti->setVisible(!some);
    btnOK->setEnabled(some);
    if (!some)
        return;
    const QString sound = programFile(QStringLiteral("Avviso.mp3"));
    if (QFileInfo(sound).isFile()) {
        AlertSound::play(sound);
        m_soundLoaded = true;
    }
}

void TfrmScadenzario::onClosed()
{
    setWindowTitle(QStringLiteral(" Kennora - Scadenze e appuntamenti"));
    showStartPanel(true);
    if (m_soundLoaded)
        AlertSound::stop();
    WindowKit::returnToStartMenu(this);
}

void TfrmScadenzario::resizeEvent(QResizeEvent *event)
{
    EditorWindow::resizeEvent(event);
    panAvvio->move(panContainer->pos());
}

void TfrmScadenzario::showEvent(QShowEvent *event)
{
    EditorWindow::showEvent(event);
    panAvvio->move(panContainer->pos());
}
