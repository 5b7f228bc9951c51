#pragma once

#include "conversionrun.h"
#include "settings.h"
#include "services.h"
#include "startup.h"

#include <functional>

// The start-up steps with the real dialogs, and the run of the conversion
// under a window, or under the terminal view when there is no display (the
// dialogs then cannot be shown, and the steps that need them say so). Made
// after the application object: it completes the services with their
// desktop parts. The process ends here only: when a dialog was left by
// Cancel, and when a run has ended.
class MirrorRun;

class DesktopSteps : public StartupSteps
{
public:
    explicit DesktopSteps(const Services &services, bool hasDisplay = true);

    bool fileExists(const QString &path) override;
    bool isRegularFile(const QString &path) override;
    bool isFolder(const QString &path) override;
    void showSettings() override;
    QString chooseFile() override;
    bool chooseOptions(int fileCount, QString &format, EncoderOptions &options) override;
    int convert(const ConversionRequest &request) override;
    int convertEach(const QList<ConversionRequest> &requests, bool leftOut) override;
    int convertFolders(const FolderRun &run) override;
    void reportNoFile(const QString &path) override;
    void reportUsageError(const QString &message) override;
    void endProcess(int status) override;

private:
    // Converts the requests under a view (made by makeView) that watches
    // them, runs the event loop until the run has ended, and ends the
    // process with its status.
    template<class View>
    int run(const std::function<View *()> &makeView, const QList<ConversionRequest> &requests,
            conversionrun::StatusRule rule, bool leftOut);
    int runInView(const QList<ConversionRequest> &requests, conversionrun::StatusRule rule,
                  bool leftOut);
    // Brings the mirrors up to date and converts the files under a view,
    // like run().
    template<class View>
    int runFolders(View &view, MirrorRun &mirror, const QList<ConversionRequest> &files,
                   bool leftOut);
    // The folder the settings name for mirrors (asked once under "ask");
    // empty when there is none.
    QString mirrorsFolder(settings::TargetRule rule);
    // Ends the process once with the status it is given (ending: whether it
    // was already).
    std::function<void(int)> ender(bool &ending);
    // After a run's view ended: a notification when the run took long (the
    // window has closed itself and the person turned to other work long
    // ago), the posts delivered unless it was stopped, then end(status).
    void settle(bool stopped, int status, qint64 elapsedMs, const QString &sentence,
                const std::function<void(int)> &end);
    // On standard error, and in a box when there is a display.
    void reportRunError(const QStringList &messages);
    void showErrorBox(const QString &message);
    // What needs a person's answer cannot be asked without a display.
    void reportNoDisplay();

    const Services m_services;
    const bool m_hasDisplay;
};
