#include "desktopsteps.h"

#include "advancedoptions.h"
#include "conversionqueue.h"
#include "filedialog.h"
#include "nametext.h"
#include "onlineservices.h"
#include "processexit.h"
#include "selectionwindow.h"
#include "serviceparts.h"
#include "soundmill.h"
#include "soundmillgui.h"
#include "taskbarbutton.h"
#include "terminalview.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

// The real parts that need the application object: the desktop's choosers
// and the one network thread of the process, which every window and dialog
// shares and whose posts the end of the process waits for.
Services completed(const Services &services, bool hasDisplay)
{
    Services desktop = hasDisplay ? withDesktopChoosers(services) : services;
    desktop.online = onlineFor(desktop);
    return desktop;
}

void printError(const QString &message)
{
    std::fprintf(stderr, "tonewright: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
}

} // namespace

DesktopSteps::DesktopSteps(const Services &services, bool hasDisplay)
    : m_services(completed(services, hasDisplay))
    , m_hasDisplay(hasDisplay)
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

void DesktopSteps::reportNoDisplay()
{
    printError(QCoreApplication::translate(
        "CommandLine", "This needs a dialog, but no display is available. Name the format and "
                       "the file on the command line, as in: tonewright mp3 song.flac"));
}

void DesktopSteps::showSettings()
{
    if (!m_hasDisplay) {
        reportNoDisplay();
        return;
    }
    SoundmillGui dialog(m_services);
    dialog.exec();
    // The process ends right after: its usage post arrives first.
    m_services.online->settlePosts(QDeadlineTimer(online::PostsGraceMs));
}

QString DesktopSteps::chooseFile()
{
    if (!m_hasDisplay) {
        reportNoDisplay();
        return QString();
    }
    FileDialog dialog(m_services);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.fileName();
}

bool DesktopSteps::chooseOptions(int fileCount, QString &format, EncoderOptions &options)
{
    if (!m_hasDisplay) {
        reportNoDisplay();
        return false;
    }
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
    // Without a display nobody sees a box: the status tells.
    return runInView({request},
                     m_hasDisplay ? conversionrun::StatusRule::AlwaysZero
                                  : conversionrun::StatusRule::AllConverted,
                     false);
}

int DesktopSteps::convertEach(const QList<ConversionRequest> &requests, bool leftOut)
{
    return runInView(requests, conversionrun::StatusRule::AllConverted, leftOut);
}

int DesktopSteps::runInView(const QList<ConversionRequest> &requests,
                            conversionrun::StatusRule rule, bool leftOut)
{
    if (!m_hasDisplay) {
        TerminalView view(stderr, isatty(STDERR_FILENO) == 1);
        return run(view, requests, rule, leftOut);
    }
    taskbar::checkTaskbarSupportInBackground();
    if (requests.size() == 1) {
        auto *window = new Soundmill(m_services);
        return run(*window, requests, rule, leftOut);
    }
    auto *window = new SelectionWindow(m_services);
    return run(*window, requests, rule, leftOut);
}

template<class View>
int DesktopSteps::run(View &view, const QList<ConversionRequest> &requests,
                      conversionrun::StatusRule rule, bool leftOut)
{
    ConversionQueue queue(requests, m_services, m_services.online.get());
    std::optional<int> terminatedBy;
    bool ending = false;
    const auto end = [this, &ending](int status) {
        if (std::exchange(ending, true))
            return;
        endProcess(status);
        // Only steps that record the end instead of ending get here.
        QCoreApplication::exit(status);
    };
    QObject::connect(&view, &View::ended, &queue, [&] {
        const int status = conversionrun::exitStatus(queue, rule, leftOut, terminatedBy);
        // A run that went its course has its usage records and bug reports
        // delivered first (the window is gone by then); a stopped one ends
        // at once.
        if (queue.wasStopped()) {
            end(status);
            return;
        }
        m_services.online->whenPostsSettled(online::PostsGraceMs, [&end, status] { end(status); });
    });
    // From here on a conversion may hold files of ours; a request to end the
    // process lets it take them back first (status 128 + signal, as a shell
    // reports a process ended by that signal). Once every file has ended,
    // its result stands and only what is still shown or posted is cut short.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, &queue, [&](int signalNumber) {
        if (queue.isFinished()) {
            end(conversionrun::exitStatus(queue, rule, leftOut, std::nullopt));
            return;
        }
        terminatedBy = 128 + signalNumber;
        queue.stop();
    });
    if constexpr (std::is_base_of_v<ConversionWindow, View>) {
        if (taskbar::isTaskbarSupported())
            view.setTaskbarButton(new taskbar::TaskbarButton(&view));
    }
    view.watch(queue);
    // The first step is taken before the window's first paint, and the
    // encoder runs while the window draws.
    queue.start();
    if constexpr (std::is_base_of_v<ConversionWindow, View>)
        view.show();
    const int status = QCoreApplication::exec();
    if constexpr (std::is_base_of_v<ConversionWindow, View>)
        delete &view;
    return status;
}

void DesktopSteps::reportNoFile(const QString &path)
{
    printError(QCoreApplication::translate("CommandLine", "\"%1\" is no file; it is left out.")
                   .arg(nametext::forTerminal(path)));
}

void DesktopSteps::reportUsageError(const QString &message)
{
    // A terminal needs no marks that keep a name apart from right-to-left
    // text around it; the box below does.
    const QString plain = QString(message).remove(QChar(0x2068)).remove(QChar(0x2069));
    std::fprintf(stderr, "tonewright: %s\nTry 'tonewright --help'.\n", plain.toUtf8().constData());
    std::fflush(stderr);
    if (!m_hasDisplay)
        return;
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
