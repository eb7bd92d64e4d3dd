#include "common/report/ReportWindow.h"

#include "common/ui/Style.h"

#include "common/report/Report.h"
#include "common/report/ReportCommands.h"
#include "common/ui/Art.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/MessageBoxes.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

ReportWindow::Setup ReportWindow::sheetPrint(const QString &objectName)
{
    Setup s;
    s.objectName = objectName;
    s.caption = QStringLiteral(" Stampa scheda");
    s.clientSize = QSize(364, 287);
    s.output = Output::Print;
    s.instructions = { QStringLiteral("Stampa scheda"),
        QStringLiteral("Questa operazione provveder\u00E0 a stampare la scheda corrente su carta con i dati immessi "
                       "dall'utente."),
        QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa oppure premere Annulla per annullare "
                       "l'operazione."),
        Art::pixmap(QStringLiteral("stampante"), QSize(48, 48)) };
    s.guard = CommandGuard(MessageBoxes::Kind::Warning, ReportCommands::printFailureMessage());
    return s;
}

Layout::Table ReportWindow::sheetTable(const Setup &setup)
{
    const qreal w = setup.clientSize.width(), h = setup.clientSize.height();
    const qreal panelW = w - 38, panelH = h - 72;
    const bool picture = !setup.instructions.picture.isNull();
    const qreal textLeft = picture ? 104 : 10;
    const Layout::Font small { "Verdana", 8 };
    const Layout::Font buttons { "Verdana", 9 };
    Layout::Table t;
    t.name = QStringLiteral("sheet window");
    t.client = setup.clientSize;
    t.backgroundTop = Style::SteelBlue;
    t.backgroundBottom = Style::White;
    t.items = {
        { .name = "shpSfondo", .x = 18, .y = 18, .w = panelW, .h = panelH },
        { .name = "lblTitolo",
            .in = "shpSfondo",
            .x = 10,
            .y = 10,
            .w = panelW - 86,
            .h = 22,
            .font = { "Verdana", 11, true },
            .colour = Style::HeadingBlue },
        { .name = "lblDescrizione", .in = "shpSfondo", .x = 10, .y = 34, .w = panelW - 86, .h = 64, .font = small },
        { .name = "imgLogo01",
            .in = "shpSfondo",
            .x = panelW - 64,
            .y = 13,
            .w = 51,
            .h = 81,
            .kind = Layout::Kind::Picture,
            .art = QStringLiteral("utente") },
        { .name = "shpSepara", .in = "shpSfondo", .x = 8, .y = 102, .w = panelW - 15, .h = 4 },
    };
    if (picture)
        t.items.append({ .name = "imgSezione", .in = "shpSfondo", .x = 12, .y = 122, .w = 82, .h = panelH - 143 });
    t.items.append({ .name = "lblIstruzioni",
        .in = "shpSfondo",
        .x = textLeft,
        .y = 122,
        .w = panelW - textLeft - 16,
        .h = panelH - 144,
        .font = small });
    t.items.append({ .name = "btnAnnulla", .x = 18, .y = h - 44, .w = 137, .h = 28, .font = buttons });
    t.items.append(
        { .name = Layout::intern(setup.actionName), .x = 208, .y = h - 44, .w = 137, .h = 28, .font = buttons });
    t.tabOrder = { "btnAnnulla", Layout::intern(setup.actionName) };
    return t;
}

ReportWindow::ReportWindow(QWidget *owner, Setup setup, const Layout::Table &table)
    : WindowKit::FixedDialog(owner, setup.caption)
    , m_setup(std::move(setup))
{
    setObjectName(m_setup.objectName);

    buildPanel();

    m_btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    m_btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    m_action = new QPushButton(m_setup.actionText, this);
    m_action->setObjectName(m_setup.actionName);
    WindowKit::closeOnClick(m_btnAnnulla, this);
    connect(m_action, &QPushButton::clicked, this, &ReportWindow::runAction);

    if (m_setup.loadPicture || !m_setup.defaultPicture.isNull()) {
        m_imgLogo = WindowKit::hiddenLabel(this, "imgLogo");
        auto *imgTemp = WindowKit::hiddenLabel(this, "imgTemp");
        imgTemp->setPixmap(QPixmap::fromImage(m_setup.defaultPicture));
    }
    if (!m_setup.requiredMode.isEmpty())
        m_lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    Layout::apply(this, table.items.isEmpty() ? sheetTable(m_setup) : table);
    if (QLabel *picture = findChild<QLabel *>(QStringLiteral("imgSezione")))
        picture->setPixmap(
            m_setup.instructions.picture.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    finishLayout(size());
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::buildPanel()
{
    // The words and pictures inside the white panel; their places, fonts and
    // colours are the window's table.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpSfondo"));
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, QColor::fromRgba(Style::White));
    white.setColor(QPalette::WindowText, QColor::fromRgba(Style::Black));
    panel->setPalette(white);

    const Instructions &words = m_setup.instructions;

    auto *heading = new QLabel(words.heading, panel);
    heading->setObjectName(QStringLiteral("lblTitolo"));

    auto *description = new QLabel(words.description, panel);
    description->setObjectName(QStringLiteral("lblDescrizione"));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *separator = new QFrame(panel);
    separator->setObjectName(QStringLiteral("shpSepara"));
    separator->setAutoFillBackground(true);
    QPalette bar = separator->palette();
    bar.setColor(QPalette::Window, QColor::fromRgba(Style::SteelGround));
    separator->setPalette(bar);

    if (!words.picture.isNull()) {
        auto *picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("imgSezione"));
        picture->setAlignment(Qt::AlignCenter);
    }
    auto *instruction = new QLabel(words.instruction, panel);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ReportWindow::loadPicture()
{
    if (!m_imgLogo)
        return;
    QImage picture;
    if (m_setup.loadPicture) {
        // A picture that cannot be read counts as none: the default takes its place.
        try {
            picture = m_setup.loadPicture();
        } catch (...) {
            picture = QImage();
        }
    }
    m_picture = picture.isNull() ? m_setup.defaultPicture : picture;
    m_imgLogo->setPixmap(QPixmap::fromImage(m_picture));
}

void ReportWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        loadPicture();
    WindowKit::FixedDialog::showEvent(event);
}

void ReportWindow::runAction()
{
    if (m_lblMemory && !WindowKit::modeIs(m_lblMemory, m_setup.requiredMode))
        return;

    const CommandGuard &guard = m_setup.guard;
    auto build = [this]() -> std::unique_ptr<Report> { return m_setup.build ? m_setup.build(*this) : nullptr; };

    bool close = false;
    switch (m_setup.output) {
    case Output::Print:
        close = ReportCommands::print(this, build, guard) || guard.hasFixedMessage();
        break;
    case Output::Preview:
        close = ReportCommands::preview(this, build, guard) || guard.hasFixedMessage();
        break;
    case Output::Pdf: {
        const QString path = m_setup.pdfPath ? m_setup.pdfPath() : QString();
        const auto outcome = ReportCommands::exportPdf(this, build, path, m_setup.pdfProperties, m_setup.open, guard);
        close = outcome == ReportCommands::PdfOutcome::Opened
            || (outcome == ReportCommands::PdfOutcome::Failed && guard.hasFixedMessage());
        break;
    }
    case Output::Custom:
        close = guard.run(
                    [this] {
                        if (m_setup.run)
                            m_setup.run(*this);
                    },
                    this)
            || guard.hasFixedMessage();
        break;
    }
    if (close)
        accept();
}
