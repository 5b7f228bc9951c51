#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>

namespace tags {

// The bytes of an open file copied aside before its tags are rewritten in
// place, to be put back when that fails: TagLib shifts the audio as a tag
// grows, and a write that stops half way would leave neither the old file
// nor the new one.
class FileBackup
{
public:
    // Copies fd (opened for reading and writing) aside, when its medium has
    // room for the file to grow by growth bytes; isValid() says whether the
    // whole of it was copied, and the file may be written then. A small
    // file is kept in memory, a large one beside itself (on its own medium,
    // which the rewrite needs room on anyway), or in memory when that
    // medium has no room for the copy.
    FileBackup(int fd, qint64 growth);
    ~FileBackup();
    bool isValid() const { return m_valid; }
    // Puts the copied bytes back into fd, at its old length.
    bool restore();

private:
    int m_fd;
    QByteArray m_bytes;                     // a small file's bytes
    std::unique_ptr<QTemporaryFile> m_copy; // or a large one's copy
    qint64 m_size = -1;
    bool m_valid = false;
};

} // namespace tags
