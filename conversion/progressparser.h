#pragma once

#include <QByteArray>
#include <QString>

// What one chunk of the encoder's standard error changes in the window.
struct ProgressUpdate
{
    bool stampFound = false;   // a progress stamp was recognised; the buffer was emptied
    bool percentValid = false; // position >= 1 and duration >= 1
    int percent = 0;           // for the progress bar and the taskbar
    QString timeRemaining;     // empty: leave the label as it is
    QString speed;             // empty: leave the label as it is
};

// Hundredths of a second of the first HH:MM:SS?hh stamp in the text, 0 when none.
qint32 timeToHundredths(const QString &text);

// The time-remaining label for a remaining time in milliseconds; empty from one hour on.
QString timeRemainingText(qint64 remainingMs);

// Reads the encoder's standard error chunk by chunk. The window keeps the
// duration and the text since the last progress stamp in its own record;
// the parser works on them and remembers how far it has already searched,
// so that no byte is searched twice and the text kept stays bounded.
class ProgressParser
{
public:
    // The newest text kept while no progress stamp turns up: enough for a
    // bug report, small enough that a chatty encoder cannot exhaust memory.
    static constexpr qsizetype KeptTextLimit = 1024 * 1024;

    ProgressUpdate feed(const QByteArray &chunk, qint64 elapsedMs, qint32 &duration,
                        QString &stderrText);

private:
    void forgetSearch();

    // Length of stderrText when the last call returned; any other length
    // means the window replaced the text and the search starts over.
    qsizetype m_knownLength = 0;
    // Index of the next ':' that may open a stamp; everything before it has
    // been searched with the text complete around it.
    qsizetype m_scanFrom = 0;
    // The first duration stamp of the current text, which wins while the
    // text holds it (also after older text was trimmed away).
    bool m_durationSeen = false;
    qint32 m_durationValue = 0;
};
