#include "app/manual/Manual.h"

#include "app/dialogs/Guida.h"
#include "common/SafeFileWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace Manual
{

QList<Section> outline()
{
    QList<HelpTopic> chapters { HelpTopic::General };
    for (const HelpPart &part : HelpText::parts(HelpTopic::General)) {
        if (part.included)
            chapters.append(part.topic);
    }
    QList<Section> result;
    for (HelpTopic topic : HelpText::allTopics())
        result.append({ topic, chapters.contains(topic) ? 1 : 2 });
    return result;
}

QStringList ownParagraphs(HelpTopic topic)
{
    QStringList result;
    for (const HelpPart &part : HelpText::parts(topic)) {
        if (!part.included)
            result.append(part.paragraph);
    }
    return result;
}

namespace
{

// Device units: the writer's resolution in dots per inch.
constexpr int Dpi = 300;
constexpr qreal pt(qreal points)
{
    return points * Dpi / 72.0;
}
constexpr qreal mm(qreal millimetres)
{
    return millimetres * Dpi / 25.4;
}

const QString DocumentTitle = QStringLiteral("Guida all'utilizzo del software");

const QColor Ink(0x22, 0x22, 0x22);
const QColor ChapterColour(0x1F, 0x4E, 0x79);
const QColor SectionColour(0x2E, 0x6D, 0xA4);
const QColor RuleColour(0xB8, 0xC7, 0xDA);
const QColor FooterColour(0x70, 0x70, 0x70);

QFont font(const char *family, qreal points, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    // No ligatures ("fi" in "Anagrafica"): the text of the PDF stays plain
    // letters, so that searching and copying the manual find every word.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return f;
}

// The page: A4, the body inside fixed margins, the footer below it.
struct PageGeometry {
    QRectF page = QRectF(0, 0, mm(210), mm(297));
    QRectF body = QRectF(mm(25), mm(22), mm(160), mm(297 - 22 - 28));
    qreal footerBaseline = mm(297 - 14);
};

struct Heading {
    HelpTopic topic;
    int level;
    int blockNumber;
};

// The body of the manual as a paginated text document.
class Body
{
public:
    Body(QPaintDevice *device, const PageGeometry &geometry)
    {
        m_doc.documentLayout()->setPaintDevice(device);
        m_doc.setDocumentMargin(0);
        m_doc.setPageSize(geometry.body.size());
        QFont base = font("Liberation Serif", 11.5);
        m_doc.setDefaultFont(base);
        m_pageHeight = geometry.body.height();

        QTextCursor cursor(&m_doc);
        bool first = true;
        for (const Section &section : outline()) {
            addHeading(cursor, section, first);
            first = false;
            for (const QString &paragraph : ownParagraphs(section.topic))
                addParagraph(cursor, paragraph);
        }
        keepHeadingsWithText();
    }

    QTextDocument &document() { return m_doc; }
    int pageCount() { return m_doc.pageCount(); }
    qreal pageHeight() const { return m_pageHeight; }
    const QList<Heading> &headings() const { return m_headings; }

    // 0-based page of the body on which a block starts.
    int pageOf(int blockNumber)
    {
        const QTextBlock block = m_doc.findBlockByNumber(blockNumber);
        const QRectF r = m_doc.documentLayout()->blockBoundingRect(block);
        const QTextLine first = block.layout()->lineAt(0);
        return int((r.top() + first.y() + first.height() / 2) / m_pageHeight);
    }

    // Draws the lines that the layout placed on body page `page`, with the
    // page's top left corner at `origin`. Line by line, so that no text of a
    // neighbouring page is written (hidden by a clip) into the file.
    void paintPage(QPainter &painter, int page, const QPointF &origin)
    {
        const qreal top = page * m_pageHeight;
        const qreal bottom = top + m_pageHeight;
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
            const QRectF r = m_doc.documentLayout()->blockBoundingRect(block);
            if (r.bottom() < top || r.top() >= bottom)
                continue;
            const QTextLayout *layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                // The layout starts a line moved to the next page a hair above
                // that page's top: the line belongs where its middle lies.
                const qreal middle = r.top() + line.y() + line.height() / 2;
                if (middle < top || middle >= bottom)
                    continue;
                line.draw(&painter, origin + QPointF(r.left(), r.top() - top));
            }
        }
    }

private:
    void addHeading(QTextCursor &cursor, const Section &section, bool first)
    {
        QTextBlockFormat block;
        block.setHeadingLevel(section.level);
        QTextCharFormat chars;
        if (section.level == 1) {
            block.setTopMargin(first ? 0 : pt(4));
            block.setBottomMargin(pt(10));
            if (!first)
                block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            chars.setFont(font("DejaVu Sans", 19, true));
            chars.setForeground(ChapterColour);
        } else {
            block.setTopMargin(pt(12));
            block.setBottomMargin(pt(4));
            chars.setFont(font("DejaVu Sans", 13, true));
            chars.setForeground(SectionColour);
        }
        if (m_doc.isEmpty() && m_headings.isEmpty())
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        cursor.setBlockCharFormat(chars);
        cursor.insertText(HelpText::title(section.topic), chars);
        m_headings.append({ section.topic, section.level, cursor.block().blockNumber() });
    }

    void addParagraph(QTextCursor &cursor, const QString &text)
    {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignJustify);
        block.setBottomMargin(pt(3));
        block.setLineHeight(128, QTextBlockFormat::ProportionalHeight);
        QTextCharFormat chars;
        chars.setFont(font("Liberation Serif", 11.5));
        chars.setForeground(Ink);
        cursor.insertBlock(block, chars);
        cursor.insertText(text, chars);
    }

    // A section heading never stays alone at the foot of a page: when fewer
    // than three lines of text would follow it there, it starts the next page.
    void keepHeadingsWithText()
    {
        const qreal room
            = QFontMetricsF(font("Liberation Serif", 11.5), m_doc.documentLayout()->paintDevice()).lineSpacing() * 1.28
            * 3;
        for (int round = 0; round < 50; ++round) {
            bool moved = false;
            for (const Heading &heading : std::as_const(m_headings)) {
                QTextBlock block = m_doc.findBlockByNumber(heading.blockNumber);
                if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                    continue;
                const QRectF r = m_doc.documentLayout()->blockBoundingRect(block);
                const int page = pageOf(heading.blockNumber);
                if (r.bottom() + room > (page + 1) * m_pageHeight) {
                    QTextCursor c(block);
                    QTextBlockFormat f = block.blockFormat();
                    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    f.setTopMargin(pt(4));
                    c.setBlockFormat(f);
                    moved = true;
                    break; // the layout after it has changed
                }
            }
            if (!moved)
                return;
        }
    }

    QTextDocument m_doc;
    qreal m_pageHeight = 0;
    QList<Heading> m_headings;
};

