#include "desktopsteps.h"

#include "advancedoptions.h"
#include "commandline.h"
#include "conversionjob.h"
#include "conversionqueue.h"
#include "desktopnotification.h"
#include "failuretext.h"
#include "mirrorroot.h"
#include "mirrorrun.h"
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
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <memory>
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
    if (!desktop.notify) {
        desktop.notify = [](const QString &sentence) {
            taskbar::notify(QStringLiteral("Tonewright"), sentence);
        };
    }
    return desktop;
}

// The end of a selection, as a notification says it.
QString sentenceFor(const ConversionQueue &queue)
{
    if (queue.failures().isEmpty())
        return QCoreApplication::translate("Notification", "%1 of %Ln files converted.", nullptr,
                                           queue.total())
            .arg(queue.converted());
    return QCoreApplication::translate("Notification", "%1 of %Ln files could not be converted.",
                                       nullptr, queue.total())
        .arg(queue.failures().size());
}

void printError(const QString &message)
{
    std::fprintf(stderr, "tonewright: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
}

// Tells when a window is asked to close.
class CloseWatch : public QObject
{
public:
    CloseWatch(QObject *window, std::function<void()> closing)
        : m_closing(std::move(closing))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            m_closing();
        return false;
    }

private:
    std::function<void()> m_closing;
};

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

bool DesktopSteps::isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

std::function<void(int)> DesktopSteps::ender(bool &ending)
{
    return [this, &ending](int status) {
        if (std::exchange(ending, true))
            return;
        endProcess(status);
        // Only steps that record the end instead of ending get here.
        QCoreApplication::exit(status);
    };
}

void DesktopSteps::settle(bool stopped, int status, qint64 elapsedMs, const QString &sentence,
                          const std::function<void(int)> &end)
{
    // A stopped run ends at once. One that went its course tells the person
    // when it took long, and has its usage records and bug reports
    // delivered first (the window is gone by then).
    if (stopped) {
        end(status);
        return;
    }
    if (elapsedMs >= m_services.notifyAfterMs && m_services.notify)
        m_services.notify(sentence);
    m_services.online->whenPostsSettled(online::PostsGraceMs, [end, status] { end(status); });
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
        const std::function<TerminalView *()> makeView = [] {
            return new TerminalView(stderr, isatty(STDERR_FILENO) == 1);
        };
        return run(makeView, requests, rule, leftOut);
    }
    taskbar::checkTaskbarSupportInBackground();
    if (requests.size() == 1) {
        const std::function<Soundmill *()> makeView = [this] { return new Soundmill(m_services); };
        return run(makeView, requests, rule, leftOut);
    }
    const std::function<SelectionWindow *()> makeView = [this] {
        return new SelectionWindow(m_services);
    };
    return run(makeView, requests, rule, leftOut);
}

template<class View>
int DesktopSteps::run(const std::function<View *()> &makeView,
                      const QList<ConversionRequest> &requests, conversionrun::StatusRule rule,
                      bool leftOut)
{
    constexpr bool isWindow = std::is_base_of_v<ConversionWindow, View>;
    QElapsedTimer clock;
    clock.start();
    ConversionQueue queue(requests, m_services, m_services.online.get());
    std::optional<int> terminatedBy;
    bool ending = false;
    const std::function<void(int)> end = ender(ending);
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
    // The first files take their first step before the window is made: their
    // encoders run while it is built and drawn, and it catches up on what it
    // missed. A terminal view costs nothing to make and watches from the start.
    if constexpr (isWindow)
        queue.startNow();
    const std::unique_ptr<View> view(makeView());
    QObject::connect(view.get(), &View::ended, &queue, [&] {
        settle(queue.wasStopped(), conversionrun::exitStatus(queue, rule, leftOut, terminatedBy),
               clock.elapsed(), sentenceFor(queue), end);
    });
    if constexpr (isWindow) {
        if (taskbar::isTaskbarSupported())
            view->setTaskbarButton(new taskbar::TaskbarButton(view.get()));
    }
    view->watch(queue);
    if constexpr (isWindow)
        view->show();
    else
        queue.start();
    return QCoreApplication::exec();
}

QString DesktopSteps::mirrorsFolder(settings::TargetRule rule)
{
    const QString stored = m_services.readSetting(QLatin1String(settings::TargetDirKey));
    if (rule == settings::TargetRule::Directory)
        return stored;
    if (rule != settings::TargetRule::Ask || !m_hasDisplay || !m_services.chooseDirectory)
        return QString();
    // One chooser for the whole run, before anything is read or written.
    QString chosen;
    QEventLoop answered;
    m_services.chooseDirectory(nullptr, [&](const QString &directory) {
        chosen = directory;
        answered.quit();
    });
    answered.exec();
    return chosen;
}

