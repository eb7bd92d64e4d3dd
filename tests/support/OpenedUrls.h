#pragma once

#include "app/dialogs/OpenURL.h"

#include <QList>
#include <QUrl>

namespace TestSupport
{

// Records what the shell-open routine is asked to open while alive; nothing
// is opened.
struct OpenedUrls {
    QList<QUrl> urls;
    OpenedUrls()
    {
        TMisc::setOpener([this](const QUrl &url) { urls.append(url); });
    }
    ~OpenedUrls() { TMisc::setOpener(nullptr); }
    OpenedUrls(const OpenedUrls &) = delete;
    OpenedUrls &operator=(const OpenedUrls &) = delete;
};

} // namespace TestSupport
