#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

// What the parts of the cue sheet library share: the texts shown to users.
namespace cuesheet::detail {

inline QString tr(const char *text)
{
    return QCoreApplication::translate("cuesheet", text);
}

// Text from the sheet as a message quotes it: at most 80 characters.
inline QString shown(QStringView text)
{
    constexpr qsizetype Longest = 80;
    if (text.size() <= Longest)
        return text.toString();
    qsizetype cut = Longest - 1;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut).toString() + QChar(0x2026);
}

// A FILE entry's last name component, after its last '/' or '\'.
inline QString lastComponent(const QString &entry)
{
    const qsizetype slash = qMax(entry.lastIndexOf(u'/'), entry.lastIndexOf(u'\\'));
    return entry.mid(slash + 1);
}

// Sets *error (when given) and returns nothing.
template<typename T> std::optional<T> failed(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return std::nullopt;
}

} // namespace cuesheet::detail
