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
    }

    // A file without a format word: nothing to convert.
    if (request.format.isEmpty())
        return 0;

    return steps.convert(request);
}

QStringList regularFiles(const QStringList &paths, StartupSteps &steps)
{
    // Absolute paths: a child must never read a file named "--album=x" or
    // "mp3" as an option or a word.
    QStringList files;
    for (const QString &path : paths) {
        if (steps.isRegularFile(path))
            files << QFileInfo(path).absoluteFilePath();
    }
    return files;
}

int runEach(const CommandLine &line, const QString &programPath, StartupSteps &steps)
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

    QStringList files = regularFiles(line.eachPaths, steps);
    QString word = line.eachWord;
    EncoderOptions options = line.options;
    if (!files.isEmpty() && word == QLatin1String("ppp")) {
        QString format;
        if (!steps.chooseOptions(int(files.size()), format, options)) {
            steps.endProcess(0);
            return 0;
        }
        word = wordForFormat(format.toLower());
        // Files may have gone while the question was open.
        files = regularFiles(files, steps);
    }
    if (files.isEmpty() || word.isEmpty()) {
        steps.endProcess(0);
        return 0;
    }

    const QStringList shared = QStringList{word} + commandLineOptions(options);
    QList<QStringList> children;
    for (const QString &file : std::as_const(files))
        children << shared + QStringList{file};
    const int status = steps.runChildren(programPath, children);
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
        return runEach(line, programPath, steps);
    return runOne(line, steps);
}
