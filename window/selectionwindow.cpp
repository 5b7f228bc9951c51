#include "selectionwindow.h"

#include "conversionqueue.h"
#include "failuretext.h"
#include "nametext.h"
#include "onlineservices.h"
#include "progresstext.h"
#include "sourcenames.h"
#include "ui_conversionframe.h"
#include "ui_selectionwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace {

// A selection of short files changes its numbers many times a second; the
// window draws them at most ten times a second, and the encoders keep the
// processor.
constexpr qint64 RefreshInterval = 100; // ms

// The album a selection of the tracks of one image is, as shown; null for
// any other selection.
QString albumOf(const QList<ConversionRequest> &requests)
{
    const auto sameImage = [&requests](const ConversionRequest &request) {
        return request.track && requests.first().track &&
               request.track->album == requests.first().track->album;
    };
    if (requests.isEmpty() || !std::all_of(requests.cbegin(), requests.cend(), sameImage))
        return QString();
    return nametext::forWindow(requests.first().track->album);
}

// "Converting 12 tracks of Album to MP3" for the tracks of one image,
// otherwise "Converting 12 files to MP3".
QString defaultTitle(const QList<ConversionRequest> &requests, const QString &format)
{
    const QString album = albumOf(requests);
    const int total = int(requests.size());
    if (!album.isNull())
        return QCoreApplication::translate("SelectionWindow", "Converting %n tracks of %1 to %2",
                                           nullptr, total)
            .arg(album, format);
    return QCoreApplication::translate("SelectionWindow", "Converting %n files to %1", nullptr,
                                       total)
        .arg(format);
}

} // namespace

SelectionWindow::SelectionWindow(const Services &services,
                                 std::shared_ptr<online::OnlineServices> online, QWidget *parent)
    : ConversionWindow(services, std::move(online), parent)
    , ui(std::make_unique<Ui::SelectionWindow>())
{
    setObjectName(QStringLiteral("SelectionWindow"));
    ui->setupUi(setUpFrame());
    finishFrame();
    connect(frame().link_Settings, &QLabel::linkActivated, this, [this] { showSettingsHint(); });
    connect(frame().link_About, &QLabel::linkActivated, this, [this] { showAbout(); });
    m_refresh.setSingleShot(true);
    connect(&m_refresh, &QTimer::timeout, this, &SelectionWindow::showNumbers);
}

SelectionWindow::~SelectionWindow() = default;

void SelectionWindow::startConversions(const QList<ConversionRequest> &requests)
{
    auto *queue = new ConversionQueue(requests, m_services, m_online.get(), this);
    watch(*queue);
    show();
    queue->start();
}

void SelectionWindow::setRun(const QString &title, const std::function<RunEnd()> &end)
{
    m_runTitle = title;
    m_runEnd = end;
    setTitle(title);
}

void SelectionWindow::setTitle(const QString &title)
{
    showTitle(title);
    ui->lbl_TimeRemaining->setText(tr("Calculating..."));
    frame().prb_Progress->setRange(0, 0);
    setTaskbarBusy();
}

void SelectionWindow::showPhase(const QString &text)
{
    ui->lbl_Count->setText(text);
}

void SelectionWindow::showQueue()
{
    if (m_refresh.isActive())
        return;
    const qint64 since = m_lastShown.isValid() ? m_lastShown.elapsed() : RefreshInterval;
    if (since >= RefreshInterval)
        showNumbers();
    else
        m_refresh.start(int(RefreshInterval - since));
}

void SelectionWindow::showNumbers()
{
    m_refresh.stop();
    m_lastShown.start();
    const ConversionQueue &queue = *this->queue();
    const int total = queue.total();
    if (!std::exchange(m_titled, true)) {
        const QString format =
            queue.requests().isEmpty() ? QString() : queue.requests().first().format.toUpper();
        setTitle(m_runTitle.isEmpty() ? defaultTitle(queue.requests(), format) : m_runTitle);
    }
    const int failed = queue.failedCount();
    ui->lbl_Count->setText(progresstext::selectionCount(queue.converted(), failed, total));
    QStringList names;
    const QStringList running = queue.running();
    for (const QString &name : running)
        names << nametext::forWindow(name);
    ui->lbl_Running->setText(names.join(QLatin1Char('\n')));

    if (queue.converted() + failed == 0 && running.isEmpty())
        return; // nothing started yet: the bar stays busy
    const int percent = qRound(queue.progress() * 100);
    if (frame().prb_Progress->maximum() == 0)
        frame().prb_Progress->setRange(0, 100);
    if (percent != m_percentShown) {
        m_percentShown = percent;
        frame().prb_Progress->setValue(percent);
        setTaskbarProgress(percent);
    }
    if (const std::optional<qint64> remaining = queue.remainingMs()) {
        const QString text = progresstext::timeRemaining(*remaining);
        if (!text.isEmpty())
            ui->lbl_TimeRemaining->setText(text);
    }
}

void SelectionWindow::showEnd(const std::function<void()> &done)
{
    showNumbers();
    const ConversionQueue &queue = *this->queue();
    if (m_runEnd) {
        const RunEnd end = m_runEnd();
        if (end.details.isEmpty() && !end.failed) {
            done();
            return;
        }
        if (end.failed)
            setTaskbarError();
        QMessageBox *box = openBox(
            end.failed ? QMessageBox::Critical : QMessageBox::Information,
            end.failed ? tr("Error") : QCoreApplication::translate("Soundmill", "Information"),
            end.sentence);
        box->setTextFormat(Qt::PlainText);
        QStringList details;
        for (const EndDetail &detail : end.details)
            details << detailText(detail);
        box->setDetailedText(details.join(QLatin1Char('\n')));
        connect(box, &QMessageBox::finished, this, done);
        return;
    }
    const QList<ConversionQueue::Failure> &failures = queue.failures();
    if (failures.isEmpty()) {
        done();
        return;
    }
    setTaskbarError();
    QStringList details;
    for (const ConversionQueue::Failure &failure : failures)
        details << tr("%1: %2").arg(nametext::forWindow(QDir::toNativeSeparators(failure.source)),
                                    failureText(failure.kind).simplified());
    for (const QString &album : queue.albumsWithoutValues())
        details << progresstext::albumWithoutValues(
            nametext::forWindow(QDir::toNativeSeparators(album)));
    QMessageBox *box = openBox(QMessageBox::Critical, tr("Error"),
                               progresstext::failedFiles(int(failures.size()), queue.total()));
    box->setTextFormat(Qt::PlainText);
    box->setDetailedText(details.join(QLatin1Char('\n')));
    connect(box, &QMessageBox::finished, this, done);
}

QString SelectionWindow::stopQuestion() const
{
    const int left = queue()->remaining();
    return left == 1 ? tr("Stop converting? The last file not yet converted will be skipped.")
                     : tr("Stop converting? The %n files not yet converted will be skipped.",
                          nullptr, left);
}
