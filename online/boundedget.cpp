#include "boundedget.h"

#include "advertisement.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace online {

namespace {

const char AbortReasonProperty[] = "tw_boundedGetAbortReason";

void abortFor(QNetworkReply *reply, AbortReason reason)
{
    if (!reply->isRunning())
        return;
    reply->setProperty(AbortReasonProperty, int(reason));
    reply->abort();
}

} // namespace

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

} // namespace online
