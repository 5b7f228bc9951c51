#include "selectionwindow.h"

#include "adpanel.h"
#include "onlineservices.h"
#include "progresstext.h"
#include "serviceparts.h"
#include "sourcenames.h"
#include "taskbarbutton.h"
#include "ui_selectionwindow.h"
#include "windowparts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QShowEvent>

SelectionWindow::SelectionWindow(const Services &services, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::SelectionWindow>())
    , m_services(withDesktopChoosers(services))
    , m_online(onlineFor(services))
{
    m_online->prepare();
    ui->setupUi(this);
    windowparts::showPictures(this, ui->lbl_Logo, ui->lbl_Ad);
    ui->lbl_Logo->installEventFilter(this);
    m_ad = new AdPanel(ui->lbl_Ad, this, m_services, *m_online, product::currentVersion());
    connect(ui->link_Settings, &QLabel::linkActivated, this,
            [this] { windowparts::showSettingsHint(this); });
    connect(ui->link_About, &QLabel::linkActivated, this,
            [this] { windowparts::showAbout(m_services); });
}

SelectionWindow::~SelectionWindow()
{
    // The queue's jobs and the network replies are children and die after
    // this class's members; what they emit on the way must not reach us.
    const QList<QObject *> descendants = findChildren<QObject *>();
    for (QObject *object : descendants)
        object->disconnect(this);
}

void SelectionWindow::setTaskbarButton(taskbar::TaskbarButton *button)
{
    m_taskbarButton = button;
}

void SelectionWindow::startConversions(const QList<ConversionRequest> &requests)
{
    const QString format = requests.isEmpty() ? QString() : requests.first().format.toUpper();
    const QString title =
        tr("Converting %n files to %1", nullptr, int(requests.size())).arg(format);
    setWindowTitle(title);
    ui->lbl_Title->setText(title);
    ui->lbl_TimeRemaining->setText(tr("Calculating..."));
    ui->prb_Progress->setRange(0, 0);
    if (m_taskbarButton)
        m_taskbarButton->progressBar()->setState(
            taskbar::TaskbarProgressBar::IndeterminateProgress);

    m_queue = new ConversionQueue(requests, m_services, *this, m_online.get(), this);
    connect(m_queue, &ConversionQueue::changed, this, &SelectionWindow::showProgress);
    connect(m_queue, &ConversionQueue::finished, this, &SelectionWindow::queueFinished);
    showProgress();
    show();
    m_queue->start();
}

void SelectionWindow::showProgress()
{
    const int total = m_queue->total();
    const int failed = m_queue->failedCount();
    ui->lbl_Count->setText(failed == 0
                               ? tr("%1 of %n converted", nullptr, total).arg(m_queue->converted())
                               : tr("%1 of %n converted, %2 failed", nullptr, total)
                                     .arg(m_queue->converted())
                                     .arg(failed));
    QStringList names;
    for (const QString &source : m_queue->running())
        names << sourcenames::fileNamePart(source);
    ui->lbl_Running->setText(names.join(QLatin1Char('\n')));

    if (m_queue->converted() + failed == 0 && m_queue->running().isEmpty())
        return; // nothing started yet: the bar stays busy
    const int percent = qRound(m_queue->progress() * 100);
    if (ui->prb_Progress->maximum() == 0)
        ui->prb_Progress->setRange(0, 100);
    if (percent != m_percentShown) {
        m_percentShown = percent;
        ui->prb_Progress->setValue(percent);
        if (m_taskbarButton) {
            taskbar::TaskbarProgressBar *bar = m_taskbarButton->progressBar();
            bar->setValue(percent);
            bar->setState(taskbar::TaskbarProgressBar::NormalProgress);
        }
    }
    if (const std::optional<qint64> remaining = m_queue->remainingMs()) {
        const QString text = progresstext::timeRemaining(*remaining);
        if (!text.isEmpty())
            ui->lbl_TimeRemaining->setText(text);
    }
}

void SelectionWindow::askTargetDirectory(ConversionQueue &queue)
{
    queue.answerDirectory(m_services.chooseDirectory(this));
}

void SelectionWindow::askAnotherDirectory(ConversionQueue &queue)
{
    QMessageBox::critical(this, tr("Error"),
                          tr("The target directory is not writable.\nPlease choose another "
                             "directory."));
    queue.answerDirectory(m_services.chooseDirectory(this));
}

void SelectionWindow::reportEncoderMissing(ConversionQueue &)
{
    QMessageBox::critical(this, tr("Error"),
                          tr("Conversion core module not found!\nPlease reinstall application."));
}

void SelectionWindow::queueFinished()
{
    if (m_ended)
        return; // stopped: the end was reported then
    const QList<ConversionQueue::Failure> &failures = m_queue->failures();
    if (!failures.isEmpty()) {
        if (m_taskbarButton) {
            taskbar::TaskbarProgressBar *bar = m_taskbarButton->progressBar();
            bar->setValue(100);
            bar->setState(taskbar::TaskbarProgressBar::ErrorProgress);
        }
        QStringList details;
        for (const ConversionQueue::Failure &failure : failures)
            details << tr("%1: %2").arg(QDir::toNativeSeparators(failure.source), failure.reason);
        QMessageBox box(QMessageBox::Critical, tr("Error"),
                        tr("%1 of %n files could not be converted.", nullptr, m_queue->total())
                            .arg(failures.size()),
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.setDetailedText(details.join(QLatin1Char('\n')));
        box.exec();
    }
    m_ended = true;
    // The window goes at once; the process may stay a moment longer, unseen,
    // for the usage records and bug reports.
    hide();
    m_ad->stop();
    emit ended(m_queue->converted() == m_queue->total() ? 0 : 1, Soundmill::End::Finished);
}

void SelectionWindow::closeEvent(QCloseEvent *event)
{
    if (m_ended || !m_queue || m_queue->isFinished()) {
        event->accept();
        return;
    }
    const int left = m_queue->remaining();
    const QString question =
        left == 1
            ? tr("Stop converting? The last file not yet converted will be skipped.")
            : tr("Stop converting? The %n files not yet converted will be skipped.", nullptr, left);
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, tr("Question"), question, QMessageBox::Yes | QMessageBox::No);
    // The last files may have ended while the question was open.
    if (answer != QMessageBox::Yes || m_ended) {
        event->ignore();
        return;
    }
    stopConversions();
    event->accept();
    emit ended(1, Soundmill::End::Stopped);
}

void SelectionWindow::stopForTermination(int status)
{
    stopConversions();
    emit ended(status, Soundmill::End::Stopped);
}

void SelectionWindow::stopConversions()
{
    m_ended = true;
    if (m_queue)
        m_queue->stop();
    hide();
    m_ad->stop();
}

void SelectionWindow::showEvent(QShowEvent *event)
{
    event->accept();
    m_ad->restart();
}

bool SelectionWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (m_taskbarButton)
        return m_taskbarButton->nativeEvent(eventType, message, result);
    return false;
}

bool SelectionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lbl_Logo && event->type() == QEvent::MouseButtonPress) {
        m_services.openAddress(m_services.addresses.website);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
