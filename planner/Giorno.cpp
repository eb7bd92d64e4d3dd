#include "planner/Giorno.h"

#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/Style.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

TfrmGiorno *frmGiorno = nullptr;

namespace
{

QFrame *band(QWidget *parent, const char *name, const QRect &at, const QString &sheet)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(at);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { %2 }").arg(QLatin1String(name), sheet));
    return frame;
}

QLabel *text(QWidget *parent, const char *name, const QString &caption, const QRect &at, const QFont &font,
    const QString &colour, Qt::Alignment align = Qt::AlignCenter)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(at);
    label->setFont(font);
    label->setAlignment(align);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    return label;
}

} // namespace

TfrmGiorno::TfrmGiorno(QWidget *parent)
    : FixedDialog(parent, caption())
{
    const QString verdana = QStringLiteral("Verdana");
    panContainer = band(this, "panContainer", QRect(12, 12, 634, 309), QStringLiteral("background: transparent;"));
    shpSfondo = band(panContainer, "shpSfondo", QRect(0, 0, 634, 309),
        Style::sheet(QStringLiteral("background: white; border: 1px solid @DayPanelEdge; border-radius: 6px;")));
    recTitolo = band(
        panContainer, "recTitolo", QRect(18, 14, 598, 40), Style::sheet(QStringLiteral("background: @DayTitleFill;")));
    infGiorno = text(recTitolo, "infGiorno", QStringLiteral("Data prenotazione"), QRect(0, 0, 598, 40),
        Style::font(verdana, 18, false), Style::css(Style::Brown));
    recCamera = band(panContainer, "recCamera", QRect(18, 60, 598, 30), QStringLiteral("background: black;"));
    infCamera = text(recCamera, "infCamera", QStringLiteral("Box n."), QRect(0, 0, 598, 30),
        Style::font(verdana, 14, false), QStringLiteral("white"));

    // The two lines of instructions on a light-blue ground.
    icoInformazioni = new QLabel(panContainer);
    icoInformazioni->setObjectName(QStringLiteral("icoInformazioni"));
    icoInformazioni->setGeometry(18, 98, 598, 39);
    icoInformazioni->setWordWrap(true);
    icoInformazioni->setFont(Style::font(verdana, 8, false));
    icoInformazioni->setStyleSheet(Style::sheet(QStringLiteral("background: @DayInfoFill; padding-left: 6px;")));
    icoInformazioni->setText(Style::sheet(QStringLiteral(
        "<span style='color:@DarkBlue'>Per segnare il box come prenotato, inserire il nome del cliente e/o del cane "
        "nel campo sottostante.</span><br><span style='color:@DarkRed'>Per segnare il box come disponibile, "
        "cancellare il contenuto dello stesso campo.</span>")));

    icoLetto = Art::pictureLabel(panContainer, "icoLetto", QStringLiteral("cani"), QSize(71, 74));
    icoLetto->setGeometry(40, 148, 71, 74);
    icoLibera = Art::pictureLabel(panContainer, "icoLibera", QStringLiteral("disponibile"), QSize(223, 59));
    icoLibera->setGeometry(206, 156, 223, 59);
    icoOccupata = Art::pictureLabel(panContainer, "icoOccupata", QStringLiteral("prenotato"), QSize(223, 59));
    icoOccupata->setGeometry(206, 156, 223, 59);
    icoOccupata->hide();

    effPrenotazione = band(panContainer, "effPrenotazione", QRect(18, 234, 598, 40),
        Style::sheet(QStringLiteral("background: @Yellow; border: 1px solid qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                    "stop:0 @Yellow, stop:1 white);")));
    txtPrenotazione = new QLineEdit(panContainer);
    txtPrenotazione->setGeometry(28, 241, 548, 26);
    txtPrenotazione->setFont(Style::font(verdana, 12, true));
    EditKit::apply(txtPrenotazione,
        { .name = "txtPrenotazione", .maxLength = PlannerRecord::DayWidth, .look = EditKit::Look::None });
    cmdCancella = Art::pictureLabel(panContainer, "cmdCancella", QStringLiteral("cancella"), QSize(22, 22));
    cmdCancella->setGeometry(584, 243, 22, 22);
    cmdCancella->setCursor(Qt::PointingHandCursor);
    icoIstruzioni = text(panContainer, "icoIstruzioni",
        QStringLiteral("Fare clic sul pulsante Applica e chiudi per salvare le modifiche."), QRect(136, 284, 362, 15),
        Style::font(verdana, 8, false), Style::css(Style::DarkGrey));

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(12, 335, 160, 30);
    btnChiudi = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(486, 335, 160, 30);
    for (QPushButton *button : { btnAnnulla, btnChiudi }) {
        button->setFont(Style::font(verdana, 9, false));
        button->setCursor(Qt::PointingHandCursor);
    }
    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");
    setTabOrder(txtPrenotazione, btnChiudi);
    setTabOrder(btnChiudi, btnAnnulla);

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

void TfrmGiorno::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, QColor::fromRgb(0x8F, 0xBC, 0x8F));
    ground.setColorAt(1, Qt::white);
    painter.fillRect(rect(), ground);
}
