#include "desktopsteps.h"

#include "advancedoptions.h"
#include "albumimage.h"
#include "commandline.h"
#include "desktopchoosers.h"
#include "desktopnotification.h"
#include "filedialog.h"
#include "nametext.h"
#include "onlineservices.h"
#include "processexit.h"
#include "soundmillgui.h"
#include "taskbarbutton.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// The real parts that need the application object: the desktop's choosers
// and browser, and its notifications.
Services completed(const Services &services, bool hasDisplay)
{
    Services desktop = hasDisplay ? withDesktopChoosers(services) : services;
    if (!desktop.notify) {
        desktop.notify = [](const QString &sentence) {
            taskbar::notify(QStringLiteral("Tonewright"), sentence);
        };
    }
    return desktop;
}

void printError(const QString &message)
{
    std::fprintf(stderr, "tonewright: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
}

} // namespace

DesktopSteps::DesktopSteps(const Services &services, bool hasDisplay,
                           online::OnlineBackendFactory onlineBackend)
    : m_services(completed(services, hasDisplay))
    , m_online(std::make_shared<online::OnlineServices>(services.addresses.statsServer,
                                                        std::move(onlineBackend)))
    , m_hasDisplay(hasDisplay)
{
}

bool DesktopSteps::fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool DesktopSteps::isRegularFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool DesktopSteps::isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

void DesktopSteps::reportNoDisplay()
{
    printError(QCoreApplication::translate(
        "CommandLine", "This needs a dialog, but no display is available. Name the format and "
                       "the file on the command line, as in: tonewright mp3 song.flac"));
}

void DesktopSteps::showSettings()
{
    if (!m_hasDisplay) {
        reportNoDisplay();
        return;
    }
    SoundmillGui dialog(m_services, m_online.get());
    dialog.exec();
    // The process ends right after: its usage post arrives first.
    m_online->settlePosts(QDeadlineTimer(online::PostsGraceMs));
}

QString DesktopSteps::chooseFile()
{
    if (!m_hasDisplay) {
        reportNoDisplay();
        return QString();
    }
    FileDialog dialog(m_services);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.fileName();
}

bool DesktopSteps::chooseOptions(int fileCount, QString &format, EncoderOptions &options)
{
    if (!m_hasDisplay) {
        reportNoDisplay();
        return false;
    }
    AdvancedOptions dialog(m_services, m_online.get());
    dialog.setFileCount(fileCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    format = dialog.format();
    options = dialog.options();
    return true;
}

ConversionRun DesktopSteps::newRun()
{
    return ConversionRun(
        m_services, m_online, m_hasDisplay, [this](int status) { endProcess(status); },
        [this](const QStringList &messages) { reportRunError(messages); });
}

int DesktopSteps::convert(const ConversionRequest &request)
{
    // Without a display nobody sees a box: the status tells.
    return newRun().convert({request},
                            m_hasDisplay ? ConversionRun::StatusRule::AlwaysZero
                                         : ConversionRun::StatusRule::AllConverted,
                            false);
}

int DesktopSteps::convertEach(const QList<ConversionRequest> &requests, bool leftOut)
{
    return newRun().convert(requests, ConversionRun::StatusRule::AllConverted, leftOut);
}

QString DesktopSteps::mirrorsFolder(settings::TargetRule rule)
{
    const QString stored = m_services.readSetting(QLatin1String(settings::TargetDirKey));
    if (rule == settings::TargetRule::Directory)
        return stored;
    if (rule != settings::TargetRule::Ask || !m_hasDisplay || !m_services.chooseDirectory)
        return QString();
    // One chooser for the whole run, before anything is read or written.
    QString chosen;
    QEventLoop answered;
    m_services.chooseDirectory(nullptr, [&](const QString &directory) {
        chosen = directory;
        answered.quit();
    });
    answered.exec();
    return chosen;
}

int DesktopSteps::convertFolders(const FolderRun &run)
{
    const settings::TargetRule rule =
        settings::targetRuleFromText(m_services.readSetting(QLatin1String(settings::TargetDirKey)));
    const QString directory = run.into.isEmpty() ? mirrorsFolder(rule) : QString();
    return newRun().convertFolders(run, directory);
}

void DesktopSteps::reportNoFile(const QString &path)
{
    printError(QCoreApplication::translate("CommandLine", "\"%1\" is no file; it is left out.")
                   .arg(nametext::forTerminal(path)));
}

bool DesktopSteps::cutImages(QList<ConversionRequest> &requests, const QByteArray &cueEncoding)
{
    QList<ConversionRequest> cut;
    QStringList errors;
    for (const ConversionRequest &request : std::as_const(requests)) {
        const std::optional<albumimage::Tracks> tracks = albumimage::tracksOf(request, cueEncoding);
        if (!tracks)
            cut << request;
        else if (tracks->error.isEmpty())
            cut << tracks->requests;
        else
            errors << nametext::escaped(tracks->error);
    }
    requests = cut;
    if (!errors.isEmpty())
        reportRunError(errors);
    return errors.isEmpty();
}

void DesktopSteps::reportUsageError(const QString &message)
{
    // A terminal needs no marks that keep a name apart from right-to-left
    // text around it; the box below does.
    const QString plain = QString(message).remove(QChar(0x2068)).remove(QChar(0x2069));
    std::fprintf(stderr, "tonewright: %s\nTry 'tonewright --help'.\n", plain.toUtf8().constData());
    std::fflush(stderr);
    showErrorBox(message);
}

void DesktopSteps::showErrorBox(const QString &message)
{
    if (!m_hasDisplay)
        return;
    // Started from a file manager, nobody reads standard error. The message
    // may quote a file name: plain text, never markup.
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("Soundmill", "Error"),
                    message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopSteps::reportRunError(const QStringList &messages)
{
    for (const QString &message : messages)
        printError(message);
    showErrorBox(messages.join(u'\n'));
}

void DesktopSteps::endProcess(int status)
{
    processexit::endProcess(status);
}
