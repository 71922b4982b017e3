#include "engine/Group.h"

#include "engine/FileWork.h"
#include "engine/Journey.h"
#include "engine/ProbeText.h"
#include "platform/Log.h"
#include "platform/Task.h"

#include <QRegularExpression>

namespace engine {

namespace {
constexpr qsizetype kMostText = 16 * 1024 * 1024; // more, and nothing is proved
} // namespace

QStringList groupArguments(const QString& encoder, const QList<GroupMember>& members, const ConversionSettings& s)
{
    QStringList args{encoder, QStringLiteral("-v"), QStringLiteral("verbose"), QStringLiteral("-y")};
    for (const GroupMember& m : members)
        args << QStringLiteral("-i") << m.input;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const QString n = QString::number(i);
        // As alone: the input's tags and chapters, its audio, the same options.
        args << QStringLiteral("-map") << n + QStringLiteral(":a:0") << QStringLiteral("-map_metadata") << n
             << QStringLiteral("-map_chapters") << n << QStringLiteral("-id3v2_version") << QStringLiteral("3")
             << QStringLiteral("-ab") << s.bitrate + QStringLiteral("k") << QStringLiteral("-ar") << members[i].outputRate
             << QStringLiteral("-ac") << QString::number(s.channelIndex + 1) << QStringLiteral("-vn")
             << members[i].encoderOutput;
    }
    return args;
}

QList<std::optional<GroupProof>> proveGroup(const QString& text, int status, const QList<GroupMember>& members,
                                            const ConversionSettings& settings)
{
    QList<std::optional<GroupProof>> proofs(members.size());
    if (status != 0)
        return proofs;
    // Trouble no line ties to one file: nothing is proved.
    const QString own = encoderOwnText(text);
    if (own.contains(QStringLiteral("Queue input is backward in time"))
        || own.contains(QStringLiteral("non monotonically increasing dts")) || own.contains(QString::fromUtf16(kNoSpace)))
        return proofs;
    // Each input's dump lies between its header and the next one's.
    QList<qsizetype> starts;
    qsizetype from = 0;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const qsizetype at = inputHeaderStart(text, members[i].input, int(i), from);
        if (at < 0)
            return proofs;
        starts << at;
        from = at + 1;
    }
    const qsizetype outputs = outputHeaderEnd(text, members.first().encoderOutput, from, 0);
    if (outputs < 0)
        return proofs;
    starts << text.lastIndexOf(QLatin1Char('\n'), outputs) + 1;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const GroupMember& m = members[i];
        const InputFacts facts = parseInputDump(text.mid(starts[i], starts[i + 1] - starts[i]), m.input, {}, int(i));
        // Alone it would have got other arguments, or another stream: alone it runs.
        if (!facts.opened || facts.audioStreams != 1 || !(commandExtras(facts, settings.format) == CommandExtras{})
            || !facts.durationText)
            continue;
        if (text.contains(QStringLiteral("Error while decoding stream #%1:").arg(i))
            || outputHeaderEnd(text, m.encoderOutput, 0, int(i)) < 0)
            continue;
        const auto stated = preciseSeconds(*facts.durationText);
        const auto samples = encodedSamples(text, m.encoderOutput, int(i));
        if (!stated || !samples)
            continue;
        const double seconds = double(*samples) / m.outputRate.toDouble();
        // As long as the input said it is: else alone it says what was short.
        if (!troubleText({0, 0, stated, seconds}).isEmpty())
            continue;
        proofs[i] = GroupProof{durationSeconds(*facts.durationText).value_or(0), seconds};
    }
    return proofs;
}

Group::Group(QString encoder, ConversionSettings settings, RunnerFactory makeRunner, QObject* parent)
    : QObject(parent), encoder_(std::move(encoder)), settings_(std::move(settings)), makeRunner_(std::move(makeRunner))
{
}

Group::~Group()
{
    if (runner_) {
        runner_->setDelegate(nullptr);
        runner_->setRawErrorObserver(nullptr);
    }
}

void Group::add(Journey* member)
{
    members_ << member;
}

void Group::ready(Journey* member)
{
    waiting_ << member;
    launchWhenAllIn();
}

void Group::alone(Journey* member)
{
    alone_ << member;
    launchWhenAllIn();
}

void Group::ended(Journey* member)
{
    ended_.insert(member);
    aloneNow_.removeOne(member);
    if (!launched_)
        return launchWhenAllIn();
    nextAlone();
}

