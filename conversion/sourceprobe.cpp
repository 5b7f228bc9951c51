#include "sourceprobe.h"

#include "encoderarguments.h"
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
    return QStringList{QStringLiteral("-v"),
                       QStringLiteral("error"),
                       QStringLiteral("-of"),
                       QStringLiteral("json"),
                       QStringLiteral("-show_entries"),
                       QStringLiteral("stream=codec_type,channels")} +
           // The prober opens the source as the encoder will, and no other file.
           encoderarguments::inputGuards() + QStringList{QStringLiteral("-i"), input};
}

SourceInfo parseProberOutput(const QByteArray &json)
{
    SourceInfo info;
    const QJsonArray streams = QJsonDocument::fromJson(json).object().value(u"streams").toArray();
    for (const QJsonValue &value : streams) {
        const QJsonObject stream = value.toObject();
        if (stream.value(u"codec_type").toString() == u"audio") {
            info.channels = qMax(0, stream.value(u"channels").toInt());
            break;
        }
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
