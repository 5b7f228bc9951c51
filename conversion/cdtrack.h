#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The pure steps of the audio-CD stage: recognising a CD track entry, the
// extractor's arguments, and the temporary WAV file it writes into.
namespace cdtrack {

// Whether the source is a CD track entry: it ends with ".cda" (lower case
// only; "TRACK01.CDA" is converted like any other file).
bool isCdTrack(const QString &path);

// The 0-based track index from an entry's file name (a path is cut to its
// last component): its digits are joined across other characters, leading
// zeros are skipped, and the number less one is the index. No digits give -1;
// a number beyond the int range saturates, naming no track.
int trackIndexFromFileName(const QString &fileName);

// The drive argument for the extractor. On Windows the drive letter, the
// path's first character. On Linux the optical drive whose file system holds
// the path: the source device of the mount with the longest mount point that
// contains it, when that is an optical drive (/dev/sr*, /dev/cdrom, ...);
// otherwise "/dev/cdrom", the system's default drive.
QString driveForPath(const QString &cdaPath);
// The same with the text of /proc/self/mountinfo given (Linux rule only).
QString driveForPath(const QString &cdaPath, const QByteArray &mountInfo);

// Creates a new empty file named by eight random characters and ".wav" in
// directory (the temporary-files folder), as the reservation that the
// extractor then overwrites; the path has "/" separators. A name that already exists is never reused:
// another is drawn, a bounded number of times. Empty on failure, with the
// reason in error.
QString createTemporaryWav(const QString &directory, QString *error = nullptr);

// Whether the file is a RIFF WAVE file that holds all the sample data its
// "data" chunk announces. The extractor writes the whole track's header
// first, so a file cut short by a failed read or a full disk fails this.
bool isCompleteWav(const QString &path);

// The extractor's command line: drive, track index, temporary file.
QStringList extractorArguments(const QString &cdaPath, const QString &tempWav);

} // namespace cdtrack
