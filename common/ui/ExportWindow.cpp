#include "common/ui/ExportWindow.h"

#include "common/ui/Style.h"

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/ui/Art.h"
#include "common/ui/MessageBoxes.h"

#include <QApplication>
#include <QFrame>
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

constexpr QRgb kWindowFill = 0xFFEEEDED;
constexpr int kRowHeight = 21;
constexpr int kIcon = 44;

// The window's design, in pixels of panContainer.
constexpr QSize kPanel(837, 533);
constexpr QRect kStrip(8, 8, 821, 65);
constexpr QRect kLogo(13, 13, 505, 55);
constexpr QRect kHand(528, 32, 31, 25);
constexpr QRect kExport(566, 15, 49, 50);
constexpr QRect kHelp(670, 13, 50, 55);
constexpr QRect kExit(766, 15, 40, 50);
constexpr QRect kGrid(8, 80, 821, 409);
constexpr QRect kBand(8, 493, 821, 32);
constexpr QPoint kHintText(14, 499);

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

QToolButton *commandPicture(QWidget *parent, const char *name, const QString &picture, const QRect &place)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    const int side = qMin(kIcon, qMin(place.width(), place.height()) - 4);
    button->setIcon(QIcon(Art::pixmap(picture, QSize(side, side))));
    button->setIconSize(QSize(side, side));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(place);
    return button;
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
    for (const QString &name : { QStringLiteral("panContainer"), QStringLiteral("shpSfondo") }) {
        if (auto *panel = findChild<QFrame *>(name))
            hints->addBackground(panel);
    }

    finishLayout(m_setup.size);
}

void ExportWindow::buildWindow()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(kWindowFill));
    setPalette(palette);

    // Everything sits on one panel centred in the client area, at the
    // places of the window's design (pixels of the panel).
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setGeometry(QRect(
        QPoint((m_setup.size.width() - kPanel.width()) / 2, (m_setup.size.height() - kPanel.height()) / 2), kPanel));

    // The white strip: title picture at the left, commands at the right.
    auto *strip = new QFrame(panel);
    strip->setObjectName(QStringLiteral("shpSfondo"));
    strip->setAutoFillBackground(true);
    QPalette white = strip->palette();
    white.setColor(QPalette::Window, Qt::white);
    strip->setPalette(white);
    strip->setGeometry(kStrip);

    imgLogo = new QLabel(panel);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(kLogo);
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgLogo->setPixmap(Art::pixmap(QStringLiteral("titolo-excel"), QSize(330, 52)));

    icoHand = new QLabel(panel);
    icoHand->setObjectName(QStringLiteral("icoHand"));
    icoHand->setGeometry(kHand);
    icoHand->setAlignment(Qt::AlignCenter);
    icoHand->setPixmap(Art::pixmap(QStringLiteral("mano"), kHand.size()));
    cmdEsporta = commandPicture(panel, "cmdEsporta", QStringLiteral("excel"), kExport);
    cmdGuida = commandPicture(panel, "cmdGuida", QStringLiteral("aiuto"), kHelp);
    cmdEsci = commandPicture(panel, "cmdEsci", QStringLiteral("uscita"), kExit);

    // The grid.
    auto *view = new GridView(panel);
    grdRecords = view;
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(kGrid);
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
    gridPalette.setColor(QPalette::AlternateBase, QColor(0xf3, 0xf7, 0xf1));
    grdRecords->setPalette(gridPalette);
    for (int c = 0; c < m_setup.columns.size(); ++c)
        grdRecords->setColumnWidth(c, m_setup.columns.at(c).gridWidth);

    // The hint line on its band.
    auto *band = new QFrame(panel);
    band->setObjectName(QStringLiteral("shpInfo"));
    band->setAutoFillBackground(true);
    QPalette bandPalette = band->palette();
    bandPalette.setColor(QPalette::Window, QColor::fromRgba(Style::HintBandColour));
    band->setPalette(bandPalette);
    band->setGeometry(kBand);
    panInfo = new QLabel(kHintInitial, band);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Style::shellFont(12));
    panInfo->setGeometry(kHintText.x() - kBand.x(), 0, kBand.width() - 2 * (kHintText.x() - kBand.x()), kBand.height());
    panInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette hintPalette = panInfo->palette();
    hintPalette.setColor(QPalette::WindowText, Qt::white);
    panInfo->setPalette(hintPalette);
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
