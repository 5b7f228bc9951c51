#include "mirrorplan.h"

#include "imagetracks.h"
#include "mediafiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSet>

namespace mirrorplan {

namespace {

const QString CopyRecipe = QStringLiteral("copy");

bool matches(const FileState &state, const MirrorRecord &record)
{
    return state.exists && state.size == record.outputSize &&
           state.modified == record.outputModified;
}

// The output's folder part, each component as the file system takes it.
QString outputFolder(const QString &source, portablenames::FileSystemKind kind)
{
    const QStringList parts = source.split(u'/');
    QString folder;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        folder += portablenames::component(parts.at(i), QString(), kind) + u'/';
    return folder;
}

} // namespace

int Plan::count(Action action) const
{
    return int(std::count_if(steps.cbegin(), steps.cend(),
                             [action](const Step &s) { return s.action == action; }));
}

int Plan::writes() const
{
    return count(Action::Convert) + count(Action::Replace) + count(Action::Copy);
}

int Plan::unchanged() const
{
    return count(Action::Leave) + count(Action::Keep);
}

QString temporaryName(const QString &output, portablenames::FileSystemKind kind)
{
    const qsizetype slash = output.lastIndexOf(u'/');
    const QString file = output.mid(slash + 1);
    const QString stem = QStringLiteral(".tonewright-") + file;
    const QString suffix = QStringLiteral(".part");
    QString name = portablenames::component(stem, suffix, kind);
    if (name != stem + suffix) {
        // Too long to keep whole: a shortened name could be another output's.
        name = QStringLiteral(".tonewright-") +
               QString::fromLatin1(
                   QCryptographicHash::hash(file.toUtf8(), QCryptographicHash::Sha1).toHex()) +
               suffix;
    }
    return output.left(slash + 1) + name;
}

QString recipeFor(const treewalk::SourceFile &source, const Settings &settings)
{
    if (!source.trackDigest.isEmpty())
        return imagetracks::recipe(settings.recipe, source);
    if (source.cover || (settings.plain && mediafiles::extension(source.path) == settings.format))
        return CopyRecipe;
    return settings.recipe;
}

bool isCopy(const MirrorRecord &record)
{
    return record.recipe == CopyRecipe;
}

Plan plan(const treewalk::Result &walk, const QHash<QString, MirrorRecord> &records,
          const Settings &settings, portablenames::FileSystemKind kind,
          const std::function<FileState(const QString &)> &outputState,
          const std::function<bool(const QString &)> &sourceGone,
          const std::function<bool(const MirrorRecord &)> &sameContents,
          const PlaylistReader &readPlaylist)
{
    // As written, though its time may have moved: a stick read in another
    // time zone, or after a change of summer time, shows every file whole
    // hours off, and a file system may round what it was given.
    const auto unedited = [&](const FileState &state, const MirrorRecord &record) {
        return matches(state, record) ||
               (state.exists && state.size == record.outputSize && sameContents &&
                sameContents(record));
    };
    Plan result;
    result.leftOut = walk.leftOut;

    QSet<QString> taken;
    for (const MirrorRecord &r : records)
        taken.insert(portablenames::clashKey(r.output, kind));

    QSet<QString> walked;
    for (const treewalk::SourceFile &source : walk.files)
        walked.insert(source.path);

    // A new source's name: the first free one of name, name_1, name_2 …
    const auto freeName = [&](const treewalk::SourceFile &source) {
        // A track's output goes beside its image's.
        const QString folder = outputFolder(
            source.outputStem.isEmpty() ? source.path : imagetracks::imageOf(source.path), kind);
        const QString file = source.path.section(u'/', -1);
        const qsizetype dot = file.lastIndexOf(u'.');
        const QString stem = source.outputStem.isEmpty() ? file.left(dot) : source.outputStem;
        // A cover keeps its extension as written; a playlist is written as
        // UTF-8; a track takes the format's.
        const QString extension = u'.' + (source.cover ? file.mid(dot + 1)
                                          : source.playlist ? QStringLiteral("m3u8")
                                                            : settings.format);
        for (int n = 0;; ++n) {
            const QString suffix = (n ? u'_' + QString::number(n) : QString()) + extension;
            const QString name = folder + portablenames::component(stem, suffix, kind);
            const QString key = portablenames::clashKey(name, kind);
            if (!taken.contains(key) && !outputState(name).exists) {
                taken.insert(key);
                return name;
            }
        }
    };

    const auto take = [&](const treewalk::SourceFile &source, const QString &recipe,
                          const QString &newName) {
        Step step;
        step.record.source = source.path;
        step.record.sourceSize = source.size;
        step.record.sourceModified = source.modified;
        step.record.recipe = recipe;
        const bool copy = recipe == CopyRecipe || source.playlist;

        const auto known = records.constFind(source.path);
        if (known == records.cend()) {
            step.record.output = newName.isEmpty() ? freeName(source) : newName;
            step.record.pending = false;
            step.action = copy ? Action::Copy : Action::Convert;
            result.steps.append(step);
            return;
        }

        MirrorRecord old = *known;
        step.record.output = old.output;
        const FileState state = outputState(old.output);
        // Its album values were being rewritten when a run was cut short:
        // a rewritten output in place is ours, its album values unknown.
        const bool rewritten = old.retag && !old.pending && state.exists && !matches(state, old) &&
                               !outputState(temporaryName(old.output, kind)).exists;
        if (rewritten) {
            old.outputSize = state.size;
            old.outputModified = state.modified;
            old.album.clear();
            old.retag = false;
        }
        const auto redo = [&] {
            step.action = copy ? Action::Copy : Action::Replace;
            if (state.exists) {
                step.expectedSize = state.size;
                step.expectedModified = state.modified;
            }
        };
        const bool sameSource = old.sourceSize == source.size &&
                                old.sourceModified == source.modified &&
                                old.recipe == step.record.recipe;
        if (old.pending && sameSource && state.exists && !matches(state, old) &&
            !outputState(temporaryName(old.output, kind)).exists && (copy || !settings.album)) {
            // Renamed into place by a run cut short before it recorded the
            // file (a pending record holds the output as it was before).
            step.action = Action::Keep;
            step.record.outputSize = state.size;
            step.record.outputModified = state.modified;
        } else if (old.pending) {
            // Cut short last time: whatever stands under the name is ours.
            redo();
            if (!state.exists && !copy)
                step.action = Action::Convert;
        } else if (!state.exists) {
            redo();
        } else if (!unedited(state, old)) {
            step.action = Action::LeaveEdited;
            step.record = old;
        } else if (!sameSource) {
            redo();
        } else {
            step.action = rewritten ? Action::Keep : Action::Leave;
            step.record = old;
            step.record.outputModified = state.modified; // recorded anew when it moved
        }
        result.steps.append(step);
    };

    for (const treewalk::SourceFile &source : walk.files) {
        if (!source.playlist)
            take(source, recipeFor(source, settings), QString());
    }

    QList<const MirrorRecord *> unwalked;
    for (const MirrorRecord &old : records) {
        if (!walked.contains(old.source))
            unwalked.append(&old);
    }
    std::sort(unwalked.begin(), unwalked.end(),
              [](const MirrorRecord *a, const MirrorRecord *b) { return a->source < b->source; });
    QSet<QString> gone;
    for (const MirrorRecord *old : std::as_const(unwalked)) {
        if (sourceGone(old->source))
            gone.insert(old->source);
    }

    // Playlists once every other output is named: their text names them.
    QHash<QString, QString> outputs;
    for (const Step &step : std::as_const(result.steps)) {
        if (mediafiles::isMedia(step.record.source))
            outputs.insert(step.record.source, step.record.output);
    }
    for (const MirrorRecord *old : std::as_const(unwalked)) {
        if (!gone.contains(old->source) && mediafiles::isMedia(old->source))
            outputs.insert(old->source, old->output);
    }
    const auto outputOf = [&outputs](const QString &source) { return outputs.value(source); };
    for (const treewalk::SourceFile &source : walk.files) {
        if (!source.playlist)
            continue;
        const auto known = records.constFind(source.path);
        const QString name = known == records.cend() ? freeName(source) : known->output;
        const PlaylistReading reading =
            readPlaylist ? readPlaylist(source.path, name, outputOf) : PlaylistReading();
        if (!reading.recipe.isEmpty()) {
            take(source, reading.recipe, name);
            continue;
        }
        result.leftOut.append({source.path, reading.leftOut});
        if (known != records.cend()) // its output stays as it was
            result.steps.append({Action::Leave, *known});
    }

    result.walked = result.steps.size();
    for (const MirrorRecord *record : std::as_const(unwalked)) {
        const MirrorRecord &old = *record;
        Step step;
        step.record = old;
        if (!gone.contains(old.source)) {
            step.action = Action::Leave; // there, but not readable this time
        } else {
            const FileState state = outputState(old.output);
            if (!state.exists) {
                step.action = Action::Forget;
            } else if (!old.pending && unedited(state, old)) {
                step.action = Action::Trash;
                step.expectedSize = state.size;
                step.expectedModified = state.modified;
            } else {
                step.action = Action::LeaveEdited;
            }
        }
        result.steps.append(step);
    }
    return result;
}

QStringList describe(const Plan &plan)
{
    QStringList lines;
    for (const Step &step : plan.steps) {
        const QString &source = step.record.source;
        const QString &output = step.record.output;
        switch (step.action) {
        case Action::Convert:
            lines << QCoreApplication::translate("mirror", "convert %1 → %2").arg(source, output);
            break;
        case Action::Replace:
            lines << QCoreApplication::translate("mirror", "replace %1 → %2").arg(source, output);
            break;
        case Action::Copy:
            if (mediafiles::isPlaylist(source))
                lines
                    << QCoreApplication::translate("mirror", "rewrite %1 → %2").arg(source, output);
            else
                lines << QCoreApplication::translate("mirror", "copy %1 → %2").arg(source, output);
            break;
        case Action::Leave:
            lines << QCoreApplication::translate("mirror", "leave %1").arg(output);
            break;
        case Action::LeaveEdited:
            lines << QCoreApplication::translate(
                         "mirror", "leave %1: changed since Tonewright wrote it").arg(output);
            break;
        case Action::Keep:
            lines << QCoreApplication::translate(
                         "mirror", "keep %1: written by a run cut short").arg(output);
            break;
        case Action::Trash:
            lines << QCoreApplication::translate("mirror", "trash %1").arg(output);
            break;
        case Action::Later:
            lines << QCoreApplication::translate("mirror", "later %1: no room for it").arg(output);
            break;
        case Action::Forget:
            break;
        }
    }
    for (const treewalk::LeftOut &left : plan.leftOut)
        lines << QCoreApplication::translate("mirror", "left out %1").arg(treewalk::describe(left));
    return lines;
}

} // namespace mirrorplan
