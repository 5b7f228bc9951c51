#include "soundmill.h"

#include "aboutdialog.h"
#include "adpanel.h"
#include "cdtrack.h"
#include "encoderarguments.h"
#include "encodercontract.h"
#include "encoderslot.h"
#include "nativepath.h"
#include "progresstext.h"
#include "resourceimage.h"
#include "settings.h"
#include "soundmill_p.h"
#include "sourcenames.h"
#include "steppedbusystyle.h"
#include "targetreservation.h"
#include "taskbarbutton.h"
#include "ui_soundmill.h"

#include <QCloseEvent>
#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <utility>

namespace {

// How long a killed encoder gets to go away before its partial output is
// removed (on Windows an open file cannot be deleted).
constexpr int KilledEncoderWaitMs = 5000;

// How often the busy bar of a window waiting for an encoder slot moves.
constexpr int WaitingFrameIntervalMs = 250;

// The prober reads only the source's headers and is done in a tenth of a
// second; one that takes longer than this is given up.
constexpr int SourceProbeWaitMs = 3000;

} // namespace

Soundmill::Soundmill(QWidget *parent)
    : Soundmill(Services(), parent)
{
}

Soundmill::Soundmill(const Services &services, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Soundmill>())
    , d(std::make_unique<SoundmillPrivate>(services.addresses.statsServer, services.onlineBackend))
    , m_services(services)
{
    // The network stack loads on its own thread while the form is built: it
    // is needed for the usage post anyway, and loaded later it would hold up
    // the window's first paint.
    d->online.prepare();
    ui->setupUi(this);
    // The form names no pictures: they are read here as the PNG files they are.
    // They are chosen for the screen's pixel density.
    const QString logo = QStringLiteral(":/resources/imgs/icon.png");
    setWindowIcon(resourceimage::icon(logo));
    ui->lbl_Logo->setPixmap(resourceimage::pixmap(logo, devicePixelRatioF()));
    ui->lbl_Ad->setPixmap(
        resourceimage::pixmap(QStringLiteral(":/resources/imgs/likeus.png"), devicePixelRatioF()));
    ui->lbl_Logo->installEventFilter(this);
    m_ad = new AdPanel(ui->lbl_Ad, this, m_services, d->online, product::currentVersion());
}

Soundmill::~Soundmill()
{
    // The encoder and the network replies are Qt children and die after this
    // class's members; a finished() they emit on the way must not reach slots
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
    startConversion(ConversionRequest{sourcePath, format, extraArgs});
}

