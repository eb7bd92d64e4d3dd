#include "planner/Intervallo.h"

#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
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

QFrame *rectangle(QWidget *parent, const char *name, const QRect &at, const QString &sheet)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(at);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { %2 }").arg(QLatin1String(name), sheet));
    return frame;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, const QRect &at, const QFont &font,
    const QString &colour = QStringLiteral("black"), Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(at);
    l->setFont(font);
    l->setAlignment(align);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    return l;
}

} // namespace

TfrmIntervallo::TfrmIntervallo(QWidget *parent)
    : FixedDialog(parent, caption())
{
    const QString verdana = QStringLiteral("Verdana");
    const QFont plain = Style::font(verdana, 9, false);
    const QFont picker = Style::font(verdana, 12, true);
    setObjectName(QStringLiteral("TfrmIntervallo"));
    setStyleSheet(Style::sheet(QStringLiteral("TfrmIntervallo { background: @IntervalBackground; }")));
    setAttribute(Qt::WA_StyledBackground, true);

    panContainer = rectangle(this, "panContainer", QRect(12, 12, 754, 300), QStringLiteral("background: transparent;"));
    shpSfondo = rectangle(panContainer, "shpSfondo", QRect(0, 0, 754, 300),
        Style::sheet(QStringLiteral("background: @IntervalPanel; border: 1px solid white;")));
    recCamera = rectangle(panContainer, "recCamera", QRect(20, 12, 714, 32),
        Style::sheet(QStringLiteral("background: @Navy; border: 1px solid white;")));
    infCamera = label(recCamera, "infCamera", QStringLiteral("Box per cane"), QRect(0, 0, 714, 32),
        Style::font(verdana, 14, false), QStringLiteral("white"), Qt::AlignCenter);
    lblCampo03 = label(panContainer, "lblCampo03",
        QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da prenotare."), QRect(20, 52, 714, 20),
        plain);

    const auto group
        = [&](const char *bkg, const char *grp, const QString &caption, int x, QFrame *&background, QGroupBox *&box) {
              background = rectangle(panContainer, bkg, QRect(x, 78, 349, 115),
                  Style::sheet(QStringLiteral("background: @IntervalField; border: 1px solid white;")));
              box = new QGroupBox(caption, panContainer);
              box->setObjectName(QLatin1String(grp));
              box->setGeometry(x, 78, 349, 115);
              box->setFont(Style::font(verdana, 9, true));
          };
    group("bkgDataInizio", "grpDataInizio", QStringLiteral(" Data inizio intervallo: "), 20, bkgDataInizio,
        grpDataInizio);
    group("bkgDataFine", "grpDataFine", QStringLiteral(" Data fine intervallo: "), 385, bkgDataFine, grpDataFine);

    const auto pickers
        = [&](QGroupBox *box, const char *titG, const char *titM, const QString &day, const QString &month,
              const QString &dayNext, const QString &monthNext, const char *anno, const char *data, QLabel *&tG,
              QLabel *&tM, PickList *&g, PickList *&m, QLabel *&year, QLabel *&date) {
              tG = label(box, titG, QStringLiteral("Giorno:"), QRect(16, 30, 80, 18), plain);
              tM = label(box, titM, QStringLiteral("Mese:"), QRect(104, 30, 128, 18), plain);
              g = new PickList(box, day, PickList::days(), PickList::Compare::CaseIncluded, dayNext);
              g->setGeometry(16, 54, 72, 24);
              m = new PickList(box, month, PickList::months(), PickList::Compare::LowerCased, monthNext);
              m->setGeometry(104, 54, 128, 24);
              for (PickList *p : { g, m }) {
                  p->setFont(picker);
                  p->setMaxVisibleItems(12);
              }
              year = label(box, anno, QStringLiteral("ANNO"), QRect(244, 48, 96, 34), Style::font(verdana, 18, true),
                  QStringLiteral("black"), Qt::AlignCenter);
              date = label(box, data, QString(), QRect(16, 88, 316, 18), plain, Style::css(Style::DarkBlue));
              date->hide();
          };
    pickers(grpDataInizio, "titGiornoInizio", "titMeseInizio", QStringLiteral("txtGiornoInizio"),
        QStringLiteral("txtMeseInizio"), QStringLiteral("txtMeseInizio"), QStringLiteral("txtGiornoFine"),
        "lblAnnoInizio", "lblDataInizio", titGiornoInizio, titMeseInizio, txtGiornoInizio, txtMeseInizio, lblAnnoInizio,
        lblDataInizio);
    pickers(grpDataFine, "titGiornoFine", "titMeseFine", QStringLiteral("txtGiornoFine"), QStringLiteral("txtMeseFine"),
        QStringLiteral("txtMeseFine"), QStringLiteral("txtPrenotazione"), "lblAnnoFine", "lblDataFine", titGiornoFine,
        titMeseFine, txtGiornoFine, txtMeseFine, lblAnnoFine, lblDataFine);

    lblCampo02 = label(panContainer, "lblCampo02",
        QStringLiteral("Indicare il nome del cliente nel campo sottostante."), QRect(20, 204, 714, 20), plain);
    effPrenotazione = rectangle(panContainer, "effPrenotazione", QRect(20, 232, 714, 43),
        Style::sheet(
            QStringLiteral("background: @IntervalFrameFill; border: 1px solid qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                           "stop:0 @Yellow, stop:1 white);")));
    txtPrenotazione = new QLineEdit(panContainer);
    txtPrenotazione->setGeometry(30, 242, 636, 22);
    txtPrenotazione->setFont(picker);
    EditKit::apply(txtPrenotazione,
        { .name = "txtPrenotazione",
            .maxLength = PlannerRecord::DayWidth,
            .successor = "btnChiudi",
            .look = EditKit::Look::None });
    cmdClipboard = Art::pictureLabel(panContainer, "cmdClipboard", QStringLiteral("copia"), QSize(22, 22));
    cmdClipboard->setGeometry(674, 242, 22, 22);
    cmdCancella = Art::pictureLabel(panContainer, "cmdCancella", QStringLiteral("cancella"), QSize(22, 22));
    cmdCancella->setGeometry(702, 242, 22, 22);
    for (QLabel *command : { cmdClipboard, cmdCancella })
        command->setCursor(Qt::PointingHandCursor);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(12, 324, 160, 30);
    btnChiudi = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(606, 324, 160, 30);
    for (QPushButton *button : { btnAnnulla, btnChiudi }) {
        button->setFont(plain);
        button->setCursor(Qt::PointingHandCursor);
    }
    const QList<QWidget *> order { txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine, txtPrenotazione,
        btnChiudi, btnAnnulla };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

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
