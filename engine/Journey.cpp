#include "engine/Journey.h"

#include "engine/FileWork.h"
#include "engine/ProbeText.h"
#include "engine/TimeString.h"
#include "platform/Log.h"
#include "platform/Task.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QTimer>

#include <stdexcept>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Journey)
};
} // namespace

RunnerFactory defaultRunnerFactory()
{
    return [](const QStringList& arguments) {
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, arguments, nullptr);
    };
}

namespace {
constexpr qsizetype kHeadBytes = 1024; // enough to know a playlist
constexpr int kSystemRetries = 3;
constexpr int kSystemRetryMs = 1000;
constexpr size_t kMostHeld = 64; // output chunks held back while the gate is closed

// The result's first choice of name, when it holds a file that is not empty.
std::optional<QString> existingResult(const NameParts& name)
{
    const QString path = name.base + name.extension;
    if (const auto size = platform::regularFileSize(path); size && *size > 0)
        return path;
    return std::nullopt;
}

QString systemRefused(int error)
{
    return Words::tr("the system would not start the encoder (%1)").arg(platform::errorText(error));
}
} // namespace

// ---- the gate -----------------------------------------------------------------

void Journey::Gate::say(std::function<void()> call)
{
    if (open_)
        return call();
    if (held_.size() < kMostHeld)
        held_.push_back(std::move(call));
}

void Journey::Gate::sayError(std::function<void()> call)
{
    if (open_)
        return call();
    error_ = std::move(call);
}

void Journey::Gate::open()
{
    open_ = true;
    for (const auto& call : std::exchange(held_, {}))
        call();
    if (auto error = std::exchange(error_, nullptr))
        error();
}

void Journey::Gate::forget()
{
    held_.clear();
    error_ = nullptr;
    open_ = true;
}

// ---- the journey --------------------------------------------------------------

struct Journey::Examined {
    platform::MadeFolder converted;
    platform::InputCheck check;
    std::optional<QString> existing; // the result that is there already (Skip)
};

Journey::Journey(Setup setup, JourneyHost* host, std::function<void(Journey*)> onEnd)
    : setup_(std::move(setup)), host_(host), onEnd_(std::move(onEnd))
{
}

Journey::~Journey()
{
    // A conversion may outlive its journey; it must not report to a dead one.
    if (runner_) {
        runner_->setDelegate(nullptr);
        runner_->setRawErrorObserver(nullptr);
    }
}

FileOutcome Journey::outcomeOf(Outcome kind, const QString& reason, int resultCode) const
{
    return FileOutcome{.input = label(), .outcome = kind, .resultCode = resultCode, .reason = reason};
}

QString Journey::foldersBelow() const
{
    const QString kept = keptSubfolder(setup_.settings, setup_.subfolder);
    if (!setup_.track)
        return kept;
    return kept.isEmpty() ? setup_.track->folder : kept + QLatin1Char('/') + setup_.track->folder;
}

NameParts Journey::resultName() const
{
    NameParts name = outputName(setup_.input, setup_.settings, setup_.subfolder);
    if (setup_.track)
        name.base = deletingLastPathComponent(name.base) + QLatin1Char('/') + setup_.track->folder + QLatin1Char('/')
                  + setup_.track->resultBase();
    return name;
}

