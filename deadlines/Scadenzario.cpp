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
#include "common/ui/WindowKit.h"
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
constexpr int kCaptionHeight = EditorWindow::kCaptionHeight;
constexpr int kFrameMargin = EditorWindow::kCaptionGap;
constexpr int kEditHeight = EditorWindow::kEditHeight;
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

} // namespace

namespace
{

using Layout::Item;
using Layout::Kind;

constexpr const char *kStart = "panAvvio";
constexpr Layout::Font kEditFont { "Verdana", 12, true };
constexpr Layout::Font kStartButtonFont { "Tahoma", 11, true };

Item startSection(const char *name, qreal x, qreal y, qreal w, qreal h)
{
    return { .name = name,
        .in = kStart,
        .x = x,
        .y = y,
        .w = w,
        .h = h,
        .kind = Kind::Shape,
        .fill = Style::White,
        .stroke = Style::SectionEdge,
        .radius = 8 };
}

// The start panel lies where the record editor lies, centred in the window.
QList<Item> startRows()
{
    const Layout::Font bold10 { "Verdana", 10, true };
    const Layout::Font plain9 { "Verdana", 9 };
    return {
        { .name = kStart, .x = Layout::Centre, .y = Layout::Centre, .w = kPanelWidth, .h = kPanelHeight },
        { .name = "imgTitolo",
            .in = kStart,
            .x = 80,
            .y = 14,
            .w = kPanelWidth - 160,
            .h = 56,
            .font = { "Tahoma", 26, true },
            .colour = Style::BrandBlue,
            .align = Qt::AlignCenter },
        // The imminent deadlines: banner, OK and its labels.
        startSection("shpImminenti", 20, 84, kPanelWidth - 40, 131),
        { .name = "imgAssenti", .in = kStart, .x = 36, .y = 102, .w = 634, .h = 95 },
        { .name = "imgPresenti", .in = kStart, .x = 36, .y = 102, .w = 634, .h = 95 },
        { .name = "lblInfo06", .in = kStart, .x = 690, .y = 98, .w = 270, .h = 20, .font = bold10 },
        { .name = "lblOK", .in = kStart, .x = 690, .y = 120, .w = 270, .h = 36, .font = plain9 },
        { .name = "btnOK", .in = kStart, .x = 690, .y = 162, .w = 110, .h = 36, .font = kStartButtonFont },
        // The year to open.
        startSection("shpAnno", 20, 232, 440, 250),
        { .name = "lblInfo05", .in = kStart, .x = 40, .y = 250, .w = 400, .h = 44, .font = bold10 },
        { .name = "lblApri", .in = kStart, .x = 40, .y = 304, .w = 400, .h = 20, .font = plain9 },
        { .name = "txtAnno",
            .in = kStart,
            .x = 40,
            .y = 344,
            .w = 150,
            .h = 48,
            .font = { "Verdana", 22, true },
            .align = Qt::AlignCenter },
        { .name = "btnApri", .in = kStart, .x = 210, .y = 350, .w = 110, .h = 36, .font = kStartButtonFont },
        // The calendar and the date lists.
        startSection("shpCalendario", 480, 232, kPanelWidth - 500, 370),
        { .name = "calAppuntamenti", .in = kStart, .x = 500, .y = 250, .w = 290, .h = 230 },
        { .name = "icoIstruzioni",
            .in = kStart,
            .x = 806,
            .y = 256,
            .w = 160,
            .h = 200,
            .font = plain9,
            .align = Qt::AlignTop | Qt::AlignLeft },
        { .name = "btnGiorno", .in = kStart, .x = 500, .y = 500, .w = 220, .h = 40, .font = kStartButtonFont },
        { .name = "btnMese", .in = kStart, .x = 736, .y = 500, .w = 220, .h = 40, .font = kStartButtonFont },
        { .name = "imgGuida", .in = kStart, .x = 24, .y = kPanelHeight - 72, .w = 48, .h = 48 },
        { .name = "imgEsci", .in = kStart, .x = kPanelWidth - 72, .y = kPanelHeight - 72, .w = 48, .h = 48 },
    };
}

// The record editor: the two selector groups, the notice, the fields in
// their section tiles, the fiscal code checker and the two check boxes.
QList<Item> editorRows()
{
    const char *panel = "panContainer";
    const Layout::Font caption = EditorWindow::kCaptionFont;
    QList<Item> rows;
    const struct {
        const char *name;
        int top, bottom; // first and last caption top
    } sections[] = {
        { "shpProprietario", rowTop(0), rowTop(0) },
        { "shpCane", rowTop(1), rowTop(2) },
        { "shpAppuntamento", rowTop(3), rowTop(3) },
        { "shpPagamento", rowTop(4), rowTop(4) },
    };
    for (const auto &s : sections)
        rows.append({ .name = s.name,
            .in = panel,
            .x = 10,
            .y = qreal(s.top - 6),
            .w = 820,
            .h = qreal(s.bottom - s.top + kCaptionHeight + kFrameMargin + kEditHeight + 12),
            .kind = Kind::Shape,
            .fill = Style::White,
            .stroke = Style::SectionEdge,
            .radius = 8 });

    // Date and time: the four selectors.
    const auto text = [&](const char *name, const char *in, const QString &value, qreal x, qreal y, qreal w) {
        return Item {
            .name = name, .in = in, .x = x, .y = y, .w = w, .h = 22, .kind = Kind::Text, .font = caption, .text = value
        };
    };
    const auto selector = [](const char *name, const char *in, qreal x, qreal w) {
        return Item { .name = name, .in = in, .x = x, .y = 32, .w = w, .h = kSelectorHeight, .font = kEditFont };
    };
    rows << Item { .name = "grpData", .in = panel, .x = 10, .y = 8, .w = 506, .h = 82, .font = caption }
         << text("titGiorno", "grpData", QStringLiteral("Giorno:"), 14, 36, 56)
         << selector("txtGiorno", "grpData", 72, 76) << text("titMese", "grpData", QStringLiteral("Mese:"), 166, 36, 44)
         << selector("txtMese", "grpData", 212, 170)
         << Item { .name = "lblAnno",
                .in = "grpData",
                .x = 398,
                .y = 28,
                .w = 100,
                .h = 40,
                .font = { "Verdana", 18, true },
                .colour = Style::BrandBlue };
    Item colon = text("titDuePunti", "grpOra", QStringLiteral(":"), 132, 34, 10);
    colon.font = kEditFont;
    rows << Item { .name = "grpOra", .in = panel, .x = 528, .y = 8, .w = 302, .h = 82, .font = caption }
         << text("titOre", "grpOra", QStringLiteral("Ore:"), 14, 36, 36) << selector("txtOreApp", "grpOra", 52, 72)
         << colon << text("titMinuti", "grpOra", QStringLiteral("Minuti:"), 150, 36, 56)
         << selector("txtMinutiApp", "grpOra", 210, 72);

    // The notice.
    rows << text("titAvviso", panel, QStringLiteral("Avvisa n."), 20, 104, 80)
         << Item { .name = "txtAvviso",
                .in = panel,
                .x = 100,
                .y = 100,
                .w = 64,
                .h = kEditHeight,
                .font = kEditFont,
                .align = Qt::AlignCenter }
         << text("titGiorni", panel, QStringLiteral("giorni prima della scadenza."), 176, 104, 300);

    // The fields in rows, each under its caption.
    Item codFisc, note;
    for (const FieldRow &row : fieldRows()) {
        const QString field = DeadlineRecord::layout().name(row.field);
        const QList<Item> pair = EditorWindow::captionedField(Layout::intern(DeadlineControls::name(row.field)),
            Layout::intern(QStringLiteral("lbl") + field), QString::fromUtf8(row.caption), panel, row.x, row.top,
            row.width, kEditFont, row.align.toInt());
        rows << pair;
        if (row.field == DeadlineRecord::CodFisc)
            codFisc = pair.last();
        if (row.field == DeadlineRecord::Note)
            note = pair.last();
    }
    rows << EditorWindow::besideRow("btnCodFisc", codFisc, 30);

    // Confirmation and payment.
    const Layout::Font check { "Verdana", 10, true };
    rows << Item { .name = "chkDaConfermare",
        .in = panel,
        .x = 20,
        .y = qreal(rowTop(5) + 2),
        .w = 320,
        .h = kEditHeight,
        .font = check };
    rows << Item { .name = "shpEffettuata",
        .in = panel,
        .x = 600,
        .y = note.y - 6,
        .w = 230,
        .h = kEditHeight + 12,
        .kind = Kind::Shape,
        .fill = Style::DoneTileFill,
        .stroke = Style::DoneTileEdge,
        .radius = 6 };
    rows << Item {
        .name = "chkEffettuata", .in = panel, .x = 614, .y = note.y, .w = 210, .h = kEditHeight, .font = check
    };
    return rows;
}

// Tab order: the selectors, then the record's order with the two check boxes.
const QList<const char *> &editorTabOrder()
{
    static const QList<const char *> order = { "txtGiorno", "txtMese", "txtOreApp", "txtMinutiApp", "txtAvviso",
        "txtProprietario", "txtCodFisc", "txtRecapito", "txtNome", "txtDataNasc", "txtRazza", "txtMantello",
        "txtMicrochip", "txtSegni", "txtPersona", "txtDettagli", "txtOfficina", "txtCosto", "txtContatto",
        "chkDaConfermare", "txtNote", "chkEffettuata" };
    return order;
}

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
    Layout::Table start;
    start.name = QStringLiteral("start panel");
    start.items = startRows();
    Layout::apply(this, start);
    applyPanel(editorRows(), editorTabOrder());
    finishWindow();
    showStartPanel(true);
}

