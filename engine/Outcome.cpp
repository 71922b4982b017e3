#include "engine/Outcome.h"

#include <QStringList>

#include <algorithm>

namespace engine {

qsizetype BatchReport::count(Outcome outcome) const
{
    return std::count_if(outcomes_.cbegin(), outcomes_.cend(),
                         [outcome](const FileOutcome& o) { return o.outcome == outcome; });
}

QString describe(const FileOutcome& o)
{
    switch (o.outcome) {
    case Outcome::Converted:
        return QStringLiteral("converted to %1").arg(o.output);
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

QString BatchReport::alertText(qsizetype batchSize) const
{
    QString text = QStringLiteral("Conversion Completed.");
    const qsizetype failed = count(Outcome::Failed) + count(Outcome::LeftOut) + count(Outcome::Unreadable);
    if (failed > 0)
        text += QStringLiteral("\n%1 of %2 files failed; the console has the details.").arg(failed).arg(batchSize);
    if (const qsizetype stopped = count(Outcome::Stopped))
        text += QStringLiteral("\n%1 of %2 files were stopped.").arg(stopped).arg(batchSize);
    if (const qsizetype skipped = count(Outcome::NotAudio))
        text += skipped == 1 ? QStringLiteral("\n1 file was not audio and was skipped.")
                             : QStringLiteral("\n%1 files were not audio and were skipped.").arg(skipped);
    QStringList listed;
    qsizetype more = 0;
    for (const FileOutcome& o : outcomes_) {
        if (o.outcome == Outcome::Converted || o.outcome == Outcome::NotAudio)
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
