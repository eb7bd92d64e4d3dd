#include "common/report/ReportPreviewDialog.h"

#include "common/report/Report.h"
#include "common/report/ReportOutput.h"
#include "common/ui/CommandGuard.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(const Report &report, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint)
    , m_report(report)
    , m_printer(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa - %1").arg(report.name()));
    setModal(true);

    QPageLayout layout = report.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    m_printer->setPageLayout(layout);
    m_printer->setFullPage(true);
    m_printer->setDocName(report.name());

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("tlbAnteprima"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("prvPagine"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        QPainter painter;
        if (!painter.begin(printer))
            return;
        const double dotsPerMm = printer->logicalDpiX() / 25.4;
        for (int page = 0; page < m_report.pageCount(); ++page) {
            if (page > 0)
                printer->newPage();
            m_report.paintPage(painter, page, dotsPerMm);
        }
        painter.end();
    });

    auto addAction = [&](const QString &name, const QString &text, const QKeySequence &key) {
        QAction *action = toolBar->addAction(text);
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };
    QAction *print = addAction(QStringLiteral("actStampa"), QStringLiteral("Stampa"), QKeySequence::Print);
    toolBar->addSeparator();
    QAction *zoomIn = addAction(QStringLiteral("actZoomAvanti"), QStringLiteral("Zoom +"), QKeySequence::ZoomIn);
    QAction *zoomOut = addAction(QStringLiteral("actZoomIndietro"), QStringLiteral("Zoom -"), QKeySequence::ZoomOut);
    QAction *zoom100 = addAction(QStringLiteral("actZoom100"), QStringLiteral("Zoom 100 %"), QKeySequence());
    toolBar->addSeparator();
    m_fullScreen = addAction(QStringLiteral("actSchermoIntero"), QStringLiteral("Schermo intero"), QKeySequence());
    m_fullScreen->setCheckable(true);
    toolBar->addSeparator();
    QAction *close = addAction(QStringLiteral("actChiudi"), QStringLiteral("Chiudi"), QKeySequence());

    connect(print, &QAction::triggered, this,
        [this] { RunGuarded([this] { ReportOutput::print(m_report, this); }, this); });
    connect(zoomIn, &QAction::triggered, m_preview, [this] { m_preview->zoomIn(); });
    connect(zoomOut, &QAction::triggered, m_preview, [this] { m_preview->zoomOut(); });
    connect(zoom100, &QAction::triggered, m_preview, [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(1.0);
    });
    connect(m_fullScreen, &QAction::toggled, this, &ReportPreviewDialog::setFullScreen);
    connect(close, &QAction::triggered, this, &QDialog::reject);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(toolBar);
    box->addWidget(m_preview, 1);

    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);

    // Opened maximised, so a whole page width shows at 100 %; the size below
    // is the one a restore gives.
    QSize size(1000, 820);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    setWindowState(Qt::WindowMaximized);
}

ReportPreviewDialog::~ReportPreviewDialog()
{
    delete m_preview;
    delete m_printer;
}

void ReportPreviewDialog::setFullScreen(bool on)
{
    if (on)
        showFullScreen();
    else
        showMaximized();
}
