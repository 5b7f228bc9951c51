#include "startup.h"

int runStartup(const QStringList &arguments, const QString &programPath, StartupSteps &steps)
{
    const CommandLine line = parseCommandLine(
        arguments, programPath, [&](const QString &path) { return steps.fileExists(path); });
    if (line.configRequested) {
        steps.showSettings();
        steps.endProcess(0);
        return 0;
    }

    ConversionRequest request;
    request.format = line.format;
    request.source = line.source;

    if (!line.fileGiven) {
        const QString chosen = steps.chooseFile();
        if (!steps.fileExists(chosen)) {
            steps.endProcess(0);
            return 0;
        }
        request.source = chosen;
    }

    if (!line.fileGiven || line.advancedRequested) {
        QString format;
        if (!steps.chooseOptions(format, request.extraArgs)) {
            steps.endProcess(0);
            return 0;
        }
        request.format = format.toLower();
    }

    // A file without a format word: nothing to convert.
    if (request.format.isEmpty())
        return 0;

    return steps.convert(request);
}
