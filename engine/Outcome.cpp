#include "engine/Outcome.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Outcome)
};
} // namespace

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
            return Words::tr("converted with problems to %1: %2").arg(o.output, o.problem);
        return Words::tr("converted to %1").arg(o.output);
    case Outcome::AlreadyConverted:
        return Words::tr("already converted as %1, left as it is").arg(o.output);
    case Outcome::Failed:
        if (o.resultCode == 0 || o.resultCode == -1)
            return Words::tr("failed: %1").arg(o.reason);
        return o.reason.isEmpty() ? Words::tr("failed with result code %1").arg(o.resultCode)
                                  : Words::tr("failed with result code %1: %2").arg(o.resultCode).arg(o.reason);
    case Outcome::Stopped:
        return Words::tr("stopped");
    case Outcome::NotAudio:
        return Words::tr("not audio, skipped");
    case Outcome::LeftOut:
        return Words::tr("left out: %1").arg(o.reason);
    case Outcome::Unreadable:
        return Words::tr("could not be read: %1").arg(o.reason);
    }
    return {};
}

QString BatchReport::alertText(qsizetype batchSize, bool consoleRef) const
{
    const int total = int(batchSize);
    QString text = Words::tr("Conversion Completed.");
    const int failed = int(count(Outcome::Failed) + count(Outcome::LeftOut) + count(Outcome::Unreadable));
    if (failed > 0)
        text += QLatin1Char('\n')
              + (consoleRef ? Words::tr("%n of %1 files failed; the console has the details.", nullptr, failed)
                            : Words::tr("%n of %1 files failed.", nullptr, failed))
                    .arg(total);
    if (const int stopped = int(count(Outcome::Stopped)))
        text += QLatin1Char('\n') + Words::tr("%n of %1 files were stopped.", nullptr, stopped).arg(total);
    // English says the one file its own way; every language gets its plural forms.
    if (const int skipped = int(count(Outcome::NotAudio)))
        text += QLatin1Char('\n')
              + (skipped == 1 ? Words::tr("1 file was not audio and was skipped.")
                              : Words::tr("%n files were not audio and were skipped.", nullptr, skipped));
    if (const int troubled = int(this->troubled()))
        text += QLatin1Char('\n')
              + (troubled == 1
                     ? (consoleRef ? Words::tr("1 file was converted with problems; the console has the details.")
                                   : Words::tr("1 file was converted with problems."))
                     : (consoleRef
                            ? Words::tr("%n files were converted with problems; the console has the details.", nullptr, troubled)
                            : Words::tr("%n files were converted with problems.", nullptr, troubled)));
    if (const int there = int(count(Outcome::AlreadyConverted)))
        text += QLatin1Char('\n')
              + (there == 1 ? Words::tr("1 file was already converted and was left as it is.")
                            : Words::tr("%n files were already converted and were left as they are.", nullptr, there));
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
        text += QLatin1Char('\n') + Words::tr("and %n more", nullptr, int(more));
    return text;
}

} // namespace engine
