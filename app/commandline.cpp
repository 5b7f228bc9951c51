#include "commandline.h"

#include <QDir>

QString formatForWord(const QString &word)
{
    static const char *const words[][2] = {
        {"mp3", "mp3"}, {"m4a", "m4a"}, {"wma", "wma"}, {"wav", "wav"},   {"fla", "flac"},
        {"aac", "aac"}, {"ogg", "ogg"}, {"mka", "mka"}, {"opus", "opus"},
    };
    for (const auto &entry : words) {
        if (word == QLatin1String(entry[0]))
            return QLatin1String(entry[1]);
    }
    return QString();
}

CommandLine parseCommandLine(const QStringList &arguments, const QString &programPath,
                             const std::function<bool(const QString &)> &fileExists)
{
    CommandLine result;
    const QString self = QDir::toNativeSeparators(programPath);

    // The first element is how the program itself was started: never a source.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("config")) {
            result.configRequested = true;
            return result;
        }
        // Three characters always make a word; "opus" is the one longer word.
        const QString word = argument.toLower();
        if (argument.size() == 3 || word == QLatin1String("opus")) {
            if (word == QLatin1String("ppp")) {
                result.advancedRequested = true;
            } else {
                const QString format = formatForWord(word);
                if (!format.isEmpty())
                    result.format = format;
            }
            continue;
        }
        const QString path = QDir::toNativeSeparators(argument);
        if (path == self)
            continue;
        if (fileExists(path)) {
            result.source = path;
            result.fileGiven = true;
        }
    }
    return result;
}
