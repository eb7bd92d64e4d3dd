#include "common/ui/ExportWindow.h"

#include "common/ui/CellText.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/ui/Art.h"
#include "common/ui/MessageBoxes.h"

#include <QApplication>
#include <QFrame>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

const QString ExportWindow::kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString ExportWindow::kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString ExportWindow::kFailure = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già "
    "aperto.");
const QString ExportWindow::kHintInitial = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString ExportWindow::kTooLarge = QStringLiteral(
    "Attenzione: l'archivio è troppo grande per la memoria del computer e non può essere mostrato nella "
    "griglia.\n\r\n\rNessun dato è stato modificato.");

namespace
{

constexpr QRgb kWindowFill = Style::ExportGround;
constexpr int kRowHeight = 21;
constexpr int kIcon = 44;

// The grid view: an edit still open when a command runs is taken into the grid first.
class GridView : public QTableView
{
public:
    using QTableView::QTableView;

    void commitOpenEditor()
    {
        if (state() != EditingState)
            return;
        QWidget *editor = QApplication::focusWidget();
        if (editor && viewport()->isAncestorOf(editor)) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

// The grid's header: a section's size from its title measured once per title
// and font in the program's life (every export window is made afresh, and
// the header asks for the sizes several times while the window is built).
class GridHeader : public QHeaderView
{
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        if (!model())
            return QHeaderView::sectionSizeFromContents(logicalIndex);
        static QHash<QString, QSize> measured;
        const QString key = font().key() + QLatin1Char('\n') + style()->name() + QLatin1Char('\n')
            + model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        const auto known = measured.constFind(key);
        if (known != measured.cend())
            return *known;
        const QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
        measured.insert(key, size);
        return size;
    }
};

QToolButton *commandPicture(QWidget *parent, const char *name, const QString &picture, const QSize &room)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    const int side = qMin(kIcon, qMin(room.width(), room.height()) - 4);
    button->setIcon(QIcon(Art::pixmap(picture, QSize(side, side))));
    button->setIconSize(QSize(side, side));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// The window's design, in units of panContainer (centred in the client area).
Layout::Table windowTable(const QSize &client)
{
    using namespace Layout;
    Table t;
    t.name = QStringLiteral("export window");
    t.client = client;
    t.items = {
        { .name = "panContainer", .x = Centre, .y = Centre, .w = 837, .h = 533 },
        { .name = "shpSfondo",
            .in = "panContainer",
            .x = 8,
            .y = 8,
            .w = 821,
            .h = 65,
            .kind = Kind::Shape,
            .fill = White },
        { .name = "imgLogo", .in = "panContainer", .x = 13, .y = 13, .w = 505, .h = 55 },
        { .name = "icoHand", .in = "panContainer", .x = 528, .y = 32, .w = 31, .h = 25 },
        { .name = "cmdEsporta", .in = "panContainer", .x = 566, .y = 15, .w = 49, .h = 50 },
        { .name = "cmdGuida", .in = "panContainer", .x = 670, .y = 13, .w = 50, .h = 55 },
        { .name = "cmdEsci", .in = "panContainer", .x = 766, .y = 15, .w = 40, .h = 50 },
        { .name = "grdRecords", .in = "panContainer", .x = 8, .y = 80, .w = 821, .h = 409 },
        { .name = "shpInfo",
            .in = "panContainer",
            .x = 8,
            .y = 493,
            .w = 821,
            .h = 32,
            .kind = Kind::Shape,
            .fill = Style::HintBandColour },
        { .name = "panInfo",
            .in = "panContainer",
            .x = 14,
            .y = 499,
            .w = 809,
            .h = 20,
            .font = { "Tahoma", 12 },
            .colour = White,
            .align = Qt::AlignLeft | Qt::AlignVCenter },
    };
    return t;
}

} // namespace

// ---------------------------------------------------------------------------

namespace
{

QList<SpreadsheetExport::RecordText> sourcesOf(const QList<ExportWindow::Column> &columns)
{
    QList<SpreadsheetExport::RecordText> sources;
    for (const ExportWindow::Column &column : columns)
        sources.append(column.source);
    return sources;
}

} // namespace

ExportWindow::Grid::Grid(const QList<Column> &columns, const RecordLayout &layout, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_layout(&layout)
    , m_rows(layout, sourcesOf(columns))
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (!m_columns.at(c).title.isEmpty())
            m_exported.append(c);
    }
}

