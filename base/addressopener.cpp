#include "addressopener.h"

#include <QDesktopServices>

namespace addressopener {

void openWithDesktop(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace addressopener
