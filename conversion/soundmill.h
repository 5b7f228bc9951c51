#pragma once

#include <QStringList>
#include <QWidget>

namespace taskbar {
class TaskbarButton;
}

// The conversion window (stand-in until the window's form lands).
class Soundmill : public QWidget
{
    Q_OBJECT
public:
    explicit Soundmill(QWidget *parent = nullptr);
    ~Soundmill() override;

    void setTaskbarButton(taskbar::TaskbarButton *button);
    void startConversion(QString sourcePath, QString format, QStringList extraArgs);
};
