#include "conversionwindow.h"

#include "aboutdialog.h"
#include "adpanel.h"
#include "conversionqueue.h"
#include "onlineservices.h"
#include "resourceimage.h"
#include "taskbarbutton.h"
#include "ui_conversionframe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QShowEvent>

ConversionWindow::ConversionWindow(const Services &services,
                                   std::shared_ptr<online::OnlineServices> online, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_online(std::move(online))
    , m_frame(std::make_unique<Ui::ConversionFrame>())
{
    // The network stack loads on its own thread while the form is built: it
    // is needed for the usage post anyway, and loaded later it would hold up
    // the window's first paint.
    if (m_online)
        m_online->prepare();
}

ConversionWindow::~ConversionWindow()
{
    // The queue's jobs and the network replies may be children and die after
    // this class's members; what they emit on the way must not reach us.
    const QList<QObject *> descendants = findChildren<QObject *>();
    for (QObject *object : descendants)
        object->disconnect(this);
    if (m_queue)
        m_queue->disconnect(this);
}

namespace {

const QString LogoPicture = QStringLiteral(":/resources/imgs/icon.png");
const QString AdPicture = QStringLiteral(":/resources/imgs/likeus.png");

} // namespace

QStringList ConversionWindow::pictures()
{
    return {LogoPicture, AdPicture};
}

QWidget *ConversionWindow::setUpFrame()
{
    m_frame->setupUi(this);
    // The forms name no pictures: they are read here, for the screen's
    // pixel density.
    setWindowIcon(resourceimage::icon(LogoPicture));
    m_frame->lbl_Logo->setPixmap(resourceimage::pixmap(LogoPicture, devicePixelRatioF()));
    m_frame->lbl_Ad->setPixmap(resourceimage::pixmap(AdPicture, devicePixelRatioF()));
    m_frame->lbl_Logo->installEventFilter(this);
    m_frame->lbl_Title->installEventFilter(this);
    m_ad =
        new AdPanel(m_frame->lbl_Ad, this, m_services, m_online.get(), product::currentVersion());
    auto *details = new QWidget(m_frame->wi_Details);
    m_frame->detailsLayout->addWidget(details);
    return details;
}

void ConversionWindow::finishFrame()
{
    // The details were built after the frame, so the bottom band came first
    // in the focus chain. Taken out and put back, it and its Cancel button
    // come last, after the details, as in a form built in one piece.
    QWidget *bottom = m_frame->wi_Bottom;
    bottom->setParent(nullptr);
    bottom->setParent(this);
    m_frame->verticalLayout->addWidget(bottom);
}

void ConversionWindow::setTaskbarButton(taskbar::TaskbarButton *button)
{
    m_taskbarButton = button;
}

void ConversionWindow::watch(ConversionQueue &queue)
{
    m_queue = &queue;
    connect(&queue, &ConversionQueue::changed, this, &ConversionWindow::showQueue);
    connect(&queue, &ConversionQueue::directoryWanted, this,
            [this](ConversionJob::Question question) { askDirectory(question); });
    connect(&queue, &ConversionQueue::finished, this, &ConversionWindow::queueFinished);
    showQueue();
    // A queue started before it was watched may have asked already, or
    // ended; the answer or the end is taken up on the event loop, where the
    // window is shown and the run can end.
    const bool finished = queue.isFinished();
    const std::optional<ConversionJob::Question> asked = queue.openQuestion();
    if (!finished && !asked)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, finished, asked] {
            if (finished)
                queueFinished();
            else if (!m_queue->isFinished() && m_queue->openQuestion() == asked)
                askDirectory(*asked);
        },
        Qt::QueuedConnection);
}

void ConversionWindow::askDirectory(ConversionJob::Question question)
{
    const int asked = ++m_question;
    const auto choose = [this, asked] {
        if (asked != m_question || m_ended)
            return;
        m_services.askDirectory(this, [this, asked](const QString &directory) {
            // A chooser dropped at the end answers nothing.
            if (asked == m_question && !m_ended && m_queue)
                m_queue->answerDirectory(directory);
        });
    };
    if (question == ConversionJob::Question::TargetDirectory) {
        choose();
        return;
    }
    QMessageBox *box = openBox(
        QMessageBox::Critical, tr("Error"),
        QCoreApplication::translate("Soundmill", "The target directory is not writable.\nPlease "
                                                 "choose another directory."));
    connect(box, &QMessageBox::finished, this, choose);
}