int ExportWindow::Grid::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.count());
}

int ExportWindow::Grid::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant ExportWindow::Grid::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return text(index.row(), index.column());
}

bool ExportWindow::Grid::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    setText(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags ExportWindow::Grid::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns.at(index.column()).flags.testFlag(Editable))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ExportWindow::Grid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns())
        return m_columns.at(section).header;
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ExportWindow::Grid::setText(qsizetype row, int column, const QString &text)
{
    m_rows.setText(row, column, text);
    const QModelIndex changed = index(int(row), column);
    emit dataChanged(changed, changed, { Qt::DisplayRole, Qt::EditRole });
}

int ExportWindow::Grid::column(QStringView name) const
{
    for (int c = 0; c < columns(); ++c) {
        if (QLatin1String(m_columns.at(c).name) == name)
            return c;
    }
    return -1;
}

void ExportWindow::Grid::setEmptyRows(qsizetype count)
{
    beginResetModel();
    m_rows.setEmptyRows(count);
    endResetModel();
}

void ExportWindow::Grid::load(const QString &path)
{
    load(path, {});
}

void ExportWindow::Grid::load(const QString &path, const SpreadsheetExport::RecordSelection &selection)
{
    // Read aside first: the grid changes only once the whole reading is held.
    SpreadsheetExport::RecordRows fresh(*m_layout, sourcesOf(m_columns));
    fresh.load(path, selection);
    if (fresh.fileRecords() == 0)
        return;
    beginResetModel();
    m_rows.swap(fresh);
    endResetModel();
}

QList<SpreadsheetExport::Column> ExportWindow::Grid::sheetColumns() const
{
    QList<SpreadsheetExport::Column> out;
    for (int c : m_exported) {
        const Column &column = m_columns.at(c);
        out.append({ column.title, column.width, column.flags.testFlag(AlignRight), column.flags.testFlag(TextCells) });
    }
    return out;
}

SpreadsheetExport::Rows ExportWindow::Grid::exportRows() const
{
    return m_rows.exportRows(m_exported);
}

// ---------------------------------------------------------------------------

