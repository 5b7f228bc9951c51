#include "taskbarbackend.h"

namespace taskbar {

Backend::~Backend() = default;

void Backend::handleNativeEvent(const QByteArray &, void *) {}

// Never ready, so the progress bar drops every request before it gets here.
void NullBackend::attach(QWidget *, ReadyCallback) {}
void NullBackend::setProgress(std::int32_t, std::int32_t) {}
void NullBackend::setState(TaskbarProgressBar::ProgressState) {}

} // namespace taskbar