// Sample-exact: the image is seeked to a whole second before the track, then its
// samples are trimmed, timestamps from zero again.
std::optional<QString> Journey::cutTrack(int rate, std::optional<double> imageSeconds)
{
    const TrackCut& t = *setup_.track;
    if (rate <= 0)
        return Words::tr("its image states no sample rate");
    const double start = double(t.start) / 75.0;
    if (imageSeconds && start >= *imageSeconds)
        return Words::tr("it starts at %1, after the end of its image (%2)")
            .arg(clockText(qint64(start)), clockText(qint64(*imageSeconds)));
    const qint64 seek = std::max<qint64>(0, qint64(start) - 1);
    const auto samples = [&](qint64 frames) { return (frames * rate + 37) / 75 - seek * rate; };
    QString trim = QStringLiteral("atrim=start_sample=%1").arg(samples(t.start));
    if (t.end)
        trim += QStringLiteral(":end_sample=%1").arg(samples(*t.end));
    trim += QStringLiteral(",asetpts=PTS-STARTPTS");
    TrackArgs args{QString::number(seek), trim, {}};
    const auto tag = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            args.metadata << std::make_pair(QString::fromLatin1(key), value);
    };
    tag("title", t.title);
    tag("artist", t.performer);
    tag("album", t.album);
    tag("album_artist", t.albumArtist);
    tag("track", QStringLiteral("%1/%2").arg(t.number).arg(t.count));
    tag("date", t.date);
    tag("genre", t.genre);
    trackArgs_ = args;
    const double end = t.end ? double(*t.end) / 75.0 : imageSeconds.value_or(start);
    trackSeconds_ = std::max(0.0, end - start);
    totalDuration_ = qint32(trackSeconds_);
    return std::nullopt;
}

void Journey::start()
{
    host_->journeyPreparing(this);
    if (!setup_.leftOut.isEmpty())
        return examined({});
    offThread(
        this,
        [input = setup_.input, exact = setup_.exactName, skip = setup_.settings.skipExisting, name = resultName()] {
            Examined e;
            // Run again over a library: what is converted already is not even looked at.
            if (skip && exact && (e.existing = existingResult(name)))
                return e;
            // The fallback writes its temporary file in the Converted folder, whatever the output folder.
            e.converted = platform::makeFolder(withoutTrailingSlashes(convertedFolder(input)));
            // A name text cannot hold unchanged is not looked at: it would be another file.
            if (exact)
                e.check = platform::inspectInput(input, kHeadBytes);
            return e;
        },
        [this](const Examined& e) { examined(e); });
}

void Journey::examined(const Examined& e)
{
    if (stopRequested_)
        return end(Ending::Stopped, outcomeOf(Outcome::Stopped));
    if (!setup_.leftOut.isEmpty())
        return end(Ending::LeftOut, outcomeOf(Outcome::LeftOut, setup_.leftOut));
    if (e.existing) {
        FileOutcome there = outcomeOf(Outcome::AlreadyConverted);
        there.output = *e.existing;
        return end(Ending::AlreadyConverted, there);
    }
    madeConverted_ = e.converted.created;
    if (auto out = decideInput(setup_.input, setup_.exactName, e.check))
        return end(Ending::LeftOut, *out);
    convertedUsable_ = e.converted.state == platform::FolderState::Ready;
    const QString folder = withoutTrailingSlashes(convertedFolder(setup_.input));
    // Results beside the input go into Converted; never through a link, never into a file.
    if (setup_.settings.outputChoice == kOriginalFolder && e.converted.state == platform::FolderState::Link)
        return end(Ending::LeftOut, outcomeOf(Outcome::LeftOut, Words::tr("its Converted folder %1 is a link, which is not followed").arg(folder)));
    if (setup_.settings.outputChoice == kOriginalFolder && e.converted.state == platform::FolderState::NotFolder)
        return end(Ending::LeftOut, outcomeOf(Outcome::LeftOut, Words::tr("%1, where its Converted folder goes, is not a folder").arg(folder)));
    if (setup_.plan == Plan::InGroup) {
        gate_.close();
        // Only what looks like audio, with a name the run can carry, joins.
        if (!looksLikeAudio(e.check.head) || setup_.input.contains(kArgumentSeparator))
            return setup_.group->alone(this);
        return reserveOutput();
    }
    if (setup_.plan == Plan::ConvertAtOnce) {
        gate_.close();
        return reserveOutput();
    }
    probe();
}

void Journey::runAlone()
{
    setup_.plan = Plan::ConvertAtOnce;
    if (stopRequested_)
        return end(Ending::Stopped, outcomeOf(Outcome::Stopped));
    gate_.forget();
    gate_.close();
    if (!result_)
        return reserveOutput();
    // Its name is taken again for its own run.
    offThread(
        this, [result = std::exchange(result_, nullptr)] { return result->discard(); }, [this](bool) { reserveOutput(); });
}

