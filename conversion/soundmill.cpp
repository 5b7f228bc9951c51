#include "soundmill.h"

#include "adpanel.h"
#include "encoderarguments.h"
#include "onlineservices.h"
#include "progresstext.h"
#include "serviceparts.h"
#include "soundmill_p.h"
#include "sourcenames.h"
#include "steppedbusystyle.h"
#include "taskbarbutton.h"
#include "ui_soundmill.h"
#include "windowparts.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QShowEvent>

namespace {

// How often the busy bar of a window waiting for an encoder slot moves.
constexpr int WaitingFrameIntervalMs = 250;

} // namespace

Soundmill::Soundmill(QWidget *parent)
    : Soundmill(Services(), parent)
{
}

Soundmill::Soundmill(const Services &services, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Soundmill>())
    , d(std::make_unique<SoundmillPrivate>())
    , m_services(withDesktopChoosers(services))
{
    d->online = onlineFor(services);
    // The network stack loads on its own thread while the form is built: it
    // is needed for the usage post anyway, and loaded later it would hold up
    // the window's first paint.
    d->online->prepare();
    ui->setupUi(this);
    // The form names no pictures: they are read here.
    windowparts::showPictures(this, ui->lbl_Logo, ui->lbl_Ad);
    ui->lbl_Logo->installEventFilter(this);
    m_ad = new AdPanel(ui->lbl_Ad, this, m_services, *d->online, product::currentVersion());
    // Dozens of windows may wait at once. Drawn at the style's full frame
    // rate their busy bars would take a good share of the processor from
    // the encoders they wait for.
    d->waitingFrames.setInterval(WaitingFrameIntervalMs);
    connect(&d->waitingFrames, &QTimer::timeout, ui->prb_Progress, qOverload<>(&QWidget::update));
}

Soundmill::~Soundmill()
{
    // The job and the network replies are Qt children and die after this
    // class's members; a signal they emit on the way must not reach slots
    // of a window that is half gone.
    const QList<QObject *> descendants = findChildren<QObject *>();
    for (QObject *object : descendants)
        object->disconnect(this);
}

void Soundmill::setTaskbarButton(taskbar::TaskbarButton *button)
{
    d->taskbarButton = button;
    d->hasTaskbarButton = button != nullptr;
}

void Soundmill::startConversion(QString sourcePath, QString format, QStringList extraArgs)
{
    startConversion(
        ConversionRequest{sourcePath, format, encoderarguments::optionsFromArguments(extraArgs)});
}

void Soundmill::startConversion(const ConversionRequest &request)
{
    // Labels, a busy bar, and the window on screen while the target is chosen.
    const QString title =
        tr("Converting %1 to %2")
            .arg(sourcenames::extensionLabel(request.source), request.format.toUpper());
    setWindowTitle(title);
    ui->lbl_Title->setText(title);
    ui->lbl_Source->setText(sourcenames::fileNamePart(request.source));
    ui->lbl_TimeRemaining->setText(tr("Calculating..."));
    ui->prb_Progress->setRange(0, 0);
    if (d->hasTaskbarButton)
        d->taskbarButton->progressBar()->setState(
            taskbar::TaskbarProgressBar::IndeterminateProgress);

    d->job = new ConversionJob(request, m_services, *this, d->online.get(), this);
    connect(d->job, &ConversionJob::stageChanged, this, &Soundmill::showStage);
    connect(d->job, &ConversionJob::targetReserved, this, [this](const QString &target) {
        ui->lbl_Target->setText(sourcenames::fileNamePart(target));
    });
    connect(d->job, &ConversionJob::progressed, this, &Soundmill::ffmpeg_readyRead);
    connect(d->job, &ConversionJob::ended, this, &Soundmill::jobEnded);
    // Started before the window is shown: the job's first step is then
    // taken before the window's first paint, and the encoder runs while the
    // window draws.
    d->job->start();
    show();
}

void Soundmill::askTargetDirectory(ConversionJob &job)
{
    job.answerDirectory(m_services.chooseDirectory(this));
}

void Soundmill::askAnotherDirectory(ConversionJob &job)
{
    QMessageBox::critical(
        this, tr("Error"),
        tr("The target directory is not writable.\nPlease choose another directory."));
    job.answerDirectory(m_services.chooseDirectory(this));
}

void Soundmill::reportEncoderMissing(ConversionJob &job)
{
    Q_UNUSED(job)
    if (std::exchange(d->missingEncoderShown, true))
        return;
    QMessageBox::critical(this, tr("Error"),
                          tr("Conversion core module not found!\nPlease reinstall application."));
}

