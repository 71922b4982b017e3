#include "engine/Batch.h"

#include "platform/Log.h"

#include <QElapsedTimer>
#include <QTimer>

namespace engine {

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
}

Batch::~Batch() = default;

void Batch::start()
{
    qCDebug(lcEngine, "fileCounter: %llu", static_cast<unsigned long long>(size()));
    if (setup_.jobs == 1 || size() == 0)
        next();
    else
        fill();
}

void Batch::stop()
{
    for (Journey* j : running())
        j->stop();
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
    for (const auto& j : journeys_)
        files[j->index()].position = j->position();
    return batchPercent(files);
}

// One at a time: the file at the index of the files finished, or the end.
void Batch::next()
{
    if (ended_)
        return;
    if (finished_ >= quint64(size()))
        return finish(BatchEnd::NoFileLeft);
    startJourney(qsizetype(finished_));
}

// Several at once: one more file while a slot is free; never more than one file
// per pass of the event loop, so a folder of files that all end at once keeps the
// window free.
void Batch::fill()
{
    fillQueued_ = false;
    if (ended_)
        return;
    if (abandoning_) {
        if (journeys_.empty())
            finish(BatchEnd::Abandoned);
        return;
    }
    if (qsizetype(journeys_.size()) < setup_.jobs && nextFile_ < size()) {
        startJourney(nextFile_++);
        if (qsizetype(journeys_.size()) < setup_.jobs && nextFile_ < size())
            queue(&Batch::fill);
        return;
    }
    if (journeys_.empty() && finished_ >= quint64(size()))
        finish(BatchEnd::LastFinished);
}

void Batch::queue(void (Batch::*step)())
{
    if (step == &Batch::fill) {
        if (fillQueued_)
            return;
        fillQueued_ = true;
    }
    QTimer::singleShot(0, this, step);
}

void Batch::startJourney(qsizetype index)
{
    const QString& input = setup_.files.at(index);
    const std::optional<QString> encoder = host_->batchFileStarting(index, input);
    if (!encoder) {
        abandoning_ = true;
        if (journeys_.empty())
            finish(BatchEnd::Abandoned);
        return;
    }
    Journey::Setup js{input, index, !setup_.inexact.contains(index), *encoder, setup_.settings, setup_.makeRunner};
    journeys_.emplace_back(new Journey(std::move(js), host_, [this](Journey* j) { journeyEnded(j); }), dropLater);
    Journey* journey = journeys_.back().get();
    emit fileChanged(index);
    journey->start();
}

void Batch::journeyEnded(Journey* journey)
{
    const qsizetype index = journey->index();
    if (journey->ending() != Ending::EncoderUnusable)
        report_.add(journey->outcome());
    outcomes_[index] = journey->outcome();
    progress_[index].duration = journey->totalDuration() > 0 ? journey->totalDuration() : -1;
    progress_[index].finished = true;
    const auto it =
        std::find_if(journeys_.begin(), journeys_.end(), [&](const auto& j) { return j.get() == journey; });
    std::unique_ptr<Journey, void (*)(Journey*)> ended = std::move(*it);
    journeys_.erase(it);
    host_->batchFileEnded(journey);
    emit fileChanged(index);
    const Ending ending = journey->ending();
    if (ending == Ending::EncoderUnusable) {
        // What else runs has no use any more.
        if (!abandoning_)
            stop();
        abandoning_ = true;
        if (setup_.jobs > 1)
            ++finished_;
        if (journeys_.empty())
            finish(BatchEnd::Abandoned);
        return;
    }
    ++finished_;
    if (setup_.jobs > 1)
        return queue(&Batch::fill);
    if (finished_ < quint64(size()))
        return ending == Ending::NotAudio ? skipPause() : queue(&Batch::next);
    finish(ending == Ending::NotAudio       ? BatchEnd::NoFileLeft
           : ending == Ending::LaunchFailed ? BatchEnd::LastLaunchFailed
                                            : BatchEnd::LastFinished);
}

// One at a time, a file that is not audio is followed by a pause of its own.
void Batch::skipPause()
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
        next();
    });
    timer->start(setup_.skipPauseMs);
}

void Batch::finish(BatchEnd end)
{
    if (ended_)
        return;
    ended_ = true;
    host_->batchEnded(end);
}

} // namespace engine
