#pragma once

#include "taskbarprogressbar.h"

#include <QObject>

#include <memory>

class QWidget;

namespace taskbar {

class Backend;
class TaskbarButtonPrivate;

// Whether this desktop shows progress on a window's taskbar button or launcher entry.
bool isTaskbarSupported();

// Starts finding that out on another thread (on Linux: connecting to the
// session bus, a few round trips to its daemon), so that the window's thread
// can build the window meanwhile; the next isTaskbarSupported() collects the
// answer.
void checkTaskbarSupportInBackground();

// The taskbar button (or launcher entry) of one top-level window.
class TaskbarButton : public QObject
{
    Q_OBJECT
public:
    // Serves `parent` through the shell of the platform the program was built for.
    explicit TaskbarButton(QWidget *parent);
    // Serves `parent` through `backend`; tests hand in a recording shell.
    TaskbarButton(QWidget *parent, std::unique_ptr<Backend> backend);
    ~TaskbarButton() override;

    // Created on the first call; the same object on every later call.
    TaskbarProgressBar *progressBar();

    // True once the shell has announced that it takes requests for the window.
    bool isReady() const;

    // The window passes every native message here; returns false so that
    // the message is processed normally.
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result);

signals:
    // The shell became ready; emitted once.
    void shellReady();

private:
    friend class TaskbarProgressBar;
    std::unique_ptr<TaskbarButtonPrivate> d;
};

} // namespace taskbar
