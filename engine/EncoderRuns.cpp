#include "engine/EncoderRuns.h"

#include "platform/Log.h"
#include "platform/Task.h"

namespace engine {

namespace {
EncoderRun run(const QString& encoderPath, const QStringList& arguments, bool readError, int limitMs)
{
    EncoderRun result;
    std::shared_ptr<platform::Pipe> pipe;
    if (readError && !(pipe = platform::Pipe::create())) {
        result.launchError = QStringLiteral("no pipe for the encoder's output");
        return result;
    }
    platform::Task task;
    task.setLaunchPath(encoderPath);
    task.setArguments(arguments);
    // The terminal is not the encoder's: started in a terminal's background, a
    // child that changed its modes would stop us all.
    if (auto null = platform::FileHandle::openNullDevice())
        task.setStandardInput(null);
    if (pipe)
        task.setStandardError(pipe);
    try {
        task.launch();
    } catch (const platform::LaunchError& e) {
        result.launchError = e.reason();
        return result;
    }
    result.launched = true;
    result.finished = task.waitCollecting(pipe ? pipe->fileHandleForReading() : nullptr, &result.errorBytes, limitMs);
    result.status = task.terminationStatus();
    return result;
}
} // namespace

EncoderRun probeRun(const QString& encoderPath, const QString& path, int limitMs)
{
    EncoderRun r = run(encoderPath, {QStringLiteral("-y"), QStringLiteral("-i"), path}, true, limitMs);
    if (!r.launched)
        qCDebug(lcEngine).noquote() << "Probe not launched:" << r.launchError;
    return r;
}

EncoderRun decodeRun(const QString& encoderPath, const QString& input, const QString& wavPath, int limitMs)
{
    EncoderRun r = run(encoderPath,
                       {QStringLiteral("-y"), QStringLiteral("-i"), input, QStringLiteral("-f"),
                        QStringLiteral("wav"), wavPath},
                       false, limitMs);
    if (!r.launched)
        qCDebug(lcEngine).noquote() << "Decode not launched:" << r.launchError;
    return r;
}

} // namespace engine
