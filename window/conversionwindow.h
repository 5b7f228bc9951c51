#pragma once

#include "conversionjob.h"
#include "conversionqueue.h"
#include "services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class AdPanel;
class QCloseEvent;
class QLabel;
class QMessageBox;
class QShowEvent;

namespace Ui {
class ConversionFrame;
}
namespace online {
class OnlineServices;
}
namespace taskbar {
class TaskbarButton;
}

// What the window of one file and the window of a selection share: the
// frame around the progress (logo, links, advertisement, taskbar button),
// the queue they watch, its questions asked window-modal and answered by
// calls, and the close logic. A window never drives the conversion: it
// shows the queue and turns Cancel, the window's close and its answers into
// calls on it.
//
// ended() comes exactly once: after the queue finished and its end was
// shown (the person closed the box, if any), or after the queue was
// stopped. The window is hidden by then; whoever runs the program decides
// the status from the queue.
class ConversionWindow : public QWidget
{
    Q_OBJECT
public:
    ~ConversionWindow() override;

    void setTaskbarButton(taskbar::TaskbarButton *button);
    // Shows queue from now until it finishes. The queue outlives the window
    // or is its child.
    void watch(ConversionQueue &queue);
    ConversionQueue *queue() const { return m_queue; }

    // The pictures the frame shows (resources), for reading them ahead.
    static QStringList pictures();

signals:
    void ended();

protected:
    // online carries the window's statistics posts and advertisement
    // fetches; null: nothing is posted, and no advertisement or update
    // question comes.
    ConversionWindow(const Services &services, std::shared_ptr<online::OnlineServices> online,
                     QWidget *parent);
    // Builds the frame both windows share (bands, logo, progress bar,
    // advertisement, links, Cancel) and returns the widget inside it where
    // the subclass builds the details of its own form. Called from the
    // subclass's constructor, so that the frame's links reach its slots.
    QWidget *setUpFrame();
    // Called once the details are built: Tab goes from them to Cancel.
    void finishFrame();
    Ui::ConversionFrame &frame() const { return *m_frame; }
    // The title, whole in the window's title bar, and in the frame cut to
    // the room there (a long album's or folder's name) with its end as "…".
    void showTitle(const QString &title);

    // What the subclass shows of the queue.
    virtual void showQueue() = 0;
    // The queue ran its course: show the end, then call done().
    virtual void showEnd(const std::function<void()> &done) = 0;
    // The question asked when the person closes the window while files run.
    virtual QString stopQuestion() const = 0;

    // A window-modal box over this window; dropped when the run ends.
    QMessageBox *openBox(int icon, const QString &title, const QString &text);
    void setTaskbarError();
    void setTaskbarProgress(int percent);
    void setTaskbarBusy();

    void showSettingsHint();
    void showAbout();
    AdPanel &adPanel() const { return *m_ad; }

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

    const Services m_services;
    std::shared_ptr<online::OnlineServices> m_online;
    taskbar::TaskbarButton *m_taskbarButton = nullptr;

private:
    void fitTitle();

    QString m_title; // as showTitle() was given it

    std::unique_ptr<Ui::ConversionFrame> m_frame;

    void askDirectory(ConversionJob::Question question);
    void queueFinished();
    // Closes every box and chooser this window has open.
    void dropQuestions();
    void end();

    QPointer<ConversionQueue> m_queue;
    AdPanel *m_ad = nullptr;
    QPointer<QMessageBox> m_stopBox;
    // Answers to choosers of an earlier question are not taken.
    int m_question = 0;
    bool m_ended = false;
};
