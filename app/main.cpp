#include "aboutdialog.h"
#include "advancedoptions.h"
#include "filedialog.h"
#include "processexit.h"
#include "product.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "startup.h"
#include "taskbarbutton.h"
#include "terminationsignals.h"
#include "warmup.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

// The real dialogs and window, each created on the stack without a parent.
class DesktopSteps final : public StartupSteps
{
public:
    explicit DesktopSteps(QApplication &app)
        : m_app(app)
    {
    }

    bool fileExists(const QString &path) override
    {
        return !path.isEmpty() && QFileInfo::exists(path);
    }

    void showSettings() override
    {
        SoundmillGui dialog;
        dialog.exec();
    }

    QString chooseFile() override
    {
        FileDialog dialog;
        dialog.exec();
        return dialog.fileName();
    }

    void chooseOptions(QString &format, QStringList &extraArgs) override
    {
        AdvancedOptions dialog;
        dialog.exec();
        format = dialog.format();
        extraArgs = dialog.extraArguments();
    }

    int convert(const ConversionRequest &request) override
    {
        auto *window = new Soundmill(nullptr);
        // From here on a conversion may hold files of ours; a request to end
        // the process lets it take them back first (status 128 + signal, as a
        // shell reports a process ended by that signal).
        TerminationSignals termination;
        QObject::connect(
            &termination, &TerminationSignals::requested, window,
            [window](int signalNumber) { window->stopForTermination(128 + signalNumber); });
        if (taskbar::isTaskbarSupported())
            window->setTaskbarButton(new taskbar::TaskbarButton(window));
        window->startConversion(request.source, request.format, request.extraArgs);
        window->show();
        const int status = m_app.exec();
        delete window;
        return status;
    }

    void endProcess(int status) override { processexit::endProcess(status); }

private:
    QApplication &m_app;
};

const char Usage[] =
    "Usage: tonewright [WORD] [FILE]\n"
    "Convert one audio or video file into another audio format.\n"
    "\n"
    "Words:\n"
    "  mp3 m4a wma wav fla aac ogg mka   the output format (fla means FLAC)\n"
    "  ppp                              choose format, volume and tags in a dialog\n"
    "  config                           show the settings and exit\n"
    "\n"
    "Without a file, Tonewright asks for one and then for the options.\n"
    "The converted file is written beside the source unless the settings say otherwise.\n"
    "\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n";

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tonewright %s\n", qPrintable(product::version()));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(product::applicationName());
    QApplication::setOrganizationName(product::organizationName());
    QApplication::setOrganizationDomain(product::organizationDomain());
    QApplication::setApplicationVersion(product::version());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/imgs/icon.png")));
    // The launcher entry that carries the progress is tonewright.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("tonewright"));

    online::warmUpSecureConnections({product::adServerUrl(), product::statsServerUrl()});

    DesktopSteps steps(app);
    return runStartup(QCoreApplication::arguments(), QCoreApplication::applicationFilePath(),
                      steps);
}
