#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

#include <csignal>

// A USB stick for a test: a FAT32 or exFAT file system made in an image
// file, on a loop device, mounted through FUSE as a desktop without the
// kernel's drivers would. Needs root, loop devices and FUSE; a machine
// without them fails the suite rather than skipping it.
class StickImage
{
public:
    enum class Kind { Fat32, ExFat };

    StickImage(const QString &image, Kind kind)
        : m_image(image)
        , m_kind(kind)
    {
    }
    ~StickImage() { unmount(); }
    StickImage(const StickImage &) = delete;
    StickImage &operator=(const StickImage &) = delete;

    // Makes the file system; why not in error.
    bool make(int megabytes, QString *error)
    {
        QFile image(m_image);
        if (!image.open(QIODevice::WriteOnly) || !image.resize(qint64(megabytes) << 20)) {
            *error = "the image cannot be made";
            return false;
        }
        image.close();
        return m_kind == Kind::ExFat ? tool("mkfs.exfat", {m_image}, error)
                                     : tool("mkfs.vfat", {"-F", "32", m_image}, error);
    }

    // Mounts it at folder, which it makes, its driver in time zone zone
    // (FAT keeps local times: a stick read in another zone shows them moved).
    bool mount(const QString &folder, QString *error, const QString &zone = "UTC")
    {
        unmount();
        QDir().mkpath(folder);
        QString device;
        if (!tool("losetup", {"-f", "--show", m_image}, error, &device))
            return false;
        m_device = device.trimmed();
        const bool started =
            m_kind == Kind::ExFat
                ? tool("mount.exfat-fuse", {m_device, folder}, error, nullptr, zone)
                : tool("fusefat", {"-o", "rw+", m_device, folder}, error, nullptr, zone);
        m_folder = QDir(folder).absolutePath();
        // The daemon may still be on its way when its starter returns.
        QDeadlineTimer deadline(10000);
        while (started && !mounted() && !deadline.hasExpired())
            QThread::msleep(20);
        if (!started || !mounted()) {
            if (error->isEmpty())
                *error = "the file system did not come up at " + folder;
            unmount();
            return false;
        }
        return true;
    }

    // Takes it out as a person would (once everything is written).
    void unmount()
    {
        QString ignored;
        if (!m_folder.isEmpty()) {
            tool("fusermount", {"-u", m_folder}, &ignored);
            if (mounted())
                tool("umount", {"-l", m_folder}, &ignored);
        }
        if (!m_device.isEmpty())
            tool("losetup", {"-d", m_device}, &ignored);
        m_folder.clear();
        m_device.clear();
    }

    // Pulls it out as a person would who does not wait: its driver ends at
    // once, whatever is being written. unmount() then tidies up.
    bool pull()
    {
        const QByteArray device = QFile::encodeName(m_device);
        const QStringList processes = QDir("/proc").entryList(QDir::Dirs);
        bool killed = false;
        for (const QString &pid : processes) {
            QFile command("/proc/" + pid + "/cmdline");
            if (pid.toInt() > 0 && command.open(QIODevice::ReadOnly) &&
                command.readAll().split('\0').contains(device))
                killed = ::kill(pid.toInt(), SIGKILL) == 0 || killed;
        }
        return killed;
    }

    const QString &folder() const { return m_folder; }

private:
    bool mounted() const
    {
        QFile table("/proc/self/mountinfo");
        if (m_folder.isEmpty() || !table.open(QIODevice::ReadOnly))
            return false;
        // The table writes a space in a path as \040.
        const QByteArray at = ' ' + QFile::encodeName(m_folder).replace(" ", "\\040") + ' ';
        return table.readAll().contains(at);
    }

    static bool tool(const QString &program, const QStringList &arguments, QString *error,
                     QString *output = nullptr, const QString &zone = "UTC")
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", zone);
        process.setProcessEnvironment(environment);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            *error = program + " failed: " + QString::fromLocal8Bit(process.readAllStandardError());
            return false;
        }
        if (output)
            *output = QString::fromLocal8Bit(process.readAllStandardOutput());
        return true;
    }

    QString m_image;
    Kind m_kind;
    QString m_device;
    QString m_folder;
};
