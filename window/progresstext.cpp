#include "progresstext.h"

#include <QCoreApplication>

// The texts belong to the windows, so they are translated in their contexts.
namespace progresstext {

QString timeRemaining(qint64 remainingMs)
{
    if (remainingMs < 15000)
        return QCoreApplication::translate("Soundmill", "Less than <b>15</b> seconds");
    if (remainingMs < 20000)
        return QCoreApplication::translate("Soundmill", "About <b>15</b> seconds");
    if (remainingMs < 35000)
        return QCoreApplication::translate("Soundmill", "About <b>30</b> seconds");
    if (remainingMs < 50000)
        return QCoreApplication::translate("Soundmill", "About <b>45</b> seconds");
    if (remainingMs < 65000)
        return QCoreApplication::translate("Soundmill", "About <b>1</b> minute");
    if (remainingMs < 3600000) {
        const int minutes = int(remainingMs / 60000) + 1;
        return QCoreApplication::translate("Soundmill", "Less than <b>%n</b> minutes", nullptr,
                                           minutes);
    }
    return QString();
}

QString speed(qint64 secondsPerSecond)
{
    return QCoreApplication::translate("Soundmill", "<b>%1</b> s/s").arg(secondsPerSecond);
}

QString selectionCount(int converted, int failed, int total)
{
    if (failed == 0)
        return QCoreApplication::translate("SelectionWindow", "%1 of %n converted", nullptr, total)
            .arg(converted);
    return QCoreApplication::translate("SelectionWindow", "%1 of %n converted, %2 failed", nullptr,
                                       total)
        .arg(converted)
        .arg(failed);
}

QString failedFiles(int failed, int total)
{
    return QCoreApplication::translate("SelectionWindow", "%1 of %n files could not be converted.",
                                       nullptr, total)
        .arg(failed);
}

QString albumWithoutValues(const QString &folder)
{
    return QCoreApplication::translate("SelectionWindow",
                                       "%1: no album values, as not every track was converted.")
        .arg(folder);
}

} // namespace progresstext
