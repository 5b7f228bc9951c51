#pragma once

#include <QString>
#include <QStringList>

// Picks the target file of a conversion. The first free name of
// base.format, base_1.format, base_2.format, ... is created exclusively,
// never through a link, and stays open: that open file is the reservation.
// Two conversions started at the same moment never pick the same name, and
// the encoder writes into the very file that was created (through a path
// naming the open file), so whoever can write to the folder cannot make it
// write anywhere else by putting a link in its place.
namespace targetreservation {

// Why no name could be reserved.
enum class Failure {
    None,
    NotWritable, // the folder does not let us create a file
    NameTooLong, // the name is too long for the folder, whatever folder is chosen
};

class Reservation
{
public:
    Reservation() = default;
    Reservation(Reservation &&other) noexcept;
    Reservation &operator=(Reservation &&other) noexcept;
    Reservation(const Reservation &) = delete;
    Reservation &operator=(const Reservation &) = delete;
    // Closes the file and leaves it as it is (see release() and keep()).
    ~Reservation();

    bool isValid() const { return !m_path.isEmpty(); }
    // The name the user will look for.
    const QString &path() const { return m_path; }
    // The name the encoder writes to: one that names the open file itself
    // (on Linux /proc/self/fd/N, valid in a child handed descriptor(), see
    // childprocess.h), whatever now stands at path().
    QString encoderPath() const;
    // Whether path() still names our file (not a link, not another file).
    bool isIntact() const;
    // The size of our file, whatever its name has become; -1 when closed.
    qint64 size() const;
    // The open file itself, for reading and writing (the tags, after the
    // encoder) or to be handed to the encoder; it stays ours, never to be
    // closed by the caller, and close-on-exec. -1 when closed, and on
    // Windows, where the file is not held open.
    int descriptor() const;
    // The same file opened anew through path() (read and write, close-on-
    // exec; the caller closes it), while path() still names it; -1
    // otherwise. Some FUSE drivers give a descriptor opened before another
    // process wrote the file only what the file held then.
    int reopen() const;
    // Whether the medium our file lies on is (all but) full, as when the
    // encoder failed for want of room.
    bool isOnFullMedium() const;
    // Whether the medium our file lies on has gone away (pulled out, its
    // driver ended), as when the encoder failed for want of it.
    bool isOnGoneMedium() const;
    // The conversion failed: removes the name while it is still ours (never
    // through a link; a foreign file is left alone), empties our file when
    // its name was taken from it, and closes it.
    void release();
    // The conversion succeeded: closes the file, which stays.
    void keep();

private:
    friend Reservation reserve(const QString &, const QString &, const QString &, Failure *);
    friend Reservation create(const QString &, QStringList *, Failure *);
    void close();

    QString m_path;
    int m_fd = -1;
};

// Whether error (an errno) says that the medium a file lay on is no longer
// there: a FUSE driver that ended, a device pulled out.
bool isGoneError(int error);
// Whether path cannot be looked at because its medium is gone.
bool isOnGoneMedium(const QString &path);

// directory must end with a separator. An invalid reservation, with the
// reason in failure, when none of the names can be created.
Reservation reserve(const QString &directory, const QString &base, const QString &format,
                    Failure *failure = nullptr);

// Reserves exactly path, making its missing folders first (each appended
// to madeFolders, outermost first, whatever the result). Nothing standing
// at path is ever taken over or followed: a file or link there makes it
// invalid, as a folder that cannot be made does.
Reservation create(const QString &path, QStringList *madeFolders, Failure *failure = nullptr);

} // namespace targetreservation
