#pragma once

#include <QString>
#include <QUrl>

// The one rule for the addresses the program reaches out to.
namespace weburl {

// An absolute http or https address with a host: the only kind ever fetched,
// posted to or opened. Any other scheme (a local file, another program's
// protocol) from a server or a setting could reach further than the web.
bool isWebAddress(const QUrl &url);

// The server's base address with path appended to its own path (without
// doubling a separator), and no query or fragment.
QUrl withPath(const QUrl &base, const QString &path);

} // namespace weburl
