#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// What the words and paths of one start ask for.
struct CommandLine
{
    bool configRequested = false; // "config": only the settings dialog
    QString format;               // lower-case format word, empty when none
    QString source;               // the last existing file named
    bool fileGiven = false;
    bool advancedRequested = false; // "ppp"
};

// Reads the arguments after the program's own path. Three-character arguments
// and "opus" (in any case) are words; "fla" means flac. Other arguments are
// paths, taken with native separators; "config" ends the reading at once.
CommandLine parseCommandLine(const QStringList &arguments, const QString &programPath,
                             const std::function<bool(const QString &)> &fileExists);

// The format word for a word argument (already lower-case), or empty.
QString formatForWord(const QString &word);
