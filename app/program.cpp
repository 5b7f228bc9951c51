#include "program.h"

#include "desktopsteps.h"
#include "product.h"
#include "resourceimage.h"
#include "services.h"
#include "startup.h"

#include <QApplication>

int runProgram(int argc, char *argv[], const Services &services)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(product::applicationName());
    QApplication::setOrganizationName(product::organizationName());
    QApplication::setOrganizationDomain(product::organizationDomain());
    QApplication::setApplicationVersion(product::version());
    QApplication::setWindowIcon(resourceimage::icon(QStringLiteral(":/resources/imgs/icon.png")));
    // The launcher entry that carries the progress is tonewright.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("tonewright"));

    DesktopSteps steps(services);
    return runStartup(QCoreApplication::arguments(), QCoreApplication::applicationFilePath(),
                      steps);
}
