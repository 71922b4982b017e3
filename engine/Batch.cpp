#include "engine/Batch.h"

#include "engine/FileWork.h"
#include "engine/Group.h"
#include "platform/Log.h"
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopedValueRollback>


namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Batch)
};
} // namespace

namespace {
// A journey goes once nothing of it is on the stack any more.
void dropLater(Journey* journey)
{
    journey->deleteLater();
}
} // namespace

Batch::Batch(BatchSetup setup, BatchHost* host)
    : setup_(std::move(setup)), host_(host), progress_(setup_.files.size()), outcomes_(setup_.files.size())
{
    setup_.jobs = std::max(1, setup_.jobs);
    if (setup_.settings.outputChoice != kOriginalFolder)
        for (const QString& file : std::as_const(setup_.files))
            ++filesInFolder_[deletingLastPathComponent(file)];
}

Batch::~Batch() = default;

QString timeLeftText(qint64 seconds)
{
    if (seconds < 60) {
        // Under a minute in steps of 5 s, never "0 s".
        return Words::tr("about %1 s left").arg(std::max<qint64>(5, (seconds + 4) / 5 * 5));
    }
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return Words::tr("about %1 min left").arg(minutes);
    return minutes % 60 ? Words::tr("about %1 h %2 min left").arg(minutes / 60).arg(minutes % 60)
                        : Words::tr("about %1 h left").arg(minutes / 60);
}

void Batch::start()
{
    clock_.start();
    ticker_ = new QTimer(this);
    ticker_->setInterval(kTickMs);
    connect(ticker_, &QTimer::timeout, this, &Batch::tick);
    ticker_->start();
    qCDebug(lcEngine, "fileCounter: %llu", static_cast<unsigned long long>(size()));
    if (!setup_.makeRunner)
        setup_.makeRunner = defaultRunnerFactory();
    // Where the encoder is, and whether it can run, is asked once for the batch.
    if (size() > 0) {
        encoder_ = platform::pathForResource(QStringLiteral("ffmpeg"));
        if (encoder_.isEmpty())
            return encoderUnusable({EncoderTrouble::Missing, {}, {}, platform::resourceSearchDirs()});
        if (!QFileInfo(encoder_).isExecutable())
            return encoderUnusable({EncoderTrouble::CannotRun, encoder_, Words::tr("it is not executable"), {}});
    }
    // Several at once, short files may share a run: their sizes are looked up
    // first, off the window's thread.
    if (setup_.jobs > 1 && size() > 1 && setup_.groupShortFiles) {
        offThread(
            this,
            [files = setup_.files] {
                QList<qint64> sizes;
                sizes.reserve(files.size());
                for (const QString& f : files) {
                    qint64 size = platform::inspectSize(f);
                    // Few bytes of compressed audio may be many seconds: it shares a run
                    // only when smaller still.
                    if (size > Group::kSmallCompressed && size <= Group::kSmallFile
                        && !holdsPlainSamples(platform::inspectInput(f, 12).head))
                        size = Group::kSmallFile + 1;
                    sizes << size;
                }
                return sizes;
            },
            [this](const QList<qint64>& sizes) {
                sizes_ = sizes;
                advance();
            });
        return;
    }
    advance();
}

qsizetype Batch::slotsInUse() const
{
    qsizetype used = 0;
    for (const auto& j : journeys_)
        used += groupOf_.contains(j.get()) ? 0 : 1;
    for (const Group* g : groups_)
        used += g->slotsHeld();
    return used;
}

// The files from nextFile_ on that can share a run: short ones. What is no regular
// file comes along: it is left out as it is examined, before any run.
qsizetype Batch::groupable() const
{
    // A run works on one core: what is left is shared among the free slots.
    const qsizetype free = std::max<qsizetype>(1, setup_.jobs - slotsInUse());
    const qsizetype most = std::min<qsizetype>(Group::kMostMembers, (size() - nextFile_ + free - 1) / free);
    qsizetype n = 0;
    qint64 bytes = 0;
    for (qsizetype i = nextFile_; i < size() && n < most; ++i, ++n) {
        const qint64 size = i < sizes_.size() ? sizes_[i] : 0;
        if (size == 0 || size > Group::kSmallFile || bytes + size > Group::kMostBytes || setup_.tracks.contains(i))
            break;
        bytes += std::max<qint64>(0, size);
    }
    return n;
}

