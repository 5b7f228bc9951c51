#include "mediafiles.h"

#include <QSet>

namespace mediafiles {

namespace {

// The desktop entry's MimeType list, each type by its shared-mime-info
// globs; left out are globs that mostly name other things there (subtitles,
// disc playlists and indexes).
const QSet<QString> &mediaExtensions()
{
    static const QSet<QString> extensions = [] {
        QSet<QString> set;
        for (const char *e :
             {"mp3", "mpga", "mp2", "flac", "oga", "ogg", "wav", "aiff", "aif", "aifc", "aiffc",
              "opus", "spx", "m4a", "f4a", "m4b", "f4b", "aac", "adts", "ac3", "dts", "wma",
              "mka", "weba", "ape", "wv", "wvp", "mpc", "mpp", "mp+", "tta", "amr", "au", "snd",
              "gsm", "voc", "mp4", "m4v", "f4v", "mkv", "webm", "avi", "divx", "mov", "qt", "mpg",
              "mpeg", "mpe", "vob", "ts", "m2ts", "mts", "m2t", "ogv", "ogm", "3gp", "3gpp",
              "3ga", "3g2", "3gp2", "3gpp2", "flv", "wmv", "dv"})
            set.insert(QString::fromLatin1(e));
        return set;
    }();
    return extensions;
}

} // namespace

QString extension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot <= 0 ? QString() : name.mid(dot + 1).toLower();
}

bool isMedia(const QString &name)
{
    return mediaExtensions().contains(extension(name));
}

bool isCover(const QString &name)
{
    const QString e = extension(name);
    return e == u"jpg" || e == u"jpeg" || e == u"png";
}

bool isPlaylist(const QString &name)
{
    const QString e = extension(name);
    return e == u"m3u" || e == u"m3u8";
}

} // namespace mediafiles
