#include "engine/Progress.h"
#include "engine/TimeString.h"
#include "platform/Log.h"

#include <stdexcept>

namespace engine {

namespace {
// A "time=" of the encoder's own progress line, not one inside a dumped tag value:
// those lines are indented, progress lines are not.
qsizetype ownTimeMarker(const QString& text, bool firstLineForeign)
{
    for (qsizetype at = text.indexOf(QLatin1String("time=")); at >= 0;
         at = text.indexOf(QLatin1String("time="), at + 1)) {
        qsizetype start = at;
        while (start > 0 && text.at(start - 1) != QLatin1Char('\n') && text.at(start - 1) != QLatin1Char('\r'))
            --start;
        if (text.at(start) != QLatin1Char(' ') && !(start == 0 && firstLineForeign))
            return at;
    }
    return -1;
}
} // namespace

std::optional<QString> progressTimeText(const QString& errorText, bool firstLineForeign)
{
    const qsizetype at = ownTimeMarker(errorText, firstLineForeign);
    if (at < 0)
        return std::nullopt;
    const QString rest = errorText.mid(at + 5);
    qCDebug(lcEngine).noquote() << "Result:" << rest;
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    const QString timeText = space < 0 ? rest : rest.left(space);
    qCDebug(lcEngine).noquote() << "OutTime:" << timeText;
    return timeText;
}

std::optional<qint32> progressPercent(const QString& errorText, qint32 totalDuration, bool firstLineForeign)
{
    const auto timeText = progressTimeText(errorText, firstLineForeign);
    if (!timeText)
        return std::nullopt;
    qint64 seconds64;
    try {
        seconds64 = secondsForTimeString(*timeText);
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
    if (totalDuration == 0)
        return std::nullopt;
    const qint32 seconds = qint32(quint32(quint64(seconds64)));
    const qint32 product = qint32(quint32(seconds) * 100u);
    // In 64 bits the one 32-bit overflow (INT_MIN / -1) cannot trap; it wraps back.
    return qint32(quint32(quint64(qint64(product) / qint64(totalDuration))));
}

} // namespace engine
