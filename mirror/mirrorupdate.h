#pragma once

#include "conversionend.h"
#include "conversionrequest.h"
#include "mirrorsession.h"
#include "serialworker.h"
#include "treewalk.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

class ConversionQueue;
class QTimer;

// A run over folders, each brought up to date as a mirror of its own: the
// locks, the walk, the plans, the copies, the conversions as requests whose
// targets are the mirrors' temporary names, and the end: each output
// renamed into place as its file ends, the albums, the trash, the sentence
// and what the person should know. Everything that touches the disk after
// lock() runs on a thread of the mirror's own, in order: a slow medium never
// holds up a view's drawing or the encoders' pipes.
class MirrorUpdate : public QObject
{
    Q_OBJECT
public:
    struct Folder
    {
        QString path; // the folder mirrored
        QString root; // its mirror
    };

    MirrorUpdate(const QList<Folder> &folders, const mirrorplan::Settings &settings,
                 const EncoderOptions &options,
                 MirrorSession::Seams seams = MirrorSession::Seams::real(),
                 QObject *parent = nullptr);
    ~MirrorUpdate() override;

    // "Updating Music (MP3)".
    QString title() const;
    // Takes each mirror's lock; a mirror that another run is updating is
    // left out, its sentence among the details. False when none is left.
    bool lock();
    // Walks and plans now, writing nothing: the dry run's lines.
    QStringList dryRun();
    // Walks the folders, then plans, removes what runs cut short left, and
    // copies; phase(text) tells how far it is, ready() says that requests()
    // can be converted (none after a stop). Both come from the mirror's
    // thread.
    void start();
    // Stops walking or copying at the next file; a mirror not planned yet
    // is left as it was, what is in place stays.
    void stop();
    bool wasStopped() const { return m_stop.load(); }
    // Once ready(): each carries its target (a temporary name) and its origin.
    const QList<ConversionRequest> &requests() const { return m_requests; }
    // "Looking through Music… 3,412 files", a line for each folder walked.
    QString walkedText() const;
    // Converts the requests under queue: each output goes into place as its
    // file ends (learnt from the end itself, by its origin).
    void watch(ConversionQueue &queue);
    // The output a request of requests() becomes.
    QString output(const ConversionRequest &request) const;

    // Once the queue has finished, or without one when the run ended before
    // it was made: records what is in place, and at the end of a whole run
    // writes the albums and sends the outputs of vanished sources to the
    // trash; returns when that is done. Once; later calls do nothing. What
    // follows tells of the run once it has been concluded.
    void conclude(const ConversionQueue *queue);
    QString sentence() const;
    const QList<EndDetail> &details() const { return m_details; }
    // Whether anything failed: a file not converted or copied, a mirror
    // busy, unreadable, left alone or short of room (files left for want of
    // it included), a folder that could not be read.
    bool failed() const { return m_failed; }

signals:
    void phase(const QString &text);
    void ready();

private:
    struct Mirror
    {
        Folder folder;
        std::unique_ptr<MirrorSession> session;
        treewalk::Result walk;
        bool usable = true;
        bool planned = false;
        bool full = false; // a file failed for want of room on the mirror's medium
        // Its medium went away: nothing of it is touched any more (a
        // database left mid-transaction rolls back when next opened).
        bool gone = false;
    };
    struct Conversion
    {
        int mirror;
        int step;
    };

    // On the mirror's thread: the walk, the plans, the copies, each file's
    // end and the conclusion.
    void walkAndPlan();
    bool plan(Mirror &mirror);
    void copy();
    void fileEnded(const ConversionEnd &end);
    void concludeNow(bool complete, int skipped);
    void fail(const QString &sentence);
    void fail(const QString &name, ConversionEnd::Failure failure);
    // After something on mirror failed: whether that was its medium going
    // away, which is then told once instead of each failure after it.
    bool isGone(Mirror &mirror);
    void tell(const QString &sentence);
    // A source's name as the details show it.
    QString shown(const Mirror &mirror, const QString &relative) const;

    const mirrorplan::Settings m_settings;
    const EncoderOptions m_options;
    std::vector<Mirror> m_mirrors;
    QList<ConversionRequest> m_requests;
    QList<Conversion> m_conversions; // by the requests' origin
    QList<Conversion> m_copies;
    int m_copied = 0;
    ConversionQueue *m_queue = nullptr;
    std::atomic<qsizetype> m_found{0};
    std::atomic<int> m_walking{0}; // the mirror being walked
    std::atomic<bool> m_stop{false};
    QTimer *m_walkShown = nullptr;
    bool m_concluded = false;
    QList<EndDetail> m_details;
    QStringList m_sentences;
    bool m_failed = false;
    // Last: it ends, having run what was posted, before the rest goes.
    SerialWorker m_room;
};
