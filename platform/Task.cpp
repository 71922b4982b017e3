#include "platform/Task.h"
#include "platform/ChildWatcher.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#if defined(__linux__)
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif
#include <pthread.h>
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

bool LaunchError::systemShortOfResources() const
{
    return error_ == EAGAIN || error_ == ENOMEM || error_ == EMFILE || error_ == ENFILE;
}

namespace {

struct ChildSetup {
    const char* program;
    char** argv;
    char** envp;
    const char* directory; // null: ours
    int fds[3];            // for the standard streams; -1 inherits ours
    const int* passed;     // become descriptors 3, 4, ...
    int passedCount;
    bool ownGroup;
    rlim_t memoryLimit;    // 0: no bound
};

#if defined(__linux__)
// The child between vfork and exec: it shares our memory and must only make
// system calls. On failure it leaves the error number in *error and exits.
[[noreturn]] void becomeChild(const ChildSetup& c, pid_t parent, volatile int* error)
{
    const auto fail = [error] [[noreturn]] {
        *error = errno ? errno : EINVAL;
        ::_exit(127);
    };
    // Whatever ends us, a crash or SIGKILL included, ends the child too.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0)
        fail();
    if (::getppid() != parent)
        ::_exit(127); // we are already gone
    if (c.ownGroup && ::setpgid(0, 0) != 0)
        fail();
    // The sources sit above the targets (secureDescriptor), so no target is
    // overwritten before it has been copied.
    for (int target = 0; target < 3; ++target) {
        if (c.fds[target] < 0)
            continue;
        if (c.fds[target] == target ? ::fcntl(target, F_SETFD, 0) != 0 : ::dup2(c.fds[target], target) < 0)
            fail();
    }
    const int firstClosed = Task::kPassedDescriptor + c.passedCount;
    // A source may itself stand where another goes: all move above them first.
    int moved[Task::kMostPassed];
    for (int i = 0; i < c.passedCount; ++i)
        if ((moved[i] = ::fcntl(c.passed[i], F_DUPFD_CLOEXEC, firstClosed)) < 0)
            fail();
    for (int i = 0; i < c.passedCount; ++i)
        if (::dup2(moved[i], Task::kPassedDescriptor + i) < 0)
            fail();
    // Nothing of ours but these reaches the child, also not descriptors someone
    // opened without close-on-exec.
#if defined(SYS_close_range)
    if (::syscall(SYS_close_range, unsigned(firstClosed), ~0U, 0) != 0)
#endif
    {
        const long most = ::sysconf(_SC_OPEN_MAX);
        for (int fd = firstClosed; fd < (most > 0 ? most : 1024); ++fd)
            ::close(fd);
    }
    if (c.directory && ::chdir(c.directory) != 0)
        fail();
    if (c.memoryLimit > 0) {
        const rlimit limit{c.memoryLimit, c.memoryLimit};
        ::setrlimit(RLIMIT_DATA, &limit);
    }
    // The child starts clean: nothing blocked, nothing ignored, whatever we do.
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig)
        if (sig != SIGKILL && sig != SIGSTOP)
            ::sigaction(sig, &dfl, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(c.program, c.argv, c.envp);
    *error = errno ? errno : EINVAL;
    ::_exit(127);
}

pid_t spawnChild(const ChildSetup& c, int* error)
{
    // No handler of ours may run in the child while it shares our memory.
    sigset_t all, old;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &old);
    volatile int childError = 0;
    const pid_t parent = ::getpid();
    const pid_t pid = ::vfork();
    if (pid == 0)
        becomeChild(c, parent, &childError);
    const int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
    if (pid < 0) {
        *error = forkError;
        return -1;
    }
    if (childError != 0) {
        // It exited before or instead of exec; take its status now.
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        *error = childError;
        return -1;
    }
    return pid;
}
#else
// Elsewhere the system's spawn, without a parent-death signal: the best offered.
pid_t spawnChild(const ChildSetup& c, int* error)
{
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    for (int target = 0; target < 3; ++target)
        if (c.fds[target] >= 0)
            posix_spawn_file_actions_adddup2(&actions, c.fds[target], target);
    for (int i = 0; i < c.passedCount; ++i)
        posix_spawn_file_actions_adddup2(&actions, c.passed[i], Task::kPassedDescriptor + i);
    if (c.directory)
        posix_spawn_file_actions_addchdir_np(&actions, c.directory);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#if defined(POSIX_SPAWN_CLOEXEC_DEFAULT)
    flags |= POSIX_SPAWN_CLOEXEC_DEFAULT;
#endif
    if (c.ownGroup) {
        posix_spawnattr_setpgroup(&attr, 0);
        flags |= POSIX_SPAWN_SETPGROUP;
    }
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
        rc = posix_spawn(&pid, c.program, &actions, &attr, c.argv, c.envp);
    } while (rc == EINTR);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) {
        if (pid > 0)
            ChildWatcher::reapInBackground(pid);
        *error = rc;
        return -1;
    }
    return pid;
}
#endif

} // namespace

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

    // Everything the child needs is made before it exists: between its birth and
    // its exec it may only make system calls.
    QStringList argv{program};
    argv += arguments_;
    CStrings cargv(argv);
    std::optional<CStrings> cenv;
    if (environment_)
        cenv.emplace(*environment_);
    const QByteArray cprogram = QFile::encodeName(program);
    const QByteArray cdir = QFile::encodeName(directory_);
    const ChildSetup setup{cprogram.constData(),
                           cargv.data(),
                           cenv ? cenv->data() : environ,
                           directory_.isEmpty() ? nullptr : cdir.constData(),
                           {childDescriptor(stdin_, true), childDescriptor(stdout_, false), childDescriptor(stderr_, false)},
                           passedFds_.constData(),
                           int(std::min<qsizetype>(passedFds_.size(), kMostPassed)),
                           ownGroup_,
                           rlim_t(std::max<qint64>(0, memoryLimit_))};
    keepChildStatuses();
    int error = 0;
    const pid_t pid = spawnChild(setup, &error);
    if (pid < 0)
        throw LaunchError(QStringLiteral("NSInvalidArgumentException"),
                          QStringLiteral("%1: %2").arg(launchPath_, QString::fromLocal8Bit(std::strerror(error))), error);
    pid_ = pid;
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
