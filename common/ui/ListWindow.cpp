#include "common/ui/ListWindow.h"

#include "common/ui/Style.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/report/ListReport.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace
{

// Sizes in points, as every window gives them (see Style).
constexpr int kListFontPoints = 12;
constexpr int kEditFontPoints = 12;

QFont listFont()
{
    QFont font = Style::font(QStringLiteral("Courier New"), kListFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

// ---------------------------------------------------------------------------

RecordListModel::RecordListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    m_rowHeight = QFontMetrics(listFont()).height() + 4;
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_listing.size());
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
        return listFont();
    case Qt::ForegroundRole:
        return QColor::fromRgba(0xFF000000);
    case Qt::SizeHintRole:
        return m_itemWidth > 0 ? QSize(m_itemWidth, m_rowHeight) : QVariant();
    default:
        return {};
    }
}

void RecordListModel::setListing(RecordListing listing)
{
    beginResetModel();
    m_listing = std::move(listing);
    endResetModel();
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
    return [=, &table](qint64 record) {
        QByteArray bytes;
        SearchMatch::readRecord(path(), recordSize, record, bytes);
        Delivery::deliver(table, mode ? mode() : QString(), bytes, record + 1);
    };
}

ListWindow::ListWindow(QWidget *owner, Setup setup)
    : ListWindow(owner, std::move(setup), true)
{
    finishLayout(QSize(862, 560));
}

ListWindow::ListWindow(QWidget *owner, Setup setup, bool fillOnShow)
    : FixedDialog(owner, setup.caption)
    , m_setup(std::move(setup))
    , m_fillOnShow(fillOnShow)
{
    Q_ASSERT(m_setup.lastSearchText);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xEE, 0xF3, 0xF9));
    setPalette(pal);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Title strip with the window's own name.
    auto *strip = new QLabel(TrimText(m_setup.caption), this);
    strip->setObjectName(QStringLiteral("lblTitolo"));
    strip->setAutoFillBackground(true);
    QPalette stripPal = strip->palette();
    stripPal.setColor(QPalette::Window, QColor::fromRgba(0xFF6195C0));
    stripPal.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(stripPal);
    QFont stripFont(QStringLiteral("Verdana"));
    stripFont.setPixelSize(18);
    stripFont.setBold(true);
    strip->setFont(stripFont);
    strip->setContentsMargins(16, 0, 16, 0);
    strip->setFixedHeight(44);
    outer->addWidget(strip);

    m_pages = new QStackedLayout;
    m_pages->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(m_pages, 1);
    buildResultPage();
}

void ListWindow::buildResultPage()
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    auto *page = new QVBoxLayout(panContainer);
    page->setContentsMargins(16, 12, 16, 14);
    page->setSpacing(8);

    const QFont editFont = Style::font(QStringLiteral("Verdana"), kEditFontPoints, true);

    auto *findRow = new QHBoxLayout;
    findRow->setSpacing(10);
    auto *findCaption = new QLabel(QStringLiteral("Trova:"), panContainer);
    findRow->addWidget(findCaption);
    txtTrova = new QLineEdit(panContainer);
    EditKit::apply(txtTrova, { "txtTrova", 0, "btnTrova" });
    txtTrova->setFont(editFont);
    txtTrova->setFixedWidth(320);
    findRow->addWidget(txtTrova);
    btnTrova = new QPushButton(QStringLiteral("Trova"), panContainer);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setFixedSize(110, 30);
    findRow->addWidget(btnTrova);
    findRow->addStretch(1);
    page->addLayout(findRow);

    lstRecords = new RecordList(panContainer);
    page->addWidget(lstRecords, 1);

    lblRigo03
        = new QLabel(QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), panContainer);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    page->addWidget(lblRigo03);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    if (!m_fillOnShow) {
        // The count sentence of the search windows.
        lblTrovate = new QLabel(panContainer);
        lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
        QFont countFont = lblTrovate->font();
        countFont.setBold(true);
        lblTrovate->setFont(countFont);
        bottom->addWidget(lblTrovate, 1);
    } else {
        bottom->addStretch(1);
    }
    btnStampa = new QPushButton(QStringLiteral("Stampa"), panContainer);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setFixedSize(130, 32);
    bottom->addWidget(btnStampa);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), panContainer);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFixedSize(130, 32);
    bottom->addWidget(btnChiudi);
    page->addLayout(bottom);

    m_pages->addWidget(panContainer);

    connect(btnTrova, &QPushButton::clicked, this, &ListWindow::findCommand);
    connect(btnStampa, &QPushButton::clicked, this, &ListWindow::printCommand);
    connect(lstRecords, &RecordList::doubleClickedLine, this, &ListWindow::pickCommand);
    WindowKit::closeOnClick(btnChiudi, this);
}

void ListWindow::showLines(RecordListing lines)
{
    if (m_setup.sorted)
        lines.sort();
    lstRecords->lines()->setListing(std::move(lines));
    lstRecords->lines()->setItemWidth(m_setup.itemWidth);
}

void ListWindow::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_setup.lastSearchText->clear();
    txtTrova->clear();
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
    lstRecords->lines()->setListing(std::move(lines));
    if (complete) {
        lstRecords->lines()->setItemWidth(m_setup.itemWidth);
        txtTrova->setFocus();
    }
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
