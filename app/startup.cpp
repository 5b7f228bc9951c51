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
        steps.chooseOptions(format, request.extraArgs);
        request.format = format.toLower();
    }

    // Nothing chosen (the options dialog was left by Escape): nothing to convert.
    if (request.format.size() < 3)
        return 0;

    return steps.convert(request);
}
