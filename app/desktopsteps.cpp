#include "desktopsteps.h"

#include "advancedoptions.h"
#include "filedialog.h"
#include "onlineservices.h"
#include "processexit.h"
#include "serviceparts.h"
#include "selectionwindow.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "taskbarbutton.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <optional>

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
    return runWindow<Soundmill>([&request](Soundmill &window) { window.startConversion(request); },
                                [](const Soundmill &, int status) { return status; });
}

int DesktopSteps::convertEach(const QList<ConversionRequest> &requests, bool leftOut)
{
    if (requests.size() == 1) {
        // One file is the single conversion, with the status a selection has.
        return runWindow<Soundmill>(
            [&requests](Soundmill &window) { window.startConversion(requests.first()); },
            [leftOut](const Soundmill &window, int status) {
                return status != 0 ? status : window.converted() && !leftOut ? 0 : 1;
            });
    }
    return runWindow<SelectionWindow>(
        [&requests](SelectionWindow &window) { window.startConversions(requests); },
        [leftOut](const SelectionWindow &, int status) { return status != 0 ? status : leftOut; });
}

template <class Window>
int DesktopSteps::runWindow(const std::function<void(Window &)> &start,
                            const std::function<int(const Window &, int)> &statusOf)
{
    taskbar::checkTaskbarSupportInBackground();
    auto *window = new Window(m_services);
    // The status the process ends with, once the window has reported its end.
    std::optional<int> ending;
    const auto end = [this, window, &ending, &statusOf](int status, Soundmill::End how) {
        ending = statusOf(*window, status);
        // A conversion that ran its course has its usage records and bug
        // reports delivered first (the window is gone by then); a stopped
        // one ends at once.
        if (how == Soundmill::End::Finished)
            settlePosts();
        endProcess(*ending);
        // Only steps that record the end instead of ending get here.
        QCoreApplication::exit(*ending);
    };
    QObject::connect(window, &Window::ended, window, end);
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
    start(*window);
    window->show();
    const int status = QApplication::exec();
    delete window;
    return status;
}

void DesktopSteps::reportNoFile(const QString &path)
{
    const QString message =
        QCoreApplication::translate("CommandLine", "\"%1\" is no file; it is left out.").arg(path);
    std::fprintf(stderr, "tonewright: %s\n", qPrintable(message));
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
