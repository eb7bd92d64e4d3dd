#include "common/ui/ListWindow.h"

#include "common/ui/Style.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/report/ListReport.h"
#include "common/ui/CellText.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace
{

// Sizes in points, as every window gives them (see Style).
constexpr int kListFontPoints = 12;

QFont listFont()
{
    QFont font = Style::font(QStringLiteral("Courier New"), kListFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

// ---------------------------------------------------------------------------

RecordListModel::RecordListModel(QObject *parent)
    : ListingModel(parent)
    , m_font(listFont())
{
    m_rowHeight = QFontMetrics(m_font).height() + 4;
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_listing.text(index.row());
    case Qt::UserRole:
        return m_listing.record(index.row());
    case Qt::FontRole:
        return m_font; // made once: every drawn line asks for it
    case Qt::ForegroundRole:
        return QColor::fromRgba(Style::Black);
    case Qt::SizeHintRole:
        return m_itemWidth > 0 ? QSize(m_itemWidth, m_rowHeight) : QVariant();
    default:
        return {};
    }
}

void RecordListModel::setLines(const ListLines &lines)
{
    RecordListing listing;
    for (const ListLine &l : lines)
        listing.append(l.text, l.record);
    setListing(std::move(listing));
}

void RecordListModel::clear()
{
    setListing({});
}

void RecordListModel::setItemWidth(int width)
{
    if (width == m_itemWidth)
        return;
    m_itemWidth = width;
    if (m_listing.size() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::SizeHintRole });
    emit layoutChanged();
}

// ---------------------------------------------------------------------------

RecordList::RecordList(QWidget *parent)
    : QListView(parent)
    , m_model(new RecordListModel(this))
{
    setObjectName(QStringLiteral("lstRecords"));
    setModel(m_model);
    setItemDelegate(new CellTextDelegate(this)); // a long line is drawn up to the view's edge only
    setFont(listFont());
    setUniformItemSizes(true); // every line as high as the first: 100,000 lines lay out at once
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

int RecordList::currentRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void RecordList::setCurrentRow(int row)
{
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex i = m_model->index(row);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    scrollTo(i);
}

void RecordList::mousePressEvent(QMouseEvent *event)
{
    m_pressOnEmptyArea = !indexAt(event->position().toPoint()).isValid();
    if (m_pressOnEmptyArea) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void RecordList::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressOnEmptyArea) {
        m_pressOnEmptyArea = false;
        event->accept();
        return;
    }
    QListView::mouseReleaseEvent(event);
}

void RecordList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedLine();
}

// ---------------------------------------------------------------------------

std::function<void(RecordListing &)> ListWindow::archiveFill(
    std::function<QString()> path, int recordSize, SearchMatch::RecordTest accept, SearchMatch::LineBuilder line)
{
    return [=](RecordListing &lines) { lines.collect(path(), recordSize, accept, line); };
}

std::function<void(qint64)> ListWindow::archivePick(
    std::function<QString()> path, int recordSize, std::function<void(const QByteArray &, qint64)> deliver)
{
    return [=](qint64 record) {
        QByteArray bytes;
        SearchMatch::readRecord(path(), recordSize, record, bytes);
        deliver(bytes, record + 1);
    };
}

std::function<void(qint64)> ListWindow::tablePick(
    std::function<QString()> path, int recordSize, const Delivery::Table &table, std::function<QString()> mode)
{
    Delivery::enlist(table);
    return [=, &table](qint64 record) {
        QByteArray bytes;
        SearchMatch::readRecord(path(), recordSize, record, bytes);
        Delivery::deliver(table, mode ? mode() : QString(), bytes, record + 1);
    };
}

ListWindow::ListWindow(QWidget *owner, Setup setup)
    : ListWindow(owner, std::move(setup), true)
{
    finishLayout(size());
}

ListWindow::ListWindow(QWidget *owner, Setup setup, bool fillOnShow)
    : FixedDialog(owner, setup.caption)
    , m_setup(std::move(setup))
    , m_fillOnShow(fillOnShow)
{
    Q_ASSERT(m_setup.lastSearchText);
    buildResultPage();
}

QString ListWindow::heading() const
{
    return m_setup.heading.isEmpty() ? TrimText(m_setup.caption).toUpper() : m_setup.heading;
}

