#include "portablenames.h"

#include <QFile>
#include <QStringList>

namespace portablenames {

namespace {

constexpr qsizetype MaxComponent = 255;

bool isReserved(const QString &name)
{
    const QString head = name.section(u'.', 0, 0).toUpper();
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                      QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (plain.contains(head))
        return true;
    return head.size() == 4 && (head.startsWith(u"COM") || head.startsWith(u"LPT")) &&
           head.at(3).isDigit();
}

qsizetype length(const QString &text, FileSystemKind kind)
{
    return isPortable(kind) ? text.size() : text.toUtf8().size();
}

QString fitted(QString stem, const QString &suffix, FileSystemKind kind)
{
    while (!stem.isEmpty() && length(stem + suffix, kind) > MaxComponent) {
        stem.chop(1);
        if (!stem.isEmpty() && stem.back().isHighSurrogate())
            stem.chop(1);
    }
    return stem + suffix;
}

} // namespace

bool isPortable(FileSystemKind kind)
{
    return kind != FileSystemKind::Posix;
}

QString component(const QString &stem, const QString &suffix, FileSystemKind kind)
{
    if (!isPortable(kind))
        return fitted(stem, suffix, kind);
    QString clean = stem + suffix;
    for (QChar &c : clean) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"<>:\"\\|?*").contains(c))
            c = u'_';
    }
    while (clean.endsWith(u'.') || clean.endsWith(u' '))
        clean.chop(1);
    if (clean.isEmpty())
        clean = QStringLiteral("_");
    if (isReserved(clean)) {
        const qsizetype dot = clean.indexOf(u'.');
        clean.insert(dot < 0 ? clean.size() : dot, u'_');
    }
    // The suffix comes through unchanged (its characters are all accepted),
    // so whatever is over the limit is taken off the stem.
    const qsizetype keep = clean.size() - suffix.size();
    if (keep <= 0 || !clean.endsWith(suffix))
        return fitted(clean, QString(), kind);
    return fitted(clean.left(keep), suffix, kind);
}

QString clashKey(const QString &path, FileSystemKind kind)
{
    return isPortable(kind) ? path.toCaseFolded() : path;
}

} // namespace portablenames
