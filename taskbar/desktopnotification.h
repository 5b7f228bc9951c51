#pragma once

#include <QString>

namespace taskbar {

// Shows a desktop notification (the freedesktop notification service on
// the session bus) without waiting for an answer; nothing when there is no
// bus or no service.
void notify(const QString &title, const QString &body);

} // namespace taskbar
