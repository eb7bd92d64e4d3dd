#include "quotes/core/QuoteFields.h"

#include "common/TextRoutines.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <cmath>

#include <limits>

namespace QuoteFields
{

namespace
{

// A number text as the edits take it: ParseNumber's grammar, where a comma
// without digits ("," or "-,") also reads as zero.
std::optional<double> parsed(const QString &text)
{
    std::optional<double> number = ParseNumber(text);
    if (!number && std::none_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) {
        QString zero = text;
        const qsizetype comma = zero.indexOf(QLatin1Char(','));
        if (comma >= 0)
            number = ParseNumber(zero.insert(comma, QLatin1Char('0')));
    }
    return number;
}

} // namespace

QString quantityNormalised(const QString &text)
{
    if (TrimmedView(text).isEmpty())
        return text;
    const std::optional<double> number = parsed(text);
    if (!number || !std::isfinite(*number))
        return QString();
    return FormatGeneral(RoundToDecimals(*number, 4));
}

QString priceNormalised(const QString &text)
{
    if (TrimmedView(text).isEmpty())
        return QString();
    const std::optional<double> number = ParseNumber(text);
    if (!number || !std::isfinite(*number))
        return QStringLiteral("0,00");
    return AmountNormaliser(text, 4);
}

AmountKey amountKey(int key, QStringView text, int modifiers)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return AmountKey::Successor;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return AmountKey::Pass;
    default:
        break;
    }
    // A shortcut is refused whatever character it carries.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return AmountKey::Refuse;
    if (text.size() != 1)
        return AmountKey::Refuse;
    const QChar c = text.front();
    if (c == QLatin1Char(',') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return AmountKey::Pass;
    return AmountKey::Refuse;
}

QString clamped(const QString &text, int limit)
{
    return text.size() > limit ? text.left(limit) : text;
}

bool cutLosesValue(QStringView text, int capacity)
{
    const QStringView t = TrimmedView(text);
    if (t.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return true;
    if (t.size() <= capacity)
        return false;
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    const qsizetype integerEnd = comma < 0 ? t.size() : comma;
    return integerEnd > capacity;
}

} // namespace QuoteFields
