#pragma once

#include "conversionrun.h"
#include "onlinebackend.h"
#include "services.h"
#include "settings.h"
#include "startup.h"

#include <functional>
#include <memory>

namespace online {
class OnlineServices;
}

// The start-up steps with the real dialogs; the conversion they lead to is
// a ConversionRun. Without a display the dialogs cannot be shown, and the
// steps that need them say so. Made after the application object: it
// completes the services with their desktop parts and makes the one network
// thread of the process (its backend from onlineBackend; empty: the online
// module's), which every window and dialog shares and whose posts the end of
// the process waits for. The process ends here only: when a dialog was left
// by Cancel, and when a run has ended.
class DesktopSteps : public StartupSteps
{
public:
    explicit DesktopSteps(const Services &services, bool hasDisplay = true,
                          online::OnlineBackendFactory onlineBackend = {});

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
    bool cutImages(QList<ConversionRequest> &requests, const QByteArray &cueEncoding) override;
    void reportUsageError(const QString &message) override;
    void endProcess(int status) override;

private:
    // The run of a conversion, ending the process through endProcess().
    ConversionRun newRun();
    // The folder the settings name for mirrors (asked once under "ask");
    // empty when there is none.
    QString mirrorsFolder(settings::TargetRule rule);
    // On standard error, and in a box when there is a display.
    void reportRunError(const QStringList &messages);
    void showErrorBox(const QString &message);
    // What needs a person's answer cannot be asked without a display.
    void reportNoDisplay();

    const Services m_services;
    const std::shared_ptr<online::OnlineServices> m_online;
    const bool m_hasDisplay;
};
