#pragma once

#include <QUrl>

// Opens web addresses with the desktop's default handler. Services checks
// them first (weburl::isWebAddress): an address from the network that names
// a local file or another scheme could start a local program.
namespace addressopener {

// Hands the address to the desktop's browser, unchecked.
void openWithDesktop(const QUrl &url);

} // namespace addressopener
