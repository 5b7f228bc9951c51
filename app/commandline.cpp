#include "commandline.h"

#include "nametext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

struct WordEntry
{
    const char *word;
    const char *format;
};

// The words the command line takes for formats; the file managers' verbs and
// --each use the same table.
const WordEntry Words[] = {
    {"mp3", "mp3"}, {"m4a", "m4a"}, {"wma", "wma"}, {"wav", "wav"},   {"fla", "flac"},
    {"aac", "aac"}, {"ogg", "ogg"}, {"mka", "mka"}, {"opus", "opus"},
};

const QLatin1String EachSwitch("--each");
// Every later argument is a file, never a word or an option.
const QLatin1String EndOfOptions("--");
const QLatin1String AdvancedWord("ppp");
const QLatin1String DryRunSwitch("--dry-run");
const QLatin1String WhatFitsSwitch("--what-fits");

// A whole number written plainly: digits only, no sign, no leading zero.
bool readPlain(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok && QString::number(value) == text;
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Reads one --name=value option into options. False when the argument is no
// option at all (it is then a path, as any other argument); an option given
// twice or with a value the dialog could not give sets error.
bool readOption(const QString &argument, CommandLine &line, QStringList &seen)
{
    static const char *const names[] = {"volume", "title",      "artist", "album",
                                        "year",   "replaygain", "into", "cue-encoding"};
    if (!argument.startsWith(QLatin1String("--")))
        return false;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0)
        return false;
    const QString name = argument.mid(2, equals - 2);
    bool known = false;
    for (const char *candidate : names)
        known = known || name == QLatin1String(candidate);
    if (!known)
        return false;
    if (!line.error.isEmpty())
        return true;
    if (seen.contains(name)) {
        line.error =
            QCoreApplication::translate("CommandLine", "--%1 may be given only once").arg(name);
        return true;
    }
    seen << name;

    const QString value = argument.mid(equals + 1);
    EncoderOptions &options = line.options;
    if (name == QLatin1String("into")) {
        line.into = QDir::toNativeSeparators(value);
    } else if (name == QLatin1String("cue-encoding")) {
        line.cueEncoding = value.toLatin1();
    } else if (name == QLatin1String("title")) {
        options.title = value;
    } else if (name == QLatin1String("artist")) {
        options.artist = value;
    } else if (name == QLatin1String("album")) {
        options.album = value;
    } else if (name == QLatin1String("volume")) {
        int percent = 100;
        if (!value.isEmpty() &&
            (!readPlain(value, percent) || !encoderoptions::volumes().contains(percent))) {
            QStringList allowed;
            for (int volume : encoderoptions::volumes())
                allowed << QString::number(volume);
            line.error = QCoreApplication::translate("CommandLine", "--volume takes one of %1")
                             .arg(allowed.join(QLatin1String(", ")));
        }
        options.volume = percent;
    } else if (name == QLatin1String("replaygain")) {
        if (!value.isEmpty()) {
            options.replayGain = replaygain::fromWord(value);
            if (!options.replayGain) {
                line.error = QCoreApplication::translate("CommandLine",
                                                         "--replaygain takes album, track or off");
            }
        }
    } else {
        int year = 0;
        if (!value.isEmpty() && (!readPlain(value, year) || year < encoderoptions::FirstYear ||
                                 year > encoderoptions::LastYear)) {
            line.error =
                QCoreApplication::translate("CommandLine", "--year takes a year from %1 to %2")
                    .arg(encoderoptions::FirstYear)
                    .arg(encoderoptions::LastYear);
        }
        options.year = year;
    }
    return true;
}

// "scheme://": an address rather than a path.
bool isUri(const QString &argument)
{
    const qsizetype colon = argument.indexOf(QLatin1String("://"));
    if (colon < 1 || !isAsciiLetter(argument.at(0)))
        return false;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = argument.at(i);
        if (!isAsciiLetter(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            c != QLatin1Char('+') && c != QLatin1Char('-') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// A file argument as a path: file URIs decoded, anything else as it is.
// Sets error for an address of another kind or a name that is no text.
QString fileArgument(const QString &argument, CommandLine &line)
{
    if (!isUri(argument))
        return argument;
    QString path;
    const QString problem = decodeFileUri(argument, &path);
    if (!problem.isEmpty() && line.error.isEmpty())
        line.error = problem;
    return path;
}

void parseEach(const QStringList &arguments, CommandLine &line)
{
    line.each = true;
    if (arguments.size() < 3) {
        line.error =
            QCoreApplication::translate("CommandLine", "--each needs a format word or ppp");
        return;
    }
    line.eachWord = arguments.at(2).toLower();
    if (line.eachWord != AdvancedWord && formatForWord(line.eachWord).isEmpty()) {
        line.error = QCoreApplication::translate("CommandLine",
                                                 "--each needs a format word or ppp, not \"%1\"")
                         .arg(nametext::forWindow(arguments.at(2)));
        return;
    }
    QStringList seen;
    bool filesOnly = false;
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!filesOnly && argument == EndOfOptions) {
            filesOnly = true;
            continue;
        }
        if (!filesOnly && argument == DryRunSwitch) {
            line.dryRun = true;
            continue;
        }
        if (!filesOnly && argument == WhatFitsSwitch) {
            line.whatFits = true;
            continue;
        }
        if (filesOnly || !readOption(argument, line, seen))
            line.eachPaths << fileArgument(argument, line);
    }
}

} // namespace

