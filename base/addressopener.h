#pragma once

#include <QUrl>
#include <functional>

// Opens web addresses with the desktop's default handler. Only http and https
// are ever opened: an address from the network that names a local file or
// another scheme could start a local program.
namespace addressopener {

bool isWebAddress(const QUrl &url);

// Opens the address when it is a web address; returns whether it was handed on.
bool openAddress(const QUrl &url);

// Tests record instead of starting a browser; an empty function restores the desktop.
void setOpener(std::function<void(const QUrl &)> opener);

} // namespace addressopener
