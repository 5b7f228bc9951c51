#include "audiolength.h"

#include "tagstream_p.h"

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/tfilestream.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>

namespace tags {

namespace {

// The sample count of the formats that keep one; -1 for the others.
qint64 countedSamples(TagLib::File *file)
{
    if (auto *flac = dynamic_cast<TagLib::FLAC::File *>(file))
        return qint64(flac->audioProperties()->sampleFrames());
    if (auto *wav = dynamic_cast<TagLib::RIFF::WAV::File *>(file))
        return qint64(wav->audioProperties()->sampleFrames());
    if (auto *aiff = dynamic_cast<TagLib::RIFF::AIFF::File *>(file))
        return qint64(aiff->audioProperties()->sampleFrames());
    if (auto *wavPack = dynamic_cast<TagLib::WavPack::File *>(file))
        return qint64(wavPack->audioProperties()->sampleFrames());
    if (auto *ape = dynamic_cast<TagLib::APE::File *>(file))
        return qint64(ape->audioProperties()->sampleFrames());
    if (auto *tta = dynamic_cast<TagLib::TrueAudio::File *>(file))
        return qint64(tta->audioProperties()->sampleFrames());
    return -1;
}

} // namespace

AudioLength audioLength(int fd)
{
    AudioLength length;
    const auto stream = streamOn(fd, true);
    if (!stream)
        return length;
    const TagLib::FileRef file(stream.get(), true, TagLib::AudioProperties::Accurate);
    if (file.isNull() || !file.audioProperties())
        return length;
    length.rate = qMax(0, file.audioProperties()->sampleRate());
    length.samples = countedSamples(file.file());
    // A counted length of 0 is a header that was never filled in (a
    // stream written without seeking back), not an empty file.
    if (length.samples <= 0 && length.rate > 0) {
        const int ms = file.audioProperties()->lengthInMilliseconds();
        length.samples = ms > 0 ? qint64(ms) * length.rate / 1000 : -1;
    }
    return length;
}

} // namespace tags