void Soundmill::startConversion(const ConversionRequest &request)
{
    const QString &sourcePath = request.source;
    const QString &format = request.format;
    const QStringList &extraArgs = request.extraArgs;
    // Labels, a busy bar, and the window on screen while the target is chosen.
    const QString title =
        tr("Converting %1 to %2").arg(sourcenames::extensionLabel(sourcePath), format.toUpper());
    setWindowTitle(title);
    ui->lbl_Title->setText(title);
    ui->lbl_Source->setText(sourcenames::fileNamePart(sourcePath));
    ui->lbl_TimeRemaining->setText(tr("Calculating..."));
    ui->prb_Progress->setRange(0, 0);
    if (d->hasTaskbarButton)
        d->taskbarButton->progressBar()->setState(
            taskbar::TaskbarProgressBar::IndeterminateProgress);
    show();

    QString input = sourcePath;
    if (cdtrack::isCdTrack(sourcePath)) {
        if (!ripCdTrack(sourcePath))
            return;
        input = d->temporaryInput;
    }
    // The encoder gets absolute paths only, so that a file whose name starts
    // with "-" can never be taken for an option.
    const QString encoderInput = QDir::toNativeSeparators(QFileInfo(input).absoluteFilePath());

    const int bitrate =
        settings::bitrateFromText(m_services.readSetting(QLatin1String(settings::BitrateKey)));
    d->sendReports = true;
    if (!settings::sendReportsFromText(
            m_services.readSetting(QLatin1String(settings::SendStatKey))))
        d->sendReports = false;

    d->target = reserveTarget(sourcePath, format);
    if (!d->target.isValid()) { // a name no folder can hold: nothing to ask
        endWithoutEncoder(tr("The file name is too long for the target folder."));
        return;
    }
    sourceprobe::SourceInfo source;
    if (encoderarguments::needsSourceInfo(format, bitrate)) {
        source = sourceprobe::probe(m_services.locateTool(encodercontract::proberName()),
                                    encoderInput, SourceProbeWaitMs);
        if (d->finished) // the user stopped the conversion while it was read
            return;
    }
    const QStringList arguments = encoderarguments::build(encoderInput, bitrate, extraArgs, format,
                                                          d->target.encoderPath(), source);
    // A cover the target cannot take (a picture format it does not store,
    // damaged picture bytes) makes the encoder refuse at once; the audio
    // then comes without it.
    if (encoderarguments::keepsPicture(format))
        d->withoutCover = encoderarguments::build(encoderInput, bitrate, extraArgs, format,
                                                  d->target.encoderPath(), source, false);

    ui->lbl_Source->setText(sourcenames::fileNamePart(encoderInput));
    ui->lbl_Target->setText(sourcenames::fileNamePart(d->target.path()));

    d->process = new QProcess(this);
    d->target.passTo(*d->process); // the encoder writes into the reserved file itself
    d->encoderProgram = m_services.locateTool(encodercontract::encoderName());
    connect(d->process, &QProcess::readyReadStandardError, this, &Soundmill::ffmpeg_readyRead);
    connect(d->process, &QProcess::finished, this, &Soundmill::ffmpeg_finished);
    // An encoder that cannot be started would never report an end; the
    // window would wait forever for nothing.
    connect(d->process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            encoderFailedToStart();
    });

    if (!m_services.toolExists(encodercontract::encoderName()))
        reportMissingEncoder();

    // Many conversions started together take turns: the window shows its busy
    // bar until one of the user's encoder slots is free.
    if (!waitForEncoderSlot())
        return;

    // The encoder reads nothing from us: an empty input means it can never
    // wait for keyboard commands, and its standard output, which we never
    // read, goes nowhere instead of filling a pipe.
    d->process->setStandardInputFile(QProcess::nullDevice());
    d->process->setStandardOutputFile(QProcess::nullDevice());
    d->process->start(d->encoderProgram, arguments);

    if (d->sendReports)
        d->encoderArgs = arguments;
    d->clock = std::make_unique<QElapsedTimer>();
    d->clock->start();
    d->online.sendUsage(QStringLiteral("tonewright"), QStringLiteral("main"));
    ui->prb_Progress->setRange(0, 100);
}

bool Soundmill::waitForEncoderSlot()
{
    d->encoderSlot = std::make_unique<EncoderSlot>(EncoderSlot::defaultDirectory(),
                                                   EncoderSlot::defaultSlotCount());
    if (d->encoderSlot->tryAcquire())
        return true;

    // Dozens of windows may wait at once. Drawn at the style's full frame
    // rate their busy bars would take a good share of the processor from
    // the encoders they wait for, so while waiting the bar moves a few
    // times a second only.
    QProgressBar *bar = ui->prb_Progress;
    SteppedBusyStyle steppedStyle;
    bar->setStyle(&steppedStyle);
    QTimer slowFrames;
    connect(&slowFrames, &QTimer::timeout, bar, qOverload<>(&QWidget::update));
    slowFrames.start(WaitingFrameIntervalMs);

    QEventLoop loop;
    EncoderSlotWaiter waiter(*d->encoderSlot);
    connect(&waiter, &EncoderSlotWaiter::acquired, &loop, &QEventLoop::quit);
    d->slotWait = &loop;
    waiter.start();
    loop.exec();
    d->slotWait = nullptr;
    slowFrames.stop();
    bar->setStyle(nullptr);
    // Stopped by the user while waiting: no encoder is ever started.
    return !d->finished;
}

