#include "planner/Planning.h"

#include "app/dialogs/Guida.h"
#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "planner/AnteprimaPlanning.h"
#include "planner/DayTile.h"
#include "planner/Disponibilita.h"
#include "planner/Giorno.h"
#include "planner/Intervallo.h"
#include "planner/MenuDisponibili.h"
#include "planner/StampaPlanning.h"
#include "planner/core/PlannerRecord.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <vector>

TfrmPlanning *frmPlanning = nullptr;

namespace
{

QPushButton *command(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(Style::sheet(QStringLiteral(
        "QPushButton { color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @BrandBlueLight, "
        "stop:1 @BrandBlue); border: 1px solid @CaptionInk; border-radius: 6px; }"
        "QPushButton:disabled { color: @PlannerCommandDisabledText; background: @PlannerCommandDisabledFill; "
        "border-color: @PlannerCommandDisabledEdge; }")));
    return button;
}

// The month captions keep the hint line as it is (the line changes only over
// the tiles, the commands and the background).
class KeepsHint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove) {
            event->accept();
            return true;
        }
        return false;
    }
};

// The names of the day tiles, kept for the life of the program (the layout
// table names its rows by pointer).
const std::vector<QByteArray> &tileNames()
{
    static const std::vector<QByteArray> names = [] {
        std::vector<QByteArray> all;
        all.reserve(2 * PlannerRecord::DayCount);
        for (int day = 0; day < PlannerRecord::DayCount; ++day) {
            all.push_back("lib" + PlannerRecord::dayName(day).toLatin1());
            all.push_back("occ" + PlannerRecord::dayName(day).toLatin1());
        }
        return all;
    }();
    return names;
}

const char *const kMonthTitles[12] = { "titGen", "titFeb", "titMar", "titApr", "titMag", "titGiu", "titLug", "titAgo",
    "titSet", "titOtt", "titNov", "titDic" };

