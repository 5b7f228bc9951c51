#pragma once

#include <QString>

struct stat;

// The source of a conversion, held from its selection to its end like the
// target (see targetreservation.h). At selection only what the name stands
// for is recorded; when the file's turn comes it is opened once, without
// following a link that was not there at selection, and checked to be that
// very file. The prober and the encoder are then handed the open file
// itself (on Linux /proc/self/fd/N), never the name, so that whoever can
// write to the source's folder cannot make them read another file, nor
// block them with a FIFO.
namespace heldsource {

// Why a source cannot be converted.
enum class Failure {
    None,
    NotAFile, // a FIFO, device, socket or folder
    Replaced, // another file stands under the name than the one selected
    Gone,     // nothing stands under the name any more
};

class HeldSource
{
public:
    HeldSource() = default;
    HeldSource(HeldSource &&other) noexcept;
    HeldSource &operator=(HeldSource &&other) noexcept;
    HeldSource(const HeldSource &) = delete;
    HeldSource &operator=(const HeldSource &) = delete;
    ~HeldSource();

    // A selection was recorded (see select()).
    bool isSelected() const { return !m_path.isEmpty(); }
    // The name the user selected.
    const QString &path() const { return m_path; }

    // Opens the selected file: Replaced when the name now stands for
    // another file (or a link that was not there), Gone when for none.
    // Never blocks, whatever stands there.
    Failure open();
    bool isOpen() const { return m_fd >= 0; }
    // The path that names the open file for a child handed descriptor()
    // (see childprocess.h); empty while closed.
    QString toolPath() const;

    // The open file, to be read (its tags) or handed to a child but never
    // closed by the caller; close-on-exec, so that no other program this
    // process starts inherits it. -1 while closed, and on Windows, where it
    // is held differently.
    int descriptor() const;

    void close();

private:
    friend HeldSource select(const QString &, Failure *);
    bool sameFile(const struct stat &info) const;

    QString m_path;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    bool m_wasLink = false;
    int m_fd = -1;
};

// Records what path stands for now, opening nothing: a regular file or a
// link to one. An unselected HeldSource, with the reason in failure
// (NotAFile, Gone), otherwise.
HeldSource select(const QString &path, Failure *failure = nullptr);

} // namespace heldsource
