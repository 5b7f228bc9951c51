#pragma once

#include "services.h"
#include "startup.h"

// The start-up steps with the real dialogs and the conversion window, each
// created on the stack without a parent and run modally. Made after the
// application object: it completes the services with their desktop parts. The process ends
// here only: when a dialog was left by Cancel, and when the window reports
// its end.
class DesktopSteps : public StartupSteps
{
public:
    explicit DesktopSteps(const Services &services);

    bool fileExists(const QString &path) override;
    bool isRegularFile(const QString &path) override;
    void showSettings() override;
    QString chooseFile() override;
    bool chooseOptions(int fileCount, QString &format, EncoderOptions &options) override;
    int convert(const ConversionRequest &request) override;
    int runChildren(const QString &program, const QList<QStringList> &argumentLists) override;
    void reportUsageError(const QString &message) override;
    void endProcess(int status) override;

private:
    // Lets the statistics posts made so far arrive, within a grace period.
    void settlePosts();

    const Services m_services;
};