ExportWindow::ExportWindow(QWidget *owner, Setup setup)
    : FixedDialog(owner, setup.caption)
    , m_setup(std::move(setup))
{
    Q_ASSERT(m_setup.layout);
    m_grid = new Grid(m_setup.columns, *m_setup.layout, this);
    m_grid->setEmptyRows(m_setup.designRows);
    buildWindow();

    connect(cmdEsporta, &QAbstractButton::clicked, this, [this] { exportCommand(); });
    connect(cmdGuida, &QAbstractButton::clicked, this, [this] {
        if (m_setup.help)
            m_setup.help(this);
    });
    cmdGuida->setEnabled(bool(m_setup.help));
    WindowKit::closeOnClick(cmdEsci, this);

    auto *hints = new WindowKit::HintLine(panInfo);
    hints->addCommand(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    hints->addCommand(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    hints->addCommand(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    hints->addBackground(this);
    hints->addBackground(grdRecords);
    hints->addBackground(grdRecords->viewport());
    for (const char *name : { "panContainer", "shpSfondo", "shpInfo" }) {
        if (auto *background = findChild<QWidget *>(QLatin1String(name)))
            hints->addBackground(background);
    }

    finishLayout(m_setup.size);
}

void ExportWindow::buildWindow()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(kWindowFill));
    setPalette(palette);

    // Everything sits on one panel centred in the client area; the table
    // places it (the white strip and the hint band are the table's own).
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panContainer"));

    imgLogo = new QLabel(panel);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgLogo->setPixmap(Art::pixmap(QStringLiteral("titolo-excel"), QSize(330, 52)));

    const QSize hand(31, 25);
    icoHand = new QLabel(panel);
    icoHand->setObjectName(QStringLiteral("icoHand"));
    icoHand->setAlignment(Qt::AlignCenter);
    icoHand->setPixmap(Art::pixmap(QStringLiteral("mano"), hand));
    cmdEsporta = commandPicture(panel, "cmdEsporta", QStringLiteral("excel"), QSize(49, 50));
    cmdGuida = commandPicture(panel, "cmdGuida", QStringLiteral("aiuto"), QSize(50, 55));
    cmdEsci = commandPicture(panel, "cmdEsci", QStringLiteral("uscita"), QSize(40, 50));

    // The grid.
    auto *view = new GridView(panel);
    grdRecords = view;
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    auto *header = new GridHeader(Qt::Horizontal, grdRecords);
    header->setSectionsClickable(true); // as the view's own header: a click selects the column
    grdRecords->setHorizontalHeader(header);
    grdRecords->setItemDelegate(new CellTextDelegate(grdRecords));
    grdRecords->setModel(m_grid);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grdRecords->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->horizontalHeader()->setStretchLastSection(false);
    QPalette gridPalette = grdRecords->palette();
    gridPalette.setColor(QPalette::AlternateBase, QColor::fromRgba(Style::GridAlternateRow));
    grdRecords->setPalette(gridPalette);
    for (int c = 0; c < m_setup.columns.size(); ++c)
        grdRecords->setColumnWidth(c, m_setup.columns.at(c).gridWidth);

    // The hint line, on the band the table draws under it.
    panInfo = new QLabel(kHintInitial, panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));

    Layout::apply(this, windowTable(m_setup.size));
}

void ExportWindow::shown()
{
    // Filled once the window is on its way to the screen: the archive is
    // read while the window manager maps the window.
    if (!m_filled) {
        m_filled = true;
        fill();
    }
}

void ExportWindow::tellTooLarge()
{
    // Said once the window stands, so the box has its owner on screen.
    QMetaObject::invokeMethod(
        this, [this] { MessageBoxes::warning(kTooLarge, this); }, Qt::QueuedConnection);
}

void ExportWindow::fill()
{
    if (!m_setup.archive)
        return;
    try {
        const QString path = m_setup.archive();
        if (path.isEmpty())
            return;
        m_grid->load(path, m_setup.selection ? m_setup.selection() : SpreadsheetExport::RecordSelection {});
    } catch (const SpreadsheetExport::TooLargeError &) {
        tellTooLarge();
    } catch (const ArchiveTooLargeError &) {
        tellTooLarge(); // a selection that reads the archive first
    } catch (...) {
        // The filling ends silently; the grid stays as it was.
    }
}

SpreadsheetExport::Sheet ExportWindow::sheet() const
{
    return { m_setup.fileName, m_setup.sheetName, m_grid->sheetColumns() };
}

void ExportWindow::exportCommand()
{
    static_cast<GridView *>(grdRecords)->commitOpenEditor();
    runExport(this, sheet(), exportRows(), m_setup.open);
}

bool ExportWindow::runExport(
    QWidget *parent, const SpreadsheetExport::Sheet &sheet, const SpreadsheetExport::Rows &rows, const Opener &open)
{
    bool written = false;
    try {
        if (!MessageBoxes::confirmation(kAskExport, parent))
            return false;
        const QString path = programFile(sheet.fileName);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            SpreadsheetExport::writeFile(path, sheet.sheetName, sheet.columns, rows);
        } catch (...) {
            QApplication::restoreOverrideCursor();
            throw;
        }
        QApplication::restoreOverrideCursor();
        written = true;
        if (MessageBoxes::confirmation(kAskOpen, parent) && open)
            open(QLatin1Char('"') + path + QLatin1Char('"'));
    } catch (...) {
        MessageBoxes::plain(kFailure, parent);
    }
    return written;
}
