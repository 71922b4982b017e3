#include "runner/KVShellWrapper.h"

#include "platform/Log.h"
#include "platform/TextCodec.h"

#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

using platform::FileHandle;
using platform::Pipe;

namespace {

// What the runner reads from an output stream, and what the child writes to.
struct OutputSide {
    KVShellWrapper::Stream childStream;
    FileHandle* handle = nullptr;
    bool read = false;
    int failed = 0; // errno
};

OutputSide prepareOutput(const KVShellWrapper::Stream& given, const char* failureText)
{
    OutputSide side;
    if (auto pipe = std::get_if<std::shared_ptr<Pipe>>(&given); pipe && *pipe) {
        side.childStream = *pipe;
        side.handle = (*pipe)->fileHandleForReading();
        side.read = true;
    } else if (auto handle = std::get_if<std::shared_ptr<FileHandle>>(&given); handle && *handle) {
        // A file handle is where the child's output goes; there is nothing to read back.
        side.childStream = *handle;
        side.handle = handle->get();
    } else if (auto made = Pipe::create()) {
        side.childStream = made;
        side.handle = made->fileHandleForReading();
        side.read = true;
    } else {
        side.failed = errno ? errno : EMFILE;
        std::perror(failureText);
    }
    return side;
}

} // namespace

std::shared_ptr<KVShellWrapper> KVShellWrapper::create(const Stream& inputPipe, const Stream& outputPipe,
                                                       const Stream& errorPipe,
                                                       const std::optional<QString>& workingDirectory,
                                                       const std::optional<Environment>& environment,
                                                       const QStringList& arguments, void* context)
{
    std::shared_ptr<KVShellWrapper> w(new KVShellWrapper);
    w->context_ = context;
    w->stdinPipe_ = inputPipe;
    w->stdoutPipe_ = outputPipe;
    w->stderrPipe_ = errorPipe;
    w->workingDirectory_ = workingDirectory;
    w->environment_ = environment;
    w->arguments_ = arguments;
    return w;
}

KVShellWrapper::~KVShellWrapper() = default;

void KVShellWrapper::setDelegate(KVShellWrapperDelegate* delegate)
{
    if (delegate_ != delegate)
        delegate_ = delegate;
}

void KVShellWrapper::setBinaryOutput(bool binary)
{
    if (binaryOutput_ != binary)
        binaryOutput_ = binary;
}

void KVShellWrapper::startProcess()
{
    if (delegate_)
        delegate_->processStarted(this);

    task_ = std::make_unique<platform::Task>();
    bool pipeFailed = false;

    // Standard input.
    if (auto pipe = std::get_if<std::shared_ptr<Pipe>>(&stdinPipe_); pipe && *pipe) {
        task_->setStandardInput(*pipe);
        stdinHandle_ = (*pipe)->fileHandleForWriting();
    } else if (auto handle = std::get_if<std::shared_ptr<FileHandle>>(&stdinPipe_); handle && *handle) {
        task_->setStandardInput(*handle);
        stdinHandle_ = handle->get();
    } else if (auto made = Pipe::create()) {
        task_->setStandardInput(made);
        stdinHandle_ = made->fileHandleForWriting();
    } else {
        pipeFailure_ = errno ? errno : EMFILE;
        std::perror("KVShellWrapper - failed to create pipe for stdIn");
        pipeFailed = true;
    }

    // Standard output and error; all three are attempted whatever failed before.
    OutputSide out = prepareOutput(stdoutPipe_, "KVShellWrapper - failed to create pipe for stdOut");
    OutputSide err = prepareOutput(stderrPipe_, "KVShellWrapper - failed to create pipe for stdErr");
    if (!pipeFailure_)
        pipeFailure_ = out.failed ? out.failed : err.failed;
    pipeFailed = pipeFailed || out.failed || err.failed;
    task_->setStandardOutput(out.childStream);
    task_->setStandardError(err.childStream);
    stdoutHandle_ = out.handle;
    stderrHandle_ = err.handle;
    readsStdout_ = out.read;
    readsStderr_ = err.read;

    if (pipeFailed) {
        self_ = shared_from_this();
        QTimer::singleShot(0, this, [this] { cleanup(); });
        return;
    }

    if (workingDirectory_)
        task_->setCurrentDirectoryPath(*workingDirectory_);
    if (environment_) {
        QStringList env;
        for (auto it = environment_->cbegin(); it != environment_->cend(); ++it)
            env << it.key() + QLatin1Char('=') + it.value();
        task_->setEnvironment(env);
    }

    if (arguments_.isEmpty())
        throw std::out_of_range("index 0 beyond bounds for empty array");
    task_->setLaunchPath(arguments_.first());
    task_->setOwnProcessGroup(true);
    task_->setMemoryLimit(memoryLimit_);
    task_->setPassedDescriptors(passedFds_);
    task_->setArguments(arguments_.mid(1));

    // Connections die with this object, so no event can reach a destroyed runner.
    if (readsStdout_)
        observers_ << connect(stdoutHandle_, &FileHandle::readCompleted, this, &KVShellWrapper::getData);
    if (readsStderr_)
        observers_ << connect(stderrHandle_, &FileHandle::readCompleted, this, &KVShellWrapper::getData);
    if (readsStdout_)
        stdoutHandle_->readInBackgroundAndNotify();
    if (readsStderr_)
        stderrHandle_->readInBackgroundAndNotify();
    observers_ << connect(task_.get(), &platform::Task::terminated, this, &KVShellWrapper::taskStopped);

    stdoutEmpty_ = !readsStdout_;
    stderrEmpty_ = true;

    try {
        task_->launch();
    } catch (...) {
        // Nothing follows an abandoned run: stop listening before the caller hears of it.
        removeObservers();
        throw;
    }
    self_ = shared_from_this();
}

