#pragma once

#include "encoderoptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// What the words, options and paths of one start ask for.
struct CommandLine
{
    bool configRequested = false; // "config": only the settings dialog
    QString format;               // lower-case format word, empty when none
    QString source;               // the last existing file named
    bool fileGiven = false;
    bool advancedRequested = false; // "ppp"
    EncoderOptions options; // --volume=, --title=, --artist=, --album=, --year=, --replaygain=
    QString error;          // a malformed option or --each line: nothing is done
    QString into;           // --into=DIR: the root of a folder's mirror
    bool dryRun = false;    // --dry-run: a folder's mirror is only described
    bool whatFits = false;  // --what-fits: a mirror gets what fits its medium, the rest later
    QByteArray cueEncoding; // --cue-encoding=NAME: how cue sheets are written; empty: detected

    // "--each WORD F1 … Fn": one conversion per file, each in a process of its own.
    bool each = false;
    QString eachWord;      // lower-case: a format word as typed ("fla") or "ppp"
    QStringList eachPaths; // every other argument, unchecked
};

// Reads the arguments after the program's own path. Three-character arguments
// and "opus" (in any case) are words; "fla" means flac. The options are read
// only in the --name=value form; any other argument is a path, taken with
// native separators; a file:// URI is read as the local path it names, and
// any other address is an error. "--" ends the words and options: every
// later argument is a file. "config" ends the reading at once. With
// "--each" first, the next argument is the word and every later one that is
// not an option is a file.
CommandLine parseCommandLine(const QStringList &arguments, const QString &programPath,
                             const std::function<bool(const QString &)> &fileExists);

// A file:// URI (as file managers hand over files) as a local path, its
// escapes decoded. Empty when it is one, otherwise why it cannot be
// converted: another kind of address, another machine, a zero byte ("%00")
// or a name that is not valid text (which would read as another file's
// name). The messages show names with nametext::forWindow().
QString decodeFileUri(const QString &uri, QString *path);

// The first of the program's raw arguments (after its own path) that does
// not come back as the same bytes from text, shown as far as it can be;
// empty when every one does. Such a name would be read as another file's.
QString unreadableArgument(const QList<QByteArray> &arguments);
// What the user is told about such a name.
QString unreadableNameMessage(const QString &shown);

// The format word for a command-line word (already lower-case), or empty.
QString formatForWord(const QString &word);
// The command-line word for a lower-case format ("flac" -> "fla"), or empty.
QString wordForFormat(const QString &format);