// The planner in design units: the panel centred in the maximised window, the
// top strip of commands, the header strip with the box and the year, the
// calendar of twelve month rows of day tiles, the hint strip.
Layout::Table plannerTable()
{
    using Layout::Centre;
    using Layout::Kind;
    const char *const in = "panContainer";
    const Layout::Font caption { "Verdana", 9 };
    const Layout::Font header { "Verdana", 12, true };
    Layout::Table t;
    t.name = QStringLiteral("planner");
    t.backgroundTop = Style::SteelGround;
    t.backgroundBottom = Style::White;
    const auto whiteBox = [in](const char *name, qreal x, qreal w) {
        return Layout::Item {
            .name = name, .in = in, .x = x, .y = 16, .w = w, .h = 57, .kind = Kind::Shape, .fill = Style::White
        };
    };
    const auto command = [in](const char *name, qreal x) {
        return Layout::Item {
            .name = name, .in = in, .x = x, .y = 23, .w = 135, .h = 43, .font = { "Verdana", 12, true }
        };
    };
    const auto headerCaption = [in, caption](const char *name, const char *text, qreal x, qreal w) {
        return Layout::Item { .name = name,
            .in = in,
            .x = x,
            .y = 82,
            .w = w,
            .h = 18,
            .kind = Kind::Text,
            .font = caption,
            .colour = Style::CaptionInk,
            .text = QString::fromUtf8(text) };
    };
    t.items = {
        { .name = "panContainer", .x = Centre, .y = Centre, .w = 995, .h = 692 },
        { .name = "shpContainer",
            .in = in,
            .x = 0,
            .y = 0,
            .w = 995,
            .h = 692,
            .kind = Kind::Shape,
            .fill = Style::PlannerSectionFill },
        whiteBox("shpControlli01", 16, 215),
        { .name = "icoTitolo",
            .in = in,
            .x = 24,
            .y = 25,
            .w = 199,
            .h = 38,
            .font = { "Verdana", 24, true },
            .colour = Style::BrandBlue,
            .align = Qt::AlignCenter },
        whiteBox("shpIntervallo", 239, 151),
        command("cmdIntervallo", 247),
        whiteBox("shpControlli04", 398, 151),
        command("cmdRiepilogo", 406),
        whiteBox("shpControlli02", 557, 151),
        command("cmdAnteprima", 565),
        whiteBox("shpControlli03", 716, 151),
        command("cmdStampa", 724),
        whiteBox("shpControlli06", 875, 103),
        { .name = "cmdGuida", .in = in, .x = 884, .y = 25, .w = 37, .h = 39 },
        { .name = "cmdEsci", .in = in, .x = 932, .y = 25, .w = 37, .h = 39 },
        { .name = "bkgCamera",
            .in = in,
            .x = 16,
            .y = 80,
            .w = 962,
            .h = 58,
            .kind = Kind::Shape,
            .fill = Style::White },
        headerCaption("titBox", "Box n.", 28, 170),
        headerCaption("titDimensioni", "Dimensioni:", 214, 200),
        headerCaption("titCapacita", "Capacit\u00E0 ospitativa:", 424, 200),
        headerCaption("titPrezzo", "Prezzo: \u20AC", 634, 130),
        { .name = "txtBox", .in = in, .x = 24, .y = 102, .w = 176, .h = 30, .font = header },
        { .name = "txtDimensioni", .in = in, .x = 210, .y = 102, .w = 200, .h = 30, .font = header },
        { .name = "txtCapacita", .in = in, .x = 420, .y = 102, .w = 200, .h = 30, .font = header },
        { .name = "txtPrezzo",
            .in = in,
            .x = 630,
            .y = 102,
            .w = 130,
            .h = 30,
            .font = header,
            .align = Qt::AlignRight | Qt::AlignVCenter },
        { .name = "icoAnno",
            .in = in,
            .x = 780,
            .y = 81,
            .w = 190,
            .h = 56,
            .font = { "Verdana", 14, true },
            .colour = Style::White },
        { .name = "txtAnno",
            .in = "icoAnno",
            .x = 82,
            .y = 0,
            .w = 104,
            .h = 56,
            .font = { "Verdana", 23, true },
            .colour = Style::Yellow,
            .align = Qt::AlignCenter },
        { .name = "shpSezione01",
            .in = in,
            .x = 16,
            .y = 144,
            .w = 962,
            .h = 490,
            .kind = Kind::Shape,
            .fill = Style::PlannerPanelTop,
            .fillBottom = Style::PlannerPanelBottom },
    };
    const std::vector<QByteArray> &tiles = tileNames();
    for (int month = 1; month <= 12; ++month) {
        const qreal y = 152 + 40 * (month - 1);
        t.items.append({ .name = kMonthTitles[month - 1],
            .in = in,
            .x = 24,
            .y = y,
            .w = 136,
            .h = 33,
            .font = { "Verdana", 11, true },
            .colour = Style::White });
        for (int d = 1; d <= PlannerRecord::daysInMonth(month); ++d) {
            const int day = PlannerRecord::dayIndex(month, d);
            const qreal x = 166 + 26 * (d - 1);
            for (int kind = 0; kind < 2; ++kind)
                t.items.append(
                    { .name = tiles.at(2 * day + kind).constData(), .in = in, .x = x, .y = y, .w = 24, .h = 33 });
        }
    }
    t.items.append({ .name = "shpInfo",
        .in = in,
        .x = 16,
        .y = 642,
        .w = 962,
        .h = 32,
        .kind = Kind::Shape,
        .fill = Style::PlannerHintColour });
    t.items.append({ .name = "panInfo",
        .in = in,
        .x = 28,
        .y = 642,
        .w = 940,
        .h = 32,
        .font = { "Tahoma", 12 },
        .colour = Style::White,
        .align = Qt::AlignLeft | Qt::AlignVCenter });
    return t;
}

} // namespace

