#pragma once

#include "albumgain.h"
#include "conversionjob.h"
#include "conversionrequest.h"
#include "serialworker.h"
#include "services.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <optional>
#include <vector>

class ReportSink;

// Converts files, one or a selection, as many at once as the user's encoder
// slots allow, each by a ConversionJob of its own. A file waiting its turn
// has nothing yet: no job, no reserved target. One file's failure never
// stops the others; every file ends converted, failed (with its reason) or
// skipped (stopped before it was converted).
//
// With the "album" loudness setting, the files of one source folder in a
// selection are an album (see albumgain.h): once every one of them has been
// converted, they get the album's values, measured over all their audio as
// one programme and written on a thread of the queue's own.
//
// Questions for a person are asked once for all files (directoryWanted) and
// answered by answerDirectory(), or declined where nobody can answer.
class ConversionQueue : public QObject
{
    Q_OBJECT
public:
    struct Failure
    {
        int position; // in the selection
        QString source; // a track's: its name in the image's folder
        ConversionEnd::Failure kind;
    };

    ConversionQueue(const QList<ConversionRequest> &requests, const Services &services,
                    ReportSink *reports, QObject *parent = nullptr);
    ~ConversionQueue() override;

    // Schedules the first files on the event loop.
    void start();
    // The first files take their first step now, before anything watches
    // the queue: a view made afterwards catches up (openQuestion(),
    // isFinished(), onlyJob()).
    void startNow();
    // Stops the running files (their partial targets go) and skips the rest;
    // finished() follows at once, or once album values being written are in.
    // Converted files stay.
    void stop();
    // The answer to directoryWanted(); empty: cancelled.
    void answerDirectory(const QString &directory);
    // Nobody can answer directoryWanted(): the files waiting for it fail,
    // and so do later ones that would ask.
    void declineQuestions();

    int total() const { return int(m_files.size()); }
    int converted() const { return m_converted; }
    int failedCount() const { return int(m_failures.size()); }
    int skipped() const { return m_skipped; }
    // Files not ended yet: running or waiting.
    int remaining() const { return total() - m_converted - failedCount() - m_skipped; }
    bool isFinished() const { return remaining() == 0 && m_albumWrites == 0; }
    // Whether stop() was called.
    bool wasStopped() const { return m_stopped; }
    // The question open now, if any.
    std::optional<ConversionJob::Question> openQuestion() const;
    // In the selection's order.
    const QList<Failure> &failures() const { return m_failures; }
    // The albums (source folders) that got no album values: one of their
    // tracks was not converted, or the values could not be written.
    const QStringList &albumsWithoutValues() const { return m_albumsWithoutValues; }
    // The files being converted now, in the order they started, by the
    // names the user knows them by (see sourcenames::shownName()).
    QStringList running() const;
    // The single file's job while it runs (views of one file show its
    // stages and names); null otherwise.
    ConversionJob *onlyJob() const;
    // The requests, in the selection's order.
    const QList<ConversionRequest> &requests() const { return m_requests; }
    // How a file ended (Stopped while it has not).
    const ConversionEnd &end(int index) const { return m_files[index].end; }
    // How much of the whole selection is done, 0 to 1: each file weighs its
    // length once the encoder has told it, until then the mean length of
    // those known (all alike while none is).
    double progress() const;
    // Milliseconds still to go for the whole selection, once a hundredth of
    // it is done.
    std::optional<qint64> remainingMs() const;

signals:
    // A file's job was made; it starts on the event loop.
    void fileStarted(ConversionJob *job);
    // A file started, progressed or ended.
    void changed();
    // The file at index ended converted or failed (see end()).
    void fileEnded(int index);
    // A folder is wanted for the files waiting for it: under "ask" the one
    // for every target, or another one for files whose folder takes none
    // (folder names it). One at a time.
    void directoryWanted(ConversionJob::Question question, const QString &folder);
    // Every file has ended.
    void finished();

private:
    enum class State { Waiting, Running, Converted, Failed, Skipped };
    struct File
    {
        State state = State::Waiting;
        qint32 duration = 0; // hundredths, 0 while unknown
        ConversionJob *job = nullptr;
        ConversionEnd end;
    };
    enum class Question { None, TargetDirectory, AnotherDirectory };

    void askTargetDirectory(ConversionJob &job);
    void askAnotherDirectory(ConversionJob &job);

    // Keeps the sums progress() is made of as a file's length becomes known
    // and as it ends.
    void learnDuration(int index, qint32 duration);
    void countEnded(int index);
    // now: the jobs take their first step at once rather than on the
    // event loop.
    void fillSlots(bool now = false);
    // The files that have not started are skipped.
    void skipWaiting();
    void startFile(int index, bool now);
    void jobEnded(int index, const ConversionEnd &end);
    void fail(int index, ConversionEnd::Failure kind);
    void askNext();
    void checkFinished();
    // An album's file ended: the album's values once all of them have.
    void albumFileEnded(int index, const ConversionEnd &end);
    void albumWritten(const QString &album, bool written);

    const QList<ConversionRequest> m_requests;
    const Services m_services;
    ReportSink *m_reports;
    QList<File> m_files;
    // Each source as it was selected, handed to its job at its turn.
    std::vector<heldsource::HeldSource> m_sources;
    std::vector<heldsource::Failure> m_selection;
    int m_next = 0; // the first file that has not started
    int m_running = 0;
    int m_converted = 0;
    int m_skipped = 0;
    bool m_stopped = false;
    bool m_finishedSent = false;
    QList<Failure> m_failures;
    // The albums (by source folder) with files still to end, and what their
    // converted files measured.
    struct AlbumTrack
    {
        QString target;
        QString format;
        tags::FileIdentity identity;
        loudness::TrackLoudness loudness;
    };
    albumgain::Tally m_albums;
    QHash<QString, QList<AlbumTrack>> m_albumTracks;
    int m_albumWrites = 0; // albums whose values are being written
    QStringList m_albumsWithoutValues;
    QElapsedTimer m_clock;
    QList<int> m_runningOrder; // the files running, in the order they started
    qint64 m_knownLength = 0;  // the lengths known, in hundredths
    int m_knownCount = 0;
    qint64 m_endedKnownLength = 0; // of those the ended files' lengths
    int m_endedUnknown = 0;        // ended files whose length was never told

    // The questions: one asked at a time, its answer handed
    // to every job that waits for it.
    Question m_question = Question::None;
    QList<ConversionJob *> m_waitingForTarget;
    QList<ConversionJob *> m_waitingForAnother;
    std::optional<QString> m_targetDirectory; // the "ask" answer, once given
    QHash<QString, QString> m_replacements;   // a folder that took no file -> the one chosen
    bool m_declined = false;

    // Last, so that it has run what it was given before the rest goes.
    SerialWorker m_albumWriter;
};
