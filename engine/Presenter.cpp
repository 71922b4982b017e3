#include "engine/Presenter.h"

#include "engine/Progress.h"

#include <algorithm>

namespace engine {

QString Presenter::removedNote(const FileOutcome& o, const QString& removed)
{
    return (o.outcome == Outcome::Stopped ? tr("Stopped %1: its unfinished output %2 was removed.")
                                          : tr("Not converted %1: its unfinished output %2 was removed."))
        .arg(o.input, removed);
}

std::optional<int> Presenter::filePercent(const Journey& j)
{
    if (j.totalDuration() <= 0)
        return std::nullopt;
    return int(std::clamp<qint64>(j.position() * 100 / j.totalDuration(), 0, 100));
}

Presenter::Row Presenter::row(qsizetype index) const
{
    switch (batch_.state(index)) {
    case FileState::Waiting:
        return {tr("Waiting"), {}};
    case FileState::Examining:
        return {tr("Examining"), {}};
    case FileState::Converting: {
        const Journey* j = batch_.journey(index);
        const auto percent = j ? filePercent(*j) : std::nullopt;
        return {percent ? tr("Converting %1%").arg(*percent) : tr("Converting"),
                j ? j->output() : QString()};
    }
    case FileState::Done:
        break;
    }
    const FileOutcome& o = *batch_.outcome(index);
    switch (o.outcome) {
    case Outcome::Converted:
        return {o.problem.isEmpty() ? tr("Converted")
                                    : tr("Converted with problems: %1").arg(o.problem),
                o.output};
    case Outcome::AlreadyConverted:
        return {tr("Already converted"), o.output};
    case Outcome::Failed:
        return {tr("Failed: %1")
                    .arg(o.reason.isEmpty() ? tr("result code %1").arg(o.resultCode) : o.reason),
                {}};
    case Outcome::Stopped:
        return {tr("Stopped"), {}};
    case Outcome::NotAudio:
        return {tr("Not audio"), {}};
    case Outcome::LeftOut:
    case Outcome::Unreadable:
        return {tr("Left out: %1").arg(o.reason), {}};
    }
    return {};
}

int Presenter::filesLeft() const
{
    const qint64 n = batch_.ended() ? 0 : batch_.size();
    const qint64 done = batch_.ended() ? 0 : qint64(batch_.finished());
    return int(batch_.jobs() == 1 ? n - 1 - done : n - done);
}

QString Presenter::preparingLine() const
{
    return tr("Preparing the File - %n File(s) Left", nullptr, filesLeft());
}

QString Presenter::convertingLine() const
{
    return tr("Converting - %n File(s) Left", nullptr, filesLeft());
}

std::optional<int> Presenter::barPercent(const QString& latestStatus, bool beginsForeign) const
{
    if (batch_.ended())
        return std::nullopt;
    if (batch_.jobs() > 1)
        return batch_.percent();
    const QList<Journey*> running = batch_.running();
    if (running.isEmpty())
        return std::nullopt;
    return progressPercent(latestStatus, running.first()->totalDuration(), beginsForeign);
}

std::optional<int> Presenter::barPercentAtStart() const
{
    if (batch_.jobs() > 1)
        return batch_.percent();
    return std::nullopt;
}

QString Presenter::title() const
{
    QStringList names;
    for (const Journey* j : batch_.running())
        names << lastPathComponent(j->label());
    if (names.isEmpty() || batch_.ended())
        return {};
    QString title = tr("Qelvanto — %1 of %2 — %3")
                        .arg(batch_.finished() + 1)
                        .arg(batch_.size())
                        .arg(names.join(QStringLiteral(", ")));
    if (const auto left = batch_.secondsLeft())
        title += QStringLiteral(" — ") + timeLeftText(*left);
    return title;
}

QStringList Presenter::endNotes(const Journey& journey) const
{
    const FileOutcome& o = journey.outcome();
    QStringList notes;
    switch (journey.ending()) {
    case Ending::Finished:
        if (o.resultCode == 0 && o.outcome == Outcome::Failed)
            notes << tr("Not converted %1: %2.").arg(o.input, o.reason);
        if (!o.problem.isEmpty())
            notes << tr("Converted with problems %1: %2.").arg(o.input, o.problem);
        if (!journey.removedOutput().isEmpty())
            notes << removedNote(o, journey.removedOutput());
        break;
    case Ending::LeftOut:
        notes << tr("Left out %1: %2.").arg(o.input, o.consoleReason.isEmpty() ? o.reason : o.consoleReason);
        break;
    case Ending::Stopped:
        notes << tr("Stopped %1 before its conversion.").arg(o.input);
        break;
    case Ending::AlreadyConverted:
        notes << tr("Already converted %1: %2 is there.").arg(o.input, o.output);
        break;
    case Ending::LaunchFailed:
    case Ending::NoRunner:
    case Ending::NotAudio:
    case Ending::EncoderUnusable:
        break;
    }
    return notes;
}

QStringList Presenter::terminalLines(const Journey& journey, qsizetype endedSoFar) const
{
    if (journey.ending() == Ending::EncoderUnusable)
        return {}; // said once for the batch
    const FileOutcome& o = journey.outcome();
    QStringList lines{QStringLiteral("%1/%2 %3: %4").arg(endedSoFar).arg(batch_.size()).arg(o.input, describe(o))};
    if (!journey.removedOutput().isEmpty())
        lines << removedNote(o, journey.removedOutput());
    return lines;
}

QString Presenter::summary() const
{
    // The terminal has no console to point to: its lines say it all.
    QString text = batch_.report().alertText(batch_.size(), door_ == Door::Window);
    if (door_ == Door::Window)
        return text;
    qsizetype unstarted = 0;
    for (qsizetype i = 0; i < batch_.size(); ++i)
        unstarted += batch_.outcome(i) ? 0 : 1;
    if (unstarted > 0)
        text += QLatin1Char('\n') + tr("%n of %1 files were not started.", nullptr, int(unstarted)).arg(batch_.size());
    return text;
}

std::pair<QString, QString> Presenter::notification() const
{
    const qsizetype converted = batch_.report().count(Outcome::Converted);
    return {tr("Qelvanto: %n of %1 files converted", nullptr, int(converted)).arg(batch_.size()),
            batch_.report().alertText(batch_.size()).section(QStringLiteral("\n\n"), 0, 0)};
}

int Presenter::exitStatus(int signal) const
{
    if (signal)
        return 128 + signal;
    for (qsizetype i = 0; i < batch_.size(); ++i) {
        const auto& o = batch_.outcome(i);
        if (!o || !o->problem.isEmpty()
            || (o->outcome != Outcome::Converted && o->outcome != Outcome::NotAudio
                && o->outcome != Outcome::AlreadyConverted))
            return 1;
    }
    return batch_.abandoning() ? 1 : 0;
}

Presenter::Alert Presenter::encoderAlert(const EncoderTrouble& t)
{
    if (t.kind == EncoderTrouble::Missing)
        return {tr("The encoder is missing"),
                tr("The program \"ffmpeg\" was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and "
                   "build again.")
                    .arg(t.searched.join(tr(" or ")))};
    return {tr("The encoder cannot be run"),
            tr("The program \"%1\" could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build "
               "again.")
                .arg(t.path, t.reason)};
}

QString Presenter::encoderLine(const EncoderTrouble& t)
{
    if (t.kind == EncoderTrouble::Missing)
        return tr("qelvanto: the encoder is missing: \"ffmpeg\" was not found in %1. Reinstall Qelvanto, or install the "
                  "ffmpeg package.")
            .arg(t.searched.join(tr(" or ")));
    return tr("qelvanto: the encoder \"%1\" cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.")
        .arg(t.path, t.reason);
}

QString Presenter::opusNote(const ConversionSettings& s)
{
    return s.format == kOpus ? tr("opus converts at %1 Hz, whatever the sample rate box says").arg(kOpusRate)
                             : QString();
}

QString Presenter::openQuestion(qsizetype n, const ConversionSettings& s)
{
    const int files = int(n);
    const bool lossless = s.format == QLatin1String("flac") || s.format == QLatin1String("wav") || s.format == QLatin1String("aiff");
    const QString how = lossless ? s.format : tr("%1, %2 kbit/s").arg(s.format, s.bitrate);
    // English says the one file its own way; every language gets its plural forms.
    if (s.outputChoice == kOriginalFolder)
        return (files == 1 ? tr("Convert 1 file to %1, into Converted/ beside each file?")
                           : tr("Convert %n files to %1, into Converted/ beside each file?", nullptr, files))
            .arg(how);
    return (files == 1 ? tr("Convert 1 file to %1, into a folder you choose next?")
                       : tr("Convert %n files to %1, into a folder you choose next?", nullptr, files))
        .arg(how);
}

QString Presenter::refusalNote(const ConversionSettings& s)
{
    return refusedCombination(s.format, s.bitrate.toInt(), (s.format == kOpus ? kOpusRate : s.rate).toInt(),
                              s.channelIndex + 1)
        .value_or(QString());
}

} // namespace engine