void Batch::stop()
{
    for (Journey* j : running())
        j->stop();
}

void Batch::halt()
{
    abandoning_ = true;
    stop();
    if (journeys_.empty())
        finish(BatchEnd::Abandoned);
}

void Batch::abort()
{
    abandoning_ = true;
    for (Journey* j : running())
        j->stop(true);
    if (journeys_.empty())
        finish(BatchEnd::Abandoned);
}

QString Batch::label(qsizetype index) const
{
    const auto track = setup_.tracks.constFind(index);
    return track == setup_.tracks.cend() ? setup_.files.at(index) : track->label();
}

QList<Journey*> Batch::running() const
{
    QList<Journey*> list;
    for (const auto& j : journeys_)
        list << j.get();
    return list;
}

bool Batch::anyConverting() const
{
    return std::any_of(journeys_.cbegin(), journeys_.cend(), [](const auto& j) { return j->converting(); });
}

Journey* Batch::journey(qsizetype index) const
{
    for (const auto& j : journeys_)
        if (j->index() == index)
            return j.get();
    return nullptr;
}

FileState Batch::state(qsizetype index) const
{
    if (outcomes_.at(index))
        return FileState::Done;
    if (const Journey* j = journey(index))
        return j->converting() ? FileState::Converting : FileState::Examining;
    return FileState::Waiting;
}

int Batch::percent() const
{
    QList<FileProgress> files = progress_;
    for (const auto& j : journeys_) {
        files[j->index()].duration = j->totalDuration() > 0 ? j->totalDuration() : -1;
        files[j->index()].position = j->position();
    }
    return batchPercent(files);
}

// Never more than one file per pass of the event loop, so a folder of files that
// all end at once keeps the window free.
void Batch::advance()
{
    advanceQueued_ = false;
    if (ended_)
        return;
    if (abandoning_) {
        if (journeys_.empty())
            finish(BatchEnd::Abandoned);
        return;
    }
    // A free slot goes first to a member of a group that waits to run alone.
    for (Group* g : QList<Group*>(groups_.cbegin(), groups_.cend()))
        if (slotsInUse() < setup_.jobs)
            g->nextAlone();
    if (slotsInUse() < setup_.jobs && nextFile_ < size()) {
        if (const qsizetype n = groupable(); n >= 2) {
            auto* group = new Group(encoder_, setup_.settings, setup_.makeRunner, this);
            group->setSlotFree([this] { return slotsInUse() < setup_.jobs; });
            groups_.insert(group);
            connect(group, &Group::finished, this, [this, group] {
                groups_.remove(group);
                group->deleteLater();
                queueAdvance();
            });
            // Every member is in before any starts: one that ends at once (left out
            // before the batch began) must not find the group complete without the rest.
            QList<Journey*> members;
            for (qsizetype i = 0; i < n; ++i)
                members << addJourney(nextFile_++, group);
            for (Journey* m : members)
                m->start();
        } else {
            addJourney(nextFile_++)->start();
        }
        if (slotsInUse() < setup_.jobs && nextFile_ < size())
            queueAdvance();
        return;
    }
    if (!journeys_.empty())
        return;
    // One at a time, the Parts' three ends; several at once, the alert always.
    if (setup_.jobs > 1)
        return finish(BatchEnd::LastFinished);
    finish(size() == 0 || lastEnding_ == Ending::NotAudio ? BatchEnd::NoFileLeft
           : lastEnding_ == Ending::LaunchFailed          ? BatchEnd::LastLaunchFailed
                                                          : BatchEnd::LastFinished);
}

