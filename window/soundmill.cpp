#include "soundmill.h"

#include "adpanel.h"
#include "conversionqueue.h"
#include "encoderarguments.h"
#include "failuretext.h"
#include "nametext.h"
#include "onlineservices.h"
#include "progresstext.h"
#include "soundmill_p.h"
#include "sourcenames.h"
#include "steppedbusystyle.h"
#include "ui_conversionframe.h"
#include "ui_soundmill.h"

#include <QMessageBox>
#include <QProgressBar>

namespace {

// A file's name as the labels show it: one name, never markup.
QString shownName(const QString &path)
{
    return nametext::forWindow(sourcenames::fileNamePart(path));
}

// How often the busy bar of a window waiting for an encoder slot moves.
constexpr int WaitingFrameIntervalMs = 250;

} // namespace

Soundmill::Soundmill(QWidget *parent)
    : Soundmill(Services(), nullptr, parent)
{
}

Soundmill::Soundmill(const Services &services, std::shared_ptr<online::OnlineServices> online,
                     QWidget *parent)
    : ConversionWindow(services, std::move(online), parent)
    , ui(std::make_unique<Ui::Soundmill>())
    , d(std::make_unique<SoundmillPrivate>())
{
    setObjectName(QStringLiteral("Soundmill"));
    ui->setupUi(setUpFrame());
    finishFrame();
    // Dozens of windows may wait at once. Drawn at the style's full frame
    // rate their busy bars would take a good share of the processor from
    // the encoders they wait for.
    d->waitingFrames.setInterval(WaitingFrameIntervalMs);
    connect(&d->waitingFrames, &QTimer::timeout, frame().prb_Progress,
            qOverload<>(&QWidget::update));
}

Soundmill::~Soundmill() = default;

void Soundmill::startConversion(QString sourcePath, QString format, QStringList extraArgs)
{
    startConversion(
        ConversionRequest{sourcePath, format, encoderarguments::optionsFromArguments(extraArgs)});
}

void Soundmill::startConversion(const ConversionRequest &request)
{
    auto *queue = new ConversionQueue({request}, m_services, m_online.get(), this);
    watch(*queue);
    // Started before the window is shown: the job's first step is then
    // taken before the window's first paint, and the encoder runs while the
    // window draws.
    queue->start();
    show();
}

void Soundmill::showQueue()
{
    ConversionQueue *shown = queue();
    if (d->queue != shown) {
        d->queue = shown;
        connect(shown, &ConversionQueue::fileStarted, this, &Soundmill::showJob);
        // Labels and a busy bar while the target is chosen.
        const ConversionRequest &request = shown->requests().first();
        const QString title =
            tr("Converting %1 to %2")
                .arg(sourcenames::extensionLabel(request.source), request.format.toUpper());
        showTitle(title);
        ui->lbl_Source->setText(shownName(request.source));
        ui->lbl_TimeRemaining->setText(tr("Calculating..."));
        frame().prb_Progress->setRange(0, 0);
        setTaskbarBusy();
        // A job that took its first steps before the window was made.
        if (ConversionJob *job = shown->onlyJob()) {
            showJob(job);
            if (!job->target().isEmpty())
                ui->lbl_Target->setText(shownName(job->target()));
            showStage(job->stage());
        }
    }
}

void Soundmill::showJob(ConversionJob *job)
{
    d->job = job;
    connect(job, &ConversionJob::stageChanged, this, &Soundmill::showStage);
    connect(job, &ConversionJob::targetReserved, this,
            [this](const QString &target) { ui->lbl_Target->setText(shownName(target)); });
    connect(job, &ConversionJob::progressed, this, &Soundmill::ffmpeg_readyRead);
    connect(job, &ConversionJob::ended, this, [this] {
        d->job = nullptr;
        showWaiting(false);
    });
}

void Soundmill::showStage(ConversionJob::Stage stage)
{
    showWaiting(stage == ConversionJob::Stage::WaitingForSlot);
    switch (stage) {
    case ConversionJob::Stage::Extracting:
        ui->lbl_Target->setText(tr("Audio CD Ripping: Temporary WAV file"));
        break;
    case ConversionJob::Stage::Encoding:
        ui->lbl_Source->setText(shownName(d->job->encoderInput()));
        ui->lbl_Target->setText(shownName(d->job->target()));
        frame().prb_Progress->setRange(0, 100);
        break;
    default:
        break;
    }
}

void Soundmill::showWaiting(bool waiting)
{
    if (waiting == bool(d->waitingStyle))
        return;
    if (waiting) {
        d->waitingStyle = std::make_unique<SteppedBusyStyle>();
        frame().prb_Progress->setStyle(d->waitingStyle.get());
        d->waitingFrames.start();
    } else {
        d->waitingFrames.stop();
        frame().prb_Progress->setStyle(nullptr);
        d->waitingStyle.reset();
    }
}

void Soundmill::ffmpeg_readyRead()
{
    if (!d->job)
        return;
    const ProgressUpdate &update = d->job->progress();
    if (update.percentValid) {
        frame().prb_Progress->setValue(update.percent);
        setTaskbarProgress(update.percent);
    }
    if (update.remainingMs) {
        const QString remaining = progresstext::timeRemaining(*update.remainingMs);
        if (!remaining.isEmpty())
            ui->lbl_TimeRemaining->setText(remaining);
    }
    if (update.speed)
        ui->lbl_Speed->setText(progresstext::speed(*update.speed));
}

void Soundmill::showEnd(const std::function<void()> &done)
{
    m_endShown = done;
    ffmpeg_finished(converted() ? 0 : 1);
}

void Soundmill::ffmpeg_finished(int ExitCode)
{
    d->finished = true;
    const std::function<void()> done = std::exchange(m_endShown, {});
    if (ExitCode == 0) {
        // The window closes at once; drawing the full bar first (a
        // progress bar repaints at once on a new value) would only delay that.
        frame().prb_Progress->setUpdatesEnabled(false);
        frame().prb_Progress->setValue(100);
        if (done)
            done();
        return;
    }
    using Failure = ConversionEnd::Failure;
    const Failure failure = d->queue ? d->queue->end(0).failure : Failure::EncoderFailed;
    QMessageBox *box = openBox(QMessageBox::Critical, tr("Error"), failureText(failure));
    connect(box, &QMessageBox::finished, this, [this, failure, done] {
        // The encoder ran and failed: its button shows the failure too.
        if (failure == Failure::EncoderFailed || failure == Failure::NotMedia ||
            failure == Failure::TargetReplaced)
            setTaskbarError();
        if (done)
            done();
    });
}

QString Soundmill::stopQuestion() const
{
    return tr("Are your sure want to stop conversion and exit");
}

bool Soundmill::converted() const
{
    return d->queue && d->queue->isFinished() && d->queue->converted() == 1;
}

void Soundmill::adInfoOk(const QByteArray &body)
{
    adPanel().takeDocument(body);
}

void Soundmill::adImageOk(const QByteArray &body)
{
    adPanel().takePicture(body);
}

void Soundmill::on_link_Settings_linkActivated(QString link)
{
    Q_UNUSED(link)
    showSettingsHint();
}

void Soundmill::on_link_About_linkActivated(QString link)
{
    Q_UNUSED(link)
    showAbout();
}

void Soundmill::show_updateMessage()
{
    adPanel().askAboutUpdate();
}
