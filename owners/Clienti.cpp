#include "owners/Clienti.h"

#include "common/ui/Style.h"

#include "app/checkers/OpenChecker.h"
#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/Provinces.h"
#include "common/TextRoutines.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/WindowNames.h"
#include "owners/ExpClienti.h"
#include "owners/OwnerControls.h"
#include "owners/OwnerSheet.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmClienti *frmClienti = nullptr;

namespace
{

using EditKit::Casing;
using EditKit::EditRow;
using EditKit::Filter;

// Geometry of the centred panel and of its grid of field rows (units).
constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;
constexpr int kFieldsLeft = 84; // left edge of the fields (the section pictures are left of it)
constexpr int kFieldsWidth = 736; // width of a row of fields
constexpr int kTop = 12;
constexpr int kRowPitch = 50;
constexpr int kSectionGap = 14;
constexpr int kSectionPicture = 56;
// A row: the caption, then the edit with its focus frame (kCaptionGap around
// it) below the caption, so the frame never covers the caption above it nor
// the caption of the next row.
constexpr int kCaptionHeight = EditorWindow::kCaptionHeight;
constexpr int kEditHeight = EditorWindow::kEditHeight;
static_assert(kCaptionHeight + 2 * EditorWindow::kCaptionGap + kEditHeight < kRowPitch);
constexpr Layout::Font kEditFont { "Verdana", 12, true };

using OwnerRecord::Field;

// One field of the editor: its record field (which names the control and
// gives the typing limit), the field Enter moves to, its edit behaviours, its
// caption and its place (row of the grid, x from the left edge of the
// fields, width).
struct FieldRow {
    Field field;
    Field successor;
    const char *caption;
    int row;
    int x;
    int width;
    Filter filter = Filter::None;
    Casing casing = Casing::None;
    bool combo = false;
    bool centred = false;
};

const QList<FieldRow> &ownerFields()
{
    using namespace OwnerRecord;
    // Tab order and Enter chain follow the record order; Enter in the last
    // field returns to the first, and never reaches the call-back check box.
    static const QList<FieldRow> rows = {
        // Section 1: the person
        { Cliente, DataNasc, "Cognome e nome:", 0, 0, 316 },
        { DataNasc, ComuneNasc, "Data di nascita:", 0, 324, 124, Filter::None, Casing::None, false, true },
        { ComuneNasc, ProvNasc, "Comune di nascita:", 0, 456, 200 },
        { ProvNasc, Sesso, "Prov.", 0, 664, 72, Filter::None, Casing::UpperTypingAndExit, true },
        { Sesso, Recapito, "Sesso:", 1, 0, 64, Filter::None, Casing::UpperTypingNoTrim, false, true },
        { Recapito, IndirizzoRes, "Telefono preferenziale:", 1, 72, 200 },
        { IndirizzoRes, ProvRes, "Residente in Via / Piazza e numero civico:", 1, 280, 376 },
        { ProvRes, ComuneRes, "Prov.", 1, 664, 72, Filter::None, Casing::UpperTypingAndExit, true },
        { ComuneRes, CapRes, "Comune di residenza:", 2, 0, 226 },
        { CapRes, Estremi, "CAP:", 2, 234, 86, Filter::None, Casing::UpperKeyUpNoTrim },
        { Estremi, TelCasa, "Modalit\u00E0 di pagamento:", 2, 328, 408 },
        // Section 2: telephones and e-mail
        { TelCasa, TelUff, "Tel. casa:", 3, 0, 240 },
        { TelUff, TelCel, "Tel. ufficio:", 3, 248, 240 },
        { TelCel, Fax, "Tel. cellulare:", 3, 496, 240 },
        { Fax, Email, "Fax:", 4, 0, 240 },
        { Email, CodFisc, "E-mail:", 4, 288, 412 },
        // Section 3: codes, card and bank
        { CodFisc, Carta, "Codice fiscale:", 5, 0, 236, Filter::None, Casing::UpperTyping },
        { Carta, ScadeCarta, "Carta di credito n.", 5, 280, 262, Filter::Numeric },
        { ScadeCarta, PartitaIva, "Scadenza:", 5, 586, 150 },
        { PartitaIva, Iban, "Partita IVA:", 6, 0, 236, Filter::Numeric },
        { Iban, Documento, "IBAN:", 6, 280, 410, Filter::None, Casing::UpperTyping },
        // Section 4: documents and personal details
        { Documento, Occupazione, "Estremi documento:", 7, 0, 320 },
        { Occupazione, Civile, "Occupazione:", 7, 328, 200 },
        { Civile, Titoli, "Stato civile:", 7, 536, 200 },
        { Titoli, CaniOra, "Titoli e qualifiche:", 8, 0, 240 },
        { CaniOra, CaniPrima, "Cani posseduti attualmente:", 8, 248, 240 },
        { CaniPrima, Questioni, "Cani posseduti in passato:", 8, 496, 240 },
        // Section 5: pending issues and notes
        { Questioni, Note, "Questioni in sospeso:", 9, 0, 520 },
        { Note, Cliente, "Note:", 10, 0, 736 },
    };
    return rows;
}

// The sections: first and last row of each.
struct Section {
    int firstRow;
    int lastRow;
};
constexpr Section kSections[] = { { 0, 2 }, { 3, 4 }, { 5, 6 }, { 7, 8 }, { 9, 10 } };

int sectionOfRow(int row)
{
    for (int s = 0; s < 5; ++s)
        if (row <= kSections[s].lastRow)
            return s;
    return 4;
}

int rowTop(int row)
{
    return kTop + row * kRowPitch + sectionOfRow(row) * kSectionGap;
}

int editTop(int row)
{
    return rowTop(row) + kCaptionHeight + EditorWindow::kCaptionGap;
}

// ---- pictures -------------------------------------------------------------

// The section pictures: a round badge with a simple drawing.
const char *const kSectionPictures[]
    = { "sezione-proprietario", "sezione-telefono", "sezione-carta", "sezione-documento", "sezione-note" };

// The small buttons right of their edits: name, picture, the edit.
struct SmallButton {
    const char *name;
    const char *picture;
    Field beside;
};
const SmallButton kSmallButtons[] = {
    { "btnEmail", "busta-piccola", OwnerRecord::Email },
    { "btnCodFisc", "spunta", OwnerRecord::CodFisc },
    { "btnCarta", "spunta", OwnerRecord::Carta },
    { "btnPartitaIva", "spunta", OwnerRecord::PartitaIva },
    { "btnIban", "spunta", OwnerRecord::Iban },
};

const char *controlOf(Field field)
{
    return Layout::intern(OwnerControls::name(field));
}

// The panel's table: the sections with their pictures behind the fields,
// each field with its caption, the check box, the e-mail picture and the
// small buttons; Tab follows the record.
QList<Layout::Item> panelRows()
{
    QList<Layout::Item> rows;
    for (int s = 0; s < 5; ++s) {
        const int top = rowTop(kSections[s].firstRow) - 6;
        const int bottom = editTop(kSections[s].lastRow) + kEditHeight + 8;
        rows.append({ .name = Layout::intern(QStringLiteral("shpSezione%1").arg(s + 1)),
            .in = "panContainer",
            .x = EditorWindow::kMargin,
            .y = qreal(top),
            .w = kFieldsLeft + kFieldsWidth,
            .h = qreal(bottom - top),
            .kind = Layout::Kind::Shape,
            .fill = Style::White,
            .stroke = Style::SectionEdge,
            .radius = 8 });
        rows.append({ .name = Layout::intern(QStringLiteral("imgSezione%1").arg(s + 1)),
            .in = "panContainer",
            .x = 16,
            .y = qreal(top + (bottom - top - kSectionPicture) / 2),
            .w = kSectionPicture,
            .h = kSectionPicture,
            .kind = Layout::Kind::Picture,
            .art = QLatin1String(kSectionPictures[s]) });
    }
    QHash<int, Layout::Item> edits;
    for (const FieldRow &row : ownerFields()) {
        const QList<Layout::Item> field = EditorWindow::captionedField(controlOf(row.field),
            Layout::intern(QStringLiteral("lbl") + OwnerRecord::layout().name(row.field)),
            QString::fromUtf8(row.caption), nullptr, kFieldsLeft + row.x, rowTop(row.row), row.width, kEditFont,
            row.centred ? int(Qt::AlignCenter) : 0);
        rows << field;
        edits.insert(row.field, field.last());
        if (row.field == OwnerRecord::Questioni)
            rows.append({ .name = "chkRicontatta",
                .in = "panContainer",
                .x = field.last().x + row.width + 20,
                .y = field.last().y,
                .w = 190,
                .h = kEditHeight,
                .font = { "Verdana", 10, true } });
    }
    rows.append({ .name = "icoEmail",
        .in = "panContainer",
        .x = kFieldsLeft + 248,
        .y = qreal(editTop(4)),
        .w = 34,
        .h = kEditHeight,
        .kind = Layout::Kind::Picture,
        .art = QStringLiteral("busta") });
    for (const SmallButton &button : kSmallButtons)
        rows.append(EditorWindow::besideRow(button.name, edits.value(button.beside)));
    return rows;
}

QList<const char *> tabOrder()
{
    QList<const char *> order;
    for (const FieldRow &row : ownerFields()) {
        order.append(controlOf(row.field));
        if (row.field == OwnerRecord::Questioni)
            order.append("chkRicontatta");
    }
    return order;
}

} // namespace

