#include "sourceprobe.h"

#include "encodercontract.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

namespace sourceprobe {

QStringList proberArguments(const QString &input)
{
    return {QStringLiteral("-v"),
            QStringLiteral("error"),
            QStringLiteral("-of"),
            QStringLiteral("json"),
            QStringLiteral("-show_entries"),
            QStringLiteral("stream=index,codec_type,codec_name,width,height,channels"
                           ":stream_disposition=attached_pic"),
            QStringLiteral("-i"),
            input};
}

SourceInfo parseProberOutput(const QByteArray &json)
{
    SourceInfo info;
    bool audioSeen = false;
    const QJsonArray streams = QJsonDocument::fromJson(json).object().value(u"streams").toArray();
    for (const QJsonValue &value : streams) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(u"codec_type").toString();
        if (type == u"audio" && !audioSeen) {
            audioSeen = true;
            info.channels = qMax(0, stream.value(u"channels").toInt());
            continue;
        }
        // Only JPEG and PNG are stored by every target that takes a cover,
        // and a picture without a known size (its bytes could not be
        // decoded) makes the target refuse to start.
        const QString codec = stream.value(u"codec_name").toString();
        const bool cover =
            type == u"video" &&
            stream.value(u"disposition").toObject().value(u"attached_pic").toInt() == 1;
        if (cover && info.pictureStream < 0 && (codec == u"mjpeg" || codec == u"png") &&
            stream.value(u"width").toInt() > 0 && stream.value(u"height").toInt() > 0)
            info.pictureStream = stream.value(u"index").toInt(-1);
    }
    return info;
}

SourceInfo probe(const QString &proberPath, const QString &input, int timeoutMs)
{
    if (!QFileInfo(proberPath).isFile())
        return {};

    QProcess prober;
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&prober, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&prober, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    prober.setStandardInputFile(QProcess::nullDevice());
    prober.setStandardErrorFile(QProcess::nullDevice());
    prober.start(proberPath, proberArguments(input));
    bound.start(timeoutMs);
    if (prober.state() != QProcess::NotRunning)
        loop.exec();

    if (prober.state() != QProcess::NotRunning || prober.exitStatus() != QProcess::NormalExit ||
        prober.exitCode() != 0) {
        prober.kill();
        prober.waitForFinished();
        return {};
    }
    return parseProberOutput(prober.readAllStandardOutput());
}

} // namespace sourceprobe
