#pragma once

#include "conversionend.h"
#include "conversionrequest.h"
#include "heldsource.h"
#include "latertags.h"
#include "meterreader.h"
#include "progressparser.h"
#include "services.h"
#include "settings.h"
#include "sourceprobe.h"
#include "tagmap.h"
#include "targetreservation.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class EncoderSlot;
class EncoderSlotWaiter;
class QProcess;

class ReportSink;

// Converts one source, driven by the event loop alone: target folder,
// reservation of the target, the CD track's extraction where needed, an
// encoder slot, the encoder (once more without covers when it refused them),
// and the end. It owns every file and process of the conversion: the
// reserved target until it is complete, the temporary WAV, the extractor,
// the prober, the encoder and the slot; whatever way it ends, nothing of
// them is left but a complete target.
//
// It reports numbers (progressed), its stage and its one end as data. When
// it needs a folder it says so (directoryWanted) and waits for
// answerDirectory() or decline(). The usage record goes out as the encoder
// starts and, with the user's consent, a bug report when it fails.
class ConversionJob : public QObject
{
    Q_OBJECT
public:
    enum class Stage { Preparing, Extracting, WaitingForSlot, Encoding, Ended };
    Q_ENUM(Stage)
    enum class Question {
        TargetDirectory,  // the settings say "ask"
        AnotherDirectory, // the target's folder does not let us create the file
    };
    Q_ENUM(Question)

    // reports may be null: nothing is posted. The source is selected now
    // (see heldsource::select()) unless one selected earlier is handed in
    // by holdSource() before start().
    ConversionJob(const ConversionRequest &request, const Services &services, ReportSink *reports,
                  QObject *parent = nullptr);
    void holdSource(heldsource::HeldSource source, heldsource::Failure selectionFailure);
    ~ConversionJob() override;

    // Schedules the first step on the event loop, so that no signal comes
    // before the caller has connected to them.
    void start();
    // Takes the first step at once, for a caller already connected.
    void startNow();
    // Stops whatever runs, takes back the reserved target and the temporary
    // file, and ends Stopped. Nothing once the job has ended.
    void stop();
    // The answer to directoryWanted(); empty: cancelled (under "ask" the
    // question comes again). Taken on the event loop.
    void answerDirectory(const QString &directory);
    // Nobody can answer directoryWanted(): the job fails with the reason.
    void decline();

    const ConversionRequest &request() const { return m_request; }
    Stage stage() const;
    // The reserved target, once there is one.
    QString target() const { return m_target; }
    // What the encoder reads, as the user knows it (the source, or the
    // track's WAV after the CD stage), once known.
    QString encoderInput() const { return m_inputName; }
    // The folder the target is (to be) reserved in, once known.
    QString directory() const { return m_directory; }
    // The newest progress the encoder reported, and the source's length in
    // hundredths of a second (0 until the encoder has told it).
    const ProgressUpdate &progress() const { return m_progress; }
    qint32 duration() const { return m_parser.duration(); }
    // The loudness tags a request gets: its --replaygain=, else the setting.
    static ReplayGain replayGain(const ConversionRequest &request,
                                           const Services &services);

signals:
    void stageChanged(ConversionJob::Stage stage);
    void targetReserved(const QString &target);
    void directoryWanted(ConversionJob::Question question);
    void progressed();
    void ended(const ConversionEnd &end);

private:
    // Every step of a conversion; enter() is the one way from one to the next.
    enum class State {
        Idle,
        ChoosingFolder, // waiting for an answer
        Reserving,
        Extracting,
        Probing,
        WaitingForSlot,
        Encoding,
        Ended,
    };

    void enter(State state);
    // Waits for answerDirectory() or decline().
    void askFor(Question question);
    bool hasEnded() const { return m_state == State::Ended; }
    void readSettings();
    void reserveTarget();
    void extractTrack();
    void extractorFinished();
    // Opens the selected source: false when it failed (the job has ended).
    bool openSource();
    void useInput(const QString &input);
    void probeSource();
    void proberFinished();
    void prepareEncoder(const sourceprobe::SourceInfo &source);
    void awaitSlot();
    void startEncoder(const QStringList &arguments);
    void encoderOutput();
    void encoderFinished(int exitCode);
    // False when the tags could not be rewritten (the audio stays whole).
    bool writeTags(const std::optional<loudness::TrackLoudness> &measured);
    void sendBugReport();
    void fail(ConversionEnd::Failure failure);
    void finish(ConversionEnd end);
    // Ends every process and gives back every file and the slot.
    void tidyUp(bool keepTarget);

    const ConversionRequest m_request;
    const Services m_services;
    ReportSink *m_reports;

    State m_state = State::Idle;
    Stage m_shownStage = Stage::Preparing;
    Question m_question = Question::TargetDirectory; // while ChoosingFolder
    int m_bitrate = 0;
    bool m_sendReports = false;
    QString m_directory;
    QString m_target; // the reserved name, kept for the end
    targetreservation::Reservation m_reservation;
    QString m_temporaryWav;
    heldsource::HeldSource m_source;
    heldsource::Failure m_selectionFailure = heldsource::Failure::None;
    QString m_input;     // what the prober and the encoder are given
    QString m_inputName; // the same as the user knows it
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
    bool m_measure = false;      // the encoder hands on its audio to measure
    std::unique_ptr<MeterReader> m_meter; // of the run under way, when measuring
    tags::SourceTags m_sourceTags;
    QStringList m_madeFolders; // for an explicit target
    QElapsedTimer m_clock;
};
