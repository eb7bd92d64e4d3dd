#include "app/dialogs/OpenURL.h"

#include <QDesktopServices>

namespace TMisc
{

namespace
{
std::function<void(const QUrl &)> &opener()
{
    static std::function<void(const QUrl &)> f;
    return f;
}
} // namespace

QUrl UrlFor(const QString &target)
{
    QString text = target;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    const QString lower = text.left(8).toLower();
    if (lower.startsWith(QLatin1String("mailto:")) || lower.startsWith(QLatin1String("http://"))
        || lower.startsWith(QLatin1String("https://")) || lower.startsWith(QLatin1String("www.")))
        return QUrl(
            lower.startsWith(QLatin1String("www.")) ? QStringLiteral("https://") + text : text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(text);
}

void Open(const QString &target)
{
    const QUrl url = UrlFor(target);
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void setOpener(std::function<void(const QUrl &)> f)
{
    opener() = std::move(f);
}

} // namespace TMisc
