#include "engine/Outcome.h"

#include <algorithm>

namespace engine {

qsizetype BatchReport::count(Outcome outcome) const
{
    return std::count_if(outcomes_.cbegin(), outcomes_.cend(),
                         [outcome](const FileOutcome& o) { return o.outcome == outcome; });
}

QString BatchReport::alertText(qsizetype batchSize) const
{
    QString text = QStringLiteral("Conversion Completed.");
    const qsizetype failed = count(Outcome::Failed) + count(Outcome::LeftOut) + count(Outcome::Unreadable);
    if (failed > 0)
        text += QStringLiteral("\n%1 of %2 files failed; the console has the details.").arg(failed).arg(batchSize);
    if (const qsizetype stopped = count(Outcome::Stopped))
        text += QStringLiteral("\n%1 of %2 files were stopped.").arg(stopped).arg(batchSize);
    return text;
}

} // namespace engine
