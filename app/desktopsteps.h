#pragma once

#include "services.h"
#include "startup.h"

// The start-up steps with the real dialogs and the conversion window, each
// created on the stack without a parent and run modally. The process ends
// here only: when a dialog was left by Cancel, and when the window reports
// its end.
class DesktopSteps : public StartupSteps
{
public:
    explicit DesktopSteps(const Services &services);

    bool fileExists(const QString &path) override;
    void showSettings() override;
    QString chooseFile() override;
    bool chooseOptions(QString &format, QStringList &extraArgs) override;
    int convert(const ConversionRequest &request) override;
    void endProcess(int status) override;

private:
    const Services m_services;
};
