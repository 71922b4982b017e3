#pragma once
#include "engine/CommandLine.h"
#include "engine/EncoderRuns.h"
#include "engine/Outcome.h"
#include "engine/ProbeText.h"
#include "engine/ResultFile.h"
#include "platform/FileSystem.h"
#include "runner/KVShellWrapper.h"
#include "runner/KVShellWrapperDelegate.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace engine {

// ---- the decisions of a journey: pure, so they can be read and tested alone ----

// Before the probe: an input the encoder must never be given (a name text cannot
// hold, anything but a regular file, a file that cannot be opened, a list that
// names other files). None: go on.
std::optional<FileOutcome> decideInput(const QString& input, bool exactName, const platform::InputCheck& check);

// A playlist or concatenation list: the encoder would open the files it names
// (and one that names itself, for ever).
bool namesOtherFiles(const QByteArray& head);

// After the probe run.
struct ProbeDecision {
    enum Kind {
        EncoderUnusable, // the encoder itself cannot run: the batch stops
        SystemRefused,   // the system would not start it (no process, no descriptor): nothing is known
        LeftOut,         // the probe ran past its limit
        NotAudio,        // skipped quietly
        Accept,          // converted; durationText as the encoder stated it (none without one)
    } kind = NotAudio;
    QString reason;
    std::optional<QString> durationText;
};
ProbeDecision decideProbe(const EncoderRunResult& probe, const InputFacts& facts);

// What a file's dump adds to its command for the chosen format.
CommandExtras commandExtras(const InputFacts& facts, const QString& format);

// After the conversion: converted only with result code 0 and a file that is not empty.
struct EndFacts {
    int status = 0;
    bool stopRequested = false;
    std::optional<qint64> outputSize; // none: no regular file there
    bool sawNoSpace = false;
    QString lastDiagnosticLine;
    QString trouble; // what went wrong reading the input (troubleText), if anything
};
FileOutcome judgeEnd(const QString& input, const QString& output, const EndFacts& facts);

// A file system this close to full has no room for the rest of a conversion.
inline constexpr qint64 kNearlyFullBytes = 4 * 1024 * 1024;

// The whole batch's percentage: each file weighted by its duration where known,
// by the mean of the known ones where not; a finished file counts whole.
struct FileProgress {
    qint64 duration = -1; // whole seconds; -1 unknown (not probed yet)
    qint64 position = 0;  // seconds reached
    bool finished = false;
};
int batchPercent(const QList<FileProgress>& files);

// ---- one file's journey ----

class Journey;

// How a journey ended, which decides the console line and the way on.
enum class Ending {
    Finished,        // the encoder ran and ended; outcome().resultCode is its status
    LaunchFailed,    // starting it raised; endingName() is the exception's name
    NoRunner,        // no runner could be made
    LeftOut,         // never handed to the encoder; outcome().consoleReason says why
    NotAudio,        // skipped quietly
    EncoderUnusable, // the encoder cannot run; outcome().reason says why
    Stopped,         // stopped before its conversion started
    AlreadyConverted, // its result is there ("If it exists": Skip); never examined
};

// What the window (or the terminal) does at a journey's steps. A journey decides
// nothing about views.
class JourneyHost {
public:
    virtual ~JourneyHost() = default;
    virtual void journeyPreparing(Journey* journey) = 0;  // about to be examined
    virtual void journeyConverting(Journey* journey) = 0; // accepted; its duration is known
    virtual void journeyNamed(Journey* journey) = 0;      // its output is settled and the settings logged
    // The argument list of the command text, as the window's command field gives it back.
    virtual QStringList journeyArguments(Journey* journey, const QString& commandText) = 0;
    virtual void journeyRunnerMade(Journey* journey) = 0; // before it starts
    virtual void journeyStarted(Journey* journey) = 0;    // the runner's first step
    virtual void journeyLaunched(Journey* journey, const QStringList& arguments) = 0;
    virtual void journeyOutput(Journey* journey, const QString& chunk) = 0;
    virtual void journeyError(Journey* journey, const QString& chunk) = 0;
    // Something done on the way that the person should hear of, in words (the
    // leftover of an interrupted run removed, say).
    virtual void journeyNote(Journey* journey, const QString& note) = 0;
};

using RunnerFactory = std::function<std::shared_ptr<KVShellWrapper>(const QStringList& arguments)>;

