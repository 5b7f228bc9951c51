#pragma once

#include "conversionrequest.h"
#include "mirrorsession.h"
#include "treewalk.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class ConversionJob;
class ConversionQueue;
class QTimer;

// A run over folders, each brought up to date as a mirror of its own: the
// locks, the walk (on a thread of its own, so that a view keeps drawing),
// the plans, the copies (one per turn of the event loop), the conversions
// as requests whose targets are the mirrors' temporary names, and the end:
// each output renamed into place as its file ends, the trash, the sentence
// and what the person should know.
class MirrorRun : public QObject
{
    Q_OBJECT
public:
    struct Folder
    {
        QString path; // the folder mirrored
        QString root; // its mirror
    };

    MirrorRun(const QList<Folder> &folders, const mirrorplan::Settings &settings,
              const EncoderOptions &options, MirrorSession::Seams seams = MirrorSession::Seams::real(),
              QObject *parent = nullptr);
    ~MirrorRun() override;

    // "Updating Music (MP3)".
    QString title() const;
    // Takes each mirror's lock; a mirror that another run is updating is
    // left out, its sentence among the errors. False when none is left.
    bool lock();
    // Walks and plans now, writing nothing: the dry run's lines.
    QStringList dryRun();
    // Walks the folders on a thread, then plans, removes what runs cut
    // short left, and copies; phase(text) tells how far it is, ready() says
    // that requests() can be converted.
    void start();
    // Stops walking or copying; what is in place stays.
    void stop();
    const QList<ConversionRequest> &requests() const { return m_requests; }
    // "Looking through Music… 3,412 files", a line for each folder walked.
    QString walkedText() const;
    // Converts the requests under queue: each file's temporary is made as
    // its job starts and renamed into place as it ends; at the queue's end
    // the outputs of vanished sources go to the trash (not after a stop).
    void watch(ConversionQueue &queue);
    // The output the file at index becomes.
    QString output(int index) const;

    // Once the queue has finished (or nothing was left to run).
    QString sentence() const;
    QStringList details() const;
    // Whether anything failed: a file not converted or copied, a mirror
    // busy, unreadable or left alone, a folder that could not be read.
    bool failed() const { return m_failed; }

signals:
    void phase(const QString &text);
    void ready();
    // After watch(): the queue's end has been dealt with.
    void ended();

private:
    struct Mirror
    {
        Folder folder;
        std::unique_ptr<MirrorSession> session;
        treewalk::Result walk;
        bool usable = true;
    };
    struct Conversion
    {
        int mirror;
        int step;
    };

    // The walk's results are in: plans and starts every mirror.
    void walked();
    bool plan(Mirror &mirror);
    void copyNext();
    void fileStarted(ConversionJob *job);
    void fileEnded(int index);
    void queueFinished();
    void fail(const QString &detail);
    // A source's name as the details show it.
    QString shown(const Mirror &mirror, const QString &relative) const;

    const mirrorplan::Settings m_settings;
    const EncoderOptions m_options;
    std::vector<Mirror> m_mirrors;
    QList<ConversionRequest> m_requests;
    QList<Conversion> m_conversions; // by the requests' index
    QHash<QString, int> m_byTarget;  // a request's target -> its index
    QList<Conversion> m_copies;
    int m_copied = 0;
    ConversionQueue *m_queue = nullptr;
    // The mirrors' jobs running, by index: what each measured goes into its record.
    QHash<int, QPointer<ConversionJob>> m_jobs;
    std::thread m_walker;
    std::atomic<qsizetype> m_found{0};
    std::atomic<int> m_walking{0}; // the mirror being walked
    std::atomic<bool> m_walkDone{false};
    QTimer *m_walkShown = nullptr;
    bool m_stopped = false;
    QStringList m_details;
    QStringList m_sentences;
    bool m_failed = false;
};
