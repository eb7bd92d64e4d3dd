#include "common/report/ListReport.h"

#include "common/TextRoutines.h"
#include "common/report/ReportCommands.h"
#include "common/report/ReportTemplate.h"

#include <QPainter>

namespace
{

// Geometry of the template in millimetres inside the 10 mm margins.
constexpr double kMargin = 10.0;
constexpr double kTitleBand = 8.0;
constexpr double kLineHeight = 12.822 / 96.0 * 25.4; // one memo line, about 3.39 mm
constexpr double kBandTail = 10.0 / 96.0 * 25.4; // space under the lines in the data band
constexpr double kFooterBand = 8.0;
constexpr double kContentBottom = 185.0; // the last 5 mm of the area hold the page number
constexpr double kMemoLeft = 3.0;
constexpr double kMemoWidth = 273.0;

const QColor kSlateGrey(112, 128, 144);

} // namespace

ListReport::ListReport(const QString &title, const QStringList &lines, const QDate &date)
    : m_title(title)
    , m_lines(lines)
    , m_date(date)
{
    paginate();
}

QString ListReport::name() const
{
    return QStringLiteral("Riepilogo dati");
}

QPageLayout ListReport::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(kMargin, kMargin, kMargin, kMargin),
        QPageLayout::Millimeter);
}

QString ListReport::footerText() const
{
    return QStringLiteral("Stampa eseguita in data ") + FormatDate(m_date);
}

void ListReport::paginate()
{
    m_pageStarts = { 0 };
    double y = kTitleBand;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (y + kLineHeight > kContentBottom + 1e-9) {
            m_pageStarts.append(i);
            y = 0.0;
        }
        y += kLineHeight;
    }
    y += kBandTail;
    m_footerOnOwnPage = y + kFooterBand > kContentBottom + 1e-9;
    if (m_footerOnOwnPage)
        m_pageStarts.append(int(m_lines.size()));
}

int ListReport::pageCount() const
{
    return int(m_pageStarts.size());
}

void ListReport::paintPage(QPainter &painter, int page, double dotsPerMm) const
{
    auto rect = [&](double left, double top, double width, double height) {
        return QRectF((kMargin + left) * dotsPerMm, (kMargin + top) * dotsPerMm, width * dotsPerMm, height * dotsPerMm);
    };
    const double padding = 0.5 * dotsPerMm;
    const bool last = page == pageCount() - 1;

    double y = 0.0;
    if (page == 0) {
        ReportTemplate::paintText(painter, rect(2, 1, kMemoWidth, 5), m_title,
            ReportTemplate::font(QStringLiteral("Verdana"), 9, true), Qt::white, kSlateGrey, Qt::AlignCenter, padding);
        y = kTitleBand;
    }

    const int first = m_pageStarts.at(page);
    const int end = last ? int(m_lines.size()) : m_pageStarts.at(page + 1);
    const QFont mono = ReportTemplate::font(QStringLiteral("Courier New"), 8);
    for (int i = first; i < end; ++i) {
        ReportTemplate::paintText(painter, rect(kMemoLeft, y, kMemoWidth, kLineHeight), m_lines.at(i), mono, Qt::black,
            QColor(), Qt::AlignLeft | Qt::AlignVCenter, 0.0);
        y += kLineHeight;
    }

    if (last) {
        y = m_footerOnOwnPage ? 0.0 : y + kBandTail;
        ReportTemplate::paintText(painter, rect(kMemoLeft, y + 2, 272, 5), footerText(),
            ReportTemplate::font(QStringLiteral("Verdana"), 8, true), Qt::white, kSlateGrey, Qt::AlignCenter, padding);
    }

    if (pageCount() > 1) {
        ReportTemplate::paintText(painter, rect(kMemoLeft, kContentBottom + 1, kMemoWidth, 4),
            QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pageCount()),
            ReportTemplate::font(QStringLiteral("Verdana"), 7), QColor(80, 80, 80), QColor(),
            Qt::AlignRight | Qt::AlignVCenter, 0.0);
    }
}

void ListReport::print(QWidget *owner, const QString &title, const QStringList &lines)
{
    ReportCommands::print(owner, [&] { return std::make_unique<ListReport>(title, lines); });
}

void ListReport::preview(QWidget *owner, const QString &title, const QStringList &lines)
{
    ReportCommands::preview(owner, [&] { return std::make_unique<ListReport>(title, lines); });
}
