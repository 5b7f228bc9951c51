#include "meterreader.h"

#include "loudnessmeter.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

void closeOnce(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

MeterReader::MeterReader()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return;
    if (::pipe2(m_wake, O_CLOEXEC) != 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        m_wake[0] = m_wake[1] = -1;
        return;
    }
    m_read = ends[0];
    m_write = ends[1];
    m_thread = std::thread([this] { read(); });
}

MeterReader::~MeterReader()
{
    closeOnce(m_write);
    if (m_thread.joinable()) {
        const char stop = 0;
        (void)!::write(m_wake[1], &stop, 1);
        m_thread.join();
    }
    closeOnce(m_read);
    closeOnce(m_wake[0]);
    closeOnce(m_wake[1]);
}

void MeterReader::encoderStarted()
{
    closeOnce(m_write);
}

std::optional<loudness::TrackLoudness> MeterReader::result()
{
    closeOnce(m_write);
    if (m_thread.joinable())
        m_thread.join();
    return m_result;
}

void MeterReader::read()
{
    LoudnessMeter meter;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    pollfd watched[2] = {{m_read, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (watched[1].revents != 0)
            return; // stopped: nothing is measured
        const ssize_t got = ::read(m_read, chunk.data(), size_t(chunk.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        meter.feed(QByteArrayView(chunk.constData(), got));
    }
    m_result = meter.result();
}
