#pragma once

#include "product.h"

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// What the engine, the windows and the dialogs need from outside themselves,
// in one object: start-up hands the real parts to their constructors, a test
// hands in fakes. Made with no arguments it holds the real parts that need
// no display; only start-up adds the desktop's choosers and browser, so a
// window or dialog given none asks and opens nothing. The network thread is
// handed to the windows and dialogs beside this object (see online/).
struct Services
{
    // The web pages and servers of the product.
    product::Addresses addresses = product::compiledIn();

    // Hands a web address to the desktop's browser; reached only through
    // openAddress(), which lets web addresses through and nothing else.
    std::function<void(const QUrl &)> browse;

    // The full path of a helper program ("ffmpeg", "discpull"): beside the
    // program, then on PATH, else where it should have been beside the program.
    std::function<QString(const QString &baseName)> locateTool;

    // Asks the user for a directory, window-modal over parent, and returns
    // at once: answer gets the folder later, or an empty text when the
    // chooser was cancelled. No event loop runs inside the call. Empty
    // function: a chooser is not available (nothing is asked).
    using DirectoryAnswer = std::function<void(const QString &directory)>;
    std::function<void(QWidget *parent, DirectoryAnswer answer)> chooseDirectory;
    // Asks the user for a file to open; empty when cancelled.
    std::function<QString(QWidget *parent)> chooseOpenFile;

    // The settings store (text in, text out; see settings/). Made with no
    // arguments: nothing is stored, and every setting reads as empty text.
    std::function<QString(const QString &key)> readSetting;
    std::function<void(const QString &key, const QString &value)> writeSetting;

    // The folder where the user's encoder slots are kept, and how many
    // encoders may run at once across all of the user's conversions.
    QString encoderSlotFolder;
    int encoderSlotCount = 1;
    // Where a CD track's temporary WAV file is written ("/" separators).
    QString temporaryFolder;
    // The user's home folder, which reports never carry.
    QString homeFolder;

    // A run that took at least notifyAfterMs ends with notify(sentence):
    // the window has closed itself by then. Empty: the desktop's
    // notification service (nothing when none answers).
    qint64 notifyAfterMs = 60000;
    std::function<void(const QString &sentence)> notify;

    Services();

    // Opens the address when it is an http or https address; returns whether
    // it was handed on.
    bool openAddress(const QUrl &url) const;
    // Asks through chooseDirectory; without a chooser nothing is asked and
    // answer gets an empty text at once, as from a cancelled chooser.
    void askDirectory(QWidget *parent, DirectoryAnswer answer) const;
    // Whether locateTool() names an existing file.
    bool toolExists(const QString &baseName) const;
};

// The same services, each setting read from the store once (the first time
// it is asked for) and the same answer given every time after: a run is
// carried out with the settings it started with.
Services withSettingsReadOnce(Services services);
