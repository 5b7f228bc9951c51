#pragma once

#include "conversionjob.h"
#include "conversionrequest.h"
#include "conversionwindow.h"
#include "services.h"

#include <QStringList>
#include <memory>

struct SoundmillPrivate;

namespace Ui {
class Soundmill;
}

// The window that stays on screen while one file is converted. It watches a
// queue of one file (see ConversionQueue): its names, progress, time
// remaining and speed, its questions and its end; Cancel and closing the
// window stop it after asking. ended() comes once the conversion is over
// and its end shown, or once it was stopped.
class Soundmill : public ConversionWindow
{
    Q_OBJECT
public:
    // With Services(): nothing is asked, browsed, stored or posted.
    explicit Soundmill(QWidget *parent = nullptr);
    explicit Soundmill(const Services &services,
                       std::shared_ptr<online::OnlineServices> online = {},
                       QWidget *parent = nullptr);
    ~Soundmill() override;

    // Converts request in a queue of this window's own and shows it.
    void startConversion(const ConversionRequest &request);
    // The extra arguments are the encoder's for the volume and tags, as the
    // options dialog collects them.
    void startConversion(QString sourcePath, QString format, QStringList extraArgs);

    // Whether the conversion ended with its target written.
    bool converted() const;

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
    void showQueue() override;
    void showEnd(const std::function<void()> &done) override;
    QString stopQuestion() const override;

    void showJob(ConversionJob *job);
    void showStage(ConversionJob::Stage stage);
    void showWaiting(bool waiting);

    std::unique_ptr<Ui::Soundmill> ui;
    std::unique_ptr<SoundmillPrivate> d;
    std::function<void()> m_endShown;
};
