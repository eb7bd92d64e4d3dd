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
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

TfrmMenuDisponibili *frmMenuDisponibili = nullptr;

namespace
{

QLabel *text(QWidget *parent, const char *name, const QString &caption, QPoint at, const QFont &font,
    const QString &colour = QStringLiteral("black"))
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    label->move(at);
    label->adjustSize();
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

const QString kSteelGradient = Style::sheet(
    QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @SteelBlue, stop:1 white);"));

} // namespace

TfrmMenuDisponibili::TfrmMenuDisponibili(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora - Planner Prenotazioni Box"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmMenuDisponibili));
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(
        Style::sheet(QStringLiteral("TfrmMenuDisponibili { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                    "stop:0 @PlannerBlue, stop:1 white); }")));
    setAttribute(Qt::WA_StyledBackground);

    auto *outer = new QGridLayout(this);
    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setFixedSize(995, 692);
    outer->addWidget(panContainer, 0, 0, Qt::AlignCenter);

    shpContainer = Style::shape(panContainer, "shpContainer", QRect(8, 8, 977, 675),
        kSteelGradient + QStringLiteral(" border: 1px solid white;"));
    shpTitle = Style::shape(
        panContainer, "shpTitle", QRect(16, 16, 961, 100), Style::sheet(QStringLiteral("background: @PlannerBlue;")));
    bkgTitle = Style::shape(panContainer, "bkgTitle", QRect(24, 24, 945, 84), QStringLiteral("background: white;"));
    icoLetto = Art::pictureLabel(panContainer, "icoLetto", QStringLiteral("prenotazioni"), QSize(71, 74));
    icoLetto->move(40, 30);
    icoTitolo = text(panContainer, "icoTitolo", QStringLiteral("PLANNER PRENOTAZIONI BOX"), QPoint(162, 40),
        Style::verdana(30, true), Style::css(Style::PlannerBlue));
    icoTitolo->setFixedSize(738, 53);
    icoTitolo->setAlignment(Qt::AlignCenter);

    shpBody = Style::shape(panContainer, "shpBody", QRect(16, 122, 961, 561), kSteelGradient);
    lblInformazioni = text(panContainer, "lblInformazioni",
        QStringLiteral("Selezionare un anno solare e un box e premere il pulsante Apri."), QPoint(26, 128),
        Style::verdana(12), QStringLiteral("yellow"));

    shpAnnoFatture = Style::shape(panContainer, "shpAnnoFatture", QRect(24, 152, 945, 62),
        Style::sheet(QStringLiteral("background: @PlannerTileFill; border: 2px solid white;")));
    titAnno = text(panContainer, "titAnno", QStringLiteral("Anno:"), QPoint(360, 172), Style::verdana(14));
    txtAnnoFatture = new QLineEdit(panContainer);
    txtAnnoFatture->setFont(Style::verdana(14, true));
    txtAnnoFatture->setGeometry(422, 168, 94, 30);
    EditKit::apply(txtAnnoFatture,
        { "txtAnnoFatture", 4, "btnApriFatture", EditKit::Filter::Numeric, EditKit::Casing::None,
            EditKit::Look::FocusFrame });
    btnApriFatture = new QPushButton(QStringLiteral("Apri"), panContainer);
    btnApriFatture->setObjectName(QStringLiteral("btnApriFatture"));
    btnApriFatture->setFont(Style::verdana(11));
    btnApriFatture->setGeometry(526, 168, 122, 30);
    btnApriFatture->setCursor(Qt::PointingHandCursor);
    icoMano = new QLabel(QStringLiteral("\u261C"), panContainer);
    icoMano->setObjectName(QStringLiteral("icoMano"));
    icoMano->setFont(Style::font(QStringLiteral("DejaVu Sans"), 22, true));
    icoMano->setStyleSheet(Style::sheet(QStringLiteral("color: @PlannerBlue; background: transparent;")));
    icoMano->setGeometry(656, 160, 44, 44);
    icoMano->hide();

    bkgBianco03 = Style::shape(panContainer, "bkgBianco03", QRect(24, 224, 945, 353),
        Style::sheet(QStringLiteral("background: @PlannerTileFill; border: 2px solid white;")));
    lstRecords = new QListWidget(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(32, 232, 929, 337);
    // 9 points: the widest line (about 125 characters) fits the 910 units of an item.
    QFont mono = Style::font(QStringLiteral("Courier New"), 9);
    mono.setStyleHint(QFont::TypeWriter);
    lstRecords->setFont(mono);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setTextElideMode(Qt::ElideNone);
    lstRecords->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 2px; }"));

    bkgBianco04
        = Style::shape(panContainer, "bkgBianco04", QRect(24, 584, 945, 92), QStringLiteral("background: white;"));
    imgGuida = Art::pictureLabel(panContainer, "imgGuida", QStringLiteral("guida"), QSize(64, 64));
    imgGuida->setGeometry(40, 600, 141, 70);
    imgGuida->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgGuida->setCursor(Qt::PointingHandCursor);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    imgEsci = Art::pictureLabel(panContainer, "imgEsci", QStringLiteral("esci"), QSize(64, 64));
    imgEsci->setGeometry(812, 600, 140, 70);
    imgEsci->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    imgEsci->setCursor(Qt::PointingHandCursor);
    imgEsci->setToolTip(QStringLiteral("Esci"));

    lblMemory = WindowKit::hiddenLabel(panContainer, "lblMemory");
    lblMemory->setText(QStringLiteral("avvio"));
    lblBox = WindowKit::hiddenLabel(panContainer, "lblBox");
    lblDimensioni = WindowKit::hiddenLabel(panContainer, "lblDimensioni");
    lblCapacita = WindowKit::hiddenLabel(panContainer, "lblCapacita");
    lblPrezzo = WindowKit::hiddenLabel(panContainer, "lblPrezzo");
    lblFile = WindowKit::hiddenLabel(panContainer, "lblFile");

    new TabMovesOn(txtAnnoFatture, btnApriFatture, lstRecords);
    setTabOrder(txtAnnoFatture, btnApriFatture);
    setTabOrder(btnApriFatture, lstRecords);

    connect(lstRecords, &QListWidget::currentRowChanged, this, &TfrmMenuDisponibili::pick);
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
        lstRecords->clear();
    }
    m_records.clear();
    for (QLabel *label : { lblBox, lblDimensioni, lblCapacita, lblPrezzo })
        label->clear();
    icoMano->hide();

    QStringList texts;
    try {
        const ListLines lines = BoxChoice::lines(BoxRecord::path());
        texts.reserve(qsizetype(lines.size()));
        m_records.reserve(lines.size());
        for (const ListLine &l : lines) {
            texts << l.text;
            m_records.push_back(l.record);
        }
    } catch (const SearchMatch::ListingMemoryError &) {
        // Not read at all: a file beyond what memory can hold.
        texts.clear();
        m_records.clear();
        MessageBoxes::plain(SearchMatch::kMemoryMessage, this);
    } catch (const ArchiveAccessError &) {
        texts.clear();
        m_records.clear();
        MessageBoxes::error(kArchiveAccessMessage, this);
    }
    {
        // All the lines in one insertion: line i stands for m_records[i].
        const QSignalBlocker blocker(lstRecords);
        lstRecords->setUpdatesEnabled(false);
        lstRecords->addItems(texts);
        lstRecords->setCurrentRow(-1);
        lstRecords->setUpdatesEnabled(true);
    }

    txtAnnoFatture->setText(Clock::today().toString(QStringLiteral("yyyy")));
    txtAnnoFatture->setFocus();
}

void TfrmMenuDisponibili::pick(int row)
{
    QListWidgetItem *item = row >= 0 ? lstRecords->item(row) : nullptr;
    if (!item || row >= qsizetype(m_records.size()))
        return;
    // The box's fields from its record, as long as it still makes the line shown.
    QByteArray bytes;
    try {
        SearchMatch::readRecord(BoxRecord::path(), BoxRecord::size(), m_records[size_t(row)], bytes);
    } catch (const ArchiveAccessError &) {
        return;
    }
    const BoxChoice::Entry entry = BoxChoice::entry(bytes.constData(), m_records[size_t(row)]);
    if (entry.line != item->text())
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
