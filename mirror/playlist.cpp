#include "playlist.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>

namespace playlist {

namespace {

// Lists made by Windows players before UTF-8 ones are in its Western code
// page: Latin-1 but for 0x80-0x9F.
QString fromWindows1252(const QByteArray &bytes)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = uchar(c);
        text += (byte >= 0x80 && byte < 0xA0) ? QChar(high[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

QString decode(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

bool isBinary(const QByteArray &bytes)
{
    return std::any_of(bytes.cbegin(), bytes.cend(), [](char c) {
        const auto byte = uchar(c);
        return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
    });
}

// An address a player streams from, which no mirror changes.
bool isStream(const QString &entry)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+://"));
    return scheme.match(entry).hasMatch() && !entry.startsWith(u"file:", Qt::CaseInsensitive);
}

// The entry's target relative to the folder; empty when it lies outside.
QString resolve(const QString &entry, const QString &folder, const QStringList &roots)
{
    QString path = entry;
    if (path.startsWith(u"file:", Qt::CaseInsensitive)) {
        QUrl url(path, QUrl::TolerantMode);
        if (url.host().compare(u"localhost", Qt::CaseInsensitive) == 0)
            url.setHost(QString());
        path = url.toLocalFile();
    }
    path.replace(u'\\', u'/');
    if (path.isEmpty() || (path.size() > 1 && path.at(1) == u':'))
        return {}; // not a file, or a Windows drive's
    if (path.startsWith(u'/')) {
        path = QDir::cleanPath(path);
        for (const QString &root : roots) {
            if (path.startsWith(root + u'/'))
                return path.mid(root.size() + 1);
        }
        return {};
    }
    path = QDir::cleanPath(folder.isEmpty() ? path : folder + u'/' + path);
    if (path == u".." || path.startsWith(u"../") || path.startsWith(u'/') || path == u".")
        return {};
    return path;
}

// target (relative to the mirror's root) as seen from folder there.
QString relativeTo(const QString &folder, const QString &target)
{
    const QStringList from = folder.isEmpty() ? QStringList() : folder.split(u'/');
    const QStringList to = target.split(u'/');
    qsizetype common = 0;
    while (common < from.size() && common + 1 < to.size() && from.at(common) == to.at(common))
        ++common;
    QStringList parts;
    for (qsizetype i = common; i < from.size(); ++i)
        parts << QStringLiteral("..");
    parts << to.mid(common);
    return parts.join(u'/');
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

} // namespace

Rewritten rewrite(const QByteArray &bytes, const QString &source, const QString &output,
                  const QStringList &roots, const std::function<QString(const QString &)> &outputOf)
{
    Rewritten result;
    if (bytes.size() > MaxBytes) {
        result.problem = Problem::TooLarge;
        return result;
    }
    if (isBinary(bytes)) {
        result.problem = Problem::NotText;
        return result;
    }
    const QString sourceFolder = folderOf(source);
    const QString outputFolder = folderOf(output);
    QStringList lines;
    QStringList withNext; // tags that describe the entry after them
    const QStringList read = decode(bytes).split(u'\n');
    for (const QString &line : read) {
        const QString entry = line.trimmed();
        if (entry.isEmpty())
            continue;
        if (entry.startsWith(u'#')) {
            if (!withNext.isEmpty() || entry.startsWith(u"#EXTINF", Qt::CaseInsensitive))
                withNext << entry;
            else
                lines << entry;
            continue;
        }
        QString written = entry;
        if (!isStream(entry)) {
            const QString target = resolve(entry, sourceFolder, roots);
            const QString name = target.isEmpty() ? QString() : outputOf(target);
            if (name.isEmpty()) {
                result.leftOut << entry;
                withNext.clear();
                continue;
            }
            written = relativeTo(outputFolder, name);
        }
        lines << withNext << written;
        withNext.clear();
    }
    lines << withNext;
    if (!lines.isEmpty())
        result.text = lines.join(u'\n').toUtf8() + '\n';
    return result;
}

} // namespace playlist
