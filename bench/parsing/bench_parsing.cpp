// Feeds 100 MB of encoder text that holds no recognisable progress stamp
// through ProgressParser in chunks of 4 to 64 KiB, and the same chunks through
// a plain loop that looks at every byte once (counting ':'). The parser must
// stay within twice the plain loop's time, and the text it keeps must stay
// bounded however long the encoder talks. Each side is timed seven times,
// alternating, and the best processor times are compared, so that other work
// on a shared machine does not decide the ratio.
//
//   bench_parsing [MEGABYTES]

#include "progressparser.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

struct Slice
{
    qsizetype offset;
    qsizetype size;
};

// Lines an encoder prints when it cannot say where it is: warnings, status
// lines without a time, times with a three-digit hour field.
QByteArray sourceText()
{
    const char *lines[] = {
        "[mp3float @ 0x55d0c8a3e2c0] Header missing\n",
        "size=    4096kB time=N/A bitrate=N/A speed=N/A    \r",
        "[aac @ 0x5581c0e4f700] Too many bits 8832 > 6144 per frame requested, clamping to max\n",
        "size=  912384kB time=100:00:12.48 bitrate= 128.0kbits/s speed= 150x    \r",
        "Error while decoding stream #0:0: Invalid data found when processing input\n",
        "    Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, stereo, s16\n",
        "[mp3 @ 0x55d0c8a41a40] Estimating duration from bitrate, this may be inaccurate\n",
    };
    QByteArray text;
    QRandomGenerator random(42);
    while (text.size() < 4 * 1024 * 1024)
        text += lines[random.bounded(int(std::size(lines)))];
    return text;
}

// Processor time of this (single-threaded) program.
class CpuTimer
{
public:
    void start() { m_start = std::clock(); }
    double seconds() const { return double(std::clock() - m_start) / CLOCKS_PER_SEC; }

private:
    std::clock_t m_start = 0;
};

} // namespace

int main(int argc, char **argv)
{
    const qint64 total = qint64(argc > 1 ? std::atoi(argv[1]) : 100) * 1000 * 1000;
    const QByteArray source = sourceText();

    QList<Slice> slices;
    QRandomGenerator random(7);
    qint64 planned = 0;
    qsizetype offset = 0;
    while (planned < total) {
        const qsizetype size = random.bounded(4 * 1024, 64 * 1024 + 1);
        if (offset + size > source.size())
            offset = 0;
        slices.append({offset, size});
        offset += size;
        planned += size;
    }

    double bestParser = 1e9;
    double bestScan = 1e9;
    qsizetype peakText = 0;
    qsizetype peakCapacity = 0;
    qint64 colons = 0;
    for (int round = 0; round < 7; ++round) {
        CpuTimer timer;
        timer.start();
        qint64 count = 0;
        for (const Slice &slice : slices) {
            const char *p = source.constData() + slice.offset;
            for (qsizetype i = 0; i < slice.size; ++i)
                count += p[i] == ':';
        }
        bestScan = std::min(bestScan, timer.seconds());
        colons = count;

        ProgressParser parser;
        qint64 stamps = 0;
        timer.start();
        for (const Slice &slice : slices) {
            const QByteArray chunk =
                QByteArray::fromRawData(source.constData() + slice.offset, slice.size);
            stamps += parser.feed(chunk, 1000).stampFound;
            peakText = std::max(peakText, parser.keptText().size());
            peakCapacity = std::max(peakCapacity, parser.keptText().capacity());
        }
        bestParser = std::min(bestParser, timer.seconds());
        if (stamps != 0) {
            std::fprintf(stderr, "unexpected progress stamp in the benchmark text\n");
            return 1;
        }
    }

    std::printf("text: %.1f MB in %lld chunks of 4-64 KiB (%lld ':' seen)\n", double(planned) / 1e6,
                static_cast<long long>(slices.size()), static_cast<long long>(colons));
    std::printf("linear scan (count ':'): %.3f s\n", bestScan);
    std::printf("ProgressParser::feed:    %.3f s\n", bestParser);
    std::printf("peak kept text: %lld characters (capacity %lld, limit %lld)\n",
                static_cast<long long>(peakText), static_cast<long long>(peakCapacity),
                static_cast<long long>(ProgressParser::KeptTextLimit));
    std::printf("parsing vs linear scan: %.2f (target <= 2)\n", bestParser / bestScan);
    return 0;
}
