#include "program.h"

#include "commandline.h"
#include "desktopsteps.h"
#include "product.h"
#include "resourceimage.h"
#include "services.h"
#include "startup.h"
#include "uilanguage.h"

#include <QApplication>
#include <QLocale>

int runProgram(int argc, char *argv[], const Services &services)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(product::applicationName());
    QApplication::setOrganizationName(product::organizationName());
    QApplication::setOrganizationDomain(product::organizationDomain());
    QApplication::setApplicationVersion(product::version());
    // Before any window or box, so that every text is in the user's language.
    uilanguage::install(QLocale::system().uiLanguages(), &app);
    QApplication::setWindowIcon(resourceimage::icon(QStringLiteral(":/resources/imgs/icon.png")));
    // The launcher entry that carries the progress is tonewright.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("tonewright"));

    DesktopSteps steps(services);
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
