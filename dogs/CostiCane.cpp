#include "dogs/CostiCane.h"

#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/SearchMatch.h"
#include "common/TextRoutines.h"
#include "common/report/ListReport.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/Art.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/ListWindow.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/core/DogCostRecord.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace
{

constexpr QSize kWindow { 980, 560 };
constexpr int kItemWidth = 1600;

const QString kMandatoryPrefix = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");

// The window's table (units): the list page panContainer and the edit page
// panCosti in the same place, one of them shown.
constexpr int kPageWidth = 956;
constexpr int kPageHeight = 536;
constexpr int kInner = kPageWidth - 32;
constexpr int kButtonsTop = kPageHeight - 52;
constexpr Layout::Font kButtonFont { "Verdana", 9, true };
constexpr Layout::Font kEditFont { "Verdana", 11, false };

// The edit page's fields: edit, caption row, caption, width.
struct CostField {
    const char *edit;
    const char *caption;
    const char *text;
    int width;
};
const CostField kCostFields[] = {
    { "txtData", "lblData", "Data:", 130 },
    { "txtCausale", "lblCausale", "Causale:", 520 },
    { "txtPagatore", "lblPagatore", "Pagatore:", 360 },
    { "txtBeneficiario", "lblBeneficiario", "Beneficiario:", 360 },
    { "txtImporto", "lblImporto", "Importo: \u20AC", 180 },
};
constexpr int fieldTop(int i)
{
    return 60 + i * 58;
}

Layout::Table windowTable()
{
    using Layout::Kind;
    Layout::Table table;
    table.name = QStringLiteral("cost ledger");
    table.client = kWindow;
    const char *list = "panContainer";
    const char *edit = "panCosti";
    table.items = {
        { .name = list, .x = 12, .y = 12, .w = kPageWidth, .h = kPageHeight },
        { .name = edit, .x = 12, .y = 12, .w = kPageWidth, .h = kPageHeight },
        // The list page.
        { .name = "lblTitolo",
            .in = list,
            .x = 16,
            .y = 12,
            .w = kInner,
            .h = 26,
            .font = { "Verdana", 12, true },
            .colour = Style::HeadingBlue },
        { .name = "lblIstruzioni01",
            .in = list,
            .x = 16,
            .y = 44,
            .w = kInner,
            .h = 20,
            .kind = Kind::Text,
            .font = { "Verdana", 8 },
            .text = QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco da "
                                   "cercare e premere il pulsante Trova.") },
        { .name = "txtTrova", .in = list, .x = 16, .y = 68, .w = 400, .h = 28, .font = kEditFont },
        { .name = "btnTrova", .in = list, .x = 426, .y = 67, .w = 110, .h = 30, .font = kButtonFont },
        { .name = "lstRecords", .in = list, .x = 16, .y = 106, .w = kInner, .h = 300 },
        { .name = "lblIstruzioni02",
            .in = list,
            .x = 16,
            .y = 412,
            .w = kInner - 300,
            .h = 20,
            .kind = Kind::Text,
            .font = { "Verdana", 8 },
            .text = QStringLiteral("Per modificare una voce in elenco, selezionarla con un clic e premere il "
                                   "pulsante Modifica costo.") },
        { .name = "lblTotaleCosti",
            .in = list,
            .x = kInner - 290,
            .y = 410,
            .w = 130,
            .h = 24,
            .kind = Kind::Text,
            .font = { "Verdana", 10, true },
            .text = QStringLiteral("TOTALE COSTI:") },
        { .name = "lblTotale",
            .in = list,
            .x = kInner - 160,
            .y = 410,
            .w = 176,
            .h = 24,
            .font = { "Verdana", 10, true },
            .align = int(Qt::AlignRight | Qt::AlignVCenter) },
        { .name = "btnChiudi", .in = list, .x = 16, .y = kButtonsTop, .w = 150, .h = 34, .font = kButtonFont },
        { .name = "btnAggiungi",
            .in = list,
            .x = kInner - 484,
            .y = kButtonsTop,
            .w = 160,
            .h = 34,
            .font = kButtonFont },
        { .name = "btnModifica",
            .in = list,
            .x = kInner - 314,
            .y = kButtonsTop,
            .w = 160,
            .h = 34,
            .font = kButtonFont },
        { .name = "btnStampa",
            .in = list,
            .x = kInner - 144,
            .y = kButtonsTop,
            .w = 160,
            .h = 34,
            .font = kButtonFont },
        // The edit page.
        { .name = "lblIstruzioni03",
            .in = edit,
            .x = 24,
            .y = 16,
            .w = 600,
            .h = 24,
            .kind = Kind::Text,
            .font = { "Verdana", 10, true },
            .text = QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva.") },
    };
    for (int i = 0; i < int(std::size(kCostFields)); ++i) {
        const CostField &field = kCostFields[i];
        table.items.append({ .name = field.caption,
            .in = edit,
            .x = 24,
            .y = qreal(fieldTop(i)),
            .w = 200,
            .h = 20,
            .kind = Kind::Text,
            .font = { "Verdana", 9, true },
            .text = QString::fromUtf8(field.text) });
        table.items.append({ .name = field.edit,
            .in = edit,
            .x = 24,
            .y = qreal(fieldTop(i) + 22),
            .w = qreal(field.width),
            .h = 28,
            .font = kEditFont });
        table.tabOrder.append(field.edit);
    }
    table.items.append(
        { .name = "impData", .in = edit, .x = 24 + 130 + 8, .y = qreal(fieldTop(0) + 22), .w = 28, .h = 28 });
    table.items.append(
        { .name = "cmdClose", .in = edit, .x = 24, .y = kButtonsTop, .w = 150, .h = 34, .font = kButtonFont });
    table.items.append({ .name = "btnSalva",
        .in = edit,
        .x = kPageWidth - 174,
        .y = kButtonsTop,
        .w = 150,
        .h = 34,
        .font = kButtonFont });
    table.tabOrder = QList<const char *> {
        "txtTrova", "btnTrova", "lstRecords", "btnChiudi", "btnAggiungi", "btnModifica", "btnStampa"
    } + table.tabOrder;
    return table;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QFrame *page(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setStyleSheet(Style::whitePanelSheet(QLatin1String(name)));
    return frame;
}

} // namespace

const QString TfrmCostiCane::kAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString TfrmCostiCane::kChanged
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString TfrmCostiCane::kEditEmptyList
    = QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce.");
const QString TfrmCostiCane::kEditNoSelection
    = QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica.");

TfrmCostiCane::TfrmCostiCane(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Gestione costi cane"))
{
    setObjectName(QLatin1String(WindowNames::frmCostiCane));
    setStyleSheet(Style::windowBackgroundSheet(QStringLiteral("TfrmCostiCane")));
    lblFile = WindowKit::hiddenLabel(this, "lblFile");
    lblPosizione = WindowKit::hiddenLabel(this, "lblPosizione");
    buildListPage();
    buildEditPage();
    Layout::apply(this, windowTable());
    finishLayout(kWindow);
}

void TfrmCostiCane::buildListPage()
{
    // The controls with their behaviour; places, fonts and the fixed texts
    // come from the window's table.
    panContainer = page(this, "panContainer");
    lblTitolo = new QLabel(QStringLiteral("NOME CANE E RAZZA"), panContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    txtTrova = new QLineEdit(panContainer);
    EditKit::apply(txtTrova, { "txtTrova", 0, "btnTrova" });
    btnTrova = button(panContainer, "btnTrova", QStringLiteral("Trova"));

    lstRecords = new RecordList(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));

    lblTotale = new QLabel(QStringLiteral("0,00"), panContainer);
    lblTotale->setObjectName(QStringLiteral("lblTotale"));

    btnChiudi = button(panContainer, "btnChiudi", QStringLiteral("Chiudi"));
    btnAggiungi = button(panContainer, "btnAggiungi", QStringLiteral("Aggiungi costo"));
    btnModifica = button(panContainer, "btnModifica", QStringLiteral("Modifica costo"));
    btnStampa = button(panContainer, "btnStampa", QStringLiteral("Stampa riepilogo"));

    connect(btnTrova, &QPushButton::clicked, this, &TfrmCostiCane::findCommand);
    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmCostiCane::addCommand);
    connect(btnModifica, &QPushButton::clicked, this, &TfrmCostiCane::editCommand);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmCostiCane::printCommand);
    WindowKit::closeOnClick(btnChiudi, this);
}

