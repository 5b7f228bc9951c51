#include "taskbarbutton.h"

#include "taskbarbackend.h"
#include "taskbarbutton_p.h"

#include <QWidget>

namespace taskbar {

TaskbarButton::TaskbarButton(QWidget *parent)
    : TaskbarButton(parent, createPlatformBackend())
{
}

TaskbarButton::TaskbarButton(QWidget *parent, std::unique_ptr<Backend> backend)
    : QObject(parent)
    , d(std::make_unique<TaskbarButtonPrivate>())
{
    d->backend = backend ? std::move(backend) : std::make_unique<NullBackend>();
    // Readiness happens once; later announcements (a second "button created"
    // message, a second show) leave the shell as it is.
    d->backend->attach(parent, [this] {
        if (d->ready)
            return;
        d->ready = true;
        emit shellReady();
    });
}

TaskbarButton::~TaskbarButton()
{
    // The bar points into this button's shell state, so it goes first.
    delete d->progressBar.data();
}

TaskbarProgressBar *TaskbarButton::progressBar()
{
    if (!d->progressBar) {
        d->progressBar = new TaskbarProgressBar(this);
        d->progressBar->d->button = d.get();
    }
    return d->progressBar;
}

bool TaskbarButton::isReady() const
{
    return d->ready;
}

bool TaskbarButton::nativeEvent(const QByteArray &eventType, void *message, qintptr *)
{
    d->backend->handleNativeEvent(eventType, message);
    return false;
}

} // namespace taskbar
