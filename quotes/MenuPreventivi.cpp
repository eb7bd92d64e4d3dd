#include "quotes/MenuPreventivi.h"

#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "common/Clock.h"
#include "common/YearFile.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/core/QuoteRecord.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TfrmMenuPreventivi *frmMenuPreventivi = nullptr;

const QString TfrmMenuPreventivi::kYearWarning
    = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

namespace
{

constexpr const char *kPanel = "panContainer";

// The chooser's card, centred in the maximised window.
Layout::Table chooserTable()
{
    return {
        .name = QStringLiteral("chooser"),
        .client = QSize(), // maximised
        .items = {
            { .name = kPanel, .x = Layout::Centre, .y = Layout::Centre, .w = 640, .h = 420 },
            { .name = "imgPreventivi", .in = kPanel, .x = 28, .y = 24, .w = 72, .h = 72 },
            { .name = "lblTitolo", .in = kPanel, .x = 114, .y = 24, .w = 458, .h = 72, .font = { "Tahoma", 22, true },
                .colour = Style::BrandBlue },
            { .name = "imgGuida", .in = kPanel, .x = 572, .y = 24, .w = 40, .h = 40 },
            { .name = "lblIstruzioni", .in = kPanel, .x = 28, .y = 112, .w = 584, .h = 38, .font = { "Tahoma", 12 },
                .colour = Style::InstructionGrey },
            // The year and "Apri" on a card.
            { .name = "shpAnno", .in = kPanel, .x = 28, .y = 216, .w = 584, .h = 76, .kind = Layout::Kind::Shape,
                .fill = Style::SectionFill, .stroke = Style::SectionEdge, .radius = 12 },
            { .name = "titAnno", .in = kPanel, .x = 145, .y = 235, .w = 63, .h = 38, .kind = Layout::Kind::Text,
                .font = { "Tahoma", 14, true }, .text = QStringLiteral("Anno:") },
            { .name = "txtAnnoPreventivi", .in = kPanel, .x = 222, .y = 236, .w = 110, .h = 36,
                .font = { "Verdana", 16, true }, .align = Qt::AlignCenter },
            { .name = "btnApriPreventivi", .in = kPanel, .x = 356, .y = 235, .w = 140, .h = 38,
                .font = { "Tahoma", 13, true } },
            // The logo link, and the exit.
            { .name = "imgEmail", .in = kPanel, .x = 28, .y = 366, .w = 24, .h = 24 },
            { .name = "lnkWeb", .in = kPanel, .x = 58, .y = 358, .w = 149, .h = 40, .font = { "Tahoma", 12 } },
            { .name = "imgEsci", .in = kPanel, .x = 572, .y = 358, .w = 40, .h = 40 },
        },
        .tabOrder = { "txtAnnoPreventivi", "btnApriPreventivi" },
    };
}

} // namespace

TfrmMenuPreventivi::TfrmMenuPreventivi(QWidget *parent)
    : MainWindowBase(QStringLiteral(" Kennora - Emissione Preventivi"), parent)
{
    setObjectName(QLatin1String(WindowNames::frmMenuPreventivi));
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(Style::windowBackgroundSheet(QStringLiteral("TfrmMenuPreventivi")));

    // The controls with their behaviour; places, fonts and colours come from
    // the table (chooserTable).
    panContainer = new QFrame(this);
    panContainer->setObjectName(QLatin1String(kPanel));
    panContainer->setStyleSheet(Style::sheet(
        QStringLiteral("#panContainer { background: white; border: 2px solid @FrameBlue; border-radius: 14px; }")));
    Art::pictureLabel(panContainer, "imgPreventivi", QStringLiteral("preventivi"), QSize(72, 72));
    auto *title = new QLabel(QStringLiteral("Emissione preventivi:"), panContainer);
    title->setObjectName(QStringLiteral("lblTitolo"));
    imgGuida = Art::commandPicture(panContainer, "imgGuida", QStringLiteral("guida"), QStringLiteral("Guida"));
    auto *line = new QLabel(
        QStringLiteral("In questo ambiente \u00E8 possibile archiviare i preventivi emessi ai propri clienti."),
        panContainer);
    line->setObjectName(QStringLiteral("lblIstruzioni"));
    line->setWordWrap(true);

    txtAnnoPreventivi = EditKit::makeEdit(panContainer,
        { .name = "txtAnnoPreventivi",
            .maxLength = 4,
            .successor = "btnApriPreventivi",
            .filter = EditKit::Filter::Numeric });
    btnApriPreventivi = new QPushButton(QStringLiteral("Apri"), panContainer);
    btnApriPreventivi->setObjectName(QStringLiteral("btnApriPreventivi"));
    btnApriPreventivi->setCursor(Qt::PointingHandCursor);

    imgEmail = Art::pictureLabel(panContainer, "imgEmail", QStringLiteral("tavolozza"), QSize(24, 24));
    imgEmail->setCursor(Qt::PointingHandCursor);
    lnkWeb = new QLabel(QStringLiteral("Imposta logo Ditta"), panContainer);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setCursor(Qt::PointingHandCursor);
    imgEsci = Art::commandPicture(panContainer, "imgEsci", QStringLiteral("esci"), QStringLiteral("Esci"));

    Layout::apply(this, chooserTable());
    WindowKit::linkPressColour(lnkWeb, { imgEmail }); // underlines the table's font

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
