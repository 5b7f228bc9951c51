#include "aboutdialog.h"

#include "ui_aboutdialog.h"

#include "toollocator.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>

// The licence text is a resource of this static library; naming its
// initialiser makes the linker keep it.
static void initDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

QString link(const QString &target, const QString &text, const QString &size = QString())
{
    const QString sizeStyle =
        size.isEmpty() ? QString() : QStringLiteral(" font-size:") + size + QLatin1Char(';');
    return QStringLiteral("<a href=\"") + target.toHtmlEscaped() +
           QStringLiteral("\"><span style=\"") + sizeStyle +
           QStringLiteral(" text-decoration: underline; color:#0000ff;\">") + text.toHtmlEscaped() +
           QStringLiteral("</span></a>");
}

QString licenceText()
{
    QFile file(QStringLiteral(":/dialogs/licence/gpl-2.0.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : AboutDialog(Services(), parent)
{
}

AboutDialog::AboutDialog(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AboutDialog>())
    , m_services(services)
{
    initDialogResources();
    m_ui->setupUi(this);
    m_ui->textBrowser->setHtml(aboutText());
    // Links are opened here rather than by the browser widget, which would
    // load the relative "licenses.zip" in place of the About text.
    m_ui->textBrowser->setOpenLinks(false);
    connect(m_ui->textBrowser, &QTextBrowser::anchorClicked, this, &AboutDialog::openLink);
    m_ui->textBrowser_2->setHtml(licenceText());
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::on_bb_Buttons_clicked(QAbstractButton *)
{
    close();
}

void AboutDialog::on_tw_Tabs_currentChanged(int index)
{
    if (m_ui->tw_Tabs->widget(index) != m_ui->QtTab)
        return;
    // The Qt page is never left current: behind the toolkit's box the user
    // finds the About text again.
    m_ui->tw_Tabs->setCurrentIndex(0);
    QApplication::aboutQt();
}

void AboutDialog::openLink(const QUrl &url)
{
    if (!url.isRelative()) {
        m_services.openAddress(url);
        return;
    }
    // A relative link names a file of the installation, beside the program.
    const QString path = toollocator::programDirectory() + url.path();
    if (QFileInfo(path).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString AboutDialog::aboutText() const
{
    const QString site = m_services.addresses.website.toString();
    const QString builds = m_services.addresses.encoderBuilds.toString();
    const QString licences = QStringLiteral("licenses.zip");
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };

    return QStringLiteral(
               "<html><head></head><body style=\"font-family:'MS Shell Dlg 2'; font-size:8.25pt; "
               "font-weight:400; font-style:normal;\">"
               "<p style=\"margin-top:18px; margin-bottom:12px;\">"
               "<span style=\"font-size:16pt; font-weight:600;\">") +
           escaped(tr("About Tonewright")) + QStringLiteral("</span></p><p>") +
           link(site, site, QStringLiteral("8pt")) +
           QStringLiteral("</p><p><span style=\"font-size:8pt;\">") +
           escaped(tr("This software is free to use.")) + QStringLiteral("<br />") +
           escaped(tr("Share with your friends and enjoy it.")) + QStringLiteral("<br />") +
           escaped(tr("This application uses FFmpeg as a standalone executable; its builds can be "
                      "found at %1."))
               .arg(link(builds, builds)) +
           QStringLiteral("<br />") +
           escaped(tr("You can download the source code on the site above.")) +
           QStringLiteral("<br />") +
           escaped(tr("No FFmpeg libraries were built into this application.")) +
           QStringLiteral("</span></p><p><span style=\"font-size:8pt;\">") +
           escaped(tr("See %1 for more information in the installation directory if Tonewright."))
               .arg(QStringLiteral("</span>") + link(licences, licences, QStringLiteral("8pt")) +
                    QStringLiteral("<span style=\"font-size:8pt;\">")) +
           QStringLiteral("</span></p></body></html>");
}
