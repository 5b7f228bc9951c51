#pragma once

#include "conversionrequest.h"
#include "services.h"
#include "targetreservation.h"

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

// The window that stays on screen while one file is converted. It owns the
// encoder process and all state of the conversion, and reports through
// ended() when the program is to end: the encoder has ended, or the user or
// the session stopped the conversion.
class Soundmill : public QWidget
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
    void startConversion(QString sourcePath, QString format, QStringList extraArgs);

    // The process is asked to end (the session ends, someone sends SIGTERM):
    // stop the encoder or extractor, take back the reserved target and the
    // temporary file, and end with the given status, without asking.
    void stopForTermination(int status);

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
    bool waitForEncoderSlot();
    // Extracts the track into d->temporaryInput. False when the conversion
    // has ended instead: stopped by the user, or the track not extracted.
    bool ripCdTrack(const QString &cdaPath);
    // The error box, then the end of a conversion whose encoder never ran.
    void endWithoutEncoder(const QString &message);
    void discardTemporaryInput();
    QString chooseDirectory();
    // Invalid when the target's name is too long for any folder.
    targetreservation::Reservation reserveTarget(const QString &source, const QString &format);
    void reportMissingEncoder();
    void convertWithoutCover();
    void encoderFailedToStart();
    void stopEncoder();
    void abandonConversion();
    // Hides the window and reports the end of a conversion that ran its course.
    void endFinished();

    std::unique_ptr<Ui::Soundmill> ui;
    std::unique_ptr<SoundmillPrivate> d;
    const Services m_services;
    AdPanel *m_ad = nullptr; // a child: the advertisement beside the progress
};
