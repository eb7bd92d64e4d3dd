#include "catalog/CatalogEditor.h"

#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "common/TextRoutines.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/EditKit.h"
#include "common/ui/Style.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

// Geometry of the centred panel: the command bar at the top, the captions
// column and the column of nine edits, the notes with the check box below.
constexpr int kPanelWidth = 996;
constexpr int kPanelHeight = 560;
constexpr int kTop = 72; // first row
constexpr int kRowPitch = 40;
constexpr int kEditHeight = 28;
constexpr int kCaptionsLeft = 96;
constexpr int kCaptionsWidth = 250;
constexpr int kEditsLeft = kCaptionsLeft + kCaptionsWidth + 14;
constexpr int kEditsWidth = 520;
constexpr int kColumnRows = 9;
constexpr int kNoteCaptionTop = kTop + kColumnRows * kRowPitch + 8;
constexpr int kNoteTop = kNoteCaptionTop + 22;
constexpr int kNoteWidth = kEditsLeft + kEditsWidth - kCaptionsLeft - 190;

} // namespace

TCatalogEditor::TCatalogEditor(const Twin &twin, QWidget *parent)
    : EditorWindow({ .caption = QString::fromUtf8(twin.caption),
                       .objectName = QLatin1String(twin.globalName),
                       .panel = QSize(kPanelWidth, kPanelHeight),
                       .layout = CommandLayout::Bar,
                       .commandOrigin = QPoint(8, 8) },
        parent)
    , m_twin(twin)
{
    setWindowState(Qt::WindowMaximized);
    buildFields();
    buildCommands();
    buildArchiveEditor();
    addHintBackground(icoTitoli);
    finishWindow();
}

QLineEdit *TCatalogEditor::edit(int field) const
{
    return findChild<QLineEdit *>(m_twin.controlName(field));
}

void TCatalogEditor::buildFields()
{
    const QFont captionFont = Style::verdana(10, true);
    const QFont editFont = Style::verdana(11, false);
    const QList<FieldRow> &rows = m_twin.fields;
    Q_ASSERT(rows.size() == kColumnRows + 1);

    // The captions of the column, side by side with their edits.
    icoTitoli = new QFrame(panContainer);
    icoTitoli->setObjectName(QStringLiteral("icoTitoli"));
    icoTitoli->setStyleSheet(
        Style::sheet(QStringLiteral("#icoTitoli { background: @CatalogTitleFill; border: 1px solid %1; "
                                    "border-radius: 8px; }"))
            .arg(Style::css(Style::FrameBlue)));
    icoTitoli->setGeometry(kCaptionsLeft, kTop - 8, kCaptionsWidth, kColumnRows * kRowPitch + 4);
    for (int i = 0; i < kColumnRows; ++i) {
        auto *caption = new QLabel(QString::fromUtf8(rows.at(i).caption), icoTitoli);
        caption->setObjectName(QStringLiteral("tit") + m_twin.layout->name(rows.at(i).field));
        caption->setFont(captionFont);
        caption->setStyleSheet(Style::sheet(QStringLiteral("color: @CaptionInk; background: transparent;")));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(10, 8 + i * kRowPitch, kCaptionsWidth - 22, kEditHeight);
    }
    titNote = new QLabel(QString::fromUtf8(rows.last().caption), panContainer);
    titNote->setObjectName(QStringLiteral("titNote"));
    titNote->setFont(captionFont);
    titNote->setStyleSheet(Style::sheet(QStringLiteral("color: @CaptionInk;")));
    titNote->setGeometry(kCaptionsLeft, kNoteCaptionTop, 200, 20);

    for (int i = 0; i < rows.size(); ++i) {
        const int field = rows.at(i).field;
        const QByteArray name = m_twin.controlName(field).toLatin1();
        const QByteArray successor = m_twin.controlName(rows.at((i + 1) % rows.size()).field).toLatin1();
        EditKit::EditRow row { .name = name.constData(), .successor = successor.constData() };
        row.look = EditKit::Look::HighlightWhite;
        if (field == m_twin.priceField) {
            row.filter = EditKit::Filter::Amount;
            row.amountDecimals = 2;
        } else if (i == 0 && m_twin.firstFieldIsBoxNumber) {
            row.filter = EditKit::Filter::BoxFileName;
        }
        QLineEdit *line = EditKit::makeEdit(panContainer, row);
        line->setFont(editFont);
        if (i < kColumnRows)
            line->setGeometry(kEditsLeft, kTop + i * kRowPitch, kEditsWidth, kEditHeight);
        else
            line->setGeometry(kCaptionsLeft, kNoteTop, kNoteWidth, kEditHeight);
        m_edits.append(line);
    }
    txtPrezzo = edit(m_twin.priceField);
    txtPrezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtPrezzo->setText(QStringLiteral("0,00"));
    txtNote = m_edits.last();

    chkFlag = new QCheckBox(QString::fromUtf8(m_twin.flagCaption), panContainer);
    chkFlag->setObjectName(m_twin.controlName(m_twin.flagField));
    chkFlag->setFont(Style::verdana(10, true));
    chkFlag->setGeometry(kCaptionsLeft + kNoteWidth + 20, kNoteTop, 190, kEditHeight);
}

