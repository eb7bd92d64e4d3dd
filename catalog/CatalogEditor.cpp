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
constexpr Layout::Font kCaptionFont { "Verdana", 10, true };
constexpr Layout::Font kEditFont { "Verdana", 11, false };

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
    applyPanel(panelRows(), tabOrder());
    icoTitoli = panContainer->findChild<QWidget *>(QStringLiteral("icoTitoli"));
    titNote = panContainer->findChild<QLabel *>(QStringLiteral("titNote"));
    finishWindow();
}

QLineEdit *TCatalogEditor::edit(int field) const
{
    return findChild<QLineEdit *>(m_twin.controlName(field));
}

QList<Layout::Item> TCatalogEditor::panelRows() const
{
    // The captions of the column on their picture, side by side with their
    // edits; the notes with their caption and the check box below.
    const QList<FieldRow> &fields = m_twin.fields;
    QList<Layout::Item> rows;
    rows.append({ .name = "icoTitoli",
        .in = "panContainer",
        .x = kCaptionsLeft,
        .y = kTop - 8,
        .w = kCaptionsWidth,
        .h = kColumnRows * kRowPitch + 4,
        .kind = Layout::Kind::Shape,
        .fill = Style::CatalogTitleFill,
        .stroke = Style::FrameBlue,
        .radius = 8 });
    for (int i = 0; i < kColumnRows; ++i)
        rows.append({ .name = Layout::intern(QStringLiteral("tit") + m_twin.layout->name(fields.at(i).field)),
            .in = "panContainer",
            .x = kCaptionsLeft + 10,
            .y = qreal(kTop + i * kRowPitch),
            .w = kCaptionsWidth - 22,
            .h = kEditHeight,
            .kind = Layout::Kind::Text,
            .font = kCaptionFont,
            .align = int(Qt::AlignRight | Qt::AlignVCenter),
            .text = QString::fromUtf8(fields.at(i).caption) });
    rows.append({ .name = "titNote",
        .in = "panContainer",
        .x = kCaptionsLeft,
        .y = kNoteCaptionTop,
        .w = 200,
        .h = 20,
        .kind = Layout::Kind::Text,
        .font = kCaptionFont,
        .text = QString::fromUtf8(fields.last().caption) });
    for (int i = 0; i < fields.size(); ++i) {
        const int field = fields.at(i).field;
        const bool column = i < kColumnRows;
        rows.append({ .name = Layout::intern(m_twin.controlName(field)),
            .in = "panContainer",
            .x = qreal(column ? kEditsLeft : kCaptionsLeft),
            .y = qreal(column ? kTop + i * kRowPitch : kNoteTop),
            .w = qreal(column ? kEditsWidth : kNoteWidth),
            .h = kEditHeight,
            .font = kEditFont,
            .align = field == m_twin.priceField ? int(Qt::AlignRight | Qt::AlignVCenter) : 0 });
    }
    rows.append({ .name = Layout::intern(m_twin.controlName(m_twin.flagField)),
        .in = "panContainer",
        .x = kCaptionsLeft + kNoteWidth + 20,
        .y = kNoteTop,
        .w = 190,
        .h = kEditHeight,
        .font = { "Verdana", 10, true } });
    return rows;
}

QList<const char *> TCatalogEditor::tabOrder() const
{
    // The ten edits, then the check box.
    QList<const char *> order;
    for (const FieldRow &row : m_twin.fields)
        order.append(Layout::intern(m_twin.controlName(row.field)));
    order.append(Layout::intern(m_twin.controlName(m_twin.flagField)));
    return order;
}

void TCatalogEditor::buildFields()
{
    const QList<FieldRow> &rows = m_twin.fields;
    Q_ASSERT(rows.size() == kColumnRows + 1);
    // The edits with their behaviour; places, captions and fonts come from
    // the panel's table.
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
        m_edits.append(EditKit::makeEdit(panContainer, row));
    }
    txtPrezzo = edit(m_twin.priceField);
    txtPrezzo->setText(QStringLiteral("0,00"));
    txtNote = m_edits.last();

    chkFlag = new QCheckBox(QString::fromUtf8(m_twin.flagCaption), panContainer);
    chkFlag->setObjectName(m_twin.controlName(m_twin.flagField));
}

void TCatalogEditor::buildCommands()
{
    addCommands({
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
    cmdNuovo = commandNamed("cmdNuovo");
    cmdDuplica = commandNamed("cmdDuplica");
    cmdSalva = commandNamed("cmdSalva");
    cmdTrova = commandNamed("cmdTrova");
    cmdFile = commandNamed("cmdFile");
    cmdStampa = commandNamed("cmdStampa");
    cmdEsporta = commandNamed("cmdEsporta");
    cmdNonDisponibili = commandNamed(m_twin.unavailableName);
    cmdGuida = commandNamed("cmdGuida");
    cmdEsci = commandNamed("cmdEsci");
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
