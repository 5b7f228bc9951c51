#pragma once

#include <QObject>

#include <memory>

namespace taskbar {

class TaskbarButton;
class TaskbarProgressBarPrivate;

// Progress shown on a taskbar button. Requests made while the shell is not
// ready (or when the bar belongs to no button) are dropped, not queued; the
// bounds are only stored and reach the shell with the next value.
class TaskbarProgressBar : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ProgressState state READ state WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum NOTIFY minimumChanged)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum NOTIFY maximumChanged)
public:
    // The values are those of the Windows shell's progress flags.
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
    ~TaskbarProgressBar() override;

    ProgressState state() const;
    int value() const;
    int minimum() const;
    int maximum() const;

public slots:
    void setMinimum(int value);
    void setMaximum(int value);
    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setState(taskbar::TaskbarProgressBar::ProgressState state);

signals:
    void stateChanged(taskbar::TaskbarProgressBar::ProgressState state);
    void valueChanged(int value);
    void minimumChanged(int minimum);
    void maximumChanged(int maximum);

private:
    friend class TaskbarButton;
    std::unique_ptr<TaskbarProgressBarPrivate> d;
};

} // namespace taskbar
