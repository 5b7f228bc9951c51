#include "advertisement.h"

#include "json.h"

#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QVariantMap>

namespace online {

namespace {

const char AbortReasonProperty[] = "tw_boundedGetAbortReason";

// The scalar kinds the JSON reader produces all convert to text, double and
// bool; objects, arrays and null convert to none of them.
bool isConvertibleScalar(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Double:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

void abortFor(QNetworkReply *reply, AbortReason reason)
{
    if (!reply->isRunning())
        return;
    reply->setProperty(AbortReasonProperty, int(reason));
    reply->abort();
}

} // namespace

QUrl adDocumentAddress(const QUrl &serverBase)
{
    QUrl url = serverBase;
    QString basePath = serverBase.path();
    while (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    url.setPath(basePath + QStringLiteral("/tonewright/v10.json"));
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

std::optional<AdDocument> evaluateAdDocument(const QByteArray &body)
{
    const qsizetype nul = body.indexOf('\0');
    const QString text = QString::fromLatin1(nul < 0 ? body : body.left(nul));

    bool ok = false;
    const QVariant parsed = readJson(text, ok);
    if (!ok || parsed.typeId() != QMetaType::QVariantMap)
        return std::nullopt;

    const QVariantMap map = parsed.toMap();
    static const char *const required[] = {"currentversion", "freshurl", "imgurl", "autoopen",
                                           "targeturl"};
    for (const char *key : required) {
        if (!map.contains(QLatin1String(key)))
            return std::nullopt;
    }
    // Tested in this order; the first failure refuses the whole document.
    static const char *const typed[] = {"imgurl", "autoopen", "targeturl", "freshurl",
                                        "currentversion"};
    for (const char *key : typed) {
        if (!isConvertibleScalar(map.value(QLatin1String(key))))
            return std::nullopt;
    }

    AdDocument document;
    // A string that holds no number converts to 0 and so never offers an update.
    document.currentVersion = map.value(QStringLiteral("currentversion")).toDouble();
    document.freshUrl = map.value(QStringLiteral("freshurl")).toString();
    document.imgUrl = map.value(QStringLiteral("imgurl")).toString();
    document.autoOpen = map.value(QStringLiteral("autoopen")).toBool();
    document.targetUrl = map.value(QStringLiteral("targeturl")).toString();
    return document;
}

bool isFetchable(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QNetworkReply *boundedGet(QNetworkAccessManager &manager, const QUrl &url, qint64 maxBytes,
                          int timeoutMs)
{
    if (!isFetchable(url))
        return nullptr;

    QNetworkRequest request(url);
    // Redirects may only stay on http/https and never go from https to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply *reply = manager.get(request);

    // The server is untrusted: a declared or delivered body past the limit is
    // cut off at once rather than buffered.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes)
            abortFor(reply, AbortReason::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, maxBytes](qint64 received, qint64 total) {
                         if (received > maxBytes || total > maxBytes)
                             abortFor(reply, AbortReason::TooLarge);
                     });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, maxBytes] {
        if (reply->bytesAvailable() > maxBytes)
            abortFor(reply, AbortReason::TooLarge);
    });

    // A whole-request deadline: an inactivity timeout alone would let a server
    // that drips a byte now and then hold the request open for ever.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply,
                     [reply] { abortFor(reply, AbortReason::TimedOut); });
    QObject::connect(reply, &QNetworkReply::finished, deadline, &QTimer::stop);
    deadline->start(qMax(0, timeoutMs));
    return reply;
}

QByteArray takeBody(QNetworkReply *reply)
{
    if (!reply || !reply->isOpen())
        return QByteArray();
    return reply->readAll();
}

AbortReason abortReason(const QNetworkReply *reply)
{
    if (!reply)
        return AbortReason::None;
    return AbortReason(reply->property(AbortReasonProperty).toInt());
}

QImage decodePicture(const QByteArray &data)
{
    // QImage picks the reader from the data itself; anything else is an empty picture.
    QImage image;
    if (!image.loadFromData(data))
        return QImage();
    return image;
}

} // namespace online
