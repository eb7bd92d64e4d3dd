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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmClienti *frmClienti = nullptr;

namespace
{

using EditKit::Casing;
using EditKit::EditRow;
using EditKit::Filter;

// Geometry of the centred panel and of its grid of field rows.
constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;
constexpr int kFieldsLeft = 84; // left edge of the fields (the section pictures are left of it)
constexpr int kFieldsWidth = 736; // width of a row of fields
constexpr int kTop = 12;
constexpr int kRowPitch = 50;
constexpr int kSectionGap = 14;
// A row: the caption, then the edit with its focus frame (kFrameMargin around
// it) below the caption, so the frame never covers the caption above it nor
// the caption of the next row.
constexpr int kCaptionHeight = 15;
constexpr int kFrameMargin = 4;
constexpr int kEditHeight = 26;
static_assert(kCaptionHeight + 2 * kFrameMargin + kEditHeight < kRowPitch);

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

const QList<FieldRow> &fieldRows()
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
    return rowTop(row) + kCaptionHeight + kFrameMargin;
}

// ---- pictures -------------------------------------------------------------

// The section pictures: a round badge with a simple drawing.
const char *const kSectionPictures[]
    = { "sezione-proprietario", "sezione-telefono", "sezione-carta", "sezione-documento", "sezione-note" };

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
    for (QFrame *section : panContainer->findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly))
        if (section->property("section").toBool())
            addHintBackground(section);
    finishWindow();
}

void TfrmClienti::buildFields()
{
    const QFont captionFont = Style::verdana(9, true);
    const QFont editFont = Style::verdana(12, true);

    // The section panels with their pictures, behind the fields.
    for (int s = 0; s < 5; ++s) {
        const int top = rowTop(kSections[s].firstRow) - 6;
        const int bottom = editTop(kSections[s].lastRow) + kEditHeight + 8;
        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QStringLiteral("shpSezione%1").arg(s + 1));
        frame->setProperty("section", true);
        frame->setGeometry(8, top, kFieldsLeft + kFieldsWidth + 8 - 8, bottom - top);
        auto *picture = new QLabel(panContainer);
        picture->setObjectName(QStringLiteral("imgSezione%1").arg(s + 1));
        picture->setPixmap(Art::pixmap(QLatin1String(kSectionPictures[s]), QSize(56, 56)));
        picture->setGeometry(16, top + (bottom - top - 56) / 2, 56, 56);
    }

    for (const FieldRow &row : fieldRows()) {
        // The name and the Enter successor come from the record field; the
        // typing limit from the layout (setUpArchive).
        const QByteArray name = OwnerControls::name(row.field).toLatin1();
        const QByteArray successor = OwnerControls::name(row.successor).toLatin1();
        const EditRow edit {
            .name = name.constData(), .successor = successor.constData(), .filter = row.filter, .casing = row.casing
        };
        auto *caption = new QLabel(QString::fromUtf8(row.caption), panContainer);
        caption->setObjectName(QStringLiteral("lbl") + OwnerRecord::layout().name(row.field));
        caption->setFont(captionFont);
        caption->setGeometry(kFieldsLeft + row.x, rowTop(row.row), row.width + 40, kCaptionHeight);

        QWidget *control = nullptr;
        if (row.combo) {
            auto *combo = new QComboBox(panContainer);
            combo->addItems(Provinces::codes());
            combo->setMaxVisibleItems(16);
            EditKit::applyCombo(combo, edit);
            combo->setCurrentIndex(-1);
            control = combo;
        } else {
            QLineEdit *line = EditKit::makeEdit(panContainer, edit);
            if (row.centred)
                line->setAlignment(Qt::AlignCenter);
            control = line;
        }
        control->setFont(editFont);
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->lineEdit()->setFont(editFont);
        control->setGeometry(kFieldsLeft + row.x, editTop(row.row), row.width, kEditHeight);

        if (row.field == OwnerRecord::Questioni) {
            chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), panContainer);
            chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
            chkRicontatta->setFont(Style::verdana(10, true));
            chkRicontatta->setGeometry(kFieldsLeft + row.x + row.width + 20, editTop(row.row), 190, kEditHeight);
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

    // The picture between the fax and the e-mail, and the small commands.
    icoEmail = new QLabel(panContainer);
    icoEmail->setObjectName(QStringLiteral("icoEmail"));
    icoEmail->setPixmap(Art::pixmap(QStringLiteral("busta"), QSize(34, 28)));
    icoEmail->setGeometry(kFieldsLeft + 248, editTop(4), 34, kEditHeight);

    auto smallButton = [this](const char *name, const QIcon &icon, QLineEdit *beside) {
        auto *button = new QPushButton(panContainer);
        button->setObjectName(QLatin1String(name));
        button->setIcon(icon);
        button->setIconSize(QSize(22, 22));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(smallButtonStyle());
        button->setGeometry(beside->geometry().right() + 5, beside->y(), 30, kEditHeight);
        return button;
    };
    btnEmail = smallButton("btnEmail", QIcon(Art::pixmap(QStringLiteral("busta-piccola"), QSize(22, 22))), txtEmail);
    const QIcon tick(Art::pixmap(QStringLiteral("spunta"), QSize(22, 22)));
    btnCodFisc = smallButton("btnCodFisc", tick, txtCodFisc);
    btnCarta = smallButton("btnCarta", tick, txtCarta);
    btnPartitaIva = smallButton("btnPartitaIva", tick, txtPartitaIva);
    btnIban = smallButton("btnIban", tick, txtIban);

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
    const QList<QPushButton *> buttons = addCommands({
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
    QPushButton **members[] = { &cmdNuovo, &cmdDuplica, &cmdFile, &cmdSalva, &cmdTrova, &cmdAnteprima, &cmdStampa,
        &cmdPDF, &cmdRicontatta, &cmdEsporta, &cmdGuida, &cmdEsci };
    for (int i = 0; i < buttons.size(); ++i)
        *members[i] = buttons.at(i);

    addHint(btnEmail, QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    addHint(btnCodFisc, QStringLiteral("Controlla il codice fiscale."));
    addHint(btnPartitaIva, QStringLiteral("Controlla il numero di partita IVA."));
    addHint(btnCarta, QStringLiteral("Controlla il numero di carta di credito."));
    addHint(btnIban, QStringLiteral("Controlla l'IBAN."));
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