void Journey::groupStopped()
{
    stopRequested_ = true;
    end(Ending::Stopped, outcomeOf(Outcome::Stopped));
}

void Journey::groupCannotRun(int status)
{
    end(Ending::EncoderUnusable, outcomeOf(Outcome::Failed, Words::tr("it ended with code %1 at once").arg(status), -1));
}

void Journey::groupConverted(const GroupProof& proof, const std::shared_ptr<KVShellWrapper>& runner,
                             const QStringList& arguments)
{
    // What its own run would have said, said now, in its order.
    totalDuration_ = proof.totalDuration;
    position_ = qint64(proof.seconds);
    runner_ = runner;
    arguments_ = arguments;
    launched_ = true;
    gate_.say([this] { host_->journeyRunnerMade(this); });
    gate_.say([this] { host_->journeyStarted(this); });
    gate_.say([this, arguments] { host_->journeyLaunched(this, arguments); });
    gate_.open();
    conclusion_ = true;
    offThread(
        this, [result = result_] { return result->size(); },
        [this](std::optional<qint64> size) {
            publish(judgeEnd(label(), output_, {0, stopRequested_, size, false, {}, {}}), size);
        });
}

void Journey::runEncoder(EncoderRun* run, void (Journey::*then)())
{
    run_ = run;
    connect(run_, &EncoderRun::finished, this, then);
    run_->start();
}

void Journey::probe()
{
    runEncoder(EncoderRun::probe(setup_.encoder, setup_.input, this), &Journey::probed);
}

void Journey::probed()
{
    const EncoderRunResult probe = run_->result();
    run_->deleteLater();
    run_ = nullptr;
    const QString probeText = decodeProbeBytes(probe.errorBytes);
    qCDebug(lcEngine).noquote() << "Grep:" << probeText;
    const QString ownText = encoderOwnText(withoutPath(probeText, asEncoderPrintsIt(setup_.input)));
    qCDebug(lcEngine, "RangeErr: %lld", qlonglong(invalidDataRangeLength(ownText)));
    if (stopRequested_)
        return end(Ending::Stopped, outcomeOf(Outcome::Stopped));
    tagLines_ = markerLines(ownText);
    const InputFacts facts = parseInputDump(probeText, setup_.input);
    extras_ = commandExtras(facts, setup_.settings.format);
    const ProbeDecision decision = decideProbe(probe, facts);
    switch (decision.kind) {
    case ProbeDecision::SystemRefused:
        // Short of processes or descriptors now, perhaps not in a moment.
        if (++systemRetries_ <= kSystemRetries) {
            QTimer::singleShot(kSystemRetryMs, this, [this] {
                if (stopRequested_)
                    return end(Ending::Stopped, outcomeOf(Outcome::Stopped));
                this->probe();
            });
            return;
        }
        return end(Ending::LeftOut, outcomeOf(Outcome::Failed, decision.reason, -1));
    case ProbeDecision::EncoderUnusable:
        return end(Ending::EncoderUnusable, outcomeOf(Outcome::Failed, decision.reason, -1));
    case ProbeDecision::LeftOut:
        return end(Ending::LeftOut, outcomeOf(Outcome::Unreadable, decision.reason));
    case ProbeDecision::NotAudio:
        return end(Ending::NotAudio, outcomeOf(Outcome::NotAudio));
    case ProbeDecision::Accept:
        break;
    }
    qCDebug(lcEngine).noquote() << "TotalDuration:" << decision.durationText.value_or(QString());
    if (decision.durationText && *decision.durationText == QLatin1String("N/A"))
        return fallback();
    totalDuration_ = decision.durationText ? durationSeconds(*decision.durationText).value_or(0) : 0;
    if (setup_.track)
        if (const auto why = cutTrack(facts.sampleRate, decision.durationText ? preciseSeconds(*decision.durationText)
                                                                              : std::nullopt))
            return end(Ending::LeftOut, outcomeOf(Outcome::LeftOut, *why));
    reserveOutput();
}