// ---------------------------------------------------------------------------

const QStringList &TfrmClienti::provinces()
{
    return Provinces::codes();
}

TfrmClienti::TfrmClienti(QWidget *parent)
    : EditorWindow({ .caption = QStringLiteral(" Kennora - Anagrafica Proprietari"),
                       .objectName = QLatin1String(WindowNames::frmClienti),
                       .panel = QSize(kPanelWidth, kPanelHeight),
                       .layout = CommandLayout::Column,
                       .commandOrigin = QPoint(kFieldsLeft + kFieldsWidth + 16, kTop - 6) },
        parent)
{
    buildFields();
    buildCommands();
    buildArchiveEditor();
    applyPanel(panelRows(), tabOrder());
    icoEmail = panContainer->findChild<QLabel *>(QStringLiteral("icoEmail"));
    finishWindow();
}

void TfrmClienti::buildFields()
{
    // The controls with their behaviour, in record order; their places,
    // captions and fonts come from the panel's table.
    for (const FieldRow &row : ownerFields()) {
        // The name and the Enter successor come from the record field; the
        // typing limit from the layout (setUpArchive).
        const EditRow edit { .name = controlOf(row.field),
            .successor = controlOf(row.successor),
            .filter = row.filter,
            .casing = row.casing };
        if (row.combo) {
            auto *combo = new QComboBox(panContainer);
            combo->addItems(Provinces::codes());
            combo->setMaxVisibleItems(16);
            EditKit::applyCombo(combo, edit);
            combo->setCurrentIndex(-1);
        } else {
            EditKit::makeEdit(panContainer, edit);
        }

        if (row.field == OwnerRecord::Questioni) {
            chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), panContainer);
            chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
        }
    }

    auto edit = [this](const char *name) { return panContainer->findChild<QLineEdit *>(QLatin1String(name)); };
    auto combo = [this](const char *name) { return panContainer->findChild<QComboBox *>(QLatin1String(name)); };
    txtCliente = edit("txtCliente");
    txtDataNasc = edit("txtDataNasc");
    txtComuneNasc = edit("txtComuneNasc");
    txtProvNasc = combo("txtProvNasc");
    txtSesso = edit("txtSesso");
    txtRecapito = edit("txtRecapito");
    txtIndirizzoRes = edit("txtIndirizzoRes");
    txtProvRes = combo("txtProvRes");
    txtComuneRes = edit("txtComuneRes");
    txtCapRes = edit("txtCapRes");
    txtEstremi = edit("txtEstremi");
    txtTelCasa = edit("txtTelCasa");
    txtTelUff = edit("txtTelUff");
    txtTelCel = edit("txtTelCel");
    txtFax = edit("txtFax");
    txtEmail = edit("txtEmail");
    txtCodFisc = edit("txtCodFisc");
    txtCarta = edit("txtCarta");
    txtScadeCarta = edit("txtScadeCarta");
    txtPartitaIva = edit("txtPartitaIva");
    txtIban = edit("txtIban");
    txtDocumento = edit("txtDocumento");
    txtOccupazione = edit("txtOccupazione");
    txtCivile = edit("txtCivile");
    txtTitoli = edit("txtTitoli");
    txtCaniOra = edit("txtCaniOra");
    txtCaniPrima = edit("txtCaniPrima");
    txtQuestioni = edit("txtQuestioni");
    txtNote = edit("txtNote");

    // The e-mail address never keeps blanks at its ends.
    auto trimEmail = [this]() {
        const QString trimmed = TrimText(txtEmail->text());
        if (trimmed != txtEmail->text())
            txtEmail->setText(trimmed);
    };
    connect(txtEmail, &QLineEdit::textChanged, this, trimEmail);
    EditKit::onExit(txtEmail, trimEmail);

    // The small commands beside their edits.
    btnEmail = addSmallButton(
        panContainer, "btnEmail", "busta-piccola", QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    btnCodFisc = addSmallButton(panContainer, "btnCodFisc", "spunta", QStringLiteral("Controlla il codice fiscale."));
    btnCarta = addSmallButton(
        panContainer, "btnCarta", "spunta", QStringLiteral("Controlla il numero di carta di credito."));
    btnPartitaIva = addSmallButton(
        panContainer, "btnPartitaIva", "spunta", QStringLiteral("Controlla il numero di partita IVA."));
    btnIban = addSmallButton(panContainer, "btnIban", "spunta", QStringLiteral("Controlla l'IBAN."));

    connect(btnEmail, &QPushButton::clicked, this, &TfrmClienti::emailClick);
    connect(btnCodFisc, &QPushButton::clicked, this, [this]() { OpenChecker(this, TrimText(txtCodFisc->text())); });
    connect(btnPartitaIva, &QPushButton::clicked, this,
        [this]() { OpenPartitaIvaChecker(this, TrimText(txtPartitaIva->text())); });
    connect(btnCarta, &QPushButton::clicked, this, [this]() { OpenCartaChecker(this, TrimText(txtCarta->text())); });
    connect(btnIban, &QPushButton::clicked, this, [this]() { OpenIbanChecker(this, TrimText(txtIban->text())); });
}

