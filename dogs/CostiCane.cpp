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
#include "common/ui/ListWindow.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
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

QLabel *caption(QWidget *parent, const QString &text, const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(Style::verdana(9, true));
    b->setGeometry(geometry);
    return b;
}

QFrame *page(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(12, 12, kWindow.width() - 24, kWindow.height() - 24);
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
    finishLayout(kWindow);
}

void TfrmCostiCane::buildListPage()
{
    panContainer = page(this, "panContainer");
    const int inner = panContainer->width() - 32;

    lblTitolo = caption(
        panContainer, QStringLiteral("NOME CANE E RAZZA"), QRect(16, 12, inner, 26), Style::verdana(12, true));
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @HeadingBlue;")));

    caption(panContainer,
        QStringLiteral(
            "Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco da cercare e premere "
            "il pulsante Trova."),
        QRect(16, 44, inner, 20), Style::verdana(8));
    txtTrova = new QLineEdit(panContainer);
    EditKit::apply(txtTrova, { "txtTrova", 0, "btnTrova" });
    txtTrova->setFont(Style::verdana(11));
    txtTrova->setGeometry(16, 68, 400, 28);
    btnTrova = button(panContainer, "btnTrova", QStringLiteral("Trova"), QRect(426, 67, 110, 30));

    lstRecords = new RecordList(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(16, 106, inner, 300);

    caption(panContainer,
        QStringLiteral("Per modificare una voce in elenco, selezionarla con un clic e premere il pulsante Modifica "
                       "costo."),
        QRect(16, 412, inner - 300, 20), Style::verdana(8));
    caption(panContainer, QStringLiteral("TOTALE COSTI:"), QRect(inner - 290, 410, 130, 24), Style::verdana(10, true));
    lblTotale
        = caption(panContainer, QStringLiteral("0,00"), QRect(inner - 160, 410, 176, 24), Style::verdana(10, true));
    lblTotale->setObjectName(QStringLiteral("lblTotale"));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const int y = panContainer->height() - 52;
    btnChiudi = button(panContainer, "btnChiudi", QStringLiteral("Chiudi"), QRect(16, y, 150, 34));
    btnAggiungi = button(panContainer, "btnAggiungi", QStringLiteral("Aggiungi costo"), QRect(inner - 484, y, 160, 34));
    btnModifica = button(panContainer, "btnModifica", QStringLiteral("Modifica costo"), QRect(inner - 314, y, 160, 34));
    btnStampa = button(panContainer, "btnStampa", QStringLiteral("Stampa riepilogo"), QRect(inner - 144, y, 160, 34));

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
    caption(panCosti, QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), QRect(24, 16, 600, 24),
        Style::verdana(10, true));

    using EditKit::Filter;
    using EditKit::Look;
    const QList<EditKit::EditRow> rows = {
        { "txtData", 10, "txtCausale", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtCausale", 40, "txtPagatore", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtPagatore", 26, "txtBeneficiario", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtBeneficiario", 26, "txtImporto", Filter::None, EditKit::Casing::None, Look::Highlight },
        { "txtImporto", 15, "txtData", Filter::Amount, EditKit::Casing::None, Look::Highlight, 2 },
    };
    const char *captions[] = { "Data:", "Causale:", "Pagatore:", "Beneficiario:", "Importo: \u20AC" };
    const int widths[] = { 130, 520, 360, 360, 180 };
    QLineEdit **members[] = { &txtData, &txtCausale, &txtPagatore, &txtBeneficiario, &txtImporto };
    for (int i = 0; i < rows.size(); ++i) {
        const int y = 60 + i * 58;
        caption(panCosti, QString::fromUtf8(captions[i]), QRect(24, y, 200, 20), Style::verdana(9, true));
        QLineEdit *edit = EditKit::makeEdit(panCosti, rows.at(i));
        edit->setFont(Style::verdana(11));
        edit->setGeometry(24, y + 22, widths[i], 28);
        *members[i] = edit;
    }
    txtImporto->setText(QStringLiteral("0,00"));

    impData = Art::pictureLabel(panCosti, "impData", QStringLiteral("scadenze"), QSize(28, 28));
    impData->setGeometry(24 + widths[0] + 8, 60 + 22, 28, 28);
    impData->setCursor(Qt::PointingHandCursor);
    impData->setToolTip(QStringLiteral("Data odierna"));
    WindowKit::onClick(impData, [this] { todayCommand(); });

    const int y = panCosti->height() - 52;
    cmdClose = button(panCosti, "cmdClose", QStringLiteral("Chiudi"), QRect(24, y, 150, 34));
    btnSalva = button(panCosti, "btnSalva", QStringLiteral("Salva"), QRect(panCosti->width() - 174, y, 150, 34));
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
