#include "planner/MenuDisponibili.h"

#include "app/dialogs/Guida.h"
#include "catalog/core/BoxRecord.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/SearchMatch.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/TextFit.h"
#include "common/ui/WindowNames.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TfrmMenuDisponibili *frmMenuDisponibili = nullptr;

namespace
{

QLabel *text(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    return label;
}

// Tab and Shift+Tab move the focus from the year along the window's tab order
// (the digits-only filter of the year refuses every other key but the editing ones).
class TabMovesOn : public QObject
{
public:
    TabMovesOn(QWidget *edit, QWidget *next, QWidget *previous)
        : QObject(edit)
        , m_next(next)
        , m_previous(previous)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab)
            m_next->setFocus(Qt::TabFocusReason);
        else if (key == Qt::Key_Backtab)
            m_previous->setFocus(Qt::BacktabFocusReason);
        else
            return false;
        return true;
    }

private:
    QWidget *m_next;
    QWidget *m_previous;
};

// The chooser in design units: the panel centred in the maximised window,
// the title band, the year row, the list and the bottom band.
Layout::Table chooserTable()
{
    using Layout::Centre;
    using Layout::Kind;
    const Layout::Font verdana12 { "Verdana", 12 };
    const Layout::Font verdana14 { "Verdana", 14 };
    Layout::Table t;
    t.name = QStringLiteral("chooser");
    t.backgroundTop = Style::PlannerBlue;
    t.backgroundBottom = Style::White;
    t.items = {
        { .name = "panContainer", .x = Centre, .y = Centre, .w = 995, .h = 692 },
        { .name = "shpContainer",
            .in = "panContainer",
            .x = 8,
            .y = 8,
            .w = 977,
            .h = 675,
            .kind = Kind::Shape,
            .fill = Style::SteelBlue,
            .fillBottom = Style::White,
            .stroke = Style::White },
        { .name = "shpTitle",
            .in = "panContainer",
            .x = 16,
            .y = 16,
            .w = 961,
            .h = 100,
            .kind = Kind::Shape,
            .fill = Style::PlannerBlue },
        { .name = "bkgTitle",
            .in = "panContainer",
            .x = 24,
            .y = 24,
            .w = 945,
            .h = 84,
            .kind = Kind::Shape,
            .fill = Style::White },
        { .name = "icoTitolo",
            .in = "panContainer",
            .x = 162,
            .y = 46,
            .w = 738,
            .h = 53,
            .font = { "Verdana", 30, true },
            .colour = Style::PlannerBlue,
            .align = Qt::AlignCenter },
        { .name = "icoLetto", .in = "panContainer", .x = 40, .y = 30, .w = 71, .h = 74 },
        { .name = "shpBody",
            .in = "panContainer",
            .x = 16,
            .y = 122,
            .w = 961,
            .h = 561,
            .kind = Kind::Shape,
            .fill = Style::SteelBlue,
            .fillBottom = Style::White },
        { .name = "lblInformazioni",
            .in = "panContainer",
            .x = 26,
            .y = 130,
            .w = 700,
            .h = 20,
            .font = verdana12,
            .colour = Style::Yellow,
            .align = Qt::AlignLeft | Qt::AlignVCenter },
        { .name = "shpAnnoFatture",
            .in = "panContainer",
            .x = 24,
            .y = 152,
            .w = 945,
            .h = 62,
            .kind = Kind::Shape,
            .fill = Style::PlannerTileFill,
            .stroke = Style::White },
        { .name = "titAnno",
            .in = "panContainer",
            .x = 370,
            .y = 174,
            .w = 52,
            .h = 22,
            .font = verdana14,
            .align = Qt::AlignLeft | Qt::AlignVCenter },
        { .name = "txtAnnoFatture",
            .in = "panContainer",
            .x = 422,
            .y = 170,
            .w = 94,
            .h = 28,
            .font = { "Verdana", 14, true } },
        { .name = "btnApriFatture",
            .in = "panContainer",
            .x = 526,
            .y = 170,
            .w = 122,
            .h = 28,
            .font = { "Verdana", 11 } },
        { .name = "icoMano", .in = "panContainer", .x = 656, .y = 176, .w = 36, .h = 19 },
        { .name = "bkgBianco03",
            .in = "panContainer",
            .x = 24,
            .y = 224,
            .w = 945,
            .h = 353,
            .kind = Kind::Shape,
            .fill = Style::PlannerTileFill,
            .stroke = Style::White },
        { .name = "lstRecords", .in = "panContainer", .x = 32, .y = 232, .w = 929, .h = 337 },
        { .name = "bkgBianco04",
            .in = "panContainer",
            .x = 24,
            .y = 584,
            .w = 945,
            .h = 92,
            .kind = Kind::Shape,
            .fill = Style::White },
        { .name = "imgGuida", .in = "panContainer", .x = 40, .y = 604, .w = 141, .h = 67 },
        { .name = "imgEsci", .in = "panContainer", .x = 812, .y = 604, .w = 140, .h = 67 },
    };
    t.tabOrder = { "txtAnnoFatture", "btnApriFatture", "lstRecords" };
    return t;
}

} // namespace