void TfrmClienti::buildCommands()
{
    // Groups: record, archive, sheet, lists, leave.
    addCommands({
        { "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.", 0 },
        { "cmdDuplica", "Duplica",
            "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.", 0 },
        { "cmdFile", "Allega file", "Allega file alla scheda corrente.", 0 },
        { "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", 0 },
        { "cmdTrova", "Trova", "Trova una scheda in archivio.", 1 },
        { "cmdAnteprima", "Anteprima", "Visualizza l'anteprima di stampa.", 2 },
        { "cmdStampa", "Stampa", "Stampa la scheda corrente.", 2 },
        { "cmdPDF", "Crea PDF", "Esporta la scheda in formato PDF.", 2 },
        { "cmdRicontatta", "Da ricontattare", "Visualizza il riepilogo dei proprietari da ricontattare.", 3 },
        { "cmdEsporta", "Esporta archivio", "Esporta le schede in archivio in un file di Microsoft Excel.", 3 },
        { "cmdGuida", "Guida", "Visualizza la guida in linea.", 4 },
        { "cmdEsci", "Esci", "Esci da questa schermata.", 4 },
    });
    cmdNuovo = commandNamed("cmdNuovo");
    cmdDuplica = commandNamed("cmdDuplica");
    cmdFile = commandNamed("cmdFile");
    cmdSalva = commandNamed("cmdSalva");
    cmdTrova = commandNamed("cmdTrova");
    cmdAnteprima = commandNamed("cmdAnteprima");
    cmdStampa = commandNamed("cmdStampa");
    cmdPDF = commandNamed("cmdPDF");
    cmdRicontatta = commandNamed("cmdRicontatta");
    cmdEsporta = commandNamed("cmdEsporta");
    cmdGuida = commandNamed("cmdGuida");
    cmdEsci = commandNamed("cmdEsci");

    addHint(
        chkRicontatta, QStringLiteral("Annota che il proprietario \u00E8 da ricontattare per questioni in sospeso."));

    connect(cmdTrova, &QPushButton::clicked, this,
        [this]() { TfrmTrovaClienti::openPicker(this, QStringLiteral("clienti")); });
    connect(cmdRicontatta, &QPushButton::clicked, this, [this]() { WindowKit::openModalDialog<TfrmRicontatta>(this); });
    connect(cmdEsporta, &QPushButton::clicked, this, [this]() { WindowKit::openModalDialog<TfrmExpClienti>(this); });
    connect(cmdStampa, &QPushButton::clicked, this, [this]() { OwnerSheet::print(this); });
    connect(cmdAnteprima, &QPushButton::clicked, this, [this]() { OwnerSheet::preview(this); });
    connect(cmdPDF, &QPushButton::clicked, this, [this]() { OwnerSheet::exportPdf(this); });

    connect(
        cmdFile, &QPushButton::clicked, this, [this]() { TfrmAllegaCartella::open(this, QStringLiteral("clienti")); });
    connect(cmdGuida, &QPushButton::clicked, this, [this]() { ShowHelp(this, HelpTopic::Owners); });
    WindowKit::closeOnClick(cmdEsci, this);
}

void TfrmClienti::buildArchiveEditor()
{
    ArchiveEditor::Setup s;
    s.layout = &OwnerRecord::layout();
    s.path = &OwnerRecord::path;
    s.firstField = txtCliente;
    s.checks = { ArchiveEditor::mandatory(
        txtCliente, ArchiveEditor::kMandatoryPrefix + QStringLiteral("il nome del proprietario.")) };
    setUpArchive(s, &OwnerControls::name);
}

void TfrmClienti::emailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + TrimText(txtEmail->text()) + QLatin1Char('"'));
}

QString TfrmClienti::fieldText(int field) const
{
    if (field == OwnerRecord::Ricontatta)
        return chkRicontatta->isChecked() ? QStringLiteral("S\u00EC") : QStringLiteral("No");
    const QWidget *control = findChild<QWidget *>(OwnerControls::name(field));
    return TrimText(ControlText::text(control));
}
