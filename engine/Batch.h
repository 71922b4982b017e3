#pragma once
#include "engine/Journey.h"
#include "engine/Outcome.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace engine {

// How a batch ended, which decides what the window shows at its end.
enum class BatchEnd {
    NoFileLeft,       // no file was left to start: an empty batch, or one at a time after a skipped last file
    LastFinished,     // the last file ended: the completion alert follows
    LastLaunchFailed, // one at a time, the last file's launch raised: no alert
    Abandoned,        // the encoder cannot run: no file more was started, no alert
};

// Why the encoder cannot serve a batch.
struct EncoderTrouble {
    enum Kind { Missing, CannotRun } kind = Missing;
    QString path;        // where it is (CannotRun)
    QString reason;      // why it cannot run (CannotRun)
    QStringList searched; // where it was looked for (Missing)
};

// What the window (or the terminal) does at the batch's events, besides the
// journeys' own steps.
class BatchHost : public JourneyHost {
public:
    // A file has ended (its console lines); the batch moves on afterwards.
    virtual void batchFileEnded(Journey* journey) = 0;
    // Once per batch: the encoder cannot serve it; no further file starts, and the
    // batch ends as abandoned.
    virtual void batchEncoderUnusable(const EncoderTrouble& trouble) = 0;
    // Exactly once per batch.
    virtual void batchEnded(BatchEnd end) = 0;
};

struct BatchSetup {
    QStringList files{};
    QSet<qsizetype> inexact{}; // files whose names text cannot hold
    QStringList subfolders{};  // for each file, where it came from below a dropped folder (may be empty)
    QHash<qsizetype, QString> leftOut{}; // files left out before anything is done, and why
    QHash<qsizetype, TrackCut> tracks{}; // entries that are a track of an album image
    int jobs = 1;            // files at once
    ConversionSettings settings{};
    RunnerFactory makeRunner{}; // none: the default runner
    int skipPauseMs = 1000; // one at a time: after a file that is not audio
    bool decodeSpeaks = true; // the duration fallback's decode run writes where we do
    bool groupShortFiles = true; // several at once, short files share encoder runs
};

// "about 40 s left", "about 3 min left", "about 1 h 20 min left".
QString timeLeftText(qint64 seconds);

// What became of a file so far, for a list of the batch.
enum class FileState { Waiting, Examining, Converting, Done };

// A batch: its files, up to K journeys at once, the counters, what became of each
// file, the batch's share done, and exactly one end. One at a time is K = 1.
class Batch : public QObject {
    Q_OBJECT
public:
    Batch(BatchSetup setup, BatchHost* host);
    ~Batch() override;

    void start();
    // Stops every file in work; each ends by its ordinary road and the batch goes on.
    void stop();
    // Stops every file in work as stop() does, and starts no further file: the
    // batch ends as abandoned once they have ended.
    void halt();
    // The program is ending: every file in work is ended at once (SIGKILL); its
    // unfinished output still goes, and the batch ends without starting another.
    void abort();

    const QStringList& files() const { return setup_.files; }
    // How an entry is named to a person: its path, or "Album.cue track 3 of 12".
    QString label(qsizetype index) const;
    // The encoder this batch runs, found once as it starts.
    const QString& encoder() const { return encoder_; }
    qsizetype size() const { return setup_.files.size(); }
    int jobs() const { return setup_.jobs; }
    const ConversionSettings& settings() const { return setup_.settings; }
    // Files finished; one at a time this is also the index of the file in work.
    quint64 finished() const { return finished_; }
    bool ended() const { return ended_; }
    // The encoder cannot run: no further file starts.
    bool abandoning() const { return abandoning_; }
    // Outcomes in the order the files finished.
    const BatchReport& report() const { return report_; }
    // Journeys not yet ended, in the order they started.
    QList<Journey*> running() const;
    bool anyConverting() const;
    // The whole batch's percentage (files weighted by their durations).
    int percent() const;
    FileState state(qsizetype index) const;
    // The running journey of a file, if any; the outcome of a finished one, if any.
    Journey* journey(qsizetype index) const;
    const std::optional<FileOutcome>& outcome(qsizetype index) const { return outcomes_.at(index); }
    // The whole batch's time left, from the encoder's reported speed and the
    // durations still to convert; none until it can be told (the first seconds).
    std::optional<qint64> secondsLeft() const { return secondsLeft_; }
    static constexpr int kTickMs = 1000;
    static constexpr int kFirstEstimateMs = 3000;

signals:
    // A file's state changed (started, ended).
    void fileChanged(qsizetype index);
    // Once a second while the batch runs: the shares done and the time left are new.
    void progressed();

private:
    // The one way a batch steps: one more file while a slot is free, else its end
    // once nothing runs.
    void advance();
    void queueAdvance();
    Journey* addJourney(qsizetype index, Group* group = nullptr); // made and counted, not started
    // Slots taken: a file on its own, or a group of short ones.
    qsizetype slotsInUse() const;
    qsizetype groupable() const;
    void journeyEnded(Journey* journey);
    void encoderUnusable(const EncoderTrouble& trouble);
    void pauseThenAdvance();
    void finish(BatchEnd end);
    void tick();
    // With a chosen folder, a Converted folder this batch made beside inputs and
    // left empty goes again once no file of the batch needs it.
    void releaseConvertedFolder(const Journey* journey);

    BatchSetup setup_;
    std::shared_ptr<LeftoverRecovery> recovery_ = std::make_shared<LeftoverRecovery>();
    QHash<QString, qsizetype> filesInFolder_; // input folder -> files of the batch not yet ended
    QSet<QString> madeConverted_;            // input folders whose Converted folder the batch made
    BatchHost* host_;
    std::vector<std::unique_ptr<Journey, void (*)(Journey*)>> journeys_; // not yet ended
    QList<FileProgress> progress_;
    QList<std::optional<FileOutcome>> outcomes_;
    BatchReport report_;
    quint64 finished_ = 0;
    qsizetype nextFile_ = 0;
    bool abandoning_ = false;
    bool ended_ = false;
    bool advanceQueued_ = false;
    QString encoder_;
    // Several at once: each file's size (-1: not a regular file; above
    // Group::kSmallFile: compressed audio too large to share a run).
    QList<qint64> sizes_;
    QSet<Group*> groups_;
    int folderWork_ = 0;                 // removals of empty Converted folders under way
    std::optional<BatchEnd> heldEnd_;    // the end, said once they are done
    bool sayingTrouble_ = false; // the encoder's trouble is being said: the end waits
    QHash<Journey*, Group*> groupOf_;
    Ending lastEnding_ = Ending::Finished;
    QTimer* ticker_ = nullptr;
    QElapsedTimer clock_;
    double speed_ = 0;        // smoothed: media seconds per second, per file at once
    double smoothedLeft_ = -1;
    std::optional<qint64> secondsLeft_;
};

} // namespace engine
