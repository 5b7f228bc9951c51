#pragma once

// Puts the fake encoder (tests/fakes/fakeencoder.cpp) in a test's own folder
// under the encoder's name, with its script beside it. Header-only so that
// every suite can use it by linking tw_test_fakes.

#include "tw_fakes.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace fakeencoder {

// The encoder's file name on this platform.
inline QString programName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("ffmpeg.exe");
#else
    return QStringLiteral("ffmpeg");
#endif
}

// Replaces the script of an installed fake (the next start reads it).
inline bool setScript(const QString &folder, const QByteArray &script)
{
    QFile file(QDir(folder).filePath(QStringLiteral("fakeencoder.script")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(script) == script.size();
}

// Links (or, where links are not possible, copies) the fake into folder as
// the encoder and writes the script; returns the program's path, or an empty
// text when the folder cannot be prepared.
inline QString install(const QString &folder, const QByteArray &script)
{
    const QString program = QDir(folder).filePath(programName());
    QFile::remove(program);
    if (!QFile::link(QStringLiteral(TW_FAKE_ENCODER), program) &&
        !QFile::copy(QStringLiteral(TW_FAKE_ENCODER), program))
        return QString();
    if (!setScript(folder, script))
        return QString();
    return program;
}

// Whether the fake installed in folder was started.
inline bool ran(const QString &folder)
{
    return QFile::exists(QDir(folder).filePath(QStringLiteral("fakeencoder.args")));
}

// What the script's "stdin" command found: "eof", "data", or empty.
inline QString recordedInput(const QString &folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("fakeencoder.stdin")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The arguments of the fake's last start in folder; empty when it never ran.
inline QStringList recordedArguments(const QString &folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("fakeencoder.args")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList args;
    const QByteArray all = file.readAll();
    qsizetype start = 0;
    for (qsizetype end = all.indexOf('\0'); end >= 0; end = all.indexOf('\0', start)) {
        args << QString::fromLocal8Bit(all.mid(start, end - start));
        start = end + 1;
    }
    return args;
}

} // namespace fakeencoder
