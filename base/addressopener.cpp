#include "addressopener.h"

#include <QDesktopServices>

namespace addressopener {

bool isWebAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

void openWithDesktop(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace addressopener
