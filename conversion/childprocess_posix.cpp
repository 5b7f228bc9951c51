#include "childprocess.h"

#include <QProcess>

#include <array>
#include <cstddef>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif

namespace childprocess {
namespace {

// Runs in the child between fork and exec, where only async-signal-safe
// calls are allowed: no allocation, no locks.
struct KeepOnly
{
    std::array<int, 4> handed{};
    std::size_t count = 0;
    int output = -1; // to stand in for standard output, if any
    int limit = 0; // the descriptor limit, for kernels without close_range

    void operator()() const
    {
        bool marked = false;
#ifdef SYS_close_range
        marked = ::syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) == 0;
#endif
        for (int fd = 3; !marked && fd < limit; ++fd)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        for (std::size_t i = 0; i < count; ++i)
            ::fcntl(handed[i], F_SETFD, 0);
        if (output >= 0)
            ::dup2(output, STDOUT_FILENO);
    }
};

// No descriptor is numbered at or above the soft limit; an unlimited one
// is taken as Linux's default ceiling.
int descriptorLimit()
{
    constexpr rlim_t Cap = rlim_t(1) << 20;
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur > Cap)
        return int(Cap);
    return int(limit.rlim_cur);
}

} // namespace

void start(QProcess &process, const QString &program, const QStringList &arguments,
           std::initializer_list<int> handed, int standardOutput)
{
    KeepOnly keep;
    keep.output = standardOutput;
    for (const int fd : handed) {
        Q_ASSERT(keep.count < keep.handed.size());
        if (fd >= 0 && keep.count < keep.handed.size())
            keep.handed[keep.count++] = fd;
    }
    keep.limit = descriptorLimit();
    // The descriptors stay close-on-exec in this process, so a program
    // another part of it starts meanwhile never gets them either.
    process.setChildProcessModifier(keep);
    process.start(program, arguments);
}

} // namespace childprocess
