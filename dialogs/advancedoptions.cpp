#include "advancedoptions.h"
#include "ui_advancedoptions.h"

#include "soundmillgui.h"

#include <QCloseEvent>

namespace {

// The encoder's volume filter takes a factor; the list offers percentages.
// Integer arithmetic keeps the text free of locale and rounding noise:
// 25 -> 0.25, 150 -> 1.5, 400 -> 4.
QString volumeFactor(int percent)
{
    QString text = QString::number(percent / 100);
    const int hundredths = percent % 100;
    if (hundredths == 0)
        return text;
    QString fraction = QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return text + QLatin1Char('.') + fraction;
}

} // namespace

AdvancedOptions::AdvancedOptions(QWidget *parent)
    : AdvancedOptions(Services(), parent)
{
}

AdvancedOptions::AdvancedOptions(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AdvancedOptions>())
    , m_services(services)
{
    m_ui->setupUi(this);
    connect(m_ui->cb_Year, &QCheckBox::toggled, m_ui->num_Year, &QSpinBox::setEnabled);
}

AdvancedOptions::~AdvancedOptions() = default;

QString AdvancedOptions::format() const
{
    return m_format;
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
    SoundmillGui settings(m_services);
    settings.exec();
}

void AdvancedOptions::collect()
{
    // Texts go out exactly as typed; the process launcher does the quoting.
    m_format = m_ui->cb_Format->currentText();

    const auto addTag = [this](const QString &key, const QString &value) {
        if (value.isEmpty())
            return;
        m_extraArguments << QStringLiteral("-metadata") << key + QLatin1Char('=') + value;
    };
    addTag(QStringLiteral("title"), m_ui->txt_Title->text());
    addTag(QStringLiteral("album"), m_ui->txt_Album->text());
    // "artist" and "date" are the keys the encoder maps onto every container's
    // own tag; "author" and "year" were silently dropped by most of them.
    addTag(QStringLiteral("artist"), m_ui->txt_Artist->text());
    if (m_ui->num_Year->isEnabled())
        addTag(QStringLiteral("date"), QString::number(m_ui->num_Year->value()));

    const QString volume = m_ui->cb_Volume->currentText();
    bool ok = false;
    const int percent = volume.toInt(&ok, 10);
    if (volume != QLatin1String("100") && ok && percent > 0)
        m_extraArguments << QStringLiteral("-filter:a")
                         << QStringLiteral("volume=") + volumeFactor(percent);
}
