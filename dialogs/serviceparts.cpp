#include "serviceparts.h"

#include "onlineservices.h"

#include <QFileDialog>

Services withDesktopChoosers(Services services)
{
    if (!services.chooseDirectory) {
        services.chooseDirectory = [](QWidget *parent) {
            return QFileDialog::getExistingDirectory(parent, QString(), QString(),
                                                     QFileDialog::ShowDirsOnly);
        };
    }
    if (!services.chooseOpenFile) {
        services.chooseOpenFile = [](QWidget *parent) {
            return QFileDialog::getOpenFileName(parent, QString(), QString(), QString(), nullptr,
                                                {});
        };
    }
    return services;
}

std::shared_ptr<online::OnlineServices> onlineFor(const Services &services)
{
    if (services.online)
        return services.online;
    return std::make_shared<online::OnlineServices>(services.addresses.statsServer,
                                                    services.onlineBackend);
}
