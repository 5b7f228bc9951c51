#pragma once

#include <QString>

// What a mirror's output holds, in a few bytes: kept when the output is
// written, so that an output whose time moved (a stick read in another
// time zone) can be told from one that was edited. It tells edits apart,
// not attacks.
namespace outputdigest {

// The digest of the regular file at path (never through a link), as hex;
// empty when it cannot be read.
QString of(const QString &path);

} // namespace outputdigest
