#pragma once

#include <QByteArray>
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

// A plain GET bounded in size and time: past maxBytes or timeoutMs the reply
// is aborted and finishes with an error. Returns nullptr, fetching nothing,
// when the address is not http or https.
QNetworkReply *boundedGet(QNetworkAccessManager &manager, const QUrl &url, qint64 maxBytes,
                          int timeoutMs = RequestTimeoutMs);

} // namespace online
