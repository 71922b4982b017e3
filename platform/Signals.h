#pragma once
#include <QObject>

#include <functional>

namespace platform {

// SIGINT, SIGTERM, SIGHUP and SIGPIPE reach `handle` on the event loop (with the signal's number),
// by way of a pipe: a signal handler itself may do next to nothing.
void onInterruptSignals(QObject* context, std::function<void(int signal)> handle);

} // namespace platform
