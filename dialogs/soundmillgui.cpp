#include "soundmillgui.h"

#include "ui_soundmillgui.h"

#include "aboutdialog.h"
#include "reportsink.h"
#include "settings.h"

#include "resourceimage.h"

#include <QMessageBox>

namespace {
constexpr int BitrateStep = 32;
}

SoundmillGui::SoundmillGui(QWidget *parent)
    : SoundmillGui(Services(), nullptr, parent)
{
}

SoundmillGui::SoundmillGui(const Services &services, ReportSink *reports, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SoundmillGui>())
    , m_services(services)
    , m_reports(reports)
{
    m_ui->setupUi(this);
    // The header picture is chosen for the screen's pixel density.
    m_ui->lbl_Logo->setPixmap(resourceimage::pixmap(QStringLiteral(":/resources/imgs/advenced.png"),
                                                    devicePixelRatioF()));
    connect(m_ui->pushButton_5, &QPushButton::clicked, this, &QDialog::close);

    // A stored bitrate other than the slider's 128 comes back through the
    // slider's value signal and is stored again; an invalid one shows as 128
    // and stays as it is until the user changes something.
    showBitrate(
        settings::bitrateFromText(m_services.readSetting(QLatin1String(settings::BitrateKey))));

    m_ui->cb_SendStat->setChecked(settings::sendReportsFromText(
        m_services.readSetting(QLatin1String(settings::SendStatKey))));

    // The same rule as the conversion's, so that the dialog shows what the
    // next conversion will do; nothing is written back.
    switch (settings::targetRuleFromText(
        m_services.readSetting(QLatin1String(settings::TargetDirKey)))) {
    case settings::TargetRule::Directory:
        m_ui->btn_TSame->setChecked(false);
        m_ui->btn_TA->setChecked(false);
        m_ui->btn_TB->setChecked(true);
        break;
    case settings::TargetRule::Ask:
        m_ui->btn_TSame->setChecked(false);
        m_ui->btn_TA->setChecked(true);
        m_ui->btn_TB->setChecked(false);
        break;
    case settings::TargetRule::SameAsSource:
        m_ui->btn_TSame->setChecked(true);
        m_ui->btn_TA->setChecked(false);
        m_ui->btn_TB->setChecked(false);
        break;
    }

    // The choices are listed in the setting's order. An unreadable stored
    // value shows as the default and is written only when the user chooses.
    m_ui->cb_ReplayGain->setCurrentIndex(int(settings::replayGainFromText(
        m_services.readSetting(QLatin1String(settings::ReplayGainKey)))));
    connect(m_ui->cb_ReplayGain, &QComboBox::activated, this, [this](int index) {
        m_services.writeSetting(QLatin1String(settings::ReplayGainKey),
                                replaygain::word(ReplayGain(index)));
    });

    if (m_reports)
        m_reports->sendUsage(QStringLiteral("tonewright"), QStringLiteral("gui"));
}

SoundmillGui::~SoundmillGui() = default;

void SoundmillGui::on_btn_Def_clicked()
{
    showBitrate(settings::DefaultBitrate);
}

void SoundmillGui::on_cb_SendStat_clicked()
{
    m_services.writeSetting(QLatin1String(settings::SendStatKey), m_ui->cb_SendStat->isChecked()
                                                                      ? QStringLiteral("true")
                                                                      : QStringLiteral("false"));
}

void SoundmillGui::on_sli_Bitrate_sliderMoved(int value)
{
    applyBitrate(value);
}

void SoundmillGui::on_btn_TSame_clicked()
{
    m_ui->btn_TSame->setChecked(true);
    m_ui->btn_TA->setChecked(false);
    m_ui->btn_TB->setChecked(false);
    m_services.writeSetting(QLatin1String(settings::TargetDirKey), QStringLiteral("same"));
}

void SoundmillGui::on_btn_TA_clicked()
{
    m_ui->btn_TSame->setChecked(false);
    m_ui->btn_TA->setChecked(true);
    m_ui->btn_TB->setChecked(false);
    m_services.writeSetting(QLatin1String(settings::TargetDirKey), QStringLiteral("ask"));
}

void SoundmillGui::on_btn_TB_clicked()
{
    m_ui->btn_TSame->setChecked(false);
    m_ui->btn_TA->setChecked(false);
    m_ui->btn_TB->setChecked(true);
    m_services.askDirectory(this, [this](const QString &directory) {
        if (directory.isEmpty()) {
            // No directory chosen: fall back to the safe choice rather than
            // leaving a custom target without a directory.
            on_btn_TSame_clicked();
            return;
        }
        m_services.writeSetting(QLatin1String(settings::TargetDirKey), directory);
    });
}

void SoundmillGui::on_sli_Bitrate_valueChanged(int value)
{
    applyBitrate(value);
}

void SoundmillGui::on_link_About_linkActivated(const QString &)
{
    AboutDialog about(m_services);
    about.exec();
}

void SoundmillGui::on_link_Settings_linkActivated(const QString &)
{
    QMessageBox::information(
        this, tr("Conversion help"),
        tr("Just go to Explorer or your desktop, select your audio/video file and right click on "
           "it.\n"
           "Select Convert to *file type* to convert the file to *file type*.\n"
           "If you want to increase the volume select advanced conversion."),
        QMessageBox::Ok);
}

void SoundmillGui::showBitrate(int bitrate)
{
    // Setting a new value re-enters applyBitrate() through valueChanged.
    m_ui->sli_Bitrate->setValue(bitrate);
    m_ui->lbl_Kbps->setText(tr("%1 kbps").arg(bitrate));
}

void SoundmillGui::applyBitrate(int value)
{
    const int remainder = value % BitrateStep;
    if (remainder == 0) {
        showBitrate(value);
        m_services.writeSetting(QLatin1String(settings::BitrateKey), QString::number(value));
        return;
    }
    // Only whole steps are stored; the rounded value comes back through the
    // slider's own signal and is stored there.
    const int roundedDown = value - remainder;
    showBitrate(remainder < BitrateStep / 2 ? roundedDown : roundedDown + BitrateStep);
}
