#include "platform/ChildWatcher.h"

#include <QMetaObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <unordered_set>
#include <sys/wait.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/syscall.h>
#endif

namespace platform {

namespace {
int openPidFd(pid_t pid)
{
#if defined(__linux__) && defined(SYS_pidfd_open)
    int fd = int(::syscall(SYS_pidfd_open, pid, 0));
    if (fd >= 0)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    return fd;
#else
    (void)pid;
    return -1;
#endif
}
} // namespace

ChildWatcher::ChildWatcher(pid_t pid) : pid_(pid)
{
    pidfd_ = openPidFd(pid);
    if (pidfd_ >= 0) {
        notifier_ = new QSocketNotifier(pidfd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &ChildWatcher::poll);
    } else {
        // Without process descriptors, look by pid a few times a second.
        timer_ = new QTimer(this);
        timer_->setInterval(20);
        connect(timer_, &QTimer::timeout, this, &ChildWatcher::poll);
        timer_->start();
    }
}

ChildWatcher::~ChildWatcher()
{
    stopWatching();
    if (!reaped_)
        reapInBackground(pid_);
}

void ChildWatcher::stopWatching()
{
    delete notifier_;
    notifier_ = nullptr;
    delete timer_;
    timer_ = nullptr;
    if (pidfd_ >= 0) {
        ::close(pidfd_);
        pidfd_ = -1;
    }
}

bool ChildWatcher::tryReap(bool block)
{
    if (reaped_)
        return true;
    for (;;) {
        int status = 0;
        pid_t r = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
        if (r == pid_) {
            reaped_ = true;
            statusKnown_ = true;
            status_ = status;
            return true;
        }
        if (r == 0)
            return false;
        if (errno == EINTR)
            continue;
        // ECHILD: someone else reaped it; treat it as gone so nothing waits forever,
        // but never as a success.
        reaped_ = true;
        status_ = 0;
        return true;
    }
}

void ChildWatcher::poll()
{
    if (!tryReap(false))
        return;
    stopWatching();
    if (!reported_) {
        reported_ = true;
        emit exited();
    }
}

void ChildWatcher::waitBlocking()
{
    if (reaped_)
        return;
    tryReap(true);
    stopWatching();
    // Like any other end, the exit is still announced on the event loop.
    QMetaObject::invokeMethod(this, [this] {
        if (!reported_) {
            reported_ = true;
            emit exited();
        }
    }, Qt::QueuedConnection);
}

void ChildWatcher::reapInBackground(pid_t pid)
{
    auto* watcher = new ChildWatcher(pid);
    if (watcher->tryReap(false)) {
        delete watcher;
        return;
    }
    // Kept reachable until the child is gone, so nothing counts it as leaked.
    static auto* pending = new std::unordered_set<ChildWatcher*>;
    pending->insert(watcher);
    connect(watcher, &ChildWatcher::exited, watcher, [watcher] {
        pending->erase(watcher);
        watcher->deleteLater();
    });
}

} // namespace platform
