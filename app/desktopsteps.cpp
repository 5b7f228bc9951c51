#include "desktopsteps.h"

#include "advancedoptions.h"
#include "filedialog.h"
#include "processexit.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "taskbarbutton.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QFileInfo>

bool DesktopSteps::fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

void DesktopSteps::showSettings()
{
    SoundmillGui dialog;
    dialog.exec();
    // The process ends right after: its usage post arrives first.
    dialog.online().settlePosts(QDeadlineTimer(online::PostsGraceMs));
}

QString DesktopSteps::chooseFile()
{
    FileDialog dialog;
    dialog.exec();
    return dialog.fileName();
}

void DesktopSteps::chooseOptions(QString &format, QStringList &extraArgs)
{
    AdvancedOptions dialog;
    dialog.exec();
    format = dialog.format();
    extraArgs = dialog.extraArguments();
}

int DesktopSteps::convert(const ConversionRequest &request)
{
    taskbar::checkTaskbarSupportInBackground();
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
    const int status = QApplication::exec();
    delete window;
    return status;
}

void DesktopSteps::endProcess(int status)
{
    processexit::endProcess(status);
}