void TfrmCostiCane::buildEditPage()
{
    panCosti = page(this, "panCosti");
    panCosti->hide();

    using EditKit::Filter;
    using EditKit::Look;
    const QList<EditKit::EditRow> rows = {
        { "txtData", 10, "txtCausale", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtCausale", 40, "txtPagatore", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtPagatore", 26, "txtBeneficiario", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtBeneficiario", 26, "txtImporto", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtImporto", 15, "txtData", Filter::Amount, EditKit::Casing::None, Look::Highlight, 2 },
    };
    for (const EditKit::EditRow &row : rows)
        EditKit::makeEdit(panCosti, row);
    auto edit
        = [this](const char *name) { return WindowKit::named<QLineEdit>(panCosti, name, Qt::FindDirectChildrenOnly); };
    txtData = edit("txtData");
    txtCausale = edit("txtCausale");
    txtPagatore = edit("txtPagatore");
    txtBeneficiario = edit("txtBeneficiario");
    txtImporto = edit("txtImporto");
    txtImporto->setText(QStringLiteral("0,00"));

    impData = Art::pictureLabel(panCosti, "impData", QStringLiteral("scadenze"), QSize(28, 28));
    impData->setCursor(Qt::PointingHandCursor);
    impData->setToolTip(QStringLiteral("Data odierna"));
    WindowKit::onClick(impData, [this] { todayCommand(); });

    cmdClose = button(panCosti, "cmdClose", QStringLiteral("Chiudi"));
    btnSalva = button(panCosti, "btnSalva", QStringLiteral("Salva"));
    connect(btnSalva, &QPushButton::clicked, this, &TfrmCostiCane::saveCommand);
    WindowKit::closeOnClick(cmdClose, this);
}