// The input states no duration: it is decoded whole into a temporary WAV file,
// whose own header states it.
void Journey::fallback()
{
    if (!convertedUsable_) {
        qCDebug(lcEngine) << "No Converted folder for the temporary file";
        return reserveOutput();
    }
    // Only a name that held nothing, created by us, and removed only while it is
    // still the file we made: a user's own file or a link there is never touched.
    offThread(
        this, [input = setup_.input] { return reserveFreeName(temporaryWavName(input)); },
        [this](const ReservedName& wav) {
            wav_ = wav;
            if (!wav.id) {
                qCDebug(lcEngine).noquote() << "No temporary file at" << wav.path << ":" << platform::errorText(wav.error);
                return stopRequested_ ? end(Ending::Stopped, outcomeOf(Outcome::Stopped)) : reserveOutput();
            }
            if (stopRequested_)
                return decoded();
            runEncoder(EncoderRun::decode(setup_.encoder, setup_.input, wav.path, this, setup_.decodeSpeaks),
                       &Journey::decoded);
        });
}

void Journey::decoded()
{
    if (run_) {
        run_->deleteLater();
        run_ = nullptr;
    }
    if (!stopRequested_)
        return runEncoder(EncoderRun::probe(setup_.encoder, wav_.path, this), &Journey::temporaryProbed);
    offThread(
        this, [wav = wav_] { return platform::removeIfSame(wav.path, *wav.id, false); },
        [this](bool) { end(Ending::Stopped, outcomeOf(Outcome::Stopped)); });
}

void Journey::temporaryProbed()
{
    const QString text = decodeProbeBytes(run_->result().errorBytes);
    run_->deleteLater();
    run_ = nullptr;
    const InputFacts measured = parseInputDump(text, wav_.path);
    const auto duration = measured.durationText;
    qCDebug(lcEngine).noquote() << "TotalDuration:" << duration.value_or(QString());
    totalDuration_ = duration ? durationSeconds(*duration).value_or(0) : 0;
    if (setup_.track)
        if (const auto why = cutTrack(measured.sampleRate, duration ? preciseSeconds(*duration) : std::nullopt)) {
            const QString reason = *why;
            return offThread(
                this, [wav = wav_] { return platform::removeIfSame(wav.path, *wav.id, false); },
                [this, reason](bool) { end(Ending::LeftOut, outcomeOf(Outcome::LeftOut, reason)); });
        }
    offThread(
        this, [wav = wav_] { return platform::removeIfSame(wav.path, *wav.id, false); },
        [this](bool) { stopRequested_ ? end(Ending::Stopped, outcomeOf(Outcome::Stopped)) : reserveOutput(); });
}

void Journey::reserveOutput()
{
    gate_.say([this] { host_->journeyConverting(this); });
    // Reserved now: no other file of the batch, and nothing else, can take the name.
    const bool chosenFolder = setup_.settings.outputChoice != kOriginalFolder;
    offThread(
        this,
        [name = resultName(), chosenFolder, below = foldersBelow(), recovery = setup_.recovery] {
            return reserveResult(name, chosenFolder, below, recovery.get());
        },
        [this](const ReservedResult& reserved) { named(reserved); });
}

