#pragma once

#include "conversionrequest.h"
#include "progressparser.h"
#include "services.h"
#include "sourceprobe.h"
#include "targetreservation.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <memory>

class ConversionJob;
class EncoderSlot;
class EncoderSlotWaiter;
class QProcess;

namespace online {
class OnlineServices;
}

// What a conversion asks of a person, put to whoever shows the job. A
// directory question is answered by ConversionJob::answerDirectory(), at once
// or later; the job waits meanwhile. A view of many jobs may ask once and
// answer them all.
class ConversionJobDelegate
{
public:
    virtual ~ConversionJobDelegate() = default;
    // The settings say "ask": the folder for the target.
    virtual void askTargetDirectory(ConversionJob &job) = 0;
    // The target's folder does not let us create the file: another folder.
    virtual void askAnotherDirectory(ConversionJob &job) = 0;
    // The encoder is not installed. The job fails once this returns, with
    // no message of its own.
    virtual void reportEncoderMissing(ConversionJob &job) = 0;
};

// How a job ended: exactly one of these per job.
struct ConversionEnd
{
    enum class Outcome { Converted, Failed, Stopped };
    enum class Failure {
        None,
        EncoderFailed,    // the encoder ended without a complete target
        EncoderMissing,   // it is not installed or cannot be started
        ExtractorMissing, // the CD track's extractor likewise
        DiscUnreadable,   // the extractor could not read the whole track
        TemporaryFile,    // the track's temporary file could not be created
        NameTooLong,      // the target's name is too long for any folder
        NotMedia,         // the source is no audio or video file (a playlist, say)
        TargetReplaced,   // another program put something else at the target's name
    };

    Outcome outcome = Outcome::Stopped;
    Failure failure = Failure::None;
    QString target;  // Converted: the file written
    QString message; // Failed: the error box's text; empty when the delegate told the user
};

// Converts one source, driven by the event loop alone: target folder,
// reservation of the target, the CD track's extraction where needed, an
// encoder slot, the encoder (once more without covers when it refused them),
// and the end. It owns every file and process of the conversion: the
// reserved target until it is complete, the temporary WAV, the extractor,
// the prober, the encoder and the slot; whatever way it ends, nothing of
// them is left but a complete target.
//
// It reports numbers (progressed) and its stage; questions go to the
// delegate. The usage record goes out as the encoder starts and, with the
// user's consent, a bug report when it fails.
class ConversionJob : public QObject
{
    Q_OBJECT
public:
    enum class Stage { Preparing, Extracting, WaitingForSlot, Encoding, Ended };
    Q_ENUM(Stage)

    // online may be null: nothing is posted.
    ConversionJob(const ConversionRequest &request, const Services &services,
                  ConversionJobDelegate &delegate, online::OnlineServices *online,
                  QObject *parent = nullptr);
    ~ConversionJob() override;

    // Schedules the first step on the event loop, so that no signal comes
    // before the caller has connected to them.
    void start();
    // Stops whatever runs, takes back the reserved target and the temporary
    // file, and ends Stopped. Nothing once the job has ended.
    void stop();
    // The answer to the delegate's directory question; empty: cancelled.
    void answerDirectory(const QString &directory);

    const ConversionRequest &request() const { return m_request; }
    Stage stage() const { return m_stage; }
    // The reserved target, once there is one.
    QString target() const { return m_target; }
    // What the encoder reads (the track's WAV after the CD stage), once known.
    QString encoderInput() const { return m_input; }
    // The folder the target is (to be) reserved in, once known.
    QString directory() const { return m_directory; }
    // The newest progress the encoder reported, and the source's length in
    // hundredths of a second (0 until the encoder has told it).
    const ProgressUpdate &progress() const { return m_progress; }
    qint32 duration() const { return m_parser.duration(); }

signals:
    void stageChanged(ConversionJob::Stage stage);
    void targetReserved(const QString &target);
    void progressed();
    void ended(const ConversionEnd &end);

private:
    enum class Question { None, TargetDirectory, AnotherDirectory };

    void begin();
    void ask(Question question);
    void takeAnswer(Question question, const QString &directory);
    void reserveTarget();
    void extractTrack();
    void extractorFinished();
    void useInput(const QString &input);
    void probeSource();
    void proberFinished();
    void prepareEncoder(const sourceprobe::SourceInfo &source);
    void waitForSlot();
    void startEncoder(const QStringList &arguments);
    void encoderOutput();
    void encoderFinished(int exitCode);
    void encoderFailedToStart();
    void setStage(Stage stage);
    void fail(ConversionEnd::Failure failure, const QString &message);
    void finish(ConversionEnd end);
    // Ends every process and gives back every file and the slot.
    void tidyUp(bool keepTarget);

    const ConversionRequest m_request;
    const Services m_services;
    ConversionJobDelegate &m_delegate;
    online::OnlineServices *m_online;

    Stage m_stage = Stage::Preparing;
    Question m_question = Question::None;
    int m_bitrate = 0;
    bool m_sendReports = false;
    QString m_directory;
    QString m_target; // the reserved name, kept for the end
    targetreservation::Reservation m_reservation;
    QString m_temporaryWav;
    QString m_input;
    QString m_encoderProgram;
    QStringList m_arguments;    // of the run under way
    QStringList m_withoutCover; // for a second run; empty when there is none
    QProcess *m_extractor = nullptr;
    QProcess *m_prober = nullptr;
    QProcess *m_encoder = nullptr;
    std::unique_ptr<EncoderSlot> m_slot;
    EncoderSlotWaiter *m_waiter = nullptr; // works on m_slot while the job waits
    ProgressParser m_parser;
    ProgressUpdate m_progress;
    bool m_progressSeen = false; // a progress stamp came from this run
    QElapsedTimer m_clock;
};

Q_DECLARE_METATYPE(ConversionEnd)
