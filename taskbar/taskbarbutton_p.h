#pragma once

#include "taskbarbackend.h"
#include "taskbarprogressbar.h"

#include <QPointer>

#include <cstdint>
#include <memory>

namespace taskbar {

class TaskbarButtonPrivate
{
public:
    std::unique_ptr<Backend> backend;
    QPointer<TaskbarProgressBar> progressBar;
    bool ready = false;
};

class TaskbarProgressBarPrivate
{
public:
    TaskbarProgressBar::ProgressState state = TaskbarProgressBar::NoProgress;
    int value = -1;
    int minimum = 0;
    int maximum = 100;
    // The shell side of the button that shows this bar; null while the bar
    // belongs to no button.
    TaskbarButtonPrivate *button = nullptr;
};

// a - b as the shell receives it: a signed 32-bit difference that wraps
// instead of overflowing.
inline std::int32_t shellDifference(int a, int b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace taskbar
