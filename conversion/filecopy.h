#pragma once

#include <QString>

// The few file operations an output is written with when it is not the
// encoder that writes it: a copy, and the flush before a rename.
namespace filecopy {

// Opens the regular file at path for reading, never through a link nor
// anything else standing there (a FIFO is not waited on): a descriptor
// (close-on-exec; the caller closes it), or -1 with errno set, and
// *notRegular true when something other than a regular file is there.
int openRegular(const QString &path, bool *notRegular = nullptr);

// Copies the regular file from (never through a link) into to, which is
// created when missing (and then only when exclusive is false or nothing
// is at its name yet) and otherwise cut to nothing first.
bool copy(const QString &from, const QString &to, bool exclusive, QString *error);

// Flushes a file to the disk, so that a rename never puts a name on data a
// power cut or a pulled stick could still take away.
bool flush(const QString &path, QString *error);

} // namespace filecopy
