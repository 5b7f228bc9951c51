#pragma once

#include "conversionqueue.h"
#include "services.h"
#include "soundmill.h"

#include <QWidget>
#include <memory>

class AdPanel;
class QCloseEvent;
class QShowEvent;

namespace Ui {
class SelectionWindow;
}
namespace online {
class OnlineServices;
}
namespace taskbar {
class TaskbarButton;
}

// The window of a selection of files: one progress for all of them, the
// time remaining for all of them, how many are converted and failed, and
// the names of those being encoded now. It belongs to the conversion
// window's family (its bands, colours, links and advertisement) and shows a
// ConversionQueue. It asks the selection's questions once, shows no box of
// its own while files run, and sums up the failures in one box at the end.
class SelectionWindow : public QWidget, private ConversionQueueDelegate
{
    Q_OBJECT
public:
    explicit SelectionWindow(const Services &services, QWidget *parent = nullptr);
    ~SelectionWindow() override;

    void setTaskbarButton(taskbar::TaskbarButton *button);
    // Shows the window and starts converting the files.
    void startConversions(const QList<ConversionRequest> &requests);
    // The process is asked to end: stop every running conversion (their
    // files are taken back), start no other, and end with this status.
    void stopForTermination(int status);

signals:
    // Every file has ended, or the user or the session stopped the rest.
    // Status 0 when every file was converted, 1 when any failed or was
    // skipped; a termination's own status. Finished: the posts may settle.
    void ended(int status, Soundmill::End how);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void askTargetDirectory(ConversionQueue &queue) override;
    void askAnotherDirectory(ConversionQueue &queue) override;
    void reportEncoderMissing(ConversionQueue &queue) override;

    void showProgress();
    void queueFinished();
    // Stops what runs and skips the rest; the end is reported by the caller.
    void stopConversions();

    std::unique_ptr<Ui::SelectionWindow> ui;
    const Services m_services;
    std::shared_ptr<online::OnlineServices> m_online;
    AdPanel *m_ad = nullptr;
    ConversionQueue *m_queue = nullptr;
    taskbar::TaskbarButton *m_taskbarButton = nullptr;
    bool m_ended = false; // ended() was emitted; a close now just closes
    int m_percentShown = -1;
};
