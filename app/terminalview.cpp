#include "terminalview.h"

#include "conversionqueue.h"
#include "failuretext.h"
#include "nametext.h"
#include "progresstext.h"
#include "sourcenames.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A name as standard error may show it: nothing of it reaches the
// terminal's own parser.
QString shownName(const QString &path)
{
    return nametext::forTerminal(sourcenames::fileNamePart(QDir::toNativeSeparators(path)));
}

// "0:12", "4:10", "1:02:03".
QString clockText(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TerminalView::TerminalView(FILE *out, bool isTerminal, QObject *parent)
    : QObject(parent)
    , m_out(out)
    , m_isTerminal(isTerminal)
{
}

void TerminalView::watch(ConversionQueue &queue)
{
    m_queue = &queue;
    // Nobody is there to choose a folder: files that would ask fail.
    queue.declineQuestions();
    connect(&queue, &ConversionQueue::changed, this, &TerminalView::showProgress);
    connect(&queue, &ConversionQueue::fileEnded, this, &TerminalView::fileEnded);
    connect(&queue, &ConversionQueue::finished, this, &TerminalView::finished);
}

void TerminalView::setShownTarget(const std::function<QString(int)> &target)
{
    m_shownTarget = target;
}

void TerminalView::showPhase(const QString &text)
{
    writeProgressLine(text);
}

void TerminalView::showProgress()
{
    if (!m_isTerminal)
        return; // a log gets the ends only
    const ConversionQueue &queue = *m_queue;
    const int percent = qRound(queue.progress() * 100);
    const std::optional<qint64> remaining = queue.remainingMs();
    QString line;
    if (queue.total() == 1) {
        const ConversionRequest &request = queue.requests().first();
        const ConversionJob *job = queue.onlyJob();
        const QString target =
            m_shownTarget              ? m_shownTarget(0)
            : job && !job->target().isEmpty()
                ? job->target()
                : sourcenames::baseName(request.source) + QLatin1Char('.') + request.format;
        line = tr("%1 → %2").arg(shownName(request.source), shownName(target));
    } else {
        line = progresstext::selectionCount(queue.converted(), queue.failedCount(), queue.total());
    }
    line += QStringLiteral("  %1 %").arg(percent);
    if (remaining)
        line += QLatin1String("  ") + tr("%1 left").arg(clockText(*remaining));
    writeProgressLine(line);
}

void TerminalView::fileEnded(int index)
{
    const ConversionEnd &end = m_queue->end(index);
    const QString source =
        nametext::forTerminal(sourcenames::shownName(m_queue->requests().at(index)));
    if (end.outcome == ConversionEnd::Outcome::Converted)
        writeLine(tr("%1 → %2").arg(
            source, shownName(m_shownTarget ? m_shownTarget(index) : end.target)));
    else
        writeLine(tr("%1: %2").arg(source, failureText(end.failure).simplified()));
}

void TerminalView::finished()
{
    const ConversionQueue &queue = *m_queue;
    writeProgressLine(QString());
    if (queue.total() > 1 && !queue.failures().isEmpty())
        writeLine(progresstext::failedFiles(int(queue.failures().size()), queue.total()));
    for (const QString &album : queue.albumsWithoutValues())
        writeLine(progresstext::albumWithoutValues(
            nametext::forTerminal(QDir::toNativeSeparators(album))));
    if (queue.wasStopped() && queue.skipped() > 0)
        writeLine(tr("Stopped; %n file(s) not converted.", nullptr, queue.skipped()));
    emit ended();
}

void TerminalView::writeLine(const QString &line)
{
    const QString progress = m_shown;
    writeProgressLine(QString());
    std::fprintf(m_out, "%s\n", line.toUtf8().constData());
    writeProgressLine(progress);
}

void TerminalView::writeProgressLine(const QString &line)
{
    if (!m_isTerminal || line == m_shown)
        return;
    // Back to the start of the line and clear it: the new line replaces
    // the old one, whatever their lengths.
    std::fprintf(m_out, "\r\033[K%s", line.toUtf8().constData());
    std::fflush(m_out);
    m_shown = line;
}
