#include "conversionrun.h"

#include "conversionqueue.h"
#include "failuretext.h"
#include "mirrorrecipe.h"
#include "mirrorroot.h"
#include "mirrorupdate.h"
#include "nametext.h"
#include "onlineservices.h"
#include "selectionwindow.h"
#include "soundmill.h"
#include "taskbarbutton.h"
#include "terminalview.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>

#include <memory>
#include <unistd.h>

namespace {

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

int ConversionRun::exitStatus(const Outcome &outcome)
{
    if (outcome.terminatedBy)
        return *outcome.terminatedBy;
    if (outcome.rule == StatusRule::AlwaysZero)
        return 0;
    const bool whole = outcome.converted == outcome.total && !outcome.stopped;
    return whole && !outcome.mirrorFailed && !outcome.leftOut ? 0 : 1;
}

ConversionRun::ConversionRun(const Services &services,
                             std::shared_ptr<online::OnlineServices> online, bool hasDisplay,
                             std::function<void(int)> end,
                             std::function<void(const QStringList &)> report)
    : m_services(withSettingsReadOnce(services))
    , m_online(std::move(online))
    , m_hasDisplay(hasDisplay)
    , m_end(std::move(end))
    , m_report(std::move(report))
    , m_isTerminal(isatty(STDERR_FILENO) == 1)
{
}

void ConversionRun::setTerminal(FILE *out, bool isTerminal)
{
    m_terminal = out;
    m_isTerminal = isTerminal;
}

int ConversionRun::endWith(int status)
{
    m_end(status);
    return status;
}

int ConversionRun::convert(const QList<ConversionRequest> &files, StatusRule rule, bool leftOut)
{
    return runInView(files, rule, leftOut, nullptr);
}

int ConversionRun::convertFolders(const FolderRun &run, const QString &directory)
{
    const settings::TargetRule rule =
        settings::targetRuleFromText(m_services.readSetting(QLatin1String(settings::TargetDirKey)));
    QList<MirrorUpdate::Folder> folders;
    for (const QString &folder : run.folders) {
        const QString root = mirrorroot::place(folder, run.format, rule, directory, run.into);
        if (root.isEmpty()) {
            m_report({m_hasDisplay ? QCoreApplication::translate(
                                         "CommandLine", "No folder was chosen for the mirror.")
                                   : failureText(ConversionEnd::Failure::FolderNotChosen)});
            return endWith(1);
        }
        folders.append({folder, root});
    }
    mirrorrecipe::Recipe recipe = mirrorrecipe::forRun(run.format, run.options, m_services);
    recipe.settings.whatFits = run.whatFits;
    recipe.settings.cueEncoding = run.cueEncoding;
    MirrorUpdate mirror(folders, recipe.settings, recipe.options);

    if (run.dryRun) {
        const QStringList lines = mirror.dryRun();
        for (const QString &line : lines)
            std::printf("%s\n", nametext::forTerminal(line).toUtf8().constData());
        std::fflush(stdout);
        for (const EndDetail &detail : mirror.details())
            std::fprintf(stderr, "tonewright: %s\n", detailText(detail).toUtf8().constData());
        std::fflush(stderr);
        Outcome outcome;
        outcome.mirrorFailed = mirror.failed();
        outcome.leftOut = run.leftOut;
        return endWith(exitStatus(outcome));
    }
    if (!mirror.lock()) {
        QStringList details;
        for (const EndDetail &detail : mirror.details())
            details << detailText(detail);
        m_report(details);
        return endWith(1);
    }
    return runInView(run.files, StatusRule::AllConverted, run.leftOut, &mirror);
}

int ConversionRun::runInView(const QList<ConversionRequest> &files, StatusRule rule, bool leftOut,
                             MirrorUpdate *mirror)
{
    if (!m_hasDisplay)
        return runUnder(std::make_unique<TerminalView>(m_terminal, m_isTerminal), files, rule,
                        leftOut, mirror);
    taskbar::checkTaskbarSupportInBackground();
    if (files.size() == 1 && !mirror)
        return runUnder(std::make_unique<Soundmill>(m_services, m_online), files, rule, leftOut,
                        mirror);
    return runUnder(std::make_unique<SelectionWindow>(m_services, m_online), files, rule, leftOut,
                    mirror);
}

template<class View>
int ConversionRun::runUnder(std::unique_ptr<View> view, const QList<ConversionRequest> &files,
                            StatusRule rule, bool leftOut, MirrorUpdate *mirror)
{
    constexpr bool isWindow = std::is_base_of_v<ConversionWindow, View>;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<ConversionQueue> queue;
    std::optional<int> terminatedBy;
    int status = -1;
    bool ending = false;
    const auto end = [&](int result) {
        if (std::exchange(ending, true))
            return;
        status = result;
        m_end(result);
        // Only an end() that records the status instead of ending gets here.
        QCoreApplication::exit(result);
    };
    const auto outcome = [&](std::optional<int> signal) {
        Outcome o;
        o.rule = rule;
        o.leftOut = leftOut;
        o.terminatedBy = signal;
        o.total = queue ? queue->total() : int(files.size());
        o.converted = queue ? queue->converted() : 0;
        o.stopped = (queue && queue->wasStopped()) || (mirror && mirror->wasStopped());
        o.mirrorFailed = mirror && mirror->failed();
        return exitStatus(o);
    };
    // What is in place is recorded before anything is said or ended.
    const auto conclude = [&] {
        if (mirror)
            mirror->conclude(queue.get());
    };
    const auto makeQueue = [&] {
        queue = std::make_unique<ConversionQueue>(
            (mirror ? mirror->requests() : QList<ConversionRequest>()) + files, m_services,
            m_online.get());
        if (mirror)
            mirror->watch(*queue);
    };
    // The end's details: the mirrors', and the files named beside them.
    const auto details = [&] {
        QList<EndDetail> all = mirror ? mirror->details() : QList<EndDetail>();
        for (const ConversionQueue::Failure &failure :
             queue ? queue->failures() : QList<ConversionQueue::Failure>()) {
            if (queue->requests().at(failure.position).origin < 0)
                all.append({QFileInfo(failure.source).fileName(), failure.kind, QString()});
        }
        return all;
    };

    // From here on a conversion may hold files of ours; a request to end the
    // process lets it take them back first. Once every file has ended, its
    // result stands and only what is still shown or posted is cut short.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, view.get(),
                     [&](int signalNumber) {
                         if (queue && queue->isFinished()) {
                             conclude();
                             end(outcome(std::nullopt));
                             return;
                         }
                         terminatedBy = 128 + signalNumber;
                         if (mirror)
                             mirror->stop(); // the walk or the copies end first
                         if (queue)
                             queue->stop();
                     });

