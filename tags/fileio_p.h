#pragma once

#include <QtGlobal>

namespace tags {

// Reads length bytes of fd at offset into data; false when fewer are there.
bool readAt(int fd, char *data, qint64 length, qint64 offset);
// Writes length bytes of data into fd at offset; false when not all went.
bool writeAt(int fd, const char *data, qint64 length, qint64 offset);

} // namespace tags