void Soundmill::showStage(ConversionJob::Stage stage)
{
    showWaiting(stage == ConversionJob::Stage::WaitingForSlot);
    switch (stage) {
    case ConversionJob::Stage::Extracting:
        ui->lbl_Target->setText(tr("Audio CD Ripping: Temporary WAV file"));
        break;
    case ConversionJob::Stage::Encoding:
        ui->lbl_Source->setText(sourcenames::fileNamePart(d->job->encoderInput()));
        ui->lbl_Target->setText(sourcenames::fileNamePart(d->job->target()));
        ui->prb_Progress->setRange(0, 100);
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
        ui->prb_Progress->setStyle(d->waitingStyle.get());
        d->waitingFrames.start();
    } else {
        d->waitingFrames.stop();
        ui->prb_Progress->setStyle(nullptr);
        d->waitingStyle.reset();
    }
}

void Soundmill::ffmpeg_readyRead()
{
    const ProgressUpdate &update = d->job->progress();
    if (update.percentValid) {
        ui->prb_Progress->setValue(update.percent);
        if (d->hasTaskbarButton) {
            taskbar::TaskbarProgressBar *bar = d->taskbarButton->progressBar();
            bar->setValue(update.percent);
            bar->setState(taskbar::TaskbarProgressBar::NormalProgress);
        }
    }
    if (update.remainingMs) {
        const QString remaining = progresstext::timeRemaining(*update.remainingMs);
        if (!remaining.isEmpty())
            ui->lbl_TimeRemaining->setText(remaining);
    }
    if (update.speed)
        ui->lbl_Speed->setText(progresstext::speed(*update.speed));
}

void Soundmill::jobEnded(const ConversionEnd &end)
{
    showWaiting(false);
    // A stopped job was stopped here, which reports the end itself.
    if (end.outcome == ConversionEnd::Outcome::Stopped)
        return;
    d->end = end;
    ffmpeg_finished(end.outcome == ConversionEnd::Outcome::Converted ? 0 : 1);
}

void Soundmill::ffmpeg_finished(int ExitCode)
{
    if (ExitCode == 0) {
        // The close below ends the program; drawing the full bar first (a
        // progress bar repaints at once on a new value) would only delay that.
        ui->prb_Progress->setUpdatesEnabled(false);
        ui->prb_Progress->setValue(100);
        d->finished = true;
        close();
        return;
    }
    if (!d->end.message.isEmpty())
        QMessageBox::critical(this, tr("Error"), d->end.message);
    // The encoder ran and failed: its button shows the failure too.
    using Failure = ConversionEnd::Failure;
    const Failure failure = d->end.failure;
    if (d->hasTaskbarButton && (failure == Failure::EncoderFailed || failure == Failure::NotMedia ||
                                failure == Failure::TargetReplaced)) {
        taskbar::TaskbarProgressBar *bar = d->taskbarButton->progressBar();
        bar->setValue(100);
        bar->setState(taskbar::TaskbarProgressBar::ErrorProgress);
    }
    d->finished = true;
    close();
}

void Soundmill::closeEvent(QCloseEvent *event)
{
    if (d->finished) {
        event->accept();
        endFinished();
        return;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Question"), tr("Are your sure want to stop conversion and exit"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    abandonConversion();
    event->accept();
    emit ended(0, End::Stopped);
}

void Soundmill::endFinished()
{
    // The window goes at once; the process may stay a moment longer, unseen,
    // for the usage record and bug report. The advertisement is abandoned.
    hide();
    m_ad->stop();
    emit ended(0, End::Finished);
}

void Soundmill::stopForTermination(int status)
{
    abandonConversion();
    emit ended(status, End::Stopped);
}

bool Soundmill::converted() const
{
    return d->end.outcome == ConversionEnd::Outcome::Converted;
}

online::OnlineServices &Soundmill::online()
{
    return *d->online;
}

void Soundmill::abandonConversion()
{
    // The job may have ended meanwhile (for instance while the close
    // question was open); its end has then been shown and its result stays.
    if (d->job)
        d->job->stop();
    d->finished = true;
}

void Soundmill::showEvent(QShowEvent *event)
{
    event->accept();
    m_ad->restart();
}

bool Soundmill::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (d->hasTaskbarButton)
        return d->taskbarButton->nativeEvent(eventType, message, result);
    return false;
}

bool Soundmill::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lbl_Logo && event->type() == QEvent::MouseButtonPress) {
        m_services.openAddress(m_services.addresses.website);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Soundmill::adInfoOk(const QByteArray &body)
{
    m_ad->takeDocument(body);
}

void Soundmill::adImageOk(const QByteArray &body)
{
    m_ad->takePicture(body);
}

void Soundmill::on_link_Settings_linkActivated(QString link)
{
    Q_UNUSED(link)
    windowparts::showSettingsHint(this);
}

void Soundmill::on_link_About_linkActivated(QString link)
{
    Q_UNUSED(link)
    windowparts::showAbout(m_services);
}

void Soundmill::show_updateMessage()
{
    m_ad->askAboutUpdate();
}
