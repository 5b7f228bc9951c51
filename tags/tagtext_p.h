#pragma once

#include "tagmap.h"

#include <taglib/tpropertymap.h>
#include <taglib/tstring.h>

// Texts and maps between Qt and TagLib, always through UTF-8.
namespace tags {

inline QString fromTagLib(const TagLib::String &text)
{
    return QString::fromStdString(text.to8Bit(true));
}

inline TagLib::String toTagLib(const QString &text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

inline TagLib::StringList toTagLib(const QStringList &values)
{
    TagLib::StringList list;
    for (const QString &value : values)
        list.append(toTagLib(value));
    return list;
}

inline TagMap fromTagLib(const TagLib::PropertyMap &properties)
{
    TagMap map;
    for (const auto &[key, values] : properties) {
        QStringList list;
        for (const TagLib::String &value : values)
            list.append(fromTagLib(value));
        map.insert(fromTagLib(key), list);
    }
    return map;
}

inline TagLib::PropertyMap toTagLib(const TagMap &map)
{
    TagLib::PropertyMap properties;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        properties.insert(toTagLib(it.key()), toTagLib(it.value()));
    return properties;
}

} // namespace tags