Layout::Table ListWindow::resultPageTable() const
{
    using namespace Layout;
    const bool search = !m_fillOnShow;
    const bool instruction = m_setup.instructionLine;
    Table t;
    t.name = QStringLiteral("result page");
    t.client = kClient;
    t.backgroundTop = SteelBlue;
    t.backgroundBottom = White;
    t.items = {
        { .name = "panContainer", .x = Centre, .y = Centre, .w = kPage.width(), .h = kPage.height() },
        { .name = "imgLogo",
            .in = "panContainer",
            .x = 8,
            .y = 8,
            .w = 817,
            .h = 53,
            .kind = Kind::Heading,
            .font = kHeadingFont,
            .colour = HeadingGreen,
            .text = heading(),
            .art = m_setup.headingArt,
            .artRight = m_setup.headingArtRight },
        { .name = "icoIstruzioni",
            .in = "panContainer",
            .x = 8,
            .y = 66,
            .w = 642,
            .h = 32,
            .kind = Kind::Text,
            .font = kNoteFont,
            .colour = NoteBlue,
            .align = Qt::AlignLeft | Qt::AlignVCenter,
            .text
            = QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                             "premere il pulsante Trova.\nPer passare alla voce successiva che contiene la "
                             "stessa chiave di ricerca, fare di nuovo clic sul pulsante Trova.") },
        { .name = "shpLente",
            .in = "panContainer",
            .x = 8,
            .y = 104,
            .w = 81,
            .h = 57,
            .kind = Kind::Shape,
            .fill = White,
            .stroke = PanelStroke },
        { .name = "imgLente",
            .in = "panContainer",
            .x = 16,
            .y = 112,
            .w = 64,
            .h = 41,
            .kind = Kind::Picture,
            .art = QStringLiteral("lente") },
        { .name = "shpSfondo",
            .in = "panContainer",
            .x = 96,
            .y = 104,
            .w = 729,
            .h = 57,
            .kind = Kind::Shape,
            .fill = SteelBlue,
            .fillBottom = White,
            .stroke = PanelStroke },
        { .name = "txtTrova", .in = "panContainer", .x = 112, .y = 122, .w = 593, .h = 22, .font = kEditFont },
        { .name = "btnTrova", .in = "panContainer", .x = 710, .y = 117, .w = 105, .h = 30, .font = kButtonFont },
        { .name = "shpLista",
            .in = "panContainer",
            .x = 8,
            .y = 168,
            .w = 817,
            .h = 313,
            .kind = Kind::Shape,
            .fill = SteelBlue,
            .fillBottom = White,
            .stroke = PanelStroke },
        { .name = "lstRecords", .in = "panContainer", .x = 16, .y = 176, .w = 801, .h = instruction ? 273.0 : 297.0 },
    };
    if (instruction)
        t.items.append({ .name = "lblRigo03",
            .in = "panContainer",
            .x = 16,
            .y = 454,
            .w = 801,
            .h = 20,
            .font = kLabelFont,
            .colour = Crimson,
            .align = Qt::AlignCenter });
    t.items.append(
        { .name = "btnChiudi", .in = "panContainer", .x = 8, .y = 488, .w = 150, .h = 30, .font = kButtonFont });
    if (search)
        t.items.append({ .name = "lblTrovate",
            .in = "panContainer",
            .x = 168,
            .y = 494,
            .w = 497,
            .h = 20,
            .font = kLabelFont,
            .colour = DarkCyan,
            .align = Qt::AlignCenter });
    t.items.append(
        { .name = "btnStampa", .in = "panContainer", .x = 675, .y = 488, .w = 150, .h = 30, .font = kButtonFont });
    if (search)
        t.tabOrder = { "txtTrova", "btnTrova", "lstRecords", "btnStampa", "btnChiudi" };
    else
        t.tabOrder = { "txtTrova", "lstRecords", "btnStampa", "btnTrova", "btnChiudi" };
    return t;
}

