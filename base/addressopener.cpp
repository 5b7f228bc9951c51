#include "addressopener.h"

#include <QDesktopServices>

namespace addressopener {
namespace {
std::function<void(const QUrl &)> &opener()
{
    static std::function<void(const QUrl &)> installed;
    return installed;
}
} // namespace

bool isWebAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool openAddress(const QUrl &url)
{
    if (!isWebAddress(url))
        return false;
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
    return true;
}

void setOpener(std::function<void(const QUrl &)> newOpener)
{
    opener() = std::move(newOpener);
}

} // namespace addressopener
