#include "advancedoptions.h"
#include "ui_advancedoptions.h"

#include "encoderarguments.h"
#include "soundmillgui.h"

#include "resourceimage.h"

#include <QCloseEvent>

AdvancedOptions::AdvancedOptions(QWidget *parent)
    : AdvancedOptions(Services(), nullptr, parent)
{
}

AdvancedOptions::AdvancedOptions(const Services &services, ReportSink *reports, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AdvancedOptions>())
    , m_services(services)
    , m_reports(reports)
{
    m_ui->setupUi(this);
    // The header picture is chosen for the screen's pixel density.
    m_ui->lbl_Logo->setPixmap(resourceimage::pixmap(QStringLiteral(":/resources/imgs/advenced.png"),
                                                    devicePixelRatioF()));
    connect(m_ui->cb_Year, &QCheckBox::toggled, m_ui->num_Year, &QSpinBox::setEnabled);
}

AdvancedOptions::~AdvancedOptions() = default;

QString AdvancedOptions::format() const
{
    return m_format;
}

void AdvancedOptions::setFileCount(int count)
{
    if (count < 2)
        return;
    setWindowTitle(tr("Advanced Conversion Options (%n files)", nullptr, count));
    m_ui->txt_Title->clear();
    m_ui->txt_Title->setEnabled(false);
    m_ui->txt_Title->setPlaceholderText(tr("(each file keeps its own)"));
}

EncoderOptions AdvancedOptions::options() const
{
    return m_options;
}

QStringList AdvancedOptions::extraArguments() const
{
    return m_extraArguments;
}

void AdvancedOptions::closeEvent(QCloseEvent *event)
{
    // The base handler is skipped on purpose: every close, by the Convert
    // button or the window's own close button, delivers the choices.
    collect();
    setResult(QDialog::Accepted);
    event->accept();
}

void AdvancedOptions::on_btn_Cancel_clicked()
{
    reject();
}

void AdvancedOptions::on_btn_Convert_clicked()
{
    close();
}

void AdvancedOptions::on_btn_Settings_clicked()
{
    SoundmillGui settings(m_services, m_reports);
    settings.exec();
}

void AdvancedOptions::collect()
{
    m_format = m_ui->cb_Format->currentText();
    EncoderOptions options;
    // A disabled title field stands for "each file keeps its own".
    if (m_ui->txt_Title->isEnabled())
        options.title = m_ui->txt_Title->text();
    options.album = m_ui->txt_Album->text();
    options.artist = m_ui->txt_Artist->text();
    if (m_ui->num_Year->isEnabled())
        options.year = m_ui->num_Year->value();
    bool ok = false;
    const int percent = m_ui->cb_Volume->currentText().toInt(&ok, 10);
    if (ok)
        options.volume = percent;
    m_options = options;
    m_extraArguments << encoderarguments::optionArguments(options);
}
