#pragma once

#include <QObject>

namespace taskbar {

// Progress shown on a taskbar button.
class TaskbarProgressBar : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ProgressState state READ state WRITE setState)
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
public:
    enum ProgressState {
        NoProgress = 0,
        IndeterminateProgress = 1,
        NormalProgress = 2,
        ErrorProgress = 4,
        PausedProgress = 8,
        AutomaticProgress = 16,
    };
    Q_ENUM(ProgressState)

    explicit TaskbarProgressBar(QObject *parent = nullptr);

    ProgressState state() const { return m_state; }
    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

public slots:
    void setMinimum(int value);
    void setMaximum(int value);
    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setState(taskbar::TaskbarProgressBar::ProgressState state);

private:
    ProgressState m_state = NoProgress;
    int m_value = -1;
    int m_minimum = 0;
    int m_maximum = 100;
};

} // namespace taskbar
