#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The shell-open routine: opens a file, folder, web address or e-mail message
// with the desktop's default handler. Surrounding double quotes are removed;
// "mailto:" texts and web addresses open as URLs, anything else as a local
// file or folder. Nothing is ever passed to a shell; nothing is reported.
namespace TMisc
{
void Open(const QString &target);
// The URL that Open hands to the desktop for a target.
QUrl UrlFor(const QString &target);
// Test seam: receives the URLs instead of the desktop (nullptr restores it).
void setOpener(std::function<void(const QUrl &)> opener);
} // namespace TMisc
