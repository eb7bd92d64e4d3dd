#include "quotes/MenuPreventivi.h"

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "common/Clock.h"
#include "common/YearFile.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/core/QuoteRecord.h"

#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmMenuPreventivi *frmMenuPreventivi = nullptr;

const QString TfrmMenuPreventivi::kYearWarning
    = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

TfrmMenuPreventivi::TfrmMenuPreventivi(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora - Emissione Preventivi"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmMenuPreventivi));
    panContainer = WindowKit::menuPanel(this, QStringLiteral("TfrmMenuPreventivi"), QSize(640, 420));

    auto *body = new QVBoxLayout(panContainer);
    body->setContentsMargins(26, 22, 26, 20);
    body->setSpacing(0);

    auto *top = new QHBoxLayout;
    QLabel *picture = Art::pictureLabel(panContainer, "imgPreventivi", QStringLiteral("preventivi"), QSize(72, 72));
    auto *title = new QLabel(QStringLiteral("Emissione preventivi:"), panContainer);
    title->setObjectName(QStringLiteral("lblTitolo"));
    title->setFont(Style::shellFont(22, true));
    title->setStyleSheet(QStringLiteral("color: %1;").arg(Style::css(Style::BrandBlue)));
    imgGuida = Art::commandPicture(panContainer, "imgGuida", QStringLiteral("guida"), QStringLiteral("Guida"));
    top->addWidget(picture);
    top->addSpacing(14);
    top->addWidget(title, 1);
    top->addWidget(imgGuida, 0, Qt::AlignTop);
    body->addLayout(top);
    body->addSpacing(16);

    auto *line = new QLabel(
        QStringLiteral("In questo ambiente \u00E8 possibile archiviare i preventivi emessi ai propri clienti."),
        panContainer);
    line->setObjectName(QStringLiteral("lblIstruzioni"));
    line->setFont(Style::shellFont(12));
    line->setStyleSheet(Style::sheet(QStringLiteral("color: @InstructionGrey;")));
    line->setWordWrap(true);
    body->addWidget(line);
    body->addStretch(1);

    // The year and "Apri" on a card.
    auto *card = new QFrame(panContainer);
    card->setObjectName(QStringLiteral("shpAnno"));
    card->setStyleSheet(Style::sheet(
        QStringLiteral("#shpAnno { background: @SectionFill; border: 1px solid @SectionEdge; border-radius: 12px; }")));
    auto *row = new QHBoxLayout(card);
    row->setContentsMargins(24, 18, 24, 18);
    row->setSpacing(14);
    auto *anno = new QLabel(QStringLiteral("Anno:"), card);
    anno->setFont(Style::shellFont(14, true));
    txtAnnoPreventivi = EditKit::makeEdit(card,
        { .name = "txtAnnoPreventivi",
            .maxLength = 4,
            .successor = "btnApriPreventivi",
            .filter = EditKit::Filter::Numeric });
    txtAnnoPreventivi->setFont(Style::verdana(16, true));
    txtAnnoPreventivi->setAlignment(Qt::AlignCenter);
    txtAnnoPreventivi->setFixedSize(110, 36);
    btnApriPreventivi = new QPushButton(QStringLiteral("Apri"), card);
    btnApriPreventivi->setObjectName(QStringLiteral("btnApriPreventivi"));
    btnApriPreventivi->setFont(Style::shellFont(13, true));
    btnApriPreventivi->setCursor(Qt::PointingHandCursor);
    btnApriPreventivi->setMinimumSize(QSize(140, 38));
    row->addStretch(1);
    row->addWidget(anno);
    row->addWidget(txtAnnoPreventivi);
    row->addSpacing(10);
    row->addWidget(btnApriPreventivi);
    row->addStretch(1);
    body->addWidget(card);
    body->addStretch(1);

    // The logo link, and the exit.
    auto *bottom = new QHBoxLayout;
    imgEmail = Art::pictureLabel(panContainer, "imgEmail", QStringLiteral("tavolozza"), QSize(24, 24));
    imgEmail->setCursor(Qt::PointingHandCursor);
    lnkWeb = new QLabel(QStringLiteral("Imposta logo Ditta"), panContainer);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setFont(Style::shellFont(12));
    lnkWeb->setCursor(Qt::PointingHandCursor);
    WindowKit::linkPressColour(lnkWeb, { imgEmail });
    imgEsci = Art::commandPicture(panContainer, "imgEsci", QStringLiteral("esci"), QStringLiteral("Esci"));
    bottom->addWidget(imgEmail);
    bottom->addSpacing(6);
    bottom->addWidget(lnkWeb);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci);
    body->addLayout(bottom);

    lblMemory = WindowKit::hiddenLabel(panContainer, "lblMemory");
    lblMemory->setText(QStringLiteral("avvio"));

    WindowKit::prepareButtons(this);
    connect(btnApriPreventivi, &QPushButton::clicked, this, [this] { openYear(); });
    const auto openLogo = [this] {
        if (auto *logo = qobject_cast<QDialog *>(WindowRegistry::get(QLatin1String(WindowNames::frmLogo))))
            logo->exec();
    };
    WindowKit::onClick(lnkWeb, openLogo);
    WindowKit::onClick(imgEmail, openLogo);
    WindowKit::onClick(imgEsci, [this] { close(); });
    WindowKit::onClick(imgGuida, [this] { ShowHelp(this, HelpTopic::Quotes); });
}

bool TfrmMenuPreventivi::openYear()
{
    // Four digits and nothing else: any other text (typed or pasted) names no file.
    const QString year = txtAnnoPreventivi->text();
    if (!YearFile::isYear(year)) {
        MessageBoxes::warning(kYearWarning, this);
        txtAnnoPreventivi->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (QWidget *editor = WindowRegistry::get(QLatin1String(WindowNames::frmPreventivi))) {
        ControlText::setNamed(editor, QStringLiteral("lblFile"), QuoteRecord::path(year));
        editor->setWindowTitle(QStringLiteral(" Kennora - Emissione preventivi anno ") + year);
    }
    lblMemory->setText(QStringLiteral("preventivi"));
    close();
    return true;
}

void TfrmMenuPreventivi::showEvent(QShowEvent *event)
{
    MainWindowBase::showEvent(event);
    if (event->spontaneous())
        return;
    txtAnnoPreventivi->setText(Clock::today().toString(QStringLiteral("yyyy")));
    lblMemory->setText(QStringLiteral("avvio"));
    txtAnnoPreventivi->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuPreventivi::onClosed()
{
    WindowKit::menuCloseRouting(
        lblMemory, { { QStringLiteral("preventivi"), QLatin1String(WindowNames::frmPreventivi) } });
    hide();
}