QString unreadableNameMessage(const QString &shown)
{
    return QCoreApplication::translate("CommandLine",
                                       "The file \"%1\" cannot be opened: its name is not "
                                       "valid text.")
        .arg(nametext::forWindow(shown));
}

QString decodeFileUri(const QString &uri, QString *path)
{
    path->clear();
    const qsizetype colon = uri.indexOf(QLatin1Char(':'));
    if (uri.left(colon).compare(QLatin1String("file"), Qt::CaseInsensitive) != 0 ||
        uri.mid(colon, 3) != QLatin1String("://")) {
        return QCoreApplication::translate("CommandLine",
                                           "Only local files can be converted, not \"%1\".")
            .arg(nametext::forWindow(uri));
    }
    // file://host/path: only this machine's files.
    const QString rest = uri.mid(colon + 3);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    const QString host = rest.left(slash < 0 ? rest.size() : slash);
    if (slash < 0 ||
        (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)) {
        return QCoreApplication::translate("CommandLine",
                                           "Only local files can be converted, not \"%1\".")
            .arg(nametext::forWindow(uri));
    }
    // The escapes give the name's bytes as the file system has them.
    const QByteArray bytes = QByteArray::fromPercentEncoding(rest.mid(slash).toUtf8());
    // No name holds a zero byte: the rest would be cut off wherever the
    // name is used, leaving the name of another file.
    if (bytes.contains('\0')) {
        return QCoreApplication::translate("CommandLine", "The address \"%1\" is malformed.")
            .arg(nametext::forWindow(uri));
    }
    const QString decoded = QFile::decodeName(bytes);
    if (QFile::encodeName(decoded) != bytes)
        return unreadableNameMessage(decoded);
    *path = decoded;
    return QString();
}

QString unreadableArgument(const QList<QByteArray> &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString decoded = QFile::decodeName(arguments.at(i));
        if (QFile::encodeName(decoded) != arguments.at(i))
            return decoded;
    }
    return QString();
}

QString formatForWord(const QString &word)
{
    for (const WordEntry &entry : Words) {
        if (word == QLatin1String(entry.word))
            return QLatin1String(entry.format);
    }
    return QString();
}

QString wordForFormat(const QString &format)
{
    for (const WordEntry &entry : Words) {
        if (format == QLatin1String(entry.format))
            return QLatin1String(entry.word);
    }
    return QString();
}

CommandLine parseCommandLine(const QStringList &arguments, const QString &programPath,
                             const std::function<bool(const QString &)> &fileExists)
{
    CommandLine result;
    if (arguments.size() > 1 && arguments.at(1) == EachSwitch) {
        parseEach(arguments, result);
        return result;
    }
    const QString self = QDir::toNativeSeparators(programPath);
    QStringList seenOptions;
    bool filesOnly = false;

    // The first element is how the program itself was started: never a source.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!filesOnly && argument == EndOfOptions) {
            filesOnly = true;
            continue;
        }
        if (filesOnly) {
            const QString path = QDir::toNativeSeparators(fileArgument(argument, result));
            if (fileExists(path)) {
                result.source = path;
                result.fileGiven = true;
            }
            continue;
        }
        if (argument == DryRunSwitch) {
            result.dryRun = true;
            continue;
        }
        if (argument == WhatFitsSwitch) {
            result.whatFits = true;
            continue;
        }
        if (argument == QLatin1String("config")) {
            result.configRequested = true;
            return result;
        }
        // Three characters always make a word; "opus" is the one longer word.
        const QString word = argument.toLower();
        if (argument.size() == 3 || word == QLatin1String("opus")) {
            if (word == AdvancedWord) {
                result.advancedRequested = true;
            } else {
                const QString format = formatForWord(word);
                if (!format.isEmpty())
                    result.format = format;
            }
            continue;
        }
        if (readOption(argument, result, seenOptions))
            continue;
        const QString path = QDir::toNativeSeparators(fileArgument(argument, result));
        if (path == self)
            continue;
        if (fileExists(path)) {
            result.source = path;
            result.fileGiven = true;
        }
    }
    return result;
}
