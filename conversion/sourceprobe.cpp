#include "sourceprobe.h"

#include "encoderarguments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

} // namespace sourceprobe