void KVShellWrapper::stopProcess()
{
    if (!task_ || !task_->hasLaunched() || reported_)
        return;
    task_->terminate();
    // A child that ignores SIGTERM would hold the batch forever; end it for good.
    if (!killTimerArmed_) {
        killTimerArmed_ = true;
        QTimer::singleShot(kKillAfterMs, this, [this] {
            if (task_ && !reported_) {
                qCDebug(lcRunner, "KVShellWrapper - child ignored SIGTERM, sending SIGKILL");
                task_->kill();
            }
        });
    }
}

void KVShellWrapper::killProcess()
{
    if (task_ && task_->hasLaunched() && !reported_)
        task_->kill();
}

void KVShellWrapper::appendInput(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QString>()) {
        if (stdinHandle_)
            stdinHandle_->writeData(platform::encode(value.toString(), inputStringEncoding_));
    } else if (value.metaType() == QMetaType::fromType<QByteArray>()) {
        if (stdinHandle_)
            stdinHandle_->writeData(value.toByteArray());
    } else {
        qCDebug(lcRunner, "KVShellWrapper -appendInput expects NSString or NSData parameter (found: %s)",
                value.metaType().isValid() ? value.metaType().name() : "nil");
    }
}

void KVShellWrapper::closeInput()
{
    if (stdinHandle_)
        stdinHandle_->closeFile();
}

void KVShellWrapper::removeObservers()
{
    for (const auto& c : std::as_const(observers_))
        disconnect(c);
    observers_.clear();
    if (readsStdout_ && stdoutHandle_)
        stdoutHandle_->cancelBackgroundRead();
    if (readsStderr_ && stderrHandle_)
        stderrHandle_->cancelBackgroundRead();
}

void KVShellWrapper::getData(FileHandle* handle, const QByteArray& data)
{
    if (!data.isEmpty()) {
        if (handle == stdoutHandle_) {
            appendOutput(data);
            stdoutEmpty_ = false;
        } else if (handle == stderrHandle_) {
            appendError(data);
            stderrEmpty_ = false;
        }
        handle->readInBackgroundAndNotify();
        return;
    }
    if (handle == stdoutHandle_)
        stdoutEmpty_ = true;
    else if (handle == stderrHandle_)
        stderrEmpty_ = true;
    if (stdoutEmpty_ && stderrEmpty_ && taskDidTerminate_)
        cleanup();
}

void KVShellWrapper::taskStopped()
{
    if (taskDidTerminate_)
        return;
    taskDidTerminate_ = true;
    if (stdoutEmpty_ && stderrEmpty_) {
        cleanup();
        return;
    }
    // A process the child started may hold the pipes open for as long as it likes.
    QTimer::singleShot(kEndGraceMs, this, [this] {
        if (!reported_)
            cleanup();
    });
}

void KVShellWrapper::cleanup()
{
    if (reported_)
        return;
    reported_ = true;
    int status = -1;
    if (taskDidTerminate_) {
        // Withdrawing the outstanding reads first means every remaining byte is
        // delivered once, here, before the end report. The child is gone, so what
        // it wrote is all there; nothing here waits.
        removeObservers();
        if (readsStdout_)
            if (QByteArray d = stdoutHandle_->readAvailableNow(); !d.isEmpty())
                appendOutput(d);
        if (readsStderr_)
            if (QByteArray d = stderrHandle_->readAvailableNow(); !d.isEmpty())
                appendError(d);
        status = task_->terminationStatus();
    }
    if (delegate_)
        delegate_->processFinishedWithTerminationStatus(this, status);
    delegate_ = nullptr;
    auto self = std::move(self_); // the last reference may go here, with this object
}

void KVShellWrapper::appendOutput(const QByteArray& data)
{
    if (binaryOutput_) {
        if (delegate_)
            delegate_->processAppendOutput(this, QVariant(data));
        return;
    }
    auto text = platform::decode(data, outputStringEncoding_);
    if (!text) {
        qCDebug(lcRunner, "KVShellWrapper - not able to encode output. Specified encoding: %u",
                unsigned(quint32(outputStringEncoding_)));
        return;
    }
    if (delegate_)
        delegate_->processAppendOutput(this, QVariant(*text));
}

void KVShellWrapper::appendError(const QByteArray& data)
{
    if (rawErrorObserver_)
        rawErrorObserver_(data);
    auto text = platform::decode(data, outputStringEncoding_);
    if (!text) {
        qCDebug(lcRunner, "KVShellWrapper - not able to encode output. Specified encoding: %u",
                unsigned(quint32(outputStringEncoding_)));
        return;
    }
    if (delegate_)
        delegate_->processAppendError(this, *text);
}

QString exceptionName(const std::exception& e)
{
    if (auto launch = dynamic_cast<const platform::LaunchError*>(&e))
        return launch->name();
    if (dynamic_cast<const std::out_of_range*>(&e))
        return QStringLiteral("NSRangeException");
    return QStringLiteral("NSGenericException");
}

QString exceptionReason(const std::exception& e)
{
    if (auto launch = dynamic_cast<const platform::LaunchError*>(&e))
        return launch->reason();
    return QString::fromLocal8Bit(e.what());
}
