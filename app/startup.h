#pragma once

#include "commandline.h"

// One conversion, as start-up hands it to the conversion window.
struct ConversionRequest
{
    QString source;
    QString format;        // lower-case, also the target's extension
    QStringList extraArgs; // from the advanced options dialog
};

// The dialogs and the window that start-up drives, behind one interface so
// that the order of the steps can be checked without showing anything.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    virtual bool fileExists(const QString &path) = 0;
    // Runs the settings dialog.
    virtual void showSettings() = 0;
    // Runs the file selection dialog and returns its file name (may be empty).
    virtual QString chooseFile() = 0;
    // Runs the advanced options dialog; fills the format as shown and the extra arguments.
    virtual void chooseOptions(QString &format, QStringList &extraArgs) = 0;
    // Creates the window, starts the conversion and runs the event loop.
    virtual int convert(const ConversionRequest &request) = 0;
    // Ends the process at once.
    virtual void endProcess(int status) = 0;
};

// The start-up sequence after the application object exists. Returns the exit status.
int runStartup(const QStringList &arguments, const QString &programPath, StartupSteps &steps);
