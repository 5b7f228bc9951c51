#pragma once

#include <QByteArray>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Fetching from untrusted servers: the advertisement document and picture.
namespace online {

// The deadline of a whole request, from start to the last byte.
inline constexpr int RequestTimeoutMs = 30000;

// A plain GET bounded in size and time: past maxBytes (declared by
// Content-Length or delivered) or timeoutMs for the whole request the reply
// is aborted and finishes with QNetworkReply::OperationCanceledError and no
// body. The body is read as it arrives, so that no more than the limit and a
// small read buffer is ever held. Returns nullptr, fetching nothing, when the
// address is not fetchable.
//
// The reply is a child of manager. Connect its finished() to your slot, read
// it there, then release it with reply->deleteLater() (and a manager created
// for this one request with manager->deleteLater(), which would also take
// the reply with it). Nothing here reads the reply after finished(). Read
// the body with takeBody().
QNetworkReply *boundedGet(QNetworkAccessManager &manager, const QUrl &url, qint64 maxBytes,
                          int timeoutMs = RequestTimeoutMs);

// The whole body of a finished reply of boundedGet. Empty, without a warning,
// unless the reply ended without error with a 2xx status and all the bytes
// its Content-Length declared: never an error page, half a document or data
// that failed to decompress.
QByteArray takeBody(QNetworkReply *reply);

// Why boundedGet cut a reply off, if it did.
enum class AbortReason { None = 0, TooLarge = 1, TimedOut = 2 };
AbortReason abortReason(const QNetworkReply *reply);

} // namespace online
