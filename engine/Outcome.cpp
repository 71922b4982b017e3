#include "engine/Outcome.h"

#include <QStringList>

#include <algorithm>

namespace engine {

qsizetype BatchReport::count(Outcome outcome) const
{
    return std::count_if(outcomes_.cbegin(), outcomes_.cend(),
                         [outcome](const FileOutcome& o) { return o.outcome == outcome; });
}

qsizetype BatchReport::troubled() const
{
    return std::count_if(outcomes_.cbegin(), outcomes_.cend(), [](const FileOutcome& o) {
        return o.outcome == Outcome::Converted && !o.problem.isEmpty();
    });
}

QString describe(const FileOutcome& o)
{
    switch (o.outcome) {
    case Outcome::Converted:
        if (!o.problem.isEmpty())
            return QStringLiteral("converted with problems to %1: %2").arg(o.output, o.problem);
        return QStringLiteral("converted to %1").arg(o.output);
    case Outcome::AlreadyConverted:
        return QStringLiteral("already converted as %1, left as it is").arg(o.output);
    case Outcome::Failed:
        if (o.resultCode == 0 || o.resultCode == -1)
            return QStringLiteral("failed: %1").arg(o.reason);
        return o.reason.isEmpty() ? QStringLiteral("failed with result code %1").arg(o.resultCode)
                                  : QStringLiteral("failed with result code %1: %2").arg(o.resultCode).arg(o.reason);
    case Outcome::Stopped:
        return QStringLiteral("stopped");
    case Outcome::NotAudio:
        return QStringLiteral("not audio, skipped");
    case Outcome::LeftOut:
        return QStringLiteral("left out: %1").arg(o.reason);
    case Outcome::Unreadable:
        return QStringLiteral("could not be read: %1").arg(o.reason);
    }
    return {};
}

QString BatchReport::alertText(qsizetype batchSize, bool consoleRef) const
{
    const QString details = consoleRef ? QStringLiteral("; the console has the details.") : QStringLiteral(".");
    QString text = QStringLiteral("Conversion Completed.");
    const qsizetype failed = count(Outcome::Failed) + count(Outcome::LeftOut) + count(Outcome::Unreadable);
    if (failed > 0)
        text += QStringLiteral("\n%1 of %2 files failed%3").arg(failed).arg(batchSize).arg(details);
    if (const qsizetype stopped = count(Outcome::Stopped))
        text += QStringLiteral("\n%1 of %2 files were stopped.").arg(stopped).arg(batchSize);
    if (const qsizetype skipped = count(Outcome::NotAudio))
        text += skipped == 1 ? QStringLiteral("\n1 file was not audio and was skipped.")
                             : QStringLiteral("\n%1 files were not audio and were skipped.").arg(skipped);
    if (const qsizetype troubled = this->troubled())
        text += troubled == 1 ? QStringLiteral("\n1 file was converted with problems%1").arg(details)
                              : QStringLiteral("\n%1 files were converted with problems%2").arg(troubled).arg(details);
    if (const qsizetype there = count(Outcome::AlreadyConverted))
        text += there == 1 ? QStringLiteral("\n1 file was already converted and was left as it is.")
                           : QStringLiteral("\n%1 files were already converted and were left as they are.").arg(there);
    QStringList listed;
    qsizetype more = 0;
    for (const FileOutcome& o : outcomes_) {
        if ((o.outcome == Outcome::Converted && o.problem.isEmpty()) || o.outcome == Outcome::NotAudio
            || o.outcome == Outcome::AlreadyConverted)
            continue;
        if (listed.size() < kListedFiles)
            listed << o.input + QStringLiteral(": ") + describe(o);
        else
            ++more;
    }
    if (!listed.isEmpty())
        text += QStringLiteral("\n\n") + listed.join(QLatin1Char('\n'));
    if (more > 0)
        text += QStringLiteral("\nand %1 more").arg(more);
    return text;
}

} // namespace engine
