#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A stand-in encoder written as a small shell script into a folder of its
// own: it logs its arguments one per line, notes whether its input is at an
// end, and then runs the body given, in which $OUT is the last argument
// (the target). Point toollocator at folder() to have the window start it.
class ScriptEncoder
{
public:
    QString folder() const { return m_dir.path(); }
    QString program() const { return m_dir.filePath("ffmpeg"); }
    QString argumentLog() const { return m_dir.filePath("arguments.log"); }
    QString inputLog() const { return m_dir.filePath("input.log"); }

    bool write(const QByteArray &body, bool executable = true)
    {
        QFile file(program());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        file.write("#!/bin/sh\n");
        file.write("for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + argumentLog().toUtf8() +
                   "'\n");
        file.write("for OUT in \"$@\"; do :; done\n");
        // An input that is never written but stays open would block here.
        file.write("if read -r line; then echo data; else echo eof; fi > '" + inputLog().toUtf8() +
                   "'\n");
        file.write(body);
        file.write("\n");
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        return file.setPermissions(permissions);
    }

    QStringList arguments() const
    {
        QFile file(argumentLog());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    QString input() const
    {
        QFile file(inputLog());
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).trimmed();
    }

private:
    QTemporaryDir m_dir;
};
