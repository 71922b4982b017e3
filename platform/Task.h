#pragma once
#include "platform/FileHandle.h"
#include "platform/Pipe.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <variant>

namespace platform {

class ChildWatcher;

// Thrown by Task::launch when the program cannot be started.
class LaunchError : public std::runtime_error {
public:
    LaunchError(const QString& name, const QString& reason, int error = 0)
        : std::runtime_error(reason.toStdString()), name_(name), reason_(reason), error_(error) {}
    QString name() const { return name_; }
    QString reason() const { return reason_; }
    // The system's error number when the system refused to start it; 0 otherwise.
    int error() const { return error_; }
    // The system is short of processes, memory or descriptors: a later try may work.
    bool systemShortOfResources() const;
private:
    QString name_;
    QString reason_;
    int error_ = 0;
};

// A child's standard stream: inherited, a pipe, or a file handle.
using Stream = std::variant<std::monostate, std::shared_ptr<Pipe>, std::shared_ptr<FileHandle>>;

// One child process. All set-up happens before launch; the termination event
// arrives on the event loop once the child has been reaped.
class Task : public QObject {
    Q_OBJECT
public:
    Task();
    ~Task() override;

    void setLaunchPath(const QString& path) { launchPath_ = path; }
    void setArguments(const QStringList& args) { arguments_ = args; }
    void setCurrentDirectoryPath(const QString& dir) { directory_ = dir; }
    // "NAME=value" entries; unset means the child inherits this process's environment.
    void setEnvironment(const std::optional<QStringList>& env) { environment_ = env; }
    void setStandardInput(const Stream& s) { stdin_ = s; }
    void setStandardOutput(const Stream& s) { stdout_ = s; }
    void setStandardError(const Stream& s) { stderr_ = s; }
    const Stream& standardInput() const { return stdin_; }
    const Stream& standardOutput() const { return stdout_; }
    const Stream& standardError() const { return stderr_; }
    // The child leads a process group of its own, and terminate() and kill() reach
    // the whole group, so helpers it started end with it.
    void setOwnProcessGroup(bool own) { ownGroup_ = own; }
    // The most memory (data segment) the child may take, in bytes; 0: no bound.
    // Where the system cannot set it for another process, there is no bound.
    void setMemoryLimit(qint64 bytes) { memoryLimit_ = bytes; }
    // Descriptors of ours that the child gets as its descriptors 3, 4, ..., in
    // order, so that it can open the very files we hold as /dev/fd/3, ...
    void setPassedDescriptors(const QList<int>& fds) { passedFds_ = fds; }
    static constexpr int kPassedDescriptor = 3;
    static constexpr int kMostPassed = 64;

    // Throws LaunchError synchronously when the child cannot be started.
    void launch();
    bool isRunning() const;
    bool hasLaunched() const { return pid_ > 0; }
    qint64 processIdentifier() const { return pid_; }
    void terminate();
    // SIGKILL, for a child that does not end on terminate().
    void kill();
    void waitUntilExit();
    // The exit code, the signal number for a child ended by a signal, or -1 when
    // the status could not be learned.
    int terminationStatus() const;

signals:
    void terminated();

private:
    QString launchPath_;
    QStringList arguments_;
    QString directory_;
    std::optional<QStringList> environment_;
    Stream stdin_, stdout_, stderr_;
    qint64 pid_ = -1;
    bool ownGroup_ = false;
    qint64 memoryLimit_ = 0;
    QList<int> passedFds_;
    std::unique_ptr<ChildWatcher> watcher_;
};

// A bound for a child's memory that leaves the machine usable: half of its
// memory, at most 4 GiB.
qint64 defaultChildMemoryLimit();

// Children's exit statuses can only be learned while SIGCHLD is not ignored;
// a parent may have started us with it ignored.
void keepChildStatuses();

} // namespace platform
