// Stand-in until the shell backends land: every request is dropped, as while
// the shell is not ready.
#include "taskbarbutton.h"

#include <QWidget>

namespace taskbar {

bool isTaskbarSupported() { return false; }

TaskbarButton::TaskbarButton(QWidget *parent) : QObject(parent) {}
TaskbarButton::~TaskbarButton() = default;

TaskbarProgressBar *TaskbarButton::progressBar()
{
    if (!m_progressBar)
        m_progressBar = new TaskbarProgressBar(this);
    return m_progressBar;
}

bool TaskbarButton::nativeEvent(const QByteArray &, void *, qintptr *) { return false; }

TaskbarProgressBar::TaskbarProgressBar(QObject *parent) : QObject(parent) {}
void TaskbarProgressBar::setMinimum(int value) { m_minimum = value; }
void TaskbarProgressBar::setMaximum(int value) { m_maximum = value; }
void TaskbarProgressBar::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}
void TaskbarProgressBar::setValue(int) {}
void TaskbarProgressBar::setState(ProgressState) {}

} // namespace taskbar