void paintFooter(QPainter &painter, const PageGeometry &g, int pageNumber)
{
    painter.save();
    painter.setPen(QPen(RuleColour, pt(0.6)));
    const qreal ruleY = g.footerBaseline - pt(13);
    painter.drawLine(QPointF(g.body.left(), ruleY), QPointF(g.body.right(), ruleY));
    painter.setFont(font("DejaVu Sans", 8));
    painter.setPen(FooterColour);
    const QRectF line(g.body.left(), g.footerBaseline - pt(10), g.body.width(), pt(12));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kennora - ") + DocumentTitle);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(pageNumber));
    painter.restore();
}

void paintTitlePage(QPainter &painter, const PageGeometry &g)
{
    painter.save();
    const qreal centreX = g.page.center().x();
    const qreal logoSide = mm(52);
    paintProductLogo(painter, QRectF(centreX - logoSide / 2, mm(62), logoSide, logoSide));

    painter.setPen(ChapterColour);
    painter.setFont(font("DejaVu Sans", 40, true));
    painter.drawText(
        QRectF(g.body.left(), mm(124), g.body.width(), mm(22)), Qt::AlignCenter, QStringLiteral("Kennora"));
    painter.setPen(QPen(RuleColour, pt(1.2)));
    painter.drawLine(QPointF(centreX - mm(40), mm(150)), QPointF(centreX + mm(40), mm(150)));
    painter.setPen(SectionColour);
    painter.setFont(font("DejaVu Sans", 18));
    painter.drawText(QRectF(g.body.left(), mm(155), g.body.width(), mm(14)), Qt::AlignCenter, DocumentTitle);

    painter.setPen(FooterColour);
    painter.setFont(font("Liberation Serif", 12, false));
    painter.drawText(QRectF(g.body.left(), mm(172), g.body.width(), mm(10)), Qt::AlignCenter,
        QStringLiteral("Il software per la gestione della pensione per cani"));
    painter.restore();
}

