#include "common/ui/TextFit.h"

#include "common/ui/Style.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <functional>

namespace TextFit
{

namespace
{

// What QLineEdit keeps free on each side of its text line.
constexpr int kEditSideMargin = 2;
// Sizes a text is drawn at: it narrows its letters rather than going below
// kReadablePixels, and never goes below kSmallestPixels.
constexpr int kReadablePixels = 10;
constexpr int kSmallestPixels = 6;
constexpr int kNarrowestStretch = 50;

const QString kFitterName = QStringLiteral("textFit");

int textWidth(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    // As the edit measures it: the text, one pixel for the cursor and the
    // bearings that may reach out of it.
    return metrics.horizontalAdvance(text) + 1 + qMax(0, -metrics.minLeftBearing())
        + qMax(0, -metrics.minRightBearing());
}

int pixelSizeOf(const QFont &font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return QFontMetrics(font).height();
}

using FitsWith = std::function<bool(const QFont &font)>;

// The font of `base` with which the text fits: the font itself; else the
// narrow face at the same size, then at smaller sizes down to a readable
// one; then narrower letters at that size; then smaller sizes.
QFont fitted(const QFont &base, const FitsWith &fitsWith)
{
    if (fitsWith(base))
        return base;
    QFont font = Style::narrow(base);
    const int readable = qMin(pixelSizeOf(base), kReadablePixels);
    for (int pixels = pixelSizeOf(base); pixels >= readable; --pixels) {
        font.setPixelSize(pixels);
        if (fitsWith(font))
            return font;
    }
    font.setPixelSize(readable);
    for (int stretch = 95; stretch >= kNarrowestStretch; stretch -= 5) {
        font.setStretch(stretch);
        if (fitsWith(font))
            return font;
    }
    for (int pixels = readable - 1; pixels >= kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (fitsWith(font))
            break;
    }
    return font;
}

int labelTextWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// Remembers the control's own font and refits on every change of text or size.
class Fitter : public QObject
{
public:
    Fitter(QWidget *control, FitsWith fitsWith)
        : QObject(control)
        , m_control(control)
        , m_base(control->font())
        , m_fitsWith(std::move(fitsWith))
    {
        setObjectName(kFitterName);
        control->installEventFilter(this);
        refit();
    }

    void refit()
    {
        if (m_fitting)
            return;
        m_fitting = true;
        const QFont font = fitted(m_base, m_fitsWith);
        if (font != m_control->font())
            m_control->setFont(font);
        m_fitting = false;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FontChange:
            // A font given by the window from now on is the one to keep.
            if (!m_fitting)
                m_base = m_control->font();
            break;
        case QEvent::Resize:
        case QEvent::Polish:
        case QEvent::StyleChange:
        case QEvent::Paint:
            refit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_control;
    QFont m_base;
    FitsWith m_fitsWith;
    bool m_fitting = false;
};

} // namespace

int room(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    contents = contents.marginsRemoved(edit->textMargins());
    return contents.width() - 2 * kEditSideMargin;
}

int room(const QLabel *label)
{
    return label->contentsRect().width() - 2 * label->margin();
}

bool fits(const QLineEdit *edit, const QString &text)
{
    return textWidth(edit->font(), text) <= room(edit);
}

bool fits(const QLabel *label, const QString &text)
{
    return labelTextWidth(label->font(), text) <= room(label);
}

void keepWhole(QLineEdit *edit)
{
    if (edit->findChild<QObject *>(kFitterName, Qt::FindDirectChildrenOnly))
        return;
    auto *fitter = new Fitter(edit, [edit](const QFont &font) { return textWidth(font, edit->text()) <= room(edit); });
    QObject::connect(edit, &QLineEdit::textChanged, fitter, [fitter] { fitter->refit(); });
}

void keepWhole(QLabel *label)
{
    if (label->findChild<QObject *>(kFitterName, Qt::FindDirectChildrenOnly))
        return;
    // A label says nothing when its text changes: it is refitted before it paints.
    new Fitter(label, [label](const QFont &font) { return labelTextWidth(font, label->text()) <= room(label); });
}

} // namespace TextFit
