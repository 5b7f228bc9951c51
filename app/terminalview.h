#pragma once

#include <QObject>
#include <QString>
#include <cstdio>
#include <functional>

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
    // The name each file's line shows as its target (a mirror's output
    // rather than the temporary name the job wrote); unset: the job's target.
    void setShownTarget(const std::function<QString(int index)> &target);
    // What happens before a queue is watched ("Looking through Music…"),
    // on the progress line of a terminal.
    void showPhase(const QString &text);
    // A whole line, above the progress line on a terminal.
    void writeLine(const QString &line);

signals:
    void ended();

private:
    void showProgress();
    void fileEnded(int index);
    void finished();
    void writeProgressLine(const QString &line);

    FILE *m_out;
    const bool m_isTerminal;
    ConversionQueue *m_queue = nullptr;
    std::function<QString(int)> m_shownTarget;
    QString m_shown; // the progress line on screen
    int m_endedCount = 0;
    int m_percentShown = -1;
};
