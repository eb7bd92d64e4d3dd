#include "common/ui/Style.h"

#include <QColor>
#include <QFrame>
#include <QHash>
#include <QRegularExpression>
#include <QtMath>

namespace Style
{

QString css(QRgb colour)
{
    return QColor::fromRgb(colour).name(QColor::HexRgb).toUpper();
}

QString sheet(const QString &text)
{
    static const QHash<QString, QRgb> names {
        { QStringLiteral("AmountEdge"), AmountEdge },
        { QStringLiteral("AmountFill"), AmountFill },
        { QStringLiteral("BoxesTileFill"), BoxesTileFill },
        { QStringLiteral("BrandBlue"), BrandBlue },
        { QStringLiteral("BrandBlueLight"), BrandBlueLight },
        { QStringLiteral("Brown"), Brown },
        { QStringLiteral("CaptionInk"), CaptionInk },
        { QStringLiteral("CatalogTitleFill"), CatalogTitleFill },
        { QStringLiteral("CommandBottom"), CommandBottom },
        { QStringLiteral("CommandDisabledBottom"), CommandDisabledBottom },
        { QStringLiteral("CommandDisabledEdge"), CommandDisabledEdge },
        { QStringLiteral("CommandDisabledFill"), CommandDisabledFill },
        { QStringLiteral("CommandDisabledText"), CommandDisabledText },
        { QStringLiteral("CommandDisabledTop"), CommandDisabledTop },
        { QStringLiteral("CommandEdge"), CommandEdge },
        { QStringLiteral("CommandHoverBottom"), CommandHoverBottom },
        { QStringLiteral("CommandHoverTop"), CommandHoverTop },
        { QStringLiteral("CommandPressed"), CommandPressed },
        { QStringLiteral("CommandTop"), CommandTop },
        { QStringLiteral("DarkBlue"), DarkBlue },
        { QStringLiteral("DarkGrey"), DarkGrey },
        { QStringLiteral("DarkRed"), DarkRed },
        { QStringLiteral("DayInfoFill"), DayInfoFill },
        { QStringLiteral("DayPanelEdge"), DayPanelEdge },
        { QStringLiteral("DayTitleFill"), DayTitleFill },
        { QStringLiteral("DimGrey"), DimGrey },
        { QStringLiteral("DisabledCaption"), DisabledCaption },
        { QStringLiteral("DoneTileEdge"), DoneTileEdge },
        { QStringLiteral("DoneTileFill"), DoneTileFill },
        { QStringLiteral("FocusGold"), FocusGold },
        { QStringLiteral("FrameBlue"), FrameBlue },
        { QStringLiteral("GrandTotalEdge"), GrandTotalEdge },
        { QStringLiteral("GrandTotalFill"), GrandTotalFill },
        { QStringLiteral("GroupEdge"), GroupEdge },
        { QStringLiteral("GroupFill"), GroupFill },
        { QStringLiteral("HeadingBlue"), HeadingBlue },
        { QStringLiteral("HelpTextInk"), HelpTextInk },
        { QStringLiteral("HelpTitleColour"), HelpTitleColour },
        { QStringLiteral("HintBandColour"), HintBandColour },
        { QStringLiteral("InfoTextInk"), InfoTextInk },
        { QStringLiteral("InstructionGrey"), InstructionGrey },
        { QStringLiteral("IntervalBackground"), IntervalBackground },
        { QStringLiteral("IntervalField"), IntervalField },
        { QStringLiteral("IntervalFrameFill"), IntervalFrameFill },
        { QStringLiteral("IntervalPanel"), IntervalPanel },
        { QStringLiteral("Maroon"), Maroon },
        { QStringLiteral("MonthTitleEdge"), MonthTitleEdge },
        { QStringLiteral("MonthTitleFill"), MonthTitleFill },
        { QStringLiteral("Navy"), Navy },
        { QStringLiteral("PaleButtonBottom"), PaleButtonBottom },
        { QStringLiteral("PaleButtonDisabledEdge"), PaleButtonDisabledEdge },
        { QStringLiteral("PaleButtonDisabledFill"), PaleButtonDisabledFill },
        { QStringLiteral("PaleButtonHover"), PaleButtonHover },
        { QStringLiteral("PaleButtonPressed"), PaleButtonPressed },
        { QStringLiteral("PaleToolBottom"), PaleToolBottom },
        { QStringLiteral("PanelBorder"), PanelBorder },
        { QStringLiteral("PanelEdge"), PanelEdge },
        { QStringLiteral("PanelFill"), PanelFill },
        { QStringLiteral("PhotoEdge"), PhotoEdge },
        { QStringLiteral("PlannerBlue"), PlannerBlue },
        { QStringLiteral("PlannerCommandDisabledEdge"), PlannerCommandDisabledEdge },
        { QStringLiteral("PlannerCommandDisabledFill"), PlannerCommandDisabledFill },
        { QStringLiteral("PlannerCommandDisabledText"), PlannerCommandDisabledText },
        { QStringLiteral("PlannerHintColour"), PlannerHintColour },
        { QStringLiteral("PlannerPanelBottom"), PlannerPanelBottom },
        { QStringLiteral("PlannerPanelTop"), PlannerPanelTop },
        { QStringLiteral("PlannerSectionFill"), PlannerSectionFill },
        { QStringLiteral("PlannerTileFill"), PlannerTileFill },
        { QStringLiteral("QuoteHintColour"), QuoteHintColour },
        { QStringLiteral("ReadOnlyFill"), ReadOnlyFill },
        { QStringLiteral("RowPageFill"), RowPageFill },
        { QStringLiteral("SectionEdge"), SectionEdge },
        { QStringLiteral("SectionFill"), SectionFill },
        { QStringLiteral("ServicesTileFill"), ServicesTileFill },
        { QStringLiteral("SiteLinkFill"), SiteLinkFill },
        { QStringLiteral("SmallButtonHoverEdge"), SmallButtonHoverEdge },
        { QStringLiteral("SteelBlue"), SteelBlue },
        { QStringLiteral("SubtitlePale"), SubtitlePale },
        { QStringLiteral("TextInk"), TextInk },
        { QStringLiteral("White"), White },
        { QStringLiteral("WindowBackground"), WindowBackground },
        { QStringLiteral("Yellow"), Yellow },
    };
    static const QRegularExpression token(QStringLiteral("@([A-Za-z]+)"));
    QString out;
    out.reserve(text.size());
    qsizetype done = 0;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const auto colour = names.constFind(match.captured(1));
        Q_ASSERT_X(colour != names.cend(), "Style::sheet", qPrintable(match.captured(1)));
        if (colour == names.cend())
            continue;
        out += QStringView(text).mid(done, match.capturedStart() - done);
        out += css(*colour);
        done = match.capturedEnd();
    }
    out += QStringView(text).mid(done);
    return out;
}