QString TfrmCostiCane::dogText(const char *control) const
{
    // The dog editor that opened the window (the start-up one otherwise).
    const QWidget *editor = parentWidget() ? parentWidget() : WindowRegistry::get(QLatin1String(WindowNames::frmCani));
    return TrimText(ControlText::named(editor, QLatin1String(control)));
}

void TfrmCostiCane::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    if (!event->spontaneous())
        openLedger();
}

void TfrmCostiCane::closeEvent(QCloseEvent *event)
{
    FixedDialog::closeEvent(event);
    if (event->isAccepted())
        lstRecords->lines()->clear();
}

void TfrmCostiCane::openLedger()
{
    m_lastSearchText.clear();
    txtTrova->clear();
    lblTotale->setText(QStringLiteral("0,00"));
    lblTitolo->setText(dogText("txtNome") + QStringLiteral("  -  Razza: ") + dogText("txtRazza"));
    const QString path = DogCostRecord::path(dogText("lblPosizione"));
    lblFile->setText(path);
    lstRecords->lines()->clear();
    try {
        DogCostRecord::Listing listing = DogCostRecord::list(path);
        const double total = listing.total;
        lstRecords->lines()->setLines(std::move(listing.lines));
        lstRecords->lines()->setItemWidth(kItemWidth);
        lblTotale->setText(DogCostRecord::totalText(total));
    } catch (const ArchiveTooLargeError &) {
        // Not read at all: a file beyond what memory can hold.
        MessageBoxes::plain(SearchMatch::kMemoryMessage, this);
    } catch (...) {
        // The ledger could not be read (a folder in its place, no access):
        // nothing is listed and the user learns why; the file is left alone.
        MessageBoxes::warning(kArchiveAccessMessage, this);
    }
    txtTrova->setFocus();
}

void TfrmCostiCane::showEditor()
{
    panContainer->hide();
    panCosti->show();
    txtData->setFocus();
}

void TfrmCostiCane::addCommand()
{
    for (QLineEdit *edit : { txtData, txtCausale, txtPagatore, txtBeneficiario })
        edit->clear();
    txtImporto->setText(QStringLiteral("0,00"));
    lblPosizione->clear();
    showEditor();
}

