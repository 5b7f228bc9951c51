#pragma once

#include "onlineservices.h"
#include "services.h"

#include <QDialog>

#include <memory>

namespace Ui {
class SoundmillGui;
}

// The settings dialog. It has no OK or Cancel: every control writes its
// setting the moment it changes.
class SoundmillGui : public QDialog
{
    Q_OBJECT

public:
    // With the real services.
    explicit SoundmillGui(QWidget *parent = nullptr);
    explicit SoundmillGui(const Services &services, QWidget *parent = nullptr);
    ~SoundmillGui() override;

    // The dialog's statistics posts, for the program's end to wait for.
    online::OnlineServices &online() { return *m_online; }

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
    // Posts still under way when the dialog goes are abandoned with it.
    std::shared_ptr<online::OnlineServices> m_online;
};
