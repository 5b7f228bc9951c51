#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <optional>

// What one chunk of the encoder's standard error tells about the conversion.
struct ProgressUpdate
{
    bool stampFound = false;   // a progress stamp was recognised; the kept text was emptied
    bool percentValid = false; // position >= 1 and duration >= 1
    int percent = 0;           // for the progress bar and the taskbar
    // Estimated milliseconds still to go, once at least 1 % is done; negative
    // past 100 %.
    std::optional<qint64> remainingMs;
    // Seconds of media converted per second of wall-clock time, once the
    // clock has moved.
    std::optional<qint64> speed;
};

// Hundredths of a second of the first HH:MM:SS?hh stamp in the text, 0 when none.
qint32 timeToHundredths(const QString &text);

// Whether the encoder's closing text (see ProgressParser::closingText()) says
// that it wrote no audio at all: its final statistics count no audio, or it
// found its output empty. It may still have exited with success.
bool noAudioEncoded(const QString &text);

// Whether the encoder refused to open the input because it is none of the
// allowed media containers (a playlist, a list of files, ...).
bool refusedAsNoMedia(const QString &text);

// Reads the encoder's standard error chunk by chunk. It keeps the media's
// duration and the text since the last progress stamp, and remembers how far
// it has already searched, so that no byte is searched twice and the text
// kept stays bounded.
class ProgressParser
{
public:
    // The newest text kept while no progress stamp turns up: enough for a
    // bug report, small enough that a chatty encoder cannot exhaust memory.
    static constexpr qsizetype KeptTextLimit = 1024 * 1024;

    ProgressUpdate feed(const QByteArray &chunk, qint64 elapsedMs);

    // The encoder's text since the last progress stamp, as it wrote it.
    const QString &keptText() const { return m_text; }
    // The encoder's last words, stamps or not: its final statistics, or why
    // it did not start.
    QString closingText() const { return QString::fromUtf8(m_tail); }
    // Takes duration (hundredths, > 0) as the media's length, whatever the
    // encoder says: it converts only part of its input.
    void setKnownDuration(qint32 duration);
    // The media's length in hundredths, 0 while unknown.
    qint32 duration() const { return m_duration; }

private:
    void forgetSearch();

    QStringDecoder m_decoder{QStringDecoder::Utf8};
    QString m_text;
    QByteArray m_tail; // at most ClosingTextLimit bytes
    static constexpr qsizetype ClosingTextLimit = 4096;
    qint32 m_duration = 0;
    // Index of the next ':' that may open a stamp; everything before it has
    // been searched with the text complete around it.
    qsizetype m_scanFrom = 0;
    // The first duration stamp of the kept text, which wins while the text
    // holds it (also after older text was trimmed away).
    bool m_durationSeen = false;
    qint32 m_durationValue = 0;
    bool m_durationKnown = false; // set from outside; the encoder's is not read
};
