// libFuzzer target for the cue sheet reader (built by
// scripts/checks/cuesheet-fuzz.sh with clang, outside the CMake build):
// decode(), parse() and cuts() on any bytes, and the tags and names of
// whatever is cut. Besides "no crash", it checks what the header promises.
#include "cuesheet.h"

#include <cstdint>
#include <cstdlib>

using namespace cuesheet;

namespace {

void check(bool promise)
{
    if (!promise)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte picks the encoding named and the rate, the second how
    // long each file's audio is; the rest is the sheet.
    static const char *const Encodings[] = {"",     "windows-1251", "Shift_JIS",    "GB18030",
                                            "Big5", "EUC-KR",       "windows-1252", "KOI8-RU"};
    static const int Rates[] = {44100, 48000, 32000, 768000, 11025, 75, 1, 0};
    const QByteArray encoding(Encodings[data[0] % 8]);
    const int rate = Rates[data[0] / 8 % 8];
    const int lengths = data[1];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    QString error;
    const std::optional<QString> text = decode(bytes, encoding, &error);
    if (!text) {
        check(!error.isEmpty());
        return 0;
    }
    check(!text->contains(QChar(0)));
    const std::optional<Sheet> sheet = parse(*text, &error);
    if (!sheet) {
        check(!error.isEmpty());
        return 0;
    }
    check(!sheet->tracks.isEmpty() && sheet->tracks.size() <= MaxTracks);
    check(!sheet->files.isEmpty() && sheet->files.size() <= MaxFiles);
    for (qsizetype i = 0; i < sheet->tracks.size(); ++i) {
        const Track &track = sheet->tracks[i];
        check(track.number >= 1 && track.number <= 99);
        check(i == 0 || track.number > sheet->tracks[i - 1].number);
        check(track.file >= 0 && track.file < sheet->files.size() && track.start >= 0);
    }

    // Each file as long as its last INDEX 01, or a little longer or shorter,
    // or of unknown length.
    QList<Audio> audio(sheet->files.size(), Audio{rate, -1});
    if (lengths % 4 != 0) {
        for (const Track &track : sheet->tracks) {
            const qint64 end = toSamples(track.start, rate);
            Audio &file = audio[track.file];
            file.samples = qMax(file.samples, end + (lengths % 4 == 1 ? 0 : lengths - 128));
        }
    }
    const std::optional<QList<Cut>> made = cuts(*sheet, audio, &error);
    if (!made) {
        check(!error.isEmpty());
        return 0;
    }
    check(made->size() == sheet->tracks.size() || made->size() == sheet->tracks.size() + 1);
    for (qsizetype i = 0; i < made->size(); ++i) {
        const Cut &cut = made->at(i);
        check(cut.file >= 0 && cut.file < sheet->files.size() && cut.startSample >= 0);
        check(cut.endSample == -1 || cut.endSample > cut.startSample);
        check(audio[cut.file].samples < 0 || cut.startSample < audio[cut.file].samples);
        const bool lastInFile = i + 1 == made->size() || made->at(i + 1).file != cut.file;
        check(lastInFile == (cut.endSample == -1));
        check(lastInFile || made->at(i + 1).startSample == cut.endSample);
        const auto tags = trackTags(*sheet, cut, int(made->size()));
        check(tags.contains(QStringLiteral("TRACKNUMBER")));
        for (const QStringList &values : tags)
            check(values.size() == 1 && !values.first().isEmpty());
        const QString name = trackBaseName(*sheet, cut);
        check(name.toUtf8().size() <= 200 && !name.contains(u'/'));
    }
    return 0;
}
