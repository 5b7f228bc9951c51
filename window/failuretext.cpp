#include "failuretext.h"

#include <QCoreApplication>

QString failureText(ConversionEnd::Failure failure)
{
    // The texts were the conversion window's before the engine had a room of
    // its own; they keep its translation context, so that the translations
    // made for them still apply.
    using Failure = ConversionEnd::Failure;
    switch (failure) {
    case Failure::None:
        break;
    case Failure::EncoderFailed:
        return QCoreApplication::translate(
            "Soundmill",
            "Conversion error!\nMake sure that the file you are trying to convert is a "
            "valid video or audio file.\n");
    case Failure::EncoderMissing:
        return QCoreApplication::translate(
            "Soundmill", "Conversion core module not found!\nPlease reinstall application.");
    case Failure::ExtractorMissing:
        return QCoreApplication::translate(
            "Soundmill", "Ripping core module not found!\nPlease reinstall application.");
    case Failure::DiscUnreadable:
        return QCoreApplication::translate("Soundmill",
                                           "The track could not be read from the disc.");
    case Failure::TemporaryFile:
        return QCoreApplication::translate(
            "Soundmill", "The temporary file for the track could not be created.");
    case Failure::NameTooLong:
        return QCoreApplication::translate("Soundmill",
                                           "The file name is too long for the target folder.");
    case Failure::NotMedia:
        return QCoreApplication::translate("Soundmill", "This file is not an audio or video file.");
    case Failure::TargetReplaced:
        return QCoreApplication::translate(
            "Soundmill",
            "The target file was replaced by another program. Nothing was written to it.");
    case Failure::SourceGone:
        return QCoreApplication::translate("ConversionQueue", "The file no longer exists.");
    case Failure::SourceReplaced:
        return QCoreApplication::translate("ConversionQueue",
                                           "The file was replaced by another program.");
    case Failure::NotAFile:
        return QCoreApplication::translate("ConversionQueue",
                                           "This is not a file that can be converted.");
    case Failure::FolderNotChosen:
        return QCoreApplication::translate(
            "Soundmill", "The target folder must be chosen, but no display is available; set "
                         "targetdir.");
    case Failure::FolderNotWritable:
        return QCoreApplication::translate(
            "Soundmill", "The target folder is not writable, and no display is available to choose "
                         "another; set targetdir.");
    case Failure::MediumFull:
        return QCoreApplication::translate("ConversionQueue",
                                           "There was no space left on the target's disk.");
    case Failure::MediumGone:
        return QCoreApplication::translate("ConversionQueue",
                                           "The target's disk went away while it was written.");
    }
    return QString();
}

QString detailText(const EndDetail &detail)
{
    if (detail.failure == ConversionEnd::Failure::None)
        return detail.text;
    return QCoreApplication::translate("FailureText", "%1: %2")
        .arg(detail.name, failureText(detail.failure).simplified());
}
