#pragma once
#include <QObject>
#include <sys/types.h>

class QSocketNotifier;
class QTimer;

namespace platform {

// Reaps one child, exactly once and by its own pid (never waitpid(-1), which would
// steal other children's statuses), and reports the exit on the event loop.
class ChildWatcher : public QObject {
    Q_OBJECT
public:
    explicit ChildWatcher(pid_t pid);
    ~ChildWatcher() override; // a child still running is handed to a background reaper

    bool hasExited() const { return reaped_; }
    // False when the child was reaped by someone else and its status is lost.
    bool statusKnown() const { return statusKnown_; }
    int rawStatus() const { return status_; }
    // Looks now, without waiting; true once the child has exited.
    bool checkExited() { return tryReap(false); }
    // A descriptor that turns readable when the child exits, or -1 where none exists.
    int exitDescriptor() const { return pidfd_; }
    // Blocks until the child has exited; the exited signal still follows on the event loop.
    void waitBlocking();

    // Reaps a child nobody waits for any more, as soon as it exits.
    static void reapInBackground(pid_t pid);

signals:
    void exited();

private:
    void poll();
    bool tryReap(bool block);
    void stopWatching();

    pid_t pid_;
    int pidfd_ = -1;
    bool reaped_ = false;
    bool reported_ = false;
    bool statusKnown_ = false;
    int status_ = 0;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace platform
