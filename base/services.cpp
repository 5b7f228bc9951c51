#include "services.h"

#include "addressopener.h"
#include "settings.h"
#include "toollocator.h"
#include "weburl.h"

#include <QFileDialog>
#include <QFileInfo>

Services::Services()
    : browse(addressopener::openWithDesktop)
    , locateTool(toollocator::locate)
    , chooseDirectory([](QWidget *parent) {
        return QFileDialog::getExistingDirectory(parent, QString(), QString(),
                                                 QFileDialog::ShowDirsOnly);
    })
    , readSetting(::readSetting)
    , writeSetting(::writeSetting)
{
}

bool Services::openAddress(const QUrl &url) const
{
    if (!weburl::isWebAddress(url))
        return false;
    browse(url);
    return true;
}

bool Services::toolExists(const QString &baseName) const
{
    return QFileInfo(locateTool(baseName)).isFile();
}