int DesktopSteps::convertFolders(const FolderRun &run)
{
    const settings::TargetRule rule = settings::targetRuleFromText(
        m_services.readSetting(QLatin1String(settings::TargetDirKey)));
    const QString directory = run.into.isEmpty() ? mirrorsFolder(rule) : QString();
    QList<MirrorRun::Folder> folders;
    for (const QString &folder : run.folders) {
        const QString root = mirrorroot::place(folder, run.format, rule, directory, run.into);
        if (root.isEmpty()) {
            reportRunError({m_hasDisplay
                                ? QCoreApplication::translate(
                                      "CommandLine", "No folder was chosen for the mirror.")
                                : failureText(ConversionEnd::Failure::FolderNotChosen)});
            endProcess(1);
            return 1;
        }
        folders.append({folder, root});
    }

    const EncoderOptions &given = run.options;
    const bool plain = given.volume == 100 && given.title.isEmpty() && given.artist.isEmpty() &&
                       given.album.isEmpty() && given.year == 0 && !given.replayGain;
    // A mirror puts each output into place as it ends, before an album's
    // last track has: the queue measures each track, and the mirror writes
    // the albums' values from what it keeps of every track's measurement.
    // The recipe stays the same under "album" and "track": a change of it
    // would convert every file again, albums then changing nothing.
    EncoderOptions options = given;
    const settings::ReplayGain gain = ConversionJob::replayGain({{}, run.format, given, {}}, m_services);
    const bool album = gain == settings::ReplayGain::Album;
    options.replayGain = album ? settings::ReplayGain::Track : gain;
    // The recipe: what a file was converted with; a change redoes every file.
    const int bitrate =
        settings::bitrateFromText(m_services.readSetting(QLatin1String(settings::BitrateKey)));
    QStringList recipe{run.format, QString::number(bitrate)};
    recipe << commandLineOptions(options);
    MirrorRun mirror(folders, {run.format, recipe.join(u' '), plain, album}, options);

    if (run.dryRun) {
        const QStringList lines = mirror.dryRun();
        for (const QString &line : lines)
            std::printf("%s\n", nametext::forTerminal(line).toUtf8().constData());
        std::fflush(stdout);
        for (const QString &detail : mirror.details())
            printError(detail);
        const int status = mirror.failed() || run.leftOut ? 1 : 0;
        endProcess(status);
        return status;
    }
    if (!m_hasDisplay) {
        TerminalView view(stderr, isatty(STDERR_FILENO) == 1);
        return runFolders(view, mirror, run.files, run.leftOut);
    }
    taskbar::checkTaskbarSupportInBackground();
    auto *window = new SelectionWindow(m_services);
    return runFolders(*window, mirror, run.files, run.leftOut);
}

template<class View>
int DesktopSteps::runFolders(View &view, MirrorRun &mirror, const QList<ConversionRequest> &files,
                             bool leftOut)
{
    constexpr bool isWindow = std::is_base_of_v<ConversionWindow, View>;
    QElapsedTimer clock;
    clock.start();
    if (!mirror.lock()) {
        reportRunError(mirror.details());
        endProcess(1);
        return 1;
    }
    std::unique_ptr<ConversionQueue> queue;
    std::optional<int> terminatedBy;
    bool ending = false;
    const std::function<void(int)> end = ender(ending);
    const auto status = [&] {
        if (terminatedBy)
            return *terminatedBy;
        const bool allConverted = queue && queue->converted() == queue->total();
        return allConverted && !mirror.failed() && !leftOut ? 0 : 1;
    };
    if constexpr (isWindow) {
        view.setRun(mirror.title(), [&mirror] {
            return SelectionWindow::RunEnd{mirror.sentence(), mirror.details(), mirror.failed()};
        });
    } else {
        view.setShownTarget([&mirror, &queue](int index) {
            return index < mirror.requests().size() ? mirror.output(index)
                                                    : queue->end(index).target;
        });
    }
    QObject::connect(&mirror, &MirrorRun::phase, &view, &View::showPhase);
    // Closed while it walks or copies, before there is a queue to stop: the
    // run stops once the walk is done, having converted nothing.
    bool closed = false;
    std::unique_ptr<CloseWatch> closeWatch;
    if constexpr (isWindow) {
        closeWatch = std::make_unique<CloseWatch>(&view, [&] {
            if (queue)
                return;
            closed = true;
            mirror.stop();
        });
    }
    QObject::connect(&mirror, &MirrorRun::ready, &view, [&] {
        if (terminatedBy || closed) {
            end(terminatedBy.value_or(1));
            return;
        }
        if constexpr (!isWindow)
            view.writeLine(mirror.walkedText());
        queue = std::make_unique<ConversionQueue>(mirror.requests() + files, m_services,
                                                  m_services.online.get());
        mirror.watch(*queue);
        view.watch(*queue);
        queue->start();
    });
    QObject::connect(&view, &View::ended, &mirror, [&] {
        if constexpr (!isWindow) {
            view.writeLine(mirror.sentence());
            for (const QString &detail : mirror.details())
                view.writeLine(nametext::forTerminal(detail));
        }
        settle(queue->wasStopped(), status(), clock.elapsed(), mirror.sentence(), end);
    });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, &mirror, [&](int signalNumber) {
        terminatedBy = 128 + signalNumber;
        mirror.stop();
        if (!queue)
            return; // the walk or the copies end first
        if (queue->isFinished()) {
            end(status());
            return;
        }
        queue->stop();
    });
    if constexpr (isWindow) {
        if (taskbar::isTaskbarSupported())
            view.setTaskbarButton(new taskbar::TaskbarButton(&view));
        view.show();
    }
    mirror.start();
    const int result = QCoreApplication::exec();
    if constexpr (isWindow)
        delete &view;
    return result;
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
    showErrorBox(message);
}

void DesktopSteps::showErrorBox(const QString &message)
{
    if (!m_hasDisplay)
        return;
    // Started from a file manager, nobody reads standard error. The message
    // may quote a file name: plain text, never markup.
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("Soundmill", "Error"),
                    message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopSteps::reportRunError(const QStringList &messages)
{
    for (const QString &message : messages)
        printError(message);
    showErrorBox(messages.join(u'\n'));
}

void DesktopSteps::endProcess(int status)
{
    processexit::endProcess(status);
}
