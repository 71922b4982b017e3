#include "engine/EncoderRuns.h"

#include "platform/Log.h"
#include "platform/Task.h"
#include "platform/TextCodec.h"

namespace engine {

std::optional<QString> probeRun(const QString& encoderPath, const QString& path)
{
    auto pipe = platform::Pipe::create();
    if (!pipe)
        return std::nullopt;
    platform::Task task;
    task.setLaunchPath(encoderPath);
    task.setArguments({QStringLiteral("-y"), QStringLiteral("-i"), path});
    task.setStandardError(pipe);
    try {
        task.launch();
    } catch (const platform::LaunchError& e) {
        qCDebug(lcEngine).noquote() << "Probe not launched:" << e.reason();
        return std::nullopt;
    }
    // Read while it runs, so a probe that says more than a pipe holds never blocks.
    const QByteArray bytes = pipe->fileHandleForReading()->readDataToEndOfFile();
    task.waitUntilExit();
    auto text = platform::decode(bytes, platform::UTF8StringEncoding);
    qCDebug(lcEngine).noquote() << "Grep:" << (text ? *text : QStringLiteral("(null)"));
    return text;
}

void decodeRun(const QString& encoderPath, const QString& input, const QString& wavPath)
{
    platform::Task task;
    task.setLaunchPath(encoderPath);
    task.setArguments({QStringLiteral("-y"), QStringLiteral("-i"), input, QStringLiteral("-f"),
                       QStringLiteral("wav"), wavPath});
    try {
        task.launch();
    } catch (const platform::LaunchError& e) {
        qCDebug(lcEngine).noquote() << "Decode not launched:" << e.reason();
        return;
    }
    task.waitUntilExit();
}

} // namespace engine
