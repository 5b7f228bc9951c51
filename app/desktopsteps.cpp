#include "desktopsteps.h"

#include "advancedoptions.h"
#include "filedialog.h"
#include "onlineservices.h"
#include "processexit.h"
#include "serviceparts.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "taskbarbutton.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The real parts that need the application object: the desktop's choosers
// and the one network thread of the process, which every window and dialog
// shares and whose posts the end of the process waits for.
Services completed(const Services &services)
{
    Services desktop = withDesktopChoosers(services);
    desktop.online = onlineFor(desktop);
    return desktop;
}

} // namespace

DesktopSteps::DesktopSteps(const Services &services)
    : m_services(completed(services))
{
}

bool DesktopSteps::fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool DesktopSteps::isRegularFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void DesktopSteps::showSettings()
{
    SoundmillGui dialog(m_services);
    dialog.exec();
    // The process ends right after: its usage post arrives first.
    settlePosts();
}

void DesktopSteps::settlePosts()
{
    m_services.online->settlePosts(QDeadlineTimer(online::PostsGraceMs));
}

QString DesktopSteps::chooseFile()
{
    FileDialog dialog(m_services);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.fileName();
}

bool DesktopSteps::chooseOptions(int fileCount, QString &format, EncoderOptions &options)
{
    AdvancedOptions dialog(m_services);
    dialog.setFileCount(fileCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    format = dialog.format();
    options = dialog.options();
    return true;
}

int DesktopSteps::convert(const ConversionRequest &request)
{
    taskbar::checkTaskbarSupportInBackground();
    auto *window = new Soundmill(m_services);
    // The status the process ends with, once the window has reported its end.
    std::optional<int> ending;
    const auto end = [this, &ending](int status, Soundmill::End how) {
        ending = status;
        // A conversion that ran its course has its usage record and bug
        // report delivered first (the window is gone by then); a stopped
        // one ends at once.
        if (how == Soundmill::End::Finished)
            settlePosts();
        endProcess(status);
        // Only steps that record the end instead of ending get here.
        QCoreApplication::exit(status);
    };
    QObject::connect(window, &Soundmill::ended, window, end);
    // From here on a conversion may hold files of ours; a request to end
    // the process lets it take them back first (status 128 + signal, as a
    // shell reports a process ended by that signal). Once the conversion
    // has ended, only the wait for the posts is cut short: the conversion's
    // status stands.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, window,
                     [this, window, &ending](int signalNumber) {
                         if (ending)
                             endProcess(*ending);
                         else
                             window->stopForTermination(128 + signalNumber);
                     });
    if (taskbar::isTaskbarSupported())
        window->setTaskbarButton(new taskbar::TaskbarButton(window));
    window->startConversion(request);
    window->show();
    const int status = QApplication::exec();
    delete window;
    return status;
}

int DesktopSteps::runChildren(const QString &program, const QList<QStringList> &argumentLists)
{
    // All start at once, as the file manager used to start them; the encoder
    // slots let only as many encode at a time as the machine has cores.
    // Waiting for them lets a script know when every file is done.
    int status = 0;
    std::vector<std::unique_ptr<QProcess>> children;
    for (const QStringList &arguments : argumentLists) {
        auto child = std::make_unique<QProcess>();
        child->setProcessChannelMode(QProcess::ForwardedChannels);
        child->setStandardInputFile(QProcess::nullDevice());
        child->start(program, arguments);
        if (!child->waitForStarted(-1)) {
            std::fprintf(stderr, "tonewright: could not start %s: %s\n", qPrintable(program),
                         qPrintable(child->errorString()));
            status = status != 0 ? status : 1;
            continue;
        }
        children.push_back(std::move(child));
    }
    for (const auto &child : children) {
        child->waitForFinished(-1);
        const int code = child->exitStatus() == QProcess::NormalExit ? child->exitCode() : 1;
        status = status != 0 ? status : code;
    }
    return status;
}

void DesktopSteps::reportUsageError(const QString &message)
{
    std::fprintf(stderr, "tonewright: %s\nTry 'tonewright --help'.\n", qPrintable(message));
    std::fflush(stderr);
    // Started from a file manager, nobody reads standard error. The message
    // may quote a file name: plain text, never markup.
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("Soundmill", "Error"),
                    message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopSteps::endProcess(int status)
{
    processexit::endProcess(status);
}
