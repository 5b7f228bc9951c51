#pragma once

#include "taskbarprogressbar.h"

#include <QObject>

class QWidget;

namespace taskbar {

// Whether this desktop shows progress on a window's taskbar button or launcher entry.
bool isTaskbarSupported();

// The taskbar button (or launcher entry) of one top-level window.
class TaskbarButton : public QObject
{
    Q_OBJECT
public:
    explicit TaskbarButton(QWidget *parent);
    ~TaskbarButton() override;

    TaskbarProgressBar *progressBar();

    // The window passes every native message here; returns false so that
    // the message is processed normally.
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result);

private:
    TaskbarProgressBar *m_progressBar = nullptr;
};

} // namespace taskbar
