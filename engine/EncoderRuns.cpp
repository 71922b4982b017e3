#include "engine/EncoderRuns.h"

#include "platform/Log.h"
#include "platform/Task.h"

#include <QTimer>

namespace engine {

namespace {
constexpr qsizetype kMostKept = 8 * 1024 * 1024; // more is read, but not kept
} // namespace

EncoderRun* EncoderRun::probe(const QString& encoder, const QString& path, QObject* parent, int limitMs)
{
    return new EncoderRun({encoder, QStringLiteral("-y"), QStringLiteral("-i"), path}, true, limitMs, parent);
}

EncoderRun* EncoderRun::decode(const QString& encoder, const QString& input, const QString& wavPath, QObject* parent,
                               bool speaks, int limitMs)
{
    return new EncoderRun({encoder, QStringLiteral("-y"), QStringLiteral("-i"), input, QStringLiteral("-f"),
                           QStringLiteral("wav"), wavPath},
                          false, limitMs, parent, speaks);
}

EncoderRun::EncoderRun(QStringList arguments, bool readsError, int limitMs, QObject* parent, bool speaks)
    : QObject(parent), arguments_(std::move(arguments)), readsError_(readsError), limitMs_(limitMs), speaks_(speaks)
{
}

EncoderRun::~EncoderRun()
{
    // A run still going is not waited for; it must not report to us.
    if (runner_) {
        runner_->setDelegate(nullptr);
        runner_->setRawErrorObserver(nullptr);
        if (!ended_)
            runner_->killProcess();
    }
}

void EncoderRun::start()
{
    // The terminal is not the encoder's: started in a terminal's background, a
    // child that changed its modes would stop us all. Its other streams are ours.
    using platform::FileHandle;
    const auto inherited = [](int fd) { return std::make_shared<FileHandle>(fd, false); };
    const auto null = FileHandle::openNullDevice();
    const auto sink = [&](int fd) -> KVShellWrapper::Stream {
        if (speaks_)
            return inherited(fd);
        if (auto quiet = FileHandle::openNullDevice(true))
            return quiet;
        return inherited(fd);
    };
    runner_ = KVShellWrapper::create(null ? KVShellWrapper::Stream(null) : KVShellWrapper::Stream(), sink(1),
                                     readsError_ ? KVShellWrapper::Stream() : sink(2), std::nullopt, std::nullopt,
                                     arguments_, nullptr);
    runner_->setDelegate(this);
    runner_->setChildMemoryLimit(platform::defaultChildMemoryLimit());
    if (readsError_)
        runner_->setRawErrorObserver([this](const QByteArray& bytes) {
            if (result_.errorBytes.size() < kMostKept)
                result_.errorBytes.append(bytes.left(kMostKept - result_.errorBytes.size()));
        });
    try {
        runner_->startProcess();
    } catch (const std::exception& e) {
        result_.launchError = exceptionReason(e);
        if (auto launch = dynamic_cast<const platform::LaunchError*>(&e); launch && launch->systemShortOfResources())
            result_.systemError = launch->error();
        qCDebug(lcEngine).noquote() << "Encoder not launched:" << result_.launchError;
        runner_->setDelegate(nullptr);
        ended_ = true;
        QTimer::singleShot(0, this, [this] { emit finished(); });
        return;
    }
    result_.launched = true;
    // Past its limit the run is killed and not waited for: a child stuck in the
    // kernel may not even die of SIGKILL. The background reaper takes it.
    QTimer::singleShot(limitMs_, this, [this] {
        if (ended_)
            return;
        result_.finished = false;
        runner_->setDelegate(nullptr);
        runner_->killProcess();
        report();
    });
}

void EncoderRun::stop(bool now)
{
    if (!running() || (result_.stopped && !now))
        return;
    if (now)
        runner_->killProcess();
    if (std::exchange(result_.stopped, true))
        return;
    runner_->stopProcess();
    // The runner kills the group 5 s after SIGTERM; its end is then reported at
    // once, or 2 s later at most while a helper holds its pipes.
    QTimer::singleShot(KVShellWrapper::kKillAfterMs + KVShellWrapper::kEndGraceMs + 1000, this, [this] {
        if (!ended_) {
            runner_->setDelegate(nullptr);
            report();
        }
    });
}

void EncoderRun::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    result_.status = status;
    result_.systemError = runner_->pipeFailure();
    report();
}

void EncoderRun::report()
{
    if (ended_)
        return;
    ended_ = true;
    emit finished();
}

} // namespace engine
