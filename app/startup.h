#pragma once

#include "commandline.h"
#include "conversionrequest.h"

// Folders, and maybe files, to convert in one run.
struct FolderRun
{
    QStringList folders; // absolute
    QList<ConversionRequest> files;
    QString format;
    EncoderOptions options;
    QString into; // the mirror's root, for a single folder
    bool dryRun = false;
    bool whatFits = false; // only what fits the mirror's medium, the rest later
    bool leftOut = false; // an argument named neither file nor folder
    QByteArray cueEncoding; // how cue sheets are written; empty: found out
};

// The dialogs and the window that start-up drives, behind one interface so
// that the order of the steps can be checked without showing anything.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    virtual bool fileExists(const QString &path) = 0;
    // True when path names an existing regular file (not a folder or device).
    virtual bool isRegularFile(const QString &path) = 0;
    // True when path names an existing folder.
    virtual bool isFolder(const QString &path) = 0;
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
    // Converts a selection: one file in the window of one file, more in the
    // window of a selection; runs the event loop until the window reports
    // its end, which ends the process. Returns 0 when every file was
    // converted and none was left out (an argument that named no file), 1
    // when any failed, was skipped by Cancel or left out, 128 + n after
    // termination signal n.
    virtual int convertEach(const QList<ConversionRequest> &requests, bool leftOut) = 0;
    // Brings each folder's mirror up to date, and converts the files beside
    // them, in one run under one view; ends the process with the status
    // convertEach() defines (a mirror another run is updating, or that
    // could not be read, counts as a file not converted). With dryRun only
    // prints what would be done.
    virtual int convertFolders(const FolderRun &run) = 0;
    // Tells the user that an argument of --each names no file to convert.
    virtual void reportNoFile(const QString &path) = 0;
    // Puts the tracks of each album image among requests in its place: a
    // cue sheet, or an image holding a sheet of its own, becomes its tracks
    // (see albumimage.h). An image that cannot be cut is left out and the
    // user told why; false when any was.
    virtual bool cutImages(QList<ConversionRequest> &requests, const QByteArray &cueEncoding)
    {
        Q_UNUSED(requests);
        Q_UNUSED(cueEncoding);
        return true;
    }
    // Tells the user that the command line could not be read.
    virtual void reportUsageError(const QString &message) = 0;
    // Ends the process at once: the only way the program ends.
    virtual void endProcess(int status) = 0;
};

// The start-up sequence after the application object exists. Returns the
// exit status. A line that begins with --each converts every file it names
// in one window, after asking once when the word is "ppp", and ends with
// the selection's status (1 also when an argument named no file).
int runStartup(const QStringList &arguments, const QString &programPath, StartupSteps &steps);