void Journey::named(const ReservedResult& reserved)
{
    const QString& input = setup_.input;
    output_ = reserved.path;
    result_ = reserved.file;
    encoderOutput_ = result_ ? result_->encoderPath() : output_;
    for (const QString& removed : reserved.recovered)
        host_->journeyNote(this, Words::tr("Removed %1, which an interrupted run had left unfinished.").arg(removed));
    if (stopRequested_)
        return end(Ending::Stopped, outcomeOf(Outcome::Stopped));
    if (!reserved.encoderMayTry())
        return end(Ending::LeftOut, outcomeOf(Outcome::LeftOut, Words::tr("its output %1 could not be created (%2)")
                                                                    .arg(reserved.path, platform::errorText(reserved.error))));
    const ConversionSettings& s = setup_.settings;
    qCDebug(lcEngine).noquote() << "FinalFile:" << output_;
    qCDebug(lcEngine, "channel: %d", s.channelIndex + 1);
    qCDebug(lcEngine).noquote() << "Rate:" << s.rate;
    qCDebug(lcEngine).noquote() << "Bitrate:" << s.bitrate;
    qCDebug(lcEngine).noquote() << "Format:" << s.format;
    gate_.say([this] { host_->journeyNamed(this); });
    // The encoder writes the unfinished file; the name is published once it is judged.
    const TrackArgs* track = trackArgs_ ? &*trackArgs_ : nullptr;
    const QString command = commandText(setup_.encoder, input, encoderOutput_, s, extras_, track);
    qCDebug(lcEngine).noquote() << "path:" << input;
    const QStringList arguments = host_->journeyArguments(this, command);
    for (const QString& a : arguments)
        qCDebug(lcEngine, "arg: %s \n", qUtf8Printable(a));
    if (arguments.size() != argumentCount(extras_, track))
        return end(Ending::LeftOut,
                   outcomeOf(Outcome::LeftOut,
                             Words::tr("a name or setting holds the text %1, which would split the encoder's arguments")
                                 .arg(kArgumentSeparator)));
    if (setup_.plan == Plan::InGroup)
        return setup_.group->ready(this);
    launch(arguments);
}

void Journey::launch(const QStringList& arguments)
{
    arguments_ = arguments;
    runner_ = setup_.makeRunner(arguments);
    if (runner_) {
        runner_->setDelegate(this);
        runner_->setChildMemoryLimit(platform::defaultChildMemoryLimit());
        if (result_)
            runner_->setPassedDescriptors({result_->descriptor()});
        conversionText_ = std::make_unique<ConversionText>(setup_.input, encoderOutput_, tagLines_);
        if (setup_.track)
            conversionText_->setExpectedSeconds(trackSeconds_);
        // The end is judged from every byte it writes, also those the views never get.
        runner_->setRawErrorObserver([this](const QByteArray& bytes) {
            conversionText_->feed(bytes);
            if (const auto at = conversionText_->position())
                position_ = *at;
            speed_ = conversionText_->speed();
            // Converting at once, the output's header follows the input's whole
            // dump: what a probe tells is known.
            if (!gate_.isOpen() && !decided_ && conversionText_->outputHeaderSeen())
                decide(parseInputDump(conversionText_->dump(), setup_.input, encoderOutput_), false);
        });
    }
    gate_.say([this] { host_->journeyRunnerMade(this); });
    if (!runner_)
        return end(Ending::NoRunner, outcomeOf(Outcome::Failed, Words::tr("the encoder could not be started"), -1));
    try {
        runner_->setOutputStringEncoding(platform::ASCIIStringEncoding);
        launched_ = true; // from the runner's first step, which the views hear of
        runner_->startProcess();
    } catch (const std::exception& e) {
        qCDebug(lcEngine).noquote().nospace() << "Caught " << exceptionName(e) << ": " << exceptionReason(e);
        endingName_ = exceptionName(e);
        launched_ = false;
        runner_->setDelegate(nullptr);
        runner_->setRawErrorObserver(nullptr);
        const auto* launch = dynamic_cast<const platform::LaunchError*>(&e);
        // The system was short of processes or memory: nothing is known of the encoder.
        if (!gate_.isOpen() && launch && launch->systemShortOfResources())
            return end(Ending::LeftOut, outcomeOf(Outcome::Failed, systemRefused(launch->error()), -1));
        // Converting at once, this start was the encoder's first: it cannot run.
        if (!gate_.isOpen())
            return end(Ending::EncoderUnusable, outcomeOf(Outcome::Failed, exceptionReason(e), -1));
        return end(Ending::LaunchFailed,
                   outcomeOf(Outcome::Failed, Words::tr("the encoder could not be started (%1)").arg(endingName_), -1));
    }
    gate_.say([this, arguments] { host_->journeyLaunched(this, arguments); });
    if (gate_.isOpen())
        return;
    // As long as a probe would be given to read the input's head.
    QTimer::singleShot(kProbeLimitMs, this, [this, runner = runner_.get()] {
        if (!gate_.isOpen() && !decided_ && runner_.get() == runner) {
            decided_ = true;
            then_ = Then::TooSlow;
            runner_->killProcess();
        }
    });
}

