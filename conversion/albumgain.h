#pragma once

#include "tagmap.h"

#include <QHash>
#include <QString>
#include <functional>

// Album values, the one way a selection and a folder mirror alike give
// them: the tracks of one source folder are an album, and an album gets its
// values once every one of its tracks converted in the run. An album with a
// track that failed or was stopped keeps track values only (a mirror takes
// it up again on the run that converts the track).
namespace albumgain {

// The album a source belongs to: the folder it lies in (the source's own
// form, absolute or relative to a mirrored folder).
QString albumOf(const QString &source);

// Whether an album of that many tracks gets album values: a lone file gets
// track values only, and past a limit the album is not measured as one.
bool takesValues(qsizetype trackCount);

// Counts the tracks of each album as they end in a run.
class Tally
{
public:
    enum class Album { Open, Whole, Incomplete };

    // One more of the album's tracks is to end in the run.
    void expect(const QString &album);
    // A track of the album ended, converted or not: Whole or Incomplete
    // once it was the album's last, Open before that and for an album not
    // expected.
    Album ended(const QString &album, bool converted);
    bool contains(const QString &album) const { return m_albums.contains(album); }
    void clear() { m_albums.clear(); }

private:
    struct Count
    {
        int remaining = 0;
        bool incomplete = false;
    };
    QHash<QString, Count> m_albums;
};

// Adds values to the output in place as an output is written: a copy at
// temporary (created here, beside the output) gets the values and is
// flushed, then renamed over the output, and only while unchanged() says
// the output is still the one written. False with the reason, the output
// as it was and the temporary removed, when any step fails.
bool rewrite(const QString &output, const QString &temporary, const QString &format,
             const tags::TagMap &values, const std::function<bool()> &unchanged,
             QString *error);

// A temporary name beside the output that nothing else uses.
QString temporaryBeside(const QString &output);

} // namespace albumgain
