#include "platform/Signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
int g_signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}
} // namespace

void onInterruptSignals(QObject* context, std::function<void(int signal)> handle)
{
    if (::pipe(g_signalPipe) != 0)
        return;
    for (int fd : g_signalPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [handle = std::move(handle)] {
        char byte = 0;
        if (::read(g_signalPipe[0], &byte, 1) == 1)
            handle(int(byte));
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    // A closed terminal (SIGHUP) and a reader that went away (SIGPIPE) end us as
    // SIGTERM does, after what runs has been stopped.
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        ::sigaction(signal, &sa, nullptr);
}

} // namespace platform
