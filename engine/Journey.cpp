#include "engine/Journey.h"

#include "engine/ProbeText.h"
#include "engine/Progress.h"
#include "engine/TimeString.h"
#include "platform/Log.h"
#include "platform/TextCodec.h"

#include <QDir>

#include <cerrno>
#include <stdexcept>

namespace engine {

// ---- decisions ----------------------------------------------------------------

std::optional<FileOutcome> decideInput(const QString& input, bool exactName, const platform::InputCheck& check)
{
    if (!exactName)
        return FileOutcome{input, Outcome::LeftOut, {}, 0,
                           QStringLiteral("its name is not valid UTF-8, so it cannot be handed to the encoder unchanged"), {}};
    switch (check.kind) {
    case platform::InputKind::Regular:
        return std::nullopt;
    case platform::InputKind::NotRegular:
        return FileOutcome{input, Outcome::LeftOut, {}, 0, check.reason, {}};
    case platform::InputKind::Unreadable:
        return FileOutcome{input, Outcome::Unreadable, {}, 0, check.reason,
                           QStringLiteral("it cannot be read (%1)").arg(check.reason)};
    }
    return std::nullopt;
}

ProbeDecision decideProbe(const EncoderRun& probe, const QString& ownText)
{
    if (probe.cannotRun())
        return {ProbeDecision::EncoderUnusable,
                probe.launched ? QStringLiteral("it ended with code %1 at once").arg(probe.status) : probe.launchError,
                std::nullopt};
    if (!probe.finished)
        return {ProbeDecision::LeftOut,
                QStringLiteral("the encoder did not finish reading it within %1 seconds").arg(kProbeLimitMs / 1000),
                std::nullopt};
    if (!acceptsProbe(ownText))
        return {ProbeDecision::NotAudio, {}, std::nullopt};
    return {ProbeDecision::Accept, {}, durationText(ownText)};
}

FileOutcome judgeEnd(const QString& input, const QString& output, const EndFacts& f)
{
    FileOutcome o{input, Outcome::Converted, output, f.status, {}, {}};
    if (f.status != 0) {
        o.outcome = f.stopRequested ? Outcome::Stopped : Outcome::Failed;
        o.reason = f.lastDiagnosticLine;
    } else if (f.sawNoSpace) {
        // The encoder exits 0 also when it could not write, for one on a full disk.
        o.outcome = Outcome::Failed;
        o.reason = QStringLiteral("the disk is full");
    } else if (!f.outputSize || *f.outputSize == 0) {
        o.outcome = Outcome::Failed;
        o.reason = QStringLiteral("the encoder reported success but wrote nothing");
    }
    return o;
}

int batchPercent(const QList<FileProgress>& files)
{
    double knownSum = 0;
    int known = 0;
    for (const FileProgress& f : files)
        if (f.duration > 0) {
            knownSum += double(f.duration);
            ++known;
        }
    const double unknownWeight = known ? knownSum / known : 1.0;
    double total = 0, done = 0;
    for (const FileProgress& f : files) {
        const double weight = f.duration > 0 ? double(f.duration) : unknownWeight;
        total += weight;
        if (f.finished)
            done += weight;
        else if (f.duration > 0)
            done += weight * std::clamp(double(f.position) / double(f.duration), 0.0, 1.0);
    }
    return total > 0 ? int(done * 100.0 / total) : 0;
}

// ---- the journey ------------------------------------------------------------

Journey::Journey(Setup setup, JourneyHost* host) : setup_(std::move(setup)), host_(host) {}

Journey::~Journey()
{
    // A conversion may outlive its journey; it must not report to a dead one.
    if (runner_)
        runner_->setDelegate(nullptr);
}

void Journey::start()
{
    const QString& input = setup_.input;
    // The fallback writes its temporary file in the Converted folder, whatever the output folder.
    QDir().mkdir(convertedFolder(input));
    host_->journeyPreparing(this);

    // A name text cannot hold unchanged is not looked at: it would be another file.
    if (auto out = decideInput(input, setup_.exactName,
                               setup_.exactName ? platform::inspectInput(input) : platform::InputCheck{})) {
        end(Ending::LeftOut, *out);
        return;
    }
    const EncoderRun probe = probeRun(setup_.encoder, input);
    const QString probeText = decodeProbeBytes(probe.errorBytes);
    qCDebug(lcEngine).noquote() << "Grep:" << probeText;
    const QString ownText = encoderOwnText(withoutPath(probeText, input));
    qCDebug(lcEngine, "RangeErr: %lld", qlonglong(invalidDataRangeLength(ownText)));
    const ProbeDecision decision = decideProbe(probe, ownText);
    switch (decision.kind) {
    case ProbeDecision::EncoderUnusable:
        end(Ending::EncoderUnusable, {input, Outcome::Failed, {}, -1, decision.reason, {}});
        return;
    case ProbeDecision::LeftOut:
        end(Ending::LeftOut, {input, Outcome::Unreadable, {}, 0, decision.reason, {}});
        return;
    case ProbeDecision::NotAudio:
        end(Ending::NotAudio, {input, Outcome::NotAudio, {}, 0, {}, {}});
        return;
    case ProbeDecision::Accept:
        break;
    }

    qCDebug(lcEngine).noquote() << "TotalDuration:" << decision.durationText.value_or(QString());
    if (decision.durationText && *decision.durationText == QLatin1String("N/A"))
        wavFallback();
    else
        totalDuration_ = decision.durationText ? durationSeconds(*decision.durationText).value_or(0) : 0;

    host_->journeyConverting(this);
    const ConversionSettings& s = setup_.settings;
    // Reserved now: no other file of the batch, and nothing else, can take the name.
    const ReservedName reserved = reserveFreeName(outputName(input, s));
    output_ = reserved.path;
    outputId_ = reserved.id;
    if (!reserved.encoderMayTry()) {
        end(Ending::LeftOut, {input, Outcome::LeftOut, {}, 0,
                              QStringLiteral("its output %1 could not be created (%2)")
                                  .arg(reserved.path, platform::errorText(reserved.error)),
                              {}});
        return;
    }
    qCDebug(lcEngine).noquote() << "FinalFile:" << output_;
    qCDebug(lcEngine, "channel: %d", s.channelIndex + 1);
    qCDebug(lcEngine).noquote() << "Rate:" << s.rate;
    qCDebug(lcEngine).noquote() << "Bitrate:" << s.bitrate;
    qCDebug(lcEngine).noquote() << "Format:" << s.format;
    const QString command = commandText(setup_.encoder, input, output_, s);
    qCDebug(lcEngine).noquote() << "path:" << input;
    const QStringList arguments = host_->journeyArguments(this, command);
    for (const QString& a : arguments)
        qCDebug(lcEngine, "arg: %s \n", qUtf8Printable(a));
    if (arguments.size() != kArgumentCount) {
        end(Ending::LeftOut, {input, Outcome::LeftOut, {}, 0,
                              QStringLiteral("a name or setting holds the text %1, which would split the encoder's arguments")
                                  .arg(kArgumentSeparator),
                              {}});
        return;
    }
    launch(arguments);
}

void Journey::wavFallback()
{
    // Only a name that held nothing, created by us, and removed only while it is
    // still the file we made: a user's own file or a link there is never touched.
    const ReservedName wav = reserveFreeName(temporaryWavName(setup_.input));
    if (!wav.id) {
        qCDebug(lcEngine).noquote() << "No temporary file at" << wav.path << ":" << platform::errorText(errno);
        return;
    }
    decodeRun(setup_.encoder, setup_.input, wav.path);
    const EncoderRun second = probeRun(setup_.encoder, wav.path);
    const auto duration =
        durationText(encoderOwnText(withoutPath(decodeProbeBytes(second.errorBytes), wav.path)));
    qCDebug(lcEngine).noquote() << "TotalDuration:" << duration.value_or(QString());
    totalDuration_ = duration ? durationSeconds(*duration).value_or(0) : 0;
    platform::removeIfSame(wav.path, *wav.id, false);
}

void Journey::launch(const QStringList& arguments)
{
    runner_ = setup_.makeRunner(arguments);
    if (runner_)
        runner_->setDelegate(this);
    host_->journeyRunnerMade(this);
    try {
        if (!runner_) {
            end(Ending::NoRunner,
                {setup_.input, Outcome::Failed, {}, -1, QStringLiteral("the encoder could not be started"), {}});
            return;
        }
        runner_->setOutputStringEncoding(platform::ASCIIStringEncoding);
        runner_->startProcess();
        host_->journeyLaunched(this, arguments);
    } catch (const std::exception& e) {
        qCDebug(lcEngine).noquote().nospace() << "Caught " << exceptionName(e) << ": " << exceptionReason(e);
        endingName_ = exceptionName(e);
        runner_->setDelegate(nullptr);
        end(Ending::LaunchFailed,
            {setup_.input, Outcome::Failed, {}, -1,
             QStringLiteral("the encoder could not be started (%1)").arg(endingName_), {}});
    }
}

void Journey::stop()
{
    if (!runner_ || ended_)
        return;
    stopRequested_ = true;
    runner_->stopProcess();
}

void Journey::processStarted(KVShellWrapper*)
{
    host_->journeyStarted(this);
}

void Journey::processAppendOutput(KVShellWrapper*, const QVariant& chunk)
{
    host_->journeyOutput(this, chunk.toString());
}

void Journey::processAppendError(KVShellWrapper*, const QString& chunk)
{
    // Only the encoder's own lines count, never a dumped tag, wherever the chunk was cut.
    for (const QString& line : errorLines_.feed(chunk)) {
        if (line.contains(QLatin1String("No space left on device")))
            sawNoSpace_ = true;
        if (const QString said = lastDiagnosticLine(line); !said.isEmpty())
            lastDiagnosticLine_ = said;
        if (const auto time = progressTimeText(line)) {
            try {
                position_ = secondsForTimeString(*time);
            } catch (const std::out_of_range&) {
            }
        }
    }
    host_->journeyError(this, chunk);
}

void Journey::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    const std::optional<qint64> size =
        outputId_ ? platform::sizeIfSame(output_, *outputId_) : platform::regularFileSize(output_);
    end(Ending::Finished,
        judgeEnd(setup_.input, output_, {status, stopRequested_, size, sawNoSpace_, lastDiagnosticLine_}));
}

// The empty file reserved for the output goes again when the encoder put nothing in it.
void Journey::releaseOutput()
{
    if (outputId_)
        platform::removeIfSame(output_, *outputId_, true);
    outputId_.reset();
}

void Journey::end(Ending ending, FileOutcome outcome)
{
    if (ended_)
        return;
    ended_ = true;
    ending_ = ending;
    outcome_ = std::move(outcome);
    if (outcome_.outcome != Outcome::Converted)
        releaseOutput();
    host_->journeyEnded(this);
}

} // namespace engine