void TCatalogEditor::buildCommands()
{
    const QList<QPushButton *> buttons = addCommands({
        { "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.", 0 },
        { "cmdDuplica", "Duplica",
            "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.", 0 },
        { "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", 0 },
        { "cmdTrova", "Trova", "Trova una scheda in archivio.", 1 },
        { "cmdFile", "Allega file", "Allega file alla scheda corrente.", 1 },
        { "cmdStampa", "Stampa", "Stampa la scheda corrente.", 1 },
        { kNavigationStrip, nullptr, nullptr, 2 },
        { "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.", 3 },
        { m_twin.unavailableName, m_twin.unavailableCaption, m_twin.unavailableHint, 3, "triangolo" },
        { "cmdGuida", "Guida", "Visualizza la guida in linea.", 3 },
        { "cmdEsci", "Esci", "Esci da questa schermata.", 3 },
    });
    cmdNuovo = buttons.at(0);
    cmdDuplica = buttons.at(1);
    cmdSalva = buttons.at(2);
    cmdTrova = buttons.at(3);
    cmdFile = buttons.at(4);
    cmdStampa = command(QStringLiteral("cmdStampa"));
    cmdEsporta = command(QStringLiteral("cmdEsporta"));
    cmdNonDisponibili = command(QLatin1String(m_twin.unavailableName));
    cmdGuida = command(QStringLiteral("cmdGuida"));
    cmdEsci = command(QStringLiteral("cmdEsci"));
    addHint(chkFlag, QString::fromUtf8(m_twin.flagHint));

    const QString mode = QLatin1String(m_twin.attachmentMode);
    connect(cmdFile, &QPushButton::clicked, this, [this, mode]() { TfrmAllegaCartella::open(this, mode); });
    connect(cmdTrova, &QPushButton::clicked, this, [this, mode]() { m_twin.openSearch(this, mode); });
    connect(cmdStampa, &QPushButton::clicked, this, [this]() { m_twin.openSheet(this); });
    connect(cmdEsporta, &QPushButton::clicked, this, [this]() { m_twin.openExport(this); });
    connect(cmdNonDisponibili, &QPushButton::clicked, this, [this]() { m_twin.openUnavailable(this); });
    const HelpTopic topic = m_twin.help;
    connect(cmdGuida, &QPushButton::clicked, this, [this, topic]() { ShowHelp(this, topic); });
    WindowKit::closeOnClick(cmdEsci, this);
}

void TCatalogEditor::buildArchiveEditor()
{
    ArchiveEditor::Setup s;
    s.layout = m_twin.layout;
    s.path = m_twin.path;
    s.firstField = m_edits.first();
    for (const Mandatory &m : std::as_const(m_twin.mandatory))
        s.checks.append(ArchiveEditor::mandatory(edit(m.field), QString::fromUtf8(m.warning)));
    s.checks.append(ArchiveEditor::amountFits(txtPrezzo, m_twin.layout->capacity(m_twin.priceField)));
    setUpArchive(s, m_twin.controlName);
}

void TCatalogEditor::clearRecord()
{
    EditorWindow::clearRecord();
    txtPrezzo->setText(QStringLiteral("0,00"));
}

void TCatalogEditor::prepareSave()
{
    // An empty price stays empty, so its own warning names it.
    const QString price = AmountNormaliser(txtPrezzo->text(), 2, true);
    if (price != txtPrezzo->text())
        txtPrezzo->setText(price);
}