TfrmPlanning::TfrmPlanning(QWidget *parent)
    : MainWindowBase(caption(), parent)
{
    setObjectName(QLatin1String(WindowNames::frmPlanning));
    setWindowState(Qt::WindowMaximized);
    // The gradient is the window's palette (the layout table), not styled: a
    // window style sheet would put each of the 732 tiles through the style
    // sheet engine.

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));

    // Top strip: title, the four commands, help and exit.
    icoTitolo = new QLabel(QStringLiteral("PLANNER"), panContainer);
    icoTitolo->setObjectName(QStringLiteral("icoTitolo"));
    icoTitolo->setStyleSheet(QStringLiteral("background: transparent;"));
    cmdIntervallo = command(panContainer, "cmdIntervallo", QStringLiteral("Intervallo"));
    cmdRiepilogo = command(panContainer, "cmdRiepilogo", QStringLiteral("Riepilogo"));
    cmdAnteprima = command(panContainer, "cmdAnteprima", QStringLiteral("Anteprima"));
    cmdStampa = command(panContainer, "cmdStampa", QStringLiteral("Stampa"));
    cmdGuida = Art::pictureLabel(panContainer, "cmdGuida", QStringLiteral("guida"), QSize(37, 39));
    cmdGuida->setCursor(Qt::PointingHandCursor);
    cmdEsci = Art::pictureLabel(panContainer, "cmdEsci", QStringLiteral("esci"), QSize(37, 39));
    cmdEsci->setCursor(Qt::PointingHandCursor);

    // Header strip: the box's data and the year.
    const struct {
        const char *name;
        int capacity;
    } header[] = { { "txtBox", 30 }, { "txtDimensioni", 30 }, { "txtCapacita", 30 }, { "txtPrezzo", 15 } };
    for (const auto &row : header) {
        auto *edit = new QLineEdit(panContainer);
        edit->setReadOnly(true);
        EditKit::apply(edit,
            { row.name, row.capacity, nullptr, EditKit::Filter::None, EditKit::Casing::None, EditKit::Look::RestOnly });
    }
    const auto headerEdit = [this](const char *name) {
        return WindowKit::named<QLineEdit>(panContainer, name, Qt::FindDirectChildrenOnly);
    };
    txtBox = headerEdit("txtBox");
    txtDimensioni = headerEdit("txtDimensioni");
    txtCapacita = headerEdit("txtCapacita");
    txtPrezzo = headerEdit("txtPrezzo");
    icoAnno = new QLabel(QStringLiteral(" ANNO:"), panContainer);
    icoAnno->setObjectName(QStringLiteral("icoAnno"));
    icoAnno->setStyleSheet(Style::sheet(QStringLiteral("background: @BrandBlue; border-radius: 6px;")));
    txtAnno = new QLabel(icoAnno);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setStyleSheet(QStringLiteral("background: transparent;"));

    // Hint strip.
    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), panContainer);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(QStringLiteral("background: transparent;"));

    // Hidden: the position, the clear and save commands, the day texts.
    lblPosizione = WindowKit::hiddenLabel(panContainer, "lblPosizione");
    cmdNuovo = new QPushButton(panContainer);
    cmdNuovo->setObjectName(QStringLiteral("cmdNuovo"));
    cmdNuovo->hide();
    cmdSalva = new QPushButton(panContainer);
    cmdSalva->setObjectName(QStringLiteral("cmdSalva"));
    cmdSalva->hide();
    connect(cmdIntervallo, &QPushButton::clicked, this, [this] { cmdIntervalloClick(); });
    connect(cmdRiepilogo, &QPushButton::clicked, this, [this] { cmdRiepilogoClick(); });
    connect(cmdAnteprima, &QPushButton::clicked, this, [this] { cmdAnteprimaClick(); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] { cmdStampaClick(); });
    connect(cmdNuovo, &QPushButton::clicked, this, [this] { cmdNuovoClick(); });
    connect(cmdSalva, &QPushButton::clicked, this, [this] { cmdSalvaClick(); });

    auto *hints = new WindowKit::HintLine(panInfo);
    buildCalendar(hints);
    Layout::apply(this, plannerTable());
    const auto shape = [this](const char *name) {
        return WindowKit::named<QWidget>(panContainer, name, Qt::FindDirectChildrenOnly);
    };
    shpContainer = shape("shpContainer");
    shpControlli01 = shape("shpControlli01");
    shpIntervallo = shape("shpIntervallo");
    shpControlli04 = shape("shpControlli04");
    shpControlli02 = shape("shpControlli02");
    shpControlli03 = shape("shpControlli03");
    shpControlli06 = shape("shpControlli06");
    bkgCamera = shape("bkgCamera");
    shpSezione01 = shape("shpSezione01");
    shpInfo = shape("shpInfo");

    hints->addCommand(cmdIntervallo, QStringLiteral("Prenota intervallo di tempo."));
    hints->addCommand(cmdRiepilogo, QStringLiteral("Visualizza il riepilogo delle prenotazioni registrate."));
    hints->addCommand(cmdAnteprima, QStringLiteral("Visualizza l'anteprima di stampa del planning corrente."));
    hints->addCommand(cmdStampa, QStringLiteral("Stampa il planning corrente."));
    hints->addCommand(cmdGuida, QStringLiteral("Visualizza la guida in linea."));
    hints->addCommand(cmdEsci, QStringLiteral("Esci da questa schermata di lavoro."));
    for (QWidget *background :
        std::initializer_list<QWidget *> { this, panContainer, shpContainer, shpSezione01, bkgCamera, icoTitolo,
            shpControlli01, shpIntervallo, shpControlli04, shpControlli02, shpControlli03, shpControlli06 })
        hints->addBackground(background);

    WindowKit::onClick(cmdGuida, [this] { ShowHelp(this, HelpTopic::Planner); });
    WindowKit::onClick(cmdEsci, [this] { close(); });
    WindowKit::prepareButtons(this);
}

