#pragma once
#include "platform/Task.h"
#include "runner/KVShellWrapperDelegate.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

// Runs one child with its standard streams on pipes, hands each chunk it writes to
// the delegate as it arrives and reports the end once the child has exited and
// both output streams are read to their end. Never blocks while the child runs.
class KVShellWrapper : public QObject, public std::enable_shared_from_this<KVShellWrapper> {
    Q_OBJECT
public:
    using Stream = platform::Stream; // empty: the runner makes its own pipe
    using Environment = QMap<QString, QString>;

    static std::shared_ptr<KVShellWrapper> create(const Stream& inputPipe, const Stream& outputPipe,
                                                  const Stream& errorPipe,
                                                  const std::optional<QString>& workingDirectory,
                                                  const std::optional<Environment>& environment,
                                                  const QStringList& arguments, void* context);
    ~KVShellWrapper() override;

    KVShellWrapperDelegate* delegate() const { return delegate_; }
    void setDelegate(KVShellWrapperDelegate* delegate);
    void* context() const { return context_; }
    bool binaryOutput() const { return binaryOutput_; }
    void setBinaryOutput(bool binary);
    void setInputStringEncoding(quint64 encoding) { inputStringEncoding_ = encoding; }
    void setOutputStringEncoding(quint64 encoding) { outputStringEncoding_ = encoding; }

    // Every standard error chunk as read, before decoding; for a reader that must
    // see bytes the output encoding would drop.
    void setRawErrorObserver(std::function<void(const QByteArray&)> observer) { rawErrorObserver_ = std::move(observer); }
    // The most memory the child may take, in bytes (0: no bound); set before startProcess.
    void setChildMemoryLimit(qint64 bytes) { memoryLimit_ = bytes; }
    // Descriptors the child gets as its descriptors 3, 4, ...; set before startProcess.
    void setPassedDescriptors(const QList<int>& fds) { passedFds_ = fds; }
    // Why a pipe for the child could not be made (errno), 0 when none failed.
    int pipeFailure() const { return pipeFailure_; }

    void startProcess();
    // SIGTERM now; SIGKILL when the child is still running kKillAfterMs later.
    void stopProcess();
    static constexpr int kKillAfterMs = 5000;
    // SIGKILL now, for a child given up on; its end is still reported when it comes.
    void killProcess();
    // How long the end report waits, after the child has exited, for end of file on
    // pipes that a process it started may still hold.
    static constexpr int kEndGraceMs = 2000;
    void appendInput(const QVariant& value);
    void closeInput();
    void cleanup();

private:
    KVShellWrapper() = default;
    void appendOutput(const QByteArray& data);
    void appendError(const QByteArray& data);
    void getData(platform::FileHandle* handle, const QByteArray& data);
    void taskStopped();
    void removeObservers();

    std::unique_ptr<platform::Task> task_;
    KVShellWrapperDelegate* delegate_ = nullptr;
    void* context_ = nullptr;
    std::optional<QString> workingDirectory_;
    std::optional<Environment> environment_;
    QStringList arguments_;
    Stream stdinPipe_, stdoutPipe_, stderrPipe_;
    platform::FileHandle* stdinHandle_ = nullptr;
    platform::FileHandle* stdoutHandle_ = nullptr;
    platform::FileHandle* stderrHandle_ = nullptr;
    quint64 inputStringEncoding_ = 4;
    quint64 outputStringEncoding_ = 4;
    bool binaryOutput_ = false;
    bool stdoutEmpty_ = false;
    bool stderrEmpty_ = false;
    bool taskDidTerminate_ = false;
    bool readsStdout_ = false;
    bool readsStderr_ = false;
    bool killTimerArmed_ = false;
    bool reported_ = false;
    std::function<void(const QByteArray&)> rawErrorObserver_;
    qint64 memoryLimit_ = 0;
    QList<int> passedFds_;
    int pipeFailure_ = 0;
    std::shared_ptr<KVShellWrapper> self_; // held from launch until the end is reported
    QList<QMetaObject::Connection> observers_;
};

// The name under which the driver reports an exception from startProcess.
QString exceptionName(const std::exception& e);
QString exceptionReason(const std::exception& e);
