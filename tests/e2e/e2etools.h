#pragma once

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

// Helpers shared by the end-to-end suites: the real encoder makes the
// sources and the real prober reads the results.
namespace e2e {

inline QString tonewright()
{
    return QStringLiteral(TW_TEST_BINARY_DIR "/bin/tonewright");
}

inline bool haveTools()
{
    return !QStandardPaths::findExecutable("ffmpeg").isEmpty() &&
           !QStandardPaths::findExecutable("ffprobe").isEmpty();
}

// Runs a tool to its end; its exit code, or -1 when it crashed or timed out.
inline int run(const QString &program, const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// What a tool printed on standard output; empty when it failed.
inline QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// A file's bytes; empty when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How a run of the program ended: its status (-1: it crashed or never
// ended) and what it wrote on its standard streams.
struct Ended
{
    int status = -1;
    QString error;
    QString output;
};

inline Ended runProgram(const QStringList &arguments, const QProcessEnvironment &environment,
                        const QString &program = tonewright(), int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    Ended ended;
    if (!process.waitForFinished(timeoutMs)) {
        // An error box would keep the program waiting until the timeout.
        process.kill();
        process.waitForFinished();
        return ended;
    }
    ended.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ended.error = QString::fromUtf8(process.readAllStandardError());
    ended.output = QString::fromUtf8(process.readAllStandardOutput());
    return ended;
}

// A few seconds of stereo pink noise (noise keeps every lossy encoder at
// its full bitrate), the same on every run.
inline bool makeWav(const QString &path, int seconds = 4)
{
    return run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                          QString("anoisesrc=d=%1:c=pink:r=44100:a=0.3:seed=42").arg(seconds),
                          "-ac", "2", "-y", path}) == 0;
}

// A quiet tone (about -21 dB mean), so that even four times louder cannot clip.
inline bool makeTone(const QString &path, int seconds = 2)
{
    return run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                          QString("sine=frequency=440:duration=%1:sample_rate=44100").arg(seconds),
                          "-ac", "2", "-y", path}) == 0;
}

struct Probe
{
    bool ok = false;
    QString formatName;
    QString codec;
    double duration = 0;
    double kbps = 0; // the stream's stated bitrate, else the file's
};

// The prober's whole answer: "format" and "streams".
inline QJsonObject probeJson(const QString &path)
{
    return QJsonDocument::fromJson(output("ffprobe", {"-v", "error", "-print_format", "json",
                                                      "-show_format", "-show_streams", path}))
        .object();
}

inline Probe probe(const QString &path)
{
    Probe result;
    const QJsonObject root = probeJson(path);
    const QJsonObject format = root.value("format").toObject();
    const QJsonObject stream = root.value("streams").toArray().first().toObject();
    result.ok = !stream.isEmpty();
    result.formatName = format.value("format_name").toString();
    result.codec = stream.value("codec_name").toString();
    result.duration = format.value("duration").toString().toDouble();
    const QString streamRate = stream.value("bit_rate").toString();
    result.kbps =
        (streamRate.isEmpty() ? format.value("bit_rate").toString() : streamRate).toDouble() /
        1000.0;
    return result;
}

// The mean volume in dB that the encoder's volumedetect filter measures;
// 0 when it could not be read.
inline double meanVolume(const QString &path)
{
    QProcess process;
    process.start("ffmpeg", {"-hide_banner", "-i", path, "-af", "volumedetect", "-f", "null", "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return 0.0;
    const QRegularExpressionMatch match =
        QRegularExpression("mean_volume: (-?[0-9.]+) dB")
            .match(QString::fromUtf8(process.readAllStandardError()));
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

// Every tag of a file, keys in lower case: containers keep tags on the file
// or on the stream, and the keys' case varies.
inline QMap<QString, QString> tags(const QString &path)
{
    QProcess process;
    process.start("ffprobe",
                  {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of", "json", path});
    QMap<QString, QString> found;
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return found;
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    QList<QJsonObject> tagObjects = {root.value("format").toObject().value("tags").toObject()};
    for (const QJsonValue &stream : root.value("streams").toArray())
        tagObjects << stream.toObject().value("tags").toObject();
    for (const QJsonObject &object : tagObjects) {
        for (auto it = object.begin(); it != object.end(); ++it)
            found.insert(it.key().toLower(), it.value().toString());
    }
    return found;
}

// A settings folder for the real program (it reads $XDG_CONFIG_HOME/Tonewright.conf).
inline bool writeSettings(const QString &configDir, const QString &bitrate,
                          const QString &targetdir = "same")
{
    QFile file(configDir + "/Tonewright.conf");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("[General]\nbitrate=" + bitrate.toUtf8() + "\ntargetdir=" + targetdir.toUtf8() +
               "\nsendstat=false\n");
    return true;
}

// Points a program's folders (settings, data, encoder slots) into a test's
// own folder, whoever runs the suite: never the user's.
inline void useOwnFolders(QProcessEnvironment &environment, const QString &configDir)
{
    const QString runtime = configDir + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(configDir + "/data");
    environment.insert("XDG_CONFIG_HOME", configDir);
    environment.insert("XDG_DATA_HOME", configDir + "/data");
    environment.insert("XDG_RUNTIME_DIR", runtime);
}

inline QProcessEnvironment programEnvironment(const QString &configDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    useOwnFolders(environment, configDir);
    return environment;
}

// The same for a program that finds no display, as in a terminal.
inline QProcessEnvironment terminalEnvironment(const QString &configDir)
{
    QProcessEnvironment environment = programEnvironment(configDir);
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

} // namespace e2e