// ---- the start panel --------------------------------------------------------

void TfrmScadenzario::buildStartPanel()
{
    // The controls with their behaviour; their places, fonts and colours come
    // from the table (startRows), applied with the record editor's.
    panAvvio = new QFrame(this);
    panAvvio->setObjectName(QLatin1String(kStart));
    panAvvio->setStyleSheet(Style::sheet(
        QStringLiteral("#panAvvio { background: @PanelFill; border: 1px solid @PanelEdge; border-radius: 10px; }"
                       "QLabel { color: @TextInk; }")));

    imgTitolo = new QLabel(QStringLiteral("SCADENZE E APPUNTAMENTI"), panAvvio);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));

    auto text = [this](const char *name, const QString &caption) {
        auto *label = new QLabel(caption, panAvvio);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
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
    auto button = [&](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, panAvvio);
        b->setObjectName(QLatin1String(name));
        b->setStyleSheet(buttonStyle);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };

    // The imminent deadlines: banner, OK and its labels.
    imgAssenti = Art::pictureLabel(panAvvio, "imgAssenti", QStringLiteral("scadenze-assenti"), QSize(634, 95));
    imgPresenti = Art::pictureLabel(panAvvio, "imgPresenti", QStringLiteral("scadenze-presenti"), QSize(634, 95));
    imgPresenti->hide(); // in the banner's place, shown by the alert
    lblInfo06 = text("lblInfo06", QStringLiteral("Visualizza le scadenze imminenti."));
    lblOK = text("lblOK", QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."));
    btnOK = button("btnOK", QStringLiteral("OK"));

    // The year to open.
    lblInfo05 = text("lblInfo05", QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."));
    lblApri = text("lblApri", QStringLiteral("Indicare l'anno solare e premere Apri."));
    txtAnno = EditKit::makeEdit(panAvvio,
        EditRow { .name = "txtAnno",
            .maxLength = 4,
            .successor = "btnApri",
            .filter = Filter::Numeric,
            .look = EditKit::Look::None });
    btnApri = button("btnApri", QStringLiteral("Apri"));

    // The calendar and the date lists.
    calAppuntamenti = new QCalendarWidget(panAvvio);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setSelectedDate(Clock::today()); // once, at start-up
    icoIstruzioni = text("icoIstruzioni",
        QStringLiteral("Selezionare una data dal calendario e fare clic sui pulsanti in calce per visualizzare le "
                       "scadenze relative a un giorno o a un mese dell'anno."));
    btnGiorno = button("btnGiorno", QStringLiteral("SCADENZE DEL GIORNO"));
    btnMese = button("btnMese", QStringLiteral("SCADENZE DEL MESE"));

    imgGuida = Art::pictureLabel(panAvvio, "imgGuida", QStringLiteral("guida"), QSize(48, 48));
    imgEsci = Art::pictureLabel(panAvvio, "imgEsci", QStringLiteral("esci"), QSize(48, 48));
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
    // The controls with their behaviour; their places, captions, fonts and
    // the section tiles come from the table (editorRows).
    grpData = new QGroupBox(QStringLiteral(" Data scadenza: "), panContainer);
    grpData->setObjectName(QStringLiteral("grpData"));
    grpOra = new QGroupBox(QStringLiteral(" Ora appuntamento: "), panContainer);
    grpOra->setObjectName(QStringLiteral("grpOra"));
    addHintBackground(grpData);
    addHintBackground(grpOra);
    auto selector = [](QWidget *parent, const char *name, const QStringList &values, const char *successor) {
        auto *p = new PickList(
            parent, QLatin1String(name), values, PickList::Compare::CaseIncluded, QLatin1String(successor));
        p->setTabDiscarded(true);
        p->setDeselectOnFocus(true);
        p->setMaxVisibleItems(12);
        return p;
    };
    txtGiorno = selector(grpData, "txtGiorno", PickList::days(), "txtMese");
    txtMese = selector(grpData, "txtMese", PickList::months(), "txtOreApp");
    lblAnno = new QLabel(QStringLiteral("ANNO"), grpData);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    lblData = WindowKit::hiddenLabel(grpData, "lblData");
    txtOreApp = selector(grpOra, "txtOreApp", numbers(0, 23), "txtMinutiApp");
    txtMinutiApp = selector(grpOra, "txtMinutiApp", numbers(0, 59), "txtAvviso");
    lblOra = WindowKit::hiddenLabel(grpOra, "lblOra");

    // The notice.
    txtAvviso = EditKit::makeEdit(
        panContainer, EditRow { .name = "txtAvviso", .successor = "txtProprietario", .filter = Filter::Numeric });

    // The fields, in record order.
    for (const FieldRow &row : fieldRows()) {
        const QByteArray name = DeadlineControls::name(row.field).toLatin1();
        const QByteArray successor = DeadlineControls::name(row.successor).toLatin1();
        EditKit::makeEdit(panContainer,
            EditRow { .name = name.constData(),
                .successor = successor.constData(),
                .filter = row.filter,
                .casing = row.casing,
                .amountDecimals = row.amountDecimals });
    }
    auto edit = [this](const char *name) { return WindowKit::named<QLineEdit>(panContainer, name); };
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
    connect(btnCodFisc, &QPushButton::clicked, this, [this] { OpenChecker(this, TrimText(txtCodFisc->text())); });

    // Confirmation and payment.
    chkDaConfermare = new QCheckBox(QStringLiteral("Appuntamento da confermare"), panContainer);
    chkDaConfermare->setObjectName(QStringLiteral("chkDaConfermare"));
    chkEffettuata = new QCheckBox(QStringLiteral("Pagamento effettuato"), panContainer);
    chkEffettuata->setObjectName(QStringLiteral("chkEffettuata"));
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
    cmdNuovo = commandNamed("cmdNuovo");
    cmdDuplica = commandNamed("cmdDuplica");
    cmdImporta = commandNamed("cmdImporta");
    cmdSalva = commandNamed("cmdSalva");
    cmdTrova = commandNamed("cmdTrova");
    cmdStampa = commandNamed("cmdStampa");
    cmdEsporta = commandNamed("cmdEsporta");
    cmdDaConfermare = commandNamed("cmdDaConfermare");
    cmdDaEffettuare = commandNamed("cmdDaEffettuare");
    cmdEffettuate = commandNamed("cmdEffettuate");
    cmdGuida = commandNamed("cmdGuida");
    cmdEsci = commandNamed("cmdEsci");
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