    if (!mirror) {
        makeQueue();
        // The first files take their first step before the window is shown:
        // their encoders run while it is built and drawn, and it catches up on
        // what it missed. A terminal view costs nothing and watches from the start.
        if constexpr (isWindow)
            queue->startNow();
    }
    std::unique_ptr<CloseWatch> closeWatch;
    // The window of one file never shows a mirror.
    if constexpr (!std::is_same_v<View, Soundmill>) {
        if (mirror) {
            if constexpr (isWindow) {
                view->setRun(mirror->title(), [&] {
                    conclude();
                    return SelectionWindow::RunEnd{mirror->sentence(), details(), mirror->failed()};
                });
                // Closed while it walks or copies, before there is a queue to
                // stop: the walk stops, and nothing is planned or converted.
                closeWatch = std::make_unique<CloseWatch>(view.get(), [&] {
                    if (!queue)
                        mirror->stop();
                });
            } else {
                view->setShownTarget([&](int index) {
                    const QString output = mirror->output(queue->requests().at(index));
                    return output.isEmpty() ? queue->end(index).target : output;
                });
            }
            QObject::connect(mirror, &MirrorUpdate::phase, view.get(), &View::showPhase);
            QObject::connect(mirror, &MirrorUpdate::ready, view.get(), [&] {
                if (mirror->wasStopped()) {
                    conclude();
                    end(outcome(terminatedBy));
                    return;
                }
                if constexpr (!isWindow)
                    view->writeLine(mirror->walkedText());
                makeQueue();
                view->watch(*queue);
                queue->start();
            });
        }
    }
    QObject::connect(view.get(), &View::ended, view.get(), [&] {
        conclude();
        if constexpr (!isWindow) {
            if (mirror) {
                view->writeLine(mirror->sentence());
                // Each file's failure had its line as it ended.
                for (const EndDetail &detail : mirror->details()) {
                    if (detail.failure == ConversionEnd::Failure::None)
                        view->writeLine(nametext::forTerminal(detail.text));
                }
            }
        }
        settle(queue->wasStopped(), outcome(terminatedBy), clock.elapsed(),
               mirror ? mirror->sentence() : sentenceFor(*queue), end);
    });
    if constexpr (isWindow) {
        if (taskbar::isTaskbarSupported())
            view->setTaskbarButton(new taskbar::TaskbarButton(view.get()));
    }
    if (queue)
        view->watch(*queue);
    if (mirror)
        mirror->start();
    if constexpr (isWindow)
        view->show();
    else if (!mirror)
        queue->start();
    const int result = QCoreApplication::exec();
    return status >= 0 ? status : result;
}

void ConversionRun::settle(bool stopped, int status, qint64 elapsedMs, const QString &sentence,
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
    if (!m_online) {
        end(status);
        return;
    }
    m_online->whenPostsSettled(online::PostsGraceMs, [end, status] { end(status); });
}