void Batch::queueAdvance()
{
    if (std::exchange(advanceQueued_, true))
        return;
    // A posted call, not a timer: it comes before the window's repaint, which waits
    // for everything else.
    QMetaObject::invokeMethod(this, &Batch::advance, Qt::QueuedConnection);
}

Journey* Batch::addJourney(qsizetype index, Group* group)
{
    const QString& input = setup_.files.at(index);
    qCDebug(lcEngine).noquote() << "1Files:" << input;
    qCDebug(lcEngine).noquote() << "Orign:" << deletingLastPathComponent(input);
    // Several at once, a file costs one start of the encoder, not a probe and a conversion.
    Journey::Setup js{.input = input,
                      .index = index,
                      .exactName = !setup_.inexact.contains(index),
                      .encoder = encoder_,
                      .settings = setup_.settings,
                      .makeRunner = setup_.makeRunner,
                      // A track's cut needs its image's rate before it runs.
                      .plan = group                                           ? Journey::Plan::InGroup
                              : setup_.jobs == 1 || setup_.tracks.contains(index) ? Journey::Plan::ExamineFirst
                                                                                  : Journey::Plan::ConvertAtOnce,
                      .subfolder = index < setup_.subfolders.size() ? setup_.subfolders.at(index) : QString(),
                      .leftOut = setup_.leftOut.value(index),
                      .recovery = recovery_,
                      .decodeSpeaks = setup_.decodeSpeaks,
                      .group = group,
                      .track = setup_.tracks.contains(index) ? std::optional<TrackCut>(setup_.tracks.value(index))
                                                             : std::nullopt};
    journeys_.emplace_back(new Journey(std::move(js), host_, [this](Journey* j) { journeyEnded(j); }), dropLater);
    Journey* journey = journeys_.back().get();
    if (group) {
        group->add(journey);
        groupOf_.insert(journey, group);
    }
    emit fileChanged(index);
    return journey;
}

void Batch::encoderUnusable(const EncoderTrouble& trouble)
{
    // Said once; what else runs has no use any more, and nothing new starts,
    // also while the host says so (an alert runs its own event loop).
    const bool first = !abandoning_;
    abandoning_ = true;
    if (!first)
        return;
    // What stops at once does not end the batch before the trouble is said.
    {
        const QScopedValueRollback hold(sayingTrouble_, true);
        stop();
    }
    host_->batchEncoderUnusable(trouble);
    if (journeys_.empty())
        finish(BatchEnd::Abandoned);
}

void Batch::journeyEnded(Journey* journey)
{
    const qsizetype index = journey->index();
    const Ending ending = journey->ending();
    if (ending != Ending::EncoderUnusable)
        report_.add(journey->outcome());
    outcomes_[index] = journey->outcome();
    progress_[index].duration = journey->totalDuration() > 0 ? journey->totalDuration() : -1;
    progress_[index].finished = true;
    releaseConvertedFolder(journey);
    const auto it =
        std::find_if(journeys_.begin(), journeys_.end(), [&](const auto& j) { return j.get() == journey; });
    std::unique_ptr<Journey, void (*)(Journey*)> ended = std::move(*it);
    journeys_.erase(it);
    Group* group = groupOf_.take(journey);
    lastEnding_ = ending;
    ++finished_;
    host_->batchFileEnded(journey);
    emit fileChanged(index);
    if (ending == Ending::EncoderUnusable)
        encoderUnusable({EncoderTrouble::CannotRun, encoder_, journey->outcome().reason, {}});
    // A member's end may start its group's next file, or, once stopped, end the
    // members that wait behind it: the group hears of it also when all is given up.
    // The slot frees once all are done.
    if (group)
        group->ended(journey);
    if (abandoning_) {
        if (journeys_.empty() && !sayingTrouble_)
            finish(BatchEnd::Abandoned);
        return;
    }
    // Its slot, if the group does not take it again, is the batch's.
    if (group)
        return queueAdvance();
    // One at a time, a file that is not audio is followed by a pause of its own.
    if (setup_.jobs == 1 && ending == Ending::NotAudio && nextFile_ < size())
        return pauseThenAdvance();
    queueAdvance();
}

