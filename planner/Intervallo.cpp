#include "planner/Intervallo.h"

#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/PickList.h"
#include "common/ui/Style.h"
#include "planner/Planning.h"
#include "planner/core/IntervalBooking.h"
#include "planner/core/PlannerRecord.h"

#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmIntervallo *frmIntervallo = nullptr;

namespace
{

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setStyleSheet(QStringLiteral("background: transparent;"));
    return l;
}

// The dialog in design units: the grey panel with the box band, the two date
// groups, the booking band with the edit and its two pictures; the two
// buttons under it.
Layout::Table intervalTable()
{
    using Layout::Kind;
    const char *const in = "panContainer";
    const Layout::Font plain { "Verdana", 9 };
    const Layout::Font picker { "Verdana", 12, true };
    const Layout::Font year { "Verdana", 18, true };
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    Layout::Table t;
    t.name = QStringLiteral("interval");
    t.client = QSize(778, 366);
    t.backgroundTop = Style::IntervalBackground;
    t.backgroundBottom = Style::IntervalBackground;
    t.items = {
        { .name = "panContainer", .x = 12, .y = 12, .w = 754, .h = 300 },
        { .name = "shpSfondo",
            .in = in,
            .x = 0,
            .y = 0,
            .w = 754,
            .h = 300,
            .kind = Kind::Shape,
            .fill = Style::IntervalPanel,
            .stroke = Style::White },
        { .name = "recCamera",
            .in = in,
            .x = 20,
            .y = 12,
            .w = 714,
            .h = 32,
            .kind = Kind::Shape,
            .fill = Style::Navy,
            .stroke = Style::White },
        { .name = "infCamera",
            .in = in,
            .x = 20,
            .y = 12,
            .w = 714,
            .h = 32,
            .font = { "Verdana", 14 },
            .colour = Style::White,
            .align = Qt::AlignCenter },
        { .name = "lblCampo03", .in = in, .x = 20, .y = 52, .w = 714, .h = 20, .font = plain, .align = left },
        { .name = "bkgDataInizio",
            .in = in,
            .x = 20,
            .y = 78,
            .w = 349,
            .h = 115,
            .kind = Kind::Shape,
            .fill = Style::IntervalField,
            .stroke = Style::White },
        { .name = "grpDataInizio", .in = in, .x = 20, .y = 78, .w = 349, .h = 115, .font = { "Verdana", 9, true } },
        { .name = "bkgDataFine",
            .in = in,
            .x = 385,
            .y = 78,
            .w = 349,
            .h = 115,
            .kind = Kind::Shape,
            .fill = Style::IntervalField,
            .stroke = Style::White },
        { .name = "grpDataFine", .in = in, .x = 385, .y = 78, .w = 349, .h = 115, .font = { "Verdana", 9, true } },
        { .name = "lblCampo02", .in = in, .x = 20, .y = 204, .w = 714, .h = 20, .font = plain, .align = left },
        { .name = "effPrenotazione",
            .in = in,
            .x = 20,
            .y = 232,
            .w = 714,
            .h = 43,
            .kind = Kind::Shape,
            .fill = Style::IntervalFrameFill,
            .stroke = Style::Yellow },
        { .name = "txtPrenotazione", .in = in, .x = 30, .y = 242, .w = 636, .h = 22, .font = picker },
        { .name = "cmdClipboard", .in = in, .x = 674, .y = 242, .w = 22, .h = 22 },
        { .name = "cmdCancella", .in = in, .x = 702, .y = 242, .w = 22, .h = 22 },
        { .name = "btnAnnulla", .x = 12, .y = 324, .w = 160, .h = 30, .font = plain },
        { .name = "btnChiudi", .x = 606, .y = 324, .w = 160, .h = 30, .font = plain },
    };
    // Each group: "Giorno:" over the day, "Mese:" over the month, the year.
    const struct {
        const char *group, *titDay, *titMonth, *day, *month, *year;
    } groups[] = {
        { "grpDataInizio", "titGiornoInizio", "titMeseInizio", "txtGiornoInizio", "txtMeseInizio", "lblAnnoInizio" },
        { "grpDataFine", "titGiornoFine", "titMeseFine", "txtGiornoFine", "txtMeseFine", "lblAnnoFine" },
    };
    for (const auto &g : groups) {
        t.items.append(
            { .name = g.titDay, .in = g.group, .x = 16, .y = 30, .w = 80, .h = 18, .font = plain, .align = left });
        t.items.append(
            { .name = g.titMonth, .in = g.group, .x = 104, .y = 30, .w = 128, .h = 18, .font = plain, .align = left });
        t.items.append({ .name = g.day, .in = g.group, .x = 16, .y = 54, .w = 72, .h = 24, .font = picker });
        t.items.append({ .name = g.month, .in = g.group, .x = 104, .y = 54, .w = 128, .h = 24, .font = picker });
        t.items.append({ .name = g.year,
            .in = g.group,
            .x = 244,
            .y = 48,
            .w = 96,
            .h = 34,
            .font = year,
            .align = Qt::AlignCenter });
    }
    t.tabOrder = { "txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine", "txtPrenotazione", "btnChiudi",
        "btnAnnulla" };
    return t;
}

} // namespace