QMessageBox *ConversionWindow::openBox(int icon, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Icon(icon), title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

void ConversionWindow::queueFinished()
{
    // A question the end has made pointless goes, and so does the stop
    // question: there is nothing left to stop.
    dropQuestions();
    if (m_queue->wasStopped()) {
        end();
        return;
    }
    showEnd([this] { end(); });
}

void ConversionWindow::dropQuestions()
{
    ++m_question;
    const QList<QDialog *> open = findChildren<QDialog *>(Qt::FindDirectChildrenOnly);
    for (QDialog *dialog : open) {
        if (dialog->isVisible())
            dialog->reject();
    }
}

void ConversionWindow::end()
{
    if (std::exchange(m_ended, true))
        return;
    dropQuestions();
    // The window goes at once; the process may stay a moment longer, unseen,
    // for the usage records and bug reports. The advertisement is abandoned.
    hide();
    m_ad->stop();
    emit ended();
}

void ConversionWindow::closeEvent(QCloseEvent *event)
{
    // The window closes itself (end()) once the run is over; a close request
    // meanwhile asks whether to stop, and the answer comes as a call.
    event->ignore();
    if (m_ended || !m_queue) {
        event->accept();
        return;
    }
    if (m_queue->isFinished() || m_stopBox)
        return;
    m_stopBox = new QMessageBox(QMessageBox::Question, tr("Question"), stopQuestion(),
                                QMessageBox::Yes | QMessageBox::No, this);
    m_stopBox->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_stopBox, &QMessageBox::finished, this, [this](int answer) {
        if (answer == QMessageBox::Yes && m_queue && !m_queue->isFinished())
            m_queue->stop();
    });
    m_stopBox->open();
}

void ConversionWindow::setTaskbarError()
{
    if (!m_taskbarButton)
        return;
    taskbar::TaskbarProgressBar *bar = m_taskbarButton->progressBar();
    bar->setValue(100);
    bar->setState(taskbar::TaskbarProgressBar::ErrorProgress);
}

void ConversionWindow::setTaskbarProgress(int percent)
{
    if (!m_taskbarButton)
        return;
    taskbar::TaskbarProgressBar *bar = m_taskbarButton->progressBar();
    bar->setValue(percent);
    bar->setState(taskbar::TaskbarProgressBar::NormalProgress);
}

void ConversionWindow::setTaskbarBusy()
{
    if (m_taskbarButton)
        m_taskbarButton->progressBar()->setState(
            taskbar::TaskbarProgressBar::IndeterminateProgress);
}

void ConversionWindow::showSettingsHint()
{
    // The texts are the conversion window's.
    openBox(QMessageBox::Information, QCoreApplication::translate("Soundmill", "Information"),
            QCoreApplication::translate(
                "Soundmill", "To set common settings open Tonewright in the start menu.\nTo "
                             "change the volume of the file or add metadata select advanced "
                             "conversion from Explorer."));
}

void ConversionWindow::showAbout()
{
    // A window of its own, modal, as it always was. The person opened it
    // from a link: no call of the engine waits under it.
    AboutDialog dialog(m_services);
    dialog.exec();
}

void ConversionWindow::showEvent(QShowEvent *event)
{
    event->accept();
    m_ad->restart();
}

bool ConversionWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (m_taskbarButton)
        return m_taskbarButton->nativeEvent(eventType, message, result);
    return false;
}

void ConversionWindow::showTitle(const QString &title)
{
    m_title = title;
    setWindowTitle(title);
    fitTitle();
}

void ConversionWindow::fitTitle()
{
    QLabel *label = m_frame->lbl_Title;
    const QString &title = m_title;
    const QString shown =
        label->fontMetrics().elidedText(title, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == title ? QString() : title);
}

bool ConversionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame->lbl_Title && event->type() == QEvent::Resize && !m_title.isEmpty())
        fitTitle();
    if (watched == m_frame->lbl_Logo && event->type() == QEvent::MouseButtonPress) {
        m_services.openAddress(m_services.addresses.website);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
