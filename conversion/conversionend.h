#pragma once

#include <QMetaType>
#include <QString>

// How one file's conversion ended, as data: the views turn a failure kind
// into the words they show.
struct ConversionEnd
{
    enum class Outcome { Converted, Failed, Stopped };
    enum class Failure {
        None,
        EncoderFailed,     // the encoder ended without a complete target
        EncoderMissing,    // it is not installed or cannot be started
        ExtractorMissing,  // the CD track's extractor likewise
        DiscUnreadable,    // the extractor could not read the whole track
        TemporaryFile,     // the track's temporary file could not be created
        NameTooLong,       // the target's name is too long for any folder
        NotMedia,          // the source is no audio or video file (a playlist, say)
        TargetReplaced,    // another program put something else at the target's name
        SourceGone,        // the source was removed before its turn
        SourceReplaced,    // another file stands at the source's name than the one selected
        NotAFile,          // the source is a folder, a device, a pipe
        FolderNotChosen,   // the target folder must be asked for, and nobody can answer
        FolderNotWritable, // the target folder takes no file, and nobody can choose another
    };

    Outcome outcome = Outcome::Stopped;
    Failure failure = Failure::None;
    QString target; // Converted: the file written
};

Q_DECLARE_METATYPE(ConversionEnd)
