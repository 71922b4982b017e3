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
    int rawStatus() const { return status_; }
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
    int status_ = 0;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace platform
