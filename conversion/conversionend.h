#pragma once

#include "latertags.h"
#include "loudness.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <optional>

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
        MediumFull,        // the target's medium had no room left for it
        MediumGone,        // the target's medium went away (pulled out) while it was written
    };

    Outcome outcome = Outcome::Stopped;
    Failure failure = Failure::None;
    QString target;  // Converted: the file written
    int origin = -1; // the request's (see ConversionRequest::origin)
    // Converted: whether the tags and loudness values went in as well; the
    // audio is whole either way.
    bool tagsWritten = true;
    // Converted with measuring: the audio's loudness (empty blocks: too
    // short or silent); and which file the target is, to find it again.
    std::optional<loudness::TrackLoudness> loudness;
    tags::FileIdentity targetIdentity;
    // The folders the job made for an explicit target, outermost first,
    // whatever the outcome.
    QStringList madeFolders;
};

// What a run's end tells a person about one file beyond the counts: a
// conversion that failed, worded by the view from its kind, or what the
// part of the run that noticed it says (a file left out or left alone).
struct EndDetail
{
    QString name; // as the person knows it: relative to a folder, or a path
    ConversionEnd::Failure failure = ConversionEnd::Failure::None;
    QString text; // the whole sentence, when failure is None
};

Q_DECLARE_METATYPE(ConversionEnd)
