#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// --into, --dry-run and --what-fits are about a folder's mirror.
QString folderOptionsError(const CommandLine &line, int folders)
{
    if (folders == 0 && (!line.into.isEmpty() || line.dryRun))
        return QCoreApplication::translate("CommandLine",
                                           "--into and --dry-run go with a folder to convert");
    if (folders == 0 && line.whatFits)
        return QCoreApplication::translate("CommandLine",
                                           "--what-fits goes with a folder to convert");
    if (folders > 1 && !line.into.isEmpty())
        return QCoreApplication::translate("CommandLine", "--into takes a single folder");
    return QString();
}

int usageError(const QString &message, StartupSteps &steps)
{
    steps.reportUsageError(message);
    steps.endProcess(2);
    return 2;
}

int runOne(const CommandLine &line, StartupSteps &steps)
{
    if (line.configRequested) {
        steps.showSettings();
        steps.endProcess(0);
        return 0;
    }

    const QString problem =
        folderOptionsError(line, line.fileGiven && steps.isFolder(line.source) ? 1 : 0);
    if (!problem.isEmpty())
        return usageError(problem, steps);

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

    if (steps.isFolder(request.source)) {
        FolderRun run;
        run.folders << absolute(request.source);
        run.format = request.format;
        run.options = request.options;
        run.into = line.into;
        run.dryRun = line.dryRun;
        run.whatFits = line.whatFits;
        run.cueEncoding = line.cueEncoding;
        return steps.convertFolders(run);
    }
    // An album image is a selection of its tracks.
    QList<ConversionRequest> requests{request};
    const bool allCut = steps.cutImages(requests, line.cueEncoding);
    if (requests.isEmpty()) {
        steps.endProcess(1);
        return 1;
    }
    if (requests.first().track)
        return steps.convertEach(requests, !allCut);
    return steps.convert(request);
}

// The regular files among paths, absolute, and the folders; the others are
// named to the user.
QStringList regularFiles(const QStringList &paths, StartupSteps &steps, bool *allFiles,
                         QStringList *folders)
{
    QStringList files;
    for (const QString &path : paths) {
        if (steps.isRegularFile(path)) {
            files << QFileInfo(path).absoluteFilePath();
        } else if (steps.isFolder(path)) {
            *folders << absolute(path);
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
    QStringList folders;
    QStringList files = regularFiles(line.eachPaths, steps, &allFiles, &folders);
    const QString problem = folderOptionsError(line, int(folders.size()));
    if (!problem.isEmpty())
        return usageError(problem, steps);
    QString format = formatForWord(line.eachWord);
    EncoderOptions options = line.options;
    const int chosen = int(files.size() + folders.size());
    if (chosen > 0 && line.eachWord == QLatin1String("ppp")) {
        QString shown;
        if (!steps.chooseOptions(chosen, shown, options)) {
            steps.endProcess(0);
            return 0;
        }
        format = shown.toLower();
        options.replayGain = line.options.replayGain;
    }
    if (chosen > 0 && !format.isEmpty()) {
        QList<ConversionRequest> requests;
        requests.reserve(files.size());
        for (const QString &file : std::as_const(files))
            requests << ConversionRequest{file, format, options, {}};
        allFiles = steps.cutImages(requests, line.cueEncoding) && allFiles;
        if (!folders.isEmpty()) {
            // Each folder is a mirror of its own; files named beside them
            // are converted in the same run, as a selection would.
            FolderRun run;
            run.folders = folders;
            run.files = requests;
            run.format = format;
            run.options = options;
            run.into = line.into;
            run.dryRun = line.dryRun;
            run.whatFits = line.whatFits;
            run.cueEncoding = line.cueEncoding;
            run.leftOut = !allFiles;
            return steps.convertFolders(run);
        }
        // The selection's window ends the process, with the selection's status.
        if (requests.isEmpty()) {
            steps.endProcess(1);
            return 1;
        }
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
    if (!line.error.isEmpty())
        return usageError(line.error, steps);
    if (line.each)
        return runEach(line, steps);
    return runOne(line, steps);
}
