#include "taskbarprogressbar.h"

#include "taskbarbackend.h"
#include "taskbarbutton_p.h"

namespace taskbar {

TaskbarProgressBar::TaskbarProgressBar(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<TaskbarProgressBarPrivate>())
{
}

TaskbarProgressBar::~TaskbarProgressBar() = default;

TaskbarProgressBar::ProgressState TaskbarProgressBar::state() const
{
    return d->state;
}
int TaskbarProgressBar::value() const
{
    return d->value;
}
int TaskbarProgressBar::minimum() const
{
    return d->minimum;
}
int TaskbarProgressBar::maximum() const
{
    return d->maximum;
}

// The bounds are only stored: the shell learns them with the next value.
void TaskbarProgressBar::setMinimum(int value)
{
    if (d->minimum == value)
        return;
    d->minimum = value;
    emit minimumChanged(value);
}

void TaskbarProgressBar::setMaximum(int value)
{
    if (d->maximum == value)
        return;
    d->maximum = value;
    emit maximumChanged(value);
}

void TaskbarProgressBar::setRange(int minimum, int maximum)
{
    setMinimum(minimum);
    setMaximum(maximum);
}

void TaskbarProgressBar::setValue(int value)
{
    if (!d->button || !d->button->ready)
        return;
    d->button->backend->setProgress(shellDifference(value, d->minimum),
                                    shellDifference(d->maximum, d->minimum));
    if (d->value == value)
        return;
    d->value = value;
    emit valueChanged(value);
}

void TaskbarProgressBar::setState(ProgressState state)
{
    if (!d->button || !d->button->ready)
        return;
    d->button->backend->setState(state);
    if (d->state == state)
        return;
    d->state = state;
    emit stateChanged(state);
}

} // namespace taskbar