TfrmIntervallo::TfrmIntervallo(QWidget *parent)
    : FixedDialog(parent, caption())
{
    const QFont plain = Style::verdana(9);
    setObjectName(QStringLiteral("TfrmIntervallo"));

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    infCamera = label(panContainer, "infCamera", QStringLiteral("Box per cane"));
    lblCampo03 = label(
        panContainer, "lblCampo03", QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da prenotare."));
    const auto group = [this](const char *name, const QString &caption) {
        auto *box = new QGroupBox(caption, panContainer);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    grpDataInizio = group("grpDataInizio", QStringLiteral(" Data inizio intervallo: "));
    grpDataFine = group("grpDataFine", QStringLiteral(" Data fine intervallo: "));

    const auto pickers
        = [&](QGroupBox *box, const char *titG, const char *titM, const QString &day, const QString &month,
              const QString &dayNext, const QString &monthNext, const char *anno, const char *data, QLabel *&tG,
              QLabel *&tM, PickList *&g, PickList *&m, QLabel *&year, QLabel *&date) {
              tG = label(box, titG, QStringLiteral("Giorno:"));
              tM = label(box, titM, QStringLiteral("Mese:"));
              g = new PickList(box, day, PickList::days(), PickList::Compare::CaseIncluded, dayNext);
              m = new PickList(box, month, PickList::months(), PickList::Compare::LowerCased, monthNext);
              for (PickList *p : { g, m })
                  p->setMaxVisibleItems(12);
              year = label(box, anno, QStringLiteral("ANNO"));
              // The working date of the apply command: hidden, never placed.
              date = label(box, data, QString());
              date->setFont(plain);
              date->setStyleSheet(Style::sheet(QStringLiteral("color: @DarkBlue; background: transparent;")));
              date->hide();
          };
    pickers(grpDataInizio, "titGiornoInizio", "titMeseInizio", QStringLiteral("txtGiornoInizio"),
        QStringLiteral("txtMeseInizio"), QStringLiteral("txtMeseInizio"), QStringLiteral("txtGiornoFine"),
        "lblAnnoInizio", "lblDataInizio", titGiornoInizio, titMeseInizio, txtGiornoInizio, txtMeseInizio, lblAnnoInizio,
        lblDataInizio);
    pickers(grpDataFine, "titGiornoFine", "titMeseFine", QStringLiteral("txtGiornoFine"), QStringLiteral("txtMeseFine"),
        QStringLiteral("txtMeseFine"), QStringLiteral("txtPrenotazione"), "lblAnnoFine", "lblDataFine", titGiornoFine,
        titMeseFine, txtGiornoFine, txtMeseFine, lblAnnoFine, lblDataFine);

    lblCampo02
        = label(panContainer, "lblCampo02", QStringLiteral("Indicare il nome del cliente nel campo sottostante."));
    txtPrenotazione = new QLineEdit(panContainer);
    EditKit::apply(txtPrenotazione,
        { .name = "txtPrenotazione",
            .maxLength = PlannerRecord::DayWidth,
            .successor = "btnChiudi",
            .look = EditKit::Look::None });
    cmdClipboard = Art::pictureLabel(panContainer, "cmdClipboard", QStringLiteral("copia"), QSize(22, 22));
    cmdCancella = Art::pictureLabel(panContainer, "cmdCancella", QStringLiteral("cancella"), QSize(22, 22));
    for (QLabel *command : { cmdClipboard, cmdCancella })
        command->setCursor(Qt::PointingHandCursor);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnChiudi = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *button : { btnAnnulla, btnChiudi })
        button->setCursor(Qt::PointingHandCursor);

    Layout::apply(this, intervalTable());
    const auto shape = [this](const char *name) { return panContainer->findChild<QWidget *>(QLatin1String(name)); };
    shpSfondo = shape("shpSfondo");
    recCamera = shape("recCamera");
    bkgDataInizio = shape("bkgDataInizio");
    bkgDataFine = shape("bkgDataFine");
    effPrenotazione = shape("effPrenotazione");

    WindowKit::onClick(cmdClipboard, [this] { cmdClipboardClick(); });
    WindowKit::onClick(cmdCancella, [this] { cmdCancellaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, [this] { btnChiudiClick(); });
    WindowKit::closeOnClick(btnAnnulla, this);
    WindowKit::focusFirstField(this, txtPrenotazione);
    finishLayout(QSize(778, 366));
}

QString TfrmIntervallo::caption()
{
    return QStringLiteral(" Prenotazione box per intervallo di tempo");
}

QString TfrmIntervallo::emptyCopyWarning()
{
    return QStringLiteral("Attenzione: il campo di testo non contiene nessun dato da copiare in memoria.");
}

QString TfrmIntervallo::copiedNotice()
{
    return QStringLiteral("Il contenuto del campo di testo \u00E8 stato copiato in memoria.");
}

void TfrmIntervallo::preload(const QString &year, const QString &box)
{
    lblAnnoInizio->setText(TrimText(year));
    lblAnnoFine->setText(TrimText(year));
    infCamera->setText(QStringLiteral("Box n. ") + TrimText(box));
    for (PickList *p : { txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine }) {
        p->setCurrentIndex(-1);
        p->setEditText(QString());
    }
}

void TfrmIntervallo::cmdClipboardClick()
{
    if (TrimText(txtPrenotazione->text()).isEmpty()) {
        MessageBoxes::warning(emptyCopyWarning(), this);
        txtPrenotazione->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(txtPrenotazione->text());
        MessageBoxes::information(copiedNotice(), this);
    }
}

void TfrmIntervallo::cmdCancellaClick()
{
    txtPrenotazione->clear();
    txtPrenotazione->setFocus(Qt::OtherFocusReason);
}

TfrmPlanning *TfrmIntervallo::planner() const
{
    if (auto *owner = qobject_cast<TfrmPlanning *>(parentWidget()))
        return owner;
    return frmPlanning;
}

void TfrmIntervallo::btnChiudiClick()
{
    lblDataInizio->clear();
    lblDataFine->clear();
    const IntervalBooking::Entries entries { txtGiornoInizio->currentText(), txtMeseInizio->currentText(),
        lblAnnoInizio->text(), txtGiornoFine->currentText(), txtMeseFine->currentText(), lblAnnoFine->text(),
        txtPrenotazione->text() };
    const IntervalBooking::Outcome outcome = IntervalBooking::check(entries);
    lblDataInizio->setText(outcome.startText);
    lblDataFine->setText(outcome.endText);
    if (!outcome.ok) {
        if (outcome.kind == IntervalBooking::Message::Warning)
            MessageBoxes::warning(outcome.message, this);
        else
            MessageBoxes::plain(outcome.message, this);
        QWidget *focus = nullptr;
        switch (outcome.focus) {
        case IntervalBooking::Field::GiornoInizio:
            focus = txtGiornoInizio;
            break;
        case IntervalBooking::Field::MeseInizio:
            focus = txtMeseInizio;
            break;
        case IntervalBooking::Field::GiornoFine:
            focus = txtGiornoFine;
            break;
        case IntervalBooking::Field::MeseFine:
            focus = txtMeseFine;
            break;
        case IntervalBooking::Field::Prenotazione:
            focus = txtPrenotazione;
            break;
        case IntervalBooking::Field::None:
            break;
        }
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!MessageBoxes::confirmation(IntervalBooking::confirmation(outcome.startText, outcome.endText), this))
        return;
    const QString text = TrimText(txtPrenotazione->text());
    if (TfrmPlanning *target = planner())
        for (int day : IntervalBooking::days(lblAnnoInizio->text(), outcome.startText, outcome.endText))
            target->setDay(day, text);
    accept();
}
