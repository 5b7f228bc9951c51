#pragma once

#include "commandline.h"
#include "conversionrequest.h"

// The dialogs and the window that start-up drives, behind one interface so
// that the order of the steps can be checked without showing anything.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    virtual bool fileExists(const QString &path) = 0;
    // True when path names an existing regular file (not a folder or device).
    virtual bool isRegularFile(const QString &path) = 0;
    // Runs the settings dialog.
    virtual void showSettings() = 0;
    // Runs the file selection dialog and returns its file name; empty when
    // the dialog was left by Cancel or Escape.
    virtual QString chooseFile() = 0;
    // Runs the advanced options dialog once for fileCount files; fills the
    // format as shown and the options. False when the dialog was left by
    // Cancel or Escape.
    virtual bool chooseOptions(int fileCount, QString &format, EncoderOptions &options) = 0;
    // Creates the window, starts the conversion and runs the event loop
    // until the window reports its end, which ends the process.
    virtual int convert(const ConversionRequest &request) = 0;
    // Runs program once per argument list, all side by side, and waits for
    // every one to end. Returns 0 when all ended with 0, otherwise the first
    // other status (1 for one that could not start or crashed).
    virtual int runChildren(const QString &program, const QList<QStringList> &argumentLists) = 0;
    // Tells the user that the command line could not be read.
    virtual void reportUsageError(const QString &message) = 0;
    // Ends the process at once: the only way the program ends.
    virtual void endProcess(int status) = 0;
};

// The start-up sequence after the application object exists. Returns the
// exit status. A line that begins with --each converts every file it names
// by a child process of programPath each, after asking once when the word is
// "ppp"; it waits for the children and ends with their status.
int runStartup(const QStringList &arguments, const QString &programPath, StartupSteps &steps);
