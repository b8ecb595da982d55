#include "platform/sheet/childprocess.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace
{

bool WriteAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

qint64 NowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}

bool RunInChildProcess(const std::function<QByteArray()>& work, QByteArray* result, int timeoutSeconds)
{
    result->clear();
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (pid == 0) {
        // The child: do the work, send its bytes, and leave without running the
        // parent's exit handlers or flushing its buffers.
        ::close(fds[0]);
        const QByteArray bytes = work();
        const bool sent = WriteAll(fds[1], bytes.constData(), bytes.size());
        ::close(fds[1]);
        ::_exit(sent ? 0 : 1);
    }

    ::close(fds[1]);
    const qint64 deadline = NowMs() + qint64(timeoutSeconds) * 1000;
    bool timedOut = false;
    char buffer[65536];
    for (;;) {
        const qint64 left = deadline - NowMs();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p { fds[0], POLLIN, 0 };
        const int ready = ::poll(&p, 1, static_cast<int>(std::min<qint64>(left, 1000)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            break;
        if (ready == 0)
            continue;
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        result->append(buffer, n);
    }
    ::close(fds[0]);
    if (timedOut)
        ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    const bool ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ok)
        result->clear();
    return ok;
}