void TfrmCostiCane::editCommand()
{
    if (lstRecords->count() == 0) {
        MessageBoxes::information(kEditEmptyList, this);
        return;
    }
    const int row = lstRecords->currentRow();
    if (row < 0) {
        MessageBoxes::warning(kEditNoSelection, this);
        return;
    }
    const qint64 position = lstRecords->record(row);
    QByteArray bytes;
    try {
        SearchMatch::readRecord(TrimText(lblFile->text()), DogCostRecord::size(), position - 1, bytes);
    } catch (...) {
        MessageBoxes::warning(kArchiveAccessMessage, this);
        close();
        return;
    }
    RecordBuffer record(DogCostRecord::layout());
    record.bytes() = bytes;
    QLineEdit *edits[] = { txtData, txtCausale, txtPagatore, txtBeneficiario, txtImporto };
    for (int f = 0; f < DogCostRecord::FieldCount; ++f)
        ControlText::setText(edits[f], TrimText(record.text(f)));
    lblPosizione->setText(QString::number(position));
    showEditor();
}

void TfrmCostiCane::saveCommand()
{
    const QList<QPair<QLineEdit *, const char *>> mandatory = {
        { txtData, "la data del costo sostenuto." },
        { txtCausale, "la causale del costo." },
        { txtPagatore, "il nome del pagatore." },
        { txtBeneficiario, "il nome del beneficiario." },
        { txtImporto, "l'importo pagato." },
    };
    for (const auto &[edit, what] : mandatory) {
        if (TrimText(edit->text()).isEmpty()) {
            MessageBoxes::warning(kMandatoryPrefix + QString::fromUtf8(what), this);
            edit->setFocus();
            return;
        }
    }
    // The amount is stored as leaving its edit would have made it, even when
    // the save came before the edit was left.
    ControlText::setText(txtImporto, AmountNormaliser(txtImporto->text(), 2));
    if (const auto refusal
        = ArchiveEditor::amountRefusal(txtImporto, DogCostRecord::layout().capacity(DogCostRecord::Importo))) {
        MessageBoxes::warning(refusal->text, this);
        txtImporto->setFocus();
        return;
    }

    RecordBuffer record(DogCostRecord::layout());
    QLineEdit *edits[] = { txtData, txtCausale, txtPagatore, txtBeneficiario, txtImporto };
    for (int f = 0; f < DogCostRecord::FieldCount; ++f)
        record.setText(f, TrimText(edits[f]->text()));
    const qint64 position = ParsePosition(TrimText(lblPosizione->text())).value_or(0);
    qint64 written = 0;
    try {
        written = DogCostRecord::save(TrimText(lblFile->text()), record, position);
    } catch (...) {
        MessageBoxes::warning(kArchiveAccessMessage, this);
        return;
    }
    lblPosizione->setText(QString::number(written));
    MessageBoxes::information(position > 0 ? kChanged : kAdded, this);
}

void TfrmCostiCane::findCommand()
{
    if (lstRecords->count() == 0) {
        MessageBoxes::plain(SearchMatch::kFindNotApplicable, this);
        return;
    }
    const SearchMatch::FindOutcome outcome = SearchMatch::findNext(
        lstRecords->count(), [this](int i) { return lstRecords->text(i); }, lstRecords->currentRow(), txtTrova->text(),
        m_lastSearchText);
    lstRecords->setCurrentRow(outcome.selected);
    m_lastSearchText = outcome.lastSearch;
}

QString TfrmCostiCane::printTitle() const
{
    return QStringLiteral("Riepilogo costi sostenuti per ") + dogText("txtNome") + QStringLiteral("  -  Razza: ")
        + dogText("txtRazza");
}

QStringList TfrmCostiCane::printLines() const
{
    QStringList lines = lstRecords->lines()->texts();
    lines.append(QString(26, QLatin1Char('-')));
    lines.append(QStringLiteral("TOTALE COSTI:      ") + TrimText(lblTotale->text()));
    return lines;
}

void TfrmCostiCane::printCommand()
{
    const QString title = printTitle();
    const QStringList lines = printLines();
    RunGuarded([&] { ListReport::print(this, title, lines); }, this);
}

void TfrmCostiCane::todayCommand()
{
    // Only the text changes: no focus move, no Enter or exit step.
    ControlText::setText(txtData, FormatDate(Clock::today()));
}