void TfrmPlanning::buildCalendar(WindowKit::HintLine *hints)
{
    panMemGiorni = new QWidget(panContainer);
    panMemGiorni->setObjectName(QStringLiteral("panMemGiorni"));
    panMemGiorni->hide();

    auto *keepsHint = new KeepsHint(this);
    const QString titleSheet = Style::sheet(QStringLiteral(
        "background: @MonthTitleFill; border: 2px solid @MonthTitleEdge; border-radius: 4px; padding-left: 6px;"));
    const QString hint = tileHint();
    m_mem.reserve(PlannerRecord::DayCount);
    m_lib.reserve(PlannerRecord::DayCount);
    m_occ.reserve(PlannerRecord::DayCount);
    for (int month = 1; month <= 12; ++month) {
        auto *title = new QLabel(PlannerRecord::monthWord(month).toUpper() + QStringLiteral(" :"), panContainer);
        title->setObjectName(QStringLiteral("tit") + PlannerRecord::monthPart(month));
        title->setStyleSheet(titleSheet);
        title->setMouseTracking(true);
        title->installEventFilter(keepsHint);
        titMesi.append(title);
        for (int d = 1; d <= PlannerRecord::daysInMonth(month); ++d) {
            const int day = PlannerRecord::dayIndex(month, d);
            const QString name = PlannerRecord::dayName(day);
            auto *lib = new DayTile(panContainer, day, d, DayTile::Kind::Free);
            lib->setObjectName(QStringLiteral("lib") + name);
            auto *occ = new DayTile(panContainer, day, d, DayTile::Kind::Booked);
            occ->setObjectName(QStringLiteral("occ") + name);
            occ->hide();
            auto *mem = new QLabel(panMemGiorni);
            mem->setObjectName(QStringLiteral("mem") + name);
            for (DayTile *tile : { lib, occ }) {
                connect(tile, &DayTile::clicked, this, [this](int clicked) { dayTileClick(clicked); });
                hints->addCommand(tile, hint);
            }
            m_lib.append(lib);
            m_occ.append(occ);
            m_mem.append(mem);
        }
    }
}

