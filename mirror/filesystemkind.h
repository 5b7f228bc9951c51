#pragma once

#include "portablenames.h"

#include <QString>

#include <optional>

// What kind of file system a mirror lies on, so that its names are the ones
// the medium takes.
namespace filesystemkind {

// The kind a mount table's type names: the kernel's drivers ("vfat",
// "exfat", "ntfs3") and the FUSE ones ("fuse.fusefat", "fuseblk": a FUSE
// driver of a block device, which is NTFS or exFAT). Nothing for a type
// not known here.
std::optional<portablenames::FileSystemKind> ofType(const QString &type);

// Tries out in folder (which must exist) what its file system does with
// names and times, by a file made and removed again: a name with ":" and
// "?" refused, or one name in two cases one file, makes it a portable kind;
// times kept in 2-second steps make it FAT. A folder that takes no file
// at all is taken for portable: names that every medium accepts do no harm.
portablenames::FileSystemKind probe(const QString &folder);

// The kind of the file system path lies on (or will lie on, before it
// exists): known by its type, else probed in the nearest existing folder.
portablenames::FileSystemKind of(const QString &path);

} // namespace filesystemkind
