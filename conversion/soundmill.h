#pragma once

#include "conversionjob.h"
#include "conversionrequest.h"
#include "services.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class AdPanel;
class QCloseEvent;
class QShowEvent;
struct SoundmillPrivate;

namespace Ui {
class Soundmill;
}
namespace online {
class OnlineServices;
}
namespace taskbar {
class TaskbarButton;
}

// The window that stays on screen while one file is converted. It shows one
// conversion job (see ConversionJob): its names, progress, time remaining
// and speed, its questions and its end; Cancel, closing the window and
// termination requests stop it. It reports through ended() when the program
// is to end: the conversion has ended, or the user or the session stopped it.
class Soundmill : public QWidget, private ConversionJobDelegate
{
    Q_OBJECT
public:
    // How the conversion came to its end. One that ran its course (the
    // target written, or its failure shown) is Finished: the window is
    // already hidden, and the process lets its statistics posts arrive
    // before it ends. One that the user or a termination request stopped
    // ends at once.
    enum class End { Finished, Stopped };
    Q_ENUM(End)

    // With the real services.
    explicit Soundmill(QWidget *parent = nullptr);
    explicit Soundmill(const Services &services, QWidget *parent = nullptr);
    ~Soundmill() override;

    void setTaskbarButton(taskbar::TaskbarButton *button);
    void startConversion(const ConversionRequest &request);
    // The extra arguments are the encoder's for the volume and tags, as the
    // options dialog collects them.
    void startConversion(QString sourcePath, QString format, QStringList extraArgs);

    // The process is asked to end (the session ends, someone sends SIGTERM):
    // stop the conversion, which takes back its files, and end with the
    // given status, without asking.
    void stopForTermination(int status);

    // Whether the conversion ended with its target written.
    bool converted() const;

    // The window's statistics posts and advertisement fetches.
    online::OnlineServices &online();

signals:
    // The conversion is over, and so is the program, with this status. The
    // window is done with everything; the receiver ends the process (see End).
    void ended(int status, Soundmill::End how);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private slots:
    void ffmpeg_readyRead();
    void ffmpeg_finished(int ExitCode);
    // The advertisement document's and picture's bodies, once fetched;
    // the advertisement's panel does the work (see AdPanel).
    void adInfoOk(const QByteArray &body);
    void adImageOk(const QByteArray &body);
    void on_link_Settings_linkActivated(QString link);
    void on_link_About_linkActivated(QString link);
    void show_updateMessage();

private:
    // The job's questions, asked over this window.
    void askTargetDirectory(ConversionJob &job) override;
    void askAnotherDirectory(ConversionJob &job) override;
    void reportEncoderMissing(ConversionJob &job) override;

    void showStage(ConversionJob::Stage stage);
    void showWaiting(bool waiting);
    void jobEnded(const ConversionEnd &end);
    void abandonConversion();
    // Hides the window and reports the end of a conversion that ran its course.
    void endFinished();

    std::unique_ptr<Ui::Soundmill> ui;
    std::unique_ptr<SoundmillPrivate> d;
    const Services m_services;
    AdPanel *m_ad = nullptr; // a child: the advertisement beside the progress
};
