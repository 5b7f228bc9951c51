#pragma once

#include <QString>

// Names in the mirror that the file system it lies on accepts.
namespace portablenames {

enum class FileSystemKind { Posix, Fat, ExFat, Ntfs };

// Whether names there must avoid what FAT, exFAT and NTFS refuse, and
// whether names differing only in case name one file.
bool isPortable(FileSystemKind kind);

// The name of one file or folder as it is written: on the portable kinds
// < > : " \ | ? * and control characters become "_", trailing dots and
// spaces are dropped and a reserved device name (CON, NUL, COM1 …, also
// before an extension) gets a "_"; everywhere, stem is shortened so that
// stem + suffix fits in 255 bytes (255 UTF-16 units on the portable kinds,
// whose drivers count those). suffix (".mp3", "_1.mp3") is kept whole.
QString component(const QString &stem, const QString &suffix, FileSystemKind kind);

// What two names that would name one file have in common there.
QString clashKey(const QString &path, FileSystemKind kind);

} // namespace portablenames
