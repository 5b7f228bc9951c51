#include "albumgain.h"

#include "filecopy.h"
#include "latertags.h"
#include "loudness.h"
#include "randomstring.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace albumgain {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MirrorSession", text);
}

} // namespace

QString albumOf(const QString &source)
{
    return source.section(u'/', 0, -2);
}

bool takesValues(qsizetype trackCount)
{
    return trackCount >= 2 && trackCount <= loudness::MaxAlbumTracks;
}

void Tally::expect(const QString &album)
{
    ++m_albums[album].remaining;
}

Tally::Album Tally::ended(const QString &album, bool converted)
{
    const auto found = m_albums.find(album);
    if (found == m_albums.end())
        return Album::Open;
    found->incomplete = found->incomplete || !converted;
    if (--found->remaining > 0)
        return Album::Open;
    const bool incomplete = found->incomplete;
    m_albums.erase(found);
    return incomplete ? Album::Incomplete : Album::Whole;
}

bool rewrite(const QString &output, const QString &temporary, const QString &format,
             const tags::TagMap &values, const std::function<bool()> &unchanged, QString *error)
{
    const QByteArray from = QFile::encodeName(temporary);
    const auto refuse = [&](const QString &why) {
        ::unlink(from.constData());
        *error = why;
        return false;
    };
    const auto changed = [&] {
        *error = tr("%1 was changed meanwhile and was left alone.").arg(output);
        return false;
    };
    if (!unchanged())
        return changed();
    QString why;
    if (!filecopy::copy(output, temporary, true, &why)) {
        *error = tr("%1 cannot be written: %2").arg(temporary, why);
        return false;
    }
    struct stat st;
    if (::lstat(from.constData(), &st) != 0 ||
        !tags::addTags(temporary, {quint64(st.st_dev), quint64(st.st_ino)}, format, values))
        return refuse(tr("%1 did not get its album's loudness values.").arg(output));
    if (!filecopy::flush(temporary, &why))
        return refuse(tr("%1 cannot be written: %2").arg(temporary, why));
    if (!unchanged()) {
        ::unlink(from.constData());
        return changed();
    }
    if (::rename(from.constData(), QFile::encodeName(output).constData()) != 0)
        return refuse(tr("%1 cannot be written: %2")
                          .arg(output, QString::fromLocal8Bit(std::strerror(errno))));
    return true;
}

QString temporaryBeside(const QString &output)
{
    const qsizetype slash = output.lastIndexOf(u'/');
    return output.left(slash + 1) + QStringLiteral(".tonewright-album-") + randomString(12, {}) +
           QStringLiteral(".part");
}

} // namespace albumgain
