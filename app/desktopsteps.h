#pragma once

#include "services.h"
#include "startup.h"

#include <functional>

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
    int convertEach(const QList<ConversionRequest> &requests, bool leftOut) override;
    void reportNoFile(const QString &path) override;
    void reportUsageError(const QString &message) override;
    void endProcess(int status) override;

private:
    // Lets the statistics posts made so far arrive, within a grace period.
    void settlePosts();
    // Shows a conversion window, started by start, and runs the event loop
    // until it reports its end; the process ends with statusOf(window,
    // status reported).
    template <class Window>
    int runWindow(const std::function<void(Window &)> &start,
                  const std::function<int(const Window &, int)> &statusOf);

    const Services m_services;
};
