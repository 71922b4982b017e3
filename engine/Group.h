#pragma once
#include "engine/CommandLine.h"
#include "engine/Decisions.h"
#include "engine/EncoderRuns.h"
#include "runner/KVShellWrapper.h"
#include "runner/KVShellWrapperDelegate.h"

#include <QList>
#include <QSet>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace engine {

class Journey;

// What one run of several short files proved of one of them: converted as it
// would have been alone (its input read whole, its output as long as the
// input said), with its length; none when the file must be run again alone.
struct GroupProof {
    qint32 totalDuration = 0;
    double seconds = 0; // what was encoded into its output
};

// The facts of a run of several inputs and outputs, read from what the encoder
// wrote: for each member, the proof that it converted, or none.
struct GroupMember {
    QString input;
    QString encoderOutput; // the link to its descriptor: a name made for this run
    QString outputRate;    // Hz, as the command says it
};
QList<std::optional<GroupProof>> proveGroup(const QString& text, int status, const QList<GroupMember>& members,
                                            const ConversionSettings& settings);

// The arguments of one run for several files: each input once, each output with
// exactly the options it would get alone, mapped to its own input; the encoder
// says what it did with each at the end (verbose).
QStringList groupArguments(const QString& encoder, const QList<GroupMember>& members, const ConversionSettings& s);

// Short files converted in one encoder run, one input and one output each, in one
// of the batch's slots. Its members are journeys: each examines its file and
// reserves its result, then waits here. A file the run did not prove converted,
// and one that could not join, is run again alone, one after another, exactly as
// a file on its own would be: a bad file costs the others nothing but time.
class Group : public QObject, public KVShellWrapperDelegate {
    Q_OBJECT
public:
    Group(QString encoder, ConversionSettings settings, RunnerFactory makeRunner, QObject* parent = nullptr);
    ~Group() override;

    void add(Journey* member);
    const QList<Journey*>& members() const { return members_; }
    // A member is examined and reserved, and waits for the run.
    void ready(Journey* member);
    // A member cannot join the run: it is run alone in its turn.
    void alone(Journey* member);
    // A member has ended (for any reason).
    void ended(Journey* member);
    // Stop: the run ends, and what waits ends as stopped.
    void stop(bool now);
    // The batch's slots it holds: one for its run (and while its members are
    // examined), one for each member running alone.
    qsizetype slotsHeld() const;
    // A slot of the batch is free: a member waiting to run alone takes it. The
    // group's own slot always serves one.
    void nextAlone();
    // Whether the batch has a slot free for one more member alone.
    void setSlotFree(std::function<bool()> slotFree) { slotFree_ = std::move(slotFree); }
    bool stopped() const { return stopped_; }
    const std::shared_ptr<KVShellWrapper>& runner() const { return runner_; }

    static constexpr int kMostMembers = 20;
    static constexpr qint64 kMostBytes = 16 * 1024 * 1024;
    // A file this small holds a few seconds of audio at most (4 s of CD audio as WAV).
    static constexpr qint64 kSmallFile = 768 * 1024;
    // Compressed, 4 s at 256 kbit/s: larger, a run of such files would hold a single
    // slot for long while the others idle.
    static constexpr qint64 kSmallCompressed = 128 * 1024;

signals:
    // Every member has ended: the slot is free.
    void finished();

private:
    void processAppendOutput(KVShellWrapper*, const QVariant&) override {}
    void processAppendError(KVShellWrapper*, const QString&) override {}
    void processStarted(KVShellWrapper*) override {}
    void processFinishedWithTerminationStatus(KVShellWrapper*, int status) override;
    void launchWhenAllIn();
    void launch();

    QString encoder_;
    ConversionSettings settings_;
    RunnerFactory makeRunner_;
    QList<Journey*> members_;
    QList<Journey*> waiting_;  // ready for the run
    QList<Journey*> alone_;    // to be run alone, in order
    QList<Journey*> inRun_;    // in the run going on
    QList<GroupMember> inRunFacts_;
    QSet<Journey*> ended_;
    QList<Journey*> aloneNow_; // running alone
    std::function<bool()> slotFree_;
    std::shared_ptr<KVShellWrapper> runner_;
    QByteArray text_;
    bool launched_ = false;
    bool stopped_ = false;
    bool done_ = false;
};

} // namespace engine
