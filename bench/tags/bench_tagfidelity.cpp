// Prints which tags of a well tagged FLAC arrive in each target format, read
// back by a reader other than TagLib: "before" is the encoder's own copying
// alone, "after" the same file with the tags written by tw_tags.
//
// Cells: "+" the value as it was, "~" a different value, "-" nothing.

#include "tagfixture.h"
#include "tagreader.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QChar cell(const QJsonObject &read, const QString &field, const QString &expected)
{
    if (!read.contains(field))
        return QLatin1Char('-');
    return read.value(field).toString() == expected ? QLatin1Char('+') : QLatin1Char('~');
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = tagfixture::makeSource(QDir(dir.path()));
    if (source.isEmpty()) {
        std::fprintf(stderr, "could not make the source (ffmpeg, python3-mutagen?)\n");
        return 1;
    }
    const tags::SourceTags sourceTags = tags::readTags(source);
    QMap<QString, std::pair<QJsonObject, QJsonObject>> read;
    for (const QString &format : tagfixture::formats()) {
        const QString before = dir.filePath(QStringLiteral("before.") + format);
        const QString after = dir.filePath(QStringLiteral("after.") + format);
        if (!tagfixture::convert(source, format, before) || !QFile::copy(before, after))
            return 1;
        tagfixture::retag(after, format, [&](const tags::TagMap &copy) {
            return tags::targetTags(format, sourceTags, copy, {});
        });
        read.insert(format,
                    {tagfixture::readBack(before, format), tagfixture::readBack(after, format)});
    }

    const QJsonObject fields = tagfixture::fullFields();
    QString table = QStringLiteral("| field (before / after) |");
    QString rule = QStringLiteral("|---|");
    for (const QString &format : tagfixture::formats()) {
        table += QLatin1Char(' ') + format + QStringLiteral(" |");
        rule += QStringLiteral(":-:|");
    }
    table += QLatin1Char('\n') + rule + QLatin1Char('\n');
    QMap<QString, std::pair<int, int>> kept;
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        table += QStringLiteral("| ") + field.key() + QStringLiteral(" |");
        for (const QString &format : tagfixture::formats()) {
            const QChar before = cell(read[format].first, field.key(), field.value().toString());
            const QChar after = cell(read[format].second, field.key(), field.value().toString());
            kept[format].first += before == QLatin1Char('+');
            kept[format].second += after == QLatin1Char('+');
            table +=
                QLatin1Char(' ') + before + QStringLiteral(" / ") + after + QStringLiteral(" |");
        }
        table += QLatin1Char('\n');
    }
    table += QStringLiteral("| **kept of %1** |").arg(fields.size());
    for (const QString &format : tagfixture::formats())
        table += QStringLiteral(" %1 / %2 |").arg(kept[format].first).arg(kept[format].second);
    table += QStringLiteral("\n| covers |");
    for (const QString &format : tagfixture::formats())
        table += QStringLiteral(" %1 / %2 |")
                     .arg(read[format].first.value("pictures").toInt())
                     .arg(read[format].second.value("pictures").toInt());
    std::printf("%s\n", qPrintable(table));
    return 0;
}
