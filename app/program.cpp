#include "program.h"

#include "commandline.h"
#include "desktopsteps.h"
#include "display.h"
#include "product.h"
#include "resourceimage.h"
#include "services.h"
#include "settings.h"
#include "startup.h"
#include "uilanguage.h"
#include "windowgroundwork.h"

#include <QApplication>
#include <QLocale>

#include <memory>
#include <optional>

Services programServices()
{
    Services services;
    services.readSetting = readSetting;
    services.writeSetting = writeSetting;
    return services;
}

int runProgram(int argc, char *argv[], const Services &services,
               online::OnlineBackendFactory onlineBackend)
{
    const bool hasDisplay = display::isAvailable(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (hasDisplay)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    std::optional<WindowGroundwork> groundwork;
    if (hasDisplay)
        groundwork.emplace();
    QCoreApplication::setApplicationName(product::applicationName());
    QCoreApplication::setOrganizationName(product::organizationName());
    QCoreApplication::setOrganizationDomain(product::organizationDomain());
    QCoreApplication::setApplicationVersion(product::version());
    // Before any window or box, so that every text is in the user's language.
    uilanguage::install(QLocale::system().uiLanguages(), app.get());
    if (hasDisplay) {
        QApplication::setWindowIcon(
            resourceimage::icon(QStringLiteral(":/resources/imgs/icon.png")));
        // The launcher entry that carries the progress is tonewright.desktop.
        QGuiApplication::setDesktopFileName(QStringLiteral("tonewright"));
    }

    DesktopSteps steps(services, hasDisplay, std::move(onlineBackend));
    // A name that is not valid text would reach us as another file's name.
    QList<QByteArray> rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QByteArray(argv[i]);
    const QString unreadable = unreadableArgument(rawArguments);
    if (!unreadable.isEmpty()) {
        steps.reportUsageError(unreadableNameMessage(unreadable));
        steps.endProcess(2);
        return 2;
    }
    return runStartup(QCoreApplication::arguments(), QCoreApplication::applicationFilePath(),
                      steps);
}
