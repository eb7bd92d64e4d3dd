#include "planner/Giorno.h"

#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmGiorno *frmGiorno = nullptr;

namespace
{

QLabel *text(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    return label;
}

// The dialog in design units: the white panel with the title band, the box
// band, the instructions, the pictures, the booking band with the edit and
// the eraser; the two buttons under it.
Layout::Table dayTable()
{
    using Layout::Kind;
    const char *const in = "panContainer";
    Layout::Table t;
    t.name = QStringLiteral("day");
    t.client = QSize(660, 379);
    t.backgroundTop = Style::DarkSeaGreen;
    t.backgroundBottom = Style::White;
    t.items = {
        { .name = "panContainer", .x = 12, .y = 12, .w = 634, .h = 309 },
        { .name = "shpSfondo",
            .in = in,
            .x = 0,
            .y = 0,
            .w = 634,
            .h = 309,
            .kind = Kind::Shape,
            .fill = Style::White,
            .stroke = Style::DayPanelEdge },
        { .name = "recTitolo",
            .in = in,
            .x = 18,
            .y = 14,
            .w = 598,
            .h = 40,
            .kind = Kind::Shape,
            .fill = Style::DayTitleFill },
        { .name = "infGiorno",
            .in = in,
            .x = 18,
            .y = 14,
            .w = 598,
            .h = 40,
            .font = { "Verdana", 18 },
            .colour = Style::Brown,
            .align = Qt::AlignCenter },
        { .name = "recCamera",
            .in = in,
            .x = 18,
            .y = 60,
            .w = 598,
            .h = 30,
            .kind = Kind::Shape,
            .fill = Style::Black },
        { .name = "infCamera",
            .in = in,
            .x = 18,
            .y = 60,
            .w = 598,
            .h = 30,
            .font = { "Verdana", 14 },
            .colour = Style::White,
            .align = Qt::AlignCenter },
        { .name = "icoInformazioni", .in = in, .x = 18, .y = 98, .w = 598, .h = 39, .font = { "Verdana", 8 } },
        { .name = "icoLetto", .in = in, .x = 40, .y = 148, .w = 71, .h = 74 },
        { .name = "icoLibera", .in = in, .x = 206, .y = 156, .w = 223, .h = 59 },
        { .name = "icoOccupata", .in = in, .x = 206, .y = 156, .w = 223, .h = 59 },
        { .name = "effPrenotazione",
            .in = in,
            .x = 18,
            .y = 234,
            .w = 598,
            .h = 40,
            .kind = Kind::Shape,
            .fill = Style::Yellow,
            .stroke = Style::White },
        { .name = "txtPrenotazione", .in = in, .x = 28, .y = 241, .w = 548, .h = 26, .font = { "Verdana", 12, true } },
        { .name = "cmdCancella", .in = in, .x = 584, .y = 243, .w = 22, .h = 22 },
        { .name = "icoIstruzioni",
            .in = in,
            .x = 136,
            .y = 284,
            .w = 362,
            .h = 15,
            .font = { "Verdana", 8 },
            .colour = Style::DarkGrey,
            .align = Qt::AlignCenter },
        { .name = "btnAnnulla", .x = 12, .y = 335, .w = 160, .h = 30, .font = { "Verdana", 9 } },
        { .name = "btnChiudi", .x = 486, .y = 335, .w = 160, .h = 30, .font = { "Verdana", 9 } },
    };
    t.tabOrder = { "txtPrenotazione", "btnChiudi", "btnAnnulla" };
    return t;
}

} // namespace

