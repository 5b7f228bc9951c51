// Reads one generated ~20 MB document with readJson and with
// QJsonDocument::fromJson(...).toVariant(), side by side in one run, and
// prints the throughput ratio (target: readJson at least half as fast) and
// readJson's peak memory per input character at three sizes (it should stay
// flat: memory linear in the input).
#include "json.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// Objects of arrays of objects, escaped and non-ASCII strings, integers,
// negative numbers and doubles with exponents: standard JSON, so that both
// readers take the same text.
void appendValue(QByteArray &out, QRandomGenerator &random, int depth)
{
    const int kind = depth >= 6 ? 3 + int(random.bounded(4)) : int(random.bounded(7));
    switch (kind) {
    case 0:
    case 1: {
        out += '{';
        const int members = 2 + int(random.bounded(6));
        for (int i = 0; i < members; ++i) {
            if (i)
                out += ", ";
            out += "\"key" + QByteArray::number(random.bounded(1000)) + "_" +
                   QByteArray::number(i) + "\": ";
            appendValue(out, random, depth + 1);
        }
        out += '}';
        break;
    }
    case 2: {
        out += '[';
        const int elements = 1 + int(random.bounded(8));
        for (int i = 0; i < elements; ++i) {
            if (i)
                out += ',';
            appendValue(out, random, depth + 1);
        }
        out += ']';
        break;
    }
    case 3:
        out +=
            "\"plain text of an advertisement " + QByteArray::number(random.bounded(100000)) + "\"";
        break;
    case 4:
        out += "\"line\\nbreak \\\"quoted\\\" \\u00e9t\\u00e9 caf\xc3\xa9 path\\/to\\\\x\"";
        break;
    case 5:
        out += QByteArray::number(qint64(random.bounded(2000000)) - 1000000);
        break;
    default:
        out += QByteArray::number(random.generateDouble() * 1e6, 'g', 12);
        if (random.bounded(2))
            out += "e-3";
        break;
    }
}

QByteArray generate(qsizetype targetBytes)
{
    QRandomGenerator random(20240229);
    QByteArray out;
    out.reserve(targetBytes + (1 << 20));
    out += "{\"items\": [";
    bool first = true;
    while (out.size() < targetBytes) {
        if (!first)
            out += ",\n";
        first = false;
        appendValue(out, random, 0);
    }
    out += "], \"currentversion\": 1.1}";
    return out;
}

qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Resets the peak resident size so that the next peak belongs to one step.
bool resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

template<typename F> double bestSeconds(int runs, F &&f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        best = qMin(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

// Child mode: "--peak N" prints the text's length and the peak resident
// growth in KB of one readJson of an N-byte document.
int measurePeak(qsizetype size)
{
    const QString text = QString::fromUtf8(generate(size));
    const qint64 before = statusKb("VmRSS:");
    if (!resetPeak())
        return 1;
    bool ok = false;
    {
        const QVariant v = readJson(text, ok);
        Q_UNUSED(v);
    }
    const qint64 peak = statusKb("VmHWM:");
    std::printf("%lld %lld\n", qlonglong(text.size()), qlonglong(peak - before));
    return ok ? 0 : 1;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--peak") == 0)
        return measurePeak(QByteArray(argv[2]).toLongLong());

    const QByteArray utf8 = generate(20 << 20);
    const QString text = QString::fromUtf8(utf8);
    const double megabytes = utf8.size() / 1048576.0;

    bool ok = false;
    qsizetype items = 0;
    const double ours = bestSeconds(3, [&] {
        const QVariant v = readJson(text, ok);
        items = v.toMap().value(QStringLiteral("items")).toList().size();
    });
    if (!ok) {
        std::printf("readJson failed on the generated document\n");
        return 1;
    }
    qsizetype theirItems = 0;
    const double theirs = bestSeconds(3, [&] {
        const QVariant v = QJsonDocument::fromJson(utf8).toVariant();
        theirItems = v.toMap().value(QStringLiteral("items")).toList().size();
    });
    if (items != theirItems) {
        std::printf("the readers disagree: %lld vs %lld items\n", qlonglong(items),
                    qlonglong(theirItems));
        return 1;
    }

    std::printf("document: %.1f MB, %lld top-level items\n", megabytes, qlonglong(items));
    std::printf("readJson:                          %7.3f s  %6.1f MB/s\n", ours, megabytes / ours);
    std::printf("QJsonDocument::fromJson+toVariant: %7.3f s  %6.1f MB/s\n", theirs,
                megabytes / theirs);
    std::printf("ratio readJson/QJsonDocument throughput: %.2f (target >= 0.5)\n", theirs / ours);

    // Peak memory of one read at three sizes, each in a fresh process so
    // that memory freed by earlier reads does not hide the peak.
    for (const qsizetype size : {qsizetype(5) << 20, qsizetype(10) << 20, qsizetype(20) << 20}) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--peak"), QString::number(size)});
        child.waitForFinished(120000);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        const double characters = fields.value(0).toDouble();
        const double peakKb = fields.value(1).toDouble();
        if (fields.size() != 2 || peakKb <= 0) {
            std::printf("peak memory on %.1f MB: not measured\n", size / 1048576.0);
            continue;
        }
        std::printf("peak memory of readJson on %5.1f MB: %6.1f MB above the text (%.1f bytes "
                    "per input character)\n",
                    size / 1048576.0, peakKb / 1024.0, peakKb * 1024.0 / characters);
    }
    return 0;
}
