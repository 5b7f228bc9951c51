#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// A playlist of the folder as its mirror holds it: every entry names the
// mirror's file for its target, relative to the playlist's own place in
// the mirror, so that the list plays wherever the mirror is mounted.
namespace playlist {

// Larger lists are no playlist anyone made by hand or by a player.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

enum class Problem {
    None,
    TooLarge, // more than MaxBytes
    NotText,  // binary: control characters other than tabs and line ends
};

struct Rewritten
{
    Problem problem = Problem::None;
    QByteArray text;     // UTF-8, "/" separators, one line per entry or tag
    QStringList leftOut; // entries as written that point outside or at nothing
};

// bytes: the list as read (UTF-8, else CP1252). source: its path relative
// to the folder; output: its path relative to the mirror's root. roots: the
// folder's absolute paths, for entries written as absolute paths or file
// URLs. outputOf(relative source) is the mirror's relative name of a sound
// or video file there, empty when there is none. An #EXTINF line goes
// with the entry after it; other tags and stream addresses stay as written.
Rewritten rewrite(const QByteArray &bytes, const QString &source, const QString &output,
                  const QStringList &roots,
                  const std::function<QString(const QString &)> &outputOf);

} // namespace playlist