int pixelsForPoints(qreal points)
{
    return qRound(points * 96.0 / 72.0);
}

QFont font(const QString &family, qreal points, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelsForPoints(points));
    f.setBold(bold);
    return f;
}

QFont shellFont(qreal points, bool bold)
{
    return font(QStringLiteral("Tahoma"), points, bold);
}

QFont verdana(qreal points, bool bold)
{
    return font(QStringLiteral("Verdana"), points, bold);
}

QFont narrow(const QFont &font)
{
    QFont f = font;
    f.setFamily(QLatin1String(NarrowFamily));
    return f;
}

QString hintBandSheet()
{
    return QStringLiteral("QLabel { color: white; background: %1; border-radius: 5px; padding-left: 10px; }")
        .arg(css(HintBandColour));
}

QString whitePanelSheet(const QString &objectName, int radius)
{
    return QStringLiteral("#%1 { background: white; border: 1px solid %2; border-radius: %3px; }")
        .arg(objectName, css(PanelBorder))
        .arg(radius);
}

QString windowBackgroundSheet(const QString &className, QRgb colour)
{
    return QStringLiteral("%1 { background: %2; }").arg(className, css(colour));
}

QFrame *shape(QWidget *parent, const QString &objectName, const QRect &place, const QString &body)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setGeometry(place);
    frame->setStyleSheet(QStringLiteral("#%1 { %2 }").arg(objectName, sheet(body)));
    return frame;
}

} // namespace Style
