#include "platform/Task.h"
#include "platform/ChildWatcher.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// The descriptor a stream hands to the child, or -1 to inherit.
int childDescriptor(const Stream& s, bool childReads)
{
    if (auto pipe = std::get_if<std::shared_ptr<Pipe>>(&s); pipe && *pipe) {
        FileHandle* h = childReads ? (*pipe)->fileHandleForReading() : (*pipe)->fileHandleForWriting();
        return h->fileDescriptor();
    }
    if (auto handle = std::get_if<std::shared_ptr<FileHandle>>(&s); handle && *handle)
        return (*handle)->fileDescriptor();
    return -1;
}

// Once the child holds its end, the parent must not: end of file depends on it.
void releaseChildEnd(const Stream& s, bool childReads)
{
    if (auto pipe = std::get_if<std::shared_ptr<Pipe>>(&s); pipe && *pipe) {
        if (childReads)
            (*pipe)->closeReadingEnd();
        else
            (*pipe)->closeWritingEnd();
    }
}

struct CStrings {
    std::vector<QByteArray> storage;
    std::vector<char*> pointers;
    explicit CStrings(const QStringList& list)
    {
        storage.reserve(size_t(list.size()));
        for (const QString& s : list)
            storage.push_back(QFile::encodeName(s));
        for (QByteArray& b : storage)
            pointers.push_back(b.data());
        pointers.push_back(nullptr);
    }
    char** data() { return pointers.data(); }
};

} // namespace

void keepChildStatuses()
{
    struct sigaction sa {};
    if (::sigaction(SIGCHLD, nullptr, &sa) == 0 && sa.sa_handler == SIG_IGN) {
        sa.sa_handler = SIG_DFL;
        sa.sa_flags &= ~SA_NOCLDWAIT;
        ::sigaction(SIGCHLD, &sa, nullptr);
    }
}

qint64 defaultChildMemoryLimit()
{
    constexpr qint64 kMost = qint64(4) << 30;
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return kMost;
    return std::min(kMost, qint64(pages) * pageSize / 2);
}

Task::Task() = default;

Task::~Task() = default; // the watcher hands a running child to the background reaper

void Task::launch()
{
    if (pid_ > 0)
        throw LaunchError(QStringLiteral("NSInvalidArgumentException"), QStringLiteral("task already launched"));
    if (launchPath_.isEmpty())
        throw LaunchError(QStringLiteral("NSInvalidArgumentException"), QStringLiteral("launch path not accessible"));

    // The launch path means the same before and after the change of directory.
    const QString program = QFileInfo(launchPath_).absoluteFilePath();
    QFileInfo info(program);
    if (!info.exists() || info.isDir() || !info.isExecutable())
        throw LaunchError(QStringLiteral("NSInvalidArgumentException"),
                          QStringLiteral("launch path not accessible: %1").arg(launchPath_));
    if (!directory_.isEmpty() && !QFileInfo(directory_).isDir())
        throw LaunchError(QStringLiteral("NSInvalidArgumentException"),
                          QStringLiteral("working directory doesn't exist: %1").arg(directory_));

    QStringList argv{program};
    argv += arguments_;
    CStrings cargv(argv);
    std::optional<CStrings> cenv;
    if (environment_)
        cenv.emplace(*environment_);
    const QByteArray cprogram = QFile::encodeName(program);
    const QByteArray cdir = QFile::encodeName(directory_);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);

    const int fds[3] = {childDescriptor(stdin_, true), childDescriptor(stdout_, false),
                        childDescriptor(stderr_, false)};
    for (int target = 0; target < 3; ++target)
        if (fds[target] >= 0)
            posix_spawn_file_actions_adddup2(&actions, fds[target], target);
    if (!directory_.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, cdir.constData());
    // Nothing of ours but the three standard streams reaches the child, also not
    // descriptors someone opened without close-on-exec.
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#elif defined(POSIX_SPAWN_CLOEXEC_DEFAULT)
    flags |= POSIX_SPAWN_CLOEXEC_DEFAULT;
#endif
    if (ownGroup_) {
        posix_spawnattr_setpgroup(&attr, 0);
        flags |= POSIX_SPAWN_SETPGROUP;
    }
    keepChildStatuses();

    // The child starts clean: nothing blocked, nothing ignored, whatever this process does.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, flags);

    pid_t pid = -1;
    int rc;
    do {
        rc = posix_spawn(&pid, cprogram.constData(), &actions, &attr, cargv.data(),
                         cenv ? cenv->data() : environ);
    } while (rc == EINTR);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);

    if (rc != 0) {
        // A child that failed before exec may still exist as a zombie on some systems.
        if (pid > 0)
            ChildWatcher::reapInBackground(pid);
        throw LaunchError(QStringLiteral("NSInvalidArgumentException"),
                          QStringLiteral("%1: %2").arg(launchPath_, QString::fromLocal8Bit(std::strerror(rc))));
    }
    pid_ = pid;
#if defined(__linux__)
    // The spawn returns once the child has executed the program, before it has
    // read much of anything: its input cannot have grown it yet.
    if (memoryLimit_ > 0) {
        const rlimit limit{rlim_t(memoryLimit_), rlim_t(memoryLimit_)};
        ::prlimit(pid, RLIMIT_DATA, &limit, nullptr);
    }
#endif
    releaseChildEnd(stdin_, true);
    releaseChildEnd(stdout_, false);
    releaseChildEnd(stderr_, false);
    watcher_ = std::make_unique<ChildWatcher>(pid);
    connect(watcher_.get(), &ChildWatcher::exited, this, &Task::terminated);
}

bool Task::isRunning() const
{
    return watcher_ && !watcher_->hasExited();
}

namespace {
void signalChild(qint64 pid, bool group, bool running, int sig)
{
    if (pid <= 0)
        return;
    // A child not yet reaped cannot have had its pid reused. Its group may outlive
    // it while a helper it started still runs.
    if (group)
        ::kill(-pid_t(pid), sig);
    else if (running)
        ::kill(pid_t(pid), sig);
}
} // namespace

void Task::terminate()
{
    signalChild(pid_, ownGroup_, isRunning(), SIGTERM);
}

void Task::kill()
{
    signalChild(pid_, ownGroup_, isRunning(), SIGKILL);
}

void Task::waitUntilExit()
{
    if (watcher_)
        watcher_->waitBlocking();
}

int Task::terminationStatus() const
{
    if (!watcher_ || !watcher_->hasExited() || !watcher_->statusKnown())
        return -1;
    int st = watcher_->rawStatus();
    if (WIFEXITED(st))
        return WEXITSTATUS(st);
    if (WIFSIGNALED(st))
        return WTERMSIG(st);
    return -1;
}

} // namespace platform