// Audio converts on in this same run; what a probe would have skipped ends
// quietly. A duration the input does not state is not measured first: the batch's
// share counts such a file as the mean of the others.
void Journey::decide(const InputFacts& facts, bool ended)
{
    decided_ = true;
    qCDebug(lcEngine).noquote() << "Grep:" << conversionText_->dump();
    qCDebug(lcEngine).noquote() << "TotalDuration:" << facts.durationText.value_or(QString());
    totalDuration_ = facts.durationText ? durationSeconds(*facts.durationText).value_or(0) : 0;
    if (!facts.opened || !facts.audio) {
        then_ = Then::NotAudio;
    } else if (const CommandExtras extras = commandExtras(facts, setup_.settings.format); !(extras == extras_)) {
        // Its tags or its cover need other arguments than it was started with.
        then_ = Then::Restart;
        extras_ = extras;
    } else {
        // Everything a probe's way would have said by now is said, in its order.
        then_ = Then::Go;
        return gate_.open();
    }
    tagLines_ = markerLines(encoderOwnText(withoutPath(conversionText_->dump(), asEncoderPrintsIt(setup_.input))));
    if (!ended)
        runner_->killProcess();
}

// Converting at once, a run that was never the file's conversion ended.
void Journey::undecidedRunEnded(int status)
{
    if (!decided_ && !stopRequested_)
        decide(parseInputDump(conversionText_->dump(), setup_.input), true);
    if (gate_.isOpen()) // audio that ended before its output's header: a failed conversion
        return conclude(status);
    gate_.forget();
    const bool cannotRun = status == 126 || status == 127;
    const int systemError = runner_ ? runner_->pipeFailure() : 0;
    const Then then = then_;
    runner_.reset();
    conversionText_.reset();
    launched_ = false;
    // Nothing of this run stays.
    offThread(
        this, [result = std::exchange(result_, nullptr)] { return result && result->discard(); },
        [this, then, cannotRun, status, systemError](bool) {
            if (stopRequested_)
                return end(Ending::Stopped, outcomeOf(Outcome::Stopped));
            if (systemError)
                return end(Ending::LeftOut, outcomeOf(Outcome::Failed, systemRefused(systemError), -1));
            if (cannotRun)
                return end(Ending::EncoderUnusable,
                           outcomeOf(Outcome::Failed, Words::tr("it ended with code %1 at once").arg(status), -1));
            switch (then) {
            case Then::NotAudio:
                return end(Ending::NotAudio, outcomeOf(Outcome::NotAudio));
            case Then::TooSlow:
                return end(Ending::LeftOut,
                           outcomeOf(Outcome::Unreadable, Words::tr("the encoder did not finish reading it within %1 seconds")
                                                              .arg(kProbeLimitMs / 1000)));
            case Then::Restart:
            case Then::Go:
                return reserveOutput(); // with what its dump said, and its run said from the start
            }
        });
}