bool Soundmill::ripCdTrack(const QString &cdaPath)
{
    ui->lbl_Target->setText(tr("Audio CD Ripping: Temporary WAV file"));
    const QString missingExtractor =
        tr("Ripping core module not found!\nPlease reinstall application.");
    const QString unreadable = tr("The track could not be read from the disc.");
    if (!m_services.toolExists(encodercontract::extractorName())) {
        endWithoutEncoder(missingExtractor);
        return false;
    }
    // The temporary file is created before the extractor starts, so that two
    // CD conversions at the same time can never write into the same file.
    QString reason;
    const QString wav = cdtrack::createTemporaryWav(&reason);
    if (wav.isEmpty()) {
        qWarning().noquote() << reason;
        endWithoutEncoder(unreadable);
        return false;
    }
    d->temporaryInput = wav;

    auto *extractor = new QProcess(this);
    d->extractor = extractor;
    QEventLoop loop;
    connect(extractor, &QProcess::finished, &loop, &QEventLoop::quit);
    // An extractor that cannot be started never finishes.
    connect(extractor, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    extractor->setStandardInputFile(QProcess::nullDevice());
    extractor->setStandardOutputFile(QProcess::nullDevice());
    extractor->start(m_services.locateTool(encodercontract::extractorName()),
                     cdtrack::extractorArguments(cdaPath, wav));
    if (extractor->state() != QProcess::NotRunning)
        loop.exec();
    extractor->disconnect(&loop);
    d->extractor = nullptr;

    if (d->finished) // the user stopped the conversion during the extraction
        return false;
    if (extractor->error() == QProcess::FailedToStart) {
        endWithoutEncoder(missingExtractor);
        return false;
    }
    // A failed read leaves the sectors read so far under a header that
    // claims the whole track; the encoder would make a short file of them
    // and call it a success.
    if (extractor->exitStatus() != QProcess::NormalExit || extractor->exitCode() != 0 ||
        !cdtrack::isCompleteWav(wav)) {
        endWithoutEncoder(unreadable);
        return false;
    }
    return true;
}

void Soundmill::endWithoutEncoder(const QString &message)
{
    discardTemporaryInput();
    QMessageBox::critical(this, tr("Error"), message);
    d->finished = true;
    close();
}

void Soundmill::discardTemporaryInput()
{
    if (!d->temporaryInput.isEmpty())
        QFile::remove(d->temporaryInput);
    d->temporaryInput.clear();
}

QString Soundmill::chooseDirectory()
{
    return m_services.chooseDirectory(this);
}

targetreservation::Reservation Soundmill::reserveTarget(const QString &source,
                                                        const QString &format)
{
    const QString stored = m_services.readSetting(QLatin1String(settings::TargetDirKey));
    QString directory;
    switch (settings::targetRuleFromText(stored)) {
    case settings::TargetRule::Directory:
        directory = stored;
        break;
    case settings::TargetRule::Ask:
        do {
            directory = chooseDirectory();
        } while (directory.isEmpty() || !QFileInfo(directory).isDir());
        break;
    case settings::TargetRule::SameAsSource:
        directory = QFileInfo(source).absolutePath();
        break;
    }

    const QString base = sourcenames::baseName(source);
    for (;;) {
        // A cancelled chooser names no directory; the box and the chooser
        // come again rather than writing into the root of the file system.
        if (!directory.isEmpty()) {
            targetreservation::Failure failure = targetreservation::Failure::None;
            targetreservation::Reservation target = targetreservation::reserve(
                nativepath::withTrailingSeparator(directory), base, format, &failure);
            if (target.isValid())
                return target;
            // another folder would not help; asking again would never end
            if (failure == targetreservation::Failure::NameTooLong)
                return {};
        }
        QMessageBox::critical(
            this, tr("Error"),
            tr("The target directory is not writable.\nPlease choose another directory."));
        directory = chooseDirectory();
    }
}

void Soundmill::reportMissingEncoder()
{
    // Once: a missing encoder is also an encoder that fails to start.
    if (d->missingEncoderShown)
        return;
    d->missingEncoderShown = true;
    QMessageBox::critical(this, tr("Error"),
                          tr("Conversion core module not found!\nPlease reinstall application."));
}

void Soundmill::encoderFailedToStart()
{
    if (d->finished)
        return;
    reportMissingEncoder();
    d->target.release();
    discardTemporaryInput();
    d->finished = true;
    endFinished();
}

void Soundmill::stopEncoder()
{
    if (d->process) {
        // The user stopped the conversion: its end is no failure to report.
        d->process->disconnect(this);
        if (d->process->state() != QProcess::NotRunning) {
            d->process->kill();
            d->process->waitForFinished(KilledEncoderWaitMs);
        }
    }
    // Also when no encoder was started yet (still waiting for a slot): the
    // reservation is ours to take back.
    d->target.release();
}

void Soundmill::ffmpeg_readyRead()
{
    const QByteArray chunk = d->process->readAllStandardError();
    const qint64 elapsed = d->clock ? d->clock->elapsed() : 0;
    const ProgressUpdate update = d->parser.feed(chunk, elapsed);
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

void Soundmill::ffmpeg_finished(int ExitCode)
{
    // A crash is a failure whatever code it leaves, and so is an encoder that
    // claims success without having written anything.
    const bool crashed = d->process && d->process->exitStatus() == QProcess::CrashExit;
    const bool written = d->target.size() > 0;
    // a source that is no media file is not tried again without its cover
    const bool notMedia = refusedAsNoMedia(d->parser.closingText());
    if (!crashed && ExitCode != encodercontract::SuccessExitCode && !d->withoutCover.isEmpty() &&
        !notMedia) {
        convertWithoutCover();
        return;
    }
    discardTemporaryInput();
    // Another conversion may start while this one shows its result.
    if (d->encoderSlot)
        d->encoderSlot->release();
    // the result must be in our file under our name, and hold audio
    const bool replaced = !d->target.isIntact();
    const bool noAudio = noAudioEncoded(d->parser.closingText());
    if (ExitCode == encodercontract::SuccessExitCode && !crashed && written && !replaced &&
        !noAudio) {
        d->target.keep();
        // The close below ends the program; drawing the full bar first (a
        // progress bar repaints at once on a new value) would only delay that.
        ui->prb_Progress->setUpdatesEnabled(false);
        ui->prb_Progress->setValue(100);
        d->finished = true;
        close();
        return;
    }

    // The encoder's text as it wrote it, new lines included.
    qDebug().noquote().nospace() << '"' << d->parser.keptText() << "\" ";
    if (d->sendReports) {
        d->online.sendBugReport(
            QStringLiteral("tonewright"),
            encoderarguments::privateFreeReport(d->encoderArgs, d->parser.keptText(),
                                                QDir::homePath(), d->target.path()));
    }
    const QString failure = // the failures that say more than the generic one
        replaced   ? tr("The target file was replaced by another program. Nothing was written "
                          "to it.")
        : notMedia ? tr("This file is not an audio or video file.")
                   : tr("Conversion error!\nMake sure that the file you are trying to "
                        "convert is a valid video or audio file.\n");
    QMessageBox::critical(this, tr("Error"), failure);
    if (d->hasTaskbarButton) {
        taskbar::TaskbarProgressBar *bar = d->taskbarButton->progressBar();
        bar->setValue(100);
        bar->setState(taskbar::TaskbarProgressBar::ErrorProgress);
    }
    // No half file stays under the name the user will look for.
    d->target.release();
    d->finished = true;
    close();
}

void Soundmill::convertWithoutCover()
{
    const QStringList arguments = std::exchange(d->withoutCover, QStringList());
    d->parser = ProgressParser();
    if (d->sendReports)
        d->encoderArgs = arguments;
    d->clock->start();
    d->process->start(d->encoderProgram, arguments);
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

online::OnlineServices &Soundmill::online()
{
    return d->online;
}

void Soundmill::abandonConversion()
{
    // The encoder may have ended meanwhile (for instance while the close
    // question was open); its end has then been handled and its result stays.
    if (!d->finished) {
        stopEncoder();
        if (d->extractor && d->extractor->state() != QProcess::NotRunning) {
            d->extractor->kill();
            d->extractor->waitForFinished(KilledEncoderWaitMs);
        }
        discardTemporaryInput();
    }
    d->finished = true;
    if (d->slotWait)
        d->slotWait->quit();
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
    QMessageBox::information(this, tr("Information"),
                             tr("To set common settings open Tonewright in the start menu.\nTo "
                                "change the volume of the file or add metadata select advanced "
                                "conversion from Explorer."));
}

void Soundmill::on_link_About_linkActivated(QString link)
{
    Q_UNUSED(link)
    AboutDialog dialog(m_services);
    dialog.exec();
}

void Soundmill::show_updateMessage()
{
    m_ad->askAboutUpdate();
}