void ListWindow::buildResultPage()
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    m_pageList << panContainer;

    txtTrova = new QLineEdit(panContainer);
    EditKit::apply(txtTrova, { "txtTrova", 0, "btnTrova" });
    btnTrova = new QPushButton(QStringLiteral("Trova"), panContainer);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));

    lstRecords = new RecordList(panContainer);

    lblRigo03
        = new QLabel(QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), panContainer);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));

    if (!m_fillOnShow) {
        // The count sentence of the search windows.
        lblTrovate = new QLabel(panContainer);
        lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    }
    btnStampa = new QPushButton(QStringLiteral("Stampa"), panContainer);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), panContainer);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *b : { btnTrova, btnStampa, btnChiudi })
        b->setCursor(Qt::PointingHandCursor);

    Layout::apply(this, resultPageTable());

    connect(btnTrova, &QPushButton::clicked, this, &ListWindow::findCommand);
    connect(btnStampa, &QPushButton::clicked, this, &ListWindow::printCommand);
    connect(lstRecords, &RecordList::doubleClickedLine, this, &ListWindow::pickCommand);
    WindowKit::closeOnClick(btnChiudi, this);
}

void ListWindow::showPage(QWidget *page)
{
    for (QWidget *p : std::as_const(m_pageList))
        p->setVisible(p == page);
}

void ListWindow::showLines(RecordListing lines)
{
    if (m_setup.sorted)
        lines.sort();
    // The width first, so that the view lays the new lines out once.
    lstRecords->lines()->setItemWidth(m_setup.itemWidth);
    lstRecords->lines()->setListing(std::move(lines));
}

void ListWindow::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_setup.lastSearchText->clear();
    txtTrova->clear();
}

void ListWindow::shown()
{
    // Filled once the window is on its way to the screen: the archive is
    // read while the window manager maps the window.
    if (m_fillOnShow)
        fillList();
}

void ListWindow::fillList()
{
    RecordListing lines;
    lines.setSorted(m_setup.sorted);
    bool complete = false;
    try {
        if (m_setup.fill)
            m_setup.fill(lines);
        complete = true;
    } catch (const SearchMatch::ListingMemoryError &) {
        // An archive beyond what memory can hold is not read at all: said
        // once the window stands, so the box has its owner on screen.
        QMetaObject::invokeMethod(
            this, [this] { MessageBoxes::plain(SearchMatch::kMemoryMessage, this); }, Qt::QueuedConnection);
    } catch (...) {
        // The fill ends silently; the lines read so far are listed.
    }
    try {
        if (m_setup.sorted)
            lines.sort();
    } catch (...) {
        lines.clear(); // no memory left to sort: nothing is listed
        complete = false;
    }
    if (complete) // the width first, so that the view lays the new lines out once
        lstRecords->lines()->setItemWidth(m_setup.itemWidth);
    lstRecords->lines()->setListing(std::move(lines));
    if (complete)
        txtTrova->setFocus();
}

void ListWindow::findCommand()
{
    if (lstRecords->count() == 0) {
        MessageBoxes::plain(SearchMatch::kFindNotApplicable, this);
        return;
    }
    try {
        const RecordListing &listing = lstRecords->lines()->listing();
        // A find that walks many lines has them all made in one read of the archive.
        int asked = 0;
        const auto lineAt = [&listing, &asked](int i) {
            if (++asked == 64)
                listing.makeAllTexts();
            return listing.text(i);
        };
        const SearchMatch::FindOutcome outcome = SearchMatch::findNext(
            lstRecords->count(), lineAt, lstRecords->currentRow(), txtTrova->text(), *m_setup.lastSearchText);
        lstRecords->setCurrentRow(outcome.selected);
        *m_setup.lastSearchText = outcome.lastSearch;
    } catch (...) {
        // Find failures are ignored.
    }
}

void ListWindow::printCommand()
{
    const QStringList lines = listedLines();
    RunGuarded([&] { ListReport::print(this, m_setup.printTitle, lines); }, this);
}

void ListWindow::pickCommand()
{
    try {
        const int row = lstRecords->currentRow();
        if (row >= 0 && m_setup.pick)
            m_setup.pick(lstRecords->record(row));
    } catch (const Delivery::MissingControls &missing) {
        // A fault of the program, not of the archive: the user must know
        // that the record was not loaded.
        MessageBoxes::error(missing.message(), this);
    } catch (...) {
        // Whatever was written into the target stays; the window closes.
    }
    accept();
}

void ListWindow::done(int result)
{
    lstRecords->lines()->clear(); // ListClear
    FixedDialog::done(result);
}