QString TfrmPlanning::caption()
{
    return QStringLiteral(" Kennora - Planner prenotazioni box");
}

QString TfrmPlanning::tileHint()
{
    return QStringLiteral("Fai clic sul numero del giorno per inserire o cancellare una prenotazione.");
}

QString TfrmPlanning::missingDateWarning(const QString &dateText)
{
    return QStringLiteral("Attenzione: la data ") + TrimText(dateText) + QStringLiteral(" non esiste.")
        + QStringLiteral("\n\r\n\r")
        + QStringLiteral("Per poter effettuare la prenotazione \u00E8 necessario indicare una data valida.");
}

QString TfrmPlanning::shortFileWarning()
{
    return QStringLiteral("Attenzione: il file delle prenotazioni di questo box e di questo anno \u00E8 incompleto "
                          "e non pu\u00F2 essere letto.\n\r\n\r"
                          "Il file resta com'\u00E8: le prenotazioni registrate in questa sessione non verranno "
                          "salvate.");
}

QString TfrmPlanning::longerFileWarning()
{
    return QStringLiteral(
        "Attenzione: il file delle prenotazioni di questo box e di questo anno \u00E8 pi\u00F9 "
        "lungo del previsto.\n\r\n\r"
        "Vengono lette e salvate solo le prenotazioni dell'anno; il resto del file resta com'\u00E8.");
}

QString TfrmPlanning::unsavedVisitWarning()
{
    return QStringLiteral(
        "Attenzione: il file delle prenotazioni di questo box e di questo anno non \u00E8 stato letto "
        "all'apertura del planner.\n\r\n\r"
        "Le prenotazioni registrate in questa sessione non sono state salvate: il file resta "
        "com'\u00E8.");
}

void TfrmPlanning::openYear(
    const QString &year, const QString &box, const QString &dimensioni, const QString &capacita, const QString &prezzo)
{
    setWindowTitle(QStringLiteral(" Kennora - Planner prenotazioni box anno ") + year);
    txtAnno->setText(year);
    txtBox->setText(box);
    txtDimensioni->setText(dimensioni);
    txtCapacita->setText(capacita);
    txtPrezzo->setText(prezzo);
    showStarts();
}

void TfrmPlanning::showStarts()
{
    // Header texts are shown from their start.
    for (QLineEdit *edit : { txtBox, txtDimensioni, txtCapacita, txtPrezzo })
        edit->setCursorPosition(0);
}

QString TfrmPlanning::dayText(int day) const
{
    return TrimText(m_mem.at(day)->text());
}

void TfrmPlanning::setDay(int day, const QString &text)
{
    const QString trimmed = TrimText(text);
    m_mem.at(day)->setText(trimmed);
    const bool booked = !trimmed.isEmpty();
    m_lib.at(day)->setVisible(!booked);
    m_occ.at(day)->setVisible(booked);
}

bool TfrmPlanning::dayBooked(int day) const
{
    return !m_occ.at(day)->isHidden();
}

bool TfrmPlanning::dayAccepted(int day)
{
    if (day == PlannerRecord::Feb29) {
        const QString date = QStringLiteral("29/02/") + TrimText(txtAnno->text());
        if (!IsValidDate(date)) {
            MessageBoxes::warning(missingDateWarning(date), this);
            return false;
        }
    }
    return true;
}

void TfrmPlanning::dayTileClick(int day)
{
    if (!dayAccepted(day))
        return;
    // The dialog writes the day's new state itself; nothing is read back.
    WindowKit::openModalDialog<TfrmGiorno>(
        this, [this, day](TfrmGiorno &dialog) { dialog.preload(day, txtAnno->text(), txtBox->text(), dayText(day)); });
}