TfrmGiorno::TfrmGiorno(QWidget *parent)
    : FixedDialog(parent, caption())
{
    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    infGiorno = text(panContainer, "infGiorno", QStringLiteral("Data prenotazione"));
    infCamera = text(panContainer, "infCamera", QStringLiteral("Box n."));

    // The two lines of instructions on a light-blue ground.
    icoInformazioni = new QLabel(panContainer);
    icoInformazioni->setObjectName(QStringLiteral("icoInformazioni"));
    icoInformazioni->setWordWrap(true);
    icoInformazioni->setStyleSheet(Style::sheet(QStringLiteral("background: @DayInfoFill; padding-left: 6px;")));
    icoInformazioni->setText(Style::sheet(QStringLiteral(
        "<span style='color:@DarkBlue'>Per segnare il box come prenotato, inserire il nome del cliente e/o del cane "
        "nel campo sottostante.</span><br><span style='color:@DarkRed'>Per segnare il box come disponibile, "
        "cancellare il contenuto dello stesso campo.</span>")));

    icoLetto = Art::pictureLabel(panContainer, "icoLetto", QStringLiteral("cani"), QSize(71, 74));
    icoLibera = Art::pictureLabel(panContainer, "icoLibera", QStringLiteral("disponibile"), QSize(223, 59));
    icoOccupata = Art::pictureLabel(panContainer, "icoOccupata", QStringLiteral("prenotato"), QSize(223, 59));
    icoOccupata->hide();

    txtPrenotazione = new QLineEdit(panContainer);
    EditKit::apply(txtPrenotazione,
        { .name = "txtPrenotazione", .maxLength = PlannerRecord::DayWidth, .look = EditKit::Look::None });
    cmdCancella = Art::pictureLabel(panContainer, "cmdCancella", QStringLiteral("cancella"), QSize(22, 22));
    cmdCancella->setCursor(Qt::PointingHandCursor);
    icoIstruzioni = text(panContainer, "icoIstruzioni",
        QStringLiteral("Fare clic sul pulsante Applica e chiudi per salvare le modifiche."));

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnChiudi = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *button : { btnAnnulla, btnChiudi })
        button->setCursor(Qt::PointingHandCursor);
    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    Layout::apply(this, dayTable());
    const auto shape = [this](const char *name) { return panContainer->findChild<QWidget *>(QLatin1String(name)); };
    shpSfondo = shape("shpSfondo");
    recTitolo = shape("recTitolo");
    recCamera = shape("recCamera");
    effPrenotazione = shape("effPrenotazione");

    // Typing and code changes alike keep the picture in step with the text.
    connect(txtPrenotazione, &QLineEdit::textChanged, this, [this] { showPicture(); });
    WindowKit::onClick(cmdCancella, [this] { cmdCancellaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, [this] { btnChiudiClick(); });
    WindowKit::closeOnClick(btnAnnulla, this);
    WindowKit::focusFirstField(this, txtPrenotazione);
    finishLayout(QSize(660, 379));
}

QString TfrmGiorno::caption()
{
    return QStringLiteral(" Prenotazione box");
}

QString TfrmGiorno::title(int day, const QString &year)
{
    return QStringLiteral("Prenotazione del ") + QString::number(PlannerRecord::dayOfMonth(day)) + QLatin1Char(' ')
        + PlannerRecord::monthWord(PlannerRecord::monthOf(day)) + QLatin1Char(' ') + TrimText(year);
}

void TfrmGiorno::preload(int day, const QString &year, const QString &box, const QString &text)
{
    lblMemory->setText(PlannerRecord::dayKey(day));
    infGiorno->setText(title(day, year));
    infCamera->setText(QStringLiteral("Box n. ") + TrimText(box));
    txtPrenotazione->setText(TrimText(text));
    txtPrenotazione->setCursorPosition(0);
}

void TfrmGiorno::showPicture()
{
    const bool booked = !TrimText(txtPrenotazione->text()).isEmpty();
    icoLibera->setVisible(!booked);
    icoOccupata->setVisible(booked);
}

void TfrmGiorno::cmdCancellaClick()
{
    txtPrenotazione->clear();
    txtPrenotazione->setFocus(Qt::OtherFocusReason);
}

TfrmPlanning *TfrmGiorno::planner() const
{
    if (auto *owner = qobject_cast<TfrmPlanning *>(parentWidget()))
        return owner;
    return frmPlanning;
}

void TfrmGiorno::btnChiudiClick()
{
    const QString key = TrimText(lblMemory->text());
    const int day = PlannerRecord::dayOfKey(key);
    // Only a day key matches, exactly (not a control name, not another case).
    if (day >= 0 && PlannerRecord::dayKey(day) == key)
        if (TfrmPlanning *target = planner())
            target->setDay(day, TrimText(txtPrenotazione->text()));
    accept();
}
