#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>
#include <optional>

// The advertisement server's document and picture. Everything here treats the
// server's answers as untrusted.
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

// The document's address on the advertisement server: base + "/tonewright/v10.json".
QUrl adDocumentAddress(const QUrl &serverBase);

// Reads a reply body (Latin-1 up to the first NUL byte) and accepts it only
// when it is an object with all five members of the right kinds.
std::optional<AdDocument> evaluateAdDocument(const QByteArray &body);

// The advertisement picture, a PNG, JPEG or GIF told by its first bytes; a
// null QImage for anything else.
QImage decodePicture(const QByteArray &data);

} // namespace online
