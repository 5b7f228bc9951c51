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

DesktopSteps::DesktopSteps(const Services &services)
    : m_services(services)
{
}

bool DesktopSteps::fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

void DesktopSteps::showSettings()
{
    SoundmillGui dialog(m_services);
    dialog.exec();
}

QString DesktopSteps::chooseFile()
{
    FileDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.fileName();
}

bool DesktopSteps::chooseOptions(QString &format, QStringList &extraArgs)
{
    AdvancedOptions dialog(m_services);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    format = dialog.format();
    extraArgs = dialog.extraArguments();
    return true;
}

int DesktopSteps::convert(const ConversionRequest &request)
{
    taskbar::checkTaskbarSupportInBackground();
    auto *window = new Soundmill(m_services);
    QObject::connect(window, &Soundmill::ended, window, [this](int status) {
        endProcess(status);
        // Only steps that record the end instead of ending get here.
        QCoreApplication::exit(status);
    });
    // From here on a conversion may hold files of ours; a request to end
    // the process lets it take them back first (status 128 + signal, as a
    // shell reports a process ended by that signal).
    TerminationSignals termination;
    QObject::connect(
        &termination, &TerminationSignals::requested, window,
        [window](int signalNumber) { window->stopForTermination(128 + signalNumber); });
    if (taskbar::isTaskbarSupported())
        window->setTaskbarButton(new taskbar::TaskbarButton(window));
    window->startConversion(request);
    window->show();
    const int status = QApplication::exec();
    delete window;
    return status;
}

void DesktopSteps::endProcess(int status)
{
    processexit::endProcess(status);
}