void Batch::pauseThenAdvance()
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QElapsedTimer since;
    since.start();
    // Never shorter than the pause, whatever the timer's own rounding.
    connect(timer, &QTimer::timeout, this, [this, timer, since] {
        if (const qint64 left = setup_.skipPauseMs - since.elapsed(); left > 0) {
            timer->start(int(left));
            return;
        }
        timer->deleteLater();
        advance();
    });
    timer->start(setup_.skipPauseMs);
}

void Batch::releaseConvertedFolder(const Journey* journey)
{
    if (filesInFolder_.isEmpty())
        return;
    const QString folder = deletingLastPathComponent(journey->input());
    if (journey->madeConvertedFolder())
        madeConverted_.insert(folder);
    if (--filesInFolder_[folder] > 0 || !madeConverted_.remove(folder))
        return;
    // Only an empty folder goes: a result or a file of the person's keeps it. The
    // batch ends after it: the terminal door exits at the end.
    ++folderWork_;
    offThread(
        this,
        [path = withoutTrailingSlashes(convertedFolder(journey->input()))] {
            platform::removeEmptyFolder(path);
            return true;
        },
        [this](bool) {
            if (--folderWork_ == 0 && heldEnd_)
                finish(*std::exchange(heldEnd_, std::nullopt));
        });
}

void Batch::tick()
{
    if (ended_)
        return;
    // The speed of one file at once, as the encoders report it.
    double speeds = 0;
    int converting = 0;
    for (const auto& j : journeys_)
        if (j->converting() && j->speed() > 0) {
            speeds += j->speed();
            ++converting;
        }
    if (converting > 0)
        speed_ = speed_ > 0 ? 0.6 * speed_ + 0.4 * speeds / converting : speeds / converting;
    // What is still to convert; a file of unknown duration weighs the mean of the known ones.
    double known = 0;
    int knownCount = 0;
    const auto durationOf = [&](qsizetype i) -> double {
        if (const Journey* j = journey(i); j && j->totalDuration() > 0)
            return j->totalDuration();
        return progress_[i].duration > 0 ? double(progress_[i].duration) : -1;
    };
    for (qsizetype i = 0; i < size(); ++i)
        if (const double d = durationOf(i); d > 0) {
            known += d;
            ++knownCount;
        }
    qint64 unfinished = 0;
    double left = 0;
    for (qsizetype i = 0; i < size(); ++i) {
        if (outcomes_[i])
            continue;
        ++unfinished;
        const double d = durationOf(i);
        const Journey* j = journey(i);
        left += d > 0 ? std::max(0.0, d - double(j ? j->position() : 0)) : (knownCount ? known / knownCount : 0);
    }
    if (knownCount == 0 || speed_ <= 0 || clock_.elapsed() < kFirstEstimateMs) {
        secondsLeft_.reset();
    } else {
        const double estimate = left / (speed_ * double(std::min<qint64>(setup_.jobs, std::max<qint64>(1, unfinished))));
        // Smoothed, so that it does not jump with every reading of the speed.
        smoothedLeft_ = smoothedLeft_ < 0 ? estimate : 0.7 * (smoothedLeft_ - kTickMs / 1000.0) + 0.3 * estimate;
        secondsLeft_ = qint64(std::max(0.0, smoothedLeft_) + 0.5);
    }
    emit progressed();
}

void Batch::finish(BatchEnd end)
{
    if (ended_)
        return;
    if (folderWork_ > 0) {
        if (!heldEnd_)
            heldEnd_ = end;
        return;
    }
    ended_ = true;
    if (ticker_)
        ticker_->stop();
    secondsLeft_.reset();
    host_->batchEnded(end);
}

} // namespace engine
