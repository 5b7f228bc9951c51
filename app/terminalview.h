#pragma once

#include <QObject>
#include <QString>
#include <cstdio>

class ConversionQueue;

// The view of a conversion when there is no display: progress on standard
// error, one line that keeps being rewritten on a terminal, plain lines
// otherwise (a log, a pipe). Nobody can answer a question here: files that
// would need one fail with a reason that says what to set instead. It
// watches the queue like a window and reports ended() once the queue has
// finished and its end was written.
class TerminalView : public QObject
{
    Q_OBJECT
public:
    // out: where to write (standard error); isTerminal: whether it is one.
    TerminalView(FILE *out, bool isTerminal, QObject *parent = nullptr);

    void watch(ConversionQueue &queue);

signals:
    void ended();

private:
    void showProgress();
    void fileEnded(int index);
    void finished();
    // Writes a whole line, above the progress line on a terminal.
    void writeLine(const QString &line);
    void writeProgressLine(const QString &line);

    FILE *m_out;
    const bool m_isTerminal;
    ConversionQueue *m_queue = nullptr;
    QString m_shown; // the progress line on screen
    int m_endedCount = 0;
    int m_percentShown = -1;
};
