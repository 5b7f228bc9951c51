#include "startup.h"

#include <QFileInfo>

namespace {

int runOne(const CommandLine &line, StartupSteps &steps)
{
    if (line.configRequested) {
        steps.showSettings();
        steps.endProcess(0);
        return 0;
    }

    ConversionRequest request;
    request.format = line.format;
    request.source = line.source;
    request.options = line.options;

    if (!line.fileGiven) {
        const QString chosen = steps.chooseFile();
        if (!steps.fileExists(chosen)) {
            steps.endProcess(0);
            return 0;
        }
        request.source = chosen;
    }

    if (!line.fileGiven || line.advancedRequested) {
        // The dialog's answer replaces the options of the command line, as
        // its format replaces the word.
        QString format;
        EncoderOptions options;
        if (!steps.chooseOptions(1, format, options)) {
            steps.endProcess(0);
            return 0;
        }
        request.format = format.toLower();
        request.options = options;
        // The dialog has no loudness choice: --replaygain= stands.
        request.options.replayGain = line.options.replayGain;
    }

    // A file without a format word: nothing to convert.
    if (request.format.isEmpty())
        return 0;

    return steps.convert(request);
}

// The regular files among paths, absolute; the others are named to the user.
QStringList regularFiles(const QStringList &paths, StartupSteps &steps, bool *allFiles)
{
    QStringList files;
    for (const QString &path : paths) {
        if (steps.isRegularFile(path)) {
            files << QFileInfo(path).absoluteFilePath();
        } else {
            steps.reportNoFile(path);
            *allFiles = false;
        }
    }
    return files;
}

int runEach(const CommandLine &line, StartupSteps &steps)
{
    if (line.eachPaths.isEmpty()) {
        // Nothing selected (a start from the application menu): as with the
        // word alone, ask for the file.
        CommandLine single;
        single.advancedRequested = line.eachWord == QLatin1String("ppp");
        single.format = formatForWord(line.eachWord);
        single.options = line.options;
        return runOne(single, steps);
    }

    bool allFiles = true;
    QStringList files = regularFiles(line.eachPaths, steps, &allFiles);
    QString format = formatForWord(line.eachWord);
    EncoderOptions options = line.options;
    if (!files.isEmpty() && line.eachWord == QLatin1String("ppp")) {
        QString shown;
        if (!steps.chooseOptions(int(files.size()), shown, options)) {
            steps.endProcess(0);
            return 0;
        }
        format = shown.toLower();
        options.replayGain = line.options.replayGain;
    }
    if (!files.isEmpty() && !format.isEmpty()) {
        QList<ConversionRequest> requests;
        requests.reserve(files.size());
        for (const QString &file : std::as_const(files))
            requests << ConversionRequest{file, format, options};
        // The selection's window ends the process, with the selection's status.
        return steps.convertEach(requests, !allFiles);
    }
    const int status = allFiles ? 0 : 1;
    steps.endProcess(status);
    return status;
}

} // namespace

int runStartup(const QStringList &arguments, const QString &programPath, StartupSteps &steps)
{
    const CommandLine line = parseCommandLine(
        arguments, programPath, [&](const QString &path) { return steps.fileExists(path); });
    if (!line.error.isEmpty()) {
        steps.reportUsageError(line.error);
        steps.endProcess(2);
        return 2;
    }
    if (line.each)
        return runEach(line, steps);
    return runOne(line, steps);
}
