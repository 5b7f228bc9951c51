#include "advertisement.h"

#include "weburl.h"

#include "json.h"

#include <QImage>
#include <QVariantMap>

namespace online {

namespace {

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

} // namespace

QUrl adDocumentAddress(const QUrl &serverBase)
{
    return weburl::withPath(serverBase, QStringLiteral("/tonewright/v10.json"));
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

QImage decodePicture(const QByteArray &data)
{
    // Only the three formats an advertisement comes in, told by their first
    // bytes: no other image reader ever sees what a server sends.
    const char *format = nullptr;
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        format = "PNG";
    else if (data.startsWith("\xff\xd8\xff"))
        format = "JPEG";
    else if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        format = "GIF";
    QImage image;
    if (!format || !image.loadFromData(data, format))
        return QImage();
    return image;
}

} // namespace online