void Group::stop(bool now)
{
    if (std::exchange(stopped_, true) && !now)
        return;
    // Nothing of the run is kept: no need to let it end cleanly.
    if (runner_)
        runner_->killProcess();
    if (!launched_)
        return launchWhenAllIn();
    // Those waiting for their turn alone end now, unless a run or a member's own
    // ending is under way: its end comes here.
    nextAlone();
}

// Once every member is examined: the run, or at once the members alone.
void Group::launchWhenAllIn()
{
    if (launched_)
        return;
    for (Journey* m : std::as_const(members_))
        if (!waiting_.contains(m) && !alone_.contains(m) && !ended_.contains(m))
            return;
    launched_ = true;
    if (stopped_ || waiting_.size() < 2) {
        alone_ = waiting_ + alone_;
        waiting_.clear();
        return nextAlone();
    }
    launch();
}

void Group::launch()
{
    inRun_ = std::exchange(waiting_, {});
    QList<std::shared_ptr<ResultFile>> files;
    for (Journey* m : std::as_const(inRun_))
        files << m->resultFile();
    // Each output is its own unfinished file, the encoder's descriptor 3, 4, ...
    offThread(
        this,
        [files] {
            QStringList paths;
            for (qsizetype i = 0; i < files.size(); ++i)
                paths << files[i]->relink(platform::Task::kPassedDescriptor + int(i));
            return paths;
        },
        [this, files](const QStringList& paths) {
            QList<int> fds;
            for (qsizetype i = 0; i < inRun_.size(); ++i) {
                inRunFacts_ << GroupMember{inRun_[i]->input(), paths[i],
                                           settings_.format == kOpus ? kOpusRate : settings_.rate};
                fds << files[i]->descriptor();
            }
            const QStringList args = groupArguments(encoder_, inRunFacts_, settings_);
            qCDebug(lcEngine).noquote() << "Group of" << inRun_.size() << ":" << args.join(QLatin1Char(' '));
            runner_ = makeRunner_(args);
            if (!runner_ || stopped_)
                return processFinishedWithTerminationStatus(nullptr, -1);
            runner_->setDelegate(this);
            runner_->setChildMemoryLimit(platform::defaultChildMemoryLimit());
            runner_->setPassedDescriptors(fds);
            runner_->setRawErrorObserver([this](const QByteArray& bytes) {
                if (text_.size() + bytes.size() <= kMostText)
                    text_ += bytes;
                else
                    text_ = "(more than a run of this size writes)";
            });
            try {
                runner_->startProcess();
            } catch (const std::exception& e) {
                qCDebug(lcEngine).noquote() << "Group not launched:" << exceptionReason(e);
                runner_->setDelegate(nullptr);
                processFinishedWithTerminationStatus(nullptr, -1);
            }
        });
}

void Group::processFinishedWithTerminationStatus(KVShellWrapper*, int status)
{
    const QList<std::optional<GroupProof>> proofs =
        stopped_ ? QList<std::optional<GroupProof>>(inRun_.size())
                 : proveGroup(decodeProbeBytes(text_), status, inRunFacts_, settings_);
    text_.clear();
    const QStringList args = runner_ ? groupArguments(encoder_, inRunFacts_, settings_) : QStringList();
    const QList<Journey*> run = std::exchange(inRun_, {});
    // The encoder could not even start: alone, it would not either.
    const bool cannotRun = !stopped_ && (status == 126 || status == 127);
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (stopped_)
            run[i]->groupStopped();
        else if (cannotRun)
            run[i]->groupCannotRun(status);
        else if (proofs[i])
            run[i]->groupConverted(*proofs[i], runner_, args);
        else
            alone_ << run[i]; // never guessed at
    }
    nextAlone();
}

qsizetype Group::slotsHeld() const
{
    return std::max<qsizetype>(1, aloneNow_.size() + (inRun_.isEmpty() ? 0 : 1));
}

void Group::nextAlone()
{
    if (done_ || !launched_)
        return;
    while (!alone_.isEmpty()) {
        Journey* next = alone_.first();
        if (ended_.contains(next)) {
            alone_.removeFirst();
            continue;
        }
        if (stopped_) {
            alone_.removeFirst();
            next->groupStopped();
            continue;
        }
        // In the group's own slot, or in one the batch has free: a file that must
        // run alone does not wait for the others' turns.
        const bool ownSlot = aloneNow_.isEmpty() && inRun_.isEmpty();
        if (!ownSlot && !(slotFree_ && slotFree_()))
            return;
        alone_.removeFirst();
        aloneNow_ << next;
        next->runAlone();
        if (done_) // its end, said at once, finished the group
            return;
    }
    if (!done_ && ended_.size() == members_.size()) {
        done_ = true;
        emit finished();
    }
}

} // namespace engine
