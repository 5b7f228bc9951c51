#pragma once

#include "tagmap.h"

#include <QString>
#include <QtGlobal>

namespace tags {

// Which file a descriptor stood for, to find the same file again by name.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    bool isValid() const { return device != 0 || inode != 0; }
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// The identity of the open file fd; invalid when it cannot be told.
FileIdentity identityOf(int fd);
// The identity of the regular file at path (a link is not followed);
// invalid for anything else.
FileIdentity identityAt(const QString &path);

// Adds values (album gain and peak, once the whole album is measured) to
// the finished target at path, which nobody holds open any more: only when
// path, not followed if it is a link, still names the file that identity
// recorded. The file's other tags stay as they are. False when the name
// now stands for something else or the tags could not be written.
bool addTags(const QString &path, const FileIdentity &identity, const QString &format,
             const TagMap &values);

} // namespace tags
