#pragma once

#include "services.h"

#include <QDialog>

#include <memory>

class ReportSink;

namespace Ui {
class SoundmillGui;
}

// The settings dialog. It has no OK or Cancel: every control writes its
// setting the moment it changes.
class SoundmillGui : public QDialog
{
    Q_OBJECT

public:
    // With Services(): nothing is asked, browsed, stored or posted.
    explicit SoundmillGui(QWidget *parent = nullptr);
    // Each dialog made posts its usage record to reports (none when null),
    // which outlives it.
    explicit SoundmillGui(const Services &services, ReportSink *reports = nullptr,
                          QWidget *parent = nullptr);
    ~SoundmillGui() override;

private slots:
    void on_btn_Def_clicked();
    void on_cb_SendStat_clicked();
    void on_sli_Bitrate_sliderMoved(int value);
    void on_btn_TSame_clicked();
    void on_btn_TA_clicked();
    void on_btn_TB_clicked();
    void on_sli_Bitrate_valueChanged(int value);
    void on_link_About_linkActivated(const QString &link);
    void on_link_Settings_linkActivated(const QString &link);

private:
    void showBitrate(int bitrate);
    void applyBitrate(int value);

    std::unique_ptr<Ui::SoundmillGui> m_ui;
    const Services m_services;
    ReportSink *const m_reports;
};