// The contents: one line per heading with its page, chapters in bold, sections indented.
void paintContents(QPainter &painter, const PageGeometry &g, const QList<Heading> &headings, const QList<int> &pages)
{
    painter.save();
    painter.setPen(ChapterColour);
    painter.setFont(font("DejaVu Sans", 19, true));
    painter.drawText(QRectF(g.body.left(), g.body.top(), g.body.width(), pt(30)), Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("Indice"));

    qreal y = g.body.top() + pt(46);
    for (int i = 0; i < headings.size(); ++i) {
        const Heading &h = headings.at(i);
        const bool chapter = h.level == 1;
        if (chapter && i > 0)
            y += pt(7);
        const QFont f = chapter ? font("DejaVu Sans", 11, true) : font("DejaVu Sans", 10);
        painter.setFont(f);
        painter.setPen(chapter ? Ink : QColor(0x44, 0x44, 0x44));
        const QFontMetricsF metrics(f, painter.device());
        const qreal indent = chapter ? 0 : mm(8);
        const QString title = HelpText::title(h.topic);
        const QString page = QString::number(pages.at(i));
        const qreal left = g.body.left() + indent;
        const qreal titleEnd = left + metrics.horizontalAdvance(title);
        const qreal pageStart = g.body.right() - metrics.horizontalAdvance(page);
        painter.drawText(QPointF(left, y), title);
        painter.drawText(QPointF(pageStart, y), page);
        // Dotted leader between the title and its page.
        const qreal dot = metrics.horizontalAdvance(QLatin1Char('.')) * 2.2;
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        for (qreal x = titleEnd + dot; x < pageStart - dot; x += dot)
            painter.drawText(QPointF(x, y), QStringLiteral("."));
        y += metrics.lineSpacing() * 1.55;
    }
    painter.restore();
}

} // namespace

bool write(const QString &path, QString *error)
{
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };

    SafeFileWriter file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.failure().reason());

    {
        QPdfWriter writer(&file);
        writer.setResolution(Dpi);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Kennora - ") + DocumentTitle);
        writer.setCreator(QStringLiteral("Kennora"));

        const PageGeometry geometry;
        Body body(&writer, geometry);
        constexpr int FrontPages = 2; // title page and contents
        QList<int> pages;
        for (const Heading &h : body.headings())
            pages.append(FrontPages + 1 + body.pageOf(h.blockNumber));

        QPainter painter;
        if (!painter.begin(&writer))
            return fail(QStringLiteral("the PDF writer could not start"));
        paintTitlePage(painter, geometry);
        writer.newPage();
        paintContents(painter, geometry, body.headings(), pages);
        paintFooter(painter, geometry, 2);

        const int bodyPages = body.pageCount();
        for (int page = 0; page < bodyPages; ++page) {
            writer.newPage();
            body.paintPage(painter, page, geometry.body.topLeft());
            paintFooter(painter, geometry, FrontPages + 1 + page);
        }
        if (!painter.end())
            return fail(QStringLiteral("the PDF could not be completed"));
    }

    if (!file.commit())
        return fail(file.failure().reason());
    return true;
}

} // namespace Manual
