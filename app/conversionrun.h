#pragma once

#include "conversionrequest.h"
#include "services.h"
#include "startup.h"

#include <QList>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

class MirrorUpdate;
namespace online {
class OnlineServices;
}

// The run of a conversion, built from what start-up found: the files (one
// file is a queue of one) and the mirrors to bring up to date, converted in
// one queue under one view (the window of one file, the window of a
// selection, or the terminal view when there is no display). It handles
// requests to end the process, settles the posts and works out the one
// status the process ends with, which it hands to end().
class ConversionRun
{
public:
    // How the status is read. A single file named with a format word under
    // a window ends with 0 whatever became of it, as it always has; a
    // selection (--each), a folder and any run without a display end with 0
    // only when every file was converted.
    enum class StatusRule { AlwaysZero, AllConverted };

    struct Outcome
    {
        StatusRule rule = StatusRule::AllConverted;
        int total = 0;
        int converted = 0;
        bool stopped = false;      // the person stopped the run before its end
        bool mirrorFailed = false; // see MirrorUpdate::failed()
        bool leftOut = false;      // an argument named neither file nor folder
        // 128 + n: termination signal n came before every file had ended
        // (as a shell reports a process ended by that signal).
        std::optional<int> terminatedBy;
    };
    static int exitStatus(const Outcome &outcome);

    // end(status) ends the process (a test records the status instead);
    // report(messages) tells of a run that cannot start. The settings are
    // read once, for the whole run. online carries the run's posts and its
    // window's advertisement; null: nothing is posted or fetched.
    ConversionRun(const Services &services, std::shared_ptr<online::OnlineServices> online,
                  bool hasDisplay, std::function<void(int)> end,
                  std::function<void(const QStringList &)> report);

    // Converts the files under a view until the run has ended; returns the
    // status handed to end().
    int convert(const QList<ConversionRequest> &files, StatusRule rule, bool leftOut);
    // Brings each folder's mirror up to date and converts the files beside
    // them, in one run under one view (root: the mirrors' folder the settings
    // name, or the one chosen). With dryRun only prints what would be done.
    int convertFolders(const FolderRun &run, const QString &directory);

    // Where the terminal view writes.
    void setTerminal(FILE *out, bool isTerminal);

private:
    template<class View>
    int runUnder(std::unique_ptr<View> view, const QList<ConversionRequest> &files, StatusRule rule,
                 bool leftOut, MirrorUpdate *mirror);
    int runInView(const QList<ConversionRequest> &files, StatusRule rule, bool leftOut,
                  MirrorUpdate *mirror);
    // After a run's view ended: a notification when the run took long (the
    // window has closed itself and the person turned to other work long
    // ago), the posts delivered unless it was stopped, then end(status).
    void settle(bool stopped, int status, qint64 elapsedMs, const QString &sentence,
                const std::function<void(int)> &end);
    int endWith(int status);

    const Services m_services;
    const std::shared_ptr<online::OnlineServices> m_online;
    const bool m_hasDisplay;
    const std::function<void(int)> m_end;
    const std::function<void(const QStringList &)> m_report;
    FILE *m_terminal = stderr;
    bool m_isTerminal = false;
};
