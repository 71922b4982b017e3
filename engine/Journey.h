#pragma once
#include "engine/CommandLine.h"
#include "engine/CueSheet.h"
#include "engine/Decisions.h"
#include "engine/EncoderRuns.h"
#include "engine/Group.h"
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
#include <vector>

namespace engine {

class Journey;

// How a journey ended, which decides the console line and the way on.
enum class Ending {
    Finished,         // the encoder ran and ended; outcome().resultCode is its status
    LaunchFailed,     // starting it raised; endingName() is the exception's name
    NoRunner,         // no runner could be made
    LeftOut,          // never handed to the encoder; outcome().consoleReason says why
    NotAudio,         // skipped quietly
    EncoderUnusable,  // the encoder cannot run; outcome().reason says why
    Stopped,          // stopped before its conversion started
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

// The runner every door uses: its own pipes, the working directory ".".
RunnerFactory defaultRunnerFactory();

// Examine, probe, decide, name, run, judge, publish: one input file from start to
// its single end. Every step that runs the encoder or touches the person's files
// runs off the window's thread; the journey goes on when it ends.
class Journey : public QObject, public KVShellWrapperDelegate {
    Q_OBJECT
public:
    // Two plans of one journey. Examine first: a probe run tells whether the file
    // is audio and how long, then it converts. Convert at once: the conversion's
    // own dump of its input tells what a probe would (one encoder start), and
    // nothing is said of the file until it has.
    // A member of a group waits, once examined and reserved, for one run with
    // other short files (Group); whatever that run did not prove, it converts at
    // once on its own.
    enum class Plan { ExamineFirst, ConvertAtOnce, InGroup };
    struct Setup {
        QString input;
        qsizetype index = 0; // in the batch
        bool exactName = true;
        QString encoder;
        ConversionSettings settings;
        RunnerFactory makeRunner;
        Plan plan = Plan::ExamineFirst;
        QString subfolder; // where it came from below a dropped folder
        // Why it is left out before anything is done (a folder that could not be read).
        QString leftOut;
        // What interrupted runs left in the batch's folders; shared by its journeys.
        std::shared_ptr<LeftoverRecovery> recovery;
        // The duration fallback's decode run writes its diagnostics where ours go
        // (the window's); otherwise nowhere.
        bool decodeSpeaks = true;
        Group* group = nullptr; // its group (Plan::InGroup)
        std::optional<TrackCut> track; // a track of an album image (input: the image)
    };
    Journey(Setup setup, JourneyHost* host, std::function<void(Journey*)> onEnd);
    ~Journey() override;

    void start();
    // Ends whatever runs now: the conversion, or the probe or decode run; the file
    // counts as stopped. The end comes by the ordinary road. now: SIGKILL at once,
    // for a program that is ending.
    void stop(bool now = false);

    const QString& input() const { return setup_.input; }
    // How the file is named to a person: its path, or "Album.cue track 3 of 12".
    QString label() const { return setup_.track ? setup_.track->label() : setup_.input; }
    qsizetype index() const { return setup_.index; }
    qint32 totalDuration() const { return totalDuration_; }
    qint64 position() const { return position_; }
    double speed() const { return speed_; }
    const QString& output() const { return output_; }
    // Its conversion runs, and has been said to run.
    bool converting() const { return launched_ && gate_.isOpen() && !ended_; }
    bool ended() const { return ended_; }
    Ending ending() const { return ending_; }
    const FileOutcome& outcome() const { return outcome_; }
    QString endingName() const { return endingName_; }
    // The unfinished output removed at the end, if any.
    const QString& removedOutput() const { return removedOutput_; }
    // It made the Converted folder beside its input (it was not there).
    bool madeConvertedFolder() const { return madeConverted_; }
    const std::shared_ptr<KVShellWrapper>& runner() const { return runner_; }
    const std::shared_ptr<ResultFile>& resultFile() const { return result_; }

    // What its group's run did for it.
    void groupConverted(const GroupProof& proof, const std::shared_ptr<KVShellWrapper>& runner,
                        const QStringList& arguments);
    void groupStopped();
    void groupCannotRun(int status);
    // It converts on its own now, as a file converted at once.
    void runAlone();
    // The standard error chunk last passed on began inside a dumped tag's line.
    bool errorChunkBeganInForeignLine() const { return conversionText_ && conversionText_->pieceBeganInForeignLine(); }

    // The runner's delegate.
    void processAppendOutput(KVShellWrapper* wrapper, const QVariant& chunk) override;
    void processAppendError(KVShellWrapper* wrapper, const QString& chunk) override;
    void processStarted(KVShellWrapper* wrapper) override;
    void processFinishedWithTerminationStatus(KVShellWrapper* wrapper, int status) override;

private:
    // What a journey says to its host, held back while it is closed and then said
    // in its order: the conversion's own dump decides before anything is said.
    class Gate {
    public:
        bool isOpen() const { return open_; }
        void close() { open_ = false; }
        void say(std::function<void()> call);
        // The error view shows the latest chunk only: one is held.
        void sayError(std::function<void()> call);
        void open();
        void forget();

    private:
        bool open_ = true;
        std::vector<std::function<void()>> held_;
        std::function<void()> error_;
    };

    struct Examined;
    void examined(const Examined& report);
    void probe();
    void probed();
    void fallback();
    void reserveOutput();
    void named(const ReservedResult& reserved);
    void launch(const QStringList& arguments);
    void runEncoder(EncoderRun* run, void (Journey::*then)());
    void decoded();
    void temporaryProbed();
    // Convert at once: what the conversion's dump of the input says decides.
    void decide(const InputFacts& facts, bool ended);
    void undecidedRunEnded(int status);
    void conclude(int status);
    void publish(FileOutcome judged, std::optional<qint64> size);
    FileOutcome outcomeOf(Outcome kind, const QString& reason = {}, int resultCode = 0) const;
    // Where its result goes: the name, and the folders to make below the output folder.
    NameParts resultName() const;
    QString foldersBelow() const;
    // A track: where its cut lies in the image, once the image's rate and length are told.
    std::optional<QString> cutTrack(int sampleRate, std::optional<double> imageSeconds);
    // The one place a journey ends: what it reserved goes first, if anything.
    void end(Ending ending, FileOutcome outcome);
    void report();

    Setup setup_;
    JourneyHost* host_;
    std::function<void(Journey*)> onEnd_;
    Gate gate_;
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
    bool decided_ = false; // convert at once: the dump has said what the file is
    enum class Then { Go, NotAudio, TooSlow, Restart } then_ = Then::Go;
    QStringList arguments_;
    std::optional<TrackArgs> trackArgs_;
    double trackSeconds_ = 0;
};

} // namespace engine
