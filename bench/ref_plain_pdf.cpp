// The quote PDF reference: a plain QPdfWriter program that draws a recorded
// page (a QPicture file) onto one A4 page, its content compressed as Qt
// writes it, into a file; nothing else. It draws the page once to warm its
// fonts, then once more into the file, and prints that second drawing's time
// in milliseconds. Usage: ref_plain_pdf <page.pic> <out.pdf>
#include "BenchPairs.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <cstdio>

namespace
{

bool draw(QPdfWriter &writer, const QPicture &page)
{
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}, QPageLayout::Millimeter, {}));
    writer.setTitle(QStringLiteral("Preventivo"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.drawPicture(0, 0, page);
    return painter.end();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QPicture page;
    if (!page.load(QString::fromLocal8Bit(argv[1])))
        return 2;
    {
        QPdfWriter warm(QString::fromLocal8Bit(argv[2]));
        if (!draw(warm, page))
            return 2;
    }
    const qint64 start = BenchPairs::monotonicNs();
    {
        QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
        if (!draw(writer, page))
            return 2;
    } // the file is closed here
    std::printf("%.4f\n", (BenchPairs::monotonicNs() - start) / 1e6);
    return 0;
}
