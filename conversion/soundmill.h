#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

class QCloseEvent;
class QShowEvent;
struct SoundmillPrivate;

namespace Ui {
class Soundmill;
}
namespace taskbar {
class TaskbarButton;
}

// The window that stays on screen while one file is converted. It owns the
// encoder process and all state of the conversion, and ends the program when
// the encoder has ended.
class Soundmill : public QWidget
{
    Q_OBJECT
public:
    explicit Soundmill(QWidget *parent = nullptr);
    ~Soundmill() override;

    void setTaskbarButton(taskbar::TaskbarButton *button);
    void startConversion(QString sourcePath, QString format, QStringList extraArgs);

    // The process is asked to end (the session ends, someone sends SIGTERM):
    // stop the encoder or extractor, take back the reserved target and the
    // temporary file, and end with the given status, without asking.
    void stopForTermination(int status);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private slots:
    void ffmpeg_readyRead();
    void ffmpeg_finished(int ExitCode);
    // The advertisement document's and picture's bodies, once fetched.
    void adInfoOk(const QByteArray &body);
    void adImageOk(const QByteArray &body);
    void on_link_Settings_linkActivated(QString link);
    void on_link_About_linkActivated(QString link);
    void show_updateMessage();

private:
    void prepareAdvertisement();
    void requestAdDocument();
    bool waitForEncoderSlot();
    QString ripCdTrack(const QString &cdaPath);
    void discardTemporaryInput();
    QString chooseDirectory();
    QString reserveTarget(const QString &source, const QString &format);
    void encoderFailedToStart();
    void stopEncoder();
    void abandonConversion();
    // Ends the process after a finished conversion, once its posts are done.
    void endAfterPosts();

    std::unique_ptr<Ui::Soundmill> ui;
    std::unique_ptr<SoundmillPrivate> d;
};
