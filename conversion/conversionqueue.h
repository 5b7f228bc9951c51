#pragma once

#include "conversionjob.h"
#include "conversionrequest.h"
#include "services.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <optional>

class ConversionQueue;

namespace online {
class OnlineServices;
}

// What a selection asks of a person, once for all of its files. Each
// directory question is answered by ConversionQueue::answerDirectory().
class ConversionQueueDelegate
{
public:
    virtual ~ConversionQueueDelegate() = default;
    // The settings say "ask": the folder for every target.
    virtual void askTargetDirectory(ConversionQueue &queue) = 0;
    // A target's folder does not let us create files: another folder, which
    // every later file from that folder takes too.
    virtual void askAnotherDirectory(ConversionQueue &queue) = 0;
    // The encoder is not installed; told once.
    virtual void reportEncoderMissing(ConversionQueue &queue) = 0;
};

// Converts a selection of files, as many at once as the user's encoder
// slots allow, each by a ConversionJob of its own. A file waiting its turn
// has nothing yet: no job, no reserved target. One file's failure never
// stops the others; every file ends converted, failed (with its reason) or
// skipped (stopped before it was converted).
class ConversionQueue : public QObject, private ConversionJobDelegate
{
    Q_OBJECT
public:
    struct Failure
    {
        int position; // in the selection
        QString source;
        QString reason;
    };

    ConversionQueue(const QList<ConversionRequest> &requests, const Services &services,
                    ConversionQueueDelegate &delegate, online::OnlineServices *online,
                    QObject *parent = nullptr);
    ~ConversionQueue() override;

    // Schedules the first files on the event loop.
    void start();
    // Stops the running files (their partial targets go) and skips the rest;
    // finished() follows at once. Converted files stay.
    void stop();
    // The answer to the delegate's directory question; empty: cancelled.
    void answerDirectory(const QString &directory);

    int total() const { return int(m_files.size()); }
    int converted() const { return m_converted; }
    int failedCount() const { return int(m_failures.size()); }
    int skipped() const { return m_skipped; }
    // Files not ended yet: running or waiting.
    int remaining() const { return total() - m_converted - failedCount() - m_skipped; }
    bool isFinished() const { return remaining() == 0; }
    // In the selection's order.
    const QList<Failure> &failures() const { return m_failures; }
    // The sources being converted now, in the order they started.
    QStringList running() const;
    // How much of the whole selection is done, 0 to 1: each file weighs its
    // length once the encoder has told it, until then the mean length of
    // those known (all alike while none is).
    double progress() const;
    // Milliseconds still to go for the whole selection, once a hundredth of
    // it is done.
    std::optional<qint64> remainingMs() const;

signals:
    // A file started, progressed or ended.
    void changed();
    // Every file has ended.
    void finished();

private:
    enum class State { Waiting, Running, Converted, Failed, Skipped };
    struct File
    {
        State state = State::Waiting;
        qint32 duration = 0; // hundredths, 0 while unknown
        ConversionJob *job = nullptr;
    };
    enum class Question { None, TargetDirectory, AnotherDirectory };

    void askTargetDirectory(ConversionJob &job) override;
    void askAnotherDirectory(ConversionJob &job) override;
    void reportEncoderMissing(ConversionJob &job) override;

    // Keeps the sums progress() is made of as a file's length becomes known
    // and as it ends.
    void learnDuration(int index, qint32 duration);
    void countEnded(int index);
    void fillSlots();
    void startFile(int index);
    void jobEnded(int index, const ConversionEnd &end);
    void fail(int index, const QString &reason);
    void askNext();
    void checkFinished();

    const QList<ConversionRequest> m_requests;
    const Services m_services;
    ConversionQueueDelegate &m_delegate;
    online::OnlineServices *m_online;
    QList<File> m_files;
    int m_next = 0; // the first file that has not started
    int m_running = 0;
    int m_converted = 0;
    int m_skipped = 0;
    bool m_stopped = false;
    bool m_finishedSent = false;
    QList<Failure> m_failures;
    QElapsedTimer m_clock;
    QList<int> m_runningOrder; // the files running, in the order they started
    qint64 m_knownLength = 0;  // the lengths known, in hundredths
    int m_knownCount = 0;
    qint64 m_endedKnownLength = 0; // of those the ended files' lengths
    int m_endedUnknown = 0;        // ended files whose length was never told

    // The questions: one put to the delegate at a time, its answer handed
    // to every job that waits for it.
    Question m_question = Question::None;
    QList<ConversionJob *> m_waitingForTarget;
    QList<ConversionJob *> m_waitingForAnother;
    std::optional<QString> m_targetDirectory;  // the "ask" answer, once given
    QHash<QString, QString> m_replacements;    // a folder that took no file -> the one chosen
    bool m_encoderMissingTold = false;
};