QVariant BoxChoiceModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return m_listing.text(index.row());
}

BoxChoiceList::BoxChoiceList(QWidget *parent)
    : QListView(parent)
    , m_model(new BoxChoiceModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) { emit currentRowChanged(current.isValid() ? current.row() : -1); });
}

int BoxChoiceList::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void BoxChoiceList::setCurrentRow(int row)
{
    const QModelIndex i = row >= 0 && row < count() ? m_model->index(row) : QModelIndex();
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

TfrmMenuDisponibili::TfrmMenuDisponibili(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora - Planner Prenotazioni Box"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmMenuDisponibili));
    setWindowState(Qt::WindowMaximized);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    icoLetto = Art::pictureLabel(panContainer, "icoLetto", QStringLiteral("prenotazioni"), QSize(71, 74));
    icoTitolo = text(panContainer, "icoTitolo", QStringLiteral("PLANNER PRENOTAZIONI BOX"));
    lblInformazioni = text(panContainer, "lblInformazioni",
        QStringLiteral("Selezionare un anno solare e un box e premere il pulsante Apri."));
    titAnno = text(panContainer, "titAnno", QStringLiteral("Anno:"));
    // The caption shows whole in the room left of the year.
    TextFit::keepWhole(titAnno);
    txtAnnoFatture = new QLineEdit(panContainer);
    EditKit::apply(txtAnnoFatture,
        { "txtAnnoFatture", 4, "btnApriFatture", EditKit::Filter::Numeric, EditKit::Casing::None,
            EditKit::Look::FocusFrame });
    btnApriFatture = new QPushButton(QStringLiteral("Apri"), panContainer);
    btnApriFatture->setObjectName(QStringLiteral("btnApriFatture"));
    btnApriFatture->setCursor(Qt::PointingHandCursor);
    icoMano = Art::pictureLabel(panContainer, "icoMano", QStringLiteral("mano"), QSize(36, 19));
    icoMano->hide();

    lstRecords = new BoxChoiceList(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    // 9 points: the widest line (about 125 characters) fits the 910 units of an item.
    QFont mono = Style::font(QStringLiteral("Courier New"), 9);
    mono.setStyleHint(QFont::TypeWriter);
    lstRecords->setFont(mono);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setTextElideMode(Qt::ElideNone);
    lstRecords->setStyleSheet(QStringLiteral("QListView::item { padding: 3px 2px; }"));

    imgGuida = Art::pictureLabel(panContainer, "imgGuida", QStringLiteral("guida"), QSize(141, 67));
    imgGuida->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgGuida->setCursor(Qt::PointingHandCursor);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    imgEsci = Art::pictureLabel(panContainer, "imgEsci", QStringLiteral("esci"), QSize(140, 67));
    imgEsci->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    imgEsci->setCursor(Qt::PointingHandCursor);
    imgEsci->setToolTip(QStringLiteral("Esci"));

    Layout::apply(this, chooserTable());
    const auto shape = [this](const char *name) { return panContainer->findChild<QWidget *>(QLatin1String(name)); };
    shpContainer = shape("shpContainer");
    shpTitle = shape("shpTitle");
    bkgTitle = shape("bkgTitle");
    shpBody = shape("shpBody");
    shpAnnoFatture = shape("shpAnnoFatture");
    bkgBianco03 = shape("bkgBianco03");
    bkgBianco04 = shape("bkgBianco04");

    lblMemory = WindowKit::hiddenLabel(panContainer, "lblMemory");
    lblMemory->setText(QStringLiteral("avvio"));
    lblBox = WindowKit::hiddenLabel(panContainer, "lblBox");
    lblDimensioni = WindowKit::hiddenLabel(panContainer, "lblDimensioni");
    lblCapacita = WindowKit::hiddenLabel(panContainer, "lblCapacita");
    lblPrezzo = WindowKit::hiddenLabel(panContainer, "lblPrezzo");
    lblFile = WindowKit::hiddenLabel(panContainer, "lblFile");

    new TabMovesOn(txtAnnoFatture, btnApriFatture, lstRecords);

    connect(lstRecords, &BoxChoiceList::currentRowChanged, this, &TfrmMenuDisponibili::pick);
    connect(btnApriFatture, &QPushButton::clicked, this, &TfrmMenuDisponibili::btnApriFattureClick);
    WindowKit::onClick(imgGuida, [this] { ShowHelp(this, HelpTopic::Planner); });
    WindowKit::onClick(imgEsci, [this] { close(); });
    WindowKit::prepareButtons(this);
}

QString TfrmMenuDisponibili::yearWarning()
{
    return QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
}

QString TfrmMenuDisponibili::emptyListWarning()
{
    return QStringLiteral("Attenzione: l'elenco dei box per cani non contiene nessuna voce.\n\r\n\r"
                          "Per poter utilizzare il planner delle prenotazioni \u00E8 necessario registrare almeno "
                          "un box per cani nell'apposito archivio.");
}

QString TfrmMenuDisponibili::selectBoxWarning()
{
    return QStringLiteral("Attenzione: selezionare un box per cani dall'elenco prima di premere il pulsante Apri.");
}

QString TfrmMenuDisponibili::boxNameWarning()
{
    return QStringLiteral("Attenzione: il numero del box contiene caratteri non ammessi nel nome di un file.\n\r\n\r"
                          "Per poter utilizzare il planner delle prenotazioni \u00E8 necessario correggere il numero "
                          "del box nell'apposito archivio.");
}

void TfrmMenuDisponibili::showEvent(QShowEvent *event)
{
    MainWindowBase::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TfrmMenuDisponibili::formShow()
{
    // Mode and list first, so a failed read leaves neither an earlier visit's
    // mode nor its lines behind.
    lblMemory->setText(QStringLiteral("avvio"));
    m_picked = false;
    {
        const QSignalBlocker blocker(lstRecords);
        lstRecords->lines()->setListing({});
    }
    for (QLabel *label : { lblBox, lblDimensioni, lblCapacita, lblPrezzo })
        label->clear();
    icoMano->hide();

    SearchMatch::RecordListing listing;
    try {
        listing = BoxChoice::listing(BoxRecord::path());
    } catch (const SearchMatch::ListingMemoryError &) {
        // Not read at all: a file beyond what memory can hold.
        listing.clear();
        MessageBoxes::plain(SearchMatch::kMemoryMessage, this);
    } catch (const ArchiveAccessError &) {
        listing.clear();
        MessageBoxes::error(kArchiveAccessMessage, this);
    }
    {
        // All the lines at once; a line's text is made when it is drawn.
        const QSignalBlocker blocker(lstRecords);
        lstRecords->lines()->setListing(std::move(listing));
        lstRecords->setCurrentRow(-1);
    }

    txtAnnoFatture->setText(Clock::today().toString(QStringLiteral("yyyy")));
    txtAnnoFatture->setFocus();
}

void TfrmMenuDisponibili::pick(int row)
{
    if (row < 0 || row >= lstRecords->count())
        return;
    const qint64 record = lstRecords->lines()->record(row);
    // The box's fields from its record, as long as it still makes the line shown.
    QByteArray bytes;
    try {
        SearchMatch::readRecord(BoxRecord::path(), BoxRecord::size(), record, bytes);
    } catch (const ArchiveAccessError &) {
        return;
    }
    const BoxChoice::Entry entry = BoxChoice::entry(bytes.constData(), record);
    if (entry.line != lstRecords->text(row))
        return;
    lblBox->setText(entry.box);
    lblDimensioni->setText(entry.dimensioni);
    lblCapacita->setText(entry.capacita);
    lblPrezzo->setText(entry.prezzo);
    m_picked = true;
    icoMano->show();
}

void TfrmMenuDisponibili::btnApriFattureClick()
{
    if (!PlannerRecord::isYearText(txtAnnoFatture->text())) {
        MessageBoxes::warning(yearWarning(), this);
        txtAnnoFatture->setFocus();
        return;
    }
    if (lstRecords->count() == 0) {
        MessageBoxes::warning(emptyListWarning(), this);
        return;
    }
    if (!m_picked || lstRecords->currentRow() < 0) {
        MessageBoxes::warning(selectBoxWarning(), this);
        return;
    }
    const QString box = TrimText(lblBox->text());
    if (!PlannerRecord::boxFitsFileName(box)) {
        MessageBoxes::warning(boxNameWarning(), this);
        return;
    }
    const QString year = TrimText(txtAnnoFatture->text());
    lblFile->setText(programFile(PlannerRecord::fileName(box, year)));
    if (frmPlanning)
        frmPlanning->openYear(
            year, box, TrimText(lblDimensioni->text()), TrimText(lblCapacita->text()), TrimText(lblPrezzo->text()));
    lblMemory->setText(QStringLiteral("planning"));
    close();
}

void TfrmMenuDisponibili::onClosed()
{
    WindowKit::menuCloseRouting(lblMemory, { { QStringLiteral("planning"), QLatin1String(WindowNames::frmPlanning) } });
}