void TfrmPlanning::cmdIntervalloClick()
{
    WindowKit::openModalDialog<TfrmIntervallo>(
        this, [this](TfrmIntervallo &dialog) { dialog.preload(txtAnno->text(), txtBox->text()); });
}

void TfrmPlanning::cmdRiepilogoClick()
{
    WindowKit::openModalDialog<TfrmDisponibilita>(this);
}

void TfrmPlanning::cmdAnteprimaClick()
{
    WindowKit::openModalDialog<TfrmAnteprimaPlanning>(this);
}

void TfrmPlanning::cmdStampaClick()
{
    WindowKit::openModalDialog<TfrmStampaPlanning>(this);
}

void TfrmPlanning::cmdNuovoClick()
{
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        setDay(day, QString());
    lblPosizione->clear();
    txtBox->setFocus();
}

void TfrmPlanning::formShow()
{
    m_loadFailed = false;
    cmdNuovoClick();
    TfrmMenuDisponibili *chooser = frmMenuDisponibili;
    if (chooser) {
        txtBox->setText(TrimText(chooser->lblBox->text()));
        txtDimensioni->setText(TrimText(chooser->lblDimensioni->text()));
        txtCapacita->setText(TrimText(chooser->lblCapacita->text()));
        txtPrezzo->setText(TrimText(chooser->lblPrezzo->text()));
        showStarts();
    }
    lblPosizione->setText(QStringLiteral("1"));
    const QString path = chooser ? TrimText(chooser->lblFile->text()) : QString();
    PlannerYear year;
    switch (year.load(path)) {
    case PlannerYear::Load::Read:
    case PlannerYear::Load::Empty:
        break;
    case PlannerYear::Load::ReadLonger:
        MessageBoxes::warning(longerFileWarning(), this);
        break;
    case PlannerYear::Load::Short:
        // Whatever the file holds is kept: this visit is not saved.
        lblPosizione->clear();
        MessageBoxes::warning(shortFileWarning(), this);
        return;
    case PlannerYear::Load::CannotOpen:
    case PlannerYear::Load::Failed:
        // The stored year could not be read: it is never overwritten, not
        // even when the file can be reached again before leaving.
        lblPosizione->clear();
        m_loadFailed = true;
        MessageBoxes::error(kArchiveAccessMessage, this);
        return;
    }
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        setDay(day, year.day(day));
    lblPosizione->setText(QStringLiteral("1"));
}

bool TfrmPlanning::cmdSalvaClick()
{
    if (TrimText(lblPosizione->text()).isEmpty())
        return true;
    TfrmMenuDisponibili *chooser = frmMenuDisponibili;
    const QString path = chooser ? TrimText(chooser->lblFile->text()) : QString();
    PlannerYear year;
    year.setHeader(PlannerRecord::Box, txtBox->text());
    year.setHeader(PlannerRecord::Dimensioni, txtDimensioni->text());
    year.setHeader(PlannerRecord::Capacita, txtCapacita->text());
    year.setHeader(PlannerRecord::Prezzo, txtPrezzo->text());
    for (int day = 0; day < PlannerRecord::DayCount; ++day)
        year.setDay(day, dayText(day));
    try {
        if (path.isEmpty())
            throw ArchiveAccessError();
        year.save(path);
    } catch (const ArchiveAccessError &) {
        MessageBoxes::error(kArchiveAccessMessage, this);
        return false;
    }
    lblPosizione->setText(QStringLiteral("1"));
    return true;
}

void TfrmPlanning::showEvent(QShowEvent *event)
{
    MainWindowBase::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TfrmPlanning::onClosed()
{
    cmdSalvaClick();
    if (m_loadFailed) {
        m_loadFailed = false;
        MessageBoxes::warning(unsavedVisitWarning(), this);
    }
    WindowKit::returnToStartMenu(this);
}
