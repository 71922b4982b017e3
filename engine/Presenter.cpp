#include "engine/Presenter.h"

#include "engine/Progress.h"

#include <algorithm>

namespace engine {

namespace {
const QString kReinstall = QStringLiteral("Reinstall Qelvanto, or install the ffmpeg package");
} // namespace

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
        return {QStringLiteral("Waiting"), {}};
    case FileState::Examining:
        return {QStringLiteral("Examining"), {}};
    case FileState::Converting: {
        const Journey* j = batch_.journey(index);
        const auto percent = j ? filePercent(*j) : std::nullopt;
        return {percent ? QStringLiteral("Converting %1%").arg(*percent) : QStringLiteral("Converting"),
                j ? j->output() : QString()};
    }
    case FileState::Done:
        break;
    }
    const FileOutcome& o = *batch_.outcome(index);
    switch (o.outcome) {
    case Outcome::Converted:
        return {o.problem.isEmpty() ? QStringLiteral("Converted")
                                    : QStringLiteral("Converted with problems: %1").arg(o.problem),
                o.output};
    case Outcome::AlreadyConverted:
        return {QStringLiteral("Already converted"), o.output};
    case Outcome::Failed:
        return {QStringLiteral("Failed: %1")
                    .arg(o.reason.isEmpty() ? QStringLiteral("result code %1").arg(o.resultCode) : o.reason),
                {}};
    case Outcome::Stopped:
        return {QStringLiteral("Stopped"), {}};
    case Outcome::NotAudio:
        return {QStringLiteral("Not audio"), {}};
    case Outcome::LeftOut:
    case Outcome::Unreadable:
        return {QStringLiteral("Left out: %1").arg(o.reason), {}};
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
    return QStringLiteral("Preparing the File - %1 File(s) Left").arg(filesLeft());
}

QString Presenter::convertingLine() const
{
    return QStringLiteral("Converting - %1 File(s) Left").arg(filesLeft());
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
    QString title = QStringLiteral("Qelvanto — %1 of %2 — %3")
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
            notes << QStringLiteral("Not converted %1: %2.").arg(o.input, o.reason);
        if (!o.problem.isEmpty())
            notes << QStringLiteral("Converted with problems %1: %2.").arg(o.input, o.problem);
        if (!journey.removedOutput().isEmpty())
            notes << QStringLiteral("%1 %2: its unfinished output %3 was removed.")
                         .arg(o.outcome == Outcome::Stopped ? QStringLiteral("Stopped") : QStringLiteral("Not converted"),
                              o.input, journey.removedOutput());
        break;
    case Ending::LeftOut:
        notes << QStringLiteral("Left out %1: %2.").arg(o.input, o.consoleReason.isEmpty() ? o.reason : o.consoleReason);
        break;
    case Ending::Stopped:
        notes << QStringLiteral("Stopped %1 before its conversion.").arg(o.input);
        break;
    case Ending::AlreadyConverted:
        notes << QStringLiteral("Already converted %1: %2 is there.").arg(o.input, o.output);
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
        lines << QStringLiteral("%1 %2: its unfinished output %3 was removed.")
                     .arg(o.outcome == Outcome::Stopped ? QStringLiteral("Stopped") : QStringLiteral("Not converted"),
                          o.input, journey.removedOutput());
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
        text += QStringLiteral("\n%1 of %2 files were not started.").arg(unstarted).arg(batch_.size());
    return text;
}

std::pair<QString, QString> Presenter::notification() const
{
    const qsizetype converted = batch_.report().count(Outcome::Converted);
    return {QStringLiteral("Qelvanto: %1 of %2 files converted").arg(converted).arg(batch_.size()),
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
        return {QStringLiteral("The encoder is missing"),
                QStringLiteral("The program \"ffmpeg\" was not found in %1. %2 and build again.")
                    .arg(t.searched.join(QStringLiteral(" or ")), kReinstall)};
    return {QStringLiteral("The encoder cannot be run"),
            QStringLiteral("The program \"%1\" could not be run: %2. %3 and build again.").arg(t.path, t.reason, kReinstall)};
}

QString Presenter::encoderLine(const EncoderTrouble& t)
{
    if (t.kind == EncoderTrouble::Missing)
        return QStringLiteral("qelvanto: the encoder is missing: \"ffmpeg\" was not found in %1. %2.")
            .arg(t.searched.join(QStringLiteral(" or ")), kReinstall);
    return QStringLiteral("qelvanto: the encoder \"%1\" cannot be run: %2. %3.").arg(t.path, t.reason, kReinstall);
}

QString Presenter::opusNote(const ConversionSettings& s)
{
    return s.format == kOpus ? QStringLiteral("opus converts at %1 Hz, whatever the sample rate box says").arg(kOpusRate)
                             : QString();
}

QString Presenter::openQuestion(qsizetype n, const ConversionSettings& s)
{
    const QString what = n == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(n);
    const QString where = s.outputChoice == kOriginalFolder ? QStringLiteral("into Converted/ beside each file")
                                                            : QStringLiteral("into a folder you choose next");
    const bool lossless = s.format == QLatin1String("flac") || s.format == QLatin1String("wav") || s.format == QLatin1String("aiff");
    const QString how = lossless ? s.format : QStringLiteral("%1, %2 kbit/s").arg(s.format, s.bitrate);
    return QStringLiteral("Convert %1 to %2, %3?").arg(what, how, where);
}

QString Presenter::refusalNote(const ConversionSettings& s)
{
    return refusedCombination(s.format, s.bitrate.toInt(), (s.format == kOpus ? kOpusRate : s.rate).toInt(),
                              s.channelIndex + 1)
        .value_or(QString());
}

} // namespace engine