// Examine, probe, decide, name, run, judge: one input file from start to its
// single end. Every step that runs the encoder or touches the person's files runs
// off the window's thread; the journey goes on when it ends.
class Journey : public QObject, public KVShellWrapperDelegate {
    Q_OBJECT
public:
    struct Setup {
        QString input;
        qsizetype index = 0; // in the batch
        bool exactName = true;
        QString encoder;
        ConversionSettings settings;
        RunnerFactory makeRunner;
        // False: no probe run; the conversion's own dump of the input tells what a
        // probe would, before anything is said of the file (one encoder start).
        bool probeFirst = true;
        QString subfolder; // where it came from below a dropped folder
        // Why it is left out before anything is done (a folder that could not be read).
        QString leftOut;
        // What interrupted runs left in the batch's folders; shared by its journeys.
        std::shared_ptr<LeftoverRecovery> recovery;
    };
    Journey(Setup setup, JourneyHost* host, std::function<void(Journey*)> onEnd);
    ~Journey() override;

    void start();
    // Ends whatever runs now: the conversion, or the probe or decode run; the file
    // counts as stopped. The end comes by the ordinary road. now: SIGKILL at once,
    // for a program that is ending.
    void stop(bool now = false);

    const QString& input() const { return setup_.input; }
    qsizetype index() const { return setup_.index; }
    qint32 totalDuration() const { return totalDuration_; }
    qint64 position() const { return position_; }
    double speed() const { return speed_; }
    const QString& output() const { return output_; }
    // Its conversion runs, and has been said to run.
    bool converting() const { return launched_ && !muted_ && !ended_; }
    bool ended() const { return ended_; }
    Ending ending() const { return ending_; }
    const FileOutcome& outcome() const { return outcome_; }
    QString endingName() const { return endingName_; }
    // The unfinished output removed at the end, if any.
    const QString& removedOutput() const { return removedOutput_; }
    // It made the Converted folder beside its input (it was not there).
    bool madeConvertedFolder() const { return madeConverted_; }
    const std::shared_ptr<KVShellWrapper>& runner() const { return runner_; }
    // The standard error chunk last passed on began inside a dumped tag's line.
    bool errorChunkBeganInForeignLine() const { return conversionText_ && conversionText_->pieceBeganInForeignLine(); }

    // The runner's delegate.
    void processAppendOutput(KVShellWrapper* wrapper, const QVariant& chunk) override;
    void processAppendError(KVShellWrapper* wrapper, const QString& chunk) override;
    void processStarted(KVShellWrapper* wrapper) override;
    void processFinishedWithTerminationStatus(KVShellWrapper* wrapper, int status) override;

private:
    struct Examined;
    void examined(const Examined& report);
    void probed();
    void fallback();
    void reserveOutput();
    void named(const ReservedResult& reserved);
    void launch(const QStringList& arguments);
    void runEncoder(EncoderRun* run, void (Journey::*then)());
    void decoded();
    void temporaryProbed();
    // Ends the journey once the empty reserved output (if any) is gone again.
    void endAfterRelease(Ending ending, FileOutcome outcome);
    void endStopped();
    void end(Ending ending, FileOutcome outcome);
    // Without a probe: what the conversion's dump of the input says decides.
    void decide(const InputFacts& facts, bool ended);
    void unmute();
    void mutedRunEnded(int status);

    Setup setup_;
    JourneyHost* host_;
    std::function<void(Journey*)> onEnd_;
    bool convertedUsable_ = true; // the Converted folder is a folder we may write in
    QSet<QString> tagLines_;      // probe lines that hold the texts the end is judged by
    EncoderRun* run_ = nullptr;   // the probe or decode run going on
    ReservedName wav_;            // the fallback's temporary file
    qint32 totalDuration_ = 0;
    qint64 position_ = 0;
    double speed_ = 0;
    QString output_;
    std::shared_ptr<ResultFile> result_; // the reserved name and the unfinished file
    QString encoderOutput_;              // what the encoder is told to write
    bool madeConverted_ = false;
    int systemRetries_ = 0;
    std::shared_ptr<KVShellWrapper> runner_;
    std::unique_ptr<ConversionText> conversionText_;
    CommandExtras extras_;
    bool stopRequested_ = false;
    bool launched_ = false;
    bool conclusion_ = false; // the end of its conversion is being judged
    bool ended_ = false;
    Ending ending_ = Ending::Finished;
    FileOutcome outcome_;
    QString endingName_;
    QString removedOutput_;
    // Without a probe, until the input's dump is read: nothing is said of the file yet.
    bool muted_ = false;
    bool decided_ = false;
    enum class Then { Go, NotAudio, TooSlow, Restart } then_ = Then::Go;
    QStringList arguments_;
    QStringList heldOutput_;        // chunks not yet passed on
    std::optional<QString> heldError_;
};

} // namespace engine
