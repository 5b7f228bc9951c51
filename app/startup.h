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
    // Runs the settings dialog.
    virtual void showSettings() = 0;
    // Runs the file selection dialog and returns its file name; empty when
    // the dialog was left by Cancel or Escape.
    virtual QString chooseFile() = 0;
    // Runs the advanced options dialog; fills the format as shown and the
    // extra arguments. False when the dialog was left by Cancel or Escape.
    virtual bool chooseOptions(QString &format, QStringList &extraArgs) = 0;
    // Creates the window, starts the conversion and runs the event loop
    // until the window reports its end, which ends the process.
    virtual int convert(const ConversionRequest &request) = 0;
    // Ends the process at once: the only way the program ends.
    virtual void endProcess(int status) = 0;
};

// The start-up sequence after the application object exists. Returns the exit status.
int runStartup(const QStringList &arguments, const QString &programPath, StartupSteps &steps);
