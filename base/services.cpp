#include "services.h"

#include "toollocator.h"
#include "weburl.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QThread>

#include <memory>

namespace {

// The user's runtime directory (the temporary directory where there is
// none) with a folder of Tonewright's own.
QString slotFolder()
{
    // Asked without a runtime directory (a bare shell, cron, ssh), Qt warns
    // and makes one of its own in the temporary directory; the temporary
    // directory itself serves as well and says nothing.
    QString base;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") || QStandardPaths::isTestModeEnabled())
        base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QStringLiteral("/tonewright-encoders");
}

} // namespace

Services::Services()
    : locateTool(toollocator::locate)
    , readSetting([](const QString &) { return QString(); })
    , writeSetting([](const QString &, const QString &) {})
    , encoderSlotFolder(slotFolder())
    , encoderSlotCount(qMax(1, QThread::idealThreadCount()))
    , temporaryFolder(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
    , homeFolder(QDir::homePath())
{
}

bool Services::openAddress(const QUrl &url) const
{
    if (!weburl::isWebAddress(url))
        return false;
    if (!browse)
        return false;
    browse(url);
    return true;
}

void Services::askDirectory(QWidget *parent, DirectoryAnswer answer) const
{
    if (chooseDirectory)
        chooseDirectory(parent, std::move(answer));
    else
        answer(QString());
}

bool Services::toolExists(const QString &baseName) const
{
    return QFileInfo(locateTool(baseName)).isFile();
}

Services withSettingsReadOnce(Services services)
{
    auto read = std::move(services.readSetting);
    auto cache = std::make_shared<QHash<QString, QString>>();
    services.readSetting = [read, cache](const QString &key) {
        const auto known = cache->constFind(key);
        if (known != cache->constEnd())
            return *known;
        return *cache->insert(key, read ? read(key) : QString());
    };
    return services;
}
