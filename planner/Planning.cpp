#include "planner/Planning.h"

#include "app/dialogs/Guida.h"
#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
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
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

TfrmPlanning *frmPlanning = nullptr;

namespace
{

QLabel *headerCaption(QWidget *parent, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Style::verdana(9));
    label->setStyleSheet(Style::sheet(QStringLiteral("color: @CaptionInk; background: transparent;")));
    label->setGeometry(geometry);
    return label;
}

QPushButton *command(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Style::verdana(12, true));
    button->setGeometry(geometry);
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

} // namespace

TfrmPlanning::TfrmPlanning(QWidget *parent)
    : MainWindowBase(caption(), parent)
{
    setObjectName(QLatin1String(WindowNames::frmPlanning));
    setWindowState(Qt::WindowMaximized);
    // The gradient is painted (paintEvent), not styled: a window style sheet
    // would put each of the 732 tiles through the style sheet engine.

    auto *outer = new QGridLayout(this);
    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setFixedSize(995, 692);
    outer->addWidget(panContainer, 0, 0, Qt::AlignCenter);
    shpContainer = Style::shape(panContainer, "shpContainer", QRect(0, 0, 995, 692),
        Style::sheet(QStringLiteral("background: @PlannerSectionFill; border-radius: 8px;")));

    // Top strip: title, the four commands, help and exit.
    const QString white = QStringLiteral("background: white; border-radius: 6px;");
    shpControlli01 = Style::shape(panContainer, "shpControlli01", QRect(16, 16, 215, 57), white);
    icoTitolo = new QLabel(QStringLiteral("PLANNER"), panContainer);
    icoTitolo->setObjectName(QStringLiteral("icoTitolo"));
    icoTitolo->setFont(Style::verdana(24, true));
    icoTitolo->setStyleSheet(Style::sheet(QStringLiteral("color: @BrandBlue; background: transparent;")));
    icoTitolo->setAlignment(Qt::AlignCenter);
    icoTitolo->setGeometry(24, 25, 199, 38);
    shpIntervallo = Style::shape(panContainer, "shpIntervallo", QRect(239, 16, 151, 57), white);
    cmdIntervallo = command(panContainer, "cmdIntervallo", QStringLiteral("Intervallo"), QRect(247, 23, 135, 43));
    shpControlli04 = Style::shape(panContainer, "shpControlli04", QRect(398, 16, 151, 57), white);
    cmdRiepilogo = command(panContainer, "cmdRiepilogo", QStringLiteral("Riepilogo"), QRect(406, 23, 135, 43));
    shpControlli02 = Style::shape(panContainer, "shpControlli02", QRect(557, 16, 151, 57), white);
    cmdAnteprima = command(panContainer, "cmdAnteprima", QStringLiteral("Anteprima"), QRect(565, 23, 135, 43));
    shpControlli03 = Style::shape(panContainer, "shpControlli03", QRect(716, 16, 151, 57), white);
    cmdStampa = command(panContainer, "cmdStampa", QStringLiteral("Stampa"), QRect(724, 23, 135, 43));
    shpControlli06 = Style::shape(panContainer, "shpControlli06", QRect(875, 16, 103, 57), white);
    cmdGuida = Art::pictureLabel(panContainer, "cmdGuida", QStringLiteral("guida"), QSize(37, 39));
    cmdGuida->setGeometry(884, 25, 37, 39);
    cmdGuida->setCursor(Qt::PointingHandCursor);
    cmdEsci = Art::pictureLabel(panContainer, "cmdEsci", QStringLiteral("esci"), QSize(37, 39));
    cmdEsci->setGeometry(932, 25, 37, 39);
    cmdEsci->setCursor(Qt::PointingHandCursor);

    // Header strip: the box's data and the year.
    bkgCamera = Style::shape(panContainer, "bkgCamera", QRect(16, 80, 962, 58), white);
    headerCaption(panContainer, QStringLiteral("Box n."), QRect(28, 82, 170, 18));
    headerCaption(panContainer, QStringLiteral("Dimensioni:"), QRect(214, 82, 200, 18));
    headerCaption(panContainer, QStringLiteral("Capacit\u00E0 ospitativa:"), QRect(424, 82, 200, 18));
    headerCaption(panContainer, QStringLiteral("Prezzo: \u20AC"), QRect(634, 82, 130, 18));
    const struct {
        QLineEdit **edit;
        const char *name;
        int width, x, capacity;
    } header[] = {
        { &txtBox, "txtBox", 176, 24, 30 },
        { &txtDimensioni, "txtDimensioni", 200, 210, 30 },
        { &txtCapacita, "txtCapacita", 200, 420, 30 },
        { &txtPrezzo, "txtPrezzo", 130, 630, 15 },
    };
    for (const auto &row : header) {
        auto *edit = new QLineEdit(panContainer);
        edit->setFont(Style::verdana(12, true));
        edit->setGeometry(row.x, 102, row.width, 30);
        edit->setReadOnly(true);
        EditKit::apply(edit,
            { row.name, row.capacity, nullptr, EditKit::Filter::None, EditKit::Casing::None, EditKit::Look::RestOnly });
        *row.edit = edit;
    }
    txtPrezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    icoAnno = new QLabel(QStringLiteral(" ANNO:"), panContainer);
    icoAnno->setObjectName(QStringLiteral("icoAnno"));
    icoAnno->setFont(Style::verdana(14, true));
    icoAnno->setStyleSheet(Style::sheet(QStringLiteral("color: white; background: @BrandBlue; border-radius: 6px;")));
    icoAnno->setGeometry(780, 81, 190, 56);
    txtAnno = new QLabel(panContainer);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setFont(Style::verdana(23, true));
    txtAnno->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    txtAnno->setGeometry(862, 81, 104, 56);
    txtAnno->setAlignment(Qt::AlignCenter);

    // Hint strip.
    shpInfo = Style::shape(panContainer, "shpInfo", QRect(16, 642, 962, 32),
        QStringLiteral("background: %1; border-radius: 4px;").arg(Style::css(Style::PlannerHintColour)));
    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), panContainer);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Style::font(QStringLiteral("Tahoma"), 12));
    panInfo->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    panInfo->setGeometry(28, 642, 940, 32);

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
    shpSezione01 = Style::shape(panContainer, "shpSezione01", QRect(16, 144, 962, 490),
        Style::sheet(QStringLiteral(
            "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @PlannerPanelTop, stop:1 @PlannerPanelBottom); "
            "border-radius: 6px;")));
    panMemGiorni = new QWidget(panContainer);
    panMemGiorni->setObjectName(QStringLiteral("panMemGiorni"));
    panMemGiorni->hide();

    auto *keepsHint = new KeepsHint(this);
    const QFont titleFont = Style::verdana(11, true);
    const QString titleSheet
        = Style::sheet(QStringLiteral("color: white; background: @MonthTitleFill; border: 2px solid @MonthTitleEdge; "
                                      "border-radius: 4px; padding-left: 6px;"));
    const QString hint = tileHint();
    m_mem.reserve(PlannerRecord::DayCount);
    m_lib.reserve(PlannerRecord::DayCount);
    m_occ.reserve(PlannerRecord::DayCount);
    for (int month = 1; month <= 12; ++month) {
        const int y = 152 + 40 * (month - 1);
        auto *title = new QLabel(PlannerRecord::monthWord(month).toUpper() + QStringLiteral(" :"), panContainer);
        title->setObjectName(QStringLiteral("tit") + PlannerRecord::monthPart(month));
        title->setFont(titleFont);
        title->setStyleSheet(titleSheet);
        title->setGeometry(24, y, 136, 33);
        title->setMouseTracking(true);
        title->installEventFilter(keepsHint);
        titMesi.append(title);
        for (int d = 1; d <= PlannerRecord::daysInMonth(month); ++d) {
            const int day = PlannerRecord::dayIndex(month, d);
            const QString name = PlannerRecord::dayName(day);
            const QPoint at(166 + 26 * (d - 1), y);
            auto *lib = new DayTile(panContainer, day, d, DayTile::Kind::Free);
            lib->setObjectName(QStringLiteral("lib") + name);
            lib->move(at);
            auto *occ = new DayTile(panContainer, day, d, DayTile::Kind::Booked);
            occ->setObjectName(QStringLiteral("occ") + name);
            occ->move(at);
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

void TfrmPlanning::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x42, 0x7A, 0xA8));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
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
