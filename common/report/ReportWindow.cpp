#include "common/report/ReportWindow.h"

#include "common/ui/Style.h"

#include "common/report/Report.h"
#include "common/report/ReportCommands.h"
#include "common/ui/Art.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/MessageBoxes.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace
{

const QColor kSteelBlue(70, 130, 180);
const QColor kSeparator = QColor::fromRgba(0xFF427AA8);

// Geometry in window units: the panel keeps an 18-unit border, the buttons
// (137 x 28) stand 44 units above the bottom edge, at 18 and 208 from the left.
constexpr int kBorder = 18;
constexpr int kActionLeft = 208;
constexpr int kButtonWidth = 137;
constexpr int kButtonHeight = 28;
constexpr int kButtonsFromBottom = 44;

} // namespace

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

ReportWindow::ReportWindow(QWidget *owner, Setup setup)
    : WindowKit::FixedDialog(owner, setup.caption)
    , m_setup(std::move(setup))
{
    setObjectName(m_setup.objectName);
    const QSize size = m_setup.clientSize;

    buildPanel();

    m_btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    m_btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    m_btnAnnulla->setGeometry(kBorder, size.height() - kButtonsFromBottom, kButtonWidth, kButtonHeight);
    m_action = new QPushButton(m_setup.actionText, this);
    m_action->setObjectName(m_setup.actionName);
    m_action->setGeometry(kActionLeft, size.height() - kButtonsFromBottom, kButtonWidth, kButtonHeight);
    for (QPushButton *button : { m_btnAnnulla, m_action })
        button->setFont(Style::verdana(9));
    setTabOrder(m_btnAnnulla, m_action);
    WindowKit::closeOnClick(m_btnAnnulla, this);
    connect(m_action, &QPushButton::clicked, this, &ReportWindow::runAction);

    if (m_setup.loadPicture || !m_setup.defaultPicture.isNull()) {
        m_imgLogo = WindowKit::hiddenLabel(this, "imgLogo");
        auto *imgTemp = WindowKit::hiddenLabel(this, "imgTemp");
        imgTemp->setPixmap(QPixmap::fromImage(m_setup.defaultPicture));
    }
    if (!m_setup.requiredMode.isEmpty())
        m_lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    finishLayout(size);
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::buildPanel()
{
    const QSize size = m_setup.clientSize;
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpSfondo"));
    panel->setGeometry(kBorder, kBorder, size.width() - 2 * kBorder, size.height() - kBorder - 54);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    const Instructions &words = m_setup.instructions;
    const int inner = panel->width() - 20;

    auto *heading = new QLabel(words.heading, panel);
    heading->setObjectName(QStringLiteral("lblTitolo"));
    heading->setFont(Style::verdana(11, true));
    heading->setStyleSheet(Style::sheet(QStringLiteral("color: @HeadingBlue;")));
    heading->setGeometry(10, 10, inner, 22);

    auto *description = new QLabel(words.description, panel);
    description->setObjectName(QStringLiteral("lblDescrizione"));
    description->setFont(Style::verdana(8));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setGeometry(10, 36, inner, 60);

    auto *separator = new QFrame(panel);
    separator->setObjectName(QStringLiteral("shpSepara"));
    separator->setGeometry(8, 102, panel->width() - 16, 4);
    separator->setAutoFillBackground(true);
    QPalette bar = separator->palette();
    bar.setColor(QPalette::Window, kSeparator);
    separator->setPalette(bar);

    const int lowerTop = 116;
    const int lowerHeight = panel->height() - lowerTop - 8;
    int textLeft = 10;
    if (!words.picture.isNull()) {
        auto *picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("imgSezione"));
        picture->setAlignment(Qt::AlignCenter);
        picture->setGeometry(12, lowerTop, 82, lowerHeight);
        picture->setPixmap(words.picture.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        textLeft = 104;
    }
    auto *instruction = new QLabel(words.instruction, panel);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setFont(Style::verdana(8));
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    instruction->setGeometry(textLeft, lowerTop, panel->width() - textLeft - 10, lowerHeight);
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

void ReportWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, kSteelBlue);
    fill.setColorAt(1, Qt::white);
    painter.fillRect(rect(), fill);
    WindowKit::FixedDialog::paintEvent(event);
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