void Journey::stop(bool now)
{
    if (ended_ || (stopRequested_ && !now))
        return;
    stopRequested_ = true;
    if (runner_ && (!gate_.isOpen() || now)) {
        runner_->killProcess(); // nothing of it is kept: no need to let it end cleanly
    } else if (runner_) {
        runner_->stopProcess();
        // A child stuck in the kernel may not even end of SIGKILL: it is given up.
        QTimer::singleShot(KVShellWrapper::kKillAfterMs + KVShellWrapper::kEndGraceMs + 2000, this, [this] {
            if (ended_ || !runner_ || conclusion_)
                return;
            runner_->setDelegate(nullptr);
            runner_->setRawErrorObserver(nullptr);
            conclude(-1);
        });
    } else if (run_) {
        run_->stop(now);
    } else if (setup_.plan == Plan::InGroup) {
        setup_.group->stop(now);
    }
    // Otherwise a step on the files is under way; it ends the journey when it returns.
}

void Journey::processStarted(KVShellWrapper*)
{
    gate_.say([this] { host_->journeyStarted(this); });
}

void Journey::processAppendOutput(KVShellWrapper*, const QVariant& chunk)
{
    gate_.say([this, text = chunk.toString()] { host_->journeyOutput(this, text); });
}

void Journey::processAppendError(KVShellWrapper*, const QString& chunk)
{
    gate_.sayError([this, chunk] { host_->journeyError(this, chunk); });
}

void Journey::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    if (!gate_.isOpen())
        return undecidedRunEnded(status);
    conclude(status);
}

void Journey::conclude(int status)
{
    if (std::exchange(conclusion_, true))
        return;
    conversionText_->finish();
    struct Concluded {
        FileOutcome outcome;
        std::optional<qint64> size;
    };
    const ConversionText& text = *conversionText_;
    const int pipeFailure = runner_ ? runner_->pipeFailure() : 0;
    const QString last = pipeFailure ? systemRefused(pipeFailure) : text.lastDiagnosticLine();
    offThread(
        this,
        [input = label(), output = output_, result = result_, status, stopped = stopRequested_,
         said = text.noSpaceSaid(), onlyTags = text.noSpaceOnlyInTagLines(), last,
         trouble = troubleText(text.trouble())] {
            Concluded c;
            const std::optional<qint64> size = result ? result->size() : platform::regularFileSize(output);
            // Words a tag could hold count only where the disk really has no room.
            bool noSpace = said;
            if (!noSpace && onlyTags) {
                const auto left = platform::availableBytes(deletingLastPathComponent(output));
                noSpace = left && *left < kNearlyFullBytes;
            }
            c.outcome = judgeEnd(input, output, {status, stopped, size, noSpace, last, trouble});
            c.size = size;
            return c;
        },
        [this](const Concluded& c) { publish(c.outcome, c.size); });
}

// Whole on disk first, then under its name: never a part under a result name.
void Journey::publish(FileOutcome judged, std::optional<qint64> size)
{
    struct Published {
        FileOutcome outcome;
        QString removed;
    };
    offThread(
        this,
        [judged = std::move(judged), size, result = result_, output = output_]() mutable {
            Published p{std::move(judged), {}};
            if (!result)
                return p;
            if (p.outcome.outcome == Outcome::Converted) {
                if (const auto published = result->publish()) {
                    p.outcome.output = *published;
                } else {
                    p.outcome.outcome = Outcome::Failed;
                    p.outcome.problem.clear();
                    p.outcome.reason = Words::tr("it could not be saved (%1)").arg(platform::errorText(errno));
                }
            } else if (result->discard() && size && *size > 0) {
                // What did not convert never had the name of a finished file; its part is gone.
                p.removed = output;
            }
            return p;
        },
        [this](const Published& p) {
            removedOutput_ = p.removed;
            if (p.outcome.outcome == Outcome::Converted)
                output_ = p.outcome.output;
            result_.reset();
            end(Ending::Finished, p.outcome);
        });
}

void Journey::end(Ending ending, FileOutcome outcome)
{
    if (ended_)
        return;
    ended_ = true;
    ending_ = ending;
    outcome_ = std::move(outcome);
    if (!result_)
        return report();
    // What was reserved for it goes first, while it is still ours.
    offThread(
        this, [result = std::exchange(result_, nullptr)] { return result->discard(); }, [this](bool) { report(); });
}

void Journey::report()
{
    onEnd_(this);
}

} // namespace engine
