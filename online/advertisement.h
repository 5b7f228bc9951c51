#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// The advertisement server's document and the requests that fetch it and its
// picture. Everything here treats the server's answers as untrusted.
namespace online {

// The five members of an accepted document.
struct AdDocument
{
    double currentVersion = 0;
    QString freshUrl;
    QString imgUrl;
    bool autoOpen = false;
    QString targetUrl;
};

inline constexpr qint64 MaxDocumentBytes = 1 << 20;
inline constexpr qint64 MaxPictureBytes = 8 << 20;
inline constexpr int RequestTimeoutMs = 30000;

// The document's address on the advertisement server: base + "/tonewright/v10.json".
QUrl adDocumentAddress(const QUrl &serverBase);

// Reads a reply body (Latin-1 up to the first NUL byte) and accepts it only
// when it is an object with all five members of the right kinds.
std::optional<AdDocument> evaluateAdDocument(const QByteArray &body);

// True for an absolute http or https address with a host: the only kind ever fetched.
bool isFetchable(const QUrl &url);

// A plain GET bounded in size and time: past maxBytes (declared by
// Content-Length or delivered) or timeoutMs for the whole request the reply
// is aborted and finishes with QNetworkReply::OperationCanceledError and no
// body. Returns nullptr, fetching nothing, when the address is not fetchable.
//
// The reply is a child of manager. Connect its finished() to your slot, read
// it there, then release it with reply->deleteLater() (and a manager created
// for this one request with manager->deleteLater(), which would also take
// the reply with it). Nothing here reads the reply after finished(). Read
// the body with takeBody().
QNetworkReply *boundedGet(QNetworkAccessManager &manager, const QUrl &url, qint64 maxBytes,
                          int timeoutMs = RequestTimeoutMs);

// The whole body of a finished reply; empty, without a warning, for a reply
// that boundedGet cut off (its data is discarded, never half a document).
QByteArray takeBody(QNetworkReply *reply);

// Why boundedGet cut a reply off, if it did.
enum class AbortReason { None = 0, TooLarge = 1, TimedOut = 2 };
AbortReason abortReason(const QNetworkReply *reply);

// The advertisement picture in whatever format the image readers recognise
// from the data; a null QImage when the data is no image.
QImage decodePicture(const QByteArray &data);

} // namespace online
